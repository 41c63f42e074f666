// The allowed beta+ spectrum with the relativistic Fermi function of the daughter nucleus.
#include "core/beta_spectrum.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "core/exact_math.h"

namespace velmora {
namespace {

constexpr double kElectronMassMeV = 0.51099895;
constexpr double kFineStructure = 1.0 / 137.035999084;
constexpr double kReducedComptonFm = 386.15926796;  // hbar / (m c) in fm
constexpr double kRadiusFm = 1.2;                   // R = 1.2 A^(1/3) fm

// ln Gamma(z) for Re z > 0: shifted up to Re z >= 10, then Stirling's series (error < 1e-12).
std::complex<double> LogGamma(std::complex<double> z) {
    std::complex<double> shift = 0.0;
    while (z.real() < 10.0) {
        shift += std::log(z);
        z += 1.0;
    }
    const std::complex<double> inverse = 1.0 / z;
    const std::complex<double> inverse2 = inverse * inverse;
    const std::complex<double> series =
        inverse * (1.0 / 12 - inverse2 * (1.0 / 360 - inverse2 * (1.0 / 1260 - inverse2 / 1680.0)));
    return (z - 0.5) * std::log(z) - z + 0.5 * ExactLog(2 * std::numbers::pi) + series - shift;
}

// The Fermi function for a positron of total energy w and momentum p (electron masses) leaving a
// daughter of charge z, at the radius r (units of hbar / (m c)).
double FermiFunction(int z, double w, double p, double r) {
    const double az = kFineStructure * z;
    const double g = std::sqrt(1.0 - az * az);
    const double eta = -az * w / p;
    const double lnGammaSquared = 2.0 * LogGamma({g, eta}).real();
    const double lnF = ExactLog(2.0 * (1.0 + g)) + (2.0 * g - 2.0) * ExactLog(2.0 * p * r) +
                       std::numbers::pi * eta + lnGammaSquared - 2.0 * std::lgamma(2.0 * g + 1.0);
    return ExactExp(lnF);
}

}  // namespace

BetaPlusSpectrum::BetaPlusSpectrum(const BetaPlusBranch& branch, int daughterZ, int massNumber)
    : endpointMeV_(branch.endpointMeV),
      daughterZ_(daughterZ),
      radius_(kRadiusFm * std::cbrt(static_cast<double>(massNumber)) / kReducedComptonFm) {
    const double area = Integrate([](double) { return 1.0; });
    scale_ = area > 0.0 ? branch.intensityPercent / area : 0.0;
}

double BetaPlusSpectrum::Shape(double kineticMeV) const {
    if (!(kineticMeV > 0.0 && kineticMeV < endpointMeV_)) {
        return 0.0;
    }
    const double w = 1.0 + kineticMeV / kElectronMassMeV;
    const double w0 = 1.0 + endpointMeV_ / kElectronMassMeV;
    const double p = std::sqrt(w * w - 1.0);
    // Per MeV: dW = dT / m.
    return FermiFunction(daughterZ_, w, p, radius_) * p * w * (w0 - w) * (w0 - w) /
           kElectronMassMeV;
}

double BetaPlusSpectrum::PositronsPerMeV(double kineticMeV) const {
    return scale_ * Shape(kineticMeV);
}

double BetaPlusSpectrum::PositronsAbove(double kineticMeV) const {
    return Integrate([](double) { return 1.0; }, kineticMeV);
}

double BetaPlusSpectrum::MeanEnergyMeV() const {
    const double all = PositronsAbove(0.0);
    return all > 0.0 ? Integrate([](double t) { return t; }) / all : 0.0;
}

}  // namespace velmora
