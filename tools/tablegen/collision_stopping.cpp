// The mass collision stopping power of electrons and positrons by the formula of ICRU Report 37
// (Bethe theory with the Moller or Bhabha term F-/F+, no shell correction).
#include "tablegen/collision_stopping.h"

#include <cmath>
#include <numbers>

#include "tablegen/physics_constants.h"

namespace velmora::tablegen {

double BetheF(Particle particle, double tau) {
    const double beta2 = tau * (tau + 2.0) / ((tau + 1.0) * (tau + 1.0));
    if (particle == Particle::kElectron) {
        return (1.0 - beta2) * (1.0 + tau * tau / 8.0 - (2.0 * tau + 1.0) * std::numbers::ln2);
    }
    const double u = tau + 2.0;
    return 2.0 * std::numbers::ln2 -
           beta2 / 12.0 * (23.0 + 14.0 / u + 10.0 / (u * u) + 4.0 / (u * u * u));
}

double CollisionStoppingPower(Particle particle, double kineticEnergyMeV, double zOverA,
                              double meanExcitationEv, double delta) {
    const double tau = kineticEnergyMeV / kElectronMassMeV;
    const double beta2 = tau * (tau + 2.0) / ((tau + 1.0) * (tau + 1.0));
    const double iOverM = meanExcitationEv * 1e-6 / kElectronMassMeV;
    const double logTerm = std::log(tau * tau * (tau + 2.0) / (2.0 * iOverM * iOverM));
    return kCollisionConstant * zOverA / beta2 * (logTerm + BetheF(particle, tau) - delta);
}

}  // namespace velmora::tablegen
