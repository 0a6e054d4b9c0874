#include "calendar/MonthGridGeometry.h"

#include "platform/RoundHalfEven.h"

namespace qm {

MonthGridGeometry MonthGridGeometry::compute(const TRect &area, int minimumTitleHeight, int headersCharHeight)
{
    MonthGridGeometry g;
    g.x0 = area.left;
    g.y0 = area.top;
    g.x1 = area.right - 1;
    g.y1 = area.bottom - 1;
    g.th = qMax(int(roundRatio(17 * qint64(g.y1 - g.y0), 100)), minimumTitleHeight);
    g.tb = g.y0 + 1 + g.th;
    g.hh = int(roundRatio(3 * qint64(qAbs(headersCharHeight)), 2));
    g.hb = g.tb + 1 + g.hh;
    g.cw = (g.x1 - g.x0) / 7;
    g.gt = g.hb;
    g.gb = g.y1;
    g.rh = (g.gb - g.gt) / 6;
    return g;
}

TRect MonthGridGeometry::cellRect(int row, int col, TCalendarNumberPosition position) const
{
    TRect cell{x0 + col * cw + 1, gt + row * rh + 1, x0 + col * cw + cw - 1, gt + row * rh + rh - 1};
    if (position == cnpUpperRight) {
        cell.left += 4;
        cell.right -= 5;
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
