// Tests of the row search, log-log interpolation and cursor coordinates.
#include "core/interpolation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace velmora {
namespace {

// 81 energies from 0.01 to 1000 MeV, 16 per decade; the csda range is an exact power law
// (a straight line in log-log), the other columns are curved.
MaterialTable SampleTable() {
    const double mantissas[16] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 7, 8, 9};
    MaterialTable table;
    for (int row = 1; row <= 81; ++row) {
        const int k = row - 1;
        const double e = k == 80 ? 1000.0 : mantissas[k % 16] * std::pow(10.0, k / 16 - 2);
        table.EnergyMeV[row] = e;
        table.CollisionSP[row] = 2.0 + 20.0 / (e + 0.05);
        table.RadiativeSP[row] = 0.01 * (e + 0.3);
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.4 * std::pow(e, 1.7);
    }
    return table;
}

TEST(InterpolationTest, FindUpperRowBracketsTheEnergyWithinTheTable) {
    const MaterialTable table = SampleTable();
    for (int row = 2; row <= 81; ++row) {
        EXPECT_EQ(FindUpperRow(table, table.EnergyMeV[row]), row);
        EXPECT_EQ(FindUpperRow(table, std::nextafter(table.EnergyMeV[row], 0.0)), row);
        EXPECT_EQ(FindUpperRow(table, std::nextafter(table.EnergyMeV[row - 1], 1e9)), row);
    }
    EXPECT_EQ(FindUpperRow(table, 0.01), 2);
    EXPECT_EQ(FindUpperRow(table, 0.001), 2);
    EXPECT_EQ(FindUpperRow(table, 1000.0), 81);
    EXPECT_EQ(FindUpperRow(table, std::nextafter(1000.0, 2000.0)), kEnergyAboveTable);
    EXPECT_EQ(FindUpperRow(table, INFINITY), kEnergyAboveTable);

    MaterialTable shortTable = table;  // a table that ends at 900 MeV
    shortTable.EnergyMeV[81] = 900.0;
    EXPECT_EQ(FindUpperRow(shortTable, 1000.0), kEnergyAboveTable);
    EXPECT_EQ(FindUpperRow(MaterialTable{}, 1.0), kEnergyAboveTable);  // never loaded
}

TEST(InterpolationTest, ReproducesTabulatedValuesAndLogMidpoints) {
    const MaterialTable table = SampleTable();
    const TableColumn* columns[] = {&table.CollisionSP, &table.RadiativeSP, &table.TotalSP,
                                    &table.CsdaRange};
    for (const TableColumn* column : columns) {
        for (int row = 1; row <= 81; ++row) {
            const double e = table.EnergyMeV[row];
            const double value = InterpolateLogLog(table, *column, FindUpperRow(table, e), e);
            ASSERT_NEAR(value, (*column)[row], 1e-13 * (*column)[row]) << "row " << row;
        }
        for (int row = 2; row <= 81; ++row) {
            const double mid = std::sqrt(table.EnergyMeV[row - 1] * table.EnergyMeV[row]);
            const double mean = std::sqrt((*column)[row - 1] * (*column)[row]);
            ASSERT_NEAR(InterpolateLogLog(table, *column, row, mid), mean, 1e-13 * mean);
        }
    }
}

TEST(InterpolationTest, FollowsAStraightLogLogLineIncludingBelowTheFirstRow) {
    const MaterialTable table = SampleTable();
    for (double e : {0.001, 0.0057, 0.0123, 0.77, 3.3, 512.0}) {
        const double expected = 0.4 * std::pow(e, 1.7);
        const double value = InterpolateLogLog(table, table.CsdaRange, FindUpperRow(table, e), e);
        EXPECT_NEAR(value, expected, 1e-12 * expected) << e;
    }
    // Repeated requests give the same bits.
    const double first = InterpolateLogLog(table, table.CollisionSP, 37, 1.2345);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(
            std::bit_cast<std::uint64_t>(InterpolateLogLog(table, table.CollisionSP, 37, 1.2345)),
            std::bit_cast<std::uint64_t>(first));
    }
}

TEST(InterpolationTest, InvalidRowsEnergiesAndValuesGiveNaNWithoutALogarithm) {
    MaterialTable table = SampleTable();
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.TotalSP, kEnergyAboveTable, 5.0)));
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.TotalSP, 1, 5.0)));
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.TotalSP, 82, 5.0)));
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.TotalSP, 2, 0.0)));
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.TotalSP, 2, -0.5)));
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.TotalSP, 2, NAN)));
    EXPECT_TRUE(std::isnan(InterpolateLogLog(MaterialTable{}, MaterialTable{}.TotalSP, 2, 1.0)));
    table.RadiativeSP[10] = 0.0;
    EXPECT_TRUE(std::isnan(InterpolateLogLog(table, table.RadiativeSP, 11, table.EnergyMeV[11])));
    EXPECT_FALSE(std::isnan(InterpolateLogLog(table, table.RadiativeSP, 12, table.EnergyMeV[12])));
}

TEST(InterpolationTest, CursorCoordinatesUseTheFixedOffsets) {
    const float x = static_cast<float>(CursorX(0.01));
    EXPECT_GT(x, 0.0f);
    EXPECT_NEAR(x, 0.00083f, 0.000005f);
    EXPECT_DOUBLE_EQ(CursorX(1.0), 4.606);
    EXPECT_DOUBLE_EQ(CursorYStopping(1.0), 6.909);
    EXPECT_DOUBLE_EQ(CursorYRange(1.0), 9.212);
    EXPECT_NEAR(CursorYStopping(0.001), 0.00124, 0.000005);
    EXPECT_NEAR(CursorYRange(0.0001), 0.00166, 0.000005);
    EXPECT_TRUE(std::isnan(CursorX(0.0)));
    EXPECT_TRUE(std::isnan(CursorYStopping(-1.0)));
    EXPECT_TRUE(std::isnan(CursorYRange(0.0)));
}

}  // namespace
}  // namespace velmora
