// Reads any bytes as an iCalendar file, as Import Events and quillmark-cli
// import-ics do, and places what was read on a month page, a week planner and
// a day planner. A file may be refused with a message; nothing may crash,
// leak, read out of bounds or keep the import busy.
#include "FuzzApplication.h"
#include "calendar/CalendarModel.h"
#include "calendar/EventImport.h"
#include "platform/Environment.h"
#include "platform/QmError.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct Page {
    TCalendarLayout layout;
    int day;
};

// Pages around the dates of the kept inputs, so that events reach cells.
constexpr Page kPages[] = {{loFullCalendar, 1}, {lo2Week, 2}, {loDay15, 10}};

void prepare()
{
    qm::fuzz::ensureApplication();
    qm::Environment::pinScreenPixelsPerInch(96);
    qm::Environment::pinTimeZone(QTimeZone("Europe/Berlin"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool prepared = (prepare(), true);
    Q_UNUSED(prepared);
    static CalendarModel calendar;
    std::vector<qm::IcsCalendar> files;
    try {
        files.push_back(qm::IcsCalendar::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                                                   QStringLiteral("fuzz.ics")));
    } catch (const QmError &) {
        return 0; // a refusal the user is told about, not a fault
    }
    for (const Page &page : kPages) {
        calendar.ClearAllCells();
        calendar.SetCalendarLayout(page.layout);
        calendar.SetMainCalYear(2026);
        calendar.SetMainCalMonth(3);
        calendar.SetMainCalDay(page.day);
        const qm::EventImportResult result = qm::ImportEvents(calendar, files);
        if (result.eventsPlaced + result.eventsOutside != files.front().eventCount())
            std::abort(); // every event is either on the page or counted outside it
        // What was placed must save.
        calendar.CalendarDocumentBytes();
    }
    qm::fuzz::letCachesShrink();
    return 0;
}
