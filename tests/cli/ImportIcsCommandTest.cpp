#include "CliTestSupport.h"
#include "platform/DefaultFontPreference.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "richtext/QmRtfStrings.h"
#include "support/QtPrinting.h"

using namespace qm::cli;

class ImportIcsCommand : public CliFilesTest
{
protected:
    void SetUp() override
    {
        save("march.QMF", [](CalendarModel &calendar) {
            calendar.SetCalendarLayout(loFullCalendar);
            calendar.SetMainCalYear(2026);
            calendar.SetMainCalMonth(3);
            calendar.SetStartOfWeek(1); // 1 March 2026 is a Sunday: cell n shows day n
            TQmRtfStrings(calendar.Cells(10).RtfText()).Add("Pack");
        });
        write("personal.ics", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                              "BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260310T083000Z\r\nSUMMARY:Flight\r\nEND:VEVENT\r\n"
                              "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20260310\r\nDTEND;VALUE=DATE:20260312\r\n"
                              "SUMMARY:Fair\r\nEND:VEVENT\r\n"
                              "BEGIN:VEVENT\r\nUID:c\r\nDTSTART;VALUE=DATE:20260401\r\nSUMMARY:April\r\nEND:VEVENT\r\n"
                              "END:VCALENDAR\r\n");
    }
};

TEST_F(ImportIcsCommand, PlacesTheEventsAndASecondImportChangesNothing)
{
    ASSERT_EQ(run(runImportIcs, {path("march.QMF"), path("personal.ics"), path("once.QMF")}), kSuccess);
    EXPECT_EQ(m_out, "2 events placed in 3 entries (0 already there), 1 outside the page\n");
    EXPECT_EQ(cellText("once.QMF", 10), (QStringList{"Pack", "Fair", "9:30 AM Flight"})); // Berlin time
    EXPECT_EQ(cellText("once.QMF", 11), QStringList{"Fair"});

    ASSERT_EQ(run(runImportIcs, {path("once.QMF"), path("personal.ics"), path("twice.QMF")}), kSuccess);
    EXPECT_EQ(m_out, "2 events placed in 3 entries (3 already there), 1 outside the page\n");
    EXPECT_EQ(contents("twice.QMF"), contents("once.QMF"));

    ASSERT_EQ(run(runImportIcs, {path("once.QMF"), path("personal.ics"), path("new.QMF"), "--replace"}), kSuccess);
    EXPECT_EQ(cellText("new.QMF", 10), (QStringList{"Fair", "9:30 AM Flight"}));
}

TEST_F(ImportIcsCommand, AFileThatCannotBeReadLeavesNothingWritten)
{
    write("mail.ics", "From: Ann\r\n\r\nSee you on Tuesday");
    const struct {
        QStringList arguments;
        QString error; // empty: a usage error
    } rows[] = {
        {{path("march.QMF"), path("personal.ics"), path("mail.ics"), path("out.QMF")},
         path("mail.ics") + " is not an iCalendar file"},
        {{path("march.QMF"), path("gone.ics"), path("out.QMF")}, "Cannot open file " + path("gone.ics")},
        {{path("march.QMF"), path("personal.ics")}, {}},
        {{path("march.QMF"), path("personal.ics"), path("out.QMS")}, {}},
        {{path("march.txt"), path("personal.ics"), path("out.QMF")}, {}},
    };
    for (const auto &row : rows)
        expectFailure(runImportIcs, row.arguments, row.error);
    EXPECT_FALSE(QFile::exists(path("out.QMF")));
}

TEST_F(ImportIcsCommand, EmptyCellsTakeTheDefaultFontOfThePreferences)
{
    qm::Environment::pinProgramFolder(m_folder.path());
    qm::IniFile preferences(qm::IniFileName());
    qm::WriteDefaultFont(preferences, {QStringLiteral("Georgia"), 12, qm::FontStyle::Italic, qm::clBlack});
    const int code = run(runImportIcs, {path("march.QMF"), path("personal.ics"), path("out.QMF")});
    qm::Environment::pinProgramFolder(std::nullopt);
    ASSERT_EQ(code, kSuccess);

    CalendarModel calendar;
    calendar.LoadCalendarFromFile(path("out.QMF"));
    TQmRTFTextIo &cell = calendar.Cells(11).RtfText();
    const TAttr written = cell.FirstParagraph()->firstLine()->attributes()[0];
    EXPECT_EQ(cell.Header().fonts[written.fontNumber].name, "Georgia");
    EXPECT_EQ(written.size, 12);
    EXPECT_TRUE(written.has(TAttr::Italic));
}
