// Electron tables against the published ESTAR electron tables, every value within one unit of the
// fourth significant digit: the generator in electron mode, and the committed electron tables in
// data/e_QRV and data/e_STC as read from their files (so that a stale or wrongly committed file
// is caught, not only a generator fault).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>

#include "tablegen/bundled_set.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

// Collision, radiative, total stopping power, csda range and density effect of one material at one
// energy; NaN for a quantity the source does not hold.
using Values = std::array<double, 5>;
const std::array<std::string, 5> kQuantities = {"collision", "radiative", "total", "csda range",
                                                "density effect"};

// The values of reference material id at a grid index; nullopt when the source has no such row.
using Lookup = std::function<std::optional<Values>(int id, std::size_t gridIndex)>;

// Compares our values, rounded as printed, with published four-digit values; keeps and finally
// prints the largest deviation of each quantity in units of the published value's fourth digit.
struct Deviations {
    void Compare(const std::string& quantity, double ours, double published,
                 const std::string& where) {
        char rounded[32];
        std::snprintf(rounded, sizeof rounded, "%.3e", ours);
        const double diff = std::fabs(std::strtod(rounded, nullptr) - published);
        const double units = published == 0.0 ? (diff == 0.0 ? 0.0 : 1e9)
                                              : diff / testing::FourthDigitUnit(published);
        EXPECT_LE(units, 1.0 + 1e-6) << where << ": ours " << ours << ", published " << published;
        ++compared;
        differing += units > 0.5 ? 1 : 0;
        auto& [largest, at] = worst[quantity];
        if (units > largest) {
            largest = units;
            at = where;
        }
    }
    void CompareAll(const Values& ours, const Values& published, const std::string& where) {
        for (std::size_t q = 0; q < ours.size(); ++q) {
            if (!std::isnan(ours[q]) && !std::isnan(published[q])) {
                Compare(kQuantities[q], ours[q], published[q], where);
            }
        }
    }
    ~Deviations() {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (const auto& [quantity, w] : worst) {
            std::cout << test << ": largest deviation, " << quantity << ": " << w.first
                      << " units of the 4th digit (" << w.second << ")\n";
        }
        std::cout << test << ": " << differing << " of " << compared << " values differ\n";
    }
    int compared = 0;
    int differing = 0;
    std::map<std::string, std::pair<double, std::string>> worst;
};

// The grid index of a published energy, which the reference grid holds as the same decimal.
std::size_t GridIndex(double energy) {
    const auto& grid = testing::Reference().energyGrid;
    const std::size_t k = std::find(grid.begin(), grid.end(), energy) - grid.begin();
    EXPECT_LT(k, grid.size()) << energy << " MeV is not a grid energy";
    return std::min(k, grid.size() - 1);
}

// Elements by Z, except graphite (element 6 of the reference list is amorphous carbon), and the
// compounds. Their density and I are the tables' own, except for alanine, whose table says
// 1.41 g/cm3 while its values belong to the reference density 1.42 g/cm3. Returns the count of
// values compared.
int CompareWithTheOnlineTablesOf103Materials(const Lookup& ours) {
    const std::map<std::string, int> kCompounds = {{"air.dry", 104},  {"alanine", 105},
                                                   {"pmma", 223},     {"water.liquid", 276},
                                                   {"graphite", 279}, {"carbon", 6}};
    const CsvTable csv = testing::TestData("estar_electron_nist_online_2026.csv");
    const std::size_t id = csv.Column("id"), z = csv.Column("Z"), energy = csv.Column("T_MeV");
    const std::array<std::size_t, 5> columns = {
        csv.Column("S_col_MeV_cm2_per_g"), csv.Column("S_rad_MeV_cm2_per_g"),
        csv.Column("S_tot_MeV_cm2_per_g"), csv.Column("csda_range_g_per_cm2"),
        csv.Column("density_effect_delta")};
    Deviations deviations;
    std::set<std::string> materials;
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const std::string& name = csv.rows[r][id];
        materials.insert(name);
        const auto compound = kCompounds.find(name);
        const int referenceId = compound != kCompounds.end() ? compound->second : csv.Integer(r, z);
        const std::optional<Values> values = ours(referenceId, GridIndex(csv.Number(r, energy)));
        Values published;
        for (std::size_t q = 0; q < columns.size(); ++q) {
            published[q] = csv.Number(r, columns[q]);
        }
        if (values) {
            deviations.CompareAll(*values, published, name + " at " + csv.rows[r][energy] + " MeV");
        }
    }
    EXPECT_EQ(materials.size(), 103u);
    EXPECT_EQ(csv.rows.size(), 8240u);
    return deviations.compared;
}

