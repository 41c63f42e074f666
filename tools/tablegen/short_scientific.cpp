// Numbers at four significant digits in an eight-character E notation: "1.234E-2", "5.678E+1".
#include "tablegen/short_scientific.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tablegen/tablegen_error.h"

namespace velmora::tablegen {

std::string FormatShortScientific(double value) {
    if (!(value > 0.0) || !std::isfinite(value)) {
        throw TablegenError("cannot print " + std::to_string(value) +
                            ": table values must be positive");
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3E", value);  // d.dddE+dd, exponent after rounding
    const std::string text(buffer);
    const std::size_t e = text.find('E');
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent < -9 || exponent > 9) {
        throw TablegenError("cannot print " + text + " in eight characters");
    }
    return text.substr(0, e + 2) + static_cast<char>('0' + std::abs(exponent));
}

}  // namespace velmora::tablegen
