// The generator's values. Electron tables against the published ESTAR electron tables, every value
// within one unit of the fourth significant digit: the generator in electron mode, and the
// committed electron tables in data/e_QRV and data/e_STC as read from their files (so that a stale
// or wrongly committed file is caught, not only a generator fault). Positron tables: the collision
// formula with F+ evaluated independently, the radiative stopping power with and without the Kim
// et al. ratio.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <set>

#include "tablegen/bundled_set.h"
#include "tablegen/composition.h"
#include "tablegen/positron_radiative_ratio.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

using testing::Reference;

// Collision, radiative, total stopping power, csda range and density effect of one material at one
// energy; NaN for a quantity the source does not hold.
using Values = std::array<double, 5>;
// The values of a source by reference material id and grid index.
using Source = std::map<int, std::map<std::size_t, Values>>;

struct Published {
    int id;
    std::string where;
    double energy;
    Values values;
};

// Elements by Z, except graphite (element 6 of the reference list is amorphous carbon), and the
// compounds. Their density and I are the tables' own, except for alanine, whose table says
// 1.41 g/cm3 while its values belong to the reference density 1.42 g/cm3.
std::vector<Published> OnlineTablesOf103Materials() {
    const std::map<std::string, int> kCompounds = {{"air.dry", 104},  {"alanine", 105},
                                                   {"pmma", 223},     {"water.liquid", 276},
                                                   {"graphite", 279}, {"carbon", 6}};
    const CsvTable csv = testing::TestData("estar_electron_nist_online_2026.csv");
    const std::size_t id = csv.Column("id"), z = csv.Column("Z"), energy = csv.Column("T_MeV");
    const std::array<std::size_t, 5> columns = {
        csv.Column("S_col_MeV_cm2_per_g"), csv.Column("S_rad_MeV_cm2_per_g"),
        csv.Column("S_tot_MeV_cm2_per_g"), csv.Column("csda_range_g_per_cm2"),
        csv.Column("density_effect_delta")};
    std::vector<Published> rows;
    std::set<std::string> materials;
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const std::string& name = *materials.insert(csv.rows[r][id]).first;
        const auto compound = kCompounds.find(name);
        Values published;
        std::transform(columns.begin(), columns.end(), published.begin(),
                       [&](std::size_t c) { return csv.Number(r, c); });
        rows.push_back({compound != kCompounds.end() ? compound->second : csv.Integer(r, z),
                        name + " at " + csv.rows[r][energy] + " MeV", csv.Number(r, energy),
                        published});
    }
    EXPECT_EQ(materials.size(), 103u);
    return rows;
}

// 279 tables of 276 materials: three tables hold another material's values (see the data
// folder's README).
std::vector<Published> TotalStoppingPowersOf279Materials() {
    std::map<std::string, int> idOfName;
    const CsvTable names = testing::TestData("g4_estar_ids.csv");
    for (std::size_t r = 0; r < names.rows.size(); ++r) {
        idOfName[names.rows[r][0]] = names.Integer(r, 1);
    }
    const CsvTable csv = testing::TestData("g4_estar_total_stopping_25pt.csv");
    const std::size_t name = csv.Column("g4_name"), energy = csv.Column("T_MeV");
    const double nan = std::nan("");
    std::vector<Published> rows;
    std::set<int> materials;
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const int id = *materials.insert(idOfName.at(csv.rows[r][name])).first;
        rows.push_back({id,
                        csv.rows[r][name] + " at " + csv.rows[r][energy] + " MeV",
                        csv.Number(r, energy),
                        {nan, nan, csv.Number(r, csv.Column("S_total_MeV_cm2_per_g")), nan, nan}});
    }
    EXPECT_EQ(materials.size(), 276u);
    return rows;
}

// Compares our values, rounded as printed, with the published four-digit values where both exist;
// returns the count of values compared.
int Compare(const std::vector<Published>& published, const Source& ours) {
    const auto& grid = Reference().energyGrid;
    int compared = 0;
    for (const Published& p : published) {
        const std::size_t k = std::find(grid.begin(), grid.end(), p.energy) - grid.begin();
        EXPECT_LT(k, grid.size()) << p.where << ": not a grid energy";
        const auto row = ours.at(p.id).find(k);
        for (std::size_t q = 0; row != ours.at(p.id).end() && q < 5; ++q) {
            const double value = row->second[q];
            if (!std::isnan(value) && !std::isnan(p.values[q])) {
                char rounded[32];
                std::snprintf(rounded, sizeof rounded, "%.3e", value);
                EXPECT_LE(std::fabs(std::strtod(rounded, nullptr) - p.values[q]),
                          (1.0 + 1e-6) * testing::FourthDigitUnit(p.values[q]))
                    << p.where << ", quantity " << q << ": ours " << value << ", published "
                    << p.values[q];
                ++compared;
            }
        }
    }
    return compared;
}

// The generator in electron mode, every quantity at every grid energy (1 keV to 10 GeV).
Source Generator() {
    Source source;
    for (const ReferenceMaterial& m : Reference().materials) {
        const GridTable t = testing::TableOf(m.id, {Particle::kElectron});
        for (std::size_t k = 0; k < t.energy.size(); ++k) {
            source[m.id][k] = {t.collision[k], t.radiative[k], t.total[k], t.csdaRange[k],
                               t.delta[k]};
        }
    }
    return source;
}

// The committed electron tables in data/e_QRV and data/e_STC as the viewer reads them: five
// numbers on each of lines 11-91, the rows at the 81 output energies 10 keV to 1 GeV; no density
// effect.
Source CommittedElectronTables() {
    const std::vector<BundledFile> files = BundledFiles(Reference(), Particle::kElectron);
    const auto& output = Reference().outputIndices;
    Source source;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto path = testing::SourcePath("data/" + files[i].folder + "/" + files[i].fileName);
        std::ifstream in(path, std::ios::binary);
        std::size_t n = 0;
        for (std::string line; std::getline(in, line);) {
            if (++n > 10) {
                std::vector<double> v = testing::ViewerFields(line);
                EXPECT_EQ(v.size(), 5u) << path << " line " << n;
                v.resize(5, std::nan(""));
                const std::size_t k = output.at(n - 11);
                EXPECT_EQ(v[0], Reference().energyGrid[k]) << path << " line " << n;
                source[Reference().materials.at(i).id][k] = {v[1], v[2], v[3], v[4], std::nan("")};
            }
        }
        EXPECT_EQ(n, 91u) << path;
    }
    return source;
}

TEST(ElectronValidation, ReproducesThePublishedTables) {
    const Source generator = Generator();
    EXPECT_EQ(Compare(OnlineTablesOf103Materials(), generator), 8240 * 5);
    EXPECT_EQ(Compare(TotalStoppingPowersOf279Materials(), generator), 279 * 25);
}

// The online tables start at 12.5 keV, all within the files' rows; of the 25 energies of the
// totals, 16 lie between 10 keV and 1 GeV.
TEST(BundledElectronTables, AgreeWithThePublishedTables) {
    const Source committed = CommittedElectronTables();
    EXPECT_EQ(Compare(OnlineTablesOf103Materials(), committed), 8240 * 4);
    EXPECT_EQ(Compare(TotalStoppingPowersOf279Materials(), committed), 279 * 16);
}

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
