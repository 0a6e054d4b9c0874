#include "dialogs/CalendarProperties.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "controls/ColorButton.h"
#include "controls/DatePicker.h"
#include "controls/GraphicPanel.h"
#include "controls/RadioGroup.h"
#include "dialogs/LayoutChoice.h"
#include "dialogs/SetTimeDialog.h"
#include "platform/Environment.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using qm::EncodeDate;
using qm::EncodeTime;
using qm::test::ScriptedPrompts;

namespace {

QString describe(const qm::FontDescription &font)
{
    return QStringLiteral("%1 %2 %3 %4").arg(font.name).arg(font.size).arg(int(font.style)).arg(font.color);
}

/// Every setting of a calendar, by name, to see which ones an action changed.
QMap<QString, QString> settingsOf(const CalendarModel &calendar)
{
    QMap<QString, QString> settings{
        {"CalendarLayout", QString::number(calendar.CalendarLayout())},
        {"CalendarOrientation", QString::number(calendar.CalendarOrientation())},
        {"PaperSize", QString::number(calendar.PaperSize())},
        {"StartOfWeek", QString::number(calendar.StartOfWeek())},
        {"MainCalDay", QString::number(calendar.MainCalDay())},
        {"MainCalMonth", QString::number(calendar.MainCalMonth())},
        {"MainCalYear", QString::number(calendar.MainCalYear())},
        {"TitleFont", describe(calendar.TitleFont())},
        {"HeadersFont", describe(calendar.HeadersFont())},
        {"CellFont", describe(calendar.CellFont())},
        {"MiniTitleFont", describe(calendar.MiniTitleFont())},
        {"MiniHeadersFont", describe(calendar.MiniHeadersFont())},
        {"MiniCellFont", describe(calendar.MiniCellFont())},
        {"TitleBGColor", QString::number(calendar.TitleBGColor())},
        {"HeadersBGColor", QString::number(calendar.HeadersBGColor())},
        {"MiniHeadersBGColor", QString::number(calendar.MiniHeadersBGColor())},
        {"MiniCalBGColor", QString::number(calendar.MiniCalBGColor())},
        {"HeadersStyle", QString::number(calendar.HeadersStyle())},
        {"MiniHeadersStyle", QString::number(calendar.MiniHeadersStyle())},
        {"CalendarLineLayout", QString::number(calendar.CalendarLineLayout())},
        {"MiniCalendarLineLayout", QString::number(calendar.MiniCalendarLineLayout())},
        {"TitleShowYear", QString::number(calendar.TitleShowYear())},
        {"MiniShowYear", QString::number(calendar.MiniShowYear())},
        {"LeftMarginInch", QString::number(calendar.LeftMarginInch())},
        {"TopMarginInch", QString::number(calendar.TopMarginInch())},
        {"RightMarginInch", QString::number(calendar.RightMarginInch())},
        {"BottomMarginInch", QString::number(calendar.BottomMarginInch())},
        {"StartingTime", QString::number(calendar.StartingTime())},
        {"Magnification", QString::number(calendar.Magnification())},
    };
    for (int month = 1; month <= 12; ++month)
        settings.insert(QStringLiteral("MonthName%1").arg(month), calendar.GetMonthName(month));
    for (int day = 1; day <= 7; ++day)
        settings.insert(QStringLiteral("DayName%1").arg(day), calendar.GetDayName(day));
    return settings;
}

QSet<QString> changedSettings(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QSet<QString> changed;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) != it.value())
            changed.insert(it.key());
    return changed;
}

/// A calendar whose every setting differs from the defaults, dated on a day
/// that exists, so that re-applying the date changes nothing.
void styleSource(CalendarModel &calendar, TCalendarLayout layout = loFC12After)
{
    calendar.SetCalendarLayout(layout);
    calendar.SetPaperSize(1);
    calendar.SetStartOfWeek(2);
    calendar.SetMainCalMonth(4);
    calendar.SetMainCalYear(1998);
    calendar.SetMainCalDay(12);
    calendar.SetTitleBGColor(qm::clYellow);
    calendar.SetHeadersBGColor(qm::clRed);
    calendar.SetMiniHeadersBGColor(qm::clSilver);
    calendar.SetMiniCalBGColor(qm::rgbColor(1, 2, 3));
    calendar.SetHeadersStyle(dsWhole);
    calendar.SetMiniHeadersStyle(dsThreeChars);
    calendar.SetCalendarLineLayout(llCellsOnly);
    calendar.SetMiniCalendarLineLayout(mllMinimal);
    calendar.SetTitleShowYear(false);
    calendar.SetMiniShowYear(true);
    calendar.SetLeftMarginInch(0.3f);
    calendar.SetTopMarginInch(0.5f);
    calendar.SetRightMarginInch(1.3f);
    calendar.SetBottomMarginInch(3.0f);
    calendar.SetStartingTime(EncodeTime(14, 5, 0, 0));
    calendar.SetMonthName(12, QStringLiteral("Decembre"));
    calendar.SetDayName(1, QStringLiteral("Dimanche"));
}

