#pragma once

#include <QtGlobal>

namespace core {

// Rounds to the nearest whole number and a tie to the even one (0.5 -> 0, 1.5 -> 2, 2.5 -> 2),
// the way the program rounds counts and percentages. Does not depend on the floating-point
// rounding mode. Infinity and NaN come back unchanged.
double roundHalfToEven(double value);

// numerator / denominator rounded the same way, computed exactly in integers, for results such
// as n * p / 100 where a double could land just beside a tie.
// The denominator must not be 0, and neither argument may be the smallest qint64.
qint64 divideRoundingHalfToEven(qint64 numerator, qint64 denominator);

} // namespace core
