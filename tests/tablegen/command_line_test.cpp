// Custom materials: compositions from chemical formulas or typed weight fractions and the refusal
// of bad input; the program's command line, custom materials written into a folder (with their
// electron tables beside them when asked), the bundled sets into their folders, bad input refused
// with a message and no file, existing files kept unless --force.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "tablegen/composition.h"
#include "tablegen/tablegen_app.h"
#include "tablegen/tablegen_error.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// The weight fractions by Z of a formula, or of typed fractions when the text has a colon; each
// element must come once.
std::map<int, double> Fractions(const std::string& text) {
    const ElementTable& elements = testing::Reference().elements;
    std::map<int, double> byZ;
    for (const Component& c : text.find(':') == std::string::npos
                                  ? ParseFormula(text, elements)
                                  : ParseWeightFractions(text, elements)) {
        EXPECT_TRUE(byZ.emplace(c.z, c.weightFraction).second) << text << " lists Z " << c.z;
    }
    return byZ;
}

// Repeated elements merged, groups multiplied and nested, decimal counts, typed fractions by
// symbol or atomic number, and fractions within the tolerance scaled to add up to exactly 1.
TEST(TablegenComposition, FormulasAndTypedFractionsGiveWeightFractions) {
    const double li = 6.941, f = 18.9984032;  // the atomic weights of the reference table
    const std::vector<std::pair<std::string, std::map<int, double>>> cases = {
        {"LiF", {{3, li / (li + f)}, {9, f / (li + f)}}},
        {"CH3CH2OH", Fractions("C2H6O")},
        {"Ca(OH)2", Fractions("CaO2H2")},
        {"Ca((O)(H))2", Fractions("CaO2H2")},
        {"Ca0.5OH", Fractions("CaO2H2")},
        {"H:0.111894, O:0.888106", {{1, 0.111894}, {8, 0.888106}}},
        {"1:0.111894,8:0.888106", {{1, 0.111894}, {8, 0.888106}}},
        {"H:0.1115,O:0.8880", {{1, 0.1115 / 0.9995}, {8, 0.8880 / 0.9995}}},
    };
    for (const auto& [text, expected] : cases) {
        const std::map<int, double> actual = Fractions(text);
        ASSERT_EQ(actual.size(), expected.size()) << text;
        for (const auto& [z, fraction] : expected) {
            EXPECT_NEAR(actual.count(z) ? actual.at(z) : 0.0, fraction, 1e-12)
                << text << " Z " << z;
        }
    }
}

// Unknown elements, malformed formulas, fractions not adding up to 1 within the tolerance either
// way, repeated elements, and fractions that are not positive numbers.
TEST(TablegenComposition, RefusesBadInput) {
    for (const char* bad :
         {"Xx2",         "h2o",          "H2O)",         "Ca(OH",       "()",      "",
          "  ",          "H0",           "H2-O",         "H..2",        "2H",      "H:0.5,O:0.4",
          "H:0.6,O:0.6", "H:0.1,Xy:0.9", "H:0.1,99:0.9", "H:0.1,H:0.9", "H:0,O:1", "H:abc,O:0.9",
          "H0.1,O:0.9",  "H:0.1,O:0.9,"}) {
        EXPECT_THROW(Fractions(bad), TablegenError) << bad;
    }
}

// A material of density 1 and I = 75 eV, computed from the source tree's reference inputs;
// options given later override these.
Args Material(const Args& more, const std::string& name = "Water, custom") {
    Args args = {"--name", name, "--density", "1.0", "--mean-excitation", "75", "--reference"};
    args.push_back(testing::SourcePath("data/reference").string());
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::ptrdiff_t FileCount(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), {});
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

