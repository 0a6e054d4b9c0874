#include "FontDescription.h"

#include "RoundHalfEven.h"

#include <cstdlib>

namespace qm {

int fontPixelHeight(int points, int pixelsPerInch)
{
    return std::abs(static_cast<int>(roundRatio(qint64(points) * pixelsPerInch, 72)));
}

QFont FontDescription::toQFont(int pixelsPerInch) const
{
    QFont font(name);
    font.setPixelSize(qMax(1, fontPixelHeight(size, pixelsPerInch)));
    font.setBold(style.testFlag(FontStyle::Bold));
    font.setItalic(style.testFlag(FontStyle::Italic));
    font.setUnderline(style.testFlag(FontStyle::Underline));
    font.setStrikeOut(style.testFlag(FontStyle::StrikeOut));
    font.setKerning(false); // text is measured character by character, as on paper
    return font;
}

} // namespace qm
