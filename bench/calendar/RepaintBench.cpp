// The time of a full repaint of the calendar page, as the control's paint does
// it: every layout drawn into the off-screen page image at 100 % and 70 %.
#include "calendar/CalendarModel.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void fullRepaint(benchmark::State &state)
{
    CalendarModel calendar;
    calendar.SetCalendarLayout(TCalendarLayout(state.range(0)));
    calendar.RecalcLayout(CalendarModel::MiniFonts::Reset);
    calendar.SetMainCalMonth(1);
    calendar.SetMainCalYear(1998);
    calendar.SetMainCalDay(5);
    calendar.SetMagnification(int(state.range(1)));
    QImage page(calendar.ScaledPageSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&page);
        calendar.DrawPage(painter);
    }
    state.SetLabel(QStringLiteral("layout %1 at %2 %").arg(state.range(0)).arg(state.range(1)).toStdString());
}

BENCHMARK(fullRepaint)->ArgsProduct({benchmark::CreateDenseRange(0, 21, 1), {100, 70}})->Unit(benchmark::kMillisecond);

} // namespace
