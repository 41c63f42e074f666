// Tests of the number patterns, the reading of typed numbers and the plain number text.
#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

// The texts of the values by one pattern (or by NumberText when the pattern is null), joined by
// '|', so that one line checks a row of cases.
std::string Texts(const char* pattern, std::initializer_list<double> values) {
    std::string out;
    for (double v : values) {
        out += (pattern ? FormatPattern(v, pattern) : NumberText(v)) + "|";
    }
    out.pop_back();
    return out;
}

TEST(FormatPatternTest, ProgramPatternsRoundAndCarry) {
    EXPECT_EQ(Texts("#0.000###", {2.6989, 0.00120479, 19.32, 0, 0.0000004, 0.0000006}),
              "2.6989|0.001205|19.320|0.000|0.000|0.000001");
    EXPECT_EQ(Texts("#0.000###", {0.0009999996, 9.9999996, 1e-300}), "0.001|10.000|0.000");
    EXPECT_EQ(Texts("#0.000", {2.6989, 0.5, 999.9999, 1e20}),
              "2.699|0.500|1000.000|100000000000000000000.000");
    EXPECT_EQ(Texts("##0.0", {166, 85.7, 99.96, 0.04, 9999.96}), "166.0|85.7|100.0|0.0|10000.0");
    EXPECT_EQ(Texts("0.000E+00", {0.01, 2.34561, 9.9996, 0.00099996, 0}),
              "1.000E-02|2.346E+00|1.000E+01|1.000E-03|0.000E+00");
    EXPECT_EQ(Texts("0.0000E+00", {0.1, 0.00123456, 0}), "1.0000E-01|1.2346E-03|0.0000E+00");
    EXPECT_EQ(Texts("  0.0000E+00", {2.34561, 0}), "  2.3456E+00|  0.0000E+00");
    EXPECT_EQ(Texts(" 0.0000E+00", {1000, 9.99996}), " 1.0000E+03| 1.0000E+01");
}

TEST(FormatPatternTest, ExponentsGrowAndExtremesKeepTheirDigits) {
    EXPECT_EQ(Texts("0.000E+00", {1e-100, 9.9996e99, 9.9996e-100, kDenormMin}),
              "1.000E-100|1.000E+100|1.000E-99|4.941E-324");
    EXPECT_EQ(Texts(" 0.0000E+00", {1.5e300, kMax}), " 1.5000E+300| 1.7977E+308");
    EXPECT_EQ(Texts("0.00E+000", {2.5, 1e-100}), "2.50E+000|1.00E-100");
    EXPECT_EQ(FormatPattern(0.1, "0.0000000000000000000000000000000000000000"),
              "0.1000000000000000055511151231257827021182");
    EXPECT_EQ(FormatPattern(0.1, "0.0000000000000000000000000000000000000000E+00"),
              "1.0000000000000000555111512312578270211816E-01");
    EXPECT_EQ(FormatPattern(kMax, "#0.0000000000000000000000000000000000000000").size(), 350u);
}

// Exact ties go away from zero; decimal texts that only look like ties (1.0005 is stored as
// 1.000499..., 0.0005 as 0.000500...01) round by the exact value of the double.
TEST(FormatPatternTest, ExactTiesGoAwayFromZeroAndNearTiesByTheirExactValue) {
    EXPECT_EQ(Texts("#0.000", {0.0625, 1.0625, 1.0005, 0.0005}), "0.063|1.063|1.000|0.001");
    EXPECT_EQ(Texts("##0.0", {0.25, 999.25, 0.35, 99.95}), "0.3|999.3|0.3|100.0");
    EXPECT_EQ(Texts("#0.000###", {0.0078125, 0.9999995}), "0.007813|1.000");
    EXPECT_EQ(Texts("0.000E+00", {12345, 99995, 0.00048828125, 9.9995}),
              "1.235E+04|1.000E+05|4.883E-04|9.999E+00");
    EXPECT_EQ(Texts("0.0000E+00", {999995, 9.99995}), "1.0000E+06|1.0000E+01");
    EXPECT_EQ(Texts("0E+00", {2.5, 3.5}), "3E+00|4E+00");
    EXPECT_EQ(Texts("#0", {0.5, 2.5, 0.4}), "1|3|0");
}

