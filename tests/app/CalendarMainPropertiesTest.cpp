#include "MainWindowFixture.h"

#include "controls/HelpWindow.h"
#include "controls/RadioGroup.h"
#include "dialogs/CalendarProperties.h"
#include "richtext/QmRtfStrings.h"
#include "support/ModalDialogs.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace qm::test {
namespace {

using PropertiesDialogAction = std::function<void(TCalendarProperties *)>;

void putText(CalendarModel &calendar, int cell, const char *text)
{
    TQmRTFTextIo document;
    TQmRtfStrings(document).Add(text);
    calendar.Cells(cell).SetRtfText(document);
}

void pressOk(TCalendarProperties *dialog)
{
    dialog->findChild<QPushButton *>(QStringLiteral("OkButton"))->click();
}

void chooseLayoutRow(TCalendarProperties *dialog, int row)
{
    dialog->findChild<QListWidget *>(QStringLiteral("LayoutList"))->setCurrentRow(row);
}

class CalendarMainPropertiesTest : public MainWindowFixture
{
protected:
    /// Runs `command` while `action` handles the properties dialog it opens.
    void withDialog(void (TCalendarMain::*command)(), PropertiesDialogAction action)
    {
        bool opened = false;
        onNextModal<TCalendarProperties>([&opened, action](TCalendarProperties *dialog) {
            opened = true;
            action(dialog);
        });
        (m_window.get()->*command)();
        EXPECT_TRUE(opened);
    }

