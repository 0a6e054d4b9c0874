#include "calendar/CalendarModel.h"

#include "calendar/CellTextPainter.h"

#include "platform/Environment.h"
#include "platform/FormatSettings.h"
#include "platform/RoundHalfEven.h"

#include <algorithm>

using namespace qm;

namespace {

FontDescription makeFont(int size, FontStyles style, TColor color = clWindowText)
{
    return FontDescription{QStringLiteral("Times New Roman"), size, style, color};
}

} // namespace

CalendarModel::CalendarModel(QObject *parent)
    : QObject(parent)
    , m_titleFont(makeFont(26, FontStyle::Bold))
    , m_headersFont(makeFont(16, FontStyle::Bold))
    , m_cellFont(makeFont(16, FontStyle::Bold))
    , m_miniTitleFont(makeFont(6, FontStyle::Bold))
    , m_miniHeadersFont(makeFont(8, {}, clWhite))
    , m_miniCellFont(makeFont(6, {}))
    , m_startingTime(EncodeTime(8, 0, 0, 0))
    , m_cellTextPainter(std::make_unique<CellTextPainter>())
{
    fillNamesFromLocale();
    RecalcLayout(MiniFonts::Reset);
}

CalendarModel::~CalendarModel() = default;

void CalendarModel::SetCalendarLineLayout(TCalendarLineLayout value)
{
    if (m_calendarLineLayout == value)
        return;
    m_calendarLineLayout = value;
    applyLineLayoutBorders();
    repaint();
}

void CalendarModel::applyLineLayoutBorders()
{
    m_calendarBorder = m_calendarLineLayout == llFull ? cbAll : cbNone;
    m_headersBorder = m_calendarLineLayout == llCellsOnly ? cbNone : cbAll;
    m_cellBorder = cbAll;
}

void CalendarModel::SetMiniCalendarLineLayout(TMiniCalendarLineLayout value)
{
    if (m_miniCalendarLineLayout == value)
        return;
    m_miniCalendarLineLayout = value;
    applyMiniLineLayoutBorders();
    repaint();
}

void CalendarModel::applyMiniLineLayoutBorders()
{
    switch (m_miniCalendarLineLayout) {
    case mllFull:
        m_miniCalBorder = cbAll;
        m_miniCellBorder = cbAll;
        m_miniHeadersBorder = cbAll;
        break;
    case mllBoxed:
        m_miniCalBorder = cbAll;
        m_miniCellBorder = cbNone;
        m_miniHeadersBorder = cbTopBottom;
        break;
    case mllMinimal:
        m_miniCalBorder = cbNone;
        m_miniCellBorder = cbNone;
        m_miniHeadersBorder = cbTop;
        break;
    }
}

void CalendarModel::SetMagnification(int value)
{
    // No page can be drawn at zero or negative size.
    if (value <= 0 || value == m_magnification)
        return;
    m_magnification = value;
    Q_EMIT viewSizeChanged();
    repaint();
}

QString CalendarModel::GetMonthName(int index) const
{
    return index >= 1 && index <= 12 ? m_monthNames[index - 1] : QString();
}

void CalendarModel::SetMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_monthNames[index - 1] = name;
}

QString CalendarModel::GetDayName(int index) const
{
    return index >= 1 && index <= 7 ? m_dayNames[index - 1] : QString();
}

void CalendarModel::SetDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_dayNames[index - 1] = name;
}

void CalendarModel::fillNamesFromLocale()
{
    const FormatSettings settings = FormatSettings::current();
    for (int i = 0; i < 12; ++i)
        m_monthNames[i] = settings.longMonthNames.value(i);
    for (int i = 0; i < 7; ++i)
        m_dayNames[i] = settings.longDayNames.value(i);
}

QSize CalendarModel::ScaledPageSize() const
{
    return QSize(scalePercent(m_pageWidth, m_magnification), scalePercent(m_pageHeight, m_magnification));
}

int CalendarModel::LayoutGroup() const
{
    const int layout = m_calendarLayout;
    if (layout >= loFullCalendar && layout <= loFC12AfterLS)
        return 0;
    if (layout >= lopMC6Month && layout <= loMC60MonthLS)
        return 1;
    if (layout >= loWeek && layout <= loDay15)
        return layout - loWeek + 2;
    return -1;
}

void CalendarModel::ClearAllCells()
{
    for (int i = 0; i < kCellCount; ++i) {
        m_cells[i].RtfText().Assign(m_blankStorage.RtfText());
        m_mainAttr.cells[i].rTotal = {};
        m_mainAttr.cells[i].rFree = {};
    }
}

bool CalendarModel::HasCellText() const
{
    return std::any_of(m_cells.begin(), m_cells.end(),
                       [](const TQmRtfStorage &cell) { return !cell.RtfText().IsEmpty(); });
}

