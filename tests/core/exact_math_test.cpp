// Tests of the core's own exp and log: correctly rounded against quadruple precision over the
// arguments the interpolation meets and over the whole double range, within one unit in the last
// place of the C library's, and the special values.
#include "core/exact_math.h"

#include <gtest/gtest.h>

#include "core/energy_query.h"
#include "core/range_query.h"
#include "sample_table.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#ifdef VELMORA_HAVE_QUADMATH
#include <quadmath.h>
#endif

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::int64_t UlpsApart(double a, double b) {
    const auto ordered = [](double x) {
        const auto bits = std::bit_cast<std::int64_t>(x);
        return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
    };
    const std::int64_t d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

struct Sample {
    std::string name;
    std::vector<double> arguments;
};

// Arguments spread as the interpolation takes logarithms (energies 1e-4..1e4 MeV, table values
// 1e-6..1e5, numbers near 1) and exponentials (differences of those logarithms), plus the whole
// range of each function.
std::vector<Sample> LogSamples() {
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Sample energies{"energies 1e-4..1e4", {}}, values{"values 1e-6..1e5", {}},
        nearOne{"near 1", {}}, whole{"every positive double", {}};
    for (int k = 0; k < 150000; ++k) {
        energies.arguments.push_back(std::pow(10.0, -4.0 + 8.0 * unit(random)));
        values.arguments.push_back(std::pow(10.0, -6.0 + 11.0 * unit(random)));
    }
    for (int k = 0; k < 30000; ++k) {
        const double offset = std::ldexp(unit(random) - 0.5, -static_cast<int>(k % 50));
        nearOne.arguments.push_back(1.0 + offset);
        // The two intervals whose logarithm is the series of x - 1 alone, at their full width.
        nearOne.arguments.push_back(1.0 - 0x1p-8 + 0x1.8p-7 * unit(random));
        // Bit patterns of positive doubles, subnormals included.
        const std::uint64_t bits = random() % 0x7ff0000000000000;
        whole.arguments.push_back(std::bit_cast<double>(bits));
    }
    // Found by a search with quadruple precision: results within 2^-23 of a last place from a
    // halfway point, where a too small error bound of the fast path shows.
    const Sample nearHalfway{"near halfway points",
                             {0x1.3ec567ea03879p-7, 0x1.402052770aeaep+13, 0x1.37be38ea2857ep+11,
                              0x1.2dbe33018c916p-10}};
    return {energies, values, nearOne, whole, nearHalfway};
}

std::vector<Sample> ExpSamples() {
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Sample differences{"differences of logarithms -26..26", {}}, small{"tiny", {}},
        whole{"-745..709.78", {}}, belowNormal{"just below the smallest normal", {}};
    for (int k = 0; k < 250000; ++k) {
        differences.arguments.push_back(-26.0 + 52.0 * unit(random));
    }
    for (int k = 0; k < 30000; ++k) {
        small.arguments.push_back(std::ldexp(unit(random) - 0.5, -static_cast<int>(k % 60)));
        whole.arguments.push_back(-745.0 + (709.78 + 745.0) * unit(random));
    }
    for (int k = 0; k < 10000; ++k) {
        belowNormal.arguments.push_back(-709.2 + unit(random));  // e^x near 2^-1022
    }
    const Sample nearHalfway{"near halfway points",
                             {-0x1.15d9c79289d5p+3, 0x1.1320bd31b6034p+3, -0x1.634c50298ab68p+2}};
    return {differences, small, whole, belowNormal, nearHalfway};
}

struct Function {
    std::string name;
    std::function<double(double)> exact;
    std::function<double(double)> library;
#ifdef VELMORA_HAVE_QUADMATH
    std::function<__float128(__float128)> quad;
#endif
    std::vector<Sample> samples;
};

std::vector<Function> Functions() {
    return {
        {"log", ExactLog, [](double x) { return std::log(x); },
#ifdef VELMORA_HAVE_QUADMATH
         [](__float128 x) { return logq(x); },
#endif
         LogSamples()},
        {"exp", ExactExp, [](double x) { return std::exp(x); },
#ifdef VELMORA_HAVE_QUADMATH
         [](__float128 x) { return expq(x); },
#endif
         ExpSamples()},
    };
}

// Every result equals quadruple precision's rounded to double (the reference is some 2^-60
// closer than a double's last place, so a disagreement is a wrong result, not a hard case), and
// is within one unit in the last place of the C library's.
TEST(ExactMathTest, CorrectlyRoundedAndWithinOneUlpOfTheLibrary) {
    for (const Function& f : Functions()) {
        for (const Sample& sample : f.samples) {
            int wrong = 0, differFromLibrary = 0;
            for (const double x : sample.arguments) {
                const double mine = f.exact(x);
                const double library = f.library(x);
                if (mine != library) {
                    ++differFromLibrary;
                }
                ASSERT_LE(UlpsApart(mine, library), 1) << f.name << "(" << x << ")";
#ifdef VELMORA_HAVE_QUADMATH
                const double reference = static_cast<double>(f.quad(x));
                if (std::bit_cast<std::uint64_t>(mine) != std::bit_cast<std::uint64_t>(reference) &&
                    ++wrong <= 5) {
                    ADD_FAILURE() << f.name << "(" << std::hexfloat << x << ") = " << mine
                                  << ", correctly rounded " << reference << std::defaultfloat;
                }
#endif
            }
            EXPECT_EQ(wrong, 0) << f.name << ", " << sample.name;
            std::cout << f.name << ", " << sample.name << ": " << sample.arguments.size()
                      << " arguments, " << differFromLibrary << " differ from the C library's\n";
        }
    }
}

// Special and exact values, and the rounding at the ends of exp's range.
TEST(ExactMathTest, SpecialAndExactValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double tiny = std::numeric_limits<double>::denorm_min();
    const struct {
        double x, log, exp;
    } cases[] = {
        {0.0, -kInf, 1.0},
        {-0.0, -kInf, 1.0},
        {1.0, 0.0, 0x1.5bf0a8b145769p+1},
        {2.0, 0x1.62e42fefa39efp-1, 0x1.d8e64b8d4ddaep+2},
        {-1.0, nan, 0x1.78b56362cef38p-2},
        {kInf, kInf, kInf},
        {-kInf, nan, 0.0},
        {nan, nan, nan},
        {709.79, 0x1.a428745f620cep+2, kInf},  // beyond ln of the largest double
        {-745.0, nan, tiny},                   // e^-745 is 0.57 of the smallest subnormal
        {-745.2, nan, 0.0},                    // below half of it
    };
    for (const auto& c : cases) {
        const double log = ExactLog(c.x), exp = ExactExp(c.x);
        EXPECT_TRUE(std::isnan(c.log) ? std::isnan(log) : log == c.log) << "log " << c.x;
        EXPECT_TRUE(std::isnan(c.exp) ? std::isnan(exp) : exp == c.exp) << "exp " << c.x;
    }
    EXPECT_GT(ExactExp(709.78), 0.99 * std::numeric_limits<double>::max());
    EXPECT_LT(ExactExp(709.78), kInf);
    // ln 2^k for every binade, subnormals included: k ln 2 rounded once.
    for (int k = -1074; k <= 1023; ++k) {
        const double power = std::ldexp(1.0, k);
#ifdef VELMORA_HAVE_QUADMATH
        ASSERT_EQ(ExactLog(power), static_cast<double>(k * logq(static_cast<__float128>(2)))) << k;
#else
        ASSERT_LE(UlpsApart(ExactLog(power), std::log(power)), 1) << k;
#endif
    }
}

#ifdef VELMORA_HAVE_QUADMATH
double RoundedLog(double x) {
    return static_cast<double>(logq(x));
}

double RoundedExp(double x) {
    return static_cast<double>(expq(x));
}

// The forward and inverse interpolation are their fixed steps with every log and exp correctly
// rounded, so that every target gives these bits; the C library's functions would not.
TEST(ExactMathTest, InterpolationStepsUseCorrectlyRoundedLogAndExp) {
    const MaterialTable table = SampleTable();
    const TableColumn* columns[] = {&table.CollisionSP, &table.RadiativeSP, &table.TotalSP,
                                    &table.CsdaRange};
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int k = 0; k < 30000; ++k) {
        const double energy = std::pow(10.0, -2.0 + 5.0 * unit(random));
        const QuantitiesAtEnergy q = *InterpolateAtEnergy(table, energy);
        const double values[] = {q.collision, q.radiative, q.total, q.csdaRange};
        int upper = 1;
        while (table.EnergyMeV[upper] < energy) {
            ++upper;
        }
        const double e1 = RoundedLog(table.EnergyMeV[upper]);
        const double e0 = RoundedLog(table.EnergyMeV[upper - 1]);
        const double x = RoundedLog(energy);
        for (int c = 0; c < 4; ++c) {
            const double a = RoundedLog((*columns[c])[upper]);
            const double b = RoundedLog((*columns[c])[upper - 1]);
            ASSERT_EQ(values[c], RoundedExp(a - (a - b) * (e1 - x) / (e1 - e0)))
                << energy << " " << c;
        }
        const double range = table.CsdaRange[1] * std::pow(1e5, unit(random));
        upper = 1;
        while (table.CsdaRange[upper] < range) {
            ++upper;
        }
        const double a = RoundedLog(table.CsdaRange[upper]);
        const double b = RoundedLog(table.CsdaRange[upper - 1]);
        const double y = RoundedLog(range);
        const double f1 = RoundedLog(table.EnergyMeV[upper]);
        const double f0 = RoundedLog(table.EnergyMeV[upper - 1]);
        const double e = RoundedExp(f1 - (a - y) * (f1 - f0) / (a - b));
        ASSERT_EQ(*EnergyForCsdaRange(table, range),
                  std::clamp(e, table.EnergyMeV[upper - 1], table.EnergyMeV[upper]))
            << range;
    }
}
#endif

}  // namespace
}  // namespace velmora
