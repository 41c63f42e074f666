// The fixed number patterns, the reading of typed numbers and the plain number text.
// Plain functions without state; no locale, the point is always a full stop.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Formats a non-negative value by one of the program's patterns: the fixed-point patterns
// "#0.000###", "#0.000", "##0.0" and the scientific ones "0.000E+00", "0.0000E+00",
// "  0.0000E+00", " 0.0000E+00". Rounds the exact value of the double to nearest (halfway away from
// zero), with the carry into the integer part or the exponent.
//
// The pattern is parsed, not looked up: leading blanks, then '#'/'0' integer positions, then
// optionally '.' with '0's (least decimals) followed by '#'s (further decimals), then optionally
// "E+" and '0's (least exponent digits; a scientific pattern needs exactly one "0" before the point
// and no '#' after it). The exponent gets more digits when it needs them (1.000E-100). At most 40
// decimals. Any other pattern is unsupported and gives NumberText(value). Further decisions:
// - Exact ties go away from zero: 0.0625 with "#0.000" gives 0.063, 12345 with "0.000E+00"
//   1.235E+04.
// - A negative value gets a minus after the leading blanks (" -1.0000E+03"), unless it rounds to
//   zero ("0.000" for -0.0001 and for -0.0).
// - NaN and the infinities give the leading blanks, then "NaN", "Infinity" or "-Infinity".
// - A pattern with a point and '#' decimals writes the point also when no decimal remains.
std::string FormatPattern(double value, std::string_view pattern);

// Reads the leading number of a typed text after removing blanks, tabs and line feeds:
// [sign] digits [. digits] [E|e [sign] digits]. 0 when no digit leads the text. A number beyond
// the double range reads as an infinity, which every range check refuses.
//
// Only ' ', '\t' and '\n' are removed; any other character, a carriage return or a no-break space
// included, ends the number. Digits may be missing before or after the point (".5", "5.", "5.e2"),
// but the mantissa needs one digit; an E without digits after it is not part of the number ("1e",
// "1e+" read as 1). No "inf", "nan" or hexadecimal forms. The digits are converted exactly
// (std::from_chars, nearest double); a magnitude too small for a double reads as zero with the
// sign.
double ReadNumber(std::string_view text);

// The value of a text that is wholly one number in the strict form of IsDecimalNumber, converted
// as ReadNumber converts it (the nearest double; an infinity beyond the double range, which range
// checks refuse); nullopt for any other text: "1,5", "1.5MeV", " 1", "inf", the empty text. For
// numbers that a program takes from its user, where the leading part alone would be a wrong one.
std::optional<double> ParseNumber(std::string_view text);

// The value with up to 15 significant digits, no exponent for ordinary magnitudes, no trailing
// zeros (50.01, 5.1, 5, 0.25).
//
// The 15 digits are rounded from the exact value, exact ties away from zero. When the rounded
// value lies in [1E-05, 1E+15) the form is positional ("0.00001", "123456789012345", "-0.25");
// otherwise it is the mantissa's digits and an exponent of at least two digits ("1E+15",
// "1.5E+20", "1E-06", "1.2345E-07"). Zero, also -0, gives "0"; NaN and the infinities give "NaN",
// "Infinity" and "-Infinity".
std::string NumberText(double value);

// Whether the whole text is one number: [sign] digits [. digits] [E|e [sign] digits], with at
// least one digit before the exponent (".5" and "5." included). "inf", "nan", hexadecimal,
// decimal commas and trailing characters are not numbers. The form of a number in a material file.
bool IsDecimalNumber(std::string_view text);

}  // namespace velmora