    /// A started window showing a new calendar, accepted as the dialog offers
    /// it, with text in cell 10 and no pending changes.
    TCalendarMain &startWithCalendar()
    {
        TCalendarMain &window = start();
        withDialog(&TCalendarMain::New1Click, pressOk);
        putText(calendar(), 10, "dentist");
        window.SetSaveNeeded(false);
        return window;
    }
};

TEST_F(CalendarMainPropertiesTest, NewAcceptedGivesAnUntitledCalendarWithEmptyCells)
{
    TCalendarMain &window = start();
    putText(calendar(), 3, "left over");
    CalendarModel defaults;
    defaults.SetDefaults();

    withDialog(&TCalendarMain::New1Click, [](TCalendarProperties *dialog) {
        EXPECT_TRUE(dialog->NewCalendar());
        EXPECT_FALSE(dialog->WarnLayoutChange());
        EXPECT_EQ(dialog->ExampleCalendar()->calendar().Magnification(), 30);
        pressOk(dialog);
    });

    EXPECT_TRUE(calendarShown());
    EXPECT_TRUE(window.StartMessage()->isHidden());
    EXPECT_FALSE(calendar().HasCellText());
    EXPECT_TRUE(calendar().SameStyle(defaults));
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_FALSE(window.Savebutton()->isHidden());
    EXPECT_TRUE(window.CancelButton()->isHidden());
    EXPECT_TRUE(window.mnuProperties()->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark    [60%]"));
    EXPECT_FALSE(window.CreatingNew());
}

TEST_F(CalendarMainPropertiesTest, NewCancelledLeavesTheCalendarAsItWas)
{
    TCalendarMain &window = startWithCalendar();
    window.SetSaveNeeded(true);
    CalendarModel before;
    before.AssignStyle(calendar());
    m_prompts.answerNo(); // "Save changes?"

    withDialog(&TCalendarMain::New1Click, [](TCalendarProperties *dialog) {
        chooseLayoutRow(dialog, 9);
        dialog->reject();
    });

    EXPECT_EQ(m_prompts.asked().first().text, QStringLiteral("Save changes?"));
    EXPECT_TRUE(calendar().SameStyle(before));
    EXPECT_TRUE(calendar().HasCellText());
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_TRUE(calendarShown());
    EXPECT_FALSE(window.PropertiesAccepted());
    EXPECT_FALSE(window.CreatingNew());
}

TEST_F(CalendarMainPropertiesTest, PropertiesAcceptedWithoutChangeChangesNothing)
{
    TCalendarMain &window = startWithCalendar();
    withDialog(&TCalendarMain::mnuPropertiesClick, [](TCalendarProperties *dialog) {
        EXPECT_FALSE(dialog->NewCalendar());
        EXPECT_TRUE(dialog->WarnLayoutChange()) << "cell 10 has text";
        EXPECT_EQ(dialog->OldLayoutGroup(), 0);
        pressOk(dialog);
    });
    EXPECT_TRUE(window.PropertiesAccepted());
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_TRUE(calendar().HasCellText());
}

TEST_F(CalendarMainPropertiesTest, AcceptedChangesMarkTheDocumentAndAnotherLayoutGroupEmptiesTheCells)
{
    struct Row {
        const char *name;
        int layoutRow;
        bool asked;
        bool cellsKept;
    };
    const Row rows[] = {
        {"same group", 0, false, true},
        {"mini-calendar sheet", 5, true, false},
        {"week planner", 9, true, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TCalendarMain &window = startWithCalendar();
        const int questionsBefore = int(m_prompts.asked().size());
        if (row.asked)
            m_prompts.answerYes();
        withDialog(&TCalendarMain::mnuPropertiesClick, [&row](TCalendarProperties *dialog) {
            chooseLayoutRow(dialog, row.layoutRow);
            pressOk(dialog);
        });
        EXPECT_EQ(int(m_prompts.asked().size()) - questionsBefore, row.asked ? 1 : 0);
        EXPECT_TRUE(window.SaveNeeded());
        EXPECT_EQ(calendar().HasCellText(), row.cellsKept);
        EXPECT_EQ(calendar().CalendarLayout(), TCalendarLayout(row.layoutRow < 9 ? row.layoutRow * 2 + 1 : 18))
            << "the landscape form of the new calendar's layout is kept";
    }
}

TEST_F(CalendarMainPropertiesTest, CancelDiscardsTheSettingsButKeepsThePreviewZoom)
{
    TCalendarMain &window = startWithCalendar();
    CalendarModel before;
    before.AssignStyle(calendar());
    withDialog(&TCalendarMain::mnuPropertiesClick, [](TCalendarProperties *dialog) {
        chooseLayoutRow(dialog, 12);
        dialog->findChild<QToolButton *>(QStringLiteral("ZoomInButton"))->click();
        dialog->reject();
    });
    EXPECT_TRUE(calendar().SameStyle(before));
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_EQ(window.PropertiesZoom(), 40);
    EXPECT_EQ(ini().readInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), -1), 40);

    withDialog(&TCalendarMain::PropertiesButtonClick, [](TCalendarProperties *dialog) {
        EXPECT_EQ(dialog->ExampleCalendar()->calendar().Magnification(), 40);
        dialog->reject();
    });
}

TEST_F(CalendarMainPropertiesTest, HelpFromTheDialogTakesClicksWhileTheDialogIsOpen)
{
    startWithCalendar();
    withDialog(&TCalendarMain::mnuPropertiesClick, [](TCalendarProperties *dialog) {
        dialog->findChild<QPushButton *>(QStringLiteral("Helpbutton"))->click();
        HelpWindow *help = HelpWindow::instance();
        EXPECT_EQ(help->source().toString(), QStringLiteral("layout.html"));
        QPushButton *contents = nullptr;
        for (QPushButton *button : help->findChildren<QPushButton *>())
            if (button->text() == QLatin1String("&Contents"))
                contents = button;
        ASSERT_TRUE(contents);
        // Through the window system, where a modal dialog blocks the windows it covers.
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, contents->mapTo(help, contents->rect().center()));
        EXPECT_EQ(help->source().toString(), QStringLiteral("contents.html"));
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        help->hide();
        dialog->reject();
    });
}

} // namespace
} // namespace qm::test
