// Reading iCalendar files through libical, which knows RFC 5545's grammar,
// repetition rules and time zone definitions far better than a parser of our
// own would; this file keeps libical's types away from the rest of the program.
#include "calendar/IcsCalendar.h"

#include "platform/QmError.h"

#include <QDateTime>
#include <QFile>
#include <QHash>

#include <libical/ical.h>

#include <algorithm>
#include <set>

namespace qm {
namespace {

/// Steps one repetition rule may take through libical's iterator: a rule with
/// COUNT must be followed from its start, however long ago that was.
constexpr int kMaxRuleSteps = 100000;
/// Repetitions of one rule shown on a page: hourly for six weeks. More (every
/// minute, every second) would bury the page and keep the import busy.
constexpr int kMaxRuleOccurrences = 1000;
/// Days added on both sides of the page when repetitions are expanded in the
/// event's own zone: local days lie up to 14 hours away from UTC days.
constexpr int kZoneMarginDays = 2;
/// How much of a summary a problem line quotes.
constexpr int kQuotedSummaryLength = 40;

struct ComponentDeleter {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using ComponentPointer = std::unique_ptr<icalcomponent, ComponentDeleter>;

/// libical's default reaction to malformed data is to abort the process.
void makeLibicalErrorsNonFatal()
{
    static const bool done = (icalerror_set_errors_are_fatal(0), true);
    Q_UNUSED(done);
}

/// Whether the line starting at `line` names `word` as its property, as in
/// "END:VEVENT" or "end;x=1:vevent".
bool namesProperty(const char *line, qsizetype length, QByteArrayView word)
{
    return length > word.size() && qstrnicmp(line, word.data(), word.size()) == 0 &&
           (line[word.size()] == ':' || line[word.size()] == ';');
}

/// `text` without its END lines that close nothing. libical skips such a line
/// too, but first prints a warning of its own on standard error, where it
/// would stand before the import's one clear line about the file.
QByteArray withoutUnopenedEnds(const QByteArray &text)
{
    QByteArray kept;
    qsizetype keptUpTo = 0;
    int depth = 0;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype newline = text.indexOf('\n', start);
        const qsizetype end = newline < 0 ? text.size() : newline + 1;
        const char *line = text.constData() + start;
        if (namesProperty(line, end - start, "BEGIN")) {
            ++depth;
        } else if (namesProperty(line, end - start, "END")) {
            if (depth > 0) {
                --depth;
            } else {
                kept.append(QByteArrayView(text.constData() + keptUpTo, start - keptUpTo));
                keptUpTo = end;
            }
        }
        start = end;
    }
    if (keptUpTo == 0)
        return text;
    return kept.append(QByteArrayView(text.constData() + keptUpTo, text.size() - keptUpTo));
}

QString cleanedSummary(const char *utf8, bool &cut)
{
    QString text = QString::fromUtf8(utf8 ? utf8 : "");
    // One event is one paragraph: line breaks and other control characters
    // of a description-like summary become spaces.
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    text = text.simplified();
    cut = text.size() > IcsCalendar::kSummaryLimit;
    if (cut) {
        qsizetype length = IcsCalendar::kSummaryLimit;
        if (text.at(length - 1).isHighSurrogate())
            --length;
        text.truncate(length);
    }
    if (text.isEmpty())
        text = QStringLiteral("(no title)");
    return text;
}

QString quoted(const QString &summary)
{
    if (summary.size() <= kQuotedSummaryLength)
        return u'"' + summary + u'"';
    return u'"' + summary.left(kQuotedSummaryLength) + QStringLiteral("...\"");
}

bool isUsableTime(const icaltimetype &t)
{
    if (icaltime_is_null_time(t) || !QDate(t.year, t.month, t.day).isValid() || t.year < 1 || t.year > 9999)
        return false;
    return t.is_date || QTime(t.hour, t.minute, t.second).isValid();
}

QDate dateOf(const icaltimetype &t)
{
    return QDate(t.year, t.month, t.day);
}

/// A number that orders and identifies instants: seconds since 1970 in UTC for
/// zoned times, and the same count of the wall clock for floating ones.
qint64 instantKey(const icaltimetype &t)
{
    const icaltimezone *zone = t.zone ? t.zone : icaltimezone_get_utc_timezone();
    return qint64(icaltime_as_timet_with_zone(t, zone));
}

QDateTime toLocal(const icaltimetype &t, const QTimeZone &zone)
{
    if (t.zone)
        return QDateTime::fromSecsSinceEpoch(instantKey(t), zone);
    return QDateTime(dateOf(t), QTime(t.hour, t.minute, t.second), zone);
}

/// A time of `frame` (date or date-time, same zone) at the start of `day`.
icaltimetype startOfDay(const icaltimetype &frame, QDate day)
{
    icaltimetype t = frame;
    t.year = day.year();
    t.month = day.month();
    t.day = day.day();
    t.hour = t.minute = t.second = 0;
    return t;
}

/// Time zone definitions whose changes repeat other than yearly would make
/// libical step through every second or day since the zone's start.
bool hasOnlyYearlyChanges(icalcomponent *timezone)
{
    for (icalcomponent *part = icalcomponent_get_first_component(timezone, ICAL_ANY_COMPONENT); part;
         part = icalcomponent_get_next_component(timezone, ICAL_ANY_COMPONENT)) {
        for (icalproperty *rule = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); rule;
             rule = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
            if (icalproperty_get_rrule(rule).freq != ICAL_YEARLY_RECURRENCE)
                return false;
        }
    }
    return true;
}

} // namespace

