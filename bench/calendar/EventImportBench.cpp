// Importing a year of a busy calendar into a month page: 2,000 events, a
// third of them repeating, in UTC, floating time and a zone of the file's own;
// what the user waits for after choosing the files.
#include "calendar/CalendarModel.h"
#include "calendar/EventImport.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kEventCount = 2000;

QByteArray eventLines(int i)
{
    const QDate day = QDate(2026, 1, 1).addDays(i * 365 / kEventCount);
    const QByteArray date = day.toString(u"yyyyMMdd").toLatin1();
    const QByteArray time = QByteArray::number(700 + (i % 12) * 100 + (i % 2) * 30).rightJustified(4, '0') + "00";
    QByteArray lines =
        "UID:event-" + QByteArray::number(i) + "\r\nSUMMARY:Event number " + QByteArray::number(i) + "\r\n";
    switch (i % 6) {
    case 0:
        lines += "DTSTART;VALUE=DATE:" + date + "\r\n";
        break;
    case 1:
        lines += "DTSTART:" + date + 'T' + time + "Z\r\nDURATION:PT1H\r\n";
        break;
    case 2:
        lines += "DTSTART;TZID=US-Eastern:" + date + 'T' + time + "\r\nDTEND;TZID=US-Eastern:" + date + "T235900\r\n";
        break;
    default:
        lines += "DTSTART:" + date + 'T' + time + "\r\n";
        break;
    }
    // Every third event repeats: weekly with an exception, monthly, yearly.
    if (i % 3 == 0) {
        const char *rules[] = {"FREQ=WEEKLY;BYDAY=MO,TH", "FREQ=MONTHLY;BYMONTHDAY=15", "FREQ=YEARLY",
                               "FREQ=DAILY;INTERVAL=3;COUNT=40"};
        lines += QByteArray("RRULE:") + rules[(i / 3) % 4] + "\r\n";
        if (i % 9 == 0)
            lines += "EXDATE;VALUE=DATE:" + day.addDays(7).toString(u"yyyyMMdd").toLatin1() + "\r\n";
    }
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

QByteArray busyYear()
{
    QByteArray file = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n"
                      "BEGIN:VTIMEZONE\r\nTZID:US-Eastern\r\n"
                      "BEGIN:STANDARD\r\nDTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\n"
                      "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\n"
                      "BEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\n"
                      "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n";
    for (int i = 0; i < kEventCount; ++i)
        file += eventLines(i);
    return file + "END:VCALENDAR\r\n";
}

void importBusyYearIntoMonth(benchmark::State &state)
{
    const QByteArray file = busyYear();
    for (auto _ : state) {
        CalendarModel calendar;
        calendar.SetCalendarLayout(loFullCalendar);
        calendar.SetMainCalYear(2026);
        calendar.SetMainCalMonth(3);
        std::vector<qm::IcsCalendar> files;
        files.push_back(qm::IcsCalendar::fromBytes(file, QStringLiteral("busy.ics")));
        const qm::EventImportResult result = qm::ImportEvents(calendar, files);
        benchmark::DoNotOptimize(result.entriesAdded);
    }
}
BENCHMARK(importBusyYearIntoMonth)->Unit(benchmark::kMillisecond);

} // namespace
