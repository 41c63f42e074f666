// A safeguarded Newton iteration for a root bracketed by an interval.
#include "tablegen/root_finding.h"

#include <cmath>

namespace velmora::tablegen {

double SolveBracketed(const ValueAndSlope& f, double lo, double hi, double relTolerance) {
    const bool risingAtLo = f(lo).first < 0.0;
    double x = lo > 0.0 ? std::sqrt(lo * hi) : 0.5 * (lo + hi);
    for (int iteration = 0; iteration < 300; ++iteration) {
        const auto [value, slope] = f(x);
        if (value == 0.0) {
            return x;
        }
        if ((value < 0.0) == risingAtLo) {
            lo = x;
        } else {
            hi = x;
        }
        if (hi - lo <= relTolerance * hi) {
            return 0.5 * (lo + hi);
        }
        const double newton = slope != 0.0 ? x - value / slope : lo - 1.0;
        const double step = std::fabs(newton - x);
        if (newton > lo && newton < hi && step > 0.25 * relTolerance * x) {
            x = newton;
        } else if (newton > lo && newton < hi) {
            return newton;  // the Newton step is already below the tolerance
        } else {
            x = lo > 0.0 ? std::sqrt(lo * hi) : 0.5 * (lo + hi);
        }
    }
    return x;
}

}  // namespace velmora::tablegen
