// The csda range: the path length integral of 1 / S_tot from the lowest grid energy upwards.
#include "tablegen/csda_range.h"

#include <cmath>

#include "tablegen/natural_spline.h"
#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {
namespace {

constexpr int kSimpsonIntervals = 20;  // 21 points per grid interval

// Integral of T / S(T) d(ln T) over grid interval i with the spline of ln S against ln T.
double IntervalIntegral(const NaturalSpline& logS, std::size_t i) {
    const double a = logS.X(i), b = logS.X(i + 1);
    const double h = (b - a) / kSimpsonIntervals;
    double sum = 0.0;
    for (int k = 0; k <= kSimpsonIntervals; ++k) {
        const double u = k == kSimpsonIntervals ? b : a + k * h;
        const double weight = (k == 0 || k == kSimpsonIntervals) ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
        sum += weight * std::exp(u - logS.ValueInInterval(i, u));
    }
    return sum * h / 3.0;
}

}  // namespace

std::vector<double> CsdaRange(const std::vector<double>& energyMeV,
                              const std::vector<double>& totalStoppingPower) {
    if (energyMeV.size() != totalStoppingPower.size() || energyMeV.size() < 2) {
        throw TablegenError("csda range: one stopping power per energy, at least two energies");
    }
    std::vector<double> logT, logS;
    for (std::size_t i = 0; i < energyMeV.size(); ++i) {
        if (!(energyMeV[i] > 0.0) || !(totalStoppingPower[i] > 0.0)) {
            throw TablegenError("csda range: energies and stopping powers must be positive");
        }
        logT.push_back(std::log(energyMeV[i]));
        logS.push_back(std::log(totalStoppingPower[i]));
    }
    const NaturalSpline spline(std::move(logT), std::move(logS));
    std::vector<double> range{0.5 * energyMeV[0] / totalStoppingPower[0]};
    for (std::size_t i = 0; i + 1 < energyMeV.size(); ++i) {
        range.push_back(range.back() + IntervalIntegral(spline, i));
    }
    return range;
}

}  // namespace velmora::tablegen