struct IcsCalendar::Data {
    /// One VEVENT as the expansion needs it; `component` belongs to `root`.
    struct Event {
        icalcomponent *component = nullptr;
        int number = 0;
        QString summary;
        icaltimetype start{};
        bool allDay = false;
        int durationDays = 1;       // all-day events
        qint64 durationSeconds = 0; // timed events
        bool isChangedRepetition = false;
        std::vector<icaltimetype> extraStarts; // RDATE
        std::set<qint64> excludedInstants;
        std::set<QDate> excludedDays;
    };

    QString fileName;
    ComponentPointer root;
    std::vector<Event> events;
    int eventCount = 0;
    QStringList problems;

    void addProblem(const QString &text)
    {
        const QString line = fileName + QStringLiteral(": ") + text;
        if (!problems.contains(line))
            problems << line;
    }

    icaltimetype resolvedTime(icalproperty *property, icaltimetype t);
    std::optional<Event> readEvent(icalcomponent *component);
    void readEvents(icalcomponent *calendar, QHash<QString, int> &numbers);
    void dropRiskyTimeZones(icalcomponent *calendar);
    void excludeChangedRepetitions();
    void addOccurrence(const Event &event, const icaltimetype &start, QDate first, QDate last, const QTimeZone &zone,
                       std::vector<EventOccurrence> &result) const;
    void expand(const Event &event, QDate first, QDate last, const QTimeZone &zone,
                std::vector<EventOccurrence> &result, QStringList &problems) const;
};

icaltimetype IcsCalendar::Data::resolvedTime(icalproperty *property, icaltimetype t)
{
    if (t.zone || t.is_date || icaltime_is_null_time(t))
        return t;
    icalparameter *parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char *tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    if (!tzid)
        return t; // floating: the same wall-clock time wherever one lives
    icalcomponent *calendar = icalcomponent_get_parent(icalproperty_get_parent(property));
    icaltimezone *zone = calendar ? icalcomponent_get_timezone(calendar, tzid) : nullptr;
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(tzid);
    if (!zone)
        addProblem(QStringLiteral("the time zone \"%1\" is not defined; its times are taken as local times")
                       .arg(QString::fromUtf8(tzid)));
    t.zone = zone;
    return t;
}

