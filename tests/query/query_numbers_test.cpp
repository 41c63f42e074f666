// The command line's numbers against the windows' own functions on the bundled tables: the same
// doubles, read back from csv and json, and the same text and file bytes.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>

#include "core/energy_query.h"
#include "core/interval_calculation.h"
#include "core/number_format.h"
#include "query_test_support.h"

namespace velmora::query {
namespace {

using namespace testing;
using Rows = std::vector<std::vector<double>>;

const char* const kSample[] = {"p_STC/Water liquid.stc", "p_QRV/001 Hydrogen.qrv",
                               "p_QRV/082 Lead.qrv", "p_STC/Air dry (near sea level).stc",
                               "p_STC/Kapton polyimide film.stc"};

// Energies over the whole accepted range as a user types them: both ends, every tenth tabulated
// one and log-uniform random ones.
std::vector<std::string> SampleEnergies(const MaterialTable& table) {
    std::vector<std::string> energies = {"0.01", "1000", "1", "0.0100000001", "999.99999"};
    for (int row = 1; row <= 81; row += 10)
        energies.push_back(NumberText(table.EnergyMeV[row]));
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> exponent(-2.0, 3.0);
    char text[32];
    for (int k = 0; k < 150; ++k) {
        std::snprintf(text, sizeof text, "%.*g", 3 + k % 15, std::pow(10.0, exponent(random)));
        energies.push_back(text);
    }
    return energies;
}

// The numbers as bit patterns: equal only when they are the same doubles.
std::vector<std::vector<std::uint64_t>> Bits(const Rows& rows) {
    std::vector<std::vector<std::uint64_t>> bits;
    for (const auto& row : rows) {
        std::vector<std::uint64_t>& out = bits.emplace_back();
        for (double value : row)
            out.push_back(std::bit_cast<std::uint64_t>(value));
    }
    return bits;
}

std::vector<double> Values(const QuantitiesAtEnergy& q) {
    return {q.energyMeV, q.collision, q.radiative, q.total, q.csdaRange};
}

// Rows of json output: the lines that hold numbers after the head.
Rows JsonRows(const std::string& out) {
    Rows rows = NumberRows(out, 8, " [],}");
    std::erase_if(rows, [](const std::vector<double>& row) { return row.empty(); });
    return rows;
}

TEST(QueryNumbersTest, AtShowAndEnergyForRangeGiveTheWindowsDoubles) {
    for (const char* file : kSample) {
        SCOPED_TRACE(file);
        const MaterialTable table = LoadTable(SourcePath("data") / file);
        const auto run = [&](Args args, const std::string& input = "") {
            args.insert(args.begin() + 1, file);
            return Output(args, input);
        };
        // at: the energy query's doubles in every format; several energies on a line too.
        std::string input;
        Rows expected;
        std::vector<std::string> text;
        for (const std::string& energy : SampleEnergies(table)) {
            input += energy + (input.size() % 3 == 0 ? "\n" : " \t");
            const std::vector<double> q = Values(*InterpolateAtEnergy(table, ReadNumber(energy)));
            expected.push_back(q);
            // Text: the main window's pattern, right-aligned under "CSDA range" in the last column.
            std::string& shown = text.emplace_back();
            for (std::size_t c = 0; c < q.size(); ++c) {
                shown += (c == 0 ? "" : c == 4 ? "   " : "  ") + FormatPattern(q[c], "0.000E+00");
            }
        }
        const std::string csv = run({"at", "--format", "csv"}, input);
        EXPECT_EQ(Bits(NumberRows(csv, 1)), Bits(expected));
        EXPECT_EQ(Bits(JsonRows(run({"at", "--format=json"}, input))), Bits(expected));
        EXPECT_EQ(BodyLines(run({"at"}, input), 3), text);
        // show: the tabulated rows; energy-for-range: exact at them.
        Rows rows, exact;
        std::string tabulated;
        for (int row = 1; row <= 81; ++row) {
            rows.push_back(Values(TabulatedRow(table, row)));
            exact.push_back({table.CsdaRange[row], table.EnergyMeV[row]});
            tabulated += NumberText(table.CsdaRange[row]) + "\n";
        }
        EXPECT_EQ(Bits(NumberRows(run({"show", "--format", "csv"}), 1)), Bits(rows));
        EXPECT_EQ(Bits(NumberRows(run({"energy-for-range", "--format", "csv"}, tabulated), 1)),
                  Bits(exact));
        // Round trip through the command line: energy, the range `at` printed, the energy again.
        std::string ranges;
        for (const std::string& line : BodyLines(csv, 1))
            ranges += line.substr(line.rfind(',') + 1) + "\n";
        const Rows back = JsonRows(run({"energy-for-range", "--format", "json"}, ranges));
        ASSERT_EQ(back.size(), expected.size());
        for (std::size_t k = 0; k < back.size(); ++k)
            ASSERT_NEAR(back[k][1], expected[k][0], 1e-12 * expected[k][0]) << k;
    }
}

// The shortest text of the double nearest to a + k x d, written with `decimals` decimals: the
// energy a user expects to read for row k.
std::string DecimalEnergy(const char* a, const char* d, int k, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, ReadNumber(a) + k * ReadNumber(d));
    char shortest[32];
    return {shortest, std::to_chars(shortest, shortest + sizeof shortest, ReadNumber(text)).ptr};
}

// window-csv is the window's file to the byte, below 0.01 MeV too; the other formats hold the
// window's rows, each at the decimal energy it prints and equal to `at` there.
TEST(QueryNumbersTest, IntervalGivesTheWindowsFileAndRowsEqualToAtTheirEnergies) {
    const MaterialTable table = LoadTable(SourcePath("data/p_STC/Water liquid.stc"));
    const struct {
        const char *from, *to, *step;
        int decimals;  // -1: below 0.01 MeV, window-csv only
    } boxes[] = {{"0.1", "10", "0.1", 1},      {"0.1", "1000", "0.2", 1},
                 {"5", "0.5", "-0.25", 2},     {"1e-2", "2e-2", "1e-3", 3},
                 {"0.01", "0.01", "1", 2},     {".5", "3.", "+0.125", 3},
                 {"0.1", "1", "0.3", 1},       {"10", "0", "-3", 0},
                 {"1e-3", "2e-2", "1e-3", -1}, {"0.05", "0.001", "-0.015", -1}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(std::string(b.from) + " " + b.to + " " + b.step);
        const IntervalCandidate candidate = ComputeIntervalTable(table, b.from, b.to, b.step);
        ASSERT_TRUE(candidate.refusal.empty()) << candidate.refusal;
        const auto committed = std::make_unique<IntervalTable>();
        CommitIntervalRows(candidate, *committed);
        const auto run = [&](const char* format) {
            return Output({"interval", "water, liquid", "--from", b.from, "--to", b.to, "--step",
                           b.step, "--format", format});
        };
        EXPECT_EQ(run("window-csv"), IntervalCsvText(candidate.plan, *committed));
        if (b.decimals < 0)
            continue;
        const std::string csv = run("csv");
        const std::vector<std::string> lines = BodyLines(csv, 1);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(candidate.plan.lastRow + 1));
        Rows expected;
        for (int row = 0; row <= candidate.plan.lastRow; ++row) {
            const std::string energy = DecimalEnergy(b.from, b.step, row, b.decimals);
            EXPECT_EQ(lines[static_cast<std::size_t>(row)].substr(0, energy.size() + 1),
                      energy + ",");
            const std::vector<double> q = Values(*InterpolateAtEnergy(table, ReadNumber(energy)));
            expected.push_back({q[0], q[1], q[2]});
        }
        EXPECT_EQ(Bits(NumberRows(csv, 1)), Bits(expected));
        EXPECT_EQ(Bits(JsonRows(run("json"))), Bits(expected));
    }
}

}  // namespace
}  // namespace velmora::query
