#pragma once

#include <QtGlobal>

// The calendar's enumerations. Their ordinals are stored in documents and style
// sheets, so the values must never change.

enum TCalendarOrientation : quint8 { coPortrait = 0, coLandscape = 1 };

enum TCalendarLineLayout : quint8 { llFull = 0, llHeadersAndCells = 1, llCellsOnly = 2 };

enum TMiniCalendarLineLayout : quint8 { mllFull = 0, mllBoxed = 1, mllMinimal = 2 };

enum TCalendarNumberPosition : quint8 { cnpCenter = 0, cnpUpperRight = 1 };

enum TCalBorderStyle : quint8 { cbNone = 0, cbAll = 1, cbTop = 2, cbBottom = 3, cbTopBottom = 4 };

enum TCalHeadersStyle : quint8 { dsFirstChar = 0, dsThreeChars = 1, dsWhole = 2 };

/// The 22 page layouts. Even ordinals up to 16 are portrait, the odd ordinals
/// 1..17 their landscape twins; the planners 18..21 are always portrait. A
/// stored value may lie outside this range (documents are not validated), so
/// code that switches on a layout must handle any int.
enum TCalendarLayout : int {
    loFullCalendar = 0,
    LOFullCalendarLS = 1,
    loFCMinisInTitle = 2,
    loFCMinisInTitleLS = 3,
    loFC6Before6After = 4,
    loFC6Before6AfterLS = 5,
    loFC12After = 6,
    loFC12AfterLS = 7,
    lopMC6Month = 8,
    lopMC6MonthLS = 9,
    loMC12Month = 10,
    loMC12MonthLS = 11,
    loMC24Month = 12,
    loMC24MonthLS = 13,
    loMC48Month = 14,
    loMC48MonthLS = 15,
    loMC60Month = 16,
    loMC60MonthLS = 17,
    loWeek = 18,
    lo2Week = 19,
    loDay10 = 20,
    loDay15 = 21,
};

namespace qm {

constexpr int kLayoutCount = 22;
/// Cells per calendar: 6 x 7 in a month grid, one per row in a planner.
constexpr int kCellCount = 42;
constexpr int kMaxMiniCount = 60;

constexpr bool isKnownLayout(int layout)
{
    return layout >= 0 && layout < kLayoutCount;
}
constexpr bool isLandscapeLayout(int layout)
{
    return layout >= 1 && layout <= 17 && layout % 2 == 1;
}

} // namespace qm
