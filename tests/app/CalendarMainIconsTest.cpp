#include "MainWindowFixture.h"

#include "controls/ExplorerButton.h"
#include "controls/GIconListBox.h"
#include "platform/IconLibrary.h"
#include "platform/IconLibraryWriter.h"
#include "support/IconFiles.h"

#include <QDir>
#include <QFile>

using namespace qm;
using namespace qm::test;

namespace {

const QStringList libraries{QStringLiteral("activity.icl"), QStringLiteral("events.icl"), QStringLiteral("holiday.icl"),
                            QStringLiteral("misc1.icl"), QStringLiteral("misc2.icl")};

/// A main window whose program folder holds the libraries that ship with the program.
class CalendarMainIconsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        for (const QString &name : libraries)
            QFile::copy(QStringLiteral(QM_ICON_LIBRARY_DIR "/") + name, path(name));
    }

    /// The captions of the ticked items of the icon-set menu.
    QStringList ticked() const
    {
        QStringList captions;
        for (const QAction *item : m_window->IconSetItems()) {
            if (item->isChecked())
                captions << item->text();
        }
        return captions;
    }

    QString storedIconFile() const { return ini().readString(QStringLiteral("Icons"), QStringLiteral("File"), {}); }
};

TEST_F(CalendarMainIconsTest, StartShowsTheFirstMiscellaneousSetUnderAFlatMenuButton)
{
    TCalendarMain &window = start();
    TGIconListBox *strip = window.IconListBox();
    EXPECT_EQ(strip->FileName(), path(QStringLiteral("misc1.icl"))) << "MISC1.ICL found in any letter case";
    EXPECT_GE(strip->NumberOfIcons(), 20);
    EXPECT_TRUE(strip->isEnabled());
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Miscellaneous #1")});
    EXPECT_EQ(captions(window.IconSetsMenu()),
              QStringList({"Activities", "Events", "Holidays", "Miscellaneous #1", "Miscellaneous #2", "Other"}));
    EXPECT_EQ(window.IconBarButton()->geometry(), QRect(6, 1, 40, 17));
    EXPECT_EQ(window.IconBarButton()->DropDownMenu(), window.IconSetsMenu());
    EXPECT_EQ(window.IconBarButton()->toolTip(), QStringLiteral("Select a new icon set"));
}

TEST_F(CalendarMainIconsTest, IconSetCommandsLoadTickAndStoreTheirLibrary)
{
    TCalendarMain &window = start();
    const struct {
        void (TCalendarMain::*command)();
        const char *file;
        const char *caption;
    } rows[] = {
        {&TCalendarMain::mnuActivitiesICLClick, "activity.icl", "Activities"},
        {&TCalendarMain::mnuEventsICLClick, "events.icl", "Events"},
        {&TCalendarMain::mnuHolidaysICLClick, "holiday.icl", "Holidays"},
        {&TCalendarMain::mnuMisc2ICLClick, "misc2.icl", "Miscellaneous #2"},
        {&TCalendarMain::mnuMisc1ICLClick, "misc1.icl", "Miscellaneous #1"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.caption);
        (window.*row.command)();
        const QString library = path(QLatin1String(row.file));
        EXPECT_EQ(window.IconListBox()->FileName(), library);
        EXPECT_EQ(window.IconListBox()->NumberOfIcons(), IconLibrary(library).count());
        EXPECT_EQ(ticked(), QStringList{QLatin1String(row.caption)});
        EXPECT_EQ(storedIconFile(), library);
    }
}

TEST_F(CalendarMainIconsTest, SameLibraryIsNotReloadedButAnotherLetterCaseIs)
{
    TCalendarMain &window = start();
    window.mnuHolidaysICLClick();
    int reloads = 0;
    QObject::connect(window.IconListBox(), &TGIconListBox::fileChanged, [&reloads] { ++reloads; });
    window.mnuHolidaysICLClick();
    EXPECT_EQ(reloads, 0);

    m_prompts.answerFile(path(QStringLiteral("HOLIDAY.ICL")));
    window.mnuOtherICONFILEClick();
    EXPECT_EQ(reloads, 1);
    EXPECT_GE(window.IconListBox()->NumberOfIcons(), 20);
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Holidays")});
}

