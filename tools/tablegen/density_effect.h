// The density-effect correction by Sternheimer's oscillator model (Sternheimer 1952, 1956;
// Sternheimer, Berger & Seltzer 1984), with atomic subshells as oscillators.
#pragma once

#include <vector>

#include "tablegen/composition.h"
#include "tablegen/reference_data.h"

namespace velmora::tablegen {

class DensityEffect {
  public:
    // Builds the oscillators of a material: every subshell of every atom, with the electron
    // fraction as strength. In a material of one element the outer level marked as conduction
    // level becomes free electrons (no binding energy); in compounds it stays a bound level.
    // Throws TablegenError when no Sternheimer factor reproduces the mean excitation energy.
    DensityEffect(const Composition& composition, const ReferenceData& data, double density,
                  double meanExcitationEv);

    // delta at kinetic energy T (MeV) of an electron or positron.
    double Delta(double kineticEnergyMeV) const;

    double PlasmaEnergyEv() const { return plasmaEnergyEv_; }
    // Sternheimer's adjustment factor rho applied to all binding energies.
    double SternheimerFactor() const;

  private:
    struct Oscillator {
        double strength = 0.0;
        double scaledEnergySquared = 0.0;  // (rho E_j / hbar omega_p)^2
        double lowFrequencyTerm = 0.0;     // 2/3 f_j bound, f_j free
    };

    void SolveSternheimerFactor(double meanExcitationEv);
    double SolveL2(double y) const;

    std::vector<Oscillator> oscillators_;
    double plasmaEnergyEv_ = 0.0;
    double factorSquared_ = 1.0;
    double freeStrength_ = 0.0;  // strength of the conduction electrons (0 for insulators)
};

}  // namespace velmora::tablegen