// Each failure ends with velmora-query's exit status for its kind: 1 nothing written, 2 a command
// line not understood, 4 a data file unreadable or malformed, 5 a value refused.
TEST_F(TablegenCommandLineTest, BadInputGivesAMessageItsExitStatusAndNoFile) {
    const int kWrite = kExitIoFailure, kUsage = kExitUsage, kValue = kExitRefusedValue;
    std::ofstream(folder_ / "elements.csv") << "Z,symbol\n1,H\n";
    const struct {
        Args args;
        std::string expected;
        int status;
    } cases[] = {
        {Material({"--formula", "LiXx"}), "unknown element 'Xx'", kValue},
        {Material({"--composition", "H:0.2,O:0.7"}), "add up to", kValue},
        {Material({"--formula", "H2O", "--density", "0"}), "greater than zero", kValue},
        {Material({"--formula", "H2O", "--density", "x"}), "not a number", kValue},
        // Too high an I makes low-energy stopping negative; too low admits no density effect.
        {Material({"--formula", "H2O", "--mean-excitation", "1e6"}), "not positive", kValue},
        {Material({"--formula", "H2O", "--density", "1000", "--mean-excitation", "1"}), "too low",
         kValue},
        {Material({"--formula", "H2O", "--composition", "H:1"}), "exactly one", kUsage},
        {Material({}), "exactly one", kUsage},
        {{"--density", "1", "--mean-excitation", "75", "--formula", "H2O"}, "--name", kUsage},
        {Material({"--formula", "H2O", "--bogus"}), "unknown option", kUsage},
        {Material({"--formula", "H2O", "--name"}), "--name needs a value", kUsage},
        {Material({"--formula", "H2O", "--all"}), "--all", kUsage},
        {Material({"--formula", "H2O"}, "///"), "file name", kValue},
        {Material({"--formula", "H2O"}, "Line\nbreak"), "printable ASCII", kValue},
        {Material({"--formula", "H2O", "--file-name", "../escape"}), "--file-name", kUsage},
        {Material({"--formula", "H2O", "--with-electrons"}), "not a p_ folder", kUsage},
        {Material({"--formula", "H2O", "--with-electrons", "--electrons"}), "one of them", kUsage},
        {Material({"--formula", "H2O", "--output-dir", (folder_ / "none").string()}), "not exist",
         kWrite},
        {Material({"--formula", "H2O", "--reference", (folder_ / "none").string()}), "cannot read",
         kExitDataFile},
        {Material({"--formula", "H2O", "--reference", folder_.string()}), "elements.csv",
         kExitDataFile},
    };
    for (const auto& [args, expected, status] : cases) {
        EXPECT_EQ(Run(args), status) << expected;
        EXPECT_NE(err_.str().find(expected), std::string::npos) << err_.str();
        EXPECT_EQ(FileCount(folder_), 1) << expected;  // elements.csv alone
    }
}

// Water by weight fractions equals the bundled water but for its name, and with --with-electrons
// its electron table in e_STC beside p_STC (made when missing) the bundled electron water. A
// refusal because of either file writes neither; --force covers both; --file-name names the file.
TEST_F(TablegenCommandLineTest, WritesCustomMaterialsWithTheirElectronTablesBeside) {
    fs::create_directories(folder_ / "data/p_STC");
    const fs::path positron = folder_ / "data/p_STC/Water custom.stc",
                   electron = folder_ / "data/e_STC/Water custom.stc";
    const auto beside = [this](Args more) {
        more.insert(more.end(),
                    {"--with-electrons", "--output-dir", (folder_ / "data/p_STC/").string()});
        return Material(more);
    };
    const auto likeBundledWater = [](const fs::path& file) {
        const fs::path folder = testing::SourcePath("data") / file.parent_path().filename();
        const std::string ours = ReadTextFile(file),
                          bundled = ReadTextFile(folder / "Water liquid.stc");
        return ours.substr(ours.find("\r\n")) == bundled.substr(bundled.find("\r\n"));
    };
    const Args water = {"--composition", "H:0.111894,O:0.888106", "--force"},
               denser = {"--formula", "H2O", "--density", "1.2", "--force"};
    ASSERT_EQ(Run(beside(water)), 0) << err_.str();
    for (const fs::path& missing : {fs::path(), positron, electron}) {
        fs::remove(missing);
        EXPECT_EQ(Run(beside({denser.begin(), denser.end() - 1})), 1) << missing;
        EXPECT_NE(err_.str().find("exists already"), std::string::npos) << err_.str();
        for (const fs::path& file : {positron, electron}) {  // kept as they were, or still missing
            EXPECT_EQ(fs::exists(file) && likeBundledWater(file), missing != file) << file;
        }
        ASSERT_EQ(Run(beside(water)), 0) << err_.str();
    }
    ASSERT_EQ(Run(beside(denser)), 0) << err_.str();
    EXPECT_FALSE(likeBundledWater(positron) || likeBundledWater(electron));
    for (const char* sub : {"data/p_STC", "data/e_STC"}) {  // no temporary file left behind
        EXPECT_EQ(FileCount(folder_ / sub), 1) << sub;
    }
    ASSERT_EQ(Run(Material({"--formula", "LiF", "--file-name", "LiF test"}, "LiF")), 0);
    EXPECT_TRUE(fs::exists(folder_ / "LiF test.stc"));
}

// --all --electrons writes the electron set alone, --all --with-electrons both sets (as
// scripts/regenerate-data does); every file equals the committed one, and the electron tables
// never land in the positron folders.
TEST_F(TablegenCommandLineTest, AllWritesTheSetsIntoTheirOwnFolders) {
    const std::vector<std::pair<std::string, std::set<std::string>>> cases = {
        {"--electrons", {"e_QRV", "e_STC"}},
        {"--with-electrons", {"e_QRV", "e_STC", "p_QRV", "p_STC"}}};
    for (const auto& [option, folders] : cases) {
        fs::remove_all(folder_);
        ASSERT_EQ(Run({"--all", option, "--reference", testing::SourcePath("data/reference")}), 0)
            << err_.str();
        std::set<std::string> written;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            written.insert(name);
            const fs::path committed = testing::SourcePath("data/" + name);
            EXPECT_EQ(FileCount(entry.path()), FileCount(committed)) << name;
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
