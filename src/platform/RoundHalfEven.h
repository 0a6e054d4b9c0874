#pragma once

#include <QtGlobal>

namespace qm {

/// Rounds to the nearest integer; an exact half goes to the even neighbour.
int roundHalfEven(double value);

/// numerator / denominator rounded half to even, computed exactly in integers,
/// so that a value that is a half in decimal arithmetic (45 x 70 / 100 = 31.5)
/// is recognised as one. The denominator must not be 0.
qint64 roundRatio(qint64 numerator, qint64 denominator);

/// round(value x percent / 100) with the product taken first: the scaling of
/// layout coordinates and font sizes to a magnification.
int scalePercent(int value, int percent);

/// value x numerator / denominator with a 64-bit intermediate, rounded to the
/// nearest integer with halves away from zero; -1 when denominator is 0.
/// This is the classic multiply-divide of twips and pixel conversions.
int mulDiv(int value, int numerator, int denominator);

} // namespace qm
