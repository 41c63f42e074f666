// The core's own exp and log: the same bits on every IEEE-754 double target (native and
// WebAssembly), since they use only +, -, *, / and exact scaling, where the C library's functions
// round differently from one library to the next. The results are correctly rounded (to nearest), subnormal
// ones too, but for cases too rare to be met: a result within about 2^-100 of a halfway point.
#pragma once

namespace velmora {

// ln x: NaN for x < 0 or NaN, -infinity for 0, +infinity for +infinity.
double ExactLog(double x);

// e^x: +infinity above the largest double, 0 below the smallest, NaN for NaN.
double ExactExp(double x);

}  // namespace velmora
