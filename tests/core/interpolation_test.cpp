// Tests of the row search, log-log interpolation, its callers and cursor coordinates.
#include "core/interpolation.h"
#include "core/cursor_positions.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "core/energy_query.h"
#include "core/interval_calculation.h"
#include "core/material_reading.h"
#include "core/number_format.h"
#include "sample_table.h"

namespace velmora {
namespace {

// FindUpperRow brackets the energy or reports it above the table; InterpolateLogLog reproduces the
// rows, gives geometric means at logarithmic midpoints and follows straight log-log lines.
TEST(InterpolationTest, FindUpperRowAndInterpolateLogLog) {
    const MaterialTable table = SampleTable();
    for (int row = 2; row <= 81; ++row) {
        EXPECT_EQ(FindUpperRow(table, table.EnergyMeV[row]), row);
        EXPECT_EQ(FindUpperRow(table, std::nextafter(table.EnergyMeV[row - 1], 1e9)), row);
    }
    EXPECT_EQ(FindUpperRow(table, 0.01), 2);
    EXPECT_EQ(FindUpperRow(table, std::nextafter(1000.0, 2000.0)), kEnergyAboveTable);
    EXPECT_EQ(FindUpperRow(MaterialTable{}, 1.0), kEnergyAboveTable);  // never loaded
    const auto at = [&table](const TableColumn& column, double e) {
        return InterpolateLogLog(table, column, FindUpperRow(table, e), e);
    };
    for (const TableColumn& c : {table.CollisionSP, table.CsdaRange}) {
        EXPECT_EQ(at(c, 0.01), c[1]);  // the first energy, exactly
        for (int row = 2; row <= 81; ++row) {
            const double e0 = table.EnergyMeV[row - 1], e1 = table.EnergyMeV[row];
            const double mean = std::sqrt(c[row - 1] * c[row]);
            ASSERT_EQ(at(c, e1), c[row]) << row;
            ASSERT_NEAR(at(c, std::sqrt(e0 * e1)), mean, 1e-13 * mean) << row;  // log midpoint
        }
    }
    for (double e : {0.001, 0.0057, 0.77, 512.0}) {  // the power law, also below row 1
        EXPECT_NEAR(at(table.CsdaRange, e), 0.4 * std::pow(e, 1.7), 1e-12 * std::pow(e, 1.7)) << e;
    }
}

// The energy query and the equal-interval table interpolate by the same rule: at the energy of a
// table row both give the same bits, so a list, a saved file and a typed query never disagree.
TEST(InterpolationTest, EnergyQueryAndEqualIntervalTableAgreeExactly) {
    const MaterialTable table = SampleTable();
    const IntervalCandidate intervals = ComputeIntervalTable(table, "0.0137", "912", "3.71");
    ASSERT_TRUE(intervals.refusal.empty()) << intervals.refusal;
    ASSERT_EQ(intervals.plan.lastRow, 245);
    using Bits = std::array<std::uint64_t, 2>;
    for (int row = 0; row <= intervals.plan.lastRow; ++row) {
        const double energy = RowEnergyMeV(intervals.plan, row);
        const std::optional<QuantitiesAtEnergy> query = InterpolateAtEnergy(table, energy);
        const IntervalRowValues& listed = intervals.rows[static_cast<size_t>(row)];
        ASSERT_TRUE(query) << energy;
        ASSERT_EQ(std::bit_cast<Bits>(std::array{query->collision, query->radiative}),
                  std::bit_cast<Bits>(std::array{listed.collision, listed.radiative}))
            << energy;
    }
}

// The value the windows showed before tabulated energies gave the rows' own values: exp of the
// straight line through the logarithms, taken at the upper row.
double ExpOfLogLine(const MaterialTable& t, const TableColumn& c, int i, double e) {
    const double a = std::log(c[i]), b = std::log(c[i - 1]);
    const double e1 = std::log(t.EnergyMeV[i]), e0 = std::log(t.EnergyMeV[i - 1]);
    return std::exp(a - (a - b) * (e1 - std::log(e)) / (e1 - e0));
}

// Every bundled table, both particles: a query at a tabulated energy gives that row's values bit
// for bit, and every pattern of the windows and the saved file shows them as it showed before.
TEST(InterpolationTest, TabulatedEnergiesGiveTheRowsOwnValuesInTheTextsShownBefore) {
    namespace fs = std::filesystem;
    int tables = 0, changedBits = 0;
    for (const char* folder : {"p_QRV", "p_STC", "e_QRV", "e_STC"}) {
        for (const auto& file :
             fs::directory_iterator(fs::path(VELMORA_SOURCE_DIR) / "data" / folder)) {
            const ParseResult<MaterialTable> loaded = LoadMaterialTable(file.path());
            ASSERT_TRUE(loaded) << loaded.error.Message();
            const MaterialTable& t = *loaded.value;
            ++tables;
            for (int row = kFirstRow; row <= kLastRow; ++row) {
                const double e = t.EnergyMeV[row];
                const std::optional<QuantitiesAtEnergy> q = InterpolateAtEnergy(t, e);
                ASSERT_TRUE(q) << file.path() << " row " << row;
                const QuantitiesAtEnergy own = TabulatedRow(t, row);
                using Bits = std::array<std::uint64_t, 4>;
                ASSERT_EQ(std::bit_cast<Bits>(
                              std::array{q->collision, q->radiative, q->total, q->csdaRange}),
                          std::bit_cast<Bits>(
                              std::array{own.collision, own.radiative, own.total, own.csdaRange}))
                    << file.path() << " row " << row;
                for (const TableColumn* c :
                     {&t.CollisionSP, &t.RadiativeSP, &t.TotalSP, &t.CsdaRange}) {
                    const double before = ExpOfLogLine(t, *c, FindUpperRow(t, e), e);
                    changedBits += before != (*c)[row];
                    for (const char* pattern : {"0.000E+00", "0.0000E+00", " 0.0000E+00"})
                        ASSERT_EQ(FormatPattern(before, pattern), FormatPattern((*c)[row], pattern))
                            << file.path() << " row " << row;
                }
            }
        }
    }
    EXPECT_EQ(tables, 2 * (98 + 181));
    EXPECT_GT(changedBits, 0);  // the old values did differ in the last bit
}

TEST(InterpolationTest, InvalidRowsEnergiesAndValuesGiveNaNWithoutALogarithm) {
    MaterialTable table = SampleTable();
    table.CollisionSP[10] = 0.0;
    table.EnergyMeV[0] = table.CollisionSP[0] = 1.0;  // row 0 never belongs to a pair
    for (int row : {kEnergyAboveTable, 1, 82, 11}) {  // row 11 pairs with the zero of row 10
        EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.CollisionSP, row, 5.0))) << row;
    }
    for (double e : {0.0, -0.5, std::nan("")}) {
        EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.CsdaRange, 30, e))) << e;
    }
    EXPECT_FALSE(std::isnan(InterpolateLogLog(table, table.CollisionSP, 12, 5.0)));
}

TEST(InterpolationTest, CursorCoordinatesUseTheFixedOffsets) {
    EXPECT_NEAR(static_cast<float>(CursorX(0.01)), 0.00083f, 0.000005f);  // ln 0.01 + 4.606
    EXPECT_NEAR(CursorYStopping(0.001), 0.00124, 0.000005);
    EXPECT_NEAR(CursorYRange(0.0001), 0.00166, 0.000005);
    EXPECT_TRUE(std::isnan(CursorX(0.0)) && std::isnan(CursorYStopping(-1.0)) &&
                std::isnan(CursorYRange(0.0)));
}

}  // namespace
}  // namespace velmora
