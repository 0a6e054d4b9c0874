// The time of a full repaint of a month page whose 42 cells each hold three
// lines of formatted text, at 100 % and 70 %: the grid, then every cell's
// text laid out and painted as the control's paint does it.
#include "calendar/CalendarModel.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void appendRun(TQmRTFTextIo &document, TParagraph *paragraph, QByteArrayView text, quint8 font, quint32 flags,
               int color)
{
    TAttr attr;
    attr.fontNumber = font;
    attr.size = 9;
    attr.flags = flags;
    attr.setTextColor(color);
    TTextLine *line = document.GetLastLine(paragraph);
    for (char character : text)
        line = document.AppendCharacter(paragraph, line, character, attr, 60);
}

/// Three short lines in two fonts with bold and coloured runs.
void fillCell(TQmRTFTextIo &document, int day)
{
    document.Clear();
    document.Header().fonts[0].name = "Arial";
    document.Header().fonts[1].name = "Times New Roman";
    TParagraph *paragraph = document.FirstParagraph();
    appendRun(document, paragraph, "Meeting ", 0, TAttr::Bold, 0);
    appendRun(document, paragraph, QByteArray::number(8 + day % 9) + ":00", 1, 0, 1);
    paragraph = document.NewParagraph(paragraph, 100);
    appendRun(document, paragraph, "Call Anna", 1, TAttr::Italic, 3);
    paragraph = document.NewParagraph(paragraph, 100);
    appendRun(document, paragraph, "Gym ", 0, 0, 2);
    appendRun(document, paragraph, "6 pm", 0, TAttr::Bold, 0);
}

void monthPageWithCellText(benchmark::State &state)
{
    CalendarModel calendar;
    calendar.SetCalendarLayout(loFullCalendar);
    calendar.SetMainCalMonth(3);
    calendar.SetMainCalYear(2026);
    for (int cell = 1; cell <= 42; ++cell)
        fillCell(calendar.Cells(cell).RtfText(), cell);
    calendar.SetMagnification(int(state.range(0)));
    QImage page(calendar.ScaledPageSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&page);
        calendar.DrawPage(painter);
    }
    state.SetLabel(QStringLiteral("42 cells of text at %1 %").arg(state.range(0)).toStdString());
}

BENCHMARK(monthPageWithCellText)->Arg(100)->Arg(70)->Unit(benchmark::kMillisecond);

} // namespace
