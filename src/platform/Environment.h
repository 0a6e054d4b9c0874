#pragma once

#include "DateTime.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace qm {

/// What the program reads from its surroundings: the screen's logical
/// resolution P (pixels per inch), the screen's area, the current date and
/// time, the local time zone and the program's folder. Each can be pinned, so that tests and the
/// batch tool get the same answers on every machine.
class Environment
{
public:
    static int screenPixelsPerInch();
    /// The part of the primary screen that windows may cover (without the
    /// desktop's panels); a screen of the pinned size at 0,0 when pinned.
    static QRect availableScreenRect();
    static TDateTime now();
    static QDate today();
    /// The zone whose wall-clock time the user lives by: events from calendar
    /// files are shown at their local times in it.
    static QTimeZone timeZone();
    /// The executable's folder, ending in a slash.
    static QString programFolder();

    static void pinScreenPixelsPerInch(std::optional<int> pixelsPerInch);
    static void pinScreenSize(std::optional<QSize> size);
    static void pinNow(std::optional<TDateTime> now);
    static void pinTimeZone(std::optional<QTimeZone> zone);
    static void pinProgramFolder(std::optional<QString> folder);
};

} // namespace qm
