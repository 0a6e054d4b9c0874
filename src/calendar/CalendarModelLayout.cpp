// The page geometry of every layout: where the main calendar or planner and
// the mini-calendars lie, in layout pixels.
#include "calendar/CalendarModel.h"

#include "platform/Environment.h"
#include "platform/RoundHalfEven.h"

using namespace qm;

namespace {

struct LayoutRow {
    bool showMainCalendar;
    bool showMinis;
    bool isPlanner;
    int miniFontSize; // 0: the layout has no minis of its own size
    int miniCount;    // -1: unchanged
};

LayoutRow layoutRow(int layout)
{
    switch (layout) {
    case loFullCalendar:
    case LOFullCalendarLS:
        return {true, false, false, 0, -1};
    case loFCMinisInTitle:
    case loFCMinisInTitleLS:
        return {true, true, false, 10, 2};
    case loFC6Before6After:
    case loFC6Before6AfterLS:
    case loFC12After:
    case loFC12AfterLS:
        return {true, true, false, 10, 12};
    case lopMC6Month:
    case lopMC6MonthLS:
        return {false, true, false, 18, 6};
    case loMC12Month:
    case loMC12MonthLS:
        return {false, true, false, 18, 12};
    case loMC24Month:
    case loMC24MonthLS:
        return {false, true, false, 12, 24};
    case loMC48Month:
    case loMC48MonthLS:
        return {false, true, false, 10, 48};
    case loMC60Month:
    case loMC60MonthLS:
        return {false, true, false, 8, 60};
    default:
        return {false, false, true, 0, -1};
    }
}

struct SheetGrid {
    int rows;
    int cols;
};

/// The grid of a mini-calendar sheet in portrait; landscape swaps rows and columns.
SheetGrid portraitSheetGrid(int layout)
{
    switch (layout) {
    case lopMC6Month:
    case lopMC6MonthLS:
        return {3, 2};
    case loMC12Month:
    case loMC12MonthLS:
        return {4, 3};
    case loMC24Month:
    case loMC24MonthLS:
        return {6, 4};
    case loMC48Month:
    case loMC48MonthLS:
        return {8, 6};
    default:
        return {10, 6};
    }
}

} // namespace

void CalendarModel::RecalcLayout(MiniFonts miniFonts)
{
    const int layout = m_style.calendarLayout;
    if (isKnownLayout(layout)) {
        m_layoutPixelsPerInch = Environment::screenPixelsPerInch();
        m_calendarOrientation = isLandscapeLayout(layout) ? coLandscape : coPortrait;
        const QSize page = PageSizeInPixels(m_style.paperSize, m_calendarOrientation, m_layoutPixelsPerInch);
        m_pageWidth = page.width();
        m_pageHeight = page.height();

        const LayoutRow row = layoutRow(layout);
        m_showMainCalendar = row.showMainCalendar;
        m_showMinis = row.showMinis;
        m_isPlanner = row.isPlanner;
        if (row.miniCount >= 0)
            m_miniCount = row.miniCount;
        if (miniFonts == MiniFonts::Reset && row.miniFontSize > 0)
            setMiniFontSize(row.miniFontSize);
        layMinis(layout);
    }
    Q_EMIT viewSizeChanged();
    repaint();
}

void CalendarModel::setMiniFontSize(int size)
{
    m_style.miniTitleFont.size = size;
    m_style.miniHeadersFont.size = m_style.miniCellFont.size = int(roundRatio(4 * qint64(size), 5));
}

