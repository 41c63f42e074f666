// The command line's numbers against the windows' own functions on the bundled tables: the same
// doubles, read back from csv and json, and the same text and file bytes.
#include <gtest/gtest.h>

#include <bit>
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

const char* const kSample[] = {"p_STC/Water liquid.stc", "p_QRV/001 Hydrogen.qrv",
                               "p_QRV/082 Lead.qrv", "p_STC/Air dry (near sea level).stc",
                               "p_STC/Kapton polyimide film.stc"};

// Energies over the whole accepted range: every tenth tabulated one, both ends and log-uniform
// random ones, as text the way a user would type them.
std::vector<std::string> SampleEnergies(const MaterialTable& table) {
    std::vector<std::string> energies = {"0.01", "1000", "1", "0.0100000001", "999.99999"};
    for (int row = 1; row <= 81; row += 10) {
        energies.push_back(NumberText(table.EnergyMeV[row]));
    }
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> exponent(-2.0, 3.0);
    char text[32];
    for (int k = 0; k < 150; ++k) {
        std::snprintf(text, sizeof text, "%.*g", 3 + k % 15, std::pow(10.0, exponent(random)));
        energies.push_back(text);
    }
    return energies;
}

std::string Lines(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += item + (text.size() % 3 == 0 ? "\n" : " \t");  // several per line too
    }
    return text;
}

void ExpectSameBits(const std::vector<double>& actual, const std::vector<double>& expected,
                    const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t k = 0; k < actual.size(); ++k) {
        ASSERT_EQ(std::bit_cast<std::uint64_t>(actual[k]),
                  std::bit_cast<std::uint64_t>(expected[k]))
            << what << " column " << k << ": " << actual[k] << " vs " << expected[k];
    }
}

std::vector<double> Values(const QuantitiesAtEnergy& q) {
    return {q.energyMeV, q.collision, q.radiative, q.total, q.csdaRange};
}

// Rows of json output: the lines that hold numbers after the head.
std::vector<std::vector<double>> JsonRows(const std::string& out) {
    std::vector<std::vector<double>> rows = NumberRows(out, 8, " [],}");
    std::erase_if(rows, [](const std::vector<double>& row) { return row.empty(); });
    return rows;
}

TEST(QueryNumbersTest, AtGivesTheEnergyQuerysDoublesInEveryFormat) {
    for (const char* file : kSample) {
        const MaterialTable table = LoadTable(SourcePath("data") / file);
        const std::vector<std::string> energies = SampleEnergies(table);
        const auto at = [&](std::vector<std::string> args) {
            args.insert(args.begin(), {"at", file});
            const QueryRun run = Query(args, Lines(energies));
            EXPECT_EQ(run.status, 0) << run.err;
            return run.out;
        };
        const auto csv = NumberRows(at({"--format", "csv"}), 1),
                   json = JsonRows(at({"--format=json"}));
        const auto linear = NumberRows(at({"--linear", "--format", "csv"}), 1);
        const auto text = BodyLines(at({}), 3);
        const auto digits = BodyLines(at({"--digits", "6", "--format", "csv"}), 1);
        ASSERT_EQ(csv.size() + json.size() + linear.size() + text.size() + digits.size(),
                  5 * energies.size());
        const double d = table.Density;
        for (std::size_t k = 0; k < energies.size(); ++k) {
            const std::vector<double> q =
                Values(*InterpolateAtEnergy(table, ReadNumber(energies[k])));
            ExpectSameBits(csv[k], q, std::string(file) + " csv " + energies[k]);
            ExpectSameBits(json[k], q, std::string(file) + " json " + energies[k]);
            ExpectSameBits(linear[k], {q[0], q[1] * d, q[2] * d, q[3] * d, q[4] / d}, "linear");
            // Text: the main window's pattern, right-aligned under "CSDA range" in the last column.
            std::string shown, sixDigits;
            for (std::size_t c = 0; c < q.size(); ++c) {
                shown += (c == 0 ? "" : c == 4 ? "   " : "  ") + FormatPattern(q[c], "0.000E+00");
                sixDigits += (c == 0 ? "" : ",") + FormatPattern(q[c], "0.00000E+00");
            }
            ASSERT_EQ(text[k], shown);
            ASSERT_EQ(digits[k], sixDigits);
        }
    }
}

