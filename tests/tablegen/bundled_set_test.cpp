// The committed tables in data/p_QRV and data/p_STC are exactly what the generator writes, and
// their names are unique and sort sensibly.
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

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::set<std::string> TableFilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension == kElementExtension || extension == kCompoundExtension) {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

TEST(BundledSet, CommittedFilesAreExactlyWhatTheGeneratorWrites) {
    const std::vector<BundledFile> files = BundledFiles(Reference());
    std::map<std::string, std::set<std::string>> expected;
    for (const BundledFile& file : files) {
        expected[file.folder].insert(file.fileName);
        const fs::path path = testing::SourcePath("data/" + file.folder + "/" + file.fileName);
        ASSERT_TRUE(fs::exists(path)) << path << " is missing: run scripts/regenerate-data";
        EXPECT_EQ(ReadTextFile(path), BundledFileText(file, Reference(), GenerationOptions{}))
            << path << " differs from the generator's output: run scripts/regenerate-data";
    }
    // No stale tables besides the set.
    for (const auto& [folder, names] : expected) {
        EXPECT_EQ(TableFilesIn(testing::SourcePath("data/" + folder)), names) << folder;
    }
    EXPECT_EQ(expected[kElementFolder].size(), 98u);
    EXPECT_EQ(expected[kCompoundFolder].size(), 181u);
}

TEST(BundledSet, NamesAreUniqueAndElementsSortByAtomicNumber) {
    const std::vector<BundledFile> files = BundledFiles(Reference());
    std::vector<std::pair<std::string, int>> elements;  // file name, Z
    std::set<std::string> fileNamesFolded, materialNames;
    for (const BundledFile& file : files) {
        // Unique even on file systems that ignore case.
        EXPECT_TRUE(fileNamesFolded.insert(Lowercase(file.folder + "/" + file.fileName)).second)
            << file.fileName;
        EXPECT_TRUE(materialNames.insert(file.material.name).second) << file.material.name;
        if (file.folder == kElementFolder) {
            const int z = file.material.composition.at(0).z;
            elements.emplace_back(file.fileName, z);
            char prefix[8];
            std::snprintf(prefix, sizeof prefix, "%03d ", z);
            EXPECT_EQ(file.fileName.rfind(prefix, 0), 0u) << file.fileName;
        }
    }
    std::sort(elements.begin(), elements.end());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        EXPECT_EQ(elements[i].second, static_cast<int>(i) + 1) << elements[i].first;
    }
}

TEST(BundledSet, GraphiteAndAmorphousCarbonAreTheCurrentReferenceMaterials) {
    for (const BundledFile& file : BundledFiles(Reference())) {
        if (file.material.name == "Graphite") {
            EXPECT_EQ(file.folder, kCompoundFolder);
            EXPECT_EQ(file.material.density, 1.7);
            EXPECT_EQ(file.material.meanExcitationEv, 78.0);
        }
        if (file.folder == kElementFolder && file.material.composition[0].z == 6) {
            EXPECT_EQ(file.material.density, 2.0);
            EXPECT_EQ(file.material.meanExcitationEv, 81.0);
        }
    }
}

}  // namespace
}  // namespace velmora::tablegen
