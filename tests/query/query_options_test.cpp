// --linear, --digits and --format on every subcommand they apply to, in materials whose density is
// not 1: each output is the plain csv output converted by hand. Then the misuse of each option.
#include <gtest/gtest.h>

#include <charconv>

#include "core/number_format.h"
#include "query/query_error.h"
#include "query_test_support.h"

namespace velmora::query {
namespace {

using namespace testing;
using Cells = std::vector<std::vector<std::string>>;

std::string Shortest(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::vector<std::string> Split(const std::string& line, const char* separators) {
    std::vector<std::string> cells;
    for (std::size_t pos = line.find_first_not_of(separators); pos != std::string::npos;) {
        const std::size_t end = std::min(line.find_first_of(separators, pos), line.size());
        cells.push_back(line.substr(pos, end - pos));
        pos = line.find_first_not_of(separators, end);
    }
    return cells;
}

// The cells of an output's rows: text after its head lines split at blanks, csv after its header
// split at commas, json the lines of its "rows" split at brackets, commas and blanks.
Cells RowCells(const std::string& out, const std::string& format, std::size_t textHead) {
    Cells rows;
    const bool text = format == "text", csv = format == "csv";
    for (const std::string& line : BodyLines(out, text ? textHead : csv ? 1 : 0))
        if (text || csv || line.starts_with("    ["))
            rows.push_back(Split(line, text ? " " : csv ? "," : " [],"));
    return rows;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : separator) + part;
    return joined;
}

TEST(QueryOptionsTest, LinearDigitsAndFormatsAreThePlainNumbersConverted) {
    const std::vector<std::string> quantities = {"Energy", "Collision", "Radiative", "Total",
                                                 "CSDA range"};
    for (const char* file : {"p_QRV/082 Lead.qrv", "p_STC/Air dry (near sea level).stc"}) {
        SCOPED_TRACE(file);
        const MaterialTable table = LoadTable(SourcePath("data") / file);
        const double d = table.Density;
        // Ranges in cm for --linear, and the same in g/cm2 as the program converts them.
        std::string cm, grams;
        for (const int row : {1, 17, 40, 80}) {
            cm += Shortest(table.CsdaRange[row] / d * 1.001) + "\n";
            grams += Shortest(table.CsdaRange[row] / d * 1.001 * d) + "\n";
        }
        const struct {
            Args args;
            std::vector<std::string> names;
            const char* textPattern;
            std::size_t textHead;
            std::string input = "";
        } cases[] = {
            {{"at", file, "0.01", "0.3", "1", "42.5", "1000"}, quantities, "0.000E+00", 3},
            {{"show", file}, quantities, "0.000E+00", 4},
            {{"energy-for-range", file}, {"CSDA range", "Energy"}, "0.000E+00", 3, grams},
            {{"interval", file, "--from", "1", "--to", "20", "--step", "1"},
             {"Energy", "Collision", "Radiative"},
             "0.0000E+00",
             3},
        };
        for (const auto& c : cases) {
            Args csv = c.args;
            csv.insert(csv.end(), {"--format", "csv"});
            const Cells plain = RowCells(Output(csv, c.input), "csv", 0);
            ASSERT_GT(plain.size(), 3u);
            const bool echo = c.args[0] == "energy-for-range";  // the ranges are the input's
            for (const bool linear : {false, true}) {
                std::vector<std::string> units, header, columns;
                for (const std::string& name : c.names) {
                    const bool stopping = name != "Energy" && name != "CSDA range";
                    units.push_back(name == "Energy" ? "MeV"
                                    : stopping       ? (linear ? "MeV/cm" : "MeV cm2/g")
                                                     : (linear ? "cm" : "g/cm2"));
                    header.push_back(name + " (" + units.back() + ")");
                    std::string key = name == "CSDA range" ? "csda_range" : name;
                    key[0] = static_cast<char>(std::tolower(key[0]));
                    columns.push_back("{\"name\": \"" + key + "\", \"unit\": \"" + units.back() +
                                      "\"}");
                }
                for (const auto& [digits, digitsPattern] :
                     std::vector<std::pair<std::string, std::string>>{
                         {"", ""}, {"1", "0E+00"}, {"17", "0.0000000000000000E+00"}}) {
                    for (const std::string format : {"text", "csv", "json"}) {
                        Args args = c.args;
                        args.insert(args.end(), {"--format", format});
                        if (linear)
                            args.push_back("--linear");
                        if (!digits.empty())
                            args.insert(args.end(), {"--digits", digits});
                        const std::string out = Output(args, linear && echo ? cm : c.input);
                        SCOPED_TRACE(::testing::PrintToString(args) + "\n" + out);
                        const std::string pattern = !digits.empty()    ? digitsPattern
                                                    : format == "text" ? c.textPattern
                                                                       : "";
                        const auto shown = [&](double value) {
                            return pattern.empty() ? Shortest(value)
                                                   : FormatPattern(value, pattern);
                        };
                        Cells expected = plain;
                        const std::vector<std::string> ranges = Split(cm, "\n");
                        for (std::size_t r = 0; r < plain.size(); ++r) {
                            for (std::size_t k = 0; k < c.names.size(); ++k) {
                                double value = std::stod(plain[r][k]);
                                if (linear && c.names[k] == "CSDA range")
                                    value = echo ? std::stod(ranges[r]) : value / d;
                                else if (linear && c.names[k] != "Energy")
                                    value *= d;
                                expected[r][k] = shown(value);
                            }
                        }
                        Cells got = RowCells(out, format, c.textHead);
                        if (c.args[0] == "interval") {  // its energies: checked elsewhere
                            for (Cells* cells : {&expected, &got})
                                for (auto& row : *cells)
                                    row.front().clear();
                        }
                        EXPECT_EQ(got, expected);
                        const std::vector<std::string> lines = BodyLines(out, 0);
                        if (format == "csv") {
                            EXPECT_EQ(lines[0], Joined(header, ","));
                        } else if (format == "json") {
                            EXPECT_NE(out.find("\"density\": " + shown(d) + ",\n"),
                                      std::string::npos);
                            EXPECT_NE(out.find("\"columns\": [" + Joined(columns, ", ") + "],\n"),
                                      std::string::npos);
                        } else {
                            EXPECT_EQ(Joined(Split(lines[c.textHead - 2], " "), " "),
                                      Joined(c.names, " "));
                            EXPECT_EQ(Joined(Split(lines[c.textHead - 1], " "), " "),
                                      Joined(units, " "));
                        }
                    }
                }
            }
        }
    }
}

TEST(QueryOptionsTest, EverySpellingAndPlaceOfAnOptionMeansTheSame) {
    const std::string lead = "p_QRV/082 Lead.qrv";
    const std::string expected = Output({"at", lead, "2", "--linear", "--digits", "5", "--format",
                                         "json", "--particle", "positron"});
    for (const Args& args :
         std::vector<Args>{{"--linear", "--format=json", "at", lead, "--digits=5", "2"},
                           {"at", "--digits", "5", lead, "--format", "json", "--linear", "2"},
                           {"--particle=positron", "--format", "json", "--digits", "5", "--linear",
                            "at", lead, "--", "2"}})
        EXPECT_EQ(Output(args), expected) << ::testing::PrintToString(args);
}

TEST(QueryOptionsTest, MisusedOptionsAreRefusedWithTheirOwnMessage) {
    const std::string lead = "p_QRV/082 Lead.qrv";
    const MaterialTable table = LoadTable(SourcePath("data") / lead);
    const std::string cmRanges = NumberText(table.CsdaRange[1] / table.Density) + " cm to " +
                                 NumberText(table.CsdaRange[81] / table.Density) + " cm";
    const struct {
        Args args;
        int status;
        std::string message;
    } cases[] = {
        {{"energy-for-range", lead, "--linear", "1e-9"}, kExitRefusedValue, cmRanges},
        {{"at", lead, "1", "--linear=yes"}, kExitUsage, "--linear takes no value"},
        {{"--help=at"}, kExitUsage, "--help takes no value"},
        {{"show", lead, "--elements"}, kExitUsage, "apply to materials only"},
        {{"show", lead, "--to", "5"}, kExitUsage, "apply to interval only"},
        {{"energy-for-range", lead, "--step", "1", "2"}, kExitUsage, "apply to interval only"},
        {{"show", lead, "--format", "window-csv"}, kExitUsage, "window-csv applies to interval"},
        {{"at", lead, "--digits", "4.5", "1"}, kExitUsage, "is not a whole number from 1 to 17"},
        {{"at", lead, "1", "--format"}, kExitUsage, "--format needs a value"},
        {{"at", lead, "1", "--format", "JSON"}, kExitUsage, "is not one of text, csv, json"},
        {{"at", lead, "1", "-x"}, kExitUsage, "unknown option"},
        {{"interval", lead, "--to", "2", "--step", "1"}, kExitUsage, "needs --from, --to"},
        {{"at", lead, "--", "--linear"}, kExitRefusedValue, "\"--linear\" (argument 2) is not"},
        {{"interval", lead, "--from", "1", "--to", "2,5", "--step", "1"},
         kExitRefusedValue,
         "--to: \"2,5\" is not a number"},
    };
    for (const auto& c : cases) {
        const QueryRun run = Query(c.args);
        SCOPED_TRACE(::testing::PrintToString(c.args) + "\n" + run.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos);
    }
}

}  // namespace
}  // namespace velmora::query