void CalendarModel::AssignStyle(const CalendarModel &source)
{
    m_paperSize = source.m_paperSize;
    m_calendarLayout = source.m_calendarLayout;
    m_startOfWeek = source.m_startOfWeek;
    m_monthNames = source.m_monthNames;
    m_dayNames = source.m_dayNames;
    m_mainCalDay = source.m_mainCalDay;
    m_mainCalMonth = source.m_mainCalMonth;
    m_mainCalYear = source.m_mainCalYear;
    m_titleFont = source.m_titleFont;
    m_titleBGColor = source.m_titleBGColor;
    m_headersFont = source.m_headersFont;
    m_headersBGColor = source.m_headersBGColor;
    m_headersStyle = source.m_headersStyle;
    m_cellFont = source.m_cellFont;
    m_miniCalBGColor = source.m_miniCalBGColor;
    m_miniTitleFont = source.m_miniTitleFont;
    m_miniHeadersFont = source.m_miniHeadersFont;
    m_miniHeadersBGColor = source.m_miniHeadersBGColor;
    m_miniHeadersStyle = source.m_miniHeadersStyle;
    m_miniCellFont = source.m_miniCellFont;
    m_titleShowYear = source.m_titleShowYear;
    m_miniShowYear = source.m_miniShowYear;
    m_leftMarginInch = source.m_leftMarginInch;
    m_topMarginInch = source.m_topMarginInch;
    m_rightMarginInch = source.m_rightMarginInch;
    m_bottomMarginInch = source.m_bottomMarginInch;
    m_startingTime = source.m_startingTime;
    SetCalendarLineLayout(source.m_calendarLineLayout);
    SetMiniCalendarLineLayout(source.m_miniCalendarLineLayout);
    RecalcLayout(MiniFonts::Keep);
}

bool CalendarModel::SameFont(const FontDescription &a, const FontDescription &b)
{
    return a.name == b.name && a.style == b.style && a.color == b.color;
}

bool CalendarModel::SameStyle(const CalendarModel &other) const
{
    return m_paperSize == other.m_paperSize && m_calendarLayout == other.m_calendarLayout &&
           m_startOfWeek == other.m_startOfWeek && m_monthNames == other.m_monthNames &&
           m_dayNames == other.m_dayNames && m_mainCalDay == other.m_mainCalDay &&
           m_mainCalMonth == other.m_mainCalMonth && m_mainCalYear == other.m_mainCalYear &&
           SameFont(m_titleFont, other.m_titleFont) && m_titleBGColor == other.m_titleBGColor &&
           SameFont(m_headersFont, other.m_headersFont) && m_headersBGColor == other.m_headersBGColor &&
           m_headersStyle == other.m_headersStyle && SameFont(m_cellFont, other.m_cellFont) &&
           m_miniCalBGColor == other.m_miniCalBGColor && SameFont(m_miniTitleFont, other.m_miniTitleFont) &&
           SameFont(m_miniHeadersFont, other.m_miniHeadersFont) && m_miniHeadersBGColor == other.m_miniHeadersBGColor &&
           m_miniHeadersStyle == other.m_miniHeadersStyle && SameFont(m_miniCellFont, other.m_miniCellFont) &&
           m_titleShowYear == other.m_titleShowYear && m_miniShowYear == other.m_miniShowYear &&
           m_leftMarginInch == other.m_leftMarginInch && m_topMarginInch == other.m_topMarginInch &&
           m_rightMarginInch == other.m_rightMarginInch && m_bottomMarginInch == other.m_bottomMarginInch &&
           m_startingTime == other.m_startingTime && m_calendarLineLayout == other.m_calendarLineLayout &&
           m_miniCalendarLineLayout == other.m_miniCalendarLineLayout;
}

void CalendarModel::SetDefaults()
{
    m_paperSize = kPaperLetter;
    m_calendarLayout = loFCMinisInTitleLS;
    m_startOfWeek = 1;
    fillNamesFromLocale();
    const QDate today = Environment::today();
    m_mainCalDay = today.day();
    m_mainCalMonth = today.month();
    m_mainCalYear = today.year();
    m_titleBGColor = clWhite;
    m_headersBGColor = clWhite;
    m_miniCalBGColor = clWhite;
    m_miniHeadersFont.color = clBlack;
    m_miniHeadersBGColor = clWhite;
    m_miniHeadersStyle = dsFirstChar;
    m_titleShowYear = true;
    m_miniShowYear = true;
    m_leftMarginInch = m_topMarginInch = m_rightMarginInch = m_bottomMarginInch = 0.5f;
    m_startingTime = EncodeTime(8, 0, 0, 0);
    SetCalendarLineLayout(llFull);
    SetMiniCalendarLineLayout(mllBoxed);
    RecalcLayout(MiniFonts::Reset);
}

int CalendarModel::CellAtPoint(int x, int y) const
{
    for (int i = 0; i < kCellCount; ++i) {
        if (m_mainAttr.cells[i].rTotal.contains(x, y))
            return i + 1;
    }
    return 0;
}

int CalendarModel::CellDay(int iCell) const
{
    return iCell >= 1 && iCell <= kCellCount ? m_mainAttr.cells[iCell - 1].iDay : 0;
}
