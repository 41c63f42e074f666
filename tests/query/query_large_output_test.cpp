// Outputs of more than one block of 65,536 rows, formatted in as many parts as the test fixes
// (VELMORA_QUERY_THREADS), not as many as the machine has cores: every row once, in order, in
// every format; and the first refused value named whichever part it falls in.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>

#include "core/energy_query.h"
#include "core/number_format.h"
#include "core/range_query.h"
#include "query/query_error.h"
#include "query_test_support.h"

namespace velmora::query {
namespace {

using namespace testing;

// Sets VELMORA_QUERY_THREADS for one scope.
struct Threads {
    explicit Threads(const char* count) { setenv("VELMORA_QUERY_THREADS", count, 1); }
    ~Threads() { unsetenv("VELMORA_QUERY_THREADS"); }
};

std::string Shortest(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// The expected rows of an output: csv cells in the shortest text, text cells by the pattern right-
// aligned in their columns' widths, json the "rows" array to the end of the document.
std::string Expected(const std::vector<std::vector<double>>& rows, const std::string& format,
                     const std::vector<int>& widths) {
    std::string text;
    for (const auto& row : rows) {
        text += format == "json" ? (text.empty() ? "\n    [" : ",\n    [") : "";
        for (std::size_t k = 0; k < row.size(); ++k) {
            const std::string cell = FormatPattern(row[k], "0.000E+00");
            text += k == 0 ? "" : format == "csv" ? "," : format == "json" ? ", " : "  ";
            text += format == "text" ? std::string(widths[k] - cell.size(), ' ') + cell
                                     : Shortest(row[k]);
        }
        text += format == "json" ? "]" : "\n";
    }
    return format == "json" ? "\"rows\": [" + text + "\n  ]\n}\n" : text;
}

// The part of an output that Expected gives: after the head.
std::string Body(const std::string& out, const std::string& format) {
    std::size_t start = format == "json" ? out.find("\"rows\": [") : 0;
    for (int line = 0; format != "json" && line < (format == "csv" ? 1 : 3); ++line)
        start = out.find('\n', start) + 1;
    return out.substr(std::min(start, out.size()));
}

TEST(QueryLargeOutputTest, EveryRowOnceInOrderInEveryFormatWhateverTheSplit) {
    const std::string water = "p_STC/Water liquid.stc";
    const MaterialTable table = LoadTable(SourcePath("data") / water);
    // One block in 4 even parts; one in 3 uneven parts and one row in a second block; a second
    // block of 34,467 rows in 2 uneven parts.
    const std::pair<std::size_t, const char*> splits[] = {
        {65536, "4"}, {65537, "3"}, {100003, "3"}};
    for (const auto& [count, threads] : splits) {
        std::string input;
        std::vector<std::vector<double>> at, ranges;
        for (std::size_t k = 0; k < count; ++k) {
            char text[16];  // 0.0100 to 70.0121, in MeV or g/cm2, all different
            std::snprintf(text, sizeof text, "%.4f", 0.01 + static_cast<double>(k) * 0.0007);
            input += text + std::string(k % 4 == 3 ? "\n" : " ");
            const double value = ReadNumber(text);
            const QuantitiesAtEnergy q = *InterpolateAtEnergy(table, value);
            at.push_back({q.energyMeV, q.collision, q.radiative, q.total, q.csdaRange});
            ranges.push_back({value, *EnergyForCsdaRange(table, value)});
        }
        const Threads fixed(threads);
        for (const std::string format : {"text", "csv", "json"}) {
            SCOPED_TRACE(std::to_string(count) + " rows, " + threads + " threads, " + format);
            EXPECT_TRUE(Body(Output({"at", water, "--format", format}, input), format) ==
                        Expected(at, format, {9, 9, 9, 9, 10}));
            EXPECT_TRUE(Body(Output({"energy-for-range", water, "--format", format}, input),
                             format) == Expected(ranges, format, {10, 9}));
        }
    }
}

TEST(QueryLargeOutputTest, TheFirstRefusedValueIsNamedWhicheverPartHoldsIt) {
    // 100,000 lines in 3 parts: [0, 33333), [33333, 66666), [66666, 100000).
    const Threads fixed("3");
    const struct {
        std::size_t tooLowLine, tooHighLine;  // the first of them is named
        const char* message;
    } cases[] = {
        {90000, 40000, "energy 2000 MeV (line 40000 of standard input)"},
        {40000, 90000, "energy 0.001 MeV (line 40000 of standard input)"},
        {33334, 33333, "energy 2000 MeV (line 33333 of standard input)"},
        {66667, 100000, "energy 0.001 MeV (line 66667 of standard input)"},
        {99999, 100000, "energy 0.001 MeV (line 99999 of standard input)"},
    };
    for (const auto& c : cases) {
        std::string input;
        for (std::size_t line = 1; line <= 100000; ++line)
            input += line == c.tooLowLine ? "0.001\n" : line == c.tooHighLine ? "2000\n" : "1\n";
        const QueryRun run = Query({"at", "water, liquid"}, input);
        EXPECT_EQ(run.status, kExitRefusedValue) << c.message;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace velmora::query
