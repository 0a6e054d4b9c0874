#include "calendar/CellTextPainter.h"

#include "platform/RoundHalfEven.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace qm {
namespace {

constexpr quint8 ScreenOptions = 0;
constexpr quint8 PaperOptions = paint::PrintTransparent;
/// Characters copied first from a long text; a cell seldom shows more.
constexpr int FirstCopiedCharacters = 4096;

int characterCount(const TQmRTFText &document)
{
    qint64 count = 0;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next())
        count += paragraph->characterCount();
    return int(std::min<qint64>(count, std::numeric_limits<int>::max()));
}

/// The characters of the first `lineCount` lines of `document`.
qint64 charactersInLines(const TQmRTFText &document, int lineCount)
{
    qint64 count = 0;
    int lines = 0;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph && lines < lineCount;
         paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line && lines < lineCount; line = line->next(), ++lines)
            count += line->length;
    }
    return count;
}

/// The cell image, one pixel wider and higher than the free rectangle,
/// stretched into it the way a stretch that keeps black on white does: the
/// rows and columns that fall out (one logical pixel, as many device pixels
/// as the image's pixel ratio gives) are combined (AND) with their
/// neighbours, so that no stroke of the text is lost.
QImage stretchIntoFreeRectangle(const QImage &cell, QSize free)
{
    const int width = free.width();
    const int height = free.height();
    QImage result = cell.copy(0, 0, width, height);
    if (result.isNull())
        return result;
    result.setDevicePixelRatio(cell.devicePixelRatio());
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(result.scanLine(y));
        const QRgb *source = reinterpret_cast<const QRgb *>(cell.constScanLine(y));
        for (int x = width; x < cell.width(); ++x)
            row[width - 1] &= source[x];
    }
    QRgb *bottom = reinterpret_cast<QRgb *>(result.scanLine(height - 1));
    for (int y = height; y < cell.height(); ++y) {
        const QRgb *source = reinterpret_cast<const QRgb *>(cell.constScanLine(y));
        for (int x = 0; x < cell.width(); ++x)
            bottom[std::min(x, width - 1)] &= source[x];
    }
    return result;
}

/// `size` in the device pixels of a surface with pixel ratio `ratio`.
QSize devicePixels(QSize size, qreal ratio)
{
    return (QSizeF(size) * ratio).toSize();
}

/// The part of `area` that `page` can change: all of it unless the painter clips.
QRect visiblePart(const QPainter &page, const QRect &area)
{
    return page.hasClipping() ? area & page.clipBoundingRect().toAlignedRect() : area;
}

} // namespace

CellTextPainter::CellTextPainter() = default;

bool CellTextPainter::paintOnScreen(QPainter &page, const TQmRTFTextIo &document, const TRect &free, int magnification,
                                    int pixelsPerInch, Options options)
{
    m_hiddenCharacters = 0;
    const QSize size(free.width() + 1, free.height() + 1);
    if (free.width() <= 0 || free.height() <= 0)
        return false;
    if (document.IsEmpty()) {
        // What stretching a white cell image gives, without painting it.
        page.fillRect(free.toQRect(), Qt::white);
        return true;
    }
    // Only what the page's clip lets through is painted: a page painted in
    // bands would otherwise paint every cell once for every band.
    const QRect visible = visiblePart(page, free.toQRect());
    if (visible.isEmpty())
        return true;
    const QRect visibleInCell = visible.translated(-free.left, -free.top);
    try {
        // On a high-density screen the page is drawn in device pixels, and
        // the cell text with it, rather than enlarged from logical pixels.
        const qreal ratio = page.device()->devicePixelRatio();
        if (m_cellImage.size() != devicePixels(size, ratio) || m_cellImage.devicePixelRatio() != ratio) {
            m_cellImage = QImage(devicePixels(size, ratio), QImage::Format_RGB32);
            if (m_cellImage.isNull())
                return false;
            m_cellImage.setDevicePixelRatio(ratio);
        }
        // The text is laid out at the image's resolution: an image kept from
        // a cell of the same size may have been made for another one.
        const int dotsPerMeter = int(roundRatio(qint64(pixelsPerInch) * 10000, 254));
        m_cellImage.setDotsPerMeterX(dotsPerMeter);
        m_cellImage.setDotsPerMeterY(dotsPerMeter);
        m_cellPainter.SetZooming(magnification);
        if (options == Options::SetForMonthGrid)
            m_cellPainter.SetPrintOptions(ScreenOptions);
        QPainter cell(&m_cellImage);
        // The stretch folds the image's last row and column into the ones
        // before them, so those are painted with the part that shows.
        const QRect painted = visibleInCell.adjusted(0, 0, 1, 1) & QRect(QPoint(0, 0), size);
        cell.setClipRect(painted);
        cell.fillRect(painted, Qt::white);
        paintDocument(document, cell, QRect(QPoint(0, 0), size));
        cell.end();
        const QSize freeSize(free.width(), free.height());
        page.drawImage(visible.topLeft(), stretchIntoFreeRectangle(m_cellImage, devicePixels(freeSize, ratio)),
                       QRectF(QPointF(visibleInCell.topLeft()) * ratio, QSizeF(visibleInCell.size()) * ratio));
        return true;
    } catch (...) {
        return false;
    }
}

bool CellTextPainter::paintOnPrinter(QPainter &printer, const TQmRTFTextIo &document, const TRect &free,
                                     Options options)
{
    m_hiddenCharacters = 0;
    const QSize size(free.width() + 1, free.height() + 1);
    if (size.isEmpty() || document.IsEmpty())
        return false;
    try {
        if (options == Options::SetForMonthGrid)
            m_cellPainter.SetPrintOptions(PaperOptions);
        m_cellPainter.SetZooming(100);
        paintDocument(document, printer, QRect(QPoint(free.left, free.top), size));
        return true;
    } catch (...) {
        return false;
    }
}

void CellTextPainter::paintDocument(const TQmRTFTextIo &document, QPainter &canvas, const QRect &area)
{
    // Only the lines that fit are painted, so a long text is copied and laid
    // out only as far as it must be: the start of the text is taken when
    // a line beyond the last one that fits came from it, as then every line
    // that fits is what the whole text gives too. Otherwise a twice longer
    // start is tried, up to the whole text.
    const int total = characterCount(document);
    for (qint64 limit = FirstCopiedCharacters;; limit *= 2) {
        const bool whole = limit >= total;
        m_cellPainter.Assign(document, whole ? total : int(limit));
        if (!whole) {
            const int next = m_cellPainter.PaintLines(&canvas, area.x(), TQmRTFTextPaint::pmMeasure, 0, area.height(),
                                                      area.width(), area.y());
            if (next == 0 || next >= m_cellPainter.LineCount())
                continue;
        }
        const int next = m_cellPainter.PaintLines(&canvas, area.x(), TQmRTFTextPaint::pmPaint, 0, area.height(),
                                                  area.width(), area.y());
        if (next != 0)
            m_hiddenCharacters = int(std::max<qint64>(0, total - charactersInLines(m_cellPainter, next)));
        return;
    }
}

} // namespace qm
