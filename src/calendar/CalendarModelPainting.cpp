// Drawing the whole page: the main calendar or planner, its cell texts and
// the mini-calendars, on screen, into a bitmap or on paper. Screen and paper
// share one path; only the DrawingTarget differs.
#include "calendar/CalendarModel.h"

#include "calendar/CalendarDrawing.h"
#include "calendar/Canvas.h"
#include "calendar/CellTextPainter.h"
#include "calendar/DrawingTarget.h"
#include "platform/QmError.h"

#include <QPagedPaintDevice>
#include <QPainter>

using namespace qm;

namespace {

FontDescription scaledFont(const FontDescription &font, const DrawingTarget &target)
{
    FontDescription scaled = font;
    scaled.size = target.fontSize(font.size);
    return scaled;
}

void clearFreeRects(TCalendarAttributes &attr)
{
    for (CellRecord &cell : attr.cells)
        cell.rFree = {};
}

} // namespace

TCalendarAttributes CalendarModel::mainAttributes(const DrawingTarget &target) const
{
    TCalendarAttributes attr;
    attr.backgroundColor = clWhite;
    attr.titleBackgroundColor = m_style.titleBGColor;
    attr.minimumTitleHeight = target.minimumTitleHeight();
    attr.gaps = target.gaps();
    attr.month = m_style.mainCalMonth;
    attr.year = m_style.mainCalYear;
    attr.day = m_style.mainCalDay;
    attr.calendarRect = target.map(m_mainRect);
    attr.numberPosition = m_numberPosition;
    attr.startOfWeek = m_style.startOfWeek;
    attr.calendarBorder = m_calendarBorder;
    attr.titleFont = scaledFont(m_style.titleFont, target);
    attr.showYear = m_style.titleShowYear;
    attr.headersFont = scaledFont(m_style.headersFont, target);
    attr.headersBorder = m_headersBorder;
    attr.headersStyle = m_style.headersStyle;
    attr.headersBackgroundColor = m_style.headersBGColor;
    attr.cellFont = scaledFont(m_style.cellFont, target);
    attr.cellBorder = m_cellBorder;
    attr.monthNames = m_style.monthNames;
    attr.dayNames = m_style.dayNames;
    attr.plannerDayCount = m_style.calendarLayout == lo2Week ? 14 : 7;
    attr.plannerSlotCount = m_style.calendarLayout == loDay15 ? 15 : 10;
    attr.startingTime = m_style.startingTime;
    return attr;
}

TCalendarAttributes CalendarModel::miniAttributes(const DrawingTarget &target) const
{
    TCalendarAttributes attr;
    attr.backgroundColor = m_style.miniCalBGColor;
    attr.titleBackgroundColor = m_style.miniCalBGColor;
    attr.minimumTitleHeight = 0;
    attr.numberPosition = cnpCenter;
    attr.startOfWeek = m_style.startOfWeek;
    attr.calendarBorder = m_miniCalBorder;
    attr.titleFont = scaledFont(m_style.miniTitleFont, target);
    attr.showYear = m_style.miniShowYear;
    attr.headersFont = scaledFont(m_style.miniHeadersFont, target);
    attr.headersBorder = m_miniHeadersBorder;
    attr.headersStyle = m_style.miniHeadersStyle;
    attr.headersBackgroundColor = m_style.miniHeadersBGColor;
    attr.cellFont = scaledFont(m_style.miniCellFont, target);
    attr.cellBorder = m_miniCellBorder;
    attr.monthNames = m_style.monthNames;
    attr.dayNames = m_style.dayNames;
    return attr;
}

void CalendarModel::DrawPage(QPainter &painter)
{
    const DrawingTarget target = DrawingTarget::screen(m_layoutPixelsPerInch, m_magnification);
    painter.fillRect(QRect(QPoint(0, 0), ScaledPageSize()), Qt::white);
    Canvas canvas(painter, target.fontPixelsPerInch(), Canvas::Lines::DevicePixels);
    drawPage(canvas, target, m_mainAttr);
}

