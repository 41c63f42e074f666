// The ratio of positron to electron radiative stopping power, fit of Kim, Pratt, Seltzer & Berger,
// Phys. Rev. A 33 (1986) 3002.
#pragma once

#include <span>

namespace velmora::tablegen {

// S_rad+ / S_rad- for an atom of atomic number z at kinetic energy T (MeV):
// 1 - exp(sum_n c_n t^n) with t = ln(1 + 1e6 T / (m c^2 Z^2)); coefficients holds c_1, c_2, ...
double PositronRadiativeRatio(int z, double kineticEnergyMeV, std::span<const double> coefficients);

}  // namespace velmora::tablegen
