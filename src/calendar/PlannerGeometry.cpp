#include "calendar/PlannerGeometry.h"

#include "platform/RoundHalfEven.h"

namespace qm {

PlannerGeometry PlannerGeometry::compute(const TRect &area, int titleHeight, int rowCount)
{
    PlannerGeometry g;
    g.x0 = area.left;
    g.y0 = area.top;
    g.x1 = area.right - 1;
    g.y1 = area.bottom - 1;
    g.tb = g.y0 + 1 + titleHeight;
    g.rowCount = rowCount;
    g.rowH = rowCount > 0 ? (g.y1 - (g.tb + 1)) / rowCount : 0;
    g.lx = g.x0 + int(roundRatio(15 * qint64(g.x1 - g.x0), 100));
    return g;
}

TRect PlannerGeometry::cellRect(int m) const
{
    const int bottom = m == rowCount - 1 ? y1 - 4 : rowLine(m + 1) - 4;
    return {lx + 4, rowLine(m) + 4, x1 - 4, bottom};
}

} // namespace qm
