// Tests of the csda ranges over beta+ spectra on a made-up table where log-log interpolation is
// exact: R = 0.4 E^1.6 g/cm2 from 0.01 to 1000 MeV.
#include "core/emitter_ranges.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/beta_spectrum.h"

namespace velmora {
namespace {

double PowerLawRange(double e) {
    return 0.4 * std::pow(e, 1.6);
}

const MaterialTable kTable = [] {
    MaterialTable table;
    table.Density = 2.0;
    for (int row = 1; row <= 81; ++row) {
        const double e = table.EnergyMeV[row] = std::pow(10.0, (row - 1) / 16.0 - 2);
        table.CsdaRange[row] = PowerLawRange(e);
        table.CollisionSP[row] = table.RadiativeSP[row] = table.TotalSP[row] = 2.0;
    }
    return table;
}();

const Nuclide& Named(const char* name) {
    return *FindNuclide(BundledNuclides(), name);
}

TEST(EmitterRangesTest, RmaxRmeanAndTheMeanRangeFollowTheTableAndTheSpectra) {
    for (const Nuclide& n : BundledNuclides()) {
        const std::optional<EmitterRanges> r = ComputeEmitterRanges(n, kTable);
        ASSERT_TRUE(r) << n.name;
        EXPECT_NEAR(r->rMax, PowerLawRange(n.HighestEndpointMeV()), 1e-12) << n.name;
        EXPECT_NEAR(r->rMean, PowerLawRange(n.MeanEnergyMeV()), 1e-12) << n.name;
        // The mean over the spectra, integrated here by the midpoint rule branch by branch.
        double sum = 0.0;
        for (const BetaPlusBranch& b : n.branches) {
            const BetaPlusSpectrum s(b, n.daughterZ, n.massNumber);
            const int steps = 20000;
            for (int k = 0; k < steps; ++k) {
                const double e = (k + 0.5) * b.endpointMeV / steps;
                sum += s.PositronsPerMeV(e) * PowerLawRange(e) * b.endpointMeV / steps;
            }
        }
        EXPECT_NEAR(r->meanCsdaRange, sum / n.PositronsPer100Decays(), 1e-6 * r->meanCsdaRange)
            << n.name;
        EXPECT_LT(r->rMean, r->meanCsdaRange) << n.name;  // the range curve bends upward
        EXPECT_LT(r->meanCsdaRange, r->rMax) << n.name;
    }
    EXPECT_DOUBLE_EQ(RangeInMillimetres(0.25, 2.0), 1.25);
    EXPECT_DOUBLE_EQ(MillimetresInGPerCm2(1.25, 2.0), 0.25);
}

// Below the first row (0.01 MeV) the range is extrapolated; whatever it is there, the mean range
// moves by at most the share emitted there times the first row's range, a bound under 0.1 %.
TEST(EmitterRangesTest, TheTreatmentBelowTheTableMovesTheMeanRangeByLessThanItsBound) {
    for (const Nuclide& n : BundledNuclides()) {
        const EmitterRanges r = *ComputeEmitterRanges(n, kTable);
        double above = 0.0, share = 0.0;  // the mean with no range at all below the table
        for (const BetaPlusBranch& b : n.branches) {
            const BetaPlusSpectrum s(b, n.daughterZ, n.massNumber);
            above += s.Integrate(PowerLawRange, 0.01);
            share += b.intensityPercent - s.PositronsAbove(0.01);
        }
        above /= n.PositronsPer100Decays();
        share /= n.PositronsPer100Decays();
        EXPECT_NEAR(r.belowTableShare, share, 1e-9) << n.name;
        EXPECT_GT(r.belowTableShare, 0.0) << n.name;
        EXPECT_DOUBLE_EQ(r.belowTableBound, r.belowTableShare * kTable.CsdaRange[1]);
        EXPECT_GE(r.meanCsdaRange - above, 0.0) << n.name;
        EXPECT_LE(r.meanCsdaRange - above, r.belowTableBound + 1e-12 * above) << n.name;
        EXPECT_LT(r.belowTableBound / r.meanCsdaRange, 1e-3) << n.name;
        EXPECT_LT(r.belowTableShare, 0.01) << n.name;
    }
    EXPECT_NEAR(CsdaRangeAt(kTable, 0.005), PowerLawRange(0.005), 1e-15);
    EXPECT_EQ(CsdaRangeAt(kTable, 0.0), 0.0);
}

TEST(EmitterRangesTest, ShareBeyondAThicknessIsTheSpectrumAboveTheEnergyOfThatRange) {
    const Nuclide& ga = Named("Ga-68");
    const double positrons = ga.PositronsPer100Decays();
    for (const double e : {0.005, 0.01, 0.3, 0.8217, 1.2, 1.8}) {
        double above = 0.0;
        for (const BetaPlusBranch& b : ga.branches)
            above += BetaPlusSpectrum(b, ga.daughterZ, ga.massNumber).PositronsAbove(e);
        EXPECT_NEAR(*ShareBeyond(ga, kTable, PowerLawRange(e)), above / positrons, 1e-9) << e;
    }
    EXPECT_NEAR(*ShareBeyond(ga, kTable, 1e-9), 1.0, 1e-9);
    EXPECT_EQ(*ShareBeyond(ga, kTable, PowerLawRange(1.8991)), 0.0);
    EXPECT_EQ(*ShareBeyond(ga, kTable, 50.0), 0.0);
    // Only the main branch reaches beyond the small branch's endpoint.
    const double main = BetaPlusSpectrum(ga.branches[0], 30, 68).PositronsAbove(0.8217);
    EXPECT_NEAR(*ShareBeyond(ga, kTable, PowerLawRange(0.8217)), main / positrons, 1e-12);
}

TEST(EmitterRangesTest, TablesAndThicknessesThatCannotAnswerAreRefused) {
    const Nuclide& f18 = Named("F-18");
    MaterialTable falling = kTable;
    falling.CsdaRange[40] = falling.CsdaRange[39];
    MaterialTable shortTable = kTable;
    for (int row = 1; row <= 81; ++row)
        shortTable.EnergyMeV[row] *= 1e-4;  // up to 0.1 MeV
    const MaterialTable never{};
    for (const MaterialTable* table : std::vector<const MaterialTable*>{&falling, &never}) {
        EXPECT_FALSE(ComputeEmitterRanges(f18, *table));
        EXPECT_FALSE(ShareBeyond(f18, *table, 0.1));
        EXPECT_TRUE(std::isnan(CsdaRangeAt(*table, 0.5)));
    }
    EXPECT_FALSE(ComputeEmitterRanges(f18, shortTable));  // the endpoint lies above its last row
    EXPECT_TRUE(ComputeEmitterRanges(Named("C-11"), kTable));
    for (const double thickness : {0.0, -0.1, std::nan("")})
        EXPECT_FALSE(ShareBeyond(f18, kTable, thickness)) << thickness;
    EXPECT_TRUE(std::isnan(CsdaRangeAt(kTable, 2000.0)));
    EXPECT_TRUE(std::isnan(CsdaRangeAt(kTable, -1.0)));
}

}  // namespace
}  // namespace velmora
