// Editing cell text in the main window: opening the editor on a cell,
// storing it back, Tab between cells, the default editor font, Clear All.

#include "MainWindowFixture.h"

#include "controls/QmRichText.h"
#include "controls/QmToolBar.h"
#include "dialogs/CalendarProperties.h"
#include "richtext/Paragraph.h"
#include "richtext/QmRtfStorage.h"
#include "richtext/QmRtfStrings.h"
#include "support/ModalDialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

namespace qm::test {
namespace {

QString textOf(const TQmRTFText &document)
{
    QStringList paragraphs;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next())
        paragraphs.append(paragraph->text());
    return paragraphs.join(u'\n');
}

QByteArray rtfOf(TQmRTFTextIo &document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_EQ(document.SaveToStream(&buffer), 0);
    return buffer.data();
}

class CalendarMainCellEditingTest : public MainWindowFixture
{
protected:
    /// A window showing a December 1997 month page, painted once so that its
    /// cells have their rectangles.
    TCalendarMain &startWithCalendar(const QString &startFile = QString())
    {
        TCalendarMain &window = start(startFile);
        window.CalendarPanel()->show();
        window.SetButtons();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        window.CalendarPanel()->grab();
        return window;
    }

    TQmRichText &editor() const { return *m_window->QmRichText1(); }
    QString cellText(int iCell) const { return textOf(calendar().Cells(iCell).RtfText()); }
    const CellRecord &cell(int iCell) const { return calendar().CellRecordOf(iCell); }

    void clickCell(int iCell)
    {
        const QPoint centre = cell(iCell).rFree.toQRect().center();
        QTest::mouseClick(m_window->CalendarPanel(), Qt::LeftButton, {}, centre);
    }

    void type(const QString &text) { QTest::keyClicks(&editor(), text); }