class CalendarPropertiesTest : public testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        qm::Environment::pinProgramFolder(m_folder.path() + u'/');
    }
    void TearDown() override { qm::Environment::pinProgramFolder(std::nullopt); }

    /// The dialog as the main window opens it: zoom, the document's style,
    /// then shown, which is its first activation.
    void open(const CalendarModel &document, int magnification = 30)
    {
        dialog = std::make_unique<TCalendarProperties>();
        preview().SetMagnification(magnification);
        preview().AssignStyle(document);
        dialog->show();
    }
    void openOn(TCalendarLayout layout)
    {
        CalendarModel document;
        styleSource(document, layout);
        open(document);
    }

    CalendarModel &preview() { return dialog->ExampleCalendar()->calendar(); }

    template <typename T> T *control(const char *name)
    {
        T *found = dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            ADD_FAILURE() << "no control " << name;
        return found;
    }
    QString text(const char *name) { return control<QLabel>(name)->text(); }
    void leave(const char *editorName)
    {
        QFocusEvent focusOut(QEvent::FocusOut);
        QCoreApplication::sendEvent(control<QPlainTextEdit>(editorName), &focusOut);
    }
    void pickMargin(const char *name, int index)
    {
        auto *list = control<QComboBox>(name);
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    QTemporaryDir m_folder;
    std::unique_ptr<TCalendarProperties> dialog;
};

} // namespace

TEST_F(CalendarPropertiesTest, FirstActivationFillsEveryControlFromThePreview)
{
    CalendarModel document;
    styleSource(document, loMC24MonthLS);
    open(document, 40);

    EXPECT_FALSE(dialog->FUpdating());
    EXPECT_EQ(control<QListWidget>("LayoutList")->currentRow(), 6);
    EXPECT_EQ(control<RadioGroup>("rOrientation")->ItemIndex(), 1);
    EXPECT_EQ(control<RadioGroup>("PaperSize")->ItemIndex(), 1);
    EXPECT_EQ(control<DatePicker>("Calendar")->selectedDate(), QDate(1998, 4, 12));
    EXPECT_EQ(text("DateLabel"), QStringLiteral("April 1998"));
    EXPECT_EQ(control<RadioGroup>("WeekStartsOn")->ItemIndex(), 1);
    EXPECT_EQ(control<TColorButton>("TitleBGColor")->Color(), qm::clYellow);
    EXPECT_EQ(control<TColorButton>("HeaderBGColor")->Color(), qm::clRed);
    EXPECT_EQ(control<TColorButton>("MiniHeadersBGColorButton")->Color(), qm::clSilver);
    EXPECT_EQ(control<TColorButton>("MiniCalBGColorButton")->Color(), qm::rgbColor(1, 2, 3));
    EXPECT_EQ(control<QListWidget>("CalHeaderStyleCombo")->currentRow(), int(dsWhole));
    EXPECT_EQ(control<QListWidget>("MiniHeadersStyleCombo")->currentRow(), int(dsThreeChars));
    EXPECT_EQ(control<QListWidget>("CalendarLineLayoutCombo")->currentRow(), int(llCellsOnly));
    EXPECT_EQ(control<QListWidget>("MiniCalendarLineLayoutCombo")->currentRow(), int(mllMinimal));
    EXPECT_EQ(text("TimeLabel"), QStringLiteral("2:05 PM"));
    EXPECT_FALSE(control<QCheckBox>("TitleShowYearCheck")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("MiniShowYearCheck")->isChecked());
    const QStringList months = control<QPlainTextEdit>("MonthNames")->toPlainText().split(u'\n');
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months[11], QStringLiteral("Decembre"));
    EXPECT_TRUE(control<QPlainTextEdit>("DayNames")->toPlainText().startsWith(QStringLiteral("Dimanche\nMonday")));
    // Margins select the largest step not above them, and stay as they are.
    EXPECT_EQ(control<QComboBox>("LeftMarginInchcombo")->currentText(), QStringLiteral("¼ Inch"));
    EXPECT_EQ(control<QComboBox>("TopMarginInchcombo")->currentText(), QStringLiteral("½ Inch"));
    EXPECT_EQ(control<QComboBox>("RightMarginInchcombo")->currentText(), QStringLiteral("1¼ Inch"));
    EXPECT_EQ(control<QComboBox>("BottomMarginInchcombo")->currentText(), QStringLiteral("1½ Inch"));
    EXPECT_FLOAT_EQ(preview().LeftMarginInch(), 0.3f);
    EXPECT_EQ(text("ZoomLabel"), QStringLiteral("40%"));
    EXPECT_TRUE(preview().SameStyle(document)) << "opening the dialog changes nothing";
}

