// Exact conversions between doubles and decimal text, bit_cast and countr_zero, for every target
// the core builds for. Where the C++ library has floating-point std::from_chars / std::to_chars
// (GCC's), these are those functions; where it does not (the WebAssembly build's libc++), the same
// results come from number_libraries.h, which tests/core/portable_numbers_test.cpp compares with
// std.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>
#include <type_traits>
#include <version>

#if !defined(__cpp_lib_to_chars)
#include "number_libraries.h"
#endif

namespace velmora::portable {

template <typename To, typename From>
To bit_cast(const From& from) {
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<From>);
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// The number of trailing zero bits of a value that is not zero (std::countr_zero).
inline int countr_zero(std::uint64_t value) {
    return __builtin_ctzll(value);
}

#if defined(__cpp_lib_to_chars)
inline std::from_chars_result from_chars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}
inline std::to_chars_result to_chars(char* first, char* last, double value,
                                     std::chars_format format, int precision) {
    return std::to_chars(first, last, value, format, precision);
}
inline std::to_chars_result to_chars(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}
#else
using number_libraries::from_chars;
using number_libraries::to_chars;
#endif

}  // namespace velmora::portable