void CalendarModel::layMinis(int layout)
{
    const int p = m_layoutPixelsPerInch;
    const auto inches = [p](float margin, double distance) { return InchToPixels(inchesPlus(margin, distance), p); };
    const int mL = InchToPixels(m_style.leftMarginInch, p);
    const int mT = InchToPixels(m_style.topMarginInch, p);
    const int mR = InchToPixels(m_style.rightMarginInch, p);
    const int mB = InchToPixels(m_style.bottomMarginInch, p);
    const int W = m_pageWidth;
    const int H = m_pageHeight;
    const TRect content{mL + 2, mT + 2, W - mR - 2, H - mB - 2};
    const MonthOfYear main{m_style.mainCalMonth, m_style.mainCalYear};
    const bool landscape = isLandscapeLayout(layout);
    m_mainRect = content;

    switch (layout) {
    case loFCMinisInTitle:
    case loFCMinisInTitleLS: {
        const int side = int(roundRatio(3 * qint64(p), 2));
        const int gap = p / 8;
        m_miniRects[0] = {content.left + gap, content.top + gap, content.left + side - gap, content.top + side - gap};
        m_miniRects[1] = {content.right - side + gap, content.top + gap, content.right - gap, content.top + side - gap};
        m_miniMonths[0] = AddMonths(main, -1);
        m_miniMonths[1] = AddMonths(main, 1);
        break;
    }
    case loFC6Before6After:
    case loFC6Before6AfterLS:
        if (landscape) {
            const int left = inches(m_style.leftMarginInch, 1.3);
            const int right = W - inches(m_style.rightMarginInch, 1.3);
            m_mainRect = {left + 4, mT + 2, right - 4, H - mB - 2};
            DivideIntoGrid(6, 1, 1, 6, {mL + 2, mT + 2, left, H - mB - 2}, m_miniRects);
            DivideIntoGrid(6, 1, 7, 12, {right + 2, mT + 2, W - mR - 2, H - mB - 2}, m_miniRects);
        } else {
            const int top = inches(m_style.topMarginInch, 1.3);
            const int bottom = H - inches(m_style.bottomMarginInch, 1.3);
            m_mainRect = {mL + 2, top + 2, W - mR - 2, bottom - 2};
            DivideIntoGrid(1, 6, 1, 6, {mL + 2, mT + 2, W - mR - 2, top - 2}, m_miniRects);
            DivideIntoGrid(1, 6, 7, 12, {mL + 2, bottom + 2, W - mR - 2, H - mB - 2}, m_miniRects);
        }
        for (int i = 1; i <= 12; ++i)
            m_miniMonths[i - 1] = AddMonths(main, i <= 6 ? i - 7 : i - 6);
        break;
    case loFC12After:
    case loFC12AfterLS:
        if (landscape) {
            m_mainRect = {mL + 2, mT + 2, W - inches(m_style.rightMarginInch, 2.9) - 2, H - mB - 2};
            DivideIntoGrid(6, 2, 1, 12, {W - inches(m_style.rightMarginInch, 2.8) + 2, mT + 2, W - mR, H - mB - 2},
                           m_miniRects);
        } else {
            m_mainRect = {mL + 2, mT + 2, W - mR - 2, H - inches(m_style.bottomMarginInch, 2.9) - 2};
            DivideIntoGrid(2, 6, 1, 12, {mL + 2, H - inches(m_style.bottomMarginInch, 2.8) + 2, W - mR - 2, H - mB + 2},
                           m_miniRects);
        }
        for (int i = 1; i <= 12; ++i)
            m_miniMonths[i - 1] = AddMonths(main, i);
        break;
    case lopMC6Month:
    case lopMC6MonthLS:
    case loMC12Month:
    case loMC12MonthLS:
    case loMC24Month:
    case loMC24MonthLS:
    case loMC48Month:
    case loMC48MonthLS:
    case loMC60Month:
    case loMC60MonthLS: {
        const SheetGrid grid = portraitSheetGrid(layout);
        const int rows = landscape ? grid.cols : grid.rows;
        const int cols = landscape ? grid.rows : grid.cols;
        DivideIntoGrid(rows, cols, 1, m_miniCount, content, m_miniRects);
        for (int i = 1; i <= m_miniCount; ++i)
            m_miniMonths[i - 1] = AddMonths(main, i - 1);
        break;
    }
    default:
        break;
    }
}
