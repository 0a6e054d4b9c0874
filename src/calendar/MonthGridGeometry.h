#pragma once

#include "calendar/CalendarTypes.h"
#include "calendar/DrawingTarget.h"
#include "calendar/Rect.h"

namespace qm {

/// Where the parts of a month grid lie inside a calendar rectangle on the
/// target: title band, header band with seven day names, 6 x 7 cells. All
/// values are target pixels; x1 and y1 are the last pixel column and row
/// inside the rectangle.
struct MonthGridGeometry {
    /// The title band takes this percentage of the rectangle's height (at least
    /// the minimum title height).
    static constexpr int kTitleHeightPercent = 17;
    /// How far a cell with its number in the upper-right corner keeps off its
    /// left and right grid lines, in layout pixels.
    static constexpr int kNumberLeftInset = 4;
    static constexpr int kNumberRightInset = 5;

    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int titleHeight = 0;
    int titleBottom = 0;
    int headerHeight = 0;
    int headerBottom = 0;
    int columnWidth = 0;
    int rowHeight = 0;
    int gridTop = 0; // the header band's bottom line is the grid's top line
    int gridBottom = 0;
    int numberLeftInset = kNumberLeftInset; // target pixels
    int numberRightInset = kNumberRightInset;

    /// `headersCharHeight` is the headers font's size in target pixels; the
    /// title band is at least `minimumTitleHeight` high.
    static MonthGridGeometry compute(const TRect &area, int minimumTitleHeight, int headersCharHeight,
                                     const TargetGaps &gaps = {});

    TRect titleTextRect() const { return {x0, y0 + 1, x1, y0 + 1 + titleHeight}; }
    TRect titleFillRect() const { return {x0, y0 + 1, x1, titleBottom + 1}; }
    TRect headerBand() const { return {x0, titleBottom + 1, x1, headerBottom}; }
    TRect headerFillRect() const { return {x0, titleBottom + 1, x1, headerBottom + 1}; }
    TRect headerCell(int column) const
    {
        return {x0 + column * columnWidth + 1, titleBottom + 1, x0 + column * columnWidth + columnWidth - 1,
                headerBottom};
    }
    /// The y of grid line r (0..6).
    int rowLine(int r) const { return r == 6 ? gridBottom : gridTop + r * rowHeight; }
    /// The x of vertical grid line j (0..7).
    int columnLine(int j) const { return j == 7 ? x1 : x0 + j * columnWidth; }

    /// The clickable area of cell (row, col), inside the grid lines; the
    /// upper-right number position narrows it by the number insets.
    TRect cellRect(int row, int col, TCalendarNumberPosition position) const;
    /// The part of `cell` left for text below a number `numberHeight` high,
    /// all zero when the number is centred.
    static TRect freeRect(const TRect &cell, TCalendarNumberPosition position, int numberHeight);
};

} // namespace qm
