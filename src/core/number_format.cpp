// The fixed number patterns, the reading of typed numbers and the plain number text.
//
// Rounding. Every rounding here works on the exact binary value of the double: std::to_chars with
// an explicit precision gives the correctly rounded decimal (nearest; it resolves exact ties to the
// even digit), and the few values that lie exactly halfway are found beforehand from the binary
// representation and rounded away from zero by hand. Nothing allocates except the returned string,
// which for the program's patterns fits the small-string buffer; no locale, no iostreams.
#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>

#include "core/portable_numbers.h"

namespace velmora {

namespace {

// Patterns asking for more decimals or exponent digits than this are not supported.
constexpr int kMaxDecimals = 40;
constexpr int kMaxExponentDigits = 5;

// Large enough for any double in fixed form with kMaxDecimals + 1 decimals (309 integer digits),
// plus one spare character in front for a carry out of the leading digit.
constexpr int kBufferSize = 400;

// ---------------------------------------------------------------------------------------------
// Pattern parsing

struct Pattern {
    bool valid = false;
    bool scientific = false;
    int leading_blanks = 0;
    int min_integer_digits = 0;  // count of '0' before the point (fixed-point only)
    bool has_point = false;
    int min_decimals = 0;         // count of '0' after the point
    int max_decimals = 0;         // count of '0' and '#' after the point
    int min_exponent_digits = 0;  // count of '0' after "E+"
};

// Grammar: blank* ('#' | '0')* ['.' '0'* '#'*] ['E+' '0'+]. A scientific pattern must have exactly
// one "0" before the point and no '#' after it. Anything else is invalid.
Pattern ParsePattern(std::string_view text) {
    Pattern p;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') {
        ++p.leading_blanks;
        ++i;
    }
    int integer_positions = 0;
    bool integer_hash = false;
    while (i < n && (text[i] == '#' || text[i] == '0')) {
        if (text[i] == '0') {
            ++p.min_integer_digits;
        } else {
            integer_hash = true;
        }
        ++integer_positions;
        ++i;
    }
    if (i < n && text[i] == '.') {
        p.has_point = true;
        ++i;
        while (i < n && text[i] == '0') {
            ++p.min_decimals;
            ++i;
        }
        p.max_decimals = p.min_decimals;
        while (i < n && text[i] == '#') {
            ++p.max_decimals;
            ++i;
        }
    }
    if (i < n && text[i] == 'E') {
        if (i + 1 >= n || text[i + 1] != '+') {
            return p;
        }
        i += 2;
        while (i < n && text[i] == '0') {
            ++p.min_exponent_digits;
            ++i;
        }
        if (p.min_exponent_digits == 0 || integer_positions != 1 || integer_hash ||
            p.min_decimals != p.max_decimals) {
            return p;
        }
        p.scientific = true;
    }
    if (i != n || integer_positions + p.max_decimals == 0 || p.max_decimals > kMaxDecimals ||
        p.min_exponent_digits > kMaxExponentDigits) {
        return p;
    }
    p.valid = true;
    return p;
}

// ---------------------------------------------------------------------------------------------
// Exact ties

// A finite double above zero as m * 2^e with m odd.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};

Binary Decompose(double positive) {
    const auto bits = portable::bit_cast<std::uint64_t>(positive);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    const int zeros = portable::countr_zero(m);
    return {m >> zeros, e + zeros};
}

// The q for which the value (finite, not negative) could lie exactly halfway between two multiples
// of 10^-q: 2 * value * 10^q must be an odd integer. With value = m * 2^e (m odd) that needs e + 1
// + q = 0, and for q < 0 also m divisible by 5^-q. Returns false when no such q exists.
bool TieScale(double positive, int& q) {
    if (positive == 0) {
        return false;
    }
    const Binary b = Decompose(positive);
    q = -(b.exponent + 1);
    std::uint64_t m = b.mantissa;
    for (int k = q; k < 0; ++k) {
        if (m % 5 != 0) {
            return false;
        }
        m /= 5;
    }
    return true;
}

// True when the positive value lies exactly halfway between two multiples of 10^-decimals.
bool IsFixedTie(double positive, int decimals) {
    int q = 0;
    return TieScale(positive, q) && q == decimals;
}

// Adds one unit in the last digit of a run of digits (a point inside is skipped). Returns true
// when the carry runs out of the first digit (all digits were 9 and are now 0).
bool IncrementDigits(char* first, char* last) {
    for (char* c = last; c != first;) {
        --c;
        if (*c == '.') {
            continue;
        }
        if (*c != '9') {
            ++*c;
            return false;
        }
        *c = '0';
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Rounded digits

// The positive finite value rounded to `decimals` decimals, ties away from zero, as plain digits
// with a point when decimals > 0 ("0.063", "100.0"). Returns the end of the text, which starts at
// the returned `begin` inside buffer.
char* RoundFixed(double positive, int decimals, char* buffer, char*& begin) {
    char* const start = buffer + 1;  // room for a carry digit
    char* const limit = buffer + kBufferSize;
    if (!IsFixedTie(positive, decimals)) {
        begin = start;
        return portable::to_chars(start, limit, positive, std::chars_format::fixed, decimals).ptr;
    }
    // Exactly halfway: with one more decimal the text is exact and ends in 5; drop it, round up.
    char* end =
        portable::to_chars(start, limit, positive, std::chars_format::fixed, decimals + 1).ptr;
    --end;
    if (decimals == 0) {
        --end;  // the point before the dropped 5
    }
    begin = start;
    if (IncrementDigits(start, end)) {
        *buffer = '1';
        begin = buffer;
    }
    return end;
}

struct Scientific {
    char digits[kMaxDecimals + 2];  // decimals + 1 mantissa digits, no point
    int count;
    int exponent;
};

// Parses "d[.ddd]e±xx" from std::to_chars into digits and exponent.
void ReadScientificText(const char* first, const char* last, Scientific& out) {
    out.count = 0;
    const char* c = first;
    for (; c != last && *c != 'e'; ++c) {
        if (*c != '.') {
            out.digits[out.count++] = *c;
        }
    }
    ++c;  // 'e'
    const bool negative = (*c == '-');
    ++c;
    int e = 0;
    for (; c != last; ++c) {
        e = e * 10 + (*c - '0');
    }
    out.exponent = negative ? -e : e;
}

// The positive finite value as d.ddd x 10^e with `decimals` decimals, rounded to nearest with
// ties away from zero; a carry to 10 gives 1.000 and e + 1.
void RoundScientific(double positive, int decimals, Scientific& out) {
    char text[kBufferSize];
    char* const limit = text + kBufferSize;
    char* end =
        portable::to_chars(text, limit, positive, std::chars_format::scientific, decimals).ptr;
    ReadScientificText(text, end, out);

    // A tie needs the true decimal exponent to equal decimals - q; the exponent just found is the
    // true one or, after a carry, one more.
    int q = 0;
    if (!TieScale(positive, q)) {
        return;
    }
    const int tie_exponent = decimals - q;
    if (tie_exponent != out.exponent && tie_exponent != out.exponent - 1) {
        return;
    }
    // With one more decimal the text is exact when the value is a tie.
    Scientific longer;
    end =
        portable::to_chars(text, limit, positive, std::chars_format::scientific, decimals + 1).ptr;
    ReadScientificText(text, end, longer);
    if (longer.exponent != tie_exponent || longer.digits[longer.count - 1] != '5') {
        return;
    }
    out.count = longer.count - 1;
    std::memcpy(out.digits, longer.digits, static_cast<size_t>(out.count));
    out.exponent = longer.exponent;
    if (IncrementDigits(out.digits, out.digits + out.count)) {
        out.digits[0] = '1';  // the others are all 0 now
        ++out.exponent;
    }
}

// ---------------------------------------------------------------------------------------------
// Writing

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Infinity" : "Infinity";
}

// Appends E, the sign and at least min_digits digits of the exponent.
void AppendExponent(std::string& out, int exponent, int min_digits) {
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    char digits[12];
    const unsigned magnitude =
        exponent < 0 ? 0u - static_cast<unsigned>(exponent) : static_cast<unsigned>(exponent);
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    for (int k = static_cast<int>(end - digits); k < min_digits; ++k) {
        out += '0';
    }
    out.append(digits, end);
}

std::string FormatFixed(double value, const Pattern& p) {
    const bool negative = std::signbit(value);
    char buffer[kBufferSize];
    char* begin = nullptr;
    char* const end = RoundFixed(std::fabs(value), p.max_decimals, buffer, begin);

    // Split into integer digits (leading zeros removed) and decimals (trailing zeros removed
    // down to the least number).
    const char* point = begin;
    while (point != end && *point != '.') {
        ++point;
    }
    const char* int_first = begin;
    while (int_first != point && *int_first == '0') {
        ++int_first;
    }
    const char* dec_first = point == end ? end : point + 1;
    const char* dec_last = end;
    while (dec_last - dec_first > p.min_decimals && dec_last[-1] == '0') {
        --dec_last;
    }
    bool nonzero = int_first != point;
    for (const char* c = dec_first; c != dec_last && !nonzero; ++c) {
        nonzero = (*c != '0');
    }

    const int int_digits = static_cast<int>(point - int_first);
    std::string out;
    out.reserve(static_cast<size_t>(p.leading_blanks + 2 +
                                    std::max(int_digits, p.min_integer_digits) +
                                    (dec_last - dec_first)));
    out.append(static_cast<size_t>(p.leading_blanks), ' ');
    if (negative && nonzero) {
        out += '-';
    }
    for (int k = int_digits; k < p.min_integer_digits; ++k) {
        out += '0';
    }
    out.append(int_first, point);
    if (p.has_point) {
        out += '.';
        out.append(dec_first, dec_last);
    }
    return out;
}

std::string FormatScientific(double value, const Pattern& p) {
    const int decimals = p.max_decimals;
    Scientific s;
    const bool negative = std::signbit(value) && value != 0;
    if (value == 0) {
        s.count = decimals + 1;
        std::memset(s.digits, '0', static_cast<size_t>(s.count));
        s.exponent = 0;
    } else {
        RoundScientific(std::fabs(value), decimals, s);
    }
    std::string out;
    out.reserve(static_cast<size_t>(p.leading_blanks + decimals + 6 + p.min_exponent_digits));
    out.append(static_cast<size_t>(p.leading_blanks), ' ');
    if (negative) {
        out += '-';
    }
    out += s.digits[0];
    if (p.has_point) {
        out += '.';
        out.append(s.digits + 1, s.digits + s.count);
    }
    AppendExponent(out, s.exponent, p.min_exponent_digits);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Reading

bool IsRemoved(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The characters of the number, without its sign and without the removed blanks. Small numbers
// stay in a buffer on the stack; only very long ones spill into a string.
class NumberChars {
  public:
    void Push(char c) {
        if (size_ < kInline) {
            inline_[size_] = c;
        } else {
            if (size_ == kInline) {
                spill_.assign(inline_, kInline);
            }
            spill_ += c;
        }
        ++size_;
    }
    void Truncate(size_t size) {
        size_ = size;
        if (size_ >= kInline) {
            spill_.resize(size_);
        }
    }
    size_t size() const { return size_; }
    const char* data() const { return size_ <= kInline ? inline_ : spill_.data(); }

  private:
    static constexpr size_t kInline = 64;
    char inline_[kInline];
    size_t size_ = 0;
    std::string spill_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------

std::string FormatPattern(double value, std::string_view pattern) {
    const Pattern p = ParsePattern(pattern);
    if (!p.valid) {
        return NumberText(value);
    }
    if (!std::isfinite(value)) {
        std::string out(static_cast<size_t>(p.leading_blanks), ' ');
        out += NonFiniteText(value);
        return out;
    }
    return p.scientific ? FormatScientific(value, p) : FormatFixed(value, p);
}

double ReadNumber(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    // The next character that is not removed, or '\0' at the end (which matches nothing below).
    auto peek = [&]() -> char {
        while (i < n && IsRemoved(text[i])) {
            ++i;
        }
        return i < n ? text[i] : '\0';
    };

    bool negative = false;
    char c = peek();
    if (c == '+' || c == '-') {
        negative = (c == '-');
        ++i;
        c = peek();
    }

    NumberChars chars;
    int mantissa_digits = 0;
    int integer_digits = 0;  // digits before the point
    int first_nonzero = -1;  // index among mantissa digits of the first nonzero one
    for (; IsDigit(c); ++i, c = peek()) {
        if (first_nonzero < 0 && c != '0') {
            first_nonzero = mantissa_digits;
        }
        chars.Push(c);
        ++mantissa_digits;
        ++integer_digits;
    }
    if (c == '.') {
        chars.Push(c);
        ++i;
        for (c = peek(); IsDigit(c); ++i, c = peek()) {
            if (first_nonzero < 0 && c != '0') {
                first_nonzero = mantissa_digits;
            }
            chars.Push(c);
            ++mantissa_digits;
        }
    }
    if (mantissa_digits == 0) {
        return 0.0;
    }

    // The exponent belongs to the number only when at least one digit follows E and its sign.
    long exponent = 0;
    if (c == 'E' || c == 'e') {
        const size_t mark = chars.size();
        chars.Push('e');
        ++i;
        c = peek();
        bool exponent_negative = false;
        if (c == '+' || c == '-') {
            exponent_negative = (c == '-');
            chars.Push(c);
            ++i;
            c = peek();
        }
        if (IsDigit(c)) {
            for (; IsDigit(c); ++i, c = peek()) {
                chars.Push(c);
                if (exponent < 100000) {
                    exponent = exponent * 10 + (c - '0');
                }
            }
            if (exponent_negative) {
                exponent = -exponent;
            }
        } else {
            chars.Truncate(mark);
        }
    }

    double magnitude = 0.0;
    const char* first = chars.data();
    const auto result = portable::from_chars(first, first + chars.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the double range: an overflow when the leading digit stands at 10^0 or above.
        const long leading_power = static_cast<long>(integer_digits) - 1 - first_nonzero + exponent;
        magnitude = (first_nonzero >= 0 && leading_power >= 0)
                        ? std::numeric_limits<double>::infinity()
                        : 0.0;
    } else if (result.ec != std::errc{}) {
        magnitude = 0.0;  // cannot happen for the text built above
    }
    return negative ? -magnitude : magnitude;
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    if (value == 0) {
        return "0";
    }
    constexpr int kSignificant = 15;
    Scientific s;
    RoundScientific(std::fabs(value), kSignificant - 1, s);
    int count = s.count;
    while (count > 1 && s.digits[count - 1] == '0') {
        --count;
    }
    const int e = s.exponent;

    std::string out;
    out.reserve(24);
    if (value < 0) {
        out += '-';
    }
    if (e >= 15 || e < -5) {
        // Exponent form: 1E+20, 1.5E-07.
        out += s.digits[0];
        if (count > 1) {
            out += '.';
            out.append(s.digits + 1, s.digits + count);
        }
        AppendExponent(out, e, 2);
    } else if (e >= 0) {
        const int integer_digits = e + 1;
        if (count <= integer_digits) {
            out.append(s.digits, s.digits + count);
            out.append(static_cast<size_t>(integer_digits - count), '0');
        } else {
            out.append(s.digits, s.digits + integer_digits);
            out += '.';
            out.append(s.digits + integer_digits, s.digits + count);
        }
    } else {
        out += "0.";
        out.append(static_cast<size_t>(-e - 1), '0');
        out.append(s.digits, s.digits + count);
    }
    return out;
}

namespace {

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
    }
    return pos;
}

std::size_t SkipSign(std::string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-') ? pos + 1 : pos;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    if (!IsDecimalNumber(text)) {
        return std::nullopt;
    }
    // The strict form holds no blanks, so ReadNumber takes all of it.
    return ReadNumber(text);
}

bool IsDecimalNumber(std::string_view text) {
    std::size_t pos = SkipSign(text, 0);
    const std::size_t mantissaStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = SkipDigits(text, pos);
        digits += pos - fractionStart;
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        const std::size_t exponentStart = SkipSign(text, pos + 1);
        pos = SkipDigits(text, exponentStart);
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

}  // namespace velmora
