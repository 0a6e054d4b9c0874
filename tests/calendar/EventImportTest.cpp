#include "calendar/EventImport.h"
#include "calendar/CalendarModel.h"
#include "platform/QmError.h"
#include "richtext/QmRtfStrings.h"
#include "support/QtPrinting.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <map>

using namespace qm;

namespace {

/// A calendar file around `events`, with a time zone of its own that follows
/// the United States' clock changes (second Sunday of March, first of November).
QByteArray icsFile(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tests//EN\r\n"
           "BEGIN:VTIMEZONE\r\nTZID:US-Eastern\r\n"
           "BEGIN:STANDARD\r\nDTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\n"
           "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\n"
           "BEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\n"
           "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n" +
           events + "END:VCALENDAR\r\n";
}

QByteArray event(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

// Berlin is pinned as the local zone: CET (UTC+1) until 29 March 2026, CEST after.
const QByteArray kPersonalCalendar =
    icsFile(event("UID:dentist\r\nDTSTART:20260310T093000\r\nDTEND:20260310T103000\r\nSUMMARY:Dentist\r\n") +
            event("UID:holiday\r\nDTSTART;VALUE=DATE:20260310\r\nSUMMARY:Holiday\r\n") +
            event("UID:trip\r\nDTSTART;VALUE=DATE:20260312\r\nDTEND;VALUE=DATE:20260315\r\nSUMMARY:Trip\r\n") +
            event("UID:train\r\nDTSTART:20260320T220000\r\nDURATION:PT4H\r\nSUMMARY:Night train\r\n") +
            event("UID:gym\r\nDTSTART:20260302T080000\r\nRRULE:FREQ=WEEKLY;UNTIL=20260331T220000Z\r\n"
                  "EXDATE:20260316T080000\r\nSUMMARY:Gym\r\n") +
            // Ends with its repetition on the page's first Monday.
            event("UID:swim\r\nDTSTART:20260202T083000\r\nRRULE:FREQ=WEEKLY;UNTIL=20260302T083000\r\n"
                  "SUMMARY:Swim\r\n") +
            event("UID:ann\r\nDTSTART;VALUE=DATE:19900325\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Ann's birthday\r\n") +
            event("UID:ann\r\nRECURRENCE-ID;VALUE=DATE:20260325\r\nDTSTART;VALUE=DATE:20260328\r\n"
                  "SUMMARY:Ann's birthday party\r\n") +
            event("UID:call\r\nDTSTART;TZID=US-Eastern:20260305T090000\r\nSUMMARY:Call NY\r\n") +
            event("UID:standup\r\nDTSTART:20260305T120000Z\r\nSUMMARY:UTC standup\r\n") +
            // Across both clock changes: New York moves on 8 March, Berlin on 29 March.
            event("UID:weekly\r\nDTSTART;TZID=US-Eastern:20260302T090000\r\nRRULE:FREQ=WEEKLY;COUNT=5\r\n"
                  "SUMMARY:NY weekly\r\n") +
            event("UID:leap\r\nDTSTART;VALUE=DATE:20280229\r\nSUMMARY:Leap day\r\n") +
            event("UID:leapling\r\nDTSTART;VALUE=DATE:20240229\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Leap birthday\r\n"));

using CellTexts = std::map<int, QStringList>;

CellTexts cellTexts(CalendarModel &calendar)
{
    CellTexts texts;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        TQmRtfStrings strings(calendar.Cells(cell).RtfText());
        for (int i = 0; i < strings.Count(); ++i)
            texts[cell] << strings.Strings(i);
    }
    return texts;
}

std::vector<IcsCalendar> files(const QByteArray &bytes)
{
    std::vector<IcsCalendar> result;
    result.push_back(IcsCalendar::fromBytes(bytes, QStringLiteral("personal.ics")));
    return result;
}

struct Page {
    TCalendarLayout layout;
    int year, month, day;
};

void showPage(CalendarModel &calendar, const Page &page)
{
    calendar.SetCalendarLayout(page.layout);
    calendar.SetMainCalYear(page.year);
    calendar.SetMainCalMonth(page.month);
    calendar.SetMainCalDay(page.day);
    calendar.SetStartOfWeek(1);
    calendar.SetStartingTime(EncodeTime(8, 0, 0, 0));
}

} // namespace

