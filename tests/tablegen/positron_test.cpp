// Positron mode: the collision formula with F+ evaluated independently from the published delta,
// and the positron radiative stopping power with and without the Kim et al. ratio.
#include <gtest/gtest.h>

#include <map>
#include <numbers>

#include "tablegen/composition.h"
#include "tablegen/positron_radiative_ratio.h"
#include "tablegen/stopping_table.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

using testing::FourthDigitUnit;
using testing::Reference;
using testing::ReferenceMaterialById;

MaterialDefinition DefinitionOf(int id) {
    const ReferenceMaterial& m = ReferenceMaterialById(id);
    return {m.listName, m.composition, m.density, m.meanExcitationEv};
}

// ICRU 37 positron collision stopping power in the form
// 0.307072 (Z/A) / beta^2 [ln(T/I) + ln(1 + tau/2)/2 + F+(tau)/2 - delta/2].
double IndependentPositronCollision(double t, double zOverA, double iEv, double delta) {
    const double m = 0.510999, tau = t / m;
    const double gamma = tau + 1.0, beta2 = 1.0 - 1.0 / (gamma * gamma);
    const double y = tau + 2.0;
    const double fPlus = 2.0 * std::numbers::ln2 -
                         beta2 / 12.0 * (23.0 + 14.0 / y + 10.0 / (y * y) + 4.0 / (y * y * y));
    return 0.307072 * zOverA / beta2 *
           (std::log(t / (iEv * 1e-6)) + 0.5 * std::log(1.0 + tau / 2.0) + 0.5 * fPlus -
            0.5 * delta);
}

// Water, air, graphite, aluminium and lead, with delta from the published electron tables.
TEST(PositronCollision, FollowsTheIcru37FormulaWithFPlus) {
    const std::map<std::string, int> materials = {
        {"water.liquid", 276}, {"air.dry", 104}, {"graphite", 279}, {"aluminum", 13}, {"lead", 82}};
    const CsvTable csv = ReadCsvFile(testing::TestDataPath("estar_electron_nist_online_2026.csv"));
    const std::size_t id = csv.Column("id"), energy = csv.Column("T_MeV"),
                      delta = csv.Column("density_effect_delta");
    std::map<std::string, GridTable> tables;
    int checked = 0;
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const auto found = materials.find(csv.rows[r][id]);
        if (found == materials.end()) {
            continue;
        }
        const MaterialDefinition material = DefinitionOf(found->second);
        if (tables.count(found->first) == 0) {
            tables[found->first] = ComputeTable(material, Reference(), GenerationOptions{});
        }
        const GridTable& table = tables[found->first];
        const double t = csv.Number(r, energy);
        std::size_t k = 0;
        while (std::fabs(table.energy[k] / t - 1.0) > 1e-9) {
            ++k;
        }
        const double expected = IndependentPositronCollision(
            t, ElectronsPerGram(material.composition, Reference().elements),
            material.meanExcitationEv, csv.Number(r, delta));
        EXPECT_LE(std::fabs(table.collision[k] - expected), 0.5 * FourthDigitUnit(expected))
            << found->first << " at " << t << " MeV";
        ++checked;
    }
    EXPECT_EQ(checked, 5 * 80);
}

// The fit read straight from its file and summed term by term.
double IndependentRatio(int z, double t) {
    const CsvTable fit =
        ReadCsvFile(testing::SourcePath("data/reference/positron_brems_ratio_kim1986_fit.csv"));
    const double x = std::log(1.0 + 1e6 * t / (0.510999 * z * z));
    double sum = 0.0;
    for (std::size_t r = 0; r < fit.rows.size(); ++r) {
        sum += fit.Number(r, 1) * std::pow(x, fit.Number(r, 0));
    }
    return 1.0 - std::exp(sum);
}

TEST(PositronRadiative, ScalesEachElementByTheKimRatio) {
    const MaterialDefinition water = DefinitionOf(276);
    const GridTable positron = ComputeTable(water, Reference(), {Particle::kPositron, true});
    const auto& grid = Reference().energyGrid;
    for (std::size_t k = 0; k < grid.size(); ++k) {
        double expected = 0.0;
        for (const Component& c : water.composition) {
            expected += c.weightFraction * Reference().electronRadiative[c.z - 1][k] *
                        IndependentRatio(c.z, grid[k]);
        }
        EXPECT_NEAR(positron.radiative[k], expected, 1e-12 * expected) << grid[k];
    }
}

TEST(PositronRadiative, RatioRisesFromBelowOneTowardsOne) {
    const auto& c = Reference().positronRatioCoefficients;
    for (int z : {1, 6, 29, 82, 98}) {
        double previous = 0.0;
        for (double t : Reference().energyGrid) {
            const double ratio = PositronRadiativeRatio(z, t, c);
            EXPECT_GE(ratio, previous) << "Z " << z << " T " << t;
            EXPECT_GT(ratio, 0.0);
            EXPECT_LE(ratio, 1.0);  // exactly 1 where the fit's exponent underflows
            previous = ratio;
        }
        EXPECT_GT(previous, 0.99) << "Z " << z << " at 10 GeV";
        // At 10 keV a positron radiates less in a heavy atom than in a light one.
        EXPECT_LT(PositronRadiativeRatio(z + 1, 0.01, c), PositronRadiativeRatio(z, 0.01, c));
    }
}

TEST(PositronRadiative, SwitchOffGivesTheElectronValuesAndOnlyChangesRadiativeTerms) {
    for (int id : {276, 82}) {
        const MaterialDefinition material = DefinitionOf(id);
        const GridTable electron = ComputeTable(material, Reference(), {Particle::kElectron, true});
        const GridTable plain = ComputeTable(material, Reference(), {Particle::kPositron, false});
        const GridTable scaled = ComputeTable(material, Reference(), {Particle::kPositron, true});
        for (std::size_t k = 0; k < electron.energy.size(); ++k) {
            EXPECT_EQ(plain.radiative[k], electron.radiative[k]);
            EXPECT_LE(scaled.radiative[k], plain.radiative[k]);
            EXPECT_EQ(scaled.collision[k], plain.collision[k]);
            EXPECT_EQ(scaled.delta[k], electron.delta[k]);
            EXPECT_GE(scaled.csdaRange[k], plain.csdaRange[k]);  // less loss, longer path
        }
    }
}

}  // namespace
}  // namespace velmora::tablegen
