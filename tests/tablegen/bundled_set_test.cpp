// The committed tables in data/p_QRV, data/p_STC, data/e_QRV and data/e_STC are exactly what the
// generator writes, and their names are unique and sort sensibly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

#include "tablegen/bundled_set.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;
using testing::Reference;

// Both sets: the positron tables in p_QRV and p_STC, the electron tables of the same materials
// under the same names in e_QRV and e_STC. Generating both takes a fraction of a second.
TEST(BundledSet, CommittedFilesAreExactlyWhatTheGeneratorWrites) {
    std::map<std::string, std::set<std::string>> expected, committed;
    for (const Particle particle : {Particle::kPositron, Particle::kElectron}) {
        for (const BundledFile& file : BundledFiles(Reference(), particle)) {
            expected[file.folder].insert(file.fileName);
            const fs::path path = testing::SourcePath("data/" + file.folder + "/" + file.fileName);
            ASSERT_TRUE(fs::exists(path)) << path << " is missing: run scripts/regenerate-data";
            EXPECT_EQ(ReadTextFile(path), BundledFileText(file, Reference(), {particle}))
                << path << " differs from the generator's output: run scripts/regenerate-data";
        }
    }
    for (const auto& [folder, names] : expected) {  // and no stale tables
        for (const auto& entry : fs::directory_iterator(testing::SourcePath("data/" + folder))) {
            const std::string extension = entry.path().extension().string();
            if (extension == kElementExtension || extension == kCompoundExtension) {
                committed[folder].insert(entry.path().filename().string());
            }
        }
    }
    EXPECT_EQ(committed, expected);
    const std::map<std::string, std::size_t> counts = {
        {"p_QRV", 98}, {"p_STC", 181}, {"e_QRV", 98}, {"e_STC", 181}};
    for (const auto& [folder, count] : counts) {
        EXPECT_EQ(expected[folder].size(), count) << folder;
    }
    EXPECT_EQ(expected["e_QRV"], expected["p_QRV"]);
    EXPECT_EQ(expected["e_STC"], expected["p_STC"]);
}

// Names unique even where file systems ignore case; element files start with their Z as "006 ";
// graphite is a compound, element 6 amorphous carbon.
TEST(BundledSet, NamesAreUniqueAndElementsSortByAtomicNumber) {
    std::set<std::string> fileNamesFolded, materialNames;
    for (const BundledFile& file : BundledFiles(Reference())) {
        std::string folded = file.folder + "/" + file.fileName;
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        EXPECT_TRUE(fileNamesFolded.insert(folded).second) << file.fileName;
        EXPECT_TRUE(materialNames.insert(file.material.name).second) << file.material.name;
        const int z = file.material.composition.at(0).z;
        if (file.folder == kElementFolder) {
            char prefix[8];
            std::snprintf(prefix, sizeof prefix, "%03d ", z);
            EXPECT_EQ(file.fileName.rfind(prefix, 0), 0u) << file.fileName;
        }
        if (z == 6 && file.material.composition.size() == 1) {
            EXPECT_EQ(file.material.density, file.folder == kElementFolder ? 2.0 : 1.7);
        }
    }
}

}  // namespace
}  // namespace velmora::tablegen
