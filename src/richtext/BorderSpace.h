#pragma once

#include "platform/RoundHalfEven.h"

#include <QtGlobal>

/// The distance of a paragraph's border from its text, which a paragraph keeps
/// in the high nibble of its `borderColor` in steps of a millimetre (567 twips
/// to the centimetre). RTF gives the distance in twips.
namespace qm::borderSpace {

/// The twips of the steps in the high nibble of `borderColor`, to the nearest twip.
inline int twipsOf(quint8 borderColor)
{
    return mulDiv(borderColor & 0xF0, 567, 160);
}

/// The whole steps in `twips`, counted as 56 twips each as documents have
/// always been read; the caller keeps the result within a nibble.
inline int stepsIn(int twips)
{
    return twips / 56;
}

} // namespace qm::borderSpace