std::optional<IcsCalendar::Data::Event> IcsCalendar::Data::readEvent(icalcomponent *component)
{
    Event event;
    event.component = component;
    bool cut = false;
    event.summary = cleanedSummary(icalcomponent_get_summary(component), cut);
    if (cut)
        addProblem(QStringLiteral("the title of %1 was cut to %2 characters")
                       .arg(quoted(event.summary))
                       .arg(IcsCalendar::kSummaryLimit));
    icalproperty *startProperty = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY);
    event.start =
        startProperty ? resolvedTime(startProperty, icalproperty_get_dtstart(startProperty)) : icaltime_null_time();
    if (!isUsableTime(event.start)) {
        addProblem(QStringLiteral("the event %1 has no valid start date and was left out").arg(quoted(event.summary)));
        return std::nullopt;
    }
    event.allDay = event.start.is_date;
    icalproperty *endProperty = icalcomponent_get_first_property(component, ICAL_DTEND_PROPERTY);
    icalproperty *durationProperty = icalcomponent_get_first_property(component, ICAL_DURATION_PROPERTY);
    if (endProperty) {
        const icaltimetype end = resolvedTime(endProperty, icalproperty_get_dtend(endProperty));
        if (isUsableTime(end) && event.allDay)
            event.durationDays = int(dateOf(event.start).daysTo(dateOf(end)));
        else if (isUsableTime(end))
            event.durationSeconds = instantKey(end) - instantKey(event.start);
    } else if (durationProperty) {
        const icaldurationtype duration = icalproperty_get_duration(durationProperty);
        if (!duration.is_neg && event.allDay)
            event.durationDays = int(duration.weeks * 7 + duration.days);
        else if (!duration.is_neg)
            event.durationSeconds = icaldurationtype_as_int(duration);
    }
    event.durationDays = qMax(event.durationDays, 1);
    event.durationSeconds = qMax<qint64>(event.durationSeconds, 0);
    for (icalproperty *exclusion = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY); exclusion;
         exclusion = icalcomponent_get_next_property(component, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype t = resolvedTime(exclusion, icalproperty_get_exdate(exclusion));
        if (!isUsableTime(t))
            continue;
        if (t.is_date)
            event.excludedDays.insert(dateOf(t));
        else
            event.excludedInstants.insert(instantKey(t));
    }
    for (icalproperty *extra = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY); extra;
         extra = icalcomponent_get_next_property(component, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(extra);
        // A period's end is ignored: every repetition lasts as long as the first.
        const icaltimetype t = resolvedTime(extra, icaltime_is_null_time(value.time) ? value.period.start : value.time);
        if (isUsableTime(t))
            event.extraStarts.push_back(t);
    }
    event.isChangedRepetition = icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    return event;
}

void IcsCalendar::Data::dropRiskyTimeZones(icalcomponent *calendar)
{
    std::vector<icalcomponent *> risky;
    for (icalcomponent *timezone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); timezone;
         timezone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        if (!hasOnlyYearlyChanges(timezone))
            risky.push_back(timezone);
    }
    for (icalcomponent *timezone : risky) {
        icalproperty *tzid = icalcomponent_get_first_property(timezone, ICAL_TZID_PROPERTY);
        addProblem(QStringLiteral("the time zone \"%1\" changes its clocks other than yearly and was left out")
                       .arg(QString::fromUtf8(tzid ? icalproperty_get_tzid(tzid) : "")));
        icalcomponent_remove_component(calendar, timezone);
        icalcomponent_free(timezone);
    }
}