TEST_F(CalendarPropertiesTest, LayoutOrdinalsMapToTheListAndOrientation)
{
    struct Row {
        TCalendarLayout layout;
        int row;
        int orientation;
    };
    const Row rows[] = {{loFullCalendar, 0, 0}, {LOFullCalendarLS, 0, 1}, {loFC6Before6AfterLS, 2, 1},
                        {lopMC6Month, 4, 0},    {loMC60MonthLS, 8, 1},    {loWeek, 9, 0},
                        {lo2Week, 10, 0},       {loDay15, 12, 0}};
    for (const Row &row : rows) {
        openOn(row.layout);
        EXPECT_EQ(control<QListWidget>("LayoutList")->currentRow(), row.row) << row.layout;
        EXPECT_EQ(control<RadioGroup>("rOrientation")->ItemIndex(), row.orientation) << row.layout;
        EXPECT_EQ(preview().CalendarLayout(), row.layout);
    }
}

// The tests run on 31 March 2026: the picker starts there.
TEST_F(CalendarPropertiesTest, DatePickerTakesTheCalendarsMonthOnThe31st)
{
    struct Row {
        int month, year, day;
        QDate shown;
    };
    const Row rows[] = {
        {4, 2026, 0, {2026, 4, 30}}, // day 0: the month's last day
        {4, 2026, 12, {2026, 4, 12}},
        {2, 2027, 0, {2027, 2, 28}},
        {2, 2028, 29, {2028, 2, 29}},
    };
    for (const Row &row : rows) {
        CalendarModel document;
        document.SetMainCalMonth(row.month);
        document.SetMainCalYear(row.year);
        document.SetMainCalDay(row.day);
        open(document);
        EXPECT_EQ(control<DatePicker>("Calendar")->selectedDate(), row.shown) << row.month << "/" << row.day;
    }
}

