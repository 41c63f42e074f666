// The library-based conversions of the WebAssembly build give the very bytes of GCC's
// std::from_chars / std::to_chars, so that the web page's numbers are the command line's.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#if __has_include(<fast_float/fast_float.h>) && __has_include(<fmt/format.h>)
#include "core/number_libraries.h"
#define VELMORA_HAVE_NUMBER_LIBRARIES 1
#endif

namespace velmora {
namespace {

#ifdef VELMORA_HAVE_NUMBER_LIBRARIES

double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Doubles of every kind: random bit patterns (subnormals included), exact binary ties at small
// precisions, and the round numbers of the tables.
std::vector<double> SampleDoubles() {
    std::vector<double> values{0.0,    -0.0, 0.125,  0.375,  2.5,
                               0.0625, 1e23, 5e-324, 1e-310, 1e300,
                               0.01,   1000, 1.81,   0.4398, 123456789012345678.0};
    std::mt19937_64 random(19);
    for (int k = 0; k < 20000; ++k) {
        const double value = FromBits(random());
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int k = 0; k < 20000; ++k) {
        values.push_back(std::pow(10.0, exponent(random)));
    }
    for (int k = 1; k < 2000; ++k) {
        values.push_back(k / 1024.0);  // exact ties once rounded to a few decimals
    }
    // Decimals of few digits, on and beside the midpoints of a rounding to fewer, with a carry
    // into the next power (9.9995, 0.099995): the shortest digits are few there.
    std::uniform_int_distribution<int> digits(1, 99999);
    for (int k = 0; k < 20000; ++k) {
        const double value = digits(random) * std::pow(10.0, static_cast<int>(exponent(random)));
        values.insert(values.end(),
                      {value, std::nextafter(value, 0.0), std::nextafter(value, 1e300)});
    }
    for (const double nines : {9.9995, 0.099995, 99999.5, 9.99995e-7, 1.2345e-100, 9.9999999e99}) {
        values.insert(values.end(),
                      {nines, std::nextafter(nines, 0.0), std::nextafter(nines, 1e300)});
    }
    return values;
}

using Writer = std::to_chars_result (*)(char*, char*, double, std::chars_format, int);

std::string Written(Writer write, double value, std::chars_format format, int precision) {
    std::array<char, 700> buffer{};
    const auto result =
        write(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return result.ec == std::errc{} ? std::string(buffer.data(), result.ptr) : "(error)";
}

std::to_chars_result StdWrite(char* first, char* last, double value, std::chars_format format,
                              int precision) {
    return std::to_chars(first, last, value, format, precision);
}

TEST(PortableNumbers, WritingGivesTheStandardLibrarysText) {
    for (const double value : SampleDoubles()) {
        std::array<char, 64> expected{}, actual{};
        const auto e = std::to_chars(expected.data(), expected.data() + expected.size(), value);
        const auto a =
            number_libraries::to_chars(actual.data(), actual.data() + actual.size(), value);
        ASSERT_EQ(std::string(expected.data(), e.ptr), std::string(actual.data(), a.ptr)) << value;
        for (const int precision : {0, 1, 2, 3, 4, 5, 6, 13, 14, 15, 16, 17, 40}) {
            ASSERT_EQ(Written(StdWrite, value, std::chars_format::scientific, precision),
                      Written(number_libraries::to_chars, value, std::chars_format::scientific,
                              precision))
                << value << " scientific " << precision;
            if (std::fabs(value) < 1e200) {
                ASSERT_EQ(
                    Written(StdWrite, value, std::chars_format::fixed, precision),
                    Written(number_libraries::to_chars, value, std::chars_format::fixed, precision))
                    << value << " fixed " << precision;
            }
        }
    }
}

TEST(PortableNumbers, ReadingGivesTheStandardLibrarysValueAndStatus) {
    std::vector<std::string> texts{"1",
                                   "0.5",
                                   ".5",
                                   "5.",
                                   "1e400",
                                   "1e-400",
                                   "4e-324",
                                   "2e-324",
                                   "2.5e-324",
                                   "0e999",
                                   "00000",
                                   "1e",
                                   "1e+",
                                   "x",
                                   "-1.5E+03",
                                   "1.7976931348623157e308",
                                   "1.7976931348623159e308",
                                   "0.000000000000000000000000000001e-300"};
    std::mt19937_64 random(20);
    for (int k = 0; k < 20000; ++k) {
        std::array<char, 64> buffer{};
        const double value = FromBits(random());
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, static_cast<int>(k % 25));
        texts.emplace_back(buffer.data(), end.ptr);
    }
    for (const std::string& text : texts) {
        double expected = -7.0, actual = -7.0;
        const char* first = text.data();
        const char* last = first + text.size();
        const auto e = std::from_chars(first, last, expected);
        const auto a = number_libraries::from_chars(first, last, actual);
        ASSERT_EQ(e.ec, a.ec) << text;
        ASSERT_EQ(e.ptr, a.ptr) << text;
        if (e.ec == std::errc{}) {
            ASSERT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0) << text;
        }
    }
}

#else

TEST(PortableNumbers, WritingGivesTheStandardLibrarysText) {
    GTEST_SKIP() << "fast_float and fmt are not installed (libfast-float-dev, libfmt-dev)";
}

#endif

}  // namespace
}  // namespace velmora
