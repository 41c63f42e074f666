// The program's command line: custom materials written into a folder, bad input refused with a
// message and no file, existing files kept unless --force.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tablegen/tablegen_app.h"
#include "tablegen/tablegen_error.h"
#include "tablegen_test_support.h"

namespace velmora::tablegen {
namespace {

namespace fs = std::filesystem;

class TablegenCommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("velmora-tablegen-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the program with the reference folder and the test's output folder added.
    int Run(std::vector<std::string> args) {
        args.insert(args.end(), {"--reference", testing::SourcePath("data/reference").string(),
                                 "--output-dir", folder_.string()});
        out_.str("");
        err_.str("");
        return RunTablegen(args, out_, err_, folder_);
    }

    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
    std::ostringstream out_, err_;
};

std::string WithoutFirstLine(const std::string& text) {
    return text.substr(text.find("\r\n"));
}

// Without --output-dir a custom material goes to ./p_STC when the current folder has one, else to
// the user's data folder under $XDG_DATA_HOME.
TEST_F(TablegenCommandLineTest, DefaultFolderIsTheCurrentDataFolderOrTheUsersOwn) {
    const std::vector<std::string> water = {"--name",
                                            "Water, custom",
                                            "--density",
                                            "1.0",
                                            "--mean-excitation",
                                            "75",
                                            "--formula",
                                            "H2O",
                                            "--reference",
                                            testing::SourcePath("data/reference").string()};
    const fs::path previous = fs::current_path();
    const char* previousDataHome = std::getenv("XDG_DATA_HOME");
    const std::string savedDataHome = previousDataHome ? previousDataHome : "";
    fs::create_directories(folder_ / "work");
    fs::current_path(folder_ / "work");
    setenv("XDG_DATA_HOME", (folder_ / "xdg").c_str(), 1);
    EXPECT_EQ(RunTablegen(water, out_, err_, folder_), 0) << err_.str();
    EXPECT_TRUE(fs::exists(folder_ / "xdg" / "velmora" / "p_STC" / "Water custom.stc"));
    fs::create_directories(folder_ / "work" / "p_STC");
    EXPECT_EQ(RunTablegen(water, out_, err_, folder_), 0) << err_.str();
    EXPECT_TRUE(fs::exists(folder_ / "work" / "p_STC" / "Water custom.stc"));
    fs::current_path(previous);
    if (previousDataHome) {
        setenv("XDG_DATA_HOME", savedDataHome.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

TEST_F(TablegenCommandLineTest, CustomWaterEqualsTheBundledWaterExceptForItsName) {
    ASSERT_EQ(Run({"--name", "Water, custom", "--density", "1.0", "--mean-excitation", "75",
                   "--composition", "H:0.111894,O:0.888106"}),
              0)
        << err_.str();
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"Water custom.stc"});
    const std::string custom = ReadTextFile(folder_ / "Water custom.stc");
    EXPECT_EQ(custom.rfind("Water, custom\r\n", 0), 0u);
    EXPECT_EQ(WithoutFirstLine(custom),
              WithoutFirstLine(ReadTextFile(testing::SourcePath("data/p_STC/Water liquid.stc"))));
}

TEST_F(TablegenCommandLineTest, FormulaMaterialGetsItsOwnFileName) {
    ASSERT_EQ(Run({"--name", "Lithium fluoride, custom", "--density", "2.635", "--mean-excitation",
                   "94.0", "--formula", "LiF", "--file-name", "LiF test"}),
              0)
        << err_.str();
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{"LiF test.stc"});
    EXPECT_NE(out_.str().find("LiF test.stc"), std::string::npos);
}

TEST_F(TablegenCommandLineTest, BadInputGivesAMessageAndNoFile) {
    const std::vector<std::string> material = {
        "--name", "Bad", "--density", "1.0", "--mean-excitation", "75"};
    const auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = material;
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {with({"--formula", "LiXx"}), "unknown element 'Xx'"},
        {with({"--composition", "H:0.2,O:0.7"}), "add up to"},
        {with({"--composition", "Qq:1"}), "unknown element"},
        {{"--name", "Bad", "--density", "0", "--mean-excitation", "75", "--formula", "H2O"},
         "greater than zero"},
        {{"--name", "Bad", "--density", "-1", "--mean-excitation", "75", "--formula", "H2O"},
         "greater than zero"},
        {{"--name", "Bad", "--density", "x", "--mean-excitation", "75", "--formula", "H2O"},
         "not a number"},
        {{"--name", "Bad", "--density", "1", "--mean-excitation", "0", "--formula", "H2O"},
         "greater than zero"},
        // An I far too high makes the low-energy stopping power negative.
        {{"--name", "Bad", "--density", "1", "--mean-excitation", "1e6", "--formula", "H2O"},
         "not positive"},
        // An I far below the plasma energy admits no density-effect model.
        {{"--name", "Bad", "--density", "1000", "--mean-excitation", "1", "--formula", "H2O"},
         "too low"},
        {with({"--formula", "H2O", "--composition", "H:1"}), "exactly one"},
        {with({}), "exactly one"},
        {{"--density", "1", "--mean-excitation", "75", "--formula", "H2O"}, "--name"},
        {with({"--formula", "H2O", "--bogus"}), "unknown option"},
        {with({"--formula", "H2O", "--all"}), "--all"},
        {{"--name", "///", "--density", "1", "--mean-excitation", "75", "--formula", "H2O"},
         "file name"},
        {{"--name", "Line\nbreak", "--density", "1", "--mean-excitation", "75", "--formula", "H2O"},
         "printable ASCII"},
        {with({"--formula", "H2O", "--file-name", "../escape"}), "--file-name"},
    };
    for (const auto& [args, expected] : cases) {
        EXPECT_EQ(Run(args), 1) << expected;
        EXPECT_NE(err_.str().find(expected), std::string::npos) << err_.str();
        EXPECT_TRUE(FilesInFolder().empty()) << expected;
    }
}

TEST_F(TablegenCommandLineTest, MissingOutputFolderAndReferenceAreErrors) {
    const std::vector<std::string> water = {
        "--name", "W", "--density", "1", "--mean-excitation", "75", "--formula", "H2O"};
    std::vector<std::string> args = water;
    args.insert(args.end(), {"--output-dir", (folder_ / "missing").string(), "--reference",
                             testing::SourcePath("data/reference").string()});
    EXPECT_EQ(RunTablegen(args, out_, err_, folder_), 1);
    EXPECT_NE(err_.str().find("does not exist"), std::string::npos) << err_.str();
    args = water;
    args.insert(args.end(),
                {"--output-dir", folder_.string(), "--reference", (folder_ / "no").string()});
    EXPECT_EQ(RunTablegen(args, out_, err_, folder_), 1);
    EXPECT_NE(err_.str().find("cannot read"), std::string::npos) << err_.str();
    EXPECT_TRUE(FilesInFolder().empty());
}

TEST_F(TablegenCommandLineTest, KeepsAnExistingFileUnlessForced) {
    const std::vector<std::string> args = {
        "--name", "Water, custom", "--density", "1.0", "--mean-excitation",
        "75",     "--formula",     "H2O"};
    ASSERT_EQ(Run(args), 0) << err_.str();
    const std::string first = ReadTextFile(folder_ / "Water custom.stc");
    std::vector<std::string> denser = args;
    denser[3] = "1.2";
    EXPECT_EQ(Run(denser), 1);
    EXPECT_NE(err_.str().find("exists already"), std::string::npos);
    EXPECT_EQ(ReadTextFile(folder_ / "Water custom.stc"), first);
    denser.push_back("--force");
    EXPECT_EQ(Run(denser), 0) << err_.str();
    EXPECT_NE(ReadTextFile(folder_ / "Water custom.stc"), first);
    EXPECT_EQ(FilesInFolder().size(), 1u);  // no temporary file left behind
}

TEST(TablegenFileName, KeepsNamesReadableAndSafe) {
    EXPECT_EQ(FileNameForMaterial("Water, liquid"), "Water liquid.stc");
    EXPECT_EQ(FileNameForMaterial("1,2-Dichloroethane"), "1-2-Dichloroethane.stc");
    EXPECT_EQ(FileNameForMaterial("Nylon, type 6/10"), "Nylon type 6-10.stc");
    EXPECT_EQ(FileNameForMaterial("../../etc/passwd"), "etc-passwd.stc");
    EXPECT_EQ(FileNameForMaterial("  Spaced   out.  "), "Spaced out.stc");
    EXPECT_THROW(FileNameForMaterial("///"), TablegenError);
}

}  // namespace
}  // namespace velmora::tablegen
