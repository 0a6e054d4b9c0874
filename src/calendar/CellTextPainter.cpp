#include "calendar/CellTextPainter.h"

namespace qm {

void PaintCellText(QPainter &painter, const TQmRTFTextIo &document, const TRect &area, int zoom, int pixelsPerInch,
                   CellTextBackground background)
{
    // The rich-text engine cannot lay out documents yet; until it can, cell
    // text stays stored but unpainted, and the cell shows the calendar's own ground.
    Q_UNUSED(painter);
    Q_UNUSED(document);
    Q_UNUSED(area);
    Q_UNUSED(zoom);
    Q_UNUSED(pixelsPerInch);
    Q_UNUSED(background);
}

} // namespace qm
