#include "calendar/PageGeometry.h"

#include "platform/RoundHalfEven.h"

#include <cmath>

namespace qm {
namespace {

constexpr qint64 kMicro = 1000000;

} // namespace

int InchToPixels(float inches, int pixelsPerInch)
{
    const double micro = std::round(double(inches) * kMicro);
    if (!std::isfinite(micro) || std::fabs(micro) > 1e12) // beyond any page: plain floating point will do
        return roundHalfEven(double(inches) * pixelsPerInch);
    return int(roundRatio(qint64(micro) * pixelsPerInch, kMicro));
}

float inchesPlus(float margin, double distance)
{
    return float(double(margin) + distance);
}

QSize PageSizeInPixels(int paperSize, TCalendarOrientation orientation, int pixelsPerInch)
{
    const qint64 p = pixelsPerInch;
    QSize portrait = paperSize == kPaperA4 ? QSize(int(roundRatio(p * 827, 100)), int(roundRatio(p * 1169, 100)))
                                           : QSize(int(roundRatio(p * 85, 10)), int(p * 11));
    return orientation == coLandscape ? portrait.transposed() : portrait;
}

void DivideIntoGrid(int rows, int cols, int firstIndex, int lastIndex, const TRect &area, MiniRectArray &miniRects)
{
    const int gapY = int(roundRatio(area.height(), 100));
    const int gapX = int(roundRatio(area.width(), 100));
    const int cellH = int(roundRatio(area.height() - qint64(rows - 1) * gapY, rows));
    const int cellW = int(roundRatio(area.width() - qint64(cols - 1) * gapX, cols));
    int index = firstIndex;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int left = c == cols - 1 ? area.right - cellW : area.left + c * (gapX + cellW);
            const int top = r == rows - 1 ? area.bottom - cellH : area.top + r * (gapY + cellH);
            if (index >= 1 && index <= int(miniRects.size()))
                miniRects[index - 1] = {left, top, left + cellW, top + cellH};
            if (index + 1 > lastIndex)
                return;
            ++index;
        }
    }
}

} // namespace qm
