#include "calendar/CalendarDrawing.h"

#include "calendar/DateGrid.h"
#include "calendar/HeadersStyle.h"
#include "calendar/MonthGridGeometry.h"
#include "calendar/PlannerGeometry.h"
#include "calendar/PlannerText.h"

namespace qm {
namespace {

void fillBackground(Canvas &canvas, const TCalendarAttributes &attr)
{
    canvas.setBrushColor(attr.backgroundColor);
    canvas.fillRect(attr.calendarRect);
}

void drawTitle(Canvas &canvas, const TCalendarAttributes &attr, const MonthGridGeometry &g)
{
    SetCanvasFont(canvas, attr.titleFont);
    canvas.setBrushColor(attr.titleBackgroundColor);
    canvas.fillRect(g.titleFillRect());
    QString title = attr.monthName(attr.month);
    if (attr.showYear)
        title += u' ' + QString::number(attr.year);
    canvas.drawText(g.titleTextRect(), title, Canvas::Align::Center);
}

void drawHeaders(Canvas &canvas, const TCalendarAttributes &attr, const MonthGridGeometry &g)
{
    canvas.setBrushColor(attr.headersBackgroundColor);
    canvas.fillRect(g.headerFillRect());
    DrawBorder(canvas, g.headerBand(), attr.headersBorder);
    for (int column = 0; column < 7; ++column) {
        const QString &name = attr.dayName(WeekdayOfColumn(column, attr.startOfWeek));
        canvas.drawText(g.headerCell(column), headerText(name, attr.headersStyle), Canvas::Align::Center);
    }
}

bool hasRowLine(TCalBorderStyle style, int r)
{
    switch (style) {
    case cbNone:
        return false;
    case cbAll:
    case cbTopBottom:
        return true;
    case cbTop:
        return r <= 5;
    case cbBottom:
        return r >= 1;
    }
    return false;
}

void drawGridLines(Canvas &canvas, const TCalendarAttributes &attr, const MonthGridGeometry &g)
{
    for (int r = 0; r <= 6; ++r) {
        if (hasRowLine(attr.cellBorder, r))
            canvas.line(g.x0, g.rowLine(r), g.x1, g.rowLine(r));
    }
    if (attr.cellBorder != cbAll)
        return;
    for (int j = 0; j <= 7; ++j)
        canvas.line(g.columnLine(j), g.gridTop, g.columnLine(j), g.gridBottom);
}

} // namespace

void SetCanvasFont(Canvas &canvas, const FontDescription &font)
{
    canvas.setFont(font);
}

void DrawBorder(Canvas &canvas, const TRect &rect, TCalBorderStyle style)
{
    if (style == cbAll) {
        canvas.line(rect.left, rect.top, rect.right, rect.top);
        canvas.line(rect.right, rect.top, rect.right, rect.bottom);
        canvas.line(rect.right, rect.bottom, rect.left, rect.bottom);
        canvas.line(rect.left, rect.bottom, rect.left, rect.top);
        return;
    }
    if (style == cbTop || style == cbTopBottom)
        canvas.line(rect.left, rect.top, rect.right, rect.top);
    if (style == cbBottom || style == cbTopBottom)
        canvas.line(rect.left, rect.bottom, rect.right, rect.bottom);
}

void DrawMonthGrid(Canvas &canvas, TCalendarAttributes &attr)
{
    if (!isDrawableMonth(attr.year, attr.month))
        return;
    const int firstCol = FirstCol(attr.year, attr.month, attr.startOfWeek);
    const int monthLength = MonthLength(attr.year, attr.month);

    fillBackground(canvas, attr);
    const MonthGridGeometry g =
        MonthGridGeometry::compute(attr.calendarRect, attr.minimumTitleHeight,
                                   fontPixelHeight(attr.headersFont.size, canvas.fontPixelsPerInch()), attr.gaps);
    drawTitle(canvas, attr, g);
    SetCanvasFont(canvas, attr.headersFont);
    drawHeaders(canvas, attr, g);

    SetCanvasFont(canvas, attr.cellFont);
    canvas.setBrushColor(attr.backgroundColor);
    drawGridLines(canvas, attr, g);
    const int numberHeight = canvas.textHeight();
    const Canvas::Align numberAlign =
        attr.numberPosition == cnpUpperRight ? Canvas::Align::TopRight : Canvas::Align::Center;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 7; ++col) {
            CellRecord &cell = attr.cells[7 * row + col];
            cell.rTotal = g.cellRect(row, col, attr.numberPosition);
            cell.iDay = GridDay(row, col, firstCol, monthLength);
            cell.rFree = MonthGridGeometry::freeRect(cell.rTotal, attr.numberPosition, numberHeight);
            if (cell.iDay != 0)
                canvas.drawText(cell.rTotal, QString::number(cell.iDay), numberAlign);
        }
    }
    DrawBorder(canvas, {g.x0, g.y0, g.x1, g.y1}, attr.calendarBorder);
}

void DrawWeekPlanner(Canvas &canvas, TCalendarAttributes &attr)
{
    if (!isDrawableMonth(attr.year, attr.month))
        return;
    const PlannerText text = WeekPlannerText(attr, nearestValidDay(attr.year, attr.month, attr.day));
    DrawPlannerTable(canvas, attr, attr.plannerDayCount + 1, text.title, text.labels, text.secondLabels);
}

void DrawDayPlanner(Canvas &canvas, TCalendarAttributes &attr)
{
    if (!isDrawableMonth(attr.year, attr.month))
        return;
    const PlannerText text = DayPlannerText(attr, nearestValidDay(attr.year, attr.month, attr.day));
    DrawPlannerTable(canvas, attr, attr.plannerSlotCount + 1, text.title, text.labels, text.secondLabels);
}

void DrawPlannerTable(Canvas &canvas, TCalendarAttributes &attr, int rowCount, const QString &title,
                      const QStringList &labels, const QStringList &secondLabels)
{
    rowCount = qBound(0, rowCount, kCellCount);
    fillBackground(canvas, attr);
    SetCanvasFont(canvas, attr.titleFont);
    const PlannerGeometry g = PlannerGeometry::compute(attr.calendarRect, canvas.textHeight(), rowCount, attr.gaps);
    canvas.drawText(g.titleRect(), title, Canvas::Align::Center);

    canvas.rectangle(g.tableRect());
    canvas.setBrushColor(attr.headersBackgroundColor);
    canvas.fillRect(g.labelColumn());
    canvas.setBrushColor(attr.backgroundColor);

    SetCanvasFont(canvas, attr.headersFont);
    for (int m = 0; m < rowCount; ++m) {
        canvas.drawText(g.labelRect(m), labels.value(m), Canvas::Align::BottomCenter);
        canvas.drawText(g.secondLabelRect(m), secondLabels.value(m), Canvas::Align::TopCenter);
    }
    canvas.line(g.labelColumnRight, g.tableRect().top, g.labelColumnRight, g.y1);
    for (int i = 1; i < rowCount; ++i)
        canvas.line(g.x0, g.rowLine(i), g.x1, g.rowLine(i));

    for (int m = 0; m < rowCount; ++m)
        attr.cells[m] = {g.cellRect(m), 0, g.cellRect(m)};
}

} // namespace qm
