// The csda range: the path length integral of 1 / S_tot from the lowest grid energy upwards.
#pragma once

#include <vector>

namespace velmora::tablegen {

// R(T_k) for every grid energy T_k (g/cm2), from the total mass stopping power on the same grid.
// Below the first energy T_1 the stopping power is taken as proportional to 1/T, giving
// R(T_1) = T_1 / (2 S(T_1)); between grid energies ln S is a natural cubic spline in ln T, and
// each interval is integrated by Simpson's rule with 21 points in ln T.
std::vector<double> CsdaRange(const std::vector<double>& energyMeV,
                              const std::vector<double>& totalStoppingPower);

}  // namespace velmora::tablegen
