#include "calendar/EventImport.h"

#include "calendar/CalendarModel.h"
#include "calendar/PageCells.h"
#include "platform/DateTime.h"
#include "richtext/FontAttr.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace qm {
namespace {

/// Most slots of a line an entry is written in; a longer entry goes on in
/// more lines. A shorter entry gets a line of its own size: a busy calendar
/// writes hundreds of them.
constexpr int kMaxEntryLineCapacity = 100;

/// Slots a line needs for `length` characters: it keeps some free.
int entryLineCapacity(qsizetype length)
{
    return int(std::min<qsizetype>(length + 4, kMaxEntryLineCapacity));
}

/// New entries one cell takes in one import: far more than a cell can show,
/// few enough that a file repeating events every minute cannot swell the
/// document to megabytes.
constexpr int kMaxNewEntriesPerCell = 200;

/// One paragraph to write into a cell.
struct Entry {
    std::optional<QTime> startTime; // none for the whole day
    QString text;
};

/// All-day entries first, then by start; equal ones keep the files' order.
bool comesBefore(const Entry &a, const Entry &b)
{
    if (a.startTime.has_value() != b.startTime.has_value())
        return !a.startTime.has_value();
    return a.startTime && *a.startTime < *b.startTime;
}

QString entryText(const EventOccurrence &occurrence, std::optional<QTime> startTime, const FormatSettings &settings)
{
    if (!startTime)
        return occurrence.summary;
    return FormatDateTime(settings.shortTimeFormat, fromQTime(*startTime), settings) + u' ' + occurrence.summary;
}

/// The attribute typing at the end of `document` would continue with: that
/// of its last character, without what belongs to that character alone
/// (a picture, a link, an insertion point).
TAttr endingAttr(const TQmRTFTextIo &document)
{
    for (const TParagraph *paragraph = document.LastParagraph(); paragraph; paragraph = paragraph->previous()) {
        for (const TTextLine *line = paragraph->lastLine(); line; line = line->previous()) {
            if (line->length == 0 || !line->attributes())
                continue;
            TAttr attr = line->attributes()[line->length - 1];
            attr.flags &= quint32(TAttr::Bold | TAttr::Italic | TAttr::Underline | TAttr::StrikeOut |
                                  TAttr::Superscript | TAttr::Subscript);
            attr.tag = 0;
            return attr;
        }
    }
    return document.CurrentAttr();
}

using CellEntries = std::array<std::vector<Entry>, kCellCount>;

/// Collects the entries of one file's events and counts them into `result`.
void collectEntries(const IcsCalendar &file, const PageCells &cells, const QTimeZone &zone, CellEntries &entries,
                    EventImportResult &result)
{
    result.problems << file.problems();
    const FormatSettings settings = FormatSettings::current(); // read once: it gathers the locale's names
    std::vector<bool> placed(size_t(file.eventCount()), false);
    if (cells.firstDay().isValid()) {
        for (const EventOccurrence &occurrence :
             file.occurrences(cells.firstDay(), cells.lastDay(), zone, result.problems)) {
            const QDate first = std::max(occurrence.firstDay, cells.firstDay());
            const QDate last = std::min(occurrence.lastDay, cells.lastDay());
            for (QDate day = first; day <= last; day = day.addDays(1)) {
                // Later days of an event that runs over midnight take all of the day.
                const std::optional<QTime> start =
                    day == occurrence.firstDay ? occurrence.startTime : std::optional<QTime>();
                const int cell = cells.cellOf(day, start);
                if (cell == 0)
                    continue;
                entries[size_t(cell - 1)].push_back({start, entryText(occurrence, start, settings)});
                placed[size_t(occurrence.event)] = true;
            }
        }
    }
    const int placedCount = int(std::count(placed.begin(), placed.end(), true));
    result.eventsPlaced += placedCount;
    result.eventsOutside += file.eventCount() - placedCount;
}

/// Writes `text` as a paragraph after `last` (into `last` itself when that is
/// an empty paragraph at the end) and returns the paragraph written.
TParagraph *appendParagraph(TQmRTFTextIo &document, TParagraph *last, const QString &text)
{
    // A text that ends with an empty paragraph (as RTF ending in \par does,
    // and an empty cell) gets its first entry there, not after an empty line.
    const int capacity = entryLineCapacity(text.size());
    TParagraph *paragraph = last->isEmpty() ? last : document.NewParagraph(last, capacity);
    document.AppendCharacters(paragraph, paragraph->firstLine(), reinterpret_cast<const char16_t *>(text.utf16()),
                              nullptr, document.CurrentAttr(), int(text.size()), capacity);
    paragraph->markForLayout();
    return paragraph;
}

void writeEntries(TQmRTFTextIo &document, int cell, std::vector<Entry> &entries, const EventImportOptions &options,
                  EventImportResult &result)
{
    if (options.mode == EventImportOptions::Mode::Replace)
        document.Clear();
    // One pass over the paragraphs, and appending after the last one remembered:
    // a cell may receive thousands of entries.
    QSet<QString> present;
    TParagraph *last = document.FirstParagraph();
    for (TParagraph *paragraph = last; paragraph; paragraph = paragraph->next()) {
        present.insert(paragraph->text());
        last = paragraph;
    }
    // The entries are written in the attribute chosen here; the document's own
    // writing attribute is put back afterwards, so that a cell saves as it
    // would after being read from a file.
    const TAttr writingAttr = document.CurrentAttr();
    document.SetCurrentAttr(document.IsEmpty() ? AttrOfFont(document, options.emptyCellFont, writingAttr)
                                               : endingAttr(document));
    std::stable_sort(entries.begin(), entries.end(), comesBefore);
    int added = 0;
    int leftOut = 0;
    for (const Entry &entry : entries) {
        if (present.contains(entry.text)) {
            ++result.entriesPresent;
            continue;
        }
        if (++added > kMaxNewEntriesPerCell) {
            ++leftOut;
            continue;
        }
        last = appendParagraph(document, last, entry.text);
        present.insert(entry.text);
        ++result.entriesAdded;
    }
    document.SetCurrentAttr(writingAttr);
    if (leftOut > 0)
        result.problems << QStringLiteral("cell %1 takes at most %2 new entries at a time; %3 were left out")
                               .arg(cell)
                               .arg(kMaxNewEntriesPerCell)
                               .arg(leftOut);
}

QString counted(int count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

} // namespace

EventImportResult ImportEvents(CalendarModel &calendar, const std::vector<IcsCalendar> &files,
                               const EventImportOptions &options)
{
    EventImportResult result;
    const PageCells cells(calendar);
    CellEntries entries;
    for (const IcsCalendar &file : files)
        collectEntries(file, cells, options.zone, entries, result);
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (!entries[size_t(cell - 1)].empty())
            writeEntries(calendar.Cells(cell).RtfText(), cell, entries[size_t(cell - 1)], options, result);
    }
    return result;
}

QString EventImportSummary(const EventImportResult &result)
{
    return QStringLiteral("%1 placed in %2 (%3 already there), %4 outside the page")
        .arg(counted(result.eventsPlaced, "event", "events"),
             counted(result.entriesAdded + result.entriesPresent, "entry", "entries"))
        .arg(result.entriesPresent)
        .arg(result.eventsOutside);
}

} // namespace qm
