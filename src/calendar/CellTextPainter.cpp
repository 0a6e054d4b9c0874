#include "calendar/CellTextPainter.h"

#include "platform/RoundHalfEven.h"

#include <QPainter>

namespace qm {
namespace {

constexpr quint8 ScreenOptions = 0;
constexpr quint8 PaperOptions = paint::PrintTransparent;

} // namespace

CellTextPainter::CellTextPainter() = default;

bool CellTextPainter::paintOnScreen(QPainter &page, const TQmRTFTextIo &document, const TRect &free, int magnification,
                                    int pixelsPerInch, Options options)
{
    const QSize size(free.width() + 1, free.height() + 1);
    if (size.isEmpty())
        return false;
    if (document.IsEmpty()) {
        // What stretching a white cell image gives, without painting it.
        page.fillRect(free.toQRect(), Qt::white);
        return true;
    }
    try {
        if (m_cellImage.size() != size) {
            m_cellImage = QImage(size, QImage::Format_RGB32);
            if (m_cellImage.isNull())
                return false;
            const int dotsPerMeter = int(roundRatio(qint64(pixelsPerInch) * 10000, 254));
            m_cellImage.setDotsPerMeterX(dotsPerMeter);
            m_cellImage.setDotsPerMeterY(dotsPerMeter);
        }
        m_cellImage.fill(Qt::white);
        m_cellPainter.Assign(document);
        m_cellPainter.SetZooming(magnification);
        if (options == Options::SetForMonthGrid)
            m_cellPainter.SetPrintOptions(ScreenOptions);
        QPainter cell(&m_cellImage);
        m_cellPainter.PaintLines(&cell, 0, TQmRTFTextPaint::pmPaint, 0, size.height(), size.width(), 0);
        cell.end();
        page.drawImage(free.toQRect(), m_cellImage);
        return true;
    } catch (...) {
        return false;
    }
}

bool CellTextPainter::paintOnPrinter(QPainter &printer, const TQmRTFTextIo &document, const TRect &free,
                                     Options options)
{
    const QSize size(free.width() + 1, free.height() + 1);
    if (size.isEmpty() || document.IsEmpty())
        return false;
    try {
        m_cellPainter.Assign(document);
        if (options == Options::SetForMonthGrid)
            m_cellPainter.SetPrintOptions(PaperOptions);
        m_cellPainter.SetZooming(100);
        m_cellPainter.PaintLines(&printer, free.left, TQmRTFTextPaint::pmPaint, 0, size.height(), size.width(),
                                 free.top);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace qm
