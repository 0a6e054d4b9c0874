#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

#include <memory>
#include <optional>
#include <vector>

namespace qm {

/// One appearance of an event of a calendar file, in the days of the zone
/// it was expanded for. An event that runs over midnight covers several days.
struct EventOccurrence {
    /// The event it belongs to, 0..eventCount() - 1: every repetition of an
    /// event, and every changed repetition, shares its number.
    int event = 0;
    QString summary;
    QDate firstDay;
    /// The last day it covers (the same as firstDay for most events).
    QDate lastDay;
    /// When it starts on its first day; none for an all-day event.
    std::optional<QTime> startTime;
};

/// The events of one iCalendar file (.ics): what people export from their
/// phones, mail and organisers, and how public holidays are published.
/// Events keep their own time zones (a TZID with the file's VTIMEZONE or a
/// zone everyone knows, UTC, or floating local time) and their repetitions
/// (RRULE, RDATE, EXDATE, changed repetitions by RECURRENCE-ID); both are
/// resolved only when the appearances over a span of days are asked for, so
/// a repetition without end costs no more than one that ends.
class IcsCalendar
{
public:
    /// The longest summary kept; longer ones are cut (a cell shows a few
    /// lines, and a megabyte of title must not reach the text engine).
    static constexpr int kSummaryLimit = 300;

    /// Reads the file. Raises "Cannot open file <name>" and what fromBytes raises.
    static IcsCalendar fromFile(const QString &fileName);
    /// Reads the bytes of a file called `fileName`. Raises "<name> is not an
    /// iCalendar file", "<name> is cut off or damaged: no complete calendar
    /// in it", and, when the file has events but none of them can be used,
    /// the first of its problems.
    static IcsCalendar fromBytes(const QByteArray &bytes, const QString &fileName);

    IcsCalendar(IcsCalendar &&) noexcept;
    IcsCalendar &operator=(IcsCalendar &&) noexcept;
    ~IcsCalendar();

    const QString &fileName() const;
    /// Events in the file; the repetitions of one event count once.
    int eventCount() const;
    /// One line per event or time zone the reading left out or changed
    /// ("<name>: the event "Lunch" has no valid start date and was left out").
    const QStringList &problems() const;

    /// Every appearance that touches the days first..last as lived in
    /// `zone`, sorted by event and start. Repetitions are followed over those
    /// days only. A repetition that cannot be followed, or that repeats
    /// more often than a page can show, adds one line to `problems`.
    std::vector<EventOccurrence> occurrences(QDate first, QDate last, const QTimeZone &zone,
                                             QStringList &problems) const;

private:
    struct Data;
    explicit IcsCalendar(std::unique_ptr<Data> data);

    std::unique_ptr<Data> m_data;
};

} // namespace qm
