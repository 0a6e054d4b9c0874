// The page geometry of every layout: where the main calendar or planner and
// the mini-calendars lie, in layout pixels.
#include "calendar/CalendarModel.h"

#include "platform/Environment.h"
#include "platform/RoundHalfEven.h"

using namespace qm;

namespace {

/// The main calendar and the strips of minis keep this many pixels off the
/// margins and off the line that divides them.
constexpr int kInset = 2;
/// The strips of six minis before and six after the main month, measured from
/// the page's edge past the margin.
constexpr double kSixMinisStripInches = 1.3;
/// In landscape the main calendar keeps this far off the strips of six.
constexpr int kMainInsetFromStrip = 4;
/// The strip of the twelve minis after the main month begins this far from
/// the page's edge past the margin; the main calendar ends a tenth of an inch
/// before it.
constexpr double kTwelveMinisStripInches = 2.8;
constexpr double kTwelveMinisMainEndInches = 2.9;

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
    const int pixelsPerInch = m_layoutPixelsPerInch;
    const auto pixelsFromEdge = [pixelsPerInch](float margin, double distance) {
        return InchToPixels(inchesPlus(margin, distance), pixelsPerInch);
    };
    const int leftMargin = InchToPixels(m_style.leftMarginInch, pixelsPerInch);
    const int topMargin = InchToPixels(m_style.topMarginInch, pixelsPerInch);
    const int rightMargin = InchToPixels(m_style.rightMarginInch, pixelsPerInch);
    const int bottomMargin = InchToPixels(m_style.bottomMarginInch, pixelsPerInch);
    const TRect content{leftMargin + kInset, topMargin + kInset, m_pageWidth - rightMargin - kInset,
                        m_pageHeight - bottomMargin - kInset};
    const MonthOfYear main{m_style.mainCalMonth, m_style.mainCalYear};
    const bool landscape = isLandscapeLayout(layout);
    m_mainRect = content;

    switch (layout) {
    case loFCMinisInTitle:
    case loFCMinisInTitleLS: {
        // Two squares of an inch and a half in the title band's corners, each
        // mini an eighth of an inch inside its square.
        const int side = int(roundRatio(3 * qint64(pixelsPerInch), 2));
        const int gap = pixelsPerInch / 8;
        m_miniRects[0] = {content.left + gap, content.top + gap, content.left + side - gap, content.top + side - gap};
        m_miniRects[1] = {content.right - side + gap, content.top + gap, content.right - gap, content.top + side - gap};
        m_miniMonths[0] = AddMonths(main, -1);
        m_miniMonths[1] = AddMonths(main, 1);
        break;
    }
    case loFC6Before6After:
    case loFC6Before6AfterLS:
        // The six months before in a strip on the left (top), the six after
        // in a strip on the right (bottom).
        if (landscape) {
            const int leftStrip = pixelsFromEdge(m_style.leftMarginInch, kSixMinisStripInches);
            const int rightStrip = m_pageWidth - pixelsFromEdge(m_style.rightMarginInch, kSixMinisStripInches);
            m_mainRect = {leftStrip + kMainInsetFromStrip, content.top, rightStrip - kMainInsetFromStrip,
                          content.bottom};
            DivideIntoGrid(6, 1, 1, 6, {content.left, content.top, leftStrip, content.bottom}, m_miniRects);
            DivideIntoGrid(6, 1, 7, 12, {rightStrip + kInset, content.top, content.right, content.bottom}, m_miniRects);
        } else {
            const int topStrip = pixelsFromEdge(m_style.topMarginInch, kSixMinisStripInches);
            const int bottomStrip = m_pageHeight - pixelsFromEdge(m_style.bottomMarginInch, kSixMinisStripInches);
            m_mainRect = {content.left, topStrip + kInset, content.right, bottomStrip - kInset};
            DivideIntoGrid(1, 6, 1, 6, {content.left, content.top, content.right, topStrip - kInset}, m_miniRects);
            DivideIntoGrid(1, 6, 7, 12, {content.left, bottomStrip + kInset, content.right, content.bottom},
                           m_miniRects);
        }
        for (int i = 1; i <= 12; ++i)
            m_miniMonths[i - 1] = AddMonths(main, i <= 6 ? i - 7 : i - 6);
        break;
    case loFC12After:
    case loFC12AfterLS:
        // The twelve months after in a strip on the right (bottom). In
        // landscape the strip reaches to the right margin itself, in portrait
        // two pixels past the bottom margin, where everything else stops
        // kInset inside: pages have always been laid out so, and existing
        // documents keep their look.
        if (landscape) {
            m_mainRect = {content.left, content.top,
                          m_pageWidth - pixelsFromEdge(m_style.rightMarginInch, kTwelveMinisMainEndInches) - kInset,
                          content.bottom};
            const int strip = m_pageWidth - pixelsFromEdge(m_style.rightMarginInch, kTwelveMinisStripInches);
            DivideIntoGrid(6, 2, 1, 12, {strip + kInset, content.top, m_pageWidth - rightMargin, content.bottom},
                           m_miniRects);
        } else {
            m_mainRect = {content.left, content.top, content.right,
                          m_pageHeight - pixelsFromEdge(m_style.bottomMarginInch, kTwelveMinisMainEndInches) - kInset};
            const int strip = m_pageHeight - pixelsFromEdge(m_style.bottomMarginInch, kTwelveMinisStripInches);
            DivideIntoGrid(2, 6, 1, 12, {content.left, strip + kInset, content.right, m_pageHeight - bottomMargin + 2},
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
