#pragma once

#include "calendar/Rect.h"
#include "richtext/QmRTFTextPaint.h"

#include <QImage>

class QPainter;

namespace qm {

/// Paints the rich text of calendar cells into their free rectangles. The
/// calendar keeps one for its whole life: one paint engine (`CellPainter`)
/// into which each cell's document is copied, and one cell image reused for
/// every cell on screen.
///
/// Only whole lines are painted; text that does not fit ends after the last
/// line that does. A cell whose text cannot be painted (a damaged document,
/// no memory) keeps the background the page already shows there: no paint
/// ever raises.
class CellTextPainter
{
public:
    /// How the cell text engine is set before painting a cell.
    enum class Options { SetForMonthGrid, Keep };

    CellTextPainter();

    /// Screen and bitmaps: the document is painted at `magnification` into a
    /// white cell image one pixel wider and higher than `free`, in the device
    /// pixels of `page`'s device, which is then stretched into `free` on
    /// `page` (a stretch that keeps dark pixels). `pixelsPerInch` is the
    /// screen's resolution at 100 %. The month grid paints with print options 0
    /// (opaque on white). Returns false when the cell was left as it was.
    bool paintOnScreen(QPainter &page, const TQmRTFTextIo &document, const TRect &free, int magnification,
                       int pixelsPerInch, Options options);
    /// Paper: the document is painted straight onto the printer's canvas at
    /// `free`'s corner, one pixel wider and higher than `free`, at zoom 100;
    /// the month grid paints transparently (print options 4) over the page.
    /// Returns false when the cell was left as it was.
    bool paintOnPrinter(QPainter &printer, const TQmRTFTextIo &document, const TRect &free, Options options);

    /// Characters of the text painted last that did not fit into its cell:
    /// those after the last whole line painted. 0 when it all fit or the
    /// cell was left as it was.
    int HiddenCharacters() const { return m_hiddenCharacters; }

    /// The engine that paints every cell.
    TQmRTFTextPaint &CellPainter() { return m_cellPainter; }

private:
    /// Copies `document` into the engine and paints the lines that fit into `area` of `canvas`.
    void paintDocument(const TQmRTFTextIo &document, QPainter &canvas, const QRect &area);

    TQmRTFTextPaint m_cellPainter;
    QImage m_cellImage;
    int m_hiddenCharacters = 0;
};

} // namespace qm
