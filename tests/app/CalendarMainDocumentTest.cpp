// The document commands on real calendar documents.

#include "MainWindowFixture.h"

#include "controls/MRUFileList.h"

#include <QDir>
#include <QFile>
#include <QToolButton>

namespace qm::test {
namespace {

class CalendarMainDocumentTest : public MainWindowFixture
{
protected:
    /// Writes a calendar document for `month` of `year`.
    QString writeDocument(const QString &name, int month = 12, int year = 1997) const
    {
        CalendarModel document;
        document.SetMainCalMonth(month);
        document.SetMainCalYear(year);
        document.SaveCalendarToFile(path(name));
        return path(name);
    }
};

TEST_F(CalendarMainDocumentTest, MostRecentFileOpensAtStart)
{
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    writeRecentFiles({path(QStringLiteral("gone.QMF")), december});
    start();
    EXPECT_FALSE(calendarShown()) << "only the most recent file is tried";

    writeRecentFiles({december});
    TCalendarMain &window = start();
    EXPECT_TRUE(calendarShown());
    EXPECT_EQ(window.CurrentFileName(), december);
    EXPECT_EQ(calendar().MainCalMonth(), 12);
    EXPECT_EQ(calendar().MainCalYear(), 1997);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark  [Dec1997.QMF]    [60%]"));
    EXPECT_TRUE(window.mnuSave()->isEnabled());
    EXPECT_TRUE(window.mnuSaveAs()->isEnabled());
    EXPECT_TRUE(window.mnuCancelChanges()->isEnabled());
    EXPECT_TRUE(window.ZoomPlusButton()->isEnabled());
    EXPECT_TRUE(window.Printbutton()->isEnabled());
    EXPECT_TRUE(window.Savebutton()->isHidden());
}

TEST_F(CalendarMainDocumentTest, FileNamedAtStartOpensInsteadOfTheMostRecent)
{
    writeRecentFiles({writeDocument(QStringLiteral("Recent.QMF"), 3, 2001)});
    const QString named = writeDocument(QStringLiteral("named.qmf"), 7, 2030);
    TCalendarMain &window = start(named);
    EXPECT_EQ(window.CurrentFileName(), named);
    EXPECT_EQ(calendar().MainCalYear(), 2030);
    EXPECT_EQ(window.RecentFiles()->Files().first(), named);
}

TEST_F(CalendarMainDocumentTest, OpenReadsDocumentsAndReportsMissingAndDamagedOnes)
{
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    const QString lowerCase = writeDocument(QStringLiteral("june.qmf"), 6, 2024);
    QFile damaged(path(QStringLiteral("damaged.QMF")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("TPF0 this is no calendar");
    damaged.close();
    writeRecentFiles({december});
    TCalendarMain &window = start();

    openThroughDialog(path(QStringLiteral("Dec1997.QMF.bak")));
    EXPECT_EQ(m_prompts.messages(), QStringList{QStringLiteral("Must be a Calendar file (*.QMF)")});
    EXPECT_EQ(window.CurrentFileName(), december) << "nothing changes";
    EXPECT_TRUE(calendarShown());

    openThroughDialog(lowerCase);
    EXPECT_EQ(window.CurrentFileName(), lowerCase);
    EXPECT_EQ(calendar().MainCalMonth(), 6);
    EXPECT_EQ(window.RecentFiles()->Files(), (QStringList{lowerCase, december}));

    window.SetSaveNeeded(true);
    m_prompts.answerNo(); // "Save changes?"
    openThroughDialog(path(QStringLiteral("missing.QMF")));
    EXPECT_EQ(m_prompts.messages().last(),
              QStringLiteral("File ") + path(QStringLiteral("missing.QMF")) + QStringLiteral(" no longer exists"));
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_FALSE(calendarShown());
    EXPECT_EQ(calendar().MainCalMonth(), 6) << "the calendar keeps its content";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark    [60%]"));

    openThroughDialog(december);
    openThroughDialog(damaged.fileName());
    EXPECT_EQ(m_prompts.messages().last(), QStringLiteral("Unable to open ") + damaged.fileName() +
                                               QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar file"));
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_FALSE(calendarShown());
    EXPECT_EQ(calendar().MainCalYear(), 2026) << "reset to a new calendar, dated today";
    EXPECT_FALSE(window.RecentFiles()->Files().contains(damaged.fileName()));
    EXPECT_FALSE(window.mnuSaveAs()->isEnabled());
}

TEST_F(CalendarMainDocumentTest, OpenAsksToSaveFirstAndStopsWhenNothingGotSaved)
{
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    writeRecentFiles({december});
    TCalendarMain &window = start();
    window.SetSaveNeeded(true);
    EXPECT_FALSE(window.Savebutton()->isHidden());
    EXPECT_FALSE(window.CancelButton()->isHidden());

    // Yes, but the file cannot be written: Open goes no further.
    QFile::remove(december);
    QDir().mkdir(december); // a folder in the document's place cannot be written by anyone
    m_prompts.answerYes();
    window.Open1Click();
    EXPECT_EQ(m_prompts.asked().size(), 2);
    EXPECT_EQ(m_prompts.asked()[0].text, QStringLiteral("Save changes?"));
    EXPECT_EQ(m_prompts.asked()[0].caption, QStringLiteral("Save"));
    EXPECT_EQ(m_prompts.asked()[1].kind, QStringLiteral("information"));
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_EQ(window.CurrentFileName(), december);
}

TEST_F(CalendarMainDocumentTest, SaveWritesUnderTheCurrentNameAndLeavesTheRecentFilesAlone)
{
    const QString older = writeDocument(QStringLiteral("Older.QMF"), 1, 2000);
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    writeRecentFiles({december, older});
    TCalendarMain &window = start();
    calendar().SetMainCalMonth(11);
    window.SetSaveNeeded(true);
    window.SavebuttonClick();
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_TRUE(window.Savebutton()->isHidden());
    EXPECT_EQ(window.RecentFiles()->Files(), (QStringList{december, older}));
    CalendarModel reread;
    reread.LoadCalendarFromFile(december);
    EXPECT_EQ(reread.MainCalMonth(), 11);
}

TEST_F(CalendarMainDocumentTest, SaveAsWritesAndRemembersTheFile)
{
    TCalendarMain &window = start();
    window.SetSaveNeeded(true);
    const QString chosen = path(QStringLiteral("Plan.QMF"));
    m_prompts.answerFile(chosen);
    EXPECT_TRUE(window.mnuSaveAsClick());
    EXPECT_EQ(window.CurrentFileName(), chosen);
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_EQ(window.RecentFiles()->Files(), QStringList{chosen});
    EXPECT_EQ(ini().readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()), chosen);

    m_prompts.answerCancel();
    window.mnuSaveAsClick();
    EXPECT_EQ(m_prompts.asked().last().fileRequest.fileName, QStringLiteral("Plan.QMF"));
}

TEST_F(CalendarMainDocumentTest, FailedWritesAreReportedAndChangeNothing)
{
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    writeRecentFiles({december});
    TCalendarMain &window = start();
    window.SetSaveNeeded(true);
    const QString unwritable = QStringLiteral("/proc/Dec1997.QMF");

    EXPECT_FALSE(window.SaveCalendarFile(unwritable));
    EXPECT_EQ(m_prompts.messages(), QStringList{QStringLiteral("Cannot create file ") + unwritable});
    EXPECT_EQ(window.CurrentFileName(), december);
    EXPECT_TRUE(window.SaveNeeded());

    m_prompts.answerFile(unwritable);
    EXPECT_FALSE(window.mnuSaveAsClick());
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_EQ(window.RecentFiles()->Files(), QStringList{december});
}

TEST_F(CalendarMainDocumentTest, CancelChangesReadsTheFileBack)
{
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    writeRecentFiles({december});
    TCalendarMain &window = start();
    EXPECT_EQ(window.CurrentFileName(), december);
    calendar().SetMainCalMonth(4);
    window.SetSaveNeeded(true);

    m_prompts.answerNo();
    window.CancelButton()->click();
    EXPECT_EQ(m_prompts.asked().last().text, QStringLiteral("Cancel all changes?"));
    EXPECT_EQ(m_prompts.asked().last().caption, QStringLiteral("CANCEL"));
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_EQ(calendar().MainCalMonth(), 4);

    m_prompts.answerYes();
    window.mnuCancelChangesClick();
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_EQ(calendar().MainCalMonth(), 12);
    EXPECT_EQ(window.CurrentFileName(), december);
}

TEST_F(CalendarMainDocumentTest, RecentFilesOpenFromTheMenu)
{
    QStringList files;
    for (const char *name : {"One.QMF", "Two.QMF", "Three.QMF"})
        files << writeDocument(QString::fromLatin1(name));
    writeRecentFiles(files);
    TCalendarMain &window = start();
    EXPECT_EQ(window.CurrentFileName(), files[0]);
    const QStringList items = captions(window.FileMenu());
    EXPECT_EQ(items.mid(items.indexOf(QStringLiteral("E&xit")) + 1),
              (QStringList{QStringLiteral("-"), QStringLiteral("&1 ") + files[0], QStringLiteral("&2 ") + files[1],
                           QStringLiteral("&3 ") + files[2]}));

    // The third entry opens and moves to the top.
    window.FileMenu()->actions().last()->trigger();
    EXPECT_EQ(window.CurrentFileName(), files[2]);
    EXPECT_EQ(window.RecentFiles()->Files(), (QStringList{files[2], files[0], files[1]}));

    // Pending changes are offered for saving first; when nothing gets saved,
    // nothing opens and the entry stays where it was.
    window.SetSaveNeeded(true);
    QFile::remove(files[2]);
    QDir().mkdir(files[2]);
    m_prompts.answerYes();
    window.FileMenu()->actions().last()->trigger();
    EXPECT_EQ(window.CurrentFileName(), files[2]);
    EXPECT_EQ(window.RecentFiles()->Files(), (QStringList{files[2], files[0], files[1]}));

    // An entry whose file is gone: the message, and the entry leaves the list.
    window.SetSaveNeeded(false);
    QFile::remove(files[1]);
    window.FileMenu()->actions().last()->trigger();
    EXPECT_EQ(m_prompts.messages().last(), QStringLiteral("File ") + files[1] + QStringLiteral(" no longer exists"));
    EXPECT_EQ(window.RecentFiles()->Files(), (QStringList{files[2], files[0]}));
}

TEST_F(CalendarMainDocumentTest, HandedOverDocumentsOpenAfterTheSaveQuestion)
{
    const QString december = writeDocument(QStringLiteral("Dec1997.QMF"));
    const QString other = writeDocument(QStringLiteral("Other.QMF"), 2, 2020);
    writeRecentFiles({december});
    TCalendarMain &window = start();
    window.showMinimized();
    window.SetSaveNeeded(true);
    m_prompts.answerNo();
    window.HandOver(other);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(m_prompts.asked().first().text, QStringLiteral("Save changes?"));
    EXPECT_EQ(window.CurrentFileName(), other);
}

} // namespace
} // namespace qm::test