TEST(QueryNumbersTest, ShowGivesTheTabulatedRows) {
    for (const char* file : kSample) {
        const MaterialTable table = LoadTable(SourcePath("data") / file);
        const QueryRun show = Query({"show", file, "--format", "csv"});
        ASSERT_EQ(show.status, 0) << show.err;
        const auto rows = NumberRows(show.out, 1);
        ASSERT_EQ(rows.size(), 81u);
        for (int row = 1; row <= 81; ++row) {
            ExpectSameBits(rows[row - 1], Values(TabulatedRow(table, row)), file);
        }
    }
}

TEST(QueryNumbersTest, EnergyForRangeIsExactAtRowsAndInvertsTheEnergyQuery) {
    for (const char* file : kSample) {
        const MaterialTable table = LoadTable(SourcePath("data") / file);
        std::string tabulated, inBetween;
        for (int row = 1; row <= 81; ++row) {
            tabulated += NumberText(table.CsdaRange[row]) + "\n";
        }
        const QueryRun exact = Query({"energy-for-range", file, "--format", "csv"}, tabulated);
        ASSERT_EQ(exact.status, 0) << exact.err;
        const auto rows = NumberRows(exact.out, 1);
        for (int row = 1; row <= 81; ++row) {
            ExpectSameBits(rows[row - 1], {table.CsdaRange[row], table.EnergyMeV[row]}, file);
        }
        // Round trip through the command line: energy, its range, the energy again.
        const QueryRun forward =
            Query({"at", file, "--format", "csv"}, Lines(SampleEnergies(table)));
        for (const auto& row : NumberRows(forward.out, 1)) {
            char text[32];
            *std::to_chars(text, text + 31, row[4]).ptr = '\0';
            inBetween += std::string(text) + "\n";
        }
        const QueryRun back = Query({"energy-for-range", file, "--format", "json"}, inBetween);
        ASSERT_EQ(back.status, 0) << back.err;
        const auto energies = NumberRows(forward.out, 1), inverse = JsonRows(back.out);
        ASSERT_EQ(inverse.size(), energies.size());
        for (std::size_t k = 0; k < energies.size(); ++k) {
            ASSERT_NEAR(inverse[k][1], energies[k][0], 1e-12 * energies[k][0]) << file;
        }
    }
}

TEST(QueryNumbersTest, IntervalGivesTheTableWindowsRowsAndFileBytes) {
    const MaterialTable table = LoadTable(SourcePath("data/p_STC/Water liquid.stc"));
    const struct {
        const char *from, *to, *step;
    } boxes[] = {{"0.1", "10", "0.1"},     {"0.1", "1000", "0.2"}, {"5", "0.5", "-0.25"},
                 {"1e-3", "2e-2", "1e-3"}, {"0.01", "0.01", "1"},  {".5", "3.", "+0.125"}};
    for (const auto& b : boxes) {
        const std::string what = std::string(b.from) + " " + b.to + " " + b.step;
        const IntervalCandidate candidate = ComputeIntervalTable(table, b.from, b.to, b.step);
        ASSERT_TRUE(candidate.refusal.empty()) << candidate.refusal;
        const auto committed = std::make_unique<IntervalTable>();
        CommitIntervalRows(candidate, *committed);
        const std::vector<std::string> args = {
            "interval", "water, liquid", "--from", b.from, "--to", b.to, "--step", b.step};
        std::vector<std::string> windowCsv = args, csv = args;
        windowCsv.insert(windowCsv.end(), {"--format", "window-csv"});
        csv.insert(csv.end(), {"--format", "csv"});
        const QueryRun file = Query(windowCsv), values = Query(csv);
        ASSERT_EQ(file.status + values.status, 0) << file.err << values.err;
        EXPECT_EQ(file.out, IntervalCsvText(candidate.plan, *committed)) << what;
        const auto rows = NumberRows(values.out, 1);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(candidate.plan.lastRow + 1)) << what;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            ExpectSameBits(rows[row],
                           {RowEnergyMeV(candidate.plan, static_cast<int>(row)),
                            candidate.rows[row].collision, candidate.rows[row].radiative},
                           what);
        }
    }
}

}  // namespace
}  // namespace velmora::query
