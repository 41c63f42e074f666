// The written file: 91 CR LF lines, the header, five aligned four-digit values per data row that
// read back as the values meant, and the eight-character number form. The committed tables in
// data/p_QRV, data/p_STC, data/e_QRV and data/e_STC are exactly what the generator writes, and
// their names are unique and sort sensibly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "tablegen/bundled_set.h"
#include "tablegen/material_file_text.h"
#include "tablegen/short_scientific.h"
#include "tablegen/tablegen_error.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;
using testing::Reference;

TEST(TablegenShortScientific, RoundsToFourDigitsInEightCharacters) {
    std::string texts;  // 0.000999961 carries into the next digit
    for (double value : {24.8349, 24.8351, 0.000999961, 1.234e-9, 9.9994e9}) {
        texts += FormatShortScientific(value) + "|";
    }
    EXPECT_EQ(texts, "2.483E+1|2.484E+1|1.000E-3|1.234E-9|9.999E+9|");
    for (double bad : {0.0, -1.0, 1e-10, 9.9996e9, std::nan(""), HUGE_VAL}) {
        EXPECT_THROW(FormatShortScientific(bad), TablegenError) << bad;
    }
}

TEST(TablegenMaterialFile, HasTheLayoutTheViewerReads) {
    MaterialDefinition water = testing::DefinitionOf(276);
    water.name = "Water, liquid";
    const GridTable table = ComputeTable(water, Reference(), {});
    const std::string text = MaterialFileText(water, table, Reference(), {});
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line); lines.push_back(line)) {
        const bool crLf = !line.empty() && line.find('\r') == line.size() - 1;
        EXPECT_TRUE(crLf) << "line " << lines.size() + 1 << " does not end with CR LF";
        line.resize(line.size() - (crLf ? 1 : 0));
    }
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[0], "Water, liquid");
    EXPECT_NE(lines[2].find("ratio of Kim et al. 1986: on"), std::string::npos);
    EXPECT_EQ(lines[3], "   1.0   75.0");  // density and I, exactly
    for (double value : {8.3748e-05, 2.635, 0.000826019, 85.7, 1e-7}) {
        EXPECT_EQ(std::strtod(ExactNumberText(value).c_str(), nullptr), value);
    }
    for (std::size_t row = 0; row < 81; ++row) {
        // Five fields in characters 4 to 47: the energy exactly, then values at four digits.
        const std::string& line = lines[10 + row];
        ASSERT_EQ(line.size(), 47u) << line;
        EXPECT_EQ(line.substr(0, 3), "   ");
        const auto fields = testing::ViewerFields(line);
        ASSERT_EQ(fields.size(), 5u) << line;
        const std::size_t k = Reference().outputIndices[row];
        EXPECT_EQ(fields[0], table.energy[k]) << line;
        const std::array<double, 4> exact = {table.collision[k], table.radiative[k], table.total[k],
                                             table.csdaRange[k]};
        for (std::size_t q = 0; q < exact.size(); ++q) {
            EXPECT_LE(std::fabs(fields[q + 1] - exact[q]),
                      0.5000001 * testing::FourthDigitUnit(fields[q + 1]))
                << line;
        }
    }
}

TEST(TablegenMaterialFile, RefusesNamesThatWouldBreakTheLayout) {
    const GridTable table = testing::TableOf(276);
    for (const std::string& bad : std::vector<std::string>{
             "", "   ", "Water\r\nliquid", "Wasser\xC3\xA4", std::string(81, 'x')}) {
        EXPECT_THROW(MaterialFileText({bad, {}, 1.0, 75.0}, table, Reference(), {}), TablegenError);
    }
}

// Both sets: the positron tables in p_QRV and p_STC, the electron tables of the same materials
// under the same names in e_QRV and e_STC. Generating both takes a fraction of a second. Names are
// unique even where file systems ignore case; element files start with their Z as "006 ".
TEST(BundledSet, CommittedFilesAreExactlyWhatTheGeneratorWritesUnderUniqueNames) {
    std::map<std::string, std::set<std::string>> expected, committed;
    std::set<std::string> folded, materialNames;
    for (const Particle particle : {Particle::kPositron, Particle::kElectron}) {
        for (const BundledFile& file : BundledFiles(Reference(), particle)) {
            expected[file.folder].insert(file.fileName);
            const fs::path path = testing::SourcePath("data/" + file.folder + "/" + file.fileName);
            ASSERT_TRUE(fs::exists(path)) << path << " is missing: run scripts/regenerate-data";
            EXPECT_EQ(ReadTextFile(path), BundledFileText(file, Reference(), {particle}))
                << path << " differs from the generator's output: run scripts/regenerate-data";
            std::string lower = file.folder + "/" + file.fileName;
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            EXPECT_TRUE(folded.insert(lower).second) << lower;
            EXPECT_TRUE(materialNames.insert(file.folder[0] + file.material.name).second) << path;
            if (file.folder.ends_with("_QRV")) {
                const int z = file.material.composition.at(0).z;
                EXPECT_EQ(file.fileName.substr(0, 4), std::to_string(1000 + z).substr(1) + " ");
            }
        }
    }
    for (const auto& [folder, names] : expected) {  // and no stale tables
        for (const auto& entry : fs::directory_iterator(testing::SourcePath("data/" + folder))) {
            if (entry.path().extension() == kElementExtension ||
                entry.path().extension() == kCompoundExtension) {
                committed[folder].insert(entry.path().filename().string());
            }
        }
    }
    EXPECT_EQ(committed, expected);
    EXPECT_EQ(std::make_pair(expected["p_QRV"].size(), expected["p_STC"].size()),
              std::make_pair(98ul, 181ul));
    EXPECT_EQ(expected["e_QRV"], expected["p_QRV"]);
    EXPECT_EQ(expected["e_STC"], expected["p_STC"]);
}

}  // namespace
}  // namespace velmora::tablegen
