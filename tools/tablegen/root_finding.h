// A safeguarded Newton iteration for a root bracketed by an interval.
#pragma once

#include <functional>
#include <utility>

namespace velmora::tablegen {

// Value and derivative of a function at a point.
using ValueAndSlope = std::function<std::pair<double, double>(double)>;

// Finds x in [lo, hi] (0 <= lo < hi) with f(x) = 0 where f(lo) and f(hi) differ in sign. Takes
// Newton steps and falls back to bisection (geometric when lo > 0, since brackets may span many
// decades) whenever a step leaves the bracket. Stops at a relative width of relTolerance.
double SolveBracketed(const ValueAndSlope& f, double lo, double hi, double relTolerance);

}  // namespace velmora::tablegen
