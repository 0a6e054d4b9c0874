#include "calendar/CellTextPainter.h"

#include "platform/RoundHalfEven.h"

#include <QPainter>

#include <algorithm>

namespace qm {
namespace {

constexpr quint8 ScreenOptions = 0;
constexpr quint8 PaperOptions = paint::PrintTransparent;

/// The cell image, one pixel wider and higher than the free rectangle,
/// stretched into it the way a stretch that keeps black on white does: the
/// row and the column that fall out are combined (AND) with their
/// neighbours, so that no stroke of the text is lost.
QImage stretchIntoFreeRectangle(const QImage &cell)
{
    const int width = cell.width() - 1;
    const int height = cell.height() - 1;
    QImage result = cell.copy(0, 0, width, height);
    if (result.isNull())
        return result;
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        row[width - 1] &= reinterpret_cast<const QRgb *>(cell.constScanLine(y))[width];
    }
    const QRgb *lastRow = reinterpret_cast<const QRgb *>(cell.constScanLine(height));
    QRgb *bottom = reinterpret_cast<QRgb *>(result.scanLine(height - 1));
    for (int x = 0; x <= width; ++x)
        bottom[std::min(x, width - 1)] &= lastRow[x];
    return result;
}

} // namespace

CellTextPainter::CellTextPainter() = default;

bool CellTextPainter::paintOnScreen(QPainter &page, const TQmRTFTextIo &document, const TRect &free, int magnification,
                                    int pixelsPerInch, Options options)
{
    const QSize size(free.width() + 1, free.height() + 1);
    if (free.width() <= 0 || free.height() <= 0)
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
        page.drawImage(free.toQRect().topLeft(), stretchIntoFreeRectangle(m_cellImage));
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
