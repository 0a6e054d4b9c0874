#pragma once

#include "calendar/IcsCalendar.h"
#include "platform/Environment.h"
#include "platform/FontDescription.h"

#include <QStringList>

#include <vector>

class CalendarModel;

namespace qm {

/// What placing events on a page did.
struct EventImportResult {
    /// Events with at least one entry on the page (repetitions count once).
    int eventsPlaced = 0;
    /// Events with none: on other days, or at hours a day planner has no row for.
    int eventsOutside = 0;
    /// Paragraphs written into cells.
    int entriesAdded = 0;
    /// Entries a cell held already, word for word, and that were not written again.
    int entriesPresent = 0;
    /// What the files' reading and the repetitions left out or changed, one line each.
    QStringList problems;
};

struct EventImportOptions {
    /// Replace empties every cell that receives an entry before writing.
    enum class Mode { Append, Replace };
    Mode mode = Mode::Append;
    /// The font of entries written into an empty cell: the default editor font.
    FontDescription emptyCellFont{QStringLiteral("Arial"), 10, {}, clBlack};
    /// The zone whose days and hours the page shows.
    QTimeZone zone = Environment::timeZone();
};

/// Places the events of `files` into the cells of the page `calendar` draws
/// (see PageCells), one paragraph per event and day: the start in the
/// locale's short time format and the summary ("9:30 AM Dentist"), or the
/// summary alone for an all-day event and for the later days of one that
/// runs over midnight. A cell gets its new entries all-day first, then by
/// start, after the text it holds, in the attribute that text ends with (an
/// empty cell in `emptyCellFont`); an entry the cell already holds is not
/// written twice, so importing a file again changes nothing.
EventImportResult ImportEvents(CalendarModel &calendar, const std::vector<IcsCalendar> &files,
                               const EventImportOptions &options = {});

/// The line that tells the user what an import did: "2 events placed in 3
/// entries (1 already there), 5 outside the page".
QString EventImportSummary(const EventImportResult &result);

} // namespace qm
