// Tests of the inverse look-up: the energy whose csda range is given.
#include "core/range_query.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/energy_query.h"

namespace velmora {
namespace {

// 81 energies from 0.01 to 1000 MeV, 16 per decade, with a curved csda range (a power law that
// bends) and a power-law stopping power.
const MaterialTable kTable = [] {
    MaterialTable table;
    for (int row = 1; row <= 81; ++row) {
        const double e = table.EnergyMeV[row] = std::pow(10.0, (row - 1) / 16.0 - 2);
        table.CsdaRange[row] = 0.4 * std::pow(e, 1.7) / (1.0 + 0.1 * std::sqrt(e));
        table.CollisionSP[row] = table.RadiativeSP[row] = table.TotalSP[row] = 2.0;
    }
    return table;
}();

TEST(RangeQueryTest, TabulatedRangesGiveTheirEnergiesExactlyAndOthersInvertTheEnergyQuery) {
    // A tabulated range, which the energy query gives at its row's energy, gives that energy.
    for (int row = 1; row <= 81; ++row) {
        const double range = InterpolateAtEnergy(kTable, kTable.EnergyMeV[row])->csdaRange;
        ASSERT_EQ(range, kTable.CsdaRange[row]) << row;
        ASSERT_EQ(EnergyForCsdaRange(kTable, range), kTable.EnergyMeV[row]) << row;
    }
    // Between the rows: the range of an energy gives the energy back.
    for (int row = 2; row <= 81; ++row) {
        const double e0 = kTable.EnergyMeV[row - 1], e1 = kTable.EnergyMeV[row];
        for (const double t : {0.001, 0.3, 0.5, 0.77, 0.999}) {
            const double energy = e0 * std::pow(e1 / e0, t);
            const double range = InterpolateAtEnergy(kTable, energy)->csdaRange;
            const std::optional<double> back = EnergyForCsdaRange(kTable, range);
            ASSERT_TRUE(back) << row;
            ASSERT_NEAR(*back, energy, 1e-12 * energy) << row << " " << t;
            ASSERT_TRUE(*back >= e0 && *back <= e1);
            ASSERT_NEAR(InterpolateAtEnergy(kTable, *back)->csdaRange, range, 1e-12 * range);
        }
    }
}

TEST(RangeQueryTest, RefusesRangesOutsideTheTableAndTablesWhoseRangesDoNotRise) {
    const double first = kTable.CsdaRange[1], last = kTable.CsdaRange[81];
    for (const double range :
         {std::nextafter(first, 0.0), std::nextafter(last, 1e9), 0.0, -1.0,
          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_FALSE(EnergyForCsdaRange(kTable, range)) << range;
    EXPECT_TRUE(CsdaRangeRises(kTable));
    MaterialTable flat = kTable, falling = kTable;
    flat.CsdaRange[40] = flat.CsdaRange[39];
    falling.CsdaRange[81] = falling.CsdaRange[79];
    for (const MaterialTable& bad : {flat, falling, MaterialTable{}}) {
        EXPECT_FALSE(CsdaRangeRises(bad));
        EXPECT_FALSE(EnergyForCsdaRange(bad, kTable.CsdaRange[10]));
    }
}

}  // namespace
}  // namespace velmora
