// Exact conversions between doubles and decimal text built on fast_float (reading) and fmt
// (writing, header-only), with the results of the C++ library's floating-point std::from_chars and
// std::to_chars. For C++ libraries that lack those (the WebAssembly build's libc++).
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <system_error>

#ifndef FMT_HEADER_ONLY
#define FMT_HEADER_ONLY
#endif
#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace velmora::number_libraries {

namespace detail {

inline bool HasNonzeroDigitBeforeExponent(const char* first, const char* last) {
    for (; first != last && *first != 'e' && *first != 'E'; ++first) {
        if (*first >= '1' && *first <= '9') {
            return true;
        }
    }
    return false;
}

inline std::to_chars_result Copy(char* first, char* last, const char* text, std::size_t size) {
    if (static_cast<std::size_t>(last - first) < size) {
        return {last, std::errc::value_too_large};
    }
    std::memcpy(first, text, size);
    return {first + size, std::errc{}};
}

// chars_format::scientific with a few digits, from the shortest digits that read back as the
// value (fmt's Dragonbox, several times faster than the exact conversion). When those digits are
// at least precision + 3, no decimal of precision + 2 significant digits lies between them and the
// value (it would read back as the value too, and be shorter), so no rounding midpoint lies
// between them either: both round alike, and never to a tie. Otherwise (or for zero, infinities,
// NaN) returns false and writes nothing.
inline bool ScientificFromShortest(char*& out, char* last, double value, int precision) {
    if (!std::isfinite(value) || value == 0.0 || precision < 0 || precision > 14) {
        return false;
    }
    const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(value));
    char digits[24];
    int count = 0;
    for (auto rest = decimal.significand; rest != 0; rest /= 10) {
        digits[count++] = static_cast<char>('0' + rest % 10);
    }
    std::reverse(digits, digits + count);
    int exponent = decimal.exponent + count - 1;
    while (digits[count - 1] == '0') {
        --count;
    }
    if (count < precision + 3) {
        return false;
    }
    // The digits after the kept ones hold more than a trailing zero: '5' and above round up.
    if (digits[precision + 1] >= '5') {
        int k = precision;
        for (; k >= 0 && digits[k] == '9'; --k) {
            digits[k] = '0';
        }
        if (k < 0) {
            digits[0] = '1';
            ++exponent;
        } else {
            ++digits[k];
        }
    }
    char text[48];
    char* end = text;
    if (std::signbit(value)) {
        *end++ = '-';
    }
    *end++ = digits[0];
    if (precision > 0) {
        *end++ = '.';
        end = std::copy(digits + 1, digits + 1 + precision, end);
    }
    *end++ = 'e';
    *end++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) {
        *end++ = static_cast<char>('0' + magnitude / 100);
    }
    *end++ = static_cast<char>('0' + magnitude / 10 % 10);
    *end++ = static_cast<char>('0' + magnitude % 10);
    if (last - out < end - text) {
        return false;
    }
    out = std::copy(text, end, out);
    return true;
}

}  // namespace detail

// The decimal form of std::from_chars (chars_format::general). Like GCC's library, reports
// result_out_of_range, leaving value untouched, when the nearest double is an infinity, or zero
// for digits that are not all zero.
inline std::from_chars_result from_chars(const char* first, const char* last, double& value) {
    double parsed = 0.0;
    const auto result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc{}) {
        return {result.ptr, result.ec};
    }
    if (std::isinf(parsed) ||
        (parsed == 0.0 && detail::HasNonzeroDigitBeforeExponent(first, result.ptr))) {
        return {result.ptr, std::errc::result_out_of_range};
    }
    value = parsed;
    return {result.ptr, std::errc{}};
}

// chars_format::fixed or ::scientific with a precision: the exact value rounded to nearest, ties
// to even, as printf's %.*f and %.*e write it.
// Written straight into the caller's buffer (no string is allocated: the web page formats five
// numbers for each of up to 100,000 energies).
inline std::to_chars_result to_chars(char* first, char* last, double value,
                                     std::chars_format format, int precision) {
    if (char* out = first; format == std::chars_format::scientific &&
                           detail::ScientificFromShortest(out, last, value, precision)) {
        return {out, std::errc{}};
    }
    const auto size = static_cast<std::size_t>(last - first);
    const auto written = format == std::chars_format::scientific
                             ? fmt::format_to_n(first, size, "{:.{}e}", value, precision)
                             : fmt::format_to_n(first, size, "{:.{}f}", value, precision);
    if (written.size > size) {
        return {last, std::errc::value_too_large};
    }
    return {written.out, std::errc{}};
}

// The shortest text that reads back as the value: the fewest significant digits (fmt's
// Dragonbox gives them), written positionally or with an exponent, whichever is shorter, the
// positional form on a tie, as std::to_chars does (the lengths compared are those of the shortest
// digits).
inline std::to_chars_result to_chars(char* first, char* last, double value) {
    if (!std::isfinite(value)) {
        const char* text = std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                             : (value < 0 ? "-inf" : "inf");
        return detail::Copy(first, last, text, std::strlen(text));
    }
    std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0.0) {
        const std::string text = sign + "0";
        return detail::Copy(first, last, text.data(), text.size());
    }
    const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(value));
    const std::string digits = std::to_string(decimal.significand);
    const int count = static_cast<int>(digits.size());
    const int exponent = decimal.exponent;  // value = digits x 10^exponent

    std::string positional;
    if (exponent >= 0) {
        positional = digits + std::string(static_cast<std::size_t>(exponent), '0');
    } else if (-exponent < count) {
        positional = digits.substr(0, count + exponent) + "." + digits.substr(count + exponent);
    } else {
        positional = "0." + std::string(static_cast<std::size_t>(-exponent - count), '0') + digits;
    }
    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        scientific += "." + digits.substr(1);
    }
    const int power = exponent + count - 1;
    scientific += fmt::format("e{}{:02d}", power < 0 ? '-' : '+', power < 0 ? -power : power);
    if (scientific.size() < positional.size()) {
        const std::string text = sign + scientific;
        return detail::Copy(first, last, text.data(), text.size());
    }
    // A whole number is written with the exact digits of its value, not with zeros after the
    // shortest digits (3890112603894059008, not ...9000), as the C++ library does.
    const std::string text = exponent > 0 ? fmt::format("{:.0f}", value) : sign + positional;
    return detail::Copy(first, last, text.data(), text.size());
}

}  // namespace velmora::number_libraries
