// The program's command line: custom materials written into a folder (with their electron tables
// beside them when asked), the bundled sets into their folders, bad input refused with a message
// and no file, existing files kept unless --force.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <sstream>

#include "tablegen/tablegen_app.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// A material of density 1 and I = 75 eV, computed from the source tree's reference inputs;
// options given later override these.
Args Material(const Args& more, const std::string& name = "Water, custom") {
    Args args = {"--name", name, "--density", "1.0", "--mean-excitation", "75", "--reference"};
    args.push_back(testing::SourcePath("data/reference").string());
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

class TablegenCommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the program writing into the test's folder unless the arguments name another.
    int Run(const Args& args) {
        Args all = {"--output-dir", folder_.string()};
        all.insert(all.end(), args.begin(), args.end());
        err_.str("");
        return RunTablegen(all, out_, err_, folder_);
    }
    std::ptrdiff_t FileCount() const { return std::distance(fs::directory_iterator(folder_), {}); }

    const fs::path folder_ = fs::temp_directory_path() /
                             ("velmora-tablegen-test-" + std::to_string(getpid()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::ostringstream out_, err_;
};

// Without --output-dir a custom material goes to ./p_STC when the current folder has one, else to
// the user's data folder under $XDG_DATA_HOME; an electron table to the e_STC folder beside it.
TEST_F(TablegenCommandLineTest, DefaultFolderIsTheCurrentDataFolderOrTheUsersOwn) {
    const fs::path previous = fs::current_path();
    fs::create_directories(folder_ / "work");
    fs::current_path(folder_ / "work");
    setenv("XDG_DATA_HOME", (folder_ / "xdg").c_str(), 1);
    const std::vector<std::pair<Args, std::string>> cases = {
        {{"--formula", "H2O"}, "xdg/velmora/p_STC"},
        {{"--formula", "H2O", "--electrons"}, "xdg/velmora/e_STC"},
        {{"--formula", "H2O", "--force"}, "work/p_STC"},  // after work/p_STC was made
        {{"--formula", "H2O", "--electrons"}, "work/e_STC"}};
    for (const auto& [args, expected] : cases) {
        if (expected == "work/p_STC") {
            fs::create_directories(folder_ / "work/p_STC");
        }
        EXPECT_EQ(RunTablegen(Material(args), out_, err_, folder_), 0) << err_.str();
        EXPECT_TRUE(fs::exists(folder_ / expected / "Water custom.stc")) << expected;
    }
    fs::current_path(previous);
}

// Water by weight fractions equals the bundled water except for its name; writing it again by
// formula needs --force; --file-name names the file.
TEST_F(TablegenCommandLineTest, WritesCustomMaterialsByWeightFractionsOrFormula) {
    ASSERT_EQ(Run(Material({"--composition", "H:0.111894,O:0.888106"})), 0) << err_.str();
    const std::string custom = ReadTextFile(folder_ / "Water custom.stc");
    const std::string bundled = ReadTextFile(testing::SourcePath("data/p_STC/Water liquid.stc"));
    EXPECT_EQ(custom.substr(custom.find("\r\n")), bundled.substr(bundled.find("\r\n")));
    EXPECT_EQ(Run(Material({"--formula", "H2O", "--density", "1.2"})), 1);
    EXPECT_NE(err_.str().find("exists already"), std::string::npos);
    EXPECT_EQ(ReadTextFile(folder_ / "Water custom.stc"), custom);
    EXPECT_EQ(Run(Material({"--formula", "H2O", "--density", "1.2", "--force"})), 0) << err_.str();
    EXPECT_NE(ReadTextFile(folder_ / "Water custom.stc"), custom);
    EXPECT_EQ(FileCount(), 1);  // no temporary file left behind
    ASSERT_EQ(Run(Material({"--formula", "LiF", "--file-name", "LiF test"}, "LiF")), 0);
    EXPECT_TRUE(fs::exists(folder_ / "LiF test.stc"));
}

TEST_F(TablegenCommandLineTest, BadInputGivesAMessageAndNoFile) {
    const std::vector<std::pair<Args, std::string>> cases = {
        {Material({"--formula", "LiXx"}), "unknown element 'Xx'"},
        {Material({"--composition", "H:0.2,O:0.7"}), "add up to"},
        {Material({"--formula", "H2O", "--density", "0"}), "greater than zero"},
        {Material({"--formula", "H2O", "--density", "x"}), "not a number"},
        // Too high an I makes low-energy stopping negative; too low admits no density effect.
        {Material({"--formula", "H2O", "--mean-excitation", "1e6"}), "not positive"},
        {Material({"--formula", "H2O", "--density", "1000", "--mean-excitation", "1"}), "too low"},
        {Material({"--formula", "H2O", "--composition", "H:1"}), "exactly one"},
        {Material({}), "exactly one"},
        {{"--density", "1", "--mean-excitation", "75", "--formula", "H2O"}, "--name"},
        {Material({"--formula", "H2O", "--bogus"}), "unknown option"},
        {Material({"--formula", "H2O", "--all"}), "--all"},
        {Material({"--formula", "H2O"}, "///"), "file name"},
        {Material({"--formula", "H2O"}, "Line\nbreak"), "printable ASCII"},
        {Material({"--formula", "H2O", "--file-name", "../escape"}), "--file-name"},
        {Material({"--formula", "H2O", "--with-electrons"}), "not a p_ folder"},
        {Material({"--formula", "H2O", "--with-electrons", "--electrons"}), "one of them"},
        {Material({"--formula", "H2O", "--output-dir", (folder_ / "none").string()}), "not exist"},
        {Material({"--formula", "H2O", "--reference", (folder_ / "none").string()}), "cannot read"},
    };
    for (const auto& [args, expected] : cases) {
        EXPECT_EQ(Run(args), 1) << expected;
        EXPECT_NE(err_.str().find(expected), std::string::npos) << err_.str();
        EXPECT_EQ(FileCount(), 0) << expected;
    }
}

// --with-electrons: the electron table under the same name in e_STC beside p_STC (made when
// missing), equal to the bundled electron water but for its name; --force covers both files, and a
// refusal because of either file writes neither.
TEST_F(TablegenCommandLineTest, WritesTheElectronTableBesideThePositronTable) {
    fs::create_directories(folder_ / "data/p_STC");
    const fs::path positron = folder_ / "data/p_STC/Water custom.stc",
                   electron = folder_ / "data/e_STC/Water custom.stc";
    const Args args = {"--composition", "H:0.111894,O:0.888106", "--with-electrons", "--output-dir",
                       (folder_ / "data/p_STC/").string()};
    ASSERT_EQ(Run(Material(args)), 0) << err_.str();
    const std::string first = ReadTextFile(electron);
    const std::string bundled = ReadTextFile(testing::SourcePath("data/e_STC/Water liquid.stc"));
    EXPECT_EQ(first.substr(first.find("\r\n")), bundled.substr(bundled.find("\r\n")));
    EXPECT_EQ(ReadTextFile(positron).find("Positrons"), first.find("Electrons"));
    Args forced = args;
    forced.push_back("--force");
    for (const fs::path& missing : {fs::path(), positron, electron}) {
        if (!missing.empty()) {
            fs::remove(missing);
        }
        EXPECT_EQ(Run(Material(args)), 1) << missing;
        EXPECT_NE(err_.str().find("exists already"), std::string::npos) << err_.str();
        EXPECT_EQ(fs::exists(positron), missing != positron);
        EXPECT_EQ(fs::exists(electron), missing != electron);
        ASSERT_EQ(Run(Material(forced)), 0) << err_.str();
    }
    const std::string positronText = ReadTextFile(positron);
    forced.insert(forced.end(), {"--density", "1.2"});
    ASSERT_EQ(Run(Material(forced)), 0) << err_.str();
    EXPECT_NE(ReadTextFile(positron), positronText);
    EXPECT_NE(ReadTextFile(electron), first);
    for (const char* sub : {"data/p_STC", "data/e_STC"}) {  // no temporary file left behind
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / sub), {}), 1) << sub;
    }
}