TEST_F(CalendarPropertiesTest, EachControlWritesOnlyItsOwnSetting)
{
    struct Row {
        const char *name;
        std::function<void(CalendarPropertiesTest &, ScriptedPrompts &)> act;
        QSet<QString> expected;
        QSet<QString> alsoAllowed; // follows from the expected change
    };
    const QSet<QString> layoutFollowers{"CalendarOrientation", "MiniTitleFont", "MiniHeadersFont", "MiniCellFont"};
    const Row rows[] = {
        {"layout list",
         [](auto &t, auto &) { t.template control<QListWidget>("LayoutList")->setCurrentRow(5); },
         {"CalendarLayout"},
         layoutFollowers},
        {"orientation",
         [](auto &t, auto &) { t.template control<RadioGroup>("rOrientation")->button(1)->click(); },
         {"CalendarLayout", "CalendarOrientation"},
         layoutFollowers},
        {"paper",
         [](auto &t, auto &) { t.template control<RadioGroup>("PaperSize")->button(0)->click(); },
         {"PaperSize"},
         layoutFollowers},
        {"week start",
         [](auto &t, auto &) { t.template control<RadioGroup>("WeekStartsOn")->button(0)->click(); },
         {"StartOfWeek"},
         {}},
        {"title year",
         [](auto &t, auto &) { t.template control<QCheckBox>("TitleShowYearCheck")->click(); },
         {"TitleShowYear"},
         {}},
        {"mini year",
         [](auto &t, auto &) { t.template control<QCheckBox>("MiniShowYearCheck")->click(); },
         {"MiniShowYear"},
         {}},
        {"picker day",
         [](auto &t, auto &) {
             t.template control<DatePicker>("Calendar")->setSelectedDate({1998, 4, 20});
         },
         {"MainCalDay"},
         {}},
        {"next month",
         [](auto &t, auto &) { t.template control<QPushButton>("Button11")->click(); },
         {"MainCalMonth"},
         {}},
        {"previous year",
         [](auto &t, auto &) { t.template control<QPushButton>("Button8")->click(); },
         {"MainCalYear"},
         {}},
        {"title colour",
         [](auto &t, auto &prompts) {
             prompts.answerColor(qm::clBlack);
             t.template control<TColorButton>("TitleBGColor")->Click();
         },
         {"TitleBGColor"},
         {}},
        {"header colour",
         [](auto &t, auto &prompts) {
             prompts.answerColor(qm::clBlack);
             t.template control<TColorButton>("HeaderBGColor")->Click();
         },
         {"HeadersBGColor"},
         {}},
        {"mini header colour",
         [](auto &t, auto &prompts) {
             prompts.answerColor(qm::clBlack);
             t.template control<TColorButton>("MiniHeadersBGColorButton")->Click();
         },
         {"MiniHeadersBGColor"},
         {}},
        {"mini background colour",
         [](auto &t, auto &prompts) {
             prompts.answerColor(qm::clBlack);
             t.template control<TColorButton>("MiniCalBGColorButton")->Click();
         },
         {"MiniCalBGColor"},
         {}},
        {"header style",
         [](auto &t, auto &) { t.template control<QListWidget>("CalHeaderStyleCombo")->setCurrentRow(0); },
         {"HeadersStyle"},
         {}},
        {"mini header style",
         [](auto &t, auto &) { t.template control<QListWidget>("MiniHeadersStyleCombo")->setCurrentRow(2); },
         {"MiniHeadersStyle"},
         {}},
        {"line style",
         [](auto &t, auto &) { t.template control<QListWidget>("CalendarLineLayoutCombo")->setCurrentRow(0); },
         {"CalendarLineLayout"},
         {}},
        {"mini line style",
         [](auto &t, auto &) { t.template control<QListWidget>("MiniCalendarLineLayoutCombo")->setCurrentRow(0); },
         {"MiniCalendarLineLayout"},
         {}},
        {"left margin", [](auto &t, auto &) { t.pickMargin("LeftMarginInchcombo", 3); }, {"LeftMarginInch"}, {}},
        {"top margin", [](auto &t, auto &) { t.pickMargin("TopMarginInchcombo", 3); }, {"TopMarginInch"}, {}},
        {"right margin", [](auto &t, auto &) { t.pickMargin("RightMarginInchcombo", 3); }, {"RightMarginInch"}, {}},
        {"bottom margin", [](auto &t, auto &) { t.pickMargin("BottomMarginInchcombo", 3); }, {"BottomMarginInch"}, {}},
        {"zoom in",
         [](auto &t, auto &) { t.template control<QToolButton>("ZoomInButton")->click(); },
         {"Magnification"},
         {}},
        {"month names",
         [](auto &t, auto &) {
             t.template control<QPlainTextEdit>("MonthNames")->setPlainText(QStringLiteral("Jan"));
             t.leave("MonthNames");
         },
         {"MonthName1"},
         {}},
        {"title font",
         [](auto &t, auto &prompts) {
             prompts.answerFont([](qm::FontDescription &font) { font.name = QStringLiteral("Arial"); });
             t.template control<QPushButton>("TitleFontbutton")->click();
         },
         {"TitleFont"},
         {}},
        {"mini cell font",
         [](auto &t, auto &prompts) {
             prompts.answerFont([](qm::FontDescription &font) { font.color = qm::clRed; });
             t.template control<QPushButton>("MiniCellFontButton")->click();
         },
         {"MiniCellFont"},
         {}},
        {"cancelled font",
         [](auto &t, auto &) { t.template control<QPushButton>("HeaderFontButton")->click(); },
         {},
         {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        openOn(loFC12After);
        ScriptedPrompts prompts;
        const auto before = settingsOf(preview());
        row.act(*this, prompts);
        const QSet<QString> changed = changedSettings(before, settingsOf(preview()));
        EXPECT_TRUE(changed.contains(row.expected))
            << "expected " << QStringList(row.expected.values()).join(u' ').toStdString();
        EXPECT_TRUE((row.expected + row.alsoAllowed).contains(changed))
            << "changed " << QStringList(changed.values()).join(u' ').toStdString();
    }
}

TEST_F(CalendarPropertiesTest, ControlsWriteNothingWhileTheDialogFillsThem)
{
    CalendarModel document;
    styleSource(document);
    dialog = std::make_unique<TCalendarProperties>(); // not activated yet: still filling
    preview().AssignStyle(document);
    ASSERT_TRUE(dialog->FUpdating());
    ScriptedPrompts prompts;
    prompts.answerColor(qm::clBlack);
    const auto before = settingsOf(preview());

    control<QListWidget>("LayoutList")->setCurrentRow(9);
    control<RadioGroup>("rOrientation")->button(1)->click();
    control<RadioGroup>("PaperSize")->button(0)->click();
    control<RadioGroup>("WeekStartsOn")->button(0)->click();
    control<QCheckBox>("TitleShowYearCheck")->click();
    control<TColorButton>("TitleBGColor")->Click();
    control<QListWidget>("CalHeaderStyleCombo")->setCurrentRow(0);
    control<QListWidget>("CalendarLineLayoutCombo")->setCurrentRow(1);
    control<DatePicker>("Calendar")->setSelectedDate({2001, 1, 1});
    pickMargin("LeftMarginInchcombo", 4);

    EXPECT_TRUE(changedSettings(before, settingsOf(preview())).isEmpty());
    EXPECT_EQ(text("DateLabel"), QStringLiteral("January 2001")) << "the date label still follows the picker";
}

TEST_F(CalendarPropertiesTest, ControlsAreEnabledForTheLayoutsTheyApplyTo)
{
    const char *const controls[] = {"rOrientation",
                                    "WeekStartsOn",
                                    "TitleShowYearCheck",
                                    "MiniShowYearCheck",
                                    "TitleFontbutton",
                                    "HeaderFontButton",
                                    "HeaderBGColor",
                                    "CalHeaderStyleCombo",
                                    "TitleBGColor",
                                    "NumberFontButton",
                                    "CalendarLineLayoutCombo",
                                    "Minititlefontbutton",
                                    "MiniHeaderFontButton",
                                    "MiniHeadersBGColorButton",
                                    "MiniCellFontButton",
                                    "MiniCalBGColorButton",
                                    "MiniHeadersStyleCombo",
                                    "MiniCalendarLineLayoutCombo",
                                    "StartingtimeButton"};
    struct Row {
        TCalendarLayout layout;
        const char *enabled;
        const char *heading;
    };
    // One letter per control above: 1 enabled, 0 disabled.
    const Row rows[] = {
        {loFullCalendar, "1110111111100000000", "Select Month & Year"},
        {loFCMinisInTitle, "1111111111111111110", "Select Month & Year"},
        {lopMC6Month, "1101000000011111110", "Select Month & Year"},
        {loMC60MonthLS, "1101000000011111110", "Select Month & Year"},
        {loWeek, "0000111100000000000", "Select Starting Date"},
        {lo2Week, "0000111100000000000", "Select Starting Date"},
        {loDay10, "0000111100000000001", "Select Starting Date"},
        {loDay15, "0000111100000000001", "Select Starting Date"},
    };
    for (const Row &row : rows) {
        openOn(row.layout);
        for (int index = 0; index < int(std::size(controls)); ++index) {
            EXPECT_EQ(control<QWidget>(controls[index])->isEnabled(), row.enabled[index] == '1')
                << controls[index] << " for layout " << row.layout;
        }
        EXPECT_EQ(text("SelectMonthYearLabel"), QLatin1String(row.heading)) << row.layout;
        for (const char *always : {"LayoutList", "PaperSize", "Calendar", "MonthNames", "LeftMarginInchcombo"})
            EXPECT_TRUE(control<QWidget>(always)->isEnabled()) << always;
    }
}

TEST_F(CalendarPropertiesTest, ChoosingAPlannerKeepsTheOrientationShownAndDatesByDay)
{
    openOn(LOFullCalendarLS);
    control<QListWidget>("LayoutList")->setCurrentRow(9);
    EXPECT_EQ(preview().CalendarLayout(), loWeek);
    EXPECT_TRUE(dialog->FPlannerDate());
    EXPECT_EQ(control<RadioGroup>("rOrientation")->ItemIndex(), 1);
    EXPECT_FALSE(control<RadioGroup>("rOrientation")->isEnabled());
    EXPECT_EQ(text("SelectMonthYearLabel"), QStringLiteral("Select Starting Date"));
    EXPECT_EQ(text("DateLabel"), QStringLiteral("Sunday, April 12, 1998"));

    control<QListWidget>("LayoutList")->setCurrentRow(0);
    EXPECT_EQ(preview().CalendarLayout(), LOFullCalendarLS);
    EXPECT_FALSE(dialog->FPlannerDate());
    EXPECT_EQ(text("DateLabel"), QStringLiteral("April 1998"));
}

TEST_F(CalendarPropertiesTest, OkAsksOncePerPressBeforeChangingTheLayoutGroup)
{
    struct Row {
        const char *name;
        bool warn;
        int newRow;
        int orientation;
        bool asks;
    };
    const Row rows[] = {
        {"another group with text", true, 4, 0, true},
        {"within the month group", true, 1, 0, false},
        {"portrait to landscape", true, 3, 1, false},
        {"another group without text", false, 9, 0, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CalendarModel document;
        styleSource(document, loFC12After);
        dialog = std::make_unique<TCalendarProperties>();
        dialog->SetOldLayoutGroup(document.LayoutGroup());
        dialog->SetWarnLayoutChange(row.warn);
        preview().AssignStyle(document);
        dialog->show();
        control<QListWidget>("LayoutList")->setCurrentRow(row.newRow);
        control<RadioGroup>("rOrientation")->button(row.orientation)->click();

        ScriptedPrompts prompts;
        if (row.asks) {
            prompts.answerNo();
            control<QPushButton>("OkButton")->click();
            EXPECT_TRUE(dialog->isVisible()) << "No keeps the dialog open";
            EXPECT_EQ(preview().CalendarLayout(), lopMC6Month) << "and its settings";
            prompts.answerYes();
        }
        control<QPushButton>("OkButton")->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        ASSERT_EQ(prompts.asked().size(), row.asks ? 2 : 0);
        if (row.asks) {
            EXPECT_EQ(prompts.asked().first().caption, QStringLiteral("WARNING"));
            EXPECT_EQ(prompts.asked().first().text,
                      QStringLiteral("Warning: changing to this type of layout\rwill erase all text and icons from "
                                     "the current\rcalendar. Proceed?"));
        }
    }
}

TEST_F(CalendarPropertiesTest, NewCalendarAndDefaultStyleApplyTheDefaultsButKeepTheZoom)
{
    CalendarModel document;
    styleSource(document);
    dialog = std::make_unique<TCalendarProperties>();
    dialog->SetNewCalendar(true);
    preview().SetMagnification(50);
    preview().AssignStyle(document);
    dialog->show();
    EXPECT_EQ(preview().CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(control<QListWidget>("LayoutList")->currentRow(), 1);
    EXPECT_EQ(control<RadioGroup>("rOrientation")->ItemIndex(), 1);
    EXPECT_EQ(preview().TitleFont(), document.TitleFont()) << "defaults leave the font faces and sizes";

    control<QListWidget>("LayoutList")->setCurrentRow(12);
    control<QPushButton>("Defaultbutton")->click();
    EXPECT_EQ(preview().CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(preview().Magnification(), 50);
    EXPECT_EQ(text("ZoomLabel"), QStringLiteral("50%"));
    EXPECT_EQ(control<QComboBox>("LeftMarginInchcombo")->currentIndex(), 1);
    EXPECT_EQ(preview().MainCalDay(), 31);
    EXPECT_FALSE(dialog->FUpdating());
}

TEST_F(CalendarPropertiesTest, LanguageButtonsFillBothEditorsAndThePreview)
{
    openOn(loFullCalendar);
    control<QPlainTextEdit>("MonthNames")->setPlainText(QStringLiteral("unsaved typing"));
    control<QPushButton>("GermanButton")->click();
    EXPECT_EQ(preview().GetDayName(6), QStringLiteral("Freitag "));
    EXPECT_EQ(preview().GetMonthName(3), QStringLiteral("März"));
    EXPECT_EQ(control<QPlainTextEdit>("MonthNames")->toPlainText().split(u'\n').first(), QStringLiteral("Januar"));

    control<QPushButton>("FrenchButton")->click();
    EXPECT_EQ(preview().GetMonthName(8), QStringLiteral("Août"));
    EXPECT_EQ(preview().GetMonthName(12), QStringLiteral("Décembre"));
    control<QPushButton>("SpanishButton")->click();
    EXPECT_EQ(preview().GetDayName(7), QStringLiteral("Sábado"));
    control<QPushButton>("ItalianButton")->click();
    EXPECT_EQ(preview().GetDayName(2), QStringLiteral("Lunedì"));

    control<QPlainTextEdit>("MonthNames")->moveCursor(QTextCursor::End);
    control<QPushButton>("EnglishButton")->click();
    EXPECT_EQ(preview().GetMonthName(1), QStringLiteral("January"));
    EXPECT_EQ(preview().GetDayName(1), QStringLiteral("Sunday"));
    EXPECT_EQ(control<QPlainTextEdit>("MonthNames")->textCursor().position(), 0);
    EXPECT_EQ(control<QPlainTextEdit>("DayNames")->textCursor().position(), 0);
}

TEST_F(CalendarPropertiesTest, LeavingAnEditorWritesItsLinesExactlyAsTyped)
{
    struct Row {
        const char *name;
        const char *typed;
        QStringList expected;
    };
    const Row rows[] = {
        {"eleven lines keep December",
         "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "Decembre"}},
        {"a final line break adds no line",
         "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n",
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "Decembre"}},
        {"blank lines and blanks are kept",
         " Jan\n\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12 \n13",
         {" Jan", "", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12 "}},
        {"an empty editor changes nothing",
         "",
         {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November",
          "Decembre"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CalendarModel document;
        styleSource(document);
        for (int month = 1; month <= 11; ++month)
            document.SetMonthName(month, QLocale(QLocale::English).standaloneMonthName(month));
        open(document);
        control<QPlainTextEdit>("MonthNames")->setPlainText(QString::fromUtf8(row.typed));
        leave("MonthNames");
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(preview().GetMonthName(month), row.expected[month - 1]) << month;
    }

    control<QPlainTextEdit>("DayNames")->setPlainText(QStringLiteral("Sun\n\nTue"));
    leave("DayNames");
    EXPECT_EQ(preview().GetDayName(2), QString());
    EXPECT_EQ(preview().GetDayName(4), QStringLiteral("Wednesday"));
}

TEST_F(CalendarPropertiesTest, SwitchingUnitsRelabelsTheListsAndWritesNothing)
{
    openOn(loFullCalendar);
    pickMargin("TopMarginInchcombo", 2);
    const auto before = settingsOf(preview());

    control<QRadioButton>("UseMillimeters")->click();
    EXPECT_EQ(control<QComboBox>("TopMarginInchcombo")->currentText(), QStringLiteral("19 mm"));
    EXPECT_EQ(control<QComboBox>("LeftMarginInchcombo")->currentText(), QStringLiteral("6 mm"));
    EXPECT_EQ(control<QComboBox>("BottomMarginInchcombo")->currentText(), QStringLiteral("38 mm"));
    control<QRadioButton>("useInches")->click();
    EXPECT_EQ(control<QComboBox>("TopMarginInchcombo")->currentText(), QStringLiteral("¾ Inch"));
    EXPECT_TRUE(changedSettings(before, settingsOf(preview())).isEmpty());
    EXPECT_FLOAT_EQ(preview().LeftMarginInch(), 0.3f);
    EXPECT_FALSE(dialog->FUpdating());

    pickMargin("LeftMarginInchcombo", 5);
    EXPECT_FLOAT_EQ(preview().LeftMarginInch(), 1.5f);
}

TEST_F(CalendarPropertiesTest, ZoomStepsByTenBetweenTwentyAndAHundredKeepingRemainders)
{
    struct Row {
        int start;
        const char *button;
        int presses;
        int expected;
    };
    const Row rows[] = {
        {30, "ZoomOutbutton", 5, 20},  {30, "ZoomInButton", 10, 100}, {25, "ZoomOutbutton", 5, 15},
        {25, "ZoomInButton", 10, 105}, {100, "ZoomInButton", 1, 100},
    };
    for (const Row &row : rows) {
        CalendarModel document;
        open(document, row.start);
        EXPECT_EQ(text("ZoomLabel"), QStringLiteral("%1%").arg(row.start));
        for (int press = 0; press < row.presses; ++press)
            control<QToolButton>(row.button)->click();
        EXPECT_EQ(preview().Magnification(), row.expected) << row.start << " " << row.button;
        EXPECT_EQ(text("ZoomLabel"), QStringLiteral("%1%").arg(row.expected));
    }
}

TEST_F(CalendarPropertiesTest, StyleSheetDialogsStartInTheProgramsFolderAndCheckTheExtension)
{
    openOn(loFullCalendar);
    ScriptedPrompts prompts;
    prompts.answerFile(m_folder.filePath(QStringLiteral("notes.txt")));
    control<QPushButton>("SaveAsStyleSheetButton")->click();
    prompts.answerFile(m_folder.filePath(QStringLiteral("old.QMS.bak")));
    control<QPushButton>("LoadStyleSheetButton")->click();
    prompts.answerCancel();
    control<QPushButton>("LoadStyleSheetButton")->click();

    ASSERT_EQ(prompts.asked().size(), 5);
    const qm::FileDialogRequest &save = prompts.asked()[0].fileRequest;
    EXPECT_EQ(save.title, QStringLiteral("Save As Calendar Style Sheet"));
    EXPECT_EQ(save.initialFolder, m_folder.path() + u'/');
    EXPECT_EQ(save.fileName, QStringLiteral("MyStyle.QMS"));
    EXPECT_EQ(save.filter, QStringLiteral("Calendar Style Sheet (*.QMS)"));
    EXPECT_EQ(save.defaultSuffix, QStringLiteral("QMS"));
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_EQ(prompts.asked()[1].text, QStringLiteral("Must save as a Calendar Style Sheet (*.QMS)"));
    const qm::FileDialogRequest &load = prompts.asked()[2].fileRequest;
    EXPECT_EQ(load.title, QStringLiteral("Open Calendar Style Sheet"));
    EXPECT_EQ(load.initialFolder, m_folder.path() + u'/');
    EXPECT_EQ(prompts.asked()[3].text, QStringLiteral("Must be a Calendar Style Sheet (*.QMS)"));
    EXPECT_EQ(prompts.asked()[4].kind, QStringLiteral("open"));
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("notes.txt"))));
}

TEST_F(CalendarPropertiesTest, UnreadableStyleSheetIsReportedWithALineBreakAndLeavesThePreviewAsItWas)
{
    openOn(loFullCalendar);
    const QByteArray before = preview().StyleSheetBytes();
    CalendarModel other;
    other.AssignStyle(preview());
    other.SetCalendarLayout(loMC24MonthLS);
    const QByteArray otherSheet = other.StyleSheetBytes();
    // The second breaks off after its layout: half of it must not be taken.
    for (const QByteArray &content : {QByteArray("not a style sheet"), otherSheet.left(otherSheet.size() / 2)}) {
        const QString path = m_folder.filePath(QStringLiteral("broken.qms"));
        QFile broken(path);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write(content);
        broken.close();

        ScriptedPrompts prompts;
        prompts.answerFile(path);
        control<QPushButton>("LoadStyleSheetButton")->click();

        EXPECT_EQ(prompts.messages(),
                  QStringList{QStringLiteral("Unable to open ") + path +
                              QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar Style file")});
        EXPECT_EQ(preview().StyleSheetBytes(), before) << content.left(20).toStdString();
        EXPECT_FALSE(dialog->FUpdating());
        EXPECT_EQ(control<QListWidget>("LayoutList")->currentRow(), choiceFromLayout(loFullCalendar).listIndex);
        EXPECT_TRUE(dialog->isVisible());
    }
}

TEST_F(CalendarPropertiesTest, StartingTimeComesFromTheSetTimeDialog)
{
    openOn(loDay10);
    qm::test::onNextModal<TSetTimeDialog>([](TSetTimeDialog *setTime) {
        EXPECT_EQ(setTime->Time(), EncodeTime(14, 5, 0, 0));
        setTime->cell(setTime->HourPanel(), 9)->clicked();
        setTime->cell(setTime->MinutePanel(), 30)->clicked();
        setTime->accept();
    });
    control<QToolButton>("StartingtimeButton")->click();
    EXPECT_EQ(preview().StartingTime(), EncodeTime(9, 30, 0, 0));
    EXPECT_EQ(text("TimeLabel"), QStringLiteral("9:30 AM"));

    // A label that is no time is replaced by the current time; Cancel keeps the calendar's.
    control<QLabel>("TimeLabel")->setText(QStringLiteral("soon"));
    qm::test::onNextModal<TSetTimeDialog>([](TSetTimeDialog *setTime) {
        EXPECT_EQ(setTime->Time(), EncodeTime(10, 15, 0, 0));
        setTime->reject();
    });
    control<QToolButton>("StartingtimeButton")->click();
    EXPECT_EQ(text("TimeLabel"), QStringLiteral("10:15 AM"));
    EXPECT_EQ(preview().StartingTime(), EncodeTime(9, 30, 0, 0));
}

TEST_F(CalendarPropertiesTest, EveryPageIsOneClickAwayAndHasItsHelpTopic)
{
    openOn(loFullCalendar);
    auto *pages = control<QListWidget>("TabSet1");
    ASSERT_EQ(pages->count(), 9);
    for (int page = 8; page >= 0; --page) {
        const QRect item = pages->visualItemRect(pages->item(page));
        EXPECT_TRUE(pages->viewport()->rect().contains(item)) << page;
        QTest::mouseClick(pages->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_EQ(dialog->helpTopic(), 2100 + page);
    }
}

TEST_F(CalendarPropertiesTest, PreviewShowsTheWholePageAtTheDefaultZoom)
{
    for (const TCalendarLayout layout : {loFullCalendar, LOFullCalendarLS}) {
        for (const int paper : {0, 1}) {
            CalendarModel document;
            document.SetCalendarLayout(layout);
            document.SetPaperSize(paper);
            open(document, TCalendarProperties::DefaultZoom);
            auto *box = control<QScrollArea>("ScrollBox1");
            const TCalendarPanel *page = dialog->ExampleCalendar();
            const QRect shown(page->mapTo(box->viewport(), QPoint(0, 0)), page->size());
            EXPECT_TRUE(box->viewport()->rect().contains(shown)) << layout << " paper " << paper;
            EXPECT_FALSE(box->horizontalScrollBar()->isVisible() || box->verticalScrollBar()->isVisible());
        }
    }
}

TEST_F(CalendarPropertiesTest, PlacementIsRestoredOnOpeningAndStoredOnClosing)
{
    openOn(loFullCalendar);
    dialog->move(40, 50);
    dialog->reject();
    const qm::IniFile preferences(qm::IniFileName());
    const QString section = QStringLiteral("TCalendarProperties_Placement");
    const int left = preferences.readInteger(section, QStringLiteral("Left"), -1);
    const int top = preferences.readInteger(section, QStringLiteral("Top"), -1);
    EXPECT_EQ(QPoint(left, top), dialog->geometry().topLeft());

    openOn(loFullCalendar);
    EXPECT_EQ(dialog->geometry().topLeft(), QPoint(left, top));
}

TEST_F(CalendarPropertiesTest, SavedStyleSheetLoadsBackIntoThePreviewAndItsControls)
{
    openOn(loMC24MonthLS);
    const QString path = m_folder.filePath(QStringLiteral("mine.qms"));
    ScriptedPrompts prompts;
    prompts.answerFile(path); // a lower-case extension is accepted
    control<QPushButton>("SaveAsStyleSheetButton")->click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), preview().StyleSheetBytes());

    control<QPushButton>("Defaultbutton")->click();
    ASSERT_EQ(preview().CalendarLayout(), loFCMinisInTitleLS);
    prompts.answerFile(path);
    control<QPushButton>("LoadStyleSheetButton")->click();

    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_EQ(preview().CalendarLayout(), loMC24MonthLS);
    EXPECT_EQ(preview().GetMonthName(12), QStringLiteral("Decembre"));
    EXPECT_EQ(control<QListWidget>("LayoutList")->currentRow(), 6);
    EXPECT_EQ(control<RadioGroup>("rOrientation")->ItemIndex(), 1);
    EXPECT_EQ(control<TColorButton>("TitleBGColor")->Color(), qm::clYellow);
    EXPECT_FALSE(dialog->FUpdating());
}

TEST_F(CalendarPropertiesTest, StyleSheetThatCannotBeWrittenIsReportedAndTheDialogStays)
{
    openOn(loFullCalendar);
    ScriptedPrompts prompts;
    const QString path = m_folder.filePath(QStringLiteral("missing folder/mine.QMS"));
    prompts.answerFile(path);
    control<QPushButton>("SaveAsStyleSheetButton")->click();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().first().startsWith(QStringLiteral("Cannot create file")))
        << prompts.messages().first().toStdString();
    EXPECT_TRUE(dialog->isVisible());
}
