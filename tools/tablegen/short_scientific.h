// Numbers at four significant digits in an eight-character E notation: "1.234E-2", "5.678E+1".
#pragma once

#include <string>

namespace velmora::tablegen {

inline constexpr int kShortScientificWidth = 8;

// Rounds a positive finite value to four significant digits (to nearest, ties to even on the
// exact binary value) and prints it as d.dddE+d / d.dddE-d. Throws TablegenError for a value that
// is not positive and finite or whose decimal exponent lies outside -9 ... +9.
std::string FormatShortScientific(double value);

}  // namespace velmora::tablegen
