#pragma once

#include "calendar/CalendarTypes.h"
#include "calendar/PageGeometry.h"
#include "platform/Color.h"
#include "platform/DateTime.h"
#include "platform/FontDescription.h"

#include <QString>

#include <array>

namespace qm {

/// The look of a calendar page and the date it shows: what one calendar hands
/// to another (the properties dialog's example and the document), held as one
/// value so that a setting added here is copied and compared with the rest.
/// The defaults are those of a calendar just constructed.
///
/// Not part of it, because they belong to one page and are not handed on:
/// the orientation (derived from the layout), the six single borders (they
/// follow the line layouts), the number position, the magnification and the
/// cells.
struct CalendarStyle {
    quint8 paperSize = kPaperLetter;
    TCalendarLayout calendarLayout = loFullCalendar;
    TCalendarLineLayout calendarLineLayout = llFull;
    TMiniCalendarLineLayout miniCalendarLineLayout = mllFull;
    float leftMarginInch = 0.25f;
    float topMarginInch = 0.25f;
    float rightMarginInch = 0.25f;
    float bottomMarginInch = 0.25f;

    std::array<QString, 12> monthNames;
    std::array<QString, 7> dayNames;
    /// 1 starts the week on Sunday; any other value on Monday.
    int startOfWeek = 1;
    int mainCalDay = 0;
    int mainCalMonth = 1;
    int mainCalYear = 1997;
    /// The time of the day planners' first row (its date part is ignored).
    TDateTime startingTime = EncodeTime(8, 0, 0, 0);

    TColor titleBGColor = clWhite;
    TColor headersBGColor = clWhite;
    TColor miniHeadersBGColor = clWhite;
    TColor miniCalBGColor = clWhite;
    FontDescription titleFont = defaultFont(26, FontStyle::Bold);
    FontDescription headersFont = defaultFont(16, FontStyle::Bold);
    FontDescription cellFont = defaultFont(16, FontStyle::Bold);
    FontDescription miniTitleFont = defaultFont(6, FontStyle::Bold);
    FontDescription miniHeadersFont = defaultFont(8, {}, clWhite);
    FontDescription miniCellFont = defaultFont(6, {});
    TCalHeadersStyle headersStyle = dsThreeChars;
    TCalHeadersStyle miniHeadersStyle = dsFirstChar;
    bool titleShowYear = true;
    bool miniShowYear = true;

    /// Every setting, fonts with their sizes.
    bool operator==(const CalendarStyle &) const = default;
    /// Every setting, but fonts agree when name, style and colour do: their
    /// sizes are not compared.
    bool sameLook(const CalendarStyle &other) const;

    static FontDescription defaultFont(int size, FontStyles style, TColor color = clWindowText)
    {
        return FontDescription{QStringLiteral("Times New Roman"), size, style, color};
    }
};

} // namespace qm
