// Exact conversions between doubles and decimal text built on fast_float (reading) and fmt
// (writing, header-only), with the results of the C++ library's floating-point std::from_chars and
// std::to_chars. For C++ libraries that lack those (the WebAssembly build's libc++).
#pragma once

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
inline std::to_chars_result to_chars(char* first, char* last, double value,
                                     std::chars_format format, int precision) {
    const auto text = format == std::chars_format::scientific
                          ? fmt::format("{:.{}e}", value, precision)
                          : fmt::format("{:.{}f}", value, precision);
    return detail::Copy(first, last, text.data(), text.size());
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
