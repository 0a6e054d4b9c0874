#pragma once

#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

namespace qm::test {

/// What a test reads from a PDF file through poppler's tools.
struct PdfFile {
    /// The first page's size in points, as pdfinfo reports it (empty when unreadable).
    static QSizeF pageSize(const QString &path);
    /// The text of the file, as pdftotext extracts it.
    static QString text(const QString &path);
    /// The first page rasterised by pdftoppm at `dotsPerInch` (null when unreadable).
    static QImage rasterise(const QString &path, int dotsPerInch);
    /// The bounds of the dark pixels of a page image: its lines and text.
    static QRect inkBounds(const QImage &page);
    /// The ink bounds of the page that the calendar shows on screen at 100 %,
    /// in the dots of an image at `dotsPerInch`.
    static QRect screenInkBounds(const QImage &screen, int screenPixelsPerInch, int dotsPerInch);
};

} // namespace qm::test
