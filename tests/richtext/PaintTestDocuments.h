#pragma once

#include "richtext/QmRTFTextPaint.h"

#include "TestDocuments.h"

#include <QImage>

#include <initializer_list>

namespace qm::test {

/// An attribute of font 0 ("Arial") with `size` points and `flags`.
inline TAttr textAttr(quint8 size = 12, quint32 flags = 0)
{
    return attr(0, size, flags);
}

/// Fills `document` with one paragraph per text, each in `attribute`.
inline void setParagraphs(TQmRTFTextIo &document, std::initializer_list<QString> texts,
                          const TAttr &attribute = textAttr())
{
    document.Clear();
    document.Header().fonts[0].name = "Arial";
    TParagraph *paragraph = document.FirstParagraph();
    bool first = true;
    for (const QString &text : texts) {
        if (!first)
            paragraph = document.NewParagraph(paragraph, 100);
        first = false;
        appendRun(document, paragraph, text, attribute);
        paragraph->markForLayout();
    }
}

/// The characters of each line of the document, in order.
inline QStringList lineTexts(const TQmRTFText &document)
{
    QStringList lines;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next())
            lines.append(line->chars().toString());
    }
    return lines;
}

/// Every line of the document, in order.
inline std::vector<const TTextLine *> allLines(const TQmRTFText &document)
{
    std::vector<const TTextLine *> lines;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next())
            lines.push_back(line);
    }
    return lines;
}

/// An image of `size` filled with `color`, at 96 pixels per inch.
inline QImage filledImage(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(color);
    return image;
}

/// Pixels of `rect` in `image` that are not `color`.
inline int pixelsNotOf(const QImage &image, const QRect &rect, QColor color)
{
    int count = 0;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) != color;
    }
    return count;
}

} // namespace qm::test
