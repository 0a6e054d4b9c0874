#include "calendar/MonthGridGeometry.h"

#include "platform/RoundHalfEven.h"

namespace qm {

MonthGridGeometry MonthGridGeometry::compute(const TRect &area, int minimumTitleHeight, int headersCharHeight,
                                             const TargetGaps &gaps)
{
    MonthGridGeometry g;
    g.x0 = area.left;
    g.y0 = area.top;
    g.x1 = area.right - 1;
    g.y1 = area.bottom - 1;
    g.titleHeight = qMax(int(roundRatio(kTitleHeightPercent * qint64(g.y1 - g.y0), 100)), minimumTitleHeight);
    g.titleBottom = g.y0 + 1 + g.titleHeight;
    // One and a half characters of the headers font.
    g.headerHeight = int(roundRatio(3 * qint64(qAbs(headersCharHeight)), 2));
    g.headerBottom = g.titleBottom + 1 + g.headerHeight;
    g.columnWidth = (g.x1 - g.x0) / 7;
    g.gridTop = g.headerBottom;
    g.gridBottom = g.y1;
    g.rowHeight = (g.gridBottom - g.gridTop) / 6;
    g.numberLeftInset = gaps.x(kNumberLeftInset);
    g.numberRightInset = gaps.x(kNumberRightInset);
    return g;
}

TRect MonthGridGeometry::cellRect(int row, int col, TCalendarNumberPosition position) const
{
    const int left = columnLine(col);
    const int top = rowLine(row);
    TRect cell{left + 1, top + 1, left + columnWidth - 1, top + rowHeight - 1};
    if (position == cnpUpperRight) {
        cell.left += numberLeftInset;
        cell.right -= numberRightInset;
    }
    return cell;
}

TRect MonthGridGeometry::freeRect(const TRect &cell, TCalendarNumberPosition position, int numberHeight)
{
    if (position != cnpUpperRight)
        return {};
    TRect free = cell;
    free.top += numberHeight;
    return free;
}

} // namespace qm
