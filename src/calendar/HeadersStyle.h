#pragma once

#include "calendar/CalendarTypes.h"

#include <QString>

namespace qm {

/// A day name as a header shows it: its first character, its first three
/// characters (a shorter name whole) or the whole name.
inline QString headerText(const QString &dayName, TCalHeadersStyle style)
{
    switch (style) {
    case dsFirstChar:
        return dayName.left(1);
    case dsThreeChars:
        return dayName.left(3);
    case dsWhole:
        break;
    }
    return dayName;
}

} // namespace qm
