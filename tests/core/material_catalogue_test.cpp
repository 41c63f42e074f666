// Tests of finding material files: data folders, file lists and the matching of
// typed names.
#include "core/material_catalogue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using Outcome = MaterialMatch::Outcome;

const std::vector<MaterialNames> kMaterials = {
    {"Water, liquid", "Water liquid.stc"},                   // 0
    {"Water vapor", "Water vapor.stc"},                      // 1
    {"Kapton polyimide film", "Kapton polyimide film.stc"},  // 2
    {"Hydrogen", "001 Hydrogen.qrv"},                        // 3
    {"", "Broken.stc"},                                      // 4: line 1 could not be read
    {"Polyethylene", "Polyethylene.stc"},                    // 5
    {"Polyethylene terephthalate (Mylar)", "Mylar.stc"},     // 6
};

TEST(MaterialCatalogueTest, NamesMatchByTheFirstStepThatFindsAnything) {
    const struct {
        const char* query;
        Outcome outcome;
        std::vector<std::size_t> indices;
    } cases[] = {
        {"water, liquid", Outcome::kFound, {0}},    // whole name, any case
        {"WATER LIQUID", Outcome::kFound, {0}},     // file name without extension
        {"water vapor.stc", Outcome::kFound, {1}},  // file name with it
        {"water", Outcome::kAmbiguous, {0, 1}},     // prefix of two
        {"kapton", Outcome::kFound, {2}},           // prefix
        {"polyimide", Outcome::kFound, {2}},        // substring
        {"001", Outcome::kFound, {3}},              // prefix of a file name
        {"polyethylene", Outcome::kFound, {5}},     // whole name before prefix
        {"broken", Outcome::kFound, {4}},           // no name: the file name still counts
        {"mylar", Outcome::kFound, {6}},
        {"e", Outcome::kAmbiguous, {0, 1, 2, 3, 4, 5, 6}},
        {"watr", Outcome::kUnknown, {0, 1}},  // close names, closest first
        {"zzzzzz", Outcome::kUnknown, {}},
        {"", Outcome::kUnknown, {}},
    };
    for (const auto& c : cases) {
        const MaterialMatch match = MatchMaterialName(c.query, kMaterials);
        EXPECT_EQ(match.outcome, c.outcome) << c.query;
        EXPECT_EQ(match.indices, c.indices) << c.query;
    }
}

class MaterialFoldersTest : public ::testing::Test {
  protected:
    void TearDown() override { fs::remove_all(root_); }
    // The folder root/relative, or a file there when file is set.
    fs::path Make(const std::string& relative, bool file = false) {
        fs::create_directories(file ? (root_ / relative).parent_path() : root_ / relative);
        if (file)
            std::ofstream(root_ / relative) << "x\n";
        return root_ / relative;
    }
    const fs::path root_ = fs::temp_directory_path() /
                           ("velmora-catalogue-" + std::to_string(getpid()) + "-" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(MaterialFoldersTest, DataFoldersAreChosenAsTheWindowsChooseThem) {
    const fs::path work = Make("work"), user = Make("user"), bundled = Make("bundled");
    const fs::path none = root_ / "missing", electronsOnly = Make("electrons/e_STC").parent_path();
    Make("bundled/p_QRV");
    Make("bundled/e_STC");
    const auto choose = [&](Particle particle) {
        return ChooseDataFolders({work, user, {none, electronsOnly, bundled}}, particle);
    };
    using Folders = std::vector<fs::path>;
    const Particle positron = Particle::kPositron, electron = Particle::kElectron;
    EXPECT_EQ(choose(positron), Folders{bundled});  // user folder empty
    EXPECT_EQ(ChooseDataFolders({work, std::nullopt, {bundled}}, electron), Folders{bundled});
    Make("user/p_STC");  // a custom table written before the windows ever filled
                         // the folder
    EXPECT_EQ(choose(positron), (Folders{user, bundled}));
    EXPECT_EQ(choose(electron), Folders{bundled});
    Make("user/e_QRV");
    EXPECT_EQ(choose(electron), (Folders{user, bundled}));
    Make("user/p_QRV");
    EXPECT_EQ(choose(positron), Folders{user});
    EXPECT_EQ(choose(electron), (Folders{user, bundled}));
    Make("work/p_STC");  // electron tables only ever beside the positron tables
                         // chosen
    EXPECT_EQ(choose(positron), Folders{work});
    EXPECT_EQ(choose(electron), Folders{work});
    EXPECT_TRUE(ChooseDataFolders({none, std::nullopt, {none, electronsOnly}}, electron).empty());
}

TEST_F(MaterialFoldersTest, ListsShowMaterialFilesOnceSortedIgnoringCase) {
    const fs::path user = Make("user"), bundled = Make("bundled");
    for (const char* file :
         {"user/p_STC/water liquid.stc", "user/p_STC/Own.STC", "bundled/p_STC/Water liquid.stc",
          "bundled/p_STC/Air.stc", "bundled/p_STC/.hidden.stc", "bundled/p_STC/notes.txt",
          "bundled/p_QRV/026 Iron.qrv", "bundled/p_QRV/Water liquid.stc", "bundled/e_STC/Air.stc"})
        Make(file, true);
    Make("bundled/p_STC/folder.stc");
    fs::create_symlink(root_ / "gone.stc", bundled / "p_STC/dangling.stc");
    fs::create_symlink(bundled / "p_STC/Air.stc", user / "p_STC/linked.stc");
    const std::vector<fs::path> folders = {user, bundled};
    std::vector<std::string> listed;
    for (const MaterialFile& file : ListMaterialFiles(folders, Particle::kPositron)) {
        listed.push_back(file.path.lexically_relative(root_).string() +
                         (file.kind == MaterialKind::kElement ? " E" : " C"));
    }
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "bundled/p_QRV/026 Iron.qrv E", "bundled/p_STC/Air.stc C",
                          "user/p_STC/linked.stc C", "user/p_STC/Own.STC C",
                          "bundled/p_STC/Water liquid.stc C", "user/p_STC/water liquid.stc C"}));
}

TEST(UserDataFolderTest, FollowsXdgDataHomeWhenAbsoluteElseHome) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/someone", 1);
    setenv("XDG_DATA_HOME", "/data/xdg", 1);
    EXPECT_EQ(UserDataFolder(), fs::path("/data/xdg/velmora"));
    setenv("XDG_DATA_HOME", "relative/xdg", 1);
    EXPECT_EQ(UserDataFolder(), fs::path("/home/someone/.local/share/velmora"));
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(UserDataFolder(), std::nullopt);
    setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace velmora
