#include "MainWindowFixture.h"

#include "controls/HelpWindow.h"
#include "controls/MRUFileList.h"
#include "controls/ScrollBoxWithNCTest.h"
#include "platform/QmError.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMap>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

namespace qm::test {
namespace {

using CalendarMainTest = MainWindowFixture;

/// A control that counts the hints it is asked to show.
struct HintProbe : QWidget {
    using QWidget::QWidget;
    int hints = 0;
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++hints;
        return QWidget::event(event);
    }
};

TEST_F(CalendarMainTest, FirstStartWithoutPreferences)
{
    TCalendarMain &window = start();
    EXPECT_EQ(window.MainZoom(), 60);
    EXPECT_EQ(window.PropertiesZoom(), 30);
    EXPECT_EQ(calendar().Magnification(), 60);
    EXPECT_TRUE(window.RecentFiles()->Files().isEmpty());
    EXPECT_FALSE(calendarShown());
    EXPECT_TRUE(window.StartMessage()->isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark    [60%]"));
    EXPECT_FALSE(window.mnuSave()->isEnabled());
    EXPECT_FALSE(window.mnuSaveAs()->isEnabled());
    EXPECT_FALSE(window.mnuCancelChanges()->isEnabled());
    EXPECT_FALSE(window.ZoomPlusButton()->isEnabled());
    EXPECT_FALSE(window.ZoomMinusButton()->isEnabled());
    EXPECT_FALSE(window.Printbutton()->isEnabled());
    EXPECT_TRUE(window.Savebutton()->isHidden());
    EXPECT_TRUE(window.CancelButton()->isHidden());
    EXPECT_FALSE(window.SaveNeeded());
    EXPECT_FALSE(window.ActivatePending());
    EXPECT_TRUE(window.PrinterAvailable());
    EXPECT_TRUE(m_prompts.asked().isEmpty());
    // The placement is stored at once: the window is centred on the 1280 x 1024 screen.
    EXPECT_EQ(window.frameGeometry().left(), (1280 - window.frameGeometry().width()) / 2);
    EXPECT_EQ(ini().readInteger(QStringLiteral("TCalendarMain_Placement"), QStringLiteral("Left"), -1),
              window.geometry().left());
}

TEST_F(CalendarMainTest, MenusAndButtons)
{
    TCalendarMain &window = start();
    EXPECT_EQ(captions(window.FileMenu()),
              (QStringList{QStringLiteral("&New "), QStringLiteral("&Open"), QStringLiteral("&Import Events..."),
                           QStringLiteral("-"), QStringLiteral("&Save "), QStringLiteral("Save &As..."),
                           QStringLiteral("Save As &Bitmap "), QStringLiteral("&Export as PDF..."), QStringLiteral("-"),
                           QStringLiteral("&Properties"), QStringLiteral("&Cancel Changes"),
                           QStringLiteral("Clear &All Cell Contents"), QStringLiteral("&Default Editor Font"),
                           QStringLiteral("-"), QStringLiteral("P&rint Calendar"), QStringLiteral("Print Pre&view"),
                           QStringLiteral("Print Set&up"), QStringLiteral("-"), QStringLiteral("E&xit")}));
    EXPECT_EQ(window.mnuSave()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    // A letter shared by two commands only selects in turn: Alt+F P must still run Properties.
    // Save As and Clear All Cell Contents have shared their A since the menu was first laid out.
    QMap<QChar, QStringList> byMnemonic;
    for (const QString &caption : captions(window.FileMenu())) {
        const qsizetype amp = caption.indexOf(u'&');
        if (amp >= 0)
            byMnemonic[caption.at(amp + 1).toLower()] << caption;
    }
    for (auto entry = byMnemonic.cbegin(); entry != byMnemonic.cend(); ++entry)
        EXPECT_TRUE(entry.value().size() == 1 || entry.key() == u'a') << entry.value().join(u',').toStdString();
    EXPECT_EQ(captions(window.menuBar()->actions().at(1)->menu()),
              (QStringList{QStringLiteral("&Contents"), QStringLiteral("&About"), QStringLiteral("-"),
                           QStringLiteral("&Show Hints")}));
    EXPECT_TRUE(window.mnuShowHint()->isChecked());

    struct Row {
        QToolButton *button;
        QRect geometry;
        const char *hint;
    };
    const Row rows[] = {
        {window.ZoomPlusButton(), QRect(1, 3, 24, 21), "Zoom In"},
        {window.ZoomMinusButton(), QRect(28, 3, 24, 21), "Zoom Out"},
        {window.PropertiesButton(), QRect(1, 26, 24, 21), "Set/change Properties for the calendar"},
        {window.Printbutton(), QRect(28, 26, 24, 21), "Print the calendar"},
        {window.Savebutton(), QRect(1, 52, 51, 20), "Save changes to the calendar"},
        {window.CancelButton(), QRect(1, 75, 51, 20), "Cancel all changes"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(row.button->geometry(), row.geometry) << row.hint;
        EXPECT_EQ(row.button->toolTip(), QString::fromLatin1(row.hint));
    }
    EXPECT_EQ(window.Savebutton()->text(), QStringLiteral("&Save"));
    EXPECT_EQ(window.Savebutton()->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
    EXPECT_EQ(window.CancelButton()->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(window.CancelButton()->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_TRUE(window.Savebutton()->font().bold());
    EXPECT_EQ(window.CalendarPanel()->pos(), QPoint(5, 5));
    EXPECT_EQ(window.ScrollBox1()->palette().color(QPalette::Window), QColor(142, 142, 142));
}

TEST_F(CalendarMainTest, MissingPrintersAreReportedAtStartAndDisablePrinting)
{
    struct Row {
        bool installed;
        bool hasDefault;
        const char *message;
    };
    const Row rows[] = {
        {false, false, "There are no installed printers.\r\nUnable to perform printer related operations"},
        {true, false, "There is no default printer selected.\r\nUnable to perform printer related operations"},
    };
    for (const Row &row : rows) {
        ScriptedPrompts prompts;
        m_printers.installed = row.installed;
        m_printers.hasDefault = row.hasDefault;
        TCalendarMain &window = start();
        EXPECT_EQ(prompts.messages(), QStringList{QString::fromLatin1(row.message)});
        EXPECT_FALSE(window.PrinterAvailable());
        EXPECT_FALSE(window.ActivatePending()) << "start-up goes on";
    }
}

TEST_F(CalendarMainTest, PreferencesAreReadWithTheirDefaultsAndBadValues)
{
    struct Row {
        const char *name;
        QStringList lines;
        int mainZoom;
        int propertiesZoom;
        bool hints;
    };
    const Row rows[] = {
        {"valid values", {"Main=80", "Prop=40"}, 80, 40, true},
        {"not a number", {"Main=abc", "Prop=x"}, 60, 30, true},
        {"hexadecimal", {"Main=0x50"}, 80, 30, true},
        {"too large to draw", {"Main=100000", "Prop=501"}, 60, 30, true},
        {"too small", {"Main=5", "Prop=-30"}, 60, 30, true},
        {"limits", {"Main=10", "Prop=500"}, 10, 500, true},
    };
    for (const Row &row : rows) {
        QFile::remove(IniFileName());
        IniFile preferences = ini();
        for (const QString &line : row.lines)
            preferences.writeString(QStringLiteral("Zooming"), line.section(u'=', 0, 0), line.section(u'=', 1));
        TCalendarMain &window = start();
        EXPECT_EQ(window.MainZoom(), row.mainZoom) << row.name;
        EXPECT_EQ(calendar().Magnification(), row.mainZoom) << row.name;
        EXPECT_EQ(window.PropertiesZoom(), row.propertiesZoom) << row.name;
    }

    IniFile preferences = ini();
    preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Name"), QStringLiteral("Courier New"));
    preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), QStringLiteral("1"));
    preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Bold"), QStringLiteral("7"));
    preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Size"), QStringLiteral("big"));
    preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Color"), QStringLiteral("255"));
    preferences.writeString(QStringLiteral("Hints"), QStringLiteral("On"), QStringLiteral("0"));
    TCalendarMain &window = start();
    const qm::FontDescription font = window.DefaultFont();
    EXPECT_EQ(font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(font.size, 10);
    EXPECT_EQ(font.style, qm::FontStyles(qm::FontStyle::StrikeOut | qm::FontStyle::Bold));
    EXPECT_EQ(font.color, qm::clRed);
    EXPECT_FALSE(window.ShowHints());
    EXPECT_FALSE(window.mnuShowHint()->isChecked());
    EXPECT_EQ(window.IconFileName(), folder() + QStringLiteral("/MISC1.ICL"));

    // Sizes no document may hold read as the default, as "big" does.
    const std::pair<const char *, int> sizes[] = {{"2147483647", 10}, {"0", 10},      {"-12", 10},
                                                  {"1639", 10},       {"1638", 1638}, {"1", 1}};
    for (const auto &[text, size] : sizes) {
        preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Size"), QString::fromLatin1(text));
        EXPECT_EQ(start().DefaultFont().size, size) << text;
    }
}

TEST_F(CalendarMainTest, ClosingWritesThePreferencesInTheirOrder)
{
    TCalendarMain &window = start();
    QFile::remove(IniFileName());
    calendar().SetMagnification(90);
    window.close();
    QFile file(IniFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QString preferences = QStringLiteral("[Zooming]\nMain=90\nProp=30\n"
                                               "[Default Font]\nName=Arial\nSize=10\nBold=0\nItalic=0\nUnderline=0\n"
                                               "Strikeout=0\nColor=0\n"
                                               "[Hints]\nOn=1\n"
                                               "[Icons]\nFile=") +
                                folder() + QStringLiteral("/MISC1.ICL\n");
    EXPECT_TRUE(text.startsWith(preferences)) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("[TCalendarMain_Placement]\nLeft=")));
    EXPECT_FALSE(text.contains(QStringLiteral("[MRU]"))) << "the list is only written when it changes";
}

TEST_F(CalendarMainTest, UnwritablePreferencesAreReportedAndTheWindowStillCloses)
{
    // The administrator may write anywhere, but nobody can create files under /proc.
    Environment::pinProgramFolder(QStringLiteral("/proc/"));
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/proc/quillmark-test");
    const QString message = QStringLiteral("Unable to write to ") + IniFileName();
    TCalendarMain &window = start();
    EXPECT_EQ(m_prompts.messages(), QStringList{message}) << "placement at the first activation";

    window.mnuShowHint()->setChecked(false);
    EXPECT_THROW(window.mnuShowHintClick(), QmError);
    EXPECT_FALSE(window.ShowHints()) << "the choice holds for this run";

    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(m_prompts.messages(), (QStringList{message, message}));
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

TEST_F(CalendarMainTest, ZoomStepsByTenWithinLimitsByButtonsAndKeys)
{
    struct Row {
        int start;
        Qt::Key key;
        int expected;
    };
    const Row rows[] = {
        {60, Qt::Key_PageDown, 70}, {100, Qt::Key_PageDown, 100}, {95, Qt::Key_PageDown, 105},
        {60, Qt::Key_PageUp, 50},   {30, Qt::Key_PageUp, 30},     {35, Qt::Key_PageUp, 25},
    };
    for (const Row &row : rows) {
        ini().writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), row.start);
        TCalendarMain &window = start();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.windowHandle(), row.key);
        EXPECT_EQ(calendar().Magnification(), row.expected) << row.start;
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillmark    [%1%]").arg(row.expected));
        EXPECT_EQ(window.CalendarPanel()->size(), calendar().ScaledPageSize());
    }
    TCalendarMain &window = *m_window;
    calendar().SetMagnification(60);
    window.ZoomPlusButtonClick();
    EXPECT_EQ(calendar().Magnification(), 70);
    window.ZoomMinusButtonClick();
    window.ZoomMinusButtonClick();
    EXPECT_EQ(calendar().Magnification(), 50);
}

TEST_F(CalendarMainTest, ZoomKeepsThePagePointUnderTheViewsCentre)
{
    TCalendarMain &window = start();
    window.CalendarPanel()->show();
    window.SetButtons();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TScrollBoxWithNCTest *box = window.ScrollBox1();
    QCoreApplication::processEvents(); // the scroll bars appear
    box->horizontalScrollBar()->setValue(40);
    box->verticalScrollBar()->setValue(60);
    // In page pixels at 100 %.
    const auto pointAtCentre = [&] {
        const QPoint onPage = window.CalendarPanel()->mapFrom(box->viewport(), box->viewport()->rect().center());
        return QPointF(onPage) * 100.0 / calendar().Magnification();
    };
    struct Step {
        const char *name;
        std::function<void()> zoom;
        int expected;
    };
    const Step steps[] = {
        {"Page Down", [&] { QTest::keyClick(window.windowHandle(), Qt::Key_PageDown); }, 70},
        {"Zoom In", [&] { window.ZoomPlusButton()->click(); }, 80},
        {"Page Up", [&] { QTest::keyClick(window.windowHandle(), Qt::Key_PageUp); }, 70},
        {"Zoom Out", [&] { window.ZoomMinusButton()->click(); }, 60},
    };
    // A screen pixel is less than two page pixels at these zooms.
    constexpr double onePixel = 2.0;
    for (const Step &step : steps) {
        const QPointF before = pointAtCentre();
        step.zoom();
        ASSERT_EQ(calendar().Magnification(), step.expected) << step.name;
        EXPECT_NEAR(pointAtCentre().x(), before.x(), onePixel) << step.name;
        EXPECT_NEAR(pointAtCentre().y(), before.y(), onePixel) << step.name;
    }
}

TEST_F(CalendarMainTest, PageKeysAreIgnoredWhileADialogIsActive)
{
    TCalendarMain &window = start();
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.windowHandle(), Qt::Key_PageDown);
    QTest::keyClick(window.windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(calendar().Magnification(), 60);
}

TEST_F(CalendarMainTest, ClosingWithChangesOffersToSave)
{
    struct Row {
        const char *name;
        std::function<void(ScriptedPrompts &)> answers;
        bool closes;
    };
    const Row rows[] = {
        {"No: closes, changes lost", [](auto &prompts) { prompts.answerNo(); }, true},
        {"Cancel: stays open", [](auto &prompts) { prompts.answerCancel(); }, false},
        {"Yes, then Save As cancelled: stays open",
         [](auto &prompts) {
             prompts.answerYes();
             prompts.answerCancel();
         },
         false},
    };
    for (const Row &row : rows) {
        ScriptedPrompts prompts;
        TCalendarMain &window = start();
        window.SetSaveNeeded(true);
        row.answers(prompts);
        window.close();
        EXPECT_EQ(window.isVisible(), !row.closes) << row.name;
        EXPECT_EQ(prompts.asked().first().text, QStringLiteral("Save changes?"));
    }
}

TEST_F(CalendarMainTest, HintsAppearLateAndCanBeSwitchedOff)
{
    TCalendarMain &window = start();
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1200);
    HintProbe probe(&window);
    const auto hintShown = [&probe] {
        const int before = probe.hints;
        QHelpEvent hint(QEvent::ToolTip, QPoint(2, 2), probe.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&probe, &hint);
        return probe.hints > before;
    };
    EXPECT_TRUE(hintShown());

    window.mnuShowHint()->trigger();
    EXPECT_FALSE(window.ShowHints());
    EXPECT_FALSE(ini().readBool(QStringLiteral("Hints"), QStringLiteral("On"), true));
    EXPECT_FALSE(hintShown()) << "the hint never reaches the control";
}

TEST_F(CalendarMainTest, HelpOpensAtItsContents)
{
    TCalendarMain &window = start();
    window.Contents1Click();
    EXPECT_EQ(HelpWindow::instance()->source().toString(), QStringLiteral("contents.html"));
    HelpWindow::instance()->close();
}

TEST_F(CalendarMainTest, MissingMostRecentFileIsSkippedSilentlyAndStaysListed)
{
    writeRecentFiles({path(QStringLiteral("gone.QMF"))});
    TCalendarMain &window = start();
    EXPECT_FALSE(calendarShown());
    EXPECT_TRUE(window.CurrentFileName().isEmpty());
    EXPECT_TRUE(m_prompts.asked().isEmpty());
    EXPECT_EQ(window.RecentFiles()->Files(), QStringList{path(QStringLiteral("gone.QMF"))});
    const QStringList items = captions(window.FileMenu());
    EXPECT_EQ(items.mid(items.indexOf(QStringLiteral("E&xit")) + 1),
              (QStringList{QStringLiteral("-"), QStringLiteral("&1 ") + path(QStringLiteral("gone.QMF"))}));
}

TEST_F(CalendarMainTest, OpenRefusesOtherExtensionsAndReportsMissingFiles)
{
    TCalendarMain &window = start();
    struct Row {
        const char *name;
        const char *message;
    };
    const Row rows[] = {
        {"Dec1997.QMS", "Must be a Calendar file (*.QMF)"},
        {"Dec1997.QMF.bak", "Must be a Calendar file (*.QMF)"},
        {"Dec1997", "Must be a Calendar file (*.QMF)"},
        {"missing.qmf", nullptr},
    };
    for (const Row &row : rows) {
        const QString fileName = path(QString::fromLatin1(row.name));
        openThroughDialog(fileName);
        const QString expected = row.message ? QString::fromLatin1(row.message)
                                             : QStringLiteral("File ") + fileName + QStringLiteral(" no longer exists");
        EXPECT_EQ(m_prompts.messages().last(), expected) << row.name;
        EXPECT_TRUE(window.CurrentFileName().isEmpty());
        EXPECT_FALSE(calendarShown());
    }
    const FileDialogRequest &request = m_prompts.asked().first().fileRequest;
    EXPECT_EQ(request.title, QStringLiteral("Open Calendar File"));
    EXPECT_EQ(request.initialFolder, folder() + u'/');
    EXPECT_EQ(request.filter, QStringLiteral("Calendar File (*.QMF)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("QMF"));

    m_prompts.answerCancel();
    window.Open1Click();
    EXPECT_EQ(m_prompts.messages().size(), 4) << "cancelled: nothing more";
}

TEST_F(CalendarMainTest, SaveAsProposesTheMonthAndYearForAnUntitledCalendar)
{
    TCalendarMain &window = start();
    calendar().SetMainCalMonth(12);
    calendar().SetMainCalYear(1997);
    window.SetSaveNeeded(true);
    EXPECT_FALSE(window.Savebutton()->isHidden());
    EXPECT_TRUE(window.CancelButton()->isHidden()) << "no file to return to";

    window.mnuSaveClick();
    EXPECT_TRUE(m_prompts.asked().isEmpty()) << "Save without a file name does nothing";

    m_prompts.answerCancel();
    window.SavebuttonClick(); // untitled: the Save button runs Save As
    const FileDialogRequest request = m_prompts.asked().last().fileRequest;
    EXPECT_EQ(request.title, QStringLiteral("Save Calendar File"));
    EXPECT_EQ(request.fileName, QStringLiteral("Dec1997.QMF"));
    EXPECT_EQ(request.initialFolder, folder() + u'/');
    EXPECT_EQ(request.filter, QStringLiteral("Calendar File (*.QMF)"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("QMF"));
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_TRUE(window.SaveNeeded()) << "cancelled";
    EXPECT_TRUE(window.RecentFiles()->Files().isEmpty());
}

TEST_F(CalendarMainTest, HandedOverFilesAreCheckedLikeOpen)
{
    TCalendarMain &window = start();
    window.showMinimized();
    window.HandOver(path(QStringLiteral("notes.txt")));
    EXPECT_FALSE(window.isMinimized());
    EXPECT_EQ(m_prompts.messages(), QStringList{QStringLiteral("Must be a Calendar file (*.QMF)")});
    window.HandOver(QString());
    EXPECT_EQ(m_prompts.messages().size(), 1) << "only brought forward";
}

} // namespace
} // namespace qm::test