void IcsCalendar::Data::readEvents(icalcomponent *calendar, QHash<QString, int> &numbers)
{
    dropRiskyTimeZones(calendar);
    for (icalcomponent *component = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); component;
         component = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        std::optional<Event> event = readEvent(component);
        if (!event)
            continue;
        // Repetitions that were changed or cancelled one by one come as
        // events of their own under the same UID.
        const QString uid = QString::fromUtf8(icalcomponent_get_uid(component));
        auto known = uid.isEmpty() ? numbers.end() : numbers.find(uid);
        if (known == numbers.end()) {
            event->number = eventCount++;
            if (!uid.isEmpty())
                numbers.insert(uid, event->number);
        } else {
            event->number = *known;
        }
        events.push_back(std::move(*event));
    }
}

void IcsCalendar::Data::excludeChangedRepetitions()
{
    QHash<int, std::vector<icaltimetype>> changed;
    for (const Event &event : events) {
        if (!event.isChangedRepetition)
            continue;
        icalproperty *property = icalcomponent_get_first_property(event.component, ICAL_RECURRENCEID_PROPERTY);
        const icaltimetype t = resolvedTime(property, icalproperty_get_recurrenceid(property));
        if (isUsableTime(t))
            changed[event.number].push_back(t);
    }
    for (Event &event : events) {
        if (event.isChangedRepetition)
            continue;
        for (const icaltimetype &t : changed.value(event.number)) {
            if (t.is_date)
                event.excludedDays.insert(dateOf(t));
            else
                event.excludedInstants.insert(instantKey(t));
        }
    }
    // A cancelled event, or a cancelled repetition, shows nowhere; its
    // RECURRENCE-ID has done its work above.
    std::erase_if(
        events, [](const Event &event) { return icalcomponent_get_status(event.component) == ICAL_STATUS_CANCELLED; });
}

void IcsCalendar::Data::addOccurrence(const Event &event, const icaltimetype &start, QDate first, QDate last,
                                      const QTimeZone &zone, std::vector<EventOccurrence> &result) const
{
    if (event.excludedInstants.count(instantKey(start)) || event.excludedDays.count(dateOf(start)))
        return;
    EventOccurrence occurrence;
    occurrence.event = event.number;
    occurrence.summary = event.summary;
    if (start.is_date) {
        occurrence.firstDay = dateOf(start);
        occurrence.lastDay = occurrence.firstDay.addDays(event.durationDays - 1);
    } else {
        const QDateTime begin = toLocal(start, zone);
        occurrence.firstDay = begin.date();
        occurrence.startTime = begin.time();
        // The end is the first moment after the event: one ending at midnight
        // does not reach into the next day.
        occurrence.lastDay =
            event.durationSeconds > 0 ? begin.addSecs(event.durationSeconds - 1).date() : occurrence.firstDay;
    }
    if (occurrence.lastDay >= first && occurrence.firstDay <= last)
        result.push_back(std::move(occurrence));
}

