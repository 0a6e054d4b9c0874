// Painting the flat button: frames, the down pattern, the caption, the
// bitmap in its normal, shaded, disabled and embossed looks, and the
// drop-down mark.

#include "ExplorerButton.h"

#include "Frame3D.h"

#include <QPainter>

#include <optional>

namespace {

std::optional<QImage> &sharedPattern()
{
    static std::optional<QImage> pattern;
    return pattern;
}

/// A copy whose pixels of the top-left pixel's colour are transparent.
QImage transparentCopy(const QImage &bitmap)
{
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

/// Every visible pixel of `image` that is dark, in one colour.
QImage darkPixelsIn(const QImage &image, const QColor &colour)
{
    // Lighter pixels (white, light grey) vanish in the embossed look.
    constexpr int darkBelow = 3 * 192;
    QImage result(image.size(), QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 0 && qRed(pixel) + qGreen(pixel) + qBlue(pixel) < darkBelow)
                result.setPixel(x, y, colour.rgba());
        }
    }
    return result;
}

/// The thresholds of the shaded bitmap: white above the first, highlight above
/// the second, shadow above the third, black below.
struct Thresholds {
    int white;
    int highlight;
    int shadow;
};

Thresholds thresholds(TExplorerButtonShadingType type)
{
    switch (type) {
    case stLight:
        return {205, 127, 68};
    case stDark:
        return {335, 274, 175};
    case stMedium:
        break;
    }
    return {553, 231, 57};
}

int alignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return Qt::AlignLeft;
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

/// The drop-down mark: a small triangle pointing down, its top row at y - 1.
void drawMark(QPainter &painter, QPoint at, const QColor &colour)
{
    const int x = at.x();
    const int y = at.y();
    painter.fillRect(x, y - 1, 7, 1, colour);
    painter.fillRect(x + 1, y, 5, 1, colour);
    painter.fillRect(x + 2, y + 1, 3, 1, colour);
    painter.fillRect(x + 3, y + 2, 1, 1, colour);
}

} // namespace

const QImage &TExplorerButton::downPattern()
{
    std::optional<QImage> &pattern = sharedPattern();
    if (!pattern) {
        pattern.emplace(8, 8, QImage::Format_RGB32);
        const QRgb face = qm::toQColor(qm::clBtnFace).rgb();
        const QRgb highlight = qm::toQColor(qm::clBtnHighlight).rgb();
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                pattern->setPixel(x, y, x % 2 == y % 2 ? highlight : face);
        }
    }
    return *pattern;
}

void TExplorerButton::releaseDownPattern()
{
    sharedPattern().reset();
}

void TExplorerButton::regenerateShadedBitmap()
{
    if (m_bitmap.isNull() || !m_noFocusBitmap.isNull())
        return;
    const Thresholds limits = thresholds(m_shadingType);
    const QRgb highlight = qm::toQColor(qm::clBtnHighlight).rgb();
    const QRgb shadow = qm::toQColor(qm::clBtnShadow).rgb();
    QImage shaded = m_bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = shaded.pixel(0, 0);
    for (int y = 0; y < shaded.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shaded.scanLine(y));
        for (int x = 0; x < shaded.width(); ++x) {
            if (line[x] == transparent)
                continue;
            const int sum = qRed(line[x]) + qGreen(line[x]) + qBlue(line[x]);
            line[x] = sum > limits.white       ? qRgb(255, 255, 255)
                      : sum > limits.highlight ? highlight
                      : sum > limits.shadow    ? shadow
                                               : qRgb(0, 0, 0);
        }
    }
    m_shadedBitmap = shaded;
}

void TExplorerButton::drawBitmap(QPainter &painter, const QImage &bitmap, QPoint at) const
{
    if (!bitmap.isNull())
        painter.drawImage(at, transparentCopy(bitmap));
}

void TExplorerButton::drawEmbossed(QPainter &painter, QPoint at) const
{
    if (m_bitmap.isNull())
        return;
    const QImage visible = transparentCopy(m_bitmap);
    painter.drawImage(at + QPoint(1, 1), darkPixelsIn(visible, qm::toQColor(qm::clBtnHighlight)));
    painter.drawImage(at, darkPixelsIn(visible, qm::toQColor(qm::clBtnShadow)));
}

void TExplorerButton::drawFrame(QPainter &painter, bool sunken) const
{
    QColor light = qm::toQColor(qm::clBtnHighlight);
    QColor dark = qm::toQColor(m_shadowColor);
    // A lowered button shows its frames the other way round.
    if (sunken != (m_bevelStyle == bsLowered))
        std::swap(light, dark);
    QRect bounds = rect();
    qm::drawFrame3D(painter, bounds, light, dark);
}

void TExplorerButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    if (m_down && m_showDownPattern)
        painter.fillRect(rect(), QBrush(downPattern()));
    painter.setFont(font());

    const bool showCaption = !m_options.testFlag(boIconOnly) && !m_caption.isEmpty();
    const QString text = m_wordWrap ? m_caption + u' ' : m_caption;
    const int textFlags =
        alignmentFlag(m_alignment) | Qt::TextShowMnemonic | (m_wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    int textWidth = 0;
    int textHeight = 0;
    int gap = 0;
    if (showCaption) {
        gap = 2;
        const QRect measured = painter.fontMetrics().boundingRect(QRect(0, 0, w - 4, 0x7fff), textFlags, text);
        textWidth = std::min(measured.width(), w - 4);
        textHeight = measured.height();
    }
    const int bitmapWidth = m_bitmap.width();
    const int bitmapHeight = m_bitmap.height();
    const int markedWidth = bitmapWidth + (hasPopupMark() ? 10 : 0);

    int textX = 0;
    int textY = 0;
    int bitmapX = 0;
    int bitmapY = 0;
    int drawWidth = textWidth;
    if (m_bitmap.isNull()) {
        if (hasPopupMark()) {
            drawWidth = std::min(w - 14, textWidth);
            textWidth += 10;
        }
        textY = (h - textHeight) / 2;
        textX = m_alignment == taLeftJustify    ? 3
                : m_alignment == taRightJustify ? w - textWidth - 3
                                                : (w - textWidth) / 2;
    } else if (m_layout == blBitmapTop || m_layout == blBitmapBottom) {
        if (m_layout == blBitmapTop) {
            bitmapY = (h - textHeight - bitmapHeight - gap) / 2;
            textY = bitmapY + bitmapHeight + gap;
        } else {
            textY = (h - textHeight - bitmapHeight - gap) / 2;
            bitmapY = textY + textHeight + gap;
        }
        switch (m_alignment) {
        case taLeftJustify:
            bitmapX = textX = 3;
            break;
        case taRightJustify:
            bitmapX = w - markedWidth - 3;
            textX = w - textWidth - 3;
            break;
        case taCenter:
            bitmapX = (w - markedWidth) / 2;
            textX = (w - textWidth) / 2;
            break;
        }
        drawWidth = textWidth;
    } else {
        if (w - 4 < textWidth + markedWidth + gap)
            textWidth = w - gap - markedWidth - 4;
        bitmapY = (h - bitmapHeight) / 2;
        textY = (h - textHeight) / 2;
        const bool bitmapLeft = m_layout == blBitmapLeft;
        switch (m_alignment) {
        case taLeftJustify:
            if (bitmapLeft) {
                bitmapX = 3;
                textX = markedWidth + gap + 3;
            } else {
                textX = 3;
                bitmapX = textWidth + gap + 3;
            }
            break;
        case taRightJustify:
            if (bitmapLeft) {
                textX = w - textWidth - 3;
                bitmapX = textX - markedWidth - gap;
            } else {
                bitmapX = w - markedWidth - 3;
                textX = bitmapX - textWidth - gap;
            }
            break;
        case taCenter: {
            const int start = (w - textWidth - markedWidth - gap) / 2;
            if (bitmapLeft) {
                bitmapX = start;
                textX = start + markedWidth + gap;
            } else {
                textX = start;
                bitmapX = start + textWidth + gap;
            }
            break;
        }
        }
        drawWidth = textWidth;
    }
    if (m_wordWrap && textX + drawWidth > w - 5)
        drawWidth = w - textX - 5;
    const QRect captionRect(textX, textY, drawWidth, textHeight);
    const QPoint bitmapAt(bitmapX, bitmapY);
    const auto drawCaption = [&](const QRect &at, const QColor &colour) {
        if (!showCaption)
            return;
        painter.setPen(colour);
        painter.drawText(at, textFlags, text);
    };

    const QColor fontColour = palette().color(QPalette::WindowText);
    if (!isEnabled()) {
        if (m_down)
            drawFrame(painter, true);
        if (!m_disabledBitmap.isNull())
            drawBitmap(painter, m_disabledBitmap, bitmapAt);
        else
            drawEmbossed(painter, bitmapAt);
        drawCaption(captionRect.translated(1, 1), qm::toQColor(qm::clBtnHighlight));
        drawCaption(captionRect, qm::toQColor(qm::clBtnShadow));
        return;
    }

    QPoint markAt;
    QColor captionColour = fontColour;
    if ((m_pressed && m_mouseInControl) || m_down) {
        drawFrame(painter, true);
        drawCaption(m_bevelStyle == bsRaised ? captionRect.translated(1, 1) : captionRect, fontColour);
        drawBitmap(painter, m_bitmap, bitmapAt + QPoint(1, 1));
        markAt = m_bitmap.isNull() ? QPoint(captionRect.right() + 1 + 4, textY + textHeight / 2 + 1)
                                   : QPoint(bitmapX + bitmapWidth + 4, bitmapY + bitmapHeight / 2 + 1);
    } else {
        if (m_mouseInControl)
            drawFrame(painter, false);
        else
            captionColour = qm::toQColor(m_unselectedFontColor);
        drawCaption(m_bevelStyle == bsLowered ? captionRect.translated(1, 1) : captionRect, captionColour);
        const bool shaded = !m_mouseInControl && m_options.testFlag(boMonoDisplay);
        drawBitmap(painter,
                   !shaded                     ? m_bitmap
                   : !m_noFocusBitmap.isNull() ? m_noFocusBitmap
                                               : m_shadedBitmap,
                   bitmapAt);
        markAt = m_bitmap.isNull() ? QPoint(captionRect.right() + 1 + 3, textY + textHeight / 2)
                                   : QPoint(bitmapX + bitmapWidth + 3, bitmapY + bitmapHeight / 2);
    }
    if (hasPopupMark())
        drawMark(painter, markAt, captionColour);
}