TEST(FormatPatternTest, SignsNonFiniteValuesAndOtherPatterns) {
    EXPECT_EQ(Texts(" 0.0000E+00", {-1000, -0.0, kNaN}), " -1.0000E+03| 0.0000E+00| NaN");
    EXPECT_EQ(Texts("#0.000", {-0.0625, -0.0001, -0.0, -kInf}), "-0.063|0.000|0.000|-Infinity");
    EXPECT_EQ(Texts("##0.0", {-99.96}), "-100.0");
    EXPECT_EQ(Texts("  0.0000E+00", {kInf}), "  Infinity");
    EXPECT_EQ(FormatPattern(0.5, "#.000"), ".500");
    EXPECT_EQ(FormatPattern(7, "000.0"), "007.0");
    EXPECT_EQ(FormatPattern(3.14159, "   0.00"), "   3.14");
    EXPECT_EQ(Texts("0.0#", {7.25, 7.2}), "7.25|7.2");
    EXPECT_EQ(FormatPattern(7, "0.##"), "7.");  // the point stays when no decimal remains
    for (const char* unsupported : {"", "abc", "0.000E", "0.000E-00", "0.000E+", "00.000E+00",
                                    "0.00#E+00", "0.0#0", "0.000 ", "0,000.0", "."}) {
        EXPECT_EQ(FormatPattern(2.5, unsupported), "2.5") << '"' << unsupported << '"';
    }
    EXPECT_EQ(FormatPattern(2.5, "0." + std::string(41, '0')), "2.5");  // more than 40 decimals
}

// Random doubles of every magnitude are practically never ties and must round to nearest by their
// exact binary value, as glibc's printf does; k/16 and five-digit integers, many of them exact
// ties, are checked against integer arithmetic that rounds halves up.
TEST(FormatPatternTest, RandomValuesAgreeWithPrintfAndTiesWithIntegerArithmetic) {
    std::mt19937_64 random(20240521);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307), smallExponent(-8, 4);
    std::uniform_int_distribution<long long> sixteenths(0, 200000), fiveDigits(10000, 99999);
    char expected[512];
    for (int k = 0; k < 20000; ++k) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        const double w = mantissa(random) * std::pow(10.0, smallExponent(random));
        for (const auto& [value, pattern, format] : {std::tuple{v, "0.0000E+00", "%.4E"},
                                                     {v, "0.000E+00", "%.3E"},
                                                     {w, "#0.000", "%.3f"},
                                                     {w, "##0.0", "%.1f"}}) {
            std::snprintf(expected, sizeof expected, format, value);
            ASSERT_EQ(FormatPattern(value, pattern), expected) << pattern;
        }
        const long long s = sixteenths(random), units = (s * 625 + 5) / 10;
        std::snprintf(expected, sizeof expected, "%lld.%03lld", units / 1000, units % 1000);
        ASSERT_EQ(FormatPattern(static_cast<double>(s) / 16, "#0.000"), expected) << s;
        const long long n = fiveDigits(random), r = (n + 5) / 10, four = r == 10000 ? 1000 : r;
        std::snprintf(expected, sizeof expected, "%lld.%03lldE+0%d", four / 1000, four % 1000,
                      r == 10000 ? 5 : 4);
        ASSERT_EQ(FormatPattern(static_cast<double>(n), "0.000E+00"), expected) << n;
    }
}

