// Tests of the number patterns, the reading of typed numbers and the plain number text.
#include "core/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

struct FormatCase {
    double value;
    std::string_view pattern;
    std::string_view expected;
};

void CheckFormat(const FormatCase* first, const FormatCase* last) {
    for (const FormatCase* c = first; c != last; ++c) {
        EXPECT_EQ(FormatPattern(c->value, c->pattern), c->expected) << "value " << c->value
                                                                    << " (%.17g: " <<
            [&] {
                char b[40];
                std::snprintf(b, sizeof b, "%.17g", c->value);
                return std::string(b);
            }() << ") pattern \"" << c->pattern << "\"";
    }
}

template <size_t N>
void CheckFormat(const FormatCase (&cases)[N]) {
    CheckFormat(cases, cases + N);
}

// ---------------------------------------------------------------------------------------------
// FormatPattern, the documented examples, pattern by pattern

TEST(FormatPatternTest, DensityCaptionPattern) {
    const FormatCase cases[] = {
        {2.6989, "#0.000###", "2.6989"},
        {0.00120479, "#0.000###", "0.001205"},
        {19.32, "#0.000###", "19.320"},
        {1, "#0.000###", "1.000"},
        {0, "#0.000###", "0.000"},
        {7.874, "#0.000###", "7.874"},
        {11.3437, "#0.000###", "11.3437"},
        {1234.5678, "#0.000###", "1234.5678"},
        {0.123456789, "#0.000###", "0.123457"},
        {0.0000004, "#0.000###", "0.000"},  // rounds to 0.000000, trailing zeros cut to three
        {0.0000005, "#0.000###", "0.000"},  // 4.99999...e-7: below half, so 0.000000, cut
        {0.0000006, "#0.000###", "0.000001"},
        {0.0000015, "#0.000###", "0.000002"},  // 1.50000...038e-6: just above half, so up
        {0.0009999996, "#0.000###", "0.001"},  // carry through the fraction, then zeros cut
        {9.9999996, "#0.000###", "10.000"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, DensityBoxPattern) {
    const FormatCase cases[] = {
        {2.6989, "#0.000", "2.699"},
        {0.00120479, "#0.000", "0.001"},
        {7.874, "#0.000", "7.874"},
        {0.5, "#0.000", "0.500"},
        {0, "#0.000", "0.000"},
        {22.57, "#0.000", "22.570"},
        {9.9996, "#0.000", "10.000"},
        {999.9999, "#0.000", "1000.000"},
        {1.0005, "#0.000", "1.000"},  // the double is 1.000499999...: below half
        {0.0005, "#0.000", "0.001"},  // the double is 0.000500000...01: above half
        {0.0004999, "#0.000", "0.000"},
        {2.675, "#0.000", "2.675"},
        {123456789.0, "#0.000", "123456789.000"},
        {1e20, "#0.000", "100000000000000000000.000"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, MeanExcitationEnergyPattern) {
    const FormatCase
        cases[] =
            {
                {166, "##0.0", "166.0"},     {85.7, "##0.0", "85.7"},
                {1000, "##0.0", "1000.0"},   {99.96, "##0.0", "100.0"},
                {99.95, "##0.0", "100.0"},  // the double is 99.95000000000000284: above half
                {0.35, "##0.0", "0.3"},     // the double is 0.34999999999999997780: below half
                {0.05, "##0.0", "0.1"},      {0.04, "##0.0", "0.0"},
                {0, "##0.0", "0.0"},         {19.2, "##0.0", "19.2"},
                {999.95, "##0.0", "1000.0"}, {9999.96, "##0.0", "10000.0"},
            };
    CheckFormat(cases);
}

TEST(FormatPatternTest, QueryResultPattern) {
    const FormatCase cases[] = {
        {0.01, "0.000E+00", "1.000E-02"},
        {1000, "0.000E+00", "1.000E+03"},
        {2.34561, "0.000E+00", "2.346E+00"},
        {9.9996, "0.000E+00", "1.000E+01"},
        {9.9994, "0.000E+00", "9.999E+00"},
        {9.9995, "0.000E+00", "9.999E+00"},  // the double is 9.99949999...: below half
        {0, "0.000E+00", "0.000E+00"},
        {1, "0.000E+00", "1.000E+00"},
        {1.5, "0.000E+00", "1.500E+00"},
        {0.1, "0.000E+00", "1.000E-01"},
        {12.34, "0.000E+00", "1.234E+01"},
        {0.00099996, "0.000E+00", "1.000E-03"},
        {99996, "0.000E+00", "1.000E+05"},
        {1e-10, "0.000E+00", "1.000E-10"},
        {4.2e25, "0.000E+00", "4.200E+25"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, TableEnergyPattern) {
    const FormatCase cases[] = {
        {0.1, "0.0000E+00", "1.0000E-01"},
        {10, "0.0000E+00", "1.0000E+01"},
        {9.99996, "0.0000E+00", "1.0000E+01"},
        {9.99995, "0.0000E+00", "1.0000E+01"},  // the double is 9.9999500000000001: above half
        {0, "0.0000E+00", "0.0000E+00"},
        {2.34561, "0.0000E+00", "2.3456E+00"},
        {0.00123456, "0.0000E+00", "1.2346E-03"},
        {50.01, "0.0000E+00", "5.0010E+01"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, PatternsWithLeadingBlanks) {
    const FormatCase cases[] = {
        {2.34561, "  0.0000E+00", "  2.3456E+00"}, {0.00123456, "  0.0000E+00", "  1.2346E-03"},
        {0, "  0.0000E+00", "  0.0000E+00"},       {0.00123456, " 0.0000E+00", " 1.2346E-03"},
        {1000, " 0.0000E+00", " 1.0000E+03"},      {0.1, " 0.0000E+00", " 1.0000E-01"},
        {0, " 0.0000E+00", " 0.0000E+00"},         {9.99996, " 0.0000E+00", " 1.0000E+01"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, OutputLengthsWithTwoDigitExponents) {
    const double values[] = {0, 1e-99, 0.00123456, 1, 2.34561, 9.99996, 1000, 9.9e99};
    for (double v : values) {
        EXPECT_EQ(FormatPattern(v, "0.000E+00").size(), 9u) << v;
        EXPECT_EQ(FormatPattern(v, "0.0000E+00").size(), 10u) << v;
        EXPECT_EQ(FormatPattern(v, "  0.0000E+00").size(), 12u) << v;
        EXPECT_EQ(FormatPattern(v, " 0.0000E+00").size(), 11u) << v;
    }
}

TEST(FormatPatternTest, ListRowOfTheTableWindow) {
    // A table-window row: energy 0.1, collision 2.34561, radiative 0.00123456 give a row of 34
    // characters.
    const std::string row = FormatPattern(0.1, "0.0000E+00") +
                            FormatPattern(2.34561, "  0.0000E+00") +
                            FormatPattern(0.00123456, "  0.0000E+00");
    EXPECT_EQ(row, "1.0000E-01  2.3456E+00  1.2346E-03");
    EXPECT_EQ(row.size(), 34u);
}

// ---------------------------------------------------------------------------------------------
// FormatPattern, exponents

TEST(FormatPatternTest, ThreeDigitExponentsAndExtremes) {
    const FormatCase cases[] = {
        {1e-100, "0.000E+00", "1.000E-100"},
        {1e100, "0.000E+00", "1.000E+100"},
        {9.9996e99, "0.000E+00", "1.000E+100"},  // the carry makes the exponent three digits
        {9.9996e-100, "0.000E+00", "1.000E-99"},
        {1e-99, "0.000E+00", "1.000E-99"},
        {1.5e300, " 0.0000E+00", " 1.5000E+300"},
        {kMax, "0.000E+00", "1.798E+308"},
        {kMax, "0.0000E+00", "1.7977E+308"},
        {kDenormMin, "0.000E+00", "4.941E-324"},
        {2.2250738585072014e-308, "0.000E+00", "2.225E-308"},
        {1e-300, "#0.000###", "0.000"},
    };
    CheckFormat(cases);
}

// ---------------------------------------------------------------------------------------------
// FormatPattern, exact ties: rounded away from zero

TEST(FormatPatternTest, ExactTiesRoundAwayFromZero) {
    const FormatCase cases[] = {
        {0.0625, "#0.000", "0.063"},  // 1/16
        {0.1875, "#0.000", "0.188"},
        {1.0625, "#0.000", "1.063"},
        {0.3125, "#0.000", "0.313"},
        {0.9995117187500000, "#0.000", "1.000"},  // 0.99951171875 is not a tie: above half
        {0.25, "##0.0", "0.3"},
        {0.75, "##0.0", "0.8"},
        {999.25, "##0.0", "999.3"},
        {0.0078125, "#0.000###", "0.007813"},  // 1/128, seven decimals: a tie
        {0.9999995, "#0.000###", "1.000"},     // 0.99999950000000003: above half
        {1.0625, "0.000E+00", "1.063E+00"},
        {1.0625, "0.0E+00", "1.1E+00"},
        {12345, "0.000E+00", "1.235E+04"},  // integer ties
        {123450, "0.000E+00", "1.235E+05"},
        {99995, "0.000E+00", "1.000E+05"},  // tie with carry into the exponent
        {999995, "0.0000E+00", "1.0000E+06"},
        {0.00048828125, "0.000E+00", "4.883E-04"},  // 2^-11 = 4.8828125e-4
        {2.5, "0E+00", "3E+00"},
        {3.5, "0E+00", "4E+00"},
        {0.5, "#0", "1"},
        {1.5, "#0", "2"},
        {2.5, "#0", "3"},
    };
    CheckFormat(cases);
}

// The reference for ties: k / 16 has exactly four decimals; rounding to three, halves up.
TEST(FormatPatternTest, SixteenthsAgainstIntegerReference) {
    for (std::int64_t k = 0; k <= 200000; ++k) {
        const std::int64_t units = (k * 625 + 5) / 10;  // thousandths, halves away from zero
        char expected[40];
        std::snprintf(expected, sizeof expected, "%lld.%03lld",
                      static_cast<long long>(units / 1000), static_cast<long long>(units % 1000));
        ASSERT_EQ(FormatPattern(static_cast<double>(k) / 16, "#0.000"), expected) << k;
    }
}

// The reference for integer ties: an integer of five digits to four significant digits.
TEST(FormatPatternTest, IntegersAgainstIntegerReference) {
    for (std::int64_t n = 10000; n <= 99999; ++n) {
        std::int64_t rounded = (n + 5) / 10;  // four digits, halves away from zero
        int exponent = 4;
        if (rounded == 10000) {
            rounded = 1000;
            exponent = 5;
        }
        char expected[40];
        std::snprintf(expected, sizeof expected, "%lld.%03lldE+%02d",
                      static_cast<long long>(rounded / 1000),
                      static_cast<long long>(rounded % 1000), exponent);
        ASSERT_EQ(FormatPattern(static_cast<double>(n), "0.000E+00"), expected) << n;
    }
}

// Away from ties every value is rounded to nearest by its exact binary value, as glibc's printf
// does; random doubles of every magnitude are practically never ties.
TEST(FormatPatternTest, RandomValuesAgainstPrintf) {
    std::mt19937_64 random(20240521);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 307);
    std::uniform_int_distribution<int> small_exponent(-8, 4);
    char expected[512];
    for (int k = 0; k < 100000; ++k) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        std::snprintf(expected, sizeof expected, "%.4E", v);
        ASSERT_EQ(FormatPattern(v, "0.0000E+00"), expected) << k;
        std::snprintf(expected, sizeof expected, "%.3E", v);
        ASSERT_EQ(FormatPattern(v, "0.000E+00"), expected) << k;

        const double w = mantissa(random) * std::pow(10.0, small_exponent(random));
        std::snprintf(expected, sizeof expected, "%.3f", w);
        ASSERT_EQ(FormatPattern(w, "#0.000"), expected) << k;
        std::snprintf(expected, sizeof expected, "%.1f", w);
        ASSERT_EQ(FormatPattern(w, "##0.0"), expected) << k;
    }
}

// ---------------------------------------------------------------------------------------------
// FormatPattern, values the program never passes, and other pattern forms

TEST(FormatPatternTest, NegativeValuesGetALeadingMinus) {
    const FormatCase cases[] = {
        {-2.5, "0.000E+00", "-2.500E+00"},
        {-1000, " 0.0000E+00", " -1.0000E+03"},
        {-9.9996, "0.000E+00", "-1.000E+01"},
        {-0.0625, "#0.000", "-0.063"},  // ties away from zero on both sides
        {-12345, "0.000E+00", "-1.235E+04"},
        {-99.96, "##0.0", "-100.0"},
        {-0.0001, "#0.000", "0.000"},  // no minus before a result of zero
        {-0.0, "#0.000", "0.000"},
        {-0.0, "0.000E+00", "0.000E+00"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, NonFiniteValues) {
    const FormatCase cases[] = {
        {kNaN, "0.000E+00", "NaN"},     {kInf, "0.000E+00", "Infinity"},
        {-kInf, "#0.000", "-Infinity"}, {kInf, "  0.0000E+00", "  Infinity"},
        {kNaN, " 0.0000E+00", " NaN"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, OtherWellFormedPatterns) {
    const FormatCase cases[] = {
        {2.5, "0.00E+000", "2.50E+000"},
        {1e-100, "0.00E+000", "1.00E-100"},
        {1234.5, "0E+00", "1E+03"},
        {166.4, "#0", "166"},
        {0.4, "#0", "0"},
        {0.5, "#.000", ".500"},
        {7, "000.0", "007.0"},
        {7.25, "0.0#", "7.25"},
        {7.2, "0.0#", "7.2"},
        {7, "0.##", "7."},
        {3.14159, "   0.00", "   3.14"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, UnsupportedPatternsGiveNumberText) {
    const FormatCase cases[] = {
        {2.5, "", "2.5"},
        {2.5, "abc", "2.5"},
        {2.5, "0.000E", "2.5"},
        {2.5, "0.000E-00", "2.5"},
        {2.5, "0.000E+", "2.5"},
        {2.5, "00.000E+00", "2.5"},
        {2.5, "0.00#E+00", "2.5"},
        {2.5, "0.0#0", "2.5"},
        {2.5, "0.000 ", "2.5"},
        {2.5, "0,000.0", "2.5"},
        {2.5, ".", "2.5"},
        {2.5, "0.00000000000000000000000000000000000000000", "2.5"},  // 41 decimals
        {kNaN, "x", "NaN"},
    };
    CheckFormat(cases);
}

TEST(FormatPatternTest, ManyDecimals) {
    EXPECT_EQ(FormatPattern(0.1, "0.0000000000000000000000000000000000000000"),
              "0.1000000000000000055511151231257827021182");
    EXPECT_EQ(FormatPattern(0.1, "0.0000000000000000000000000000000000000000E+00"),
              "1.0000000000000000555111512312578270211816E-01");
    EXPECT_EQ(FormatPattern(kMax, "#0.0000000000000000000000000000000000000000").size(),
              309u + 1u + 40u);
}

// ---------------------------------------------------------------------------------------------
// ReadNumber

struct ReadCase {
    std::string_view text;
    double expected;
};

TEST(ReadNumberTest, DocumentedExamples) {
    const ReadCase cases[] = {
        {"", 0},       {"abc", 0},     {" ", 0},        {" 0.1 ", 0.1}, {"-0.1", -0.1},
        {"1E3", 1000}, {"10 MeV", 10}, {"1 000", 1000}, {".5", 0.5},    {"2.5MeV", 2.5},
        {"1,5", 1},    {"1e3", 1000},  {"-", 0},        {".", 0},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ReadNumberTest, Grammar) {
    const ReadCase cases[] = {
        {"0.1", 0.1},   {"+5", 5},       {"-.5", -0.5},  {"+.5", 0.5}, {"5.", 5},
        {"5.e2", 500},  {"00012", 12},   {"1.2.3", 1.2}, {"1e", 1},    {"1e+", 1},
        {"1e-", 1},     {"1E-2", 0.01},  {"1e+2", 100},  {"1e+-3", 1}, {"1ee3", 1},
        {"e5", 0},      {".e5", 0},      {"-e5", 0},     {"--1", 0},   {"+-1", 0},
        {"-+1", 0},     {"1-2", 1},      {"1+2", 1},     {"0.000", 0}, {"123.456", 123.456},
        {"0.01", 0.01}, {"1000", 1000},  {"1E03", 1000}, {"1e-0", 1},  {"12abc", 12},
        {"abc12", 0},   {"$5", 0},       {"0x10", 0},    {"inf", 0},   {"-inf", 0},
        {"nan", 0},     {"Infinity", 0}, {"1d3", 1},     {"１", 0},    {"1;2", 1},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ReadNumberTest, BlanksTabsAndLineFeedsAreRemovedEverywhere) {
    const ReadCase cases[] = {
        {"1 000", 1000},
        {"1\t0\n0", 100},
        {" - 0 . 1 ", -0.1},
        {"1 e 3", 1000},
        {"1e - 2", 0.01},
        {"\n\t 7", 7},
        {"2.5 MeV", 2.5},
        {"1 e MeV", 1},
        {"1 2 3 . 4 5", 123.45},
        // Only these three: a carriage return, a no-break space or a full-width blank ends it.
        {"1\r000", 1},
        {"\r1", 0},
        {"1\xC2\xA0"
         "000",
         1},
        {"1\xE3\x80\x80"
         "000",
         1},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ReadNumberTest, ConversionIsExact) {
    const ReadCase cases[] = {
        {"0.1", 0.1},
        {"2.6989", 2.6989},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"0.30000000000000004", 0.30000000000000004},
        {"1.7976931348623157e308", kMax},
        {"4.9406564584124654e-324", kDenormMin},
        {"1e-310", 1e-310},
        {"2.2250738585072014E-308", 2.2250738585072014e-308},
        {"9007199254740993", 9007199254740992.0},  // halfway between doubles: to even
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.expected) << '"' << c.text << '"';
    }
    // A very long text, past the stack buffer.
    std::string long_text = "0." + std::string(500, '0') + "1e501";
    EXPECT_EQ(ReadNumber(long_text), 1.0);
    std::string long_digits = "1" + std::string(300, '0') + " MeV";
    EXPECT_EQ(ReadNumber(long_digits), 1e300);
    std::string blanks_inside(200, ' ');
    blanks_inside += "4";
    blanks_inside += std::string(100, '\t');
    blanks_inside += "2";
    EXPECT_EQ(ReadNumber(blanks_inside), 42);
}

TEST(ReadNumberTest, BeyondTheDoubleRange) {
    EXPECT_EQ(ReadNumber("1e999"), kInf);
    EXPECT_EQ(ReadNumber("1E+999"), kInf);
    EXPECT_EQ(ReadNumber("-1e999"), -kInf);
    EXPECT_EQ(ReadNumber("1.8e308"), kInf);
    EXPECT_EQ(ReadNumber("0.001e312"), kInf);
    EXPECT_EQ(ReadNumber("1e99999999999999999999999"), kInf);
    EXPECT_EQ(ReadNumber(std::string(400, '9')), kInf);

    EXPECT_EQ(ReadNumber("1e-999"), 0.0);
    EXPECT_FALSE(std::signbit(ReadNumber("1e-999")));
    EXPECT_EQ(ReadNumber("-1e-999"), 0.0);
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-999")));
    EXPECT_EQ(ReadNumber("2e-324"), 0.0);
    EXPECT_EQ(ReadNumber("1000e-330"), 0.0);
    EXPECT_EQ(ReadNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(ReadNumber("0e999999"), 0.0);

    // An energy query's range check sees the infinity as out of range.
    const double huge = ReadNumber("1e999");
    EXPECT_FALSE(huge >= 0.01 && huge <= 1000);
}

// ---------------------------------------------------------------------------------------------
// NumberText

struct TextCase {
    double value;
    std::string_view expected;
};

TEST(NumberTextTest, DocumentedExamples) {
    const TextCase cases[] = {
        {50.01, "50.01"},
        {5.1, "5.1"},
        {5, "5"},
        {0.25, "0.25"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
    }
}

TEST(NumberTextTest, OrdinaryMagnitudes) {
    const TextCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-5.1, "-5.1"},
        {1000, "1000"},
        {100, "100"},
        {0.5, "0.5"},
        {123.456, "123.456"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-2.0 / 3, "-0.666666666666667"},
        {123456789012345, "123456789012345"},
        {1e14, "100000000000000"},
        {12345678.9, "12345678.9"},
        {0.00001, "0.00001"},
        {0.000015, "0.000015"},
        {0.000123456789012345678, "0.000123456789012346"},
        {99999.99999999999, "100000"},
        {0.9999999999999999, "1"},
        {1000.0000000000001, "1000"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
    }
}

TEST(NumberTextTest, EndEnergiesOfCappedTables) {
    // The capped end energy: (S + 5000 x D) / 1000 with S and D in keV from the typed MeV times
    // 1000.
    const double start = 0.01 * 1000;
    const double interval = 0.01 * 1000;
    EXPECT_EQ(NumberText((start + 5000 * interval) / 1000), "50.01");
    EXPECT_EQ(NumberText((0.1 * 1000 + 5000 * (0.003 * 1000)) / 1000), "15.1");
    EXPECT_EQ(NumberText((0.3 * 1000 + 5000 * (0.07 * 1000)) / 1000), "350.3");
}

TEST(NumberTextTest, ExponentFormOutsideOrdinaryMagnitudes) {
    const TextCase cases[] = {
        {1e15, "1E+15"},
        {1e20, "1E+20"},
        {1.5e20, "1.5E+20"},
        {-1.5e20, "-1.5E+20"},
        {999999999999999.9, "1E+15"},  // fifteen digits round up to 10^15
        {1e-6, "1E-06"},
        {1e-7, "1E-07"},
        {1.2345e-7, "1.2345E-07"},
        {1e300, "1E+300"},
        {1e-300, "1E-300"},
        {kMax, "1.79769313486232E+308"},
        {kDenormMin, "4.94065645841247E-324"},
        {2.384185791015625e-7, "2.38418579101563E-07"},  // 2^-22: exact tie, away from zero
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
    }
}

TEST(NumberTextTest, NonFiniteValues) {
    EXPECT_EQ(NumberText(kNaN), "NaN");
    EXPECT_EQ(NumberText(kInf), "Infinity");
    EXPECT_EQ(NumberText(-kInf), "-Infinity");
}

// What NumberText writes reads back as the value rounded to fifteen digits, as glibc's printf
// rounds it, except for exact ties (frequent among large integers), which printf gives to the even
// digit and NumberText away from zero.
TEST(NumberTextTest, RoundTripsThroughReadNumber) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    int ties = 0;
    for (int k = 0; k < 20000; ++k) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        const std::string text = NumberText(v);
        char printed[40];
        std::snprintf(printed, sizeof printed, "%.14e", v);
        const double ours = ReadNumber(text);
        const double even = std::strtod(printed, nullptr);
        if (ours != even) {
            // Only a tie may differ: both equally far from v, ours the larger magnitude.
            ASSERT_EQ(ours - v, v - even) << text << " " << printed;
            ASSERT_GT(ours, even) << text;
            ++ties;
        }
    }
    EXPECT_LT(ties, 2000);
}

}  // namespace
}  // namespace velmora
