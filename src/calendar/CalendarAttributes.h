#pragma once

#include "calendar/CalendarTypes.h"
#include "calendar/DrawingTarget.h"
#include "calendar/Rect.h"
#include "platform/Color.h"
#include "platform/DateTime.h"
#include "platform/FontDescription.h"

#include <QString>

#include <array>

/// Where one cell lies in the latest drawing. `rTotal` is the clickable area,
/// `rFree` the part where the cell's rich text is painted; an all-zero
/// `rFree` means the cell has no room for text.
struct CellRecord {
    TRect rTotal;
    int iDay = 0; // day of the month, 0 for blank and planner cells
    TRect rFree;
    /// Characters of the cell's text that the drawing left out for want of
    /// room (0 on paper, which keeps the screen's records).
    int hiddenCharacters = 0;

    bool operator==(const CellRecord &) const = default;
};

/// Everything one drawing routine needs, already mapped to the target:
/// rectangle in target pixels, font sizes scaled for the target. The routine
/// fills `cells` with the rectangles it drew.
struct TCalendarAttributes {
    TColor backgroundColor = qm::clWhite;
    TColor titleBackgroundColor = qm::clWhite;
    int minimumTitleHeight = 0; // target pixels
    qm::TargetGaps gaps;
    int month = 1;
    int year = 1997;
    int day = 0; // first day of a planner
    TRect calendarRect;
    TCalendarNumberPosition numberPosition = cnpCenter;
    int startOfWeek = 1;
    TCalBorderStyle calendarBorder = cbAll;
    qm::FontDescription titleFont;
    bool showYear = true;
    qm::FontDescription headersFont;
    TCalBorderStyle headersBorder = cbAll;
    TCalHeadersStyle headersStyle = dsThreeChars;
    TColor headersBackgroundColor = qm::clWhite;
    qm::FontDescription cellFont;
    TCalBorderStyle cellBorder = cbAll;
    std::array<QString, 12> monthNames;
    std::array<QString, 7> dayNames; // Sunday first
    std::array<CellRecord, qm::kCellCount> cells;
    int plannerDayCount = 0;
    int plannerSlotCount = 0;
    TDateTime startingTime = 0;

    /// Names for 1-based month and weekday numbers (1 = Sunday).
    const QString &monthName(int month1) const { return monthNames[month1 - 1]; }
    const QString &dayName(int weekday) const { return dayNames[weekday - 1]; }
};