void IcsCalendar::Data::expand(const Event &event, QDate first, QDate last, const QTimeZone &zone,
                               std::vector<EventOccurrence> &result, QStringList &problemLines) const
{
    const qint64 spanDays = event.allDay ? event.durationDays : event.durationSeconds / 86400 + 1;
    const QDate windowStart = first.addDays(-(spanDays + kZoneMarginDays));
    const QDate windowEnd = last.addDays(kZoneMarginDays);
    std::set<qint64> seen;
    const auto add = [&](const icaltimetype &start) {
        if (seen.insert(instantKey(start)).second)
            addOccurrence(event, start, first, last, zone, result);
    };
    add(event.start);
    if (event.isChangedRepetition)
        return;
    // Repetitions never come before the event's start; a rule that begins
    // after the page is not followed at all, which spares a busy file most of
    // its rules.
    const bool rulesReachPage = dateOf(event.start) <= windowEnd;
    icalcomponent *component = event.component;
    for (icalproperty *rule = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY); rule && rulesReachPage;
         rule = icalcomponent_get_next_property(component, ICAL_RRULE_PROPERTY)) {
        const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
        if (isUsableTime(recurrence.until) && dateOf(recurrence.until) < windowStart)
            continue; // ended before the page
        icalrecur_iterator *iterator =
            recurrence.freq == ICAL_NO_RECURRENCE ? nullptr : icalrecur_iterator_new(recurrence, event.start);
        if (!iterator) {
            problemLines << QStringLiteral("%1: the repetition of %2 cannot be followed; it shows only once")
                                .arg(fileName, quoted(event.summary));
            continue;
        }
        // Without COUNT the rule can start at the page, however long ago the
        // event began; with COUNT the repetitions must be counted from the start.
        if (recurrence.count == 0 && dateOf(event.start) < windowStart)
            icalrecur_iterator_set_start(iterator, startOfDay(event.start, windowStart));
        int steps = 0;
        int shown = 0;
        for (icaltimetype next = icalrecur_iterator_next(iterator);
             !icaltime_is_null_time(next) && dateOf(next) <= windowEnd; next = icalrecur_iterator_next(iterator)) {
            const bool onPage = isUsableTime(next) && dateOf(next) >= windowStart;
            if (++steps > kMaxRuleSteps || (onPage && ++shown > kMaxRuleOccurrences)) {
                problemLines << QStringLiteral("%1: %2 repeats too often for a page; the rest of its repetitions "
                                               "were left out")
                                    .arg(fileName, quoted(event.summary));
                break;
            }
            if (onPage)
                add(next);
        }
        icalrecur_iterator_free(iterator);
    }
    for (const icaltimetype &start : event.extraStarts) {
        if (dateOf(start) >= windowStart && dateOf(start) <= windowEnd)
            add(start);
    }
}

IcsCalendar IcsCalendar::fromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw QmError::cannotOpenFile(fileName, file.errorString());
    return fromBytes(file.readAll(), fileName);
}

IcsCalendar IcsCalendar::fromBytes(const QByteArray &bytes, const QString &fileName)
{
    makeLibicalErrorsNonFatal();
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (!text.trimmed().left(15).toUpper().startsWith("BEGIN:VCALENDAR"))
        throw QmError(QStringLiteral("%1 is not an iCalendar file").arg(fileName));
    // libical reads up to the first zero byte; text after one would be lost
    // without a word, so such a file counts as damaged.
    ComponentPointer root(text.contains('\0') ? nullptr
                                              : icalparser_parse_string(withoutUnopenedEnds(text).constData()));
    if (!root)
        throw QmError(QStringLiteral("%1 is cut off or damaged: no complete calendar in it").arg(fileName));

    auto data = std::make_unique<Data>();
    data->fileName = fileName;
    QHash<QString, int> numbers;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        data->readEvents(root.get(), numbers);
    } else {
        for (icalcomponent *calendar = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             calendar; calendar = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            data->readEvents(calendar, numbers);
    }
    data->root = std::move(root);
    data->excludeChangedRepetitions();
    if (data->events.empty() && !data->problems.isEmpty())
        throw QmError(data->problems.first());
    return IcsCalendar(std::move(data));
}

IcsCalendar::IcsCalendar(std::unique_ptr<Data> data)
    : m_data(std::move(data))
{}
IcsCalendar::IcsCalendar(IcsCalendar &&) noexcept = default;
IcsCalendar &IcsCalendar::operator=(IcsCalendar &&) noexcept = default;
IcsCalendar::~IcsCalendar() = default;

const QString &IcsCalendar::fileName() const
{
    return m_data->fileName;
}

int IcsCalendar::eventCount() const
{
    return m_data->eventCount;
}

const QStringList &IcsCalendar::problems() const
{
    return m_data->problems;
}

std::vector<EventOccurrence> IcsCalendar::occurrences(QDate first, QDate last, const QTimeZone &zone,
                                                      QStringList &problems) const
{
    std::vector<EventOccurrence> result;
    for (const Data::Event &event : m_data->events)
        m_data->expand(event, first, last, zone, result, problems);
    return result;
}

} // namespace qm
