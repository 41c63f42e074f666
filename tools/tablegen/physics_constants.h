// Physical constants in the values the ICRU 37 tables were computed with.
#pragma once

namespace velmora::tablegen {

inline constexpr double kElectronMassMeV = 0.510999;  // m c^2
// m c^2 as the density-effect calculation of the reference tables takes it when it converts the
// kinetic energy to (beta gamma)^2: their published delta values follow 0.511 MeV, not 0.510999
// (with 0.510999, 41 of 8240 published values differ by one unit of the 4th digit, one by two).
inline constexpr double kDensityEffectElectronMassMeV = 0.511;
// 2 pi N_A r_e^2 m c^2 in MeV cm2/mol.
inline constexpr double kCollisionConstant = 0.153536;
// hbar omega_p in eV = this factor times sqrt(density in g/cm3 times Z/A in mol/g).
inline constexpr double kPlasmaEnergyFactorEv = 28.81593;

}  // namespace velmora::tablegen
