#include "core/rounding.h"

#include <cmath>

namespace core {

double roundHalfToEven(double value) {
    const double nearest = std::round(value); // ties away from zero
    if (std::abs(value - std::trunc(value)) != 0.5)
        return nearest;
    return 2.0 * std::round(value / 2.0);
}

qint64 divideRoundingHalfToEven(qint64 numerator, qint64 denominator) {
    Q_ASSERT(denominator != 0);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // make the quotient the floor, so that 0 <= remainder < denominator
        --quotient;
        remainder += denominator;
    }
    const qint64 restToNext = denominator - remainder;
    if (remainder > restToNext || (remainder == restToNext && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace core
