// The mass collision stopping power of electrons and positrons by the formula of ICRU Report 37
// (Bethe theory with the Moller or Bhabha term F-/F+, no shell correction).
#pragma once

namespace velmora::tablegen {

enum class Particle { kElectron, kPositron };

// F-(tau) for electrons, F+(tau) for positrons; tau = T / m c^2.
double BetheF(Particle particle, double tau);

// S_col/rho in MeV cm2/g at kinetic energy T (MeV) for a material with electrons per gram zOverA
// (mol/g), mean excitation energy I (eV) and density-effect correction delta.
double CollisionStoppingPower(Particle particle, double kineticEnergyMeV, double zOverA,
                              double meanExcitationEv, double delta);

}  // namespace velmora::tablegen
