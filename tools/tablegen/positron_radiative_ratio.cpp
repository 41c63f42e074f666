// The ratio of positron to electron radiative stopping power, fit of Kim, Pratt, Seltzer & Berger,
// Phys. Rev. A 33 (1986) 3002.
#include "tablegen/positron_radiative_ratio.h"

#include <cmath>

#include "tablegen/physics_constants.h"

namespace velmora::tablegen {

double PositronRadiativeRatio(int z, double kineticEnergyMeV,
                              std::span<const double> coefficients) {
    const double t = std::log1p(1e6 * kineticEnergyMeV / (kElectronMassMeV * z * z));
    double exponent = 0.0;
    for (auto it = coefficients.rbegin(); it != coefficients.rend(); ++it) {
        exponent = (exponent + *it) * t;  // Horner: t (c_1 + t (c_2 + ...))
    }
    return 1.0 - std::exp(exponent);
}

}  // namespace velmora::tablegen
