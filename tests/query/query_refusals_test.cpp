// Every refusal of the command line with its exit status and message, and nothing on standard
// output; help, version and a failed write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "query/fd_output.h"
#include "query/query_error.h"
#include "query/query_options.h"
#include "query_test_support.h"

namespace velmora::query {
namespace {

using namespace testing;

TEST(QueryRefusalsTest, EachRefusalHasItsStatusAndOneLineAndNoOutput) {
    // Broken copies of water: row 30 (line 40) cut after its energy, and the csda range of row 31
    // equal to that of row 30.
    const fs::path broken =
        fs::temp_directory_path() / ("velmora-query-broken-" + std::to_string(getpid()));
    fs::create_directories(broken);
    std::vector<std::string> lines;
    std::istringstream in(FileBytes(SourcePath("data/p_STC/Water liquid.stc")));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    const auto write = [&](const char* name, std::size_t replaced, const std::string& line) {
        std::ofstream out(broken / name, std::ios::binary);
        for (std::size_t k = 0; k < lines.size(); ++k)
            out << (k == replaced ? line : lines[k]);
        return (broken / name).string();
    };
    const std::string shortRow = write("short.stc", 39, lines[39].substr(0, 12) + "\n");
    const std::string flatRange =
        write("flat.stc", 40,
              lines[40].substr(0, lines[40].rfind(' ')) + lines[39].substr(lines[39].rfind(' ')));
    const std::string control =
        write("control.stc", 3, "1.0\x1B[2J" + std::string(100, 'x') + " 75\r\n");
    const std::string badName = write("name.stc", 0, "Water\x1B[31m\r\n");
    const std::string x56(56, 'x'), long70 = "--" + std::string(68, 'y');
    const std::string water = "water, liquid";
    const auto interval = [&](const char* from, const char* to, const char* step,
                              const Args& more = {}) {
        Args args = {"interval", water, "--from", from, "--to", to, "--step", step};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    // Enough energies for several threads: the first refused one in the input is named.
    std::string many;
    for (int line = 1; line <= 100000; ++line)
        many += line == 70000 ? "2000\n" : line == 90000 ? "x\n" : "1\n";
    const int kUsage = kExitUsage, kName = kExitNoMaterial, kFile = kExitMaterialFile;
    const int kValue = kExitRefusedValue;
    const struct {
        Args args;
        int status;
        std::string message;
        std::string input = "";
        fs::path work = SourcePath("data");
    } cases[] = {
        {{}, kUsage, "a subcommand is needed"},
        {{"frobnicate"}, kUsage, "unknown subcommand 'frobnicate'"},
        {{"frob" + std::string(100000, 'x')}, kUsage, "subcommand 'frob" + x56 + "...'; see"},
        {{"at"}, kUsage, "a material is needed"},
        {{"at", water, "--bogus", "1"}, kUsage, "unknown option '--bogus'"},
        {{"at", water, long70, "1"}, kUsage, "unknown option '--yyyy"},
        {{"at", water, "--format", "xml", "1"}, kUsage, "'xml' is not one of"},
        {{"at", water, "--format", long70}, kUsage, "yyy...' is not one of"},
        {{"at", water, "--digits", long70}, kUsage, "yyy...' is not a whole number"},
        {{"at", water, "--particle", "pos\xC3\xADtron\x1B"}, kUsage, "'pos\xC3\xADtron\\x1B'"},
        {{"at", water, "--digits", "0", "1"}, kUsage, "from 1 to 17"},
        {{"at", water, "--digits=18", "1"}, kUsage, "from 1 to 17"},
        {{"at", water, "--digits"}, kUsage, "--digits needs a value"},
        {{"at", water, "--particle", "proton", "1"}, kUsage, "not positron or electron"},
        {{"at", water, "--format", "window-csv", "1"}, kUsage, "interval only"},
        {{"at", "--elements", water, "1"}, kUsage, "materials only"},
        {{"at", water, "--from", "1"}, kUsage, "interval only"},
        {{"materials", "water"}, kUsage, "takes no operand"},
        {{"materials", "--elements", "--compounds"}, kUsage, "contradict each other"},
        {{"materials", "--linear"}, kUsage, "--linear does not apply"},
        {{"show", water, "water vapor"}, kUsage, "one material only"},
        {{"interval", water, "--from", "1", "--to", "2"}, kUsage, "needs --from, --to"},
        {interval("0.1", "1", "0.1", {"--format", "window-csv", "--linear"}), kUsage,
         "no --linear"},
        {interval("0.1", "1", "0.1", {"--format", "window-csv", "--digits", "3"}), kUsage,
         "no --digits"},
        {{"at", water}, kUsage, "no energy given", " \n\t\r\n"},
        {{"energy-for-range", water}, kUsage, "no range given"},
        {{"at", "p_STC/Water liquid.stc", "--particle=electron", "1"},
         kUsage,
         "p_STC/Water liquid.stc is a positron table, not an electron table"},
        {{"at", "water", "1"},
         kName,
         "\"water\" matches 2 positron tables: Water, liquid; Water vapor"},
        {{"at", "unobtainium", "1"},
         kName,
         "no material \"unobtainium\" among the positron tables"},
        {{"at", "watr", "1"}, kName, "close names: Water, liquid; Water vapor"},
        {{"materials", "--data-dir", "/nonexistent"}, kName, "holds neither"},
        {{"materials"}, kName, "no positron tables found", "", fs::temp_directory_path()},
        {{"at", "p_STC/Nothing.stc", "1"},
         kName,
         "lists them; no file \"p_STC/Nothing.stc\" either"},
        {{"at", "p_STC", "1"}, kName, "no material \"p_STC\""},
        {{"show", control},
         kFile,
         "line 4: \"1.0\\x1B[2J" + std::string(53, 'x') + "...\" is not a number where"},
        {{"show", shortRow}, kFile, "short.stc\", line 40: the line holds only 1"},
        {{"at", flatRange, "0.8"}, kFile, "flat.stc\", line 41: the csda range of row 31 is not"},
        {{"at", water, "0.001"},
         kValue,
         "energy 0.001 MeV (argument 2) is outside the range of Water, liquid: 0.01 MeV to 1000 "
         "MeV"},
        {{"at", water, "1", "1000.0001"}, kValue, "energy 1000.0001 MeV (argument 3)"},
        {{"at", badName, "5000"}, kValue, "is outside the range of Water\\x1B[31m: 0.01 MeV"},
        {{"at", water, "-1"}, kValue, "energy -1 MeV"},
        {{"at", water, "1e999"}, kValue, "energy 1e999 MeV"},
        {{"at", water, "nan"}, kValue, "\"nan\" (argument 2) is not a number"},
        {{"at", water, "1,5"}, kValue, "\"1,5\" (argument 2) is not a number"},
        {{"at", water, "\x01\xE2\x80\xAE\xFF\xC3\xA4"},
         kValue,
         "\"\\x01\\u202E\\xFF\xC3\xA4\" (argument 2) is not a number"},
        {{"at", water, "0." + std::string(200, '0') + "1"}, kValue, "energy 0.000"},
        {{"at", water}, kValue, "\"x\" (line 3 of", "1 # 5000 MeV is refused\n#x\n2 x\n"},
        {{"at", water}, kValue, "energy 2000 MeV (line 70000 of standard input)", many},
        {{"at", water}, kValue, "energy 5000 MeV (line 2 of", "0.5\n5000 abc\n"},
        {{"at", water}, kValue, "\"abc\" (line 3 of standard input) is not", "1\n2\n3 abc\n"},
        {{"at", water}, kValue, "energy 5000 MeV (line 3 of", "1\r\n\r\n0.5 5000\n"},
        {{"at", water}, kValue, "\"2\\x00\" (line 2", std::string("1\n2\0\n", 5)},
        {{"energy-for-range", water, "1e-5"},
         kValue,
         "range 1e-5 g/cm2 (argument 2) is outside the csda ranges of Water, liquid: 0.000225 "
         "g/cm2"},
        {{"energy-for-range", water, "--linear", "1e9"}, kValue, "range 1e9 cm (argument 2)"},
        {interval("0.1", "1", "abc"), kValue, "--step: \"abc\" is not a number"},
        {interval("0.1", "1", "0"), kValue, "The energy interval must not be zero."},
        {interval("0", "1", "1"), kValue, "greater than 0 MeV (row 1 of the table would be at 0"},
        {interval("1", "2000", "100"), kValue,
         "must not exceed the last energy of the material's table, 1000 MeV"},
        // Refused by row as the window refuses; below 0.01 MeV by row except in window-csv.
        {interval("10", "-5", "-3"), kValue, "(row 5 of the table would be at -2 MeV)"},
        {interval("10", "-1", "1"), kValue, "never reaches -1 MeV: the table would have no rows"},
        {interval("0.1", "0", "0.1", {"--format", "window-csv"}), kValue,
         "the table would have no rows"},
        {interval("0.001", "1", "0.1"), kValue,
         "energy 0.001 MeV (row 1 of the table) is outside the range of Water, liquid: 0.01 MeV "
         "to 1000 MeV; --format window-csv extrapolates"},
        {interval("1e-9", "1", "0.1", {"--format", "json"}), kValue, "energy 1e-09 MeV (row 1"},
        {interval("0.05", "0.001", "-0.015", {"--format", "csv"}), kValue,
         "energy 0.005 MeV (row 4 of the table)"},
        {interval("0.001", "1000", "0.1", {"--format", "window-csv"}), kValue,
         "more than 5000 intervals"},
        {interval("0.1", "1000", "0.001"), kValue,
         "more than 5000 intervals (the table window stops at 5.1 MeV)"},
        {interval("10", "1", "1"), kValue, "never reaches 1 MeV: the table would have no rows"},
    };
    for (const auto& c : cases) {
        const QueryRun run = Query(c.args, c.input, {c.work, std::nullopt, {}});
        SCOPED_TRACE(::testing::PrintToString(c.args) + "\n" + run.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.starts_with("velmora-query: "));
        EXPECT_NE(run.err.find(c.message), std::string::npos);
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);
        EXPECT_LT(run.err.size(), 400u);  // echoed input is cut to a readable length
    }
    fs::remove_all(broken);
}

// A stream whose every write fails, like a full disk or a closed pipe.
class FailingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(QueryRefusalsTest, HelpVersionAndAFailedWriteWithItsReason) {
    const std::string help = Output({"--help"}), atHelp = Output({"at", "--help"});
    EXPECT_NE(help.find("Exit status:\n  0  success"), std::string::npos);
    EXPECT_TRUE(atHelp.starts_with("Usage: velmora-query at MATERIAL [ENERGY...]"));
    EXPECT_EQ(Output({"--help", "at"}), atHelp);
    EXPECT_TRUE(Output({"--version"}).starts_with("velmora-query "));
    FailingBuffer failing;
    const int full = open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    FileDescriptorOutput fullDisk(full);
    for (const auto& [buffer, reason] : {std::pair<std::streambuf*, std::string>{&failing, ""},
                                         {&fullDisk, ": No space left on device"}}) {
        std::ostream out(buffer);
        std::istringstream in;
        std::ostringstream err;
        EXPECT_EQ(RunQuery(Args{"show", "water, liquid"}, in, out, err, DataEnvironment()),
                  kExitIoFailure);
        EXPECT_EQ(err.str(), "velmora-query: the output cannot be written" + reason + "\n");
    }
    close(full);
}

// Each subcommand's help lists exactly the options that it takes.
TEST(QueryRefusalsTest, EachHelpListsTheOptionsItsSubcommandTakes) {
    const std::vector<std::pair<Command, Args>> commands = {
        {Command::kMaterials, {"materials"}},
        {Command::kShow, {"show", "water, liquid"}},
        {Command::kAt, {"at", "water, liquid", "1"}},
        {Command::kEnergyForRange, {"energy-for-range", "water, liquid", "1"}},
        {Command::kInterval,
         {"interval", "water, liquid", "--from", "1", "--to", "2", "--step", "1"}}};
    const std::vector<Args> options = {{"--format", "csv"},
                                       {"--format", "window-csv"},
                                       {"--digits", "3"},
                                       {"--linear"},
                                       {"--particle", "electron"},
                                       {"--data-dir", "x"},
                                       {"--elements"},
                                       {"--compounds"},
                                       {"--from", "1"},
                                       {"--to", "2"},
                                       {"--step", "1"}};
    for (const auto& [command, args] : commands) {
        const std::string help = HelpText(command);
        for (const Args& option : options) {
            Args line = args;
            line.insert(line.end(), option.begin(), option.end());
            bool taken = true;
            try {
                ParseQueryOptions(line);
            } catch (const QueryError&) {
                taken = false;
            }
            const std::string listed = option.size() > 1 && option[1] == "window-csv"
                                           ? "|window-csv"
                                           : " " + option.front() + " ";
            EXPECT_EQ(help.substr(help.find("\nOptions:")).find(listed) != std::string::npos, taken)
                << ::testing::PrintToString(line);
        }
    }
}

}  // namespace
}  // namespace velmora::query
