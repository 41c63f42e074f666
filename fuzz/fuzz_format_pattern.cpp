// Fuzz target: every number pattern on arbitrary doubles, checked by reading the text back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number_format.h"

namespace {

struct PatternCase {
    const char* pattern;
    double relativeTolerance;  // half a unit in the last digit the pattern can show
    bool scientific;
};

constexpr PatternCase kPatterns[] = {
    {"#0.000###", 0.0, false},     {"#0.000", 0.0, false},       {"##0.0", 0.0, false},
    {"0.000E+00", 5.0e-4, true},   {"0.0000E+00", 5.0e-5, true}, {"  0.0000E+00", 5.0e-5, true},
    {" 0.0000E+00", 5.0e-5, true},
};

double AbsoluteTolerance(const char* pattern) {
    const char* point = std::strchr(pattern, '.');
    const int decimals = static_cast<int>(std::strlen(point + 1));
    return 0.5 * std::pow(10.0, -decimals) * 1.000001;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double value;
    std::memcpy(&value, data, sizeof value);
    for (const PatternCase& c : kPatterns) {
        const std::string text = velmora::FormatPattern(value, c.pattern);
        if (text.empty()) {
            std::abort();
        }
        if (!std::isfinite(value) || value < 0.0 || (!c.scientific && value > 1e9)) {
            continue;
        }
        const double back = velmora::ReadNumber(text);
        if (std::isinf(back) && value > 1.79e308) {
            continue;  // the rounded text of a value next to the double maximum lies beyond it
        }
        // The rounding of the pattern plus the rounding of the decimal text back to a double.
        const double ulp = std::nextafter(value, INFINITY) - value;
        const double allowed =
            (c.scientific ? value * c.relativeTolerance * 1.000001 : AbsoluteTolerance(c.pattern)) +
            2.0 * ulp;
        if (std::fabs(back - value) > allowed) {
            std::abort();
        }
    }
    return 0;
}
