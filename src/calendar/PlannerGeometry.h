#pragma once

#include "calendar/Rect.h"

namespace qm {

/// Where the parts of a planner lie inside a calendar rectangle on the target:
/// a title line, then a table of `rowCount` rows (the last one for notes) with
/// a label column on the left. All values are target pixels.
struct PlannerGeometry {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int tb = 0;   // title bottom
    int rowH = 0; // row height
    int lx = 0;   // right edge of the label column
    int rowCount = 0;

    /// `titleHeight` is the measured height of the title font's text.
    static PlannerGeometry compute(const TRect &area, int titleHeight, int rowCount);

    TRect titleRect() const { return {x0 + 5, y0 + 1, x1 - 5, tb}; }
    TRect tableRect() const { return {x0, tb + 1, x1, y1}; }
    /// The label column inside the table's outline.
    TRect labelColumn() const { return {x0 + 1, tb + 2, lx, y1 - 1}; }
    int rowLine(int m) const { return tb + 1 + m * rowH; }
    TRect labelRect(int m) const { return {x0 + 1, tb + 2 + m * rowH, lx, tb + 2 + m * rowH + rowH / 2}; }
    TRect secondLabelRect(int m) const
    {
        const int top = labelRect(m).bottom;
        return {x0 + 1, top, lx, top + rowH / 2};
    }
    /// The text area of row m (0-based), inset 4 pixels from the row's lines.
    TRect cellRect(int m) const;
};

} // namespace qm
