// Tests of the material look-up's refusals that velmora-query and the Python module share: the
// folders named, and echoed paths and folders escaped.
#include "core/material_lookup.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class MaterialLookupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("velmora_lookup_" + std::to_string(getpid()));
        const fs::path data = fs::path(VELMORA_SOURCE_DIR) / "data";
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "user" / "p_STC");
        fs::create_directories(root_ / "work" / "e_STC");
        fs::copy_file(data / "p_STC" / "Water liquid.stc", root_ / "user" / "p_STC" / "Mine.stc");
        fs::copy_file(data / "e_STC" / "Water liquid.stc", root_ / "work" / "e_STC" / "w\x01.stc");
        places_ = {root_ / "work", root_ / "user", {data}};
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path root_;
    DataFolderCandidates places_;
};

TEST_F(MaterialLookupTest, RefusalsNameTheFoldersAndEscapeWhatTheyEcho) {
    const std::string user = (root_ / "user").string();
    const std::string data = (fs::path(VELMORA_SOURCE_DIR) / "data").string();
    MaterialRequest electrons{Particle::kPositron, true, std::nullopt};
    MaterialRequest badFolder{Particle::kPositron, false, "no\tfolder"};
    badFolder.dataDirOption = "data_dir";
    const struct {
        const char* operand;
        MaterialRequest request;
        LookupRefusal refusal;
        std::string message;
    } cases[] = {
        {"xyzzy",
         {},
         LookupRefusal::kNoMaterial,
         "no material \"xyzzy\" among the positron tables in " + user + " and " + data +
             "; velmora-query materials lists them"},
        {"e_STC/w\x01.stc", electrons, LookupRefusal::kWrongParticle,
         "e_STC/w\\x01.stc is an electron table, not a positron table as --particle asks"},
        {"water", badFolder, LookupRefusal::kNoMaterial,
         "data_dir: \"no\\x09folder\" holds neither p_QRV nor p_STC"},
    };
    for (const auto& c : cases) {
        const LookupResult<FoundMaterial> found = FindMaterial(c.operand, c.request, places_);
        EXPECT_FALSE(found) << c.operand;
        EXPECT_EQ(found.refusal, c.refusal) << c.operand;
        EXPECT_EQ(found.message, c.message);
    }
    const LookupResult<FoundMaterial> mine = FindMaterial("mine", {}, places_);
    ASSERT_TRUE(mine);
    EXPECT_EQ(mine.value->file, (root_ / "user" / "p_STC" / "Mine.stc").string());
}

}  // namespace
}  // namespace velmora
