// Import Events: calendar files placed into the cells of the calendar shown.

#include "MainWindowFixture.h"

#include "richtext/QmRtfStrings.h"

#include <QFile>
#include <QToolButton>

namespace qm::test {
namespace {

class CalendarMainEventsTest : public MainWindowFixture
{
protected:
    /// Starts on a March 2026 month grid whose 10th lies in cell 10.
    TCalendarMain &startOnMarch()
    {
        CalendarModel document;
        document.SetCalendarLayout(loFullCalendar);
        document.SetMainCalMonth(3);
        document.SetMainCalYear(2026);
        document.SetStartOfWeek(1);
        document.SaveCalendarToFile(path(QStringLiteral("Mar2026.QMF")));
        writeRecentFiles({path(QStringLiteral("Mar2026.QMF"))});
        return start();
    }

    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QString cellText(int cell) const
    {
        TQmRtfStrings strings(calendar().Cells(cell).RtfText());
        QStringList paragraphs;
        for (int i = 0; i < strings.Count(); ++i)
            paragraphs << strings.Strings(i);
        return paragraphs.join(u'|');
    }
};

TEST_F(CalendarMainEventsTest, ImportedEventsAreOneEditAndAreCounted)
{
    TCalendarMain &window = startOnMarch();
    ASSERT_TRUE(window.mnuImportEvents()->isEnabled());
    const QString personal = writeFile(QStringLiteral("personal.ics"),
                                       "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260310T093000\r\n"
                                       "SUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const QString holidays = writeFile(QStringLiteral("holidays.ics"),
                                       "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:h\r\nDTSTART;VALUE=DATE:20260310\r\n"
                                       "SUMMARY:Holiday\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    m_prompts.answerFiles({personal, holidays});
    window.mnuImportEvents()->trigger();
    EXPECT_EQ(cellText(10), QStringLiteral("Holiday|9:30 AM Dentist"));
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_TRUE(window.CancelButton()->isVisible());
    EXPECT_EQ(m_prompts.messages().last(),
              QStringLiteral("2 events placed in 2 entries (0 already there), 0 outside the page"));
    EXPECT_EQ(m_prompts.asked().at(m_prompts.asked().size() - 2).fileRequest.filter,
              QStringLiteral("Calendar Events (*.ics *.ICS);;All Files (*)"));

    // Cancel Changes takes the whole import back.
    m_prompts.answerYes();
    window.mnuCancelChanges()->trigger();
    EXPECT_EQ(cellText(10), QString());
    EXPECT_FALSE(window.SaveNeeded());
}

TEST_F(CalendarMainEventsTest, AFileThatCannotBeReadChangesNoCell)
{
    TCalendarMain &window = startOnMarch();
    const QString good =
        writeFile(QStringLiteral("good.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260310T093000\r\n"
                                              "SUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const QString cut = writeFile(QStringLiteral("cut.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\n");
    m_prompts.answerFiles({good, cut});
    window.mnuImportEvents()->trigger();
    EXPECT_EQ(m_prompts.messages(),
              QStringList{cut + QStringLiteral(" is cut off or damaged: no complete calendar in it")});
    EXPECT_FALSE(calendar().HasCellText());
    EXPECT_FALSE(window.SaveNeeded());

    m_prompts.answerFiles({});
    window.mnuImportEvents()->trigger();
    EXPECT_EQ(m_prompts.messages().size(), 1);
}

} // namespace
} // namespace qm::test
