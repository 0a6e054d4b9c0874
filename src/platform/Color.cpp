#include "Color.h"

namespace qm {
namespace {

// A light desktop scheme for the system colour indexes documents can name.
QRgb systemColor(int index)
{
    switch (index) {
    case 5: // window
        return qRgb(255, 255, 255);
    case 8:  // window text
    case 7:  // menu text
    case 18: // button text
    case 6:  // window frame
        return qRgb(0, 0, 0);
    case 13: // highlight
        return qRgb(0, 120, 215);
    case 14: // highlight text
    case 20: // button highlight
        return qRgb(255, 255, 255);
    case 16: // button shadow
        return qRgb(128, 128, 128);
    case 15: // button face
    default:
        return qRgb(240, 240, 240);
    }
}

} // namespace

QColor toQColor(TColor color)
{
    if (color < 0)
        return QColor(systemColor(color & 0xFF));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

TColor fromQColor(const QColor &color)
{
    return rgbColor(color.red(), color.green(), color.blue());
}

} // namespace qm