TEST(ReadNumberTest, GrammarAfterRemovingBlanksTabsAndLineFeeds) {
    const std::pair<const char*, double> cases[] = {
        {" 0.1 ", 0.1},   {"-0.1", -0.1},      {"1E3", 1000},      {"10 MeV", 10},
        {"1 000", 1000},  {".5", 0.5},         {"2.5MeV", 2.5},    {"+.5", 0.5},
        {"5.e2", 500},    {"1.2.3", 1.2},      {"1E-2", 0.01},     {"1e - 2", 0.01},
        {"1\t0\n0", 100}, {" - 0 . 1 ", -0.1}, {"2.6989", 2.6989}, {"-1e999", -kInf}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReadNumber(text), expected) << '"' << text << '"';
    }
    // No leading number (no inf, nan or hexadecimal forms), or one below the double range.
    for (const char* zero : {"", "abc", "-", ".", "e5", ".e5", "--1", "0x10", "inf", "-inf", "nan",
                             "Infinity", "１", "\r1", "2e-324", "1000e-330", "0e999999"}) {
        EXPECT_EQ(ReadNumber(zero), 0) << '"' << zero << '"';
    }
    // The number ends where the grammar does: at a comma, a carriage return, a no-break space, or
    // an E without digits.
    for (const char* one : {"1,5", "1e", "1e+", "1e+-3", "1-2", "1d3", "1\r000", "1\u00A0000"}) {
        EXPECT_EQ(ReadNumber(one), 1) << '"' << one << '"';
    }
    for (const char* huge : {"1e999", "1.8e308", "0.001e312", "1e99999999999999999999999"}) {
        EXPECT_EQ(ReadNumber(huge), kInf) << huge;
    }
    EXPECT_EQ(ReadNumber("9007199254740993"), 9007199254740992.0);  // a tie: to even, exactly
    EXPECT_EQ(ReadNumber("4.9406564584124654e-324"), kDenormMin);
    EXPECT_FALSE(std::signbit(ReadNumber("1e-999")));
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-999")));
    // Texts longer than the stack buffer for the number's characters.
    EXPECT_EQ(ReadNumber(std::string(400, '9')), kInf);
    EXPECT_EQ(ReadNumber("0." + std::string(500, '0') + "1e501"), 1);
    EXPECT_EQ(ReadNumber("1" + std::string(300, '0') + " MeV"), 1e300);
    EXPECT_EQ(ReadNumber(std::string(200, ' ') + "4" + std::string(100, '\t') + "2"), 42);
}

// ParseNumber takes a text only when all of it is one number, with ReadNumber's value.
TEST(ParseNumberTest, WholeNumbersOnlyWithTheValueReadNumberGives) {
    for (const char* number : {"1", "-0.1", "+.5", "5.", "1E3", "2.6989e-02", "1e999", "-1e-999",
                               "9007199254740993", "0001.50"}) {
        EXPECT_EQ(ParseNumber(number), std::optional(ReadNumber(number))) << number;
    }
    for (const char* wrong :
         {"", "1,5", "1.5MeV", "10 MeV", " 1", "1 ", "1 000", "1e", "1e+", "1.2.3", ".", "-", "e5",
          "inf", "nan", "0x10", "１", "1\r", "1\u00A0"}) {
        EXPECT_EQ(ParseNumber(wrong), std::nullopt) << '"' << wrong << '"';
    }
}

TEST(NumberTextTest, FifteenDigitsPositionalOrWithExponent) {
    EXPECT_EQ(Texts(nullptr, {50.01, 5.1, 5, 0.25, 0, -0.0, -5.1, 1000, 0.1 + 0.2, 2.0 / 3}),
              "50.01|5.1|5|0.25|0|0|-5.1|1000|0.3|0.666666666666667");
    EXPECT_EQ(
        Texts(nullptr, {123456789012345, 0.00001, 0.000123456789012345678, 99999.99999999999}),
        "123456789012345|0.00001|0.000123456789012346|100000");
    EXPECT_EQ(Texts(nullptr, {1e15, -1.5e20, 999999999999999.9, 1e-6, 1.2345e-7, 1e300}),
              "1E+15|-1.5E+20|1E+15|1E-06|1.2345E-07|1E+300");
    // 2^-22 is an exact tie at fifteen digits.
    EXPECT_EQ(Texts(nullptr, {kMax, kDenormMin, 2.384185791015625e-7}),
              "1.79769313486232E+308|4.94065645841247E-324|2.38418579101563E-07");
    EXPECT_EQ(Texts(nullptr, {kNaN, kInf, -kInf}), "NaN|Infinity|-Infinity");
    // End energies of capped tables, computed as the table window does.
    EXPECT_EQ(Texts(nullptr, {(0.01 * 1000 + 5000 * (0.01 * 1000)) / 1000,
                              (0.3 * 1000 + 5000 * (0.07 * 1000)) / 1000}),
              "50.01|350.3");
}

// The text reads back as the value rounded to fifteen digits as printf rounds it, except for
// exact ties, which printf gives to the even digit and NumberText away from zero.
TEST(NumberTextTest, RoundTripsThroughReadNumber) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    char printed[40];
    for (int k = 0; k < 20000; ++k) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        std::snprintf(printed, sizeof printed, "%.14e", v);
        const double ours = ReadNumber(NumberText(v)), even = std::strtod(printed, nullptr);
        if (ours != even) {
            ASSERT_EQ(ours - v, v - even) << NumberText(v) << " " << printed;
            ASSERT_GT(ours, even) << printed;
        }
    }
}

}  // namespace
}  // namespace velmora