TEST(EventImport, PlacesEveryKindOfEventInTheCellOfItsDayAndHour)
{
    const struct {
        const char *name;
        Page page;
        CellTexts cells;
        int eventsPlaced;
    } rows[] = {
        {"month grid, March 2026 (the 1st in the first column)",
         {loFullCalendar, 2026, 3, 0},
         {{2, {"8:00 AM Gym", "8:30 AM Swim", "3:00 PM NY weekly"}},
          {5, {"1:00 PM UTC standup", "3:00 PM Call NY"}},
          {9, {"8:00 AM Gym", "2:00 PM NY weekly"}},
          {10, {"Holiday", "9:30 AM Dentist"}},
          {12, {"Trip"}},
          {13, {"Trip"}},
          {14, {"Trip"}},
          {16, {"2:00 PM NY weekly"}},
          {20, {"10:00 PM Night train"}},
          {21, {"Night train"}},
          {23, {"8:00 AM Gym", "2:00 PM NY weekly"}},
          {28, {"Ann's birthday party"}},
          {30, {"8:00 AM Gym", "3:00 PM NY weekly"}}},
         10},
        {"month grid, February 2028 (the 1st in the third column)",
         {loFCMinisInTitleLS, 2028, 2, 0},
         {{31, {"Leap day", "Leap birthday"}}},
         2},
        {"week planner from Thursday 26 March 2026",
         {loWeek, 2026, 3, 26},
         {{3, {"Ann's birthday party"}}, {5, {"8:00 AM Gym", "3:00 PM NY weekly"}}},
         3},
        {"day planner, 10 March 2026 from 8:00",
         {loDay10, 2026, 3, 10},
         {{1, {"Holiday"}}, {2, {"9:30 AM Dentist"}}},
         2},
        {"day planner, 2 March 2026 from 8:00",
         {loDay15, 2026, 3, 2},
         {{1, {"8:00 AM Gym", "8:30 AM Swim"}}, {8, {"3:00 PM NY weekly"}}},
         3},
        {"day planner, 20 March 2026: 22:00 lies after its last row", {loDay10, 2026, 3, 20}, {}, 0},
        {"sheet of mini-calendars: no cells for days", {loMC12Month, 2026, 3, 1}, {}, 0},
    };
    for (const auto &row : rows) {
        CalendarModel calendar;
        showPage(calendar, row.page);
        const EventImportResult result = ImportEvents(calendar, files(kPersonalCalendar));
        EXPECT_EQ(cellTexts(calendar), row.cells) << row.name;
        EXPECT_EQ(result.eventsPlaced, row.eventsPlaced) << row.name;
        EXPECT_EQ(result.eventsPlaced + result.eventsOutside, 12) << row.name; // Ann's party is her birthday
        EXPECT_TRUE(result.problems.isEmpty()) << row.name << ": " << result.problems.join(u'\n').toStdString();
    }
}

TEST(EventImport, AppendsInTheCellsAttributeAndImportingTwiceChangesNothing)
{
    CalendarModel calendar;
    showPage(calendar, {loFullCalendar, 2026, 3, 0});
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f1\\fs28\\b Dinner with Bob\\par}";
    QBuffer stream(&rtf);
    stream.open(QIODevice::ReadOnly);
    calendar.Cells(10).RtfText().LoadFromStream(&stream);
    const TAttr dinner = calendar.Cells(10).RtfText().FirstParagraph()->firstLine()->attributes()[0];

    EventImportOptions options;
    options.emptyCellFont = {QStringLiteral("Georgia"), 12, FontStyle::Italic, clBlack};
    const EventImportResult first = ImportEvents(calendar, files(kPersonalCalendar), options);
    const QByteArray once = calendar.CalendarDocumentBytes();
    const EventImportResult second = ImportEvents(calendar, files(kPersonalCalendar), options);

    EXPECT_EQ(cellTexts(calendar)[10], (QStringList{"Dinner with Bob", "Holiday", "9:30 AM Dentist"}));
    const TAttr appended = calendar.Cells(10).RtfText().LastParagraph()->firstLine()->attributes()[0];
    EXPECT_EQ(appended.fontNumber, dinner.fontNumber);
    EXPECT_EQ(appended.size, 14);
    EXPECT_TRUE(appended.has(TAttr::Bold));
    TQmRTFTextIo &empty = calendar.Cells(28).RtfText();
    const TAttr written = empty.FirstParagraph()->firstLine()->attributes()[0];
    EXPECT_EQ(empty.Header().fonts[written.fontNumber].name, "Georgia");
    EXPECT_EQ(written.size, 12);
    EXPECT_TRUE(written.has(TAttr::Italic));

    EXPECT_EQ(calendar.CalendarDocumentBytes(), once);
    EXPECT_EQ(second.entriesAdded, 0);
    EXPECT_EQ(second.entriesPresent, first.entriesAdded);
    EXPECT_EQ(second.eventsPlaced, first.eventsPlaced);

    options.mode = EventImportOptions::Mode::Replace;
    ImportEvents(calendar, files(kPersonalCalendar), options);
    EXPECT_EQ(cellTexts(calendar)[10], (QStringList{"Holiday", "9:30 AM Dentist"}));
}

