#include "calendar/PlannerGeometry.h"

#include "platform/RoundHalfEven.h"

namespace qm {

PlannerGeometry PlannerGeometry::compute(const TRect &area, int titleHeight, int rowCount, const TargetGaps &gaps)
{
    PlannerGeometry g;
    g.x0 = area.left;
    g.y0 = area.top;
    g.x1 = area.right - 1;
    g.y1 = area.bottom - 1;
    g.titleBottom = g.y0 + 1 + titleHeight;
    g.rowCount = rowCount;
    g.rowHeight = rowCount > 0 ? (g.y1 - (g.titleBottom + 1)) / rowCount : 0;
    g.labelColumnRight = g.x0 + int(roundRatio(kLabelColumnPercent * qint64(g.x1 - g.x0), 100));
    g.titleInset = gaps.x(kTitleInset);
    g.cellInsetX = gaps.x(kCellInset);
    g.cellInsetY = gaps.y(kCellInset);
    return g;
}

TRect PlannerGeometry::cellRect(int row) const
{
    // The last row reaches down to the table's outline.
    const int bottomLine = row == rowCount - 1 ? y1 : rowLine(row + 1);
    return {labelColumnRight + cellInsetX, rowLine(row) + cellInsetY, x1 - cellInsetX, bottomLine - cellInsetY};
}

} // namespace qm
