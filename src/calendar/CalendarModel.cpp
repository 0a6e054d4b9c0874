#include "calendar/CalendarModel.h"

#include "calendar/CellTextPainter.h"

#include "platform/Environment.h"
#include "platform/FormatSettings.h"
#include "platform/RoundHalfEven.h"

#include <algorithm>

using namespace qm;

CalendarModel::CalendarModel(QObject *parent)
    : QObject(parent)
    , m_cellTextPainter(std::make_unique<CellTextPainter>())
{
    fillNamesFromLocale();
    RecalcLayout(MiniFonts::Reset);
}

CalendarModel::~CalendarModel() = default;

void CalendarModel::SetCalendarLineLayout(TCalendarLineLayout value)
{
    if (m_style.calendarLineLayout == value)
        return;
    m_style.calendarLineLayout = value;
    applyLineLayoutBorders();
    repaint();
}

void CalendarModel::applyLineLayoutBorders()
{
    m_calendarBorder = m_style.calendarLineLayout == llFull ? cbAll : cbNone;
    m_headersBorder = m_style.calendarLineLayout == llCellsOnly ? cbNone : cbAll;
    m_cellBorder = cbAll;
}

void CalendarModel::SetMiniCalendarLineLayout(TMiniCalendarLineLayout value)
{
    if (m_style.miniCalendarLineLayout == value)
        return;
    m_style.miniCalendarLineLayout = value;
    applyMiniLineLayoutBorders();
    repaint();
}

void CalendarModel::applyMiniLineLayoutBorders()
{
    switch (m_style.miniCalendarLineLayout) {
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
    return index >= 1 && index <= 12 ? m_style.monthNames[index - 1] : QString();
}

void CalendarModel::SetMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_style.monthNames[index - 1] = name;
}

QString CalendarModel::GetDayName(int index) const
{
    return index >= 1 && index <= 7 ? m_style.dayNames[index - 1] : QString();
}

void CalendarModel::SetDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_style.dayNames[index - 1] = name;
}

void CalendarModel::fillNamesFromLocale()
{
    const FormatSettings settings = FormatSettings::current();
    for (int i = 0; i < 12; ++i)
        m_style.monthNames[i] = settings.longMonthNames.value(i);
    for (int i = 0; i < 7; ++i)
        m_style.dayNames[i] = settings.longDayNames.value(i);
}

QSize CalendarModel::ScaledPageSize() const
{
    return QSize(scalePercent(m_pageWidth, m_magnification), scalePercent(m_pageHeight, m_magnification));
}

int CalendarModel::bitmapDotsPerMeter() const
{
    return int(roundRatio(qint64(m_layoutPixelsPerInch) * 10000, 254));
}

int CalendarModel::LayoutGroup() const
{
    const int layout = m_style.calendarLayout;
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
    CalendarStyle style = source.m_style;
    // The line layouts go through their setters: a line layout that changes
    // sets its borders, one that stays keeps the borders this calendar has.
    style.calendarLineLayout = m_style.calendarLineLayout;
    style.miniCalendarLineLayout = m_style.miniCalendarLineLayout;
    m_style = style;
    SetCalendarLineLayout(source.m_style.calendarLineLayout);
    SetMiniCalendarLineLayout(source.m_style.miniCalendarLineLayout);
    RecalcLayout(MiniFonts::Keep);
}

bool CalendarModel::SameStyle(const CalendarModel &other) const
{
    return m_style.sameLook(other.m_style);
}

void CalendarModel::SetDefaults()
{
    m_style.paperSize = kPaperLetter;
    m_style.calendarLayout = loFCMinisInTitleLS;
    m_style.startOfWeek = 1;
    fillNamesFromLocale();
    const QDate today = Environment::today();
    m_style.mainCalDay = today.day();
    m_style.mainCalMonth = today.month();
    m_style.mainCalYear = today.year();
    m_style.titleBGColor = clWhite;
    m_style.headersBGColor = clWhite;
    m_style.miniCalBGColor = clWhite;
    m_style.miniHeadersFont.color = clBlack;
    m_style.miniHeadersBGColor = clWhite;
    m_style.miniHeadersStyle = dsFirstChar;
    m_style.titleShowYear = true;
    m_style.miniShowYear = true;
    m_style.leftMarginInch = m_style.topMarginInch = m_style.rightMarginInch = m_style.bottomMarginInch = 0.5f;
    m_style.startingTime = EncodeTime(8, 0, 0, 0);
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