// 279 tables of 276 materials: three tables hold another material's values (see the data
// folder's README). Returns the count of values compared.
int CompareWithTheTotalStoppingPowersOf279Materials(const Lookup& ours) {
    std::map<std::string, int> idOfName;
    const CsvTable names = testing::TestData("g4_estar_ids.csv");
    for (std::size_t r = 0; r < names.rows.size(); ++r) {
        idOfName[names.rows[r][0]] = names.Integer(r, 1);
    }
    const CsvTable csv = testing::TestData("g4_estar_total_stopping_25pt.csv");
    const std::size_t name = csv.Column("g4_name"), energy = csv.Column("T_MeV"),
                      total = csv.Column("S_total_MeV_cm2_per_g");
    Deviations deviations;
    std::set<int> materials;
    for (std::size_t r = 0; r < csv.rows.size(); ++r) {
        const int id = idOfName.at(csv.rows[r][name]);
        materials.insert(id);
        const std::optional<Values> values = ours(id, GridIndex(csv.Number(r, energy)));
        if (values) {
            deviations.Compare("total (279)", (*values)[2], csv.Number(r, total),
                               csv.rows[r][name] + " at " + csv.rows[r][energy] + " MeV");
        }
    }
    EXPECT_EQ(materials.size(), 276u);
    EXPECT_EQ(csv.rows.size(), 279u * 25);
    return deviations.compared;
}

// The generator in electron mode, every quantity at every grid energy (1 keV to 10 GeV).
Lookup Generator() {
    auto tables = std::make_shared<std::map<int, GridTable>>();
    return [tables](int id, std::size_t k) -> std::optional<Values> {
        auto found = tables->find(id);
        if (found == tables->end()) {
            found = tables->emplace(id, testing::TableOf(id, {Particle::kElectron})).first;
        }
        const GridTable& t = found->second;
        return Values{t.collision[k], t.radiative[k], t.total[k], t.csdaRange[k], t.delta[k]};
    };
}

// The 81 rows of a committed file as the viewer reads them: five numbers on each of lines 11-91.
std::vector<std::vector<double>> FileRows(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::vector<double>> rows;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        if (++lineNumber >= 11) {
            rows.push_back(testing::ViewerFields(line));
            if (rows.back().size() != 5) {
                throw std::runtime_error(path.string() + " line " + std::to_string(lineNumber) +
                                         " does not hold five numbers");
            }
        }
    }
    if (rows.size() != 81) {
        throw std::runtime_error(path.string() + " does not hold 81 rows");
    }
    return rows;
}

// The committed electron tables: the file of reference material id in data/e_QRV or data/e_STC,
// the rows at the 81 output energies 10 keV to 1 GeV; no density effect.
Lookup CommittedElectronTables() {
    auto paths = std::make_shared<std::map<int, std::filesystem::path>>();
    const std::vector<BundledFile> files = BundledFiles(testing::Reference(), Particle::kElectron);
    for (std::size_t i = 0; i < files.size(); ++i) {
        (*paths)[testing::Reference().materials.at(i).id] =
            testing::SourcePath("data/" + files[i].folder + "/" + files[i].fileName);
    }
    auto rows = std::make_shared<std::map<int, std::vector<std::vector<double>>>>();
    return [paths, rows](int id, std::size_t k) -> std::optional<Values> {
        const auto& output = testing::Reference().outputIndices;
        const std::size_t row = std::find(output.begin(), output.end(), k) - output.begin();
        if (row == output.size()) {
            return std::nullopt;
        }
        auto found = rows->find(id);
        if (found == rows->end()) {
            found = rows->emplace(id, FileRows(paths->at(id))).first;
        }
        const std::vector<double>& v = found->second[row];
        EXPECT_EQ(v[0], testing::Reference().energyGrid[k]) << paths->at(id) << " row " << row;
        return Values{v[1], v[2], v[3], v[4], std::nan("")};
    };
}

TEST(ElectronValidation, ReproducesTheOnlineTablesOf103Materials) {
    EXPECT_EQ(CompareWithTheOnlineTablesOf103Materials(Generator()), 8240 * 5);
}

TEST(ElectronValidation, ReproducesTheTotalStoppingPowersOf279Materials) {
    EXPECT_EQ(CompareWithTheTotalStoppingPowersOf279Materials(Generator()), 279 * 25);
}

// The online tables start at 12.5 keV, all within the files' rows; of the 25 energies of the
// totals, 16 lie between 10 keV and 1 GeV.
TEST(BundledElectronTables, AgreeWithTheOnlineTablesOf103Materials) {
    EXPECT_EQ(CompareWithTheOnlineTablesOf103Materials(CommittedElectronTables()), 8240 * 4);
}

TEST(BundledElectronTables, AgreeWithTheTotalStoppingPowersOf279Materials) {
    EXPECT_EQ(CompareWithTheTotalStoppingPowersOf279Materials(CommittedElectronTables()), 279 * 16);
}

}  // namespace
}  // namespace velmora::tablegen