// --all --electrons writes the electron set alone, --all --with-electrons both sets (as
// scripts/regenerate-data does); every file equals the committed one, and the electron tables
// never land in the positron folders.
TEST_F(TablegenCommandLineTest, AllWritesTheSetsIntoTheirOwnFolders) {
    const std::vector<std::pair<Args, std::set<std::string>>> cases = {
        {{"--electrons"}, {"e_QRV", "e_STC"}},
        {{"--with-electrons"}, {"e_QRV", "e_STC", "p_QRV", "p_STC"}}};
    for (const auto& [more, folders] : cases) {
        fs::remove_all(folder_);
        Args args = {"--all", "--reference", testing::SourcePath("data/reference").string()};
        args.insert(args.end(), more.begin(), more.end());
        ASSERT_EQ(Run(args), 0) << err_.str();
        std::set<std::string> written;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            written.insert(name);
            const fs::path committed = testing::SourcePath("data/" + name);
            EXPECT_EQ(std::distance(fs::directory_iterator(entry.path()), {}),
                      std::distance(fs::directory_iterator(committed), {}))
                << name;
            for (const auto& file : fs::directory_iterator(entry.path())) {
                EXPECT_EQ(ReadTextFile(file.path()),
                          ReadTextFile(committed / file.path().filename()))
                    << file.path();
            }
        }
        EXPECT_EQ(written, folders);
    }
}

TEST(TablegenFileName, KeepsNamesReadableAndSafe) {
    EXPECT_EQ(FileNameForMaterial("1,2-Dichloroethane"), "1-2-Dichloroethane.stc");
    EXPECT_EQ(FileNameForMaterial("../../etc/passwd"), "etc-passwd.stc");
    EXPECT_EQ(FileNameForMaterial("  Spaced   out.  "), "Spaced out.stc");
}

}  // namespace
}  // namespace velmora::tablegen
