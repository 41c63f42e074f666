// Tests of the look-ups of many values at once: the same bits as one at a time, on any thread.
#include "core/bulk_query.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "core/range_query.h"

namespace velmora {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// 81 energies from 0.01 MeV, 16 per decade up to lastEnergy, with curved columns.
MaterialTable SampleTable(double lastEnergy = 1000.0) {
    MaterialTable table;
    const double decades = std::log10(lastEnergy) + 2.0;
    for (int row = 1; row <= 81; ++row) {
        const double e = table.EnergyMeV[row] = std::pow(10.0, (row - 1) * decades / 80.0 - 2);
        table.CollisionSP[row] = 2.0 + 20.0 / (e + 0.05);
        table.RadiativeSP[row] = 0.01 * e * (1.0 + 0.1 * std::log(e + 1.0));
        table.TotalSP[row] = table.CollisionSP[row] + table.RadiativeSP[row];
        table.CsdaRange[row] = 0.4 * std::pow(e, 1.7) / (1.0 + 0.1 * std::sqrt(e));
    }
    return table;
}

// Energies everywhere: the ends and just beyond them, every tabulated energy and its neighbours,
// logarithmic midpoints, uneven points between, and values no query takes.
std::vector<double> ProbeEnergies(const MaterialTable& table) {
    std::vector<double> energies = {
        0.01, 1000.0, std::nextafter(0.01, 0.0), std::nextafter(1000.0, 2000.0), 0.0, -1.0, kNaN,
        kInf, -kInf};
    for (int row = 1; row <= 81; ++row) {
        const double e = table.EnergyMeV[row];
        energies.insert(energies.end(), {e, std::nextafter(e, 0.0), std::nextafter(e, 2000.0)});
        if (row > 1) {
            const double lower = table.EnergyMeV[row - 1];
            energies.insert(energies.end(), {std::sqrt(lower * e), lower + 0.3 * (e - lower)});
        }
    }
    return energies;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

TEST(BulkQueryTest, PreparedTableGivesTheEnergyQuerysBitsAndRefusals) {
    MaterialTable zeroRadiative = SampleTable();
    zeroRadiative.RadiativeSP[40] = 0.0;  // not prepared: interpolated one at a time
    MaterialTable late = SampleTable();   // from 0.02 MeV: below it, rows 1 and 2 extrapolate
    for (double& e : late.EnergyMeV) {
        e *= 2.0;
    }
    MaterialTable falling = SampleTable();
    std::swap(falling.EnergyMeV[10], falling.EnergyMeV[11]);
    for (const MaterialTable& table :
         {SampleTable(), SampleTable(800.0), late, zeroRadiative, falling, MaterialTable{}}) {
        const PreparedTable prepared(table);
        for (const double e : ProbeEnergies(table)) {
            const std::optional<QuantitiesAtEnergy> expected = InterpolateAtEnergy(table, e);
            const std::optional<QuantitiesAtEnergy> actual = prepared.At(e);
            ASSERT_EQ(actual.has_value(), expected.has_value()) << e;
            if (expected) {
                ASSERT_TRUE(SameBits(actual->energyMeV, e) &&
                            SameBits(actual->collision, expected->collision) &&
                            SameBits(actual->radiative, expected->radiative) &&
                            SameBits(actual->total, expected->total) &&
                            SameBits(actual->csdaRange, expected->csdaRange))
                    << e << " in a table ending at " << table.EnergyMeV[81];
            }
        }
    }
}

// Enough values for several parts: each part gives the one-at-a-time bits, and of two refused
// values in different parts the first in the input is named, whatever part finishes first.
TEST(BulkQueryTest, ManyValuesOnThreadsGiveTheSameBitsAndTheFirstRefusal) {
    const MaterialTable table = SampleTable(800.0);
    const std::vector<double> probes = ProbeEnergies(table);
    std::vector<double> energies, ranges;
    for (std::size_t k = 0; energies.size() < 100000; ++k) {
        const double e = probes[k % probes.size()];
        if (InterpolateAtEnergy(table, e)) {
            energies.push_back(e);
            ranges.push_back(InterpolateAtEnergy(table, e)->csdaRange / 2.5);
        }
    }
    const std::size_t n = energies.size();
    std::vector<double> collision(n), radiative(n), total(n), range(n), energy(n);
    const QuantityOutputs outputs{collision, radiative, total, range};
    for (const unsigned threads : {1u, 4u, 0u}) {
        ASSERT_EQ(InterpolateAtEnergies(table, energies, outputs, threads), n);
        ASSERT_EQ(EnergiesForCsdaRanges(table, ranges, 2.5, energy, threads), n);
        for (std::size_t k = 0; k < n; ++k) {
            const QuantitiesAtEnergy q = *InterpolateAtEnergy(table, energies[k]);
            ASSERT_TRUE(SameBits(collision[k], q.collision) &&
                        SameBits(radiative[k], q.radiative) && SameBits(total[k], q.total) &&
                        SameBits(range[k], q.csdaRange))
                << k << " on " << threads << " threads";
            ASSERT_TRUE(SameBits(energy[k], *EnergyForCsdaRange(table, ranges[k] * 2.5))) << k;
        }
    }
    std::vector<double> refusedEnergies = energies, refusedRanges = ranges;
    refusedEnergies[n - 10] = 900.0;  // above the table's last energy
    refusedEnergies[n / 2] = kNaN;
    refusedRanges[n - 10] = kNaN;
    refusedRanges[n / 3] = table.CsdaRange[81];  // times 2.5: beyond the last row
    for (const unsigned threads : {1u, 4u}) {
        EXPECT_EQ(InterpolateAtEnergies(table, refusedEnergies, outputs, threads), n / 2);
        EXPECT_EQ(EnergiesForCsdaRanges(table, refusedRanges, 2.5, energy, threads), n / 3);
    }
    EXPECT_EQ(InterpolateAtEnergies(table, {}, outputs), 0u);
}

}  // namespace
}  // namespace velmora
