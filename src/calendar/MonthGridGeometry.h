#pragma once

#include "calendar/CalendarTypes.h"
#include "calendar/Rect.h"

namespace qm {

/// Where the parts of a month grid lie inside a calendar rectangle on the
/// target: title band, header band with seven day names, 6 x 7 cells. All
/// values are target pixels; x1 and y1 are the last pixel column and row
/// inside the rectangle.
struct MonthGridGeometry {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int th = 0;         // title band height
    int tb = 0;         // title band bottom
    int hh = 0;         // header band height
    int hb = 0;         // header band bottom = grid top
    int cw = 0;         // column width
    int rh = 0;         // row height
    int gt = 0, gb = 0; // grid top and bottom

    /// `headersCharHeight` is the headers font's size in target pixels; the
    /// title band is at least `minimumTitleHeight` high.
    static MonthGridGeometry compute(const TRect &area, int minimumTitleHeight, int headersCharHeight);

    TRect titleTextRect() const { return {x0, y0 + 1, x1, y0 + 1 + th}; }
    TRect titleFillRect() const { return {x0, y0 + 1, x1, tb + 1}; }
    TRect headerBand() const { return {x0, tb + 1, x1, hb}; }
    TRect headerFillRect() const { return {x0, tb + 1, x1, hb + 1}; }
    TRect headerCell(int column) const { return {x0 + column * cw + 1, tb + 1, x0 + column * cw + cw - 1, hb}; }
    /// The y of grid line r (0..6).
    int rowLine(int r) const { return r == 6 ? gb : gt + r * rh; }
    /// The x of vertical grid line j (0..7).
    int columnLine(int j) const { return j == 7 ? x1 : x0 + j * cw; }

    /// The clickable area of cell (row, col); the upper-right number position
    /// keeps 4 pixels free on the left and 5 on the right.
    TRect cellRect(int row, int col, TCalendarNumberPosition position) const;
    /// The part of `cell` left for text below a number `numberHeight` high,
    /// all zero when the number is centred.
    static TRect freeRect(const TRect &cell, TCalendarNumberPosition position, int numberHeight);
};

} // namespace qm