    /// A cell of the first week that holds a day of the month.
    int firstDayCell() const
    {
        for (int iCell = 1; iCell <= 42; ++iCell) {
            if (cell(iCell).iDay == 1)
                return iCell;
        }
        return 0;
    }
};

TEST_F(CalendarMainCellEditingTest, ClickingAnotherCellStoresTheFirstAndOnlyTypingSetsEditMode)
{
    TCalendarMain &window = startWithCalendar();
    const int first = firstDayCell();
    clickCell(first);
    EXPECT_TRUE(window.EditorActive());
    EXPECT_EQ(window.CurrentCellIndex(), first);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(editor().hasFocus());
    EXPECT_TRUE(window.QmToolBar1()->isEnabled());
    EXPECT_FALSE(window.SaveNeeded()) << "loading a cell is no change";

    type(QStringLiteral("Dentist"));
    EXPECT_TRUE(window.SaveNeeded());
    EXPECT_EQ(cellText(first), QString()) << "the text is the editor's until the cell is left";

    calendar().Cells(first + 1).RtfText().Clear();
    clickCell(first + 1);
    EXPECT_EQ(cellText(first), QStringLiteral("Dentist"));
    EXPECT_EQ(window.CurrentCellIndex(), first + 1);
    EXPECT_EQ(textOf(editor().RtfText()), QString()) << "the second cell's own text is loaded";

    type(QStringLiteral("x"));
    window.DoSaveRichtext();
    EXPECT_EQ(cellText(first + 1), QStringLiteral("x"));
    EXPECT_FALSE(editor().isVisible());
    EXPECT_FALSE(window.EditorActive());
    EXPECT_FALSE(window.QmToolBar1()->isEnabled());
}

TEST_F(CalendarMainCellEditingTest, TheEditorCoversTheCellsFreeAreaAtEveryZoom)
{
    TCalendarMain &window = startWithCalendar();
    for (const int zoom : {30, 60, 70, 100}) {
        window.DoSaveRichtext();
        calendar().SetMagnification(zoom);
        const QImage page = window.CalendarPanel()->grab().toImage();
        const int iCell = firstDayCell() + 8;
        clickCell(iCell);
        const TRect free = cell(iCell).rFree;
        const QPoint calendarAt = window.CalendarPanel()->pos();
        EXPECT_EQ(editor().geometry(), QRect(calendarAt.x() + free.left, calendarAt.y() + free.top,
                                             free.right - free.left + 1, free.bottom - free.top + 1))
            << zoom;
        EXPECT_EQ(editor().Zooming(), zoom);

        // The grid line under the cell stays in sight while the cell is edited.
        const int x = free.toQRect().center().x();
        int lineY = free.bottom;
        while (lineY < page.height() && qGray(page.pixel(x, lineY)) > 127)
            ++lineY;
        const QImage edited = window.CalendarPanel()->parentWidget()->grab().toImage();
        EXPECT_LE(qGray(edited.pixel(calendarAt + QPoint(x, lineY))), 127) << zoom;
    }
}

TEST_F(CalendarMainCellEditingTest, ASecondClickOnTheEditedCellKeepsTheCursorAndWhatCanBeUndone)
{
    startWithCalendar();
    const int first = firstDayCell();
    clickCell(first);
    type(QStringLiteral("ab"));
    // The cell's day number lies above its free area, beside the editor.
    const TRect total = cell(first).rTotal;
    QTest::mouseClick(m_window->CalendarPanel(), Qt::LeftButton, {}, QPoint(total.left + 2, total.top + 2));
    type(QStringLiteral("c"));
    EXPECT_EQ(textOf(editor().RtfText()), QStringLiteral("abc"));
    QTest::keyClick(&editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(textOf(editor().RtfText()).contains(QStringLiteral("ab"))) << "the typing before the click is undone";
}

TEST_F(CalendarMainCellEditingTest, TabAndShiftTabMoveBetweenCellsWithFreeAreas)
{
    TCalendarMain &window = startWithCalendar();
    struct Row {
        const char *what;
        int fromCell;
        Qt::Key key;
        int expectedCell;
    };
    const Row rows[] = {
        {"Tab", 10, Qt::Key_Tab, 11},
        {"Shift+Tab", 10, Qt::Key_Backtab, 9},
        {"Tab at the last cell", 42, Qt::Key_Tab, 42},
        {"Shift+Tab at the first cell", 1, Qt::Key_Backtab, 1},
    };
    for (const Row &row : rows) {
        clickCell(row.fromCell);
        QTest::keyClick(window.windowHandle(), row.key);
        EXPECT_EQ(window.CurrentCellIndex(), row.expectedCell) << row.what;
        EXPECT_TRUE(editor().hasFocus()) << row.what;
        EXPECT_EQ(textOf(editor().RtfText()), QString()) << row.what << ": the Tab is no text";
    }

    // Centred day numbers leave the cells no free area: Tab goes nowhere.
    calendar().SetNumberPosition(cnpCenter);
    window.CalendarPanel()->grab();
    window.CalendarPanel()->ClickCellAt(cell(10).rTotal.left + 2, cell(10).rTotal.top + 2);
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(window.CurrentCellIndex(), 10);

    // With the editor hidden, Tab is the focus chain's.
    window.DoSaveRichtext();
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(window.CurrentCellIndex(), 10);
    EXPECT_FALSE(window.EditorActive());
}

TEST_F(CalendarMainCellEditingTest, AnEmptyCellStartsInTheDefaultEditorFontAndAFilledOneKeepsItsAttributes)
{
    IniFile preferences = ini();
    preferences.writeString(QStringLiteral("Default Font"), QStringLiteral("Name"), QStringLiteral("Times New Roman"));
    preferences.writeInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 14);
    preferences.writeBool(QStringLiteral("Default Font"), QStringLiteral("Italic"), true);
    preferences.writeInteger(QStringLiteral("Default Font"), QStringLiteral("Color"), 0x0000FF); // red
    TCalendarMain &window = startWithCalendar();
    const int iCell = firstDayCell();
    clickCell(iCell);
    const TAttr typed = editor().GetCurrentAttr();
    EXPECT_EQ(editor().RtfText().Header().fonts[typed.fontNumber].name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(typed.size, 14);
    EXPECT_TRUE(typed.has(TAttr::Italic));
    EXPECT_FALSE(typed.has(TAttr::Bold));
    EXPECT_EQ(editor().GetColorEntry(typed.textColor()), TColor(0x0000FF));
    type(QStringLiteral("Bold"));
    editor().SelectAll();
    editor().ToolBarIconSelection(true, bgCharacterStyle, 2, QStringLiteral("Bold"));

    // Back in the filled cell, the text keeps what it was given.
    clickCell(iCell + 1);
    const QByteArray stored = rtfOf(calendar().Cells(iCell).RtfText());
    EXPECT_TRUE(stored.contains("\\b")) << stored.constData();
    clickCell(iCell);
    window.DoSaveRichtext();
    EXPECT_EQ(rtfOf(calendar().Cells(iCell).RtfText()), stored);

    // A default colour the table does not hold writes entry 0.
    window.DoSaveRichtext();
    ini().writeInteger(QStringLiteral("Default Font"), QStringLiteral("Color"), 0x123456);
    window.LoadPreferences();
    calendar().Cells(iCell + 2).RtfText().Clear();
    clickCell(iCell + 2);
    EXPECT_EQ(editor().GetCurrentAttr().colors, 0);
}

TEST_F(CalendarMainCellEditingTest, DefaultEditorFontIsStoredOnOkAndReappliedWhenCancelled)
{
    TCalendarMain &window = startWithCalendar();
    clickCell(firstDayCell());
    const QByteArray before = [&] {
        QFile file(IniFileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    TAttr changed = editor().GetCurrentAttr();
    changed.size = 30;
    editor().SetCurrentAttr(changed);
    window.DefaultEditorFont1Click(); // the scripted dialog is cancelled
    EXPECT_EQ(editor().GetCurrentAttr().size, 10) << "the stored font applies again";
    QFile file(IniFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before) << "a cancelled dialog writes nothing";
    file.close();

    m_prompts.answerFont([](FontDescription &font) { font.size = 18; });
    window.DefaultEditorFont1Click();
    EXPECT_EQ(editor().GetCurrentAttr().size, 18);
    EXPECT_EQ(ini().readInteger(QStringLiteral("Default Font"), QStringLiteral("Size"), 0), 18);
}

TEST_F(CalendarMainCellEditingTest, ClearAllEmptiesEveryCellWithoutAskingAndShowsSave)
{
    TCalendarMain &withoutCalendar = start();
    withoutCalendar.mnuClearAllCellContentsClick();
    EXPECT_TRUE(withoutCalendar.Savebutton()->isHidden()) << "no calendar is open: nothing to clear or to save";

    TCalendarMain &window = startWithCalendar();
    TQmRTFTextIo text;
    TQmRtfStrings(text).Add("kept until cleared");
    calendar().Cells(20).SetRtfText(text);
    clickCell(firstDayCell());
    type(QStringLiteral("typed"));
    window.mnuClearAllCellContentsClick();
    EXPECT_TRUE(m_prompts.asked().isEmpty());
    EXPECT_FALSE(calendar().HasCellText());
    EXPECT_FALSE(window.EditorActive());
    EXPECT_FALSE(window.Savebutton()->isHidden());
}

TEST_F(CalendarMainCellEditingTest, APictureDroppedOnACellGoesIntoItsTextAndIsSavedWithIt)
{
    const QString file = path(QStringLiteral("Dec1997.QMF"));
    CalendarModel().SaveCalendarToFile(file);
    TCalendarMain &window = startWithCalendar(file);
    QMimeData icon;
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    icon.setImageData(picture);
    const auto drop = [&](QPoint point) {
        QDragEnterEvent enter(point, Qt::CopyAction, &icon, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.CalendarPanel(), &enter);
        EXPECT_TRUE(enter.isAccepted()) << "a picture is followed wherever it enters";
        QDragMoveEvent over(point, Qt::CopyAction, &icon, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.CalendarPanel(), &over);
        QDropEvent dropped(point, Qt::CopyAction, &icon, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.CalendarPanel(), &dropped);
        return over.isAccepted();
    };

    const TRect title = cell(1).rTotal;
    EXPECT_FALSE(drop(QPoint(title.left + 2, title.top - 20))) << "above the grid is no cell";
    EXPECT_FALSE(window.EditorActive());
    EXPECT_FALSE(window.SaveNeeded());

    const int iCell = firstDayCell() + 3;
    EXPECT_TRUE(drop(cell(iCell).rFree.toQRect().center()));
    EXPECT_TRUE(window.EditorActive());
    EXPECT_EQ(window.CurrentCellIndex(), iCell);
    EXPECT_TRUE(window.SaveNeeded());
    window.mnuSaveClick();

    CalendarModel saved;
    saved.LoadCalendarFromFile(file);
    EXPECT_EQ(rtfOf(saved.Cells(iCell).RtfText()).count("{\\pict"), 1);
}

TEST_F(CalendarMainCellEditingTest, PrintingReopensTheEditorOnItsCellAndExportsLeaveItOpen)
{
    TCalendarMain &window = startWithCalendar();
    const int iCell = firstDayCell();
    struct Row {
        const char *command;
        std::function<void()> run;
    };
    const Row rows[] = {
        {"Print",
         [&] {
             m_prompts.answerPrinterDialog(true);
             window.mnuPrintCalendarClick();
         }},
        {"Save As Bitmap",
         [&] {
             m_prompts.answerFile(path(QStringLiteral("page.BMP")));
             window.mnuSaveAsBitmapClick();
         }},
    };
    for (const Row &row : rows) {
        clickCell(iCell);
        type(QStringLiteral("x"));
        const QString typed = textOf(editor().RtfText());
        row.run();
        EXPECT_EQ(cellText(iCell), typed) << row.command << ": the page shows the typed text";
        EXPECT_TRUE(window.EditorActive()) << row.command;
        EXPECT_TRUE(editor().isVisible()) << row.command;
        EXPECT_EQ(window.CurrentCellIndex(), iCell) << row.command;
    }
}

TEST_F(CalendarMainCellEditingTest, CommandsThatReadOrReplaceTheCalendarStoreTheEditedTextFirst)
{
    const QString file = path(QStringLiteral("Dec1997.QMF"));
    CalendarModel document;
    document.SetMainCalMonth(12);
    document.SetMainCalYear(1997);
    document.SaveCalendarToFile(file);

    struct Row {
        const char *command;
        std::function<void(TCalendarMain &)> run;
    };
    const Row rows[] = {
        {"Save", [](TCalendarMain &window) { window.mnuSaveClick(); }},
        {"Save As",
         [this](TCalendarMain &window) {
             m_prompts.answerFile(path(QStringLiteral("copy.QMF")));
             window.mnuSaveAsClick();
         }},
        {"zoom in", [](TCalendarMain &window) { window.ZoomPlusButtonClick(); }},
        {"zoom out", [](TCalendarMain &window) { window.ZoomMinusButtonClick(); }},
        {"Properties",
         [](TCalendarMain &window) {
             onNextModal<TCalendarProperties>([](TCalendarProperties *dialog) { dialog->reject(); });
             window.mnuPropertiesClick();
         }},
        {"Open",
         [this](TCalendarMain &window) {
             m_prompts.answerYes(); // save the changes first
             m_prompts.answerCancel();
             window.Open1Click();
         }},
        {"New",
         [this](TCalendarMain &window) {
             m_prompts.answerYes();
             onNextModal<TCalendarProperties>([](TCalendarProperties *dialog) { dialog->reject(); });
             window.New1Click();
         }},
        {"Import Events",
         [this](TCalendarMain &window) {
             m_prompts.answerFiles({});
             window.mnuImportEventsClick();
         }},
    };
    for (const Row &row : rows) {
        TCalendarMain &window = startWithCalendar(file);
        const int iCell = firstDayCell();
        clickCell(iCell);
        type(QStringLiteral("stored"));
        const QString typed = textOf(editor().RtfText());
        row.run(window);
        EXPECT_FALSE(window.EditorActive()) << row.command;
        CalendarModel saved;
        saved.LoadCalendarFromFile(file);
        const bool savedToFile = textOf(saved.Cells(iCell).RtfText()) == typed;
        const bool inTheCell = cellText(iCell) == typed;
        EXPECT_TRUE(savedToFile || inTheCell) << row.command;
        document.SaveCalendarToFile(file); // the next row starts from the empty document
    }
}

} // namespace
} // namespace qm::test
