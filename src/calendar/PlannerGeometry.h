#pragma once

#include "calendar/DrawingTarget.h"
#include "calendar/Rect.h"

namespace qm {

/// Where the parts of a planner lie inside a calendar rectangle on the target:
/// a title line, then a table of `rowCount` rows (the last one for notes) with
/// a label column on the left. All values are target pixels.
struct PlannerGeometry {
    /// The label column takes this percentage of the rectangle's width.
    static constexpr int kLabelColumnPercent = 15;
    /// How far the title keeps off the rectangle's left and right edges, in
    /// layout pixels.
    static constexpr int kTitleInset = 5;
    /// How far a row's text keeps off the row's lines, in layout pixels.
    static constexpr int kCellInset = 4;

    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int titleBottom = 0;
    int rowHeight = 0;
    int labelColumnRight = 0;
    int rowCount = 0;
    int titleInset = kTitleInset; // target pixels
    int cellInsetX = kCellInset;
    int cellInsetY = kCellInset;

    /// `titleHeight` is the measured height of the title font's text.
    static PlannerGeometry compute(const TRect &area, int titleHeight, int rowCount, const TargetGaps &gaps = {});

    TRect titleRect() const { return {x0 + titleInset, y0 + 1, x1 - titleInset, titleBottom}; }
    TRect tableRect() const { return {x0, titleBottom + 1, x1, y1}; }
    /// The label column inside the table's outline.
    TRect labelColumn() const { return {x0 + 1, titleBottom + 2, labelColumnRight, y1 - 1}; }
    /// The y of the line above row `row` (0-based).
    int rowLine(int row) const { return titleBottom + 1 + row * rowHeight; }
    /// The upper and lower half of the row's label cell.
    TRect labelRect(int row) const
    {
        const int top = rowLine(row) + 1;
        return {x0 + 1, top, labelColumnRight, top + rowHeight / 2};
    }
    TRect secondLabelRect(int row) const
    {
        const int top = labelRect(row).bottom;
        return {x0 + 1, top, labelColumnRight, top + rowHeight / 2};
    }
    /// The text area of row `row` (0-based), the cell insets inside the row's lines.
    TRect cellRect(int row) const;
};

} // namespace qm
