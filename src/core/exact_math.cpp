// exp and log from +, -, *, / alone: table-driven argument reduction, the leading terms of the
// series in double-double arithmetic, and a test whether the error bound still decides the
// rounding; when it does not (about one argument in a thousand), the whole series is evaluated
// again in double-double, accurate to about 2^-100.
//
// Every step is an IEEE-754 operation in round-to-nearest, or an exact one (bit moves, ldexp,
// round): with no fused multiply-add (the core is compiled with -ffp-contract=off) every target
// gives the same bits.
#include "core/exact_math.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "core/exact_math_tables.h"

namespace velmora {
namespace {

using namespace exact_math_detail;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Relative error bounds of the fast paths (their largest errors are some 2^-65 and 2^-69).
constexpr double kLogFastError = 0x1p-62;
constexpr double kExpFastError = 0x1p-65;

// Beyond these e^x is +infinity or 0 in every rounding (ln of the largest double is 709.78, the
// smallest subnormal is e^-744.44).
constexpr double kExpOverflow = 710.0;
constexpr double kExpUnderflow = -746.0;

// The small exact operations are inlined into the fast paths; the accurate paths, rarely taken,
// stay out of line.
#if defined(__GNUC__) || defined(__clang__)
#define VELMORA_ALWAYS_INLINE [[gnu::always_inline]] inline
#define VELMORA_NOINLINE [[gnu::noinline]]
#else
#define VELMORA_ALWAYS_INLINE inline
#define VELMORA_NOINLINE
#endif

struct DoubleDouble {
    double hi;
    double lo;
};

VELMORA_ALWAYS_INLINE std::uint64_t BitsOf(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

VELMORA_ALWAYS_INLINE double DoubleOf(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// a + b exactly, as the rounded sum and its error (Knuth).
VELMORA_ALWAYS_INLINE DoubleDouble TwoSum(double a, double b) {
    const double s = a + b;
    const double bPart = s - a;
    return {s, (a - (s - bPart)) + (b - bPart)};
}

// a + b exactly, when |a| >= |b| or a is 0 (Dekker).
VELMORA_ALWAYS_INLINE DoubleDouble FastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a as two halves of 26 significant bits each (Veltkamp), whose products are exact.
VELMORA_ALWAYS_INLINE DoubleDouble Split(double a) {
    constexpr double kSplitter = 0x1p27 + 1.0;
    const double c = kSplitter * a;
    const double hi = c - (c - a);
    return {hi, a - hi};
}

// a * b exactly, as the rounded product and its error (Dekker), without a fused multiply-add.
VELMORA_ALWAYS_INLINE DoubleDouble TwoProduct(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    return {p, (((x.hi * y.hi - p) + x.hi * y.lo) + x.lo * y.hi) + x.lo * y.lo};
}

// a * a exactly, with one split.
VELMORA_ALWAYS_INLINE DoubleDouble TwoSquare(double a) {
    const double p = a * a;
    const DoubleDouble x = Split(a);
    return {p, ((x.hi * x.hi - p) + 2.0 * x.hi * x.lo) + x.lo * x.lo};
}

DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
    DoubleDouble s = TwoSum(a.hi, b.hi);
    const DoubleDouble t = TwoSum(a.lo, b.lo);
    s = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(s.hi, s.lo + t.lo);
}

DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = TwoProduct(a.hi, b.hi);
    return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

DoubleDouble Coefficient(const double (&pair)[2]) {
    return {pair[0], pair[1]};
}

// hi + lo rounded to nearest, when every number within the bound of it rounds to the same double;
// rounding is monotonic, so the two ends of the interval decide.
VELMORA_ALWAYS_INLINE std::optional<double> RoundedIfDecided(DoubleDouble value, double bound) {
    const double up = value.hi + (value.lo + bound);
    const double down = value.hi + (value.lo - bound);
    if (up == down) {
        return up;
    }
    return std::nullopt;
}

// (hi + lo) 2^e rounded once to nearest, as RoundedIfDecided: below the smallest normal double,
// to the subnormals' spacing, by adding 2^(-1022 - e), whose binade has that spacing once scaled.
VELMORA_ALWAYS_INLINE std::optional<double> ScaledRoundedIfDecided(DoubleDouble value, double bound,
                                                                   int e) {
    const double shift = e <= -1022 ? std::ldexp(1.0, -1022 - e) : 0.0;
    if (!(value.hi < shift)) {
        const std::optional<double> rounded = RoundedIfDecided(value, bound);
        if (rounded && e > -1022 && e < 1023) {
            // 2^e from its bits; the product is normal, so exact.
            return *rounded * DoubleOf(static_cast<std::uint64_t>(e + 1023) << 52);
        }
        return rounded ? std::optional(std::ldexp(*rounded, e)) : std::nullopt;
    }
    const DoubleDouble shifted = TwoSum(shift, value.hi);
    const std::optional<double> rounded =
        RoundedIfDecided({shifted.hi, shifted.lo + value.lo}, bound);
    // The rounded sum is within a factor 2 of the shift: the subtraction is exact (Sterbenz).
    return rounded ? std::optional(std::ldexp(*rounded - shift, e)) : std::nullopt;
}

// x = 2^k z with z in [0.6875, 1.375), z in the table's interval i, and r = z / c - 1 exactly as
// a double-double (|r| <= 2^-7), so that ln x = k ln 2 - ln(1/c) + ln(1 + r).
struct LogReduction {
    int k;
    const LogTableRow* row;
    DoubleDouble r;
};

VELMORA_ALWAYS_INLINE LogReduction ReduceForLog(double x) {
    int k = 0;
    if (x < std::numeric_limits<double>::min()) {
        x *= 0x1p52;  // a subnormal: scaled to a normal number, exactly
        k = -52;
    }
    constexpr std::uint64_t kOffset = 0x3fe6000000000000;  // the bits of 0.6875
    const std::uint64_t bits = BitsOf(x);
    const std::uint64_t shifted = bits - kOffset;
    const LogTableRow& row = kLogTable[(shifted >> 45) % kTableSize];
    k += static_cast<int>(static_cast<std::int64_t>(shifted) >> 52);
    const std::uint64_t zBits = bits - (shifted & (std::uint64_t{0xfff} << 52));
    // z in a head of 35 significant bits and the rest (18 bits); times the 18-bit 1/c both
    // products are exact, the first within 2^-7 of 1, so that subtracting 1 is exact (Sterbenz).
    const double zHead = DoubleOf(zBits & ~std::uint64_t{0x3ffff});
    const double zRest = DoubleOf(zBits) - zHead;
    const double head = zHead * row.inverseCentre - 1.0;
    return {k, &row, TwoSum(head, zRest * row.inverseCentre)};
}

// ln x with an error below 2^-64 of it: ln(1 + r) = r - r^2/2 + r^3 (1/3 - ... - r^7/10), the first
// two terms and the table's and k ln 2's heads added exactly, everything else in doubles.
VELMORA_ALWAYS_INLINE std::optional<double> LogFast(const LogReduction& reduced) {
    const double rh = reduced.r.hi;
    const double rl = reduced.r.lo;
    const DoubleDouble square = TwoSquare(rh);
    // 1/3 - r/4 + ... - r^7/10 by Estrin's scheme, in pairs, for a short chain of dependences.
    const auto c = [](int n) { return kLogSeries[n][0]; };
    const double r4 = square.hi * square.hi;
    const double low4 = (c(2) + c(3) * rh) + (c(4) + c(5) * rh) * square.hi;
    const double high4 = (c(6) + c(7) * rh) + (c(8) + c(9) * rh) * square.hi;
    const double series = low4 + high4 * r4;
    const double cube = rh * square.hi;
    const double kLn2Head = reduced.k * kLn2[0];  // exact: 42 bits times 11
    // Each sum's first term is 0 or at least the second in magnitude: |k ln 2| > |ln c| (or k is
    // 0), |ln c| > 3 |r| (or c is 1), |r| > r^2: so the fast exact sums suffice.
    const DoubleDouble first = FastTwoSum(kLn2Head, reduced.row->minusLogHead);
    const DoubleDouble second = FastTwoSum(first.hi, rh);
    const DoubleDouble third = FastTwoSum(second.hi, -0.5 * square.hi);
    // The small terms: the sums' errors, the tails, the terms of r's tail and the series.
    const double errors = (first.lo + second.lo) + third.lo;
    const double tails = reduced.k * kLn2[1] + reduced.row->minusLogTail;
    const double rTail = (rl - rh * rl) + (rl * square.hi - 0.5 * square.lo);
    const double low = (errors + tails) + (rTail + cube * series);
    const DoubleDouble sum = FastTwoSum(third.hi, low);
    return RoundedIfDecided(sum, kLogFastError * std::abs(sum.hi));
}

// ln x accurate to about 2^-100: the series of ln(1 + r) to r^16 and k ln 2 in double-double.
VELMORA_NOINLINE double LogAccurate(const LogReduction& reduced) {
    DoubleDouble series = Coefficient(kLogSeries[15]);
    for (int n = 14; n >= 0; --n) {
        series = Add(Multiply(series, reduced.r), Coefficient(kLogSeries[n]));
    }
    const DoubleDouble logOnePlusR = Multiply(series, reduced.r);
    const double k = reduced.k;
    DoubleDouble sum = Add({k * kLn2[0], 0.0}, TwoProduct(k, kLn2[1]));
    sum = Add(sum, {k * kLn2[2], 0.0});
    sum = Add(sum, {reduced.row->minusLogHead, reduced.row->minusLogTail});
    sum = Add(sum, logOnePlusR);
    return sum.hi;
}

// x = k ln2/128 + r with |r| <= ln2/256 (r a double-double), so that
// e^x = 2^(k >> 7) 2^((k & 127)/128) e^r.
struct ExpReduction {
    int k;
    DoubleDouble r;
};

VELMORA_ALWAYS_INLINE ExpReduction ReduceForExp(double x) {
    // The nearest integer: adding 1.5 * 2^52 leaves no fraction bits (|x 128 / ln 2| < 2^18).
    constexpr double kRoundingShift = 0x1.8p52;
    const double k = (x * k128ByLn2[0] + kRoundingShift) - kRoundingShift;
    // k times the first part is exact (|k| < 2^18, 35 bits), and so is x minus it: both are
    // multiples of x's last place or finer, and the difference is below 2^-8.
    const double a = x - k * kLn2By128[0];
    const DoubleDouble t = TwoSum(a, -(k * kLn2By128[1]));  // k times 35 bits: exact
    return {static_cast<int>(k), FastTwoSum(t.hi, t.lo - k * kLn2By128[2])};
}

// e^x with an error below 2^-68 of it: e^r - 1 = r + r^2 (1/2 + r/6 + ... + r^4/6!), multiplied
// by the table's 2^(j/128) with the first product exact.
VELMORA_ALWAYS_INLINE std::optional<double> ExpFast(const ExpReduction& reduced) {
    const double rh = reduced.r.hi;
    const double rl = reduced.r.lo;
    // 1/2 + r/6 + r^2/24 + r^3/120 + r^4/720 by Estrin's scheme.
    const auto c = [](int n) { return kExpSeries[n][0]; };
    const double r2 = rh * rh;
    const double series = (c(2) + c(3) * rh) + ((c(4) + c(5) * rh) + c(6) * r2) * r2;
    const double rest = (rl + rh * rl) + r2 * series;  // e^r - 1 - rh
    const ExpTableRow& power = kExpTable[reduced.k & (kTableSize - 1)];
    const DoubleDouble product = TwoProduct(power.head, rh);
    const DoubleDouble sum = TwoSum(power.head, product.hi);
    const double low = (sum.lo + product.lo) + (power.head * rest + (power.tail + power.tail * rh));
    return ScaledRoundedIfDecided(FastTwoSum(sum.hi, low), kExpFastError * sum.hi, reduced.k >> 7);
}

// e^x accurate to about 2^-100: the series of e^r to r^11 in double-double.
VELMORA_NOINLINE double ExpAccurate(const ExpReduction& reduced) {
    DoubleDouble series = Coefficient(kExpSeries[11]);
    for (int n = 10; n >= 0; --n) {
        series = Add(Multiply(series, reduced.r), Coefficient(kExpSeries[n]));
    }
    const ExpTableRow& power = kExpTable[reduced.k & (kTableSize - 1)];
    const DoubleDouble value = Multiply(series, {power.head, power.tail});
    return *ScaledRoundedIfDecided(value, 0.0, reduced.k >> 7);
}

}  // namespace

double ExactLog(double x) {
    if (std::isnan(x) || x < 0.0) {
        return kNaN;
    }
    if (x == 0.0) {
        return -kInfinity;
    }
    if (x == kInfinity) {
        return kInfinity;
    }
    const LogReduction reduced = ReduceForLog(x);
    const std::optional<double> fast = LogFast(reduced);
    return fast ? *fast : LogAccurate(reduced);
}

double ExactExp(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x > kExpOverflow) {
        return kInfinity;
    }
    if (x < kExpUnderflow) {
        return 0.0;
    }
    const ExpReduction reduced = ReduceForExp(x);
    const std::optional<double> fast = ExpFast(reduced);
    return fast ? *fast : ExpAccurate(reduced);
}

}  // namespace velmora