TEST_F(CalendarMainIconsTest, OtherTicksALibraryOfTheProgramByItsNameAndAnyOtherAsOther)
{
    TCalendarMain &window = start();
    QDir().mkpath(path(QStringLiteral("elsewhere")));
    const QString copy = path(QStringLiteral("elsewhere/MISC1.ICL"));
    QFile::copy(path(QStringLiteral("misc1.icl")), copy);
    m_prompts.answerFile(copy);
    window.mnuOtherICONFILEClick();
    EXPECT_EQ(window.IconListBox()->FileName(), copy);
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Miscellaneous #1")});

    const QString own = path(QStringLiteral("elsewhere/mine.ico"));
    writeFile(own, iconFile(IconImages{filledImage(32, Qt::red)}));
    m_prompts.answerFile(own);
    window.mnuOtherICONFILEClick();
    EXPECT_EQ(window.IconListBox()->NumberOfIcons(), 1);
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Other")});
    EXPECT_EQ(storedIconFile(), own);
    EXPECT_TRUE(m_prompts.messages().isEmpty());
}

TEST_F(CalendarMainIconsTest, OtherWithoutIconsAsksAgainThenFallsBackToTheFirstMiscellaneousSet)
{
    TCalendarMain &window = start();
    const QString empty = path(QStringLiteral("empty.icl"));
    writeFile(empty, QByteArray());
    const QString text = path(QStringLiteral("notes.txt"));
    writeFile(text, QByteArray("no icons here"));
    m_prompts.answerFile(empty);
    m_prompts.answerFile(text);
    m_prompts.answerCancel();
    window.mnuOtherICONFILEClick();

    EXPECT_EQ(m_prompts.messages(),
              QStringList({QStringLiteral("No icons found in ") + empty, QStringLiteral("No icons found in ") + text}));
    EXPECT_EQ(window.IconListBox()->FileName(), path(QStringLiteral("misc1.icl")));
    EXPECT_GT(window.IconListBox()->NumberOfIcons(), 0);
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Miscellaneous #1")});
}

TEST_F(CalendarMainIconsTest, MissingLibraryLeavesTheStripEmptyAndDisabledWithoutAMessage)
{
    const QString missing = path(QStringLiteral("gone.icl"));
    ini().writeString(QStringLiteral("Icons"), QStringLiteral("File"), missing);
    TCalendarMain &window = start();
    EXPECT_EQ(window.IconListBox()->count(), 0);
    EXPECT_FALSE(window.IconListBox()->isEnabled());
    EXPECT_TRUE(m_prompts.messages().isEmpty());
    window.close();
    EXPECT_EQ(storedIconFile(), missing) << "the choice waits for the file to come back";

    m_prompts.answerFile(missing);
    start().mnuOtherICONFILEClick();
    EXPECT_EQ(m_window->IconListBox()->NumberOfIcons(), -1);
    EXPECT_FALSE(m_window->IconListBox()->isEnabled());
    EXPECT_EQ(storedIconFile(), missing);
    EXPECT_TRUE(m_prompts.messages().isEmpty());
}

TEST_F(CalendarMainIconsTest, MiniCalendarSheetsHideTheStrip)
{
    TCalendarMain &window = start();
    calendar().SetCalendarLayout(lopMC6Month);
    window.SetButtons();
    EXPECT_TRUE(window.IconListBox()->isHidden());
    EXPECT_TRUE(window.IconBarButton()->parentWidget()->isHidden());
    calendar().SetCalendarLayout(loWeek);
    window.SetButtons();
    EXPECT_FALSE(window.IconListBox()->isHidden());
    EXPECT_FALSE(window.IconBarButton()->parentWidget()->isHidden());
}

} // namespace
