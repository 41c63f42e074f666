// Csda ranges over beta+ spectra: Rmax, Rmean, the mean csda range and the share beyond a layer.
#include "core/emitter_ranges.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/beta_spectrum.h"
#include "core/exact_math.h"
#include "core/interpolation.h"
#include "core/range_query.h"

namespace velmora {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool Usable(const Nuclide& nuclide, const MaterialTable& table) {
    return CsdaRangeRises(table) && !nuclide.branches.empty() &&
           nuclide.HighestEndpointMeV() <= table.EnergyMeV[kLastRow];
}

// The energy whose csda range is the given one, on the same lines as CsdaRangeAt.
double EnergyOfRange(const MaterialTable& table, double range) {
    const TableColumn& r = table.CsdaRange;
    if (range >= r[kFirstRow]) {
        return EnergyForCsdaRange(table, range).value_or(std::numeric_limits<double>::infinity());
    }
    const double e1 = ExactLog(table.EnergyMeV[kFirstRow]);
    const double e2 = ExactLog(table.EnergyMeV[kFirstRow + 1]);
    const double slope = (e2 - e1) / (ExactLog(r[kFirstRow + 1]) - ExactLog(r[kFirstRow]));
    return ExactExp(e1 + slope * (ExactLog(range) - ExactLog(r[kFirstRow])));
}

}  // namespace

double CsdaRangeAt(const MaterialTable& table, double kineticMeV) {
    if (!CsdaRangeRises(table) || !(kineticMeV >= 0.0)) {
        return kNaN;
    }
    if (kineticMeV == 0.0) {
        return 0.0;
    }
    const int upper = FindUpperRow(table, kineticMeV);
    return upper == kEnergyAboveTable
               ? kNaN
               : InterpolateLogLog(table, table.CsdaRange, upper, kineticMeV);
}

std::optional<EmitterRanges> ComputeEmitterRanges(const Nuclide& nuclide,
                                                  const MaterialTable& table) {
    if (!Usable(nuclide, table)) {
        return std::nullopt;
    }
    EmitterRanges r;
    r.endpointMeV = nuclide.HighestEndpointMeV();
    r.meanEnergyMeV = nuclide.MeanEnergyMeV();
    r.rMax = CsdaRangeAt(table, r.endpointMeV);
    r.rMean = CsdaRangeAt(table, r.meanEnergyMeV);
    const double firstEnergy = table.EnergyMeV[kFirstRow];
    double rangeSum = 0.0, below = 0.0;
    for (const BetaPlusBranch& branch : nuclide.branches) {
        const BetaPlusSpectrum spectrum(branch, nuclide.daughterZ, nuclide.massNumber);
        rangeSum += spectrum.Integrate([&table](double t) { return CsdaRangeAt(table, t); });
        below += branch.intensityPercent - spectrum.PositronsAbove(firstEnergy);
    }
    const double positrons = nuclide.PositronsPer100Decays();
    r.meanCsdaRange = rangeSum / positrons;
    r.belowTableShare = std::max(0.0, below / positrons);
    r.belowTableBound = r.belowTableShare * table.CsdaRange[kFirstRow];
    return r;
}

std::optional<double> ShareBeyond(const Nuclide& nuclide, const MaterialTable& table,
                                  double thicknessGPerCm2) {
    if (!Usable(nuclide, table) || !(thicknessGPerCm2 > 0.0)) {
        return std::nullopt;
    }
    const double energy = EnergyOfRange(table, thicknessGPerCm2);
    double beyond = 0.0;
    for (const BetaPlusBranch& branch : nuclide.branches) {
        beyond +=
            BetaPlusSpectrum(branch, nuclide.daughterZ, nuclide.massNumber).PositronsAbove(energy);
    }
    return beyond / nuclide.PositronsPer100Decays();
}

double RangeInMillimetres(double gPerCm2, double density) {
    return gPerCm2 / density * 10.0;
}

double MillimetresInGPerCm2(double millimetres, double density) {
    return millimetres / 10.0 * density;
}

}  // namespace velmora