QImage CalendarModel::MakeBitmap()
{
    QImage image(ScaledPageSize(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(bitmapDotsPerMeter());
    image.setDotsPerMeterY(bitmapDotsPerMeter());
    QPainter painter(&image);
    DrawPage(painter);
    painter.end();
    repaint();
    return image;
}

void CalendarModel::PrintCalendar(QPagedPaintDevice &device)
{
    device.setPageOrientation(m_calendarOrientation == coLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        throw QmError(QStringLiteral("Printing failed"));
    const int resolutionX = device.logicalDpiX();
    const int resolutionY = device.logicalDpiY();
    // The painter's origin is the corner of the printable area, not of the paper.
    const QPoint offset(device.pageLayout().paintRectPixels(resolutionX).left(),
                        device.pageLayout().paintRectPixels(resolutionY).top());
    const DrawingTarget target = DrawingTarget::printer(m_layoutPixelsPerInch, resolutionX, resolutionY, offset);
    Canvas canvas(painter, target.fontPixelsPerInch(), Canvas::Lines::Hairlines);
    // Paper coordinates must not replace the screen's cells, which clicks still use.
    TCalendarAttributes printed = m_mainAttr;
    drawPage(canvas, target, printed);
    painter.end();
}

void CalendarModel::drawPage(Canvas &canvas, const DrawingTarget &target, TCalendarAttributes &mainAttr)
{
    if (!isKnownLayout(m_style.calendarLayout) || !isDrawableMonth(m_style.mainCalYear, m_style.mainCalMonth)) {
        // Nothing can be computed for these settings: a blank page, and no cell to click.
        mainAttr.cells.fill(CellRecord{});
        return;
    }
    TCalendarAttributes attr = mainAttributes(target);
    attr.cells = mainAttr.cells;
    const int drawnCells = drawMainCalendar(canvas, attr);
    mainAttr = attr;
    paintCellTexts(target, canvas.painter(), mainAttr, drawnCells);
    if (m_showMinis)
        drawMinis(canvas, target);
}

int CalendarModel::drawMainCalendar(Canvas &canvas, TCalendarAttributes &attr) const
{
    switch (m_style.calendarLayout) {
    case loWeek:
    case lo2Week:
        DrawWeekPlanner(canvas, attr);
        return attr.plannerDayCount + 1;
    case loDay10:
    case loDay15:
        clearFreeRects(attr);
        DrawDayPlanner(canvas, attr);
        return attr.plannerSlotCount + 1;
    default:
        if (!m_showMainCalendar)
            return 0;
        clearFreeRects(attr);
        DrawMonthGrid(canvas, attr);
        return kCellCount;
    }
}

void CalendarModel::paintCellTexts(const DrawingTarget &target, QPainter &painter, TCalendarAttributes &attr,
                                   int drawnCells)
{
    const bool monthGrid = !m_isPlanner;
    const bool weekPlanner = m_style.calendarLayout == loWeek || m_style.calendarLayout == lo2Week;
    const CellTextPainter::Options options =
        monthGrid ? CellTextPainter::Options::SetForMonthGrid : CellTextPainter::Options::Keep;
    // Cells beyond those drawn keep their rectangles from an earlier drawing, but nothing of them shows.
    for (CellRecord &cell : attr.cells)
        cell.hiddenCharacters = 0;
    for (int i = 0; i < drawnCells; ++i) {
        const TQmRTFTextIo &document = m_cells[i].RtfText();
        CellRecord &cell = attr.cells[i];
        const TRect &free = cell.rFree;
        // The month grid paints every cell with room for text, the week
        // planners only cells with text, the day planners every row with room.
        if (free.isZero() || (weekPlanner && document.IsEmpty()))
            continue;
        if (!monthGrid && !weekPlanner && (free.width() <= 0 || free.height() <= 0))
            continue;
        if (target.isPrinter()) {
            m_cellTextPainter->paintOnPrinter(painter, document, free, options);
        } else {
            m_cellTextPainter->paintOnScreen(painter, document, free, target.textZoom(), target.fontPixelsPerInch(),
                                             options);
        }
        cell.hiddenCharacters = m_cellTextPainter->HiddenCharacters();
    }
}

void CalendarModel::drawMinis(Canvas &canvas, const DrawingTarget &target) const
{
    TCalendarAttributes attr = miniAttributes(target);
    for (int i = 0; i < m_miniCount; ++i) {
        attr.month = m_miniMonths[i].month;
        attr.year = m_miniMonths[i].year;
        attr.calendarRect = target.map(m_miniRects[i]);
        DrawMonthGrid(canvas, attr);
    }
}
