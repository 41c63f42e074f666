// How far the positrons of a nuclide travel in a material: csda ranges over its beta+ spectrum.
//
// Below the table's first energy (0.01 MeV) the csda range is extrapolated along the first two
// rows as a power law (a straight line in the log-log plane, as the energy query extrapolates),
// which goes to zero at zero energy. The positrons emitted there are a small share (about 0.3 %
// for F-18 in water) and their ranges lie between zero and the first row's, so the treatment moves
// the mean csda range by less than that share times the first row's range: EmitterRanges reports
// both, and a test bounds the effect.
#pragma once

#include <optional>

#include "material_table.h"
#include "positron_emitters.h"

namespace velmora {

// All ranges in g/cm2; RangeInMillimetres converts them with the material's density.
struct EmitterRanges {
    double endpointMeV = 0.0;    // highest endpoint of the branches
    double meanEnergyMeV = 0.0;  // evaluated mean energies weighted by intensity
    double rMax = 0.0;           // csda range at endpointMeV (the literature's Rmax)
    double rMean = 0.0;          // csda range at meanEnergyMeV (the literature's Rmean)
    double meanCsdaRange = 0.0;  // mean csda range over the spectra of all branches
    // Share of the positrons emitted below the table's first energy, and the largest change of
    // meanCsdaRange that any treatment of them could make (share times the first row's range).
    double belowTableShare = 0.0;
    double belowTableBound = 0.0;
};

// The csda range at a kinetic energy: log-log interpolation in the table, extrapolated below its
// first energy as described above; zero at zero energy. NaN above the table's last energy or for
// a table whose csda ranges do not rise.
double CsdaRangeAt(const MaterialTable& table, double kineticMeV);

// The nuclide's figures in the material; nullopt when the table's csda ranges do not rise or the
// highest endpoint lies above its last energy.
std::optional<EmitterRanges> ComputeEmitterRanges(const Nuclide& nuclide,
                                                  const MaterialTable& table);

// The share (0..1) of the nuclide's positrons whose csda range exceeds a thickness (g/cm2).
// The csda range is a path length along a winding track, not a depth, so this is an upper bound on
// the share that gets through a layer of that thickness. Nullopt as for ComputeEmitterRanges, and
// for a thickness that is not positive.
std::optional<double> ShareBeyond(const Nuclide& nuclide, const MaterialTable& table,
                                  double thicknessGPerCm2);

// g/cm2 to mm with a density in g/cm3.
double RangeInMillimetres(double gPerCm2, double density);
// mm to g/cm2.
double MillimetresInGPerCm2(double millimetres, double density);

}  // namespace velmora