TEST(EventImport, DamagedFilesAreRefusedWithOneLineNamingThem)
{
    const QByteArray whole = icsFile(event("UID:a\r\nDTSTART:20260310T093000\r\nSUMMARY:Dentist\r\n"));
    const struct {
        const char *name;
        QByteArray bytes;
        QString error;
    } rows[] = {
        {"not a calendar", "Subject: hello\r\n\r\nDentist at 9:30", "x.ics is not an iCalendar file"},
        {"empty", "", "x.ics is not an iCalendar file"},
        {"cut off", whole.left(whole.size() - 30), "x.ics is cut off or damaged: no complete calendar in it"},
        {"zero byte inside", QByteArray(whole).insert(40, '\0'),
         "x.ics is cut off or damaged: no complete calendar in it"},
        {"only event without start", icsFile(event("UID:a\r\nSUMMARY:Dentist\r\n")),
         "x.ics: the event \"Dentist\" has no valid start date and was left out"},
        {"only event with a start that is no date", icsFile(event("UID:a\r\nDTSTART:20261345T250000\r\nSUMMARY:X\r\n")),
         "x.ics: the event \"X\" has no valid start date and was left out"},
    };
    for (const auto &row : rows) {
        try {
            IcsCalendar::fromBytes(row.bytes, QStringLiteral("x.ics"));
            ADD_FAILURE() << row.name << " was read";
        } catch (const QmError &error) {
            EXPECT_EQ(error.message(), row.error) << row.name;
        }
    }
}

TEST(EventImport, OddEventsAreShownWithinBoundsAndReported)
{
    const QByteArray huge(1 << 20, 'x');
    std::vector<IcsCalendar> list;
    testing::internal::CaptureStderr();
    list.push_back(IcsCalendar::fromBytes(
        icsFile(event("UID:a\r\nDTSTART:20260301T090000\r\nRRULE:FREQ=MINUTELY\r\nSUMMARY:Tick\r\n") +
                event("UID:b\r\nDTSTART:20000101T090000\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Every day\r\n") +
                event("UID:c\r\nDTSTART:20260303T090000\r\nSUMMARY:" + huge + "\r\n") +
                event("UID:d\r\nSUMMARY:No start\r\n")) +
            "END:VCALENDAR\r\n", // an end too many: libical would print a warning of its own
        QStringLiteral("odd.ics")));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    CalendarModel calendar;
    showPage(calendar, {loFullCalendar, 2026, 3, 0});
    const EventImportResult result = ImportEvents(calendar, list);

    const CellTexts cells = cellTexts(calendar);
    EXPECT_EQ(cells.at(31), QStringList{"9:00 AM Every day"}); // a never-ending rule, followed to the page only
    EXPECT_EQ(cells.at(3).at(1), "9:00 AM " + QString(IcsCalendar::kSummaryLimit, u'x'));
    // The first 1000 ticks, 900 of them on the 1st, of which the cell takes 200.
    EXPECT_EQ(cells.at(1).size(), 200);
    EXPECT_EQ(cells.at(2).size(), 101); // 100 ticks after midnight, and the daily event
    EXPECT_EQ(cells.at(1).at(1), "9:00 AM Every day");
    EXPECT_EQ(result.problems,
              (QStringList{"odd.ics: the title of \"" + QString(40, u'x') + "...\" was cut to 300 characters",
                           "odd.ics: the event \"No start\" has no valid start date and was left out",
                           "odd.ics: \"Tick\" repeats too often for a page; the rest of its repetitions were left out",
                           "cell 1 takes at most 200 new entries at a time; 701 were left out"}));
}
