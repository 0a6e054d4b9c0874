#include "RoundHalfEven.h"

#include <cmath>
#include <cstdlib>

namespace qm {

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // default FP mode rounds half to even
}

qint64 roundRatio(qint64 numerator, qint64 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) { // make the remainder non-negative: floor division
        quotient -= 1;
        remainder += denominator;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
        quotient += 1;
    return quotient;
}

int scalePercent(int value, int percent)
{
    return static_cast<int>(roundRatio(qint64(value) * percent, 100));
}

int mulDiv(int value, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    qint64 product = qint64(value) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const qint64 absProduct = std::llabs(product);
    const qint64 absDenominator = std::llabs(qint64(denominator));
    const qint64 rounded = (absProduct + absDenominator / 2) / absDenominator;
    return static_cast<int>(negative ? -rounded : rounded);
}

} // namespace qm
