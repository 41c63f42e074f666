// Positron mode: the collision formula with F+ evaluated independently, and the radiative stopping
// power with and without the Kim et al. ratio.
#include <gtest/gtest.h>

#include <numbers>

#include "tablegen/composition.h"
#include "tablegen/positron_radiative_ratio.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

using testing::Reference;

// ICRU 37 positron collision stopping power in the form
// 0.307072 (Z/A) / beta^2 [ln(T/I) + ln(1 + tau/2)/2 + F+(tau)/2 - delta/2].
double IndependentPositronCollision(double t, double zOverA, double iEv, double delta) {
    const double tau = t / 0.510999, y = tau + 2.0;
    const double beta2 = 1.0 - 1.0 / ((tau + 1.0) * (tau + 1.0));
    const double fPlus = 2.0 * std::numbers::ln2 -
                         beta2 / 12.0 * (23.0 + 14.0 / y + 10.0 / (y * y) + 4.0 / (y * y * y));
    const double logs = std::log(t / (iEv * 1e-6)) + 0.5 * std::log(1.0 + tau / 2.0);
    return 0.307072 * zOverA / beta2 * (logs + 0.5 * fPlus - 0.5 * delta);
}

// Water, air, graphite, aluminium and lead; the density effect is the electrons' own, which the
// electron validation checks against the published tables.
TEST(PositronCollision, FollowsTheIcru37FormulaWithFPlus) {
    for (int id : {276, 104, 279, 13, 82}) {
        const MaterialDefinition m = testing::DefinitionOf(id);
        const GridTable positron = testing::TableOf(id);
        const double zOverA = ElectronsPerGram(m.composition, Reference().elements);
        for (std::size_t k = 0; k < positron.energy.size(); ++k) {
            const double expected = IndependentPositronCollision(
                positron.energy[k], zOverA, m.meanExcitationEv, positron.delta[k]);
            EXPECT_NEAR(positron.collision[k], expected, 1e-9 * expected) << id << " " << k;
        }
    }
}

// Water's radiative stopping power: with the ratio on, each element's electron value times the fit
// read straight from its file; with it off, the electron value. Nothing else changes.
TEST(PositronRadiative, RatioSwitchScalesEachElementOrGivesTheElectronValue) {
    const CsvTable fit =
        ReadCsvFile(testing::SourcePath("data/reference/positron_brems_ratio_kim1986_fit.csv"));
    const GridTable on = testing::TableOf(276),
                    off = testing::TableOf(276, {Particle::kPositron, false});
    const GridTable electron = testing::TableOf(276, {Particle::kElectron});
    for (std::size_t k = 0; k < on.energy.size(); ++k) {
        double expected = 0.0;
        for (const Component& c : testing::DefinitionOf(276).composition) {
            const double x = std::log(1.0 + 1e6 * on.energy[k] / (0.510999 * c.z * c.z));
            double sum = 0.0;
            for (std::size_t r = 0; r < fit.rows.size(); ++r) {
                sum += fit.Number(r, 1) * std::pow(x, fit.Number(r, 0));
            }
            expected += c.weightFraction * Reference().electronRadiative[c.z - 1][k] *
                        (1.0 - std::exp(sum));
        }
        EXPECT_NEAR(on.radiative[k], expected, 1e-12 * expected) << on.energy[k];
        EXPECT_EQ(off.radiative[k], electron.radiative[k]);
        EXPECT_EQ(off.collision[k], on.collision[k]);
        EXPECT_EQ(on.delta[k], electron.delta[k]);
    }
}

// Below one, rising with energy, towards one at 10 GeV, and smaller in heavier atoms.
TEST(PositronRadiative, RatioRisesFromBelowOneTowardsOne) {
    const auto& c = Reference().positronRatioCoefficients;
    for (int z : {1, 6, 29, 82, 98}) {
        double previous = 0.0;
        for (double t : Reference().energyGrid) {
            const double ratio = PositronRadiativeRatio(z, t, c);
            EXPECT_TRUE(ratio >= previous && ratio <= 1.0) << "Z " << z << " T " << t;
            previous = ratio;
        }
        EXPECT_GT(previous, 0.99) << "Z " << z;
        EXPECT_LT(PositronRadiativeRatio(z + 1, 0.01, c), PositronRadiativeRatio(z, 0.01, c));
    }
}

}  // namespace
}  // namespace velmora::tablegen
