// The density-effect correction by Sternheimer's oscillator model (Sternheimer 1952, 1956;
// Sternheimer, Berger & Seltzer 1984), with atomic subshells as oscillators.
#include "tablegen/density_effect.h"

#include <algorithm>
#include <cmath>

#include "tablegen/physics_constants.h"
#include "tablegen/root_finding.h"
#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {

DensityEffect::DensityEffect(const Composition& composition, const ReferenceData& data,
                             double density, double meanExcitationEv) {
    const double zOverA = ElectronsPerGram(composition, data.elements);
    plasmaEnergyEv_ = kPlasmaEnergyFactorEv * std::sqrt(density * zOverA);
    const bool singleElement = composition.size() == 1;
    for (const Component& c : composition) {
        const double electronFraction =
            c.weightFraction * c.z / data.elements.ByZ(c.z).atomicWeight / zOverA;
        for (const Shell& shell : data.shells.at(static_cast<std::size_t>(c.z - 1))) {
            Oscillator o;
            o.strength = shell.occupation / c.z * electronFraction;
            const bool free = singleElement && shell.conduction;
            const double ratio = free ? 0.0 : shell.bindingEnergyEv / plasmaEnergyEv_;
            o.scaledEnergySquared = ratio * ratio;
            o.lowFrequencyTerm = (free ? 1.0 : 2.0 / 3.0) * o.strength;
            freeStrength_ += free ? o.strength : 0.0;
            oscillators_.push_back(o);
        }
    }
    SolveSternheimerFactor(meanExcitationEv);
}

double DensityEffect::SternheimerFactor() const {
    return std::sqrt(factorSquared_);
}

// Finds r = rho^2 with sum f_j ln(r eps_j + a_j f_j) = 2 ln(I / hbar omega_p); the left side rises
// with r, so the root is unique when it exists.
void DensityEffect::SolveSternheimerFactor(double meanExcitationEv) {
    const double target = 2.0 * std::log(meanExcitationEv / plasmaEnergyEv_);
    const ValueAndSlope equation = [&](double r) {
        double value = -target, slope = 0.0;
        for (const Oscillator& o : oscillators_) {
            const double l2 = r * o.scaledEnergySquared + o.lowFrequencyTerm;
            value += o.strength * std::log(l2);
            slope += o.strength * o.scaledEnergySquared / l2;
        }
        return std::pair{value, slope};
    };
    if (!(equation(0.0).first < 0.0)) {
        throw TablegenError(
            "the mean excitation energy is too low for the plasma energy of this density "
            "(no Sternheimer factor exists)");
    }
    double hi = 1.0;
    while (equation(hi).first < 0.0) {
        hi *= 4.0;
        if (hi > 1e30) {
            throw TablegenError("no Sternheimer factor reproduces the mean excitation energy");
        }
    }
    factorSquared_ = SolveBracketed(equation, 0.0, hi, 1e-15);
}

// L^2 from sum f_j / (rho^2 eps_j + L^2) = 1 / y, the left side falling with L^2.
double DensityEffect::SolveL2(double y) const {
    double maxEps = 0.0;
    for (const Oscillator& o : oscillators_) {
        maxEps = std::max(maxEps, factorSquared_ * o.scaledEnergySquared);
    }
    const ValueAndSlope equation = [&](double q) {
        double value = -1.0 / y, slope = 0.0;
        for (const Oscillator& o : oscillators_) {
            const double d = factorSquared_ * o.scaledEnergySquared + q;
            value += o.strength / d;
            slope -= o.strength / (d * d);
        }
        return std::pair{value, slope};
    };
    // Every term is at most f_j / L^2, so the root lies below y; above max(y - eps_max, f_free y).
    const double lo = std::max({0.0, y - maxEps, freeStrength_ * y});
    return SolveBracketed(equation, lo, y, 1e-14);
}

double DensityEffect::Delta(double kineticEnergyMeV) const {
    const double tau = kineticEnergyMeV / kDensityEffectElectronMassMeV;
    const double y = tau * (tau + 2.0);  // (beta gamma)^2
    if (freeStrength_ == 0.0) {
        double cut = 0.0;
        for (const Oscillator& o : oscillators_) {
            cut += o.strength / (factorSquared_ * o.scaledEnergySquared);
        }
        if (y * cut <= 1.0) {
            return 0.0;  // an insulator below the density-effect threshold
        }
    }
    const double l2 = SolveL2(y);
    double delta = -l2 / (1.0 + y);
    for (const Oscillator& o : oscillators_) {
        delta += o.strength *
                 std::log1p(l2 / (factorSquared_ * o.scaledEnergySquared + o.lowFrequencyTerm));
    }
    return std::max(delta, 0.0);
}

}  // namespace velmora::tablegen
