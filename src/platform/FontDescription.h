#pragma once

#include "Color.h"

#include <QFlags>
#include <QFont>
#include <QString>

namespace qm {

enum class FontStyle : quint8 {
    Bold = 0x01,
    Italic = 0x02,
    Underline = 0x04,
    StrikeOut = 0x08,
};
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

/// A font as documents and preferences describe it: face name, size in whole
/// points, style set and colour. It becomes a QFont only for a given target
/// resolution, so that a point is the same fraction of an inch on screen,
/// in a bitmap and on paper.
struct FontDescription {
    QString name;
    int size = 10;
    FontStyles style;
    TColor color = clWindowText;

    /// The largest size a font dialog offers; far larger sizes overflow the
    /// geometry computed from the font's height.
    static constexpr int largestSize = 1638;

    bool operator==(const FontDescription &) const = default;

    /// A QFont whose pixel size is the character height of this font at the
    /// given resolution.
    QFont toQFont(int pixelsPerInch) const;
};

/// The character height in pixels of a font of `points` at `pixelsPerInch`:
/// round(points x pixelsPerInch / 72), halves to even.
int fontPixelHeight(int points, int pixelsPerInch);

} // namespace qm
