// The energy spectrum of the positrons of one beta+ branch.
//
// Approximations: every branch has the allowed shape N(W) ~ F(-Z, W) p W (W0 - W)^2 (W total
// energy, p momentum, in electron masses), also the first-forbidden branches (I-124's 2138 keV
// branch; its evaluated mean energy is reproduced to 1.4 %). F is the relativistic Fermi function
// of a point charge Z (the daughter's) evaluated at the nuclear radius R = 1.2 A^(1/3) fm:
//   F = 2 (1 + g) (2 p R)^(2 g - 2) exp(pi eta) |Gamma(g + i eta)|^2 / Gamma(2 g + 1)^2,
//   g = sqrt(1 - (alpha Z)^2), eta = -alpha Z W / p (negative for positrons).
// Left out: the finite extent of the nuclear charge, the screening by the atomic electrons,
// radiative corrections and forbidden shape factors. Even so the spectra reproduce the evaluated
// mean energies of the bundled branches within 1 % (I-124's first-forbidden branch: 2 %).
#pragma once

#include <vector>

#include "positron_emitters.h"

namespace velmora {

class BetaPlusSpectrum {
  public:
    BetaPlusSpectrum(const BetaPlusBranch& branch, int daughterZ, int massNumber);

    // Positrons per MeV per 100 decays at a kinetic energy; zero outside (0, endpoint). Integrates
    // to the branch's intensity.
    double PositronsPerMeV(double kineticMeV) const;
    // Positrons per 100 decays with a kinetic energy above the given one (below: all of them).
    double PositronsAbove(double kineticMeV) const;
    // Mean kinetic energy of the spectrum (MeV).
    double MeanEnergyMeV() const;
    double EndpointMeV() const { return endpointMeV_; }

    // The integral of f(T) N(T) dT over the spectrum from lowMeV to the endpoint (per 100 decays),
    // by Simpson's rule; f is any function of the kinetic energy in MeV.
    template <typename F>
    double Integrate(F&& f, double lowMeV = 0.0) const;

  private:
    double Shape(double kineticMeV) const;  // unnormalised

    double endpointMeV_;
    int daughterZ_;
    double radius_;     // nuclear radius in units of hbar / (m c)
    double scale_ = 1;  // normalisation: shape to positrons per MeV per 100 decays
};

// Energies (MeV) at which a nuclide's spectrum is listed and drawn: steps of 1, 2 or 5 times a
// power of ten, at most 100 of them below the endpoint, and the endpoint itself.
std::vector<double> SpectrumSampleEnergies(double endpointMeV);

struct SpectrumPoint {
    double energyMeV = 0.0;
    double positronsPerMeV = 0.0;  // per 100 decays, all branches together
};

// The nuclide's spectrum at the SpectrumSampleEnergies of its highest endpoint.
std::vector<SpectrumPoint> SampledNuclideSpectrum(const Nuclide& nuclide);

// Simpson's rule with this many intervals; the spectrum is smooth (it vanishes with all its
// derivatives at zero energy for positrons, and as (W0 - W)^2 at the endpoint), so that the
// integrals are good to better than 1e-6.
inline constexpr int kSpectrumIntervals = 2000;

template <typename F>
double BetaPlusSpectrum::Integrate(F&& f, double lowMeV) const {
    if (!(lowMeV < endpointMeV_)) {
        return 0.0;
    }
    lowMeV = lowMeV > 0.0 ? lowMeV : 0.0;
    const double h = (endpointMeV_ - lowMeV) / kSpectrumIntervals;
    double sum = 0.0;
    for (int k = 0; k <= kSpectrumIntervals; ++k) {
        const double t = k == kSpectrumIntervals ? endpointMeV_ : lowMeV + k * h;
        const double weight = k == 0 || k == kSpectrumIntervals ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
        const double n = PositronsPerMeV(t);
        if (n > 0.0) {
            sum += weight * n * f(t);
        }
    }
    return sum * h / 3.0;
}

}  // namespace velmora
