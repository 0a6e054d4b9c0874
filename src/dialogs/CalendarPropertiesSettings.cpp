// Filling the controls from the preview and applying layout, date, fonts and
// starting time to it.

#include "CalendarProperties.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "controls/ColorButton.h"
#include "controls/DatePicker.h"
#include "controls/FormPlacement.h"
#include "controls/RadioGroup.h"
#include "dialogs/LayoutChoice.h"
#include "dialogs/SetTimeDialog.h"
#include "platform/Environment.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int firstPlannerLayout = 18;
constexpr int monthGroup = 0;
constexpr int miniSheetGroup = 1;
constexpr int firstDayPlannerGroup = 4;

QString headingFor(int layout)
{
    return layout < firstPlannerLayout ? QStringLiteral("Select Month & Year") : QStringLiteral("Select Starting Date");
}

} // namespace

void TCalendarProperties::DetermineSettings()
{
    CalendarModel &calendar = preview();
    const int layout = calendar.CalendarLayout();
    const LayoutChoice choice = choiceFromLayout(layout);
    m_layoutList->setCurrentRow(choice.listIndex);
    m_orientation->SetItemIndex(choice.orientationIndex);
    m_paperSize->SetItemIndex(calendar.PaperSize());

    if (layout >= firstPlannerLayout)
        m_plannerDate = true;
    m_selectMonthYearLabel->setText(m_plannerDate ? QStringLiteral("Select Starting Date")
                                                  : QStringLiteral("Select Month & Year"));

    m_calendar->SetMonth(calendar.MainCalMonth());
    m_calendar->SetYear(calendar.MainCalYear());
    m_calendar->SetDay(calendar.MainCalDay());

    QStringList months, days;
    for (int month = 1; month <= 12; ++month)
        months << calendar.GetMonthName(month);
    for (int day = 1; day <= 7; ++day)
        days << calendar.GetDayName(day);
    m_monthNames->setPlainText(months.join(QLatin1Char('\n')));
    m_dayNames->setPlainText(days.join(QLatin1Char('\n')));

    m_weekStartsOn->SetItemIndex(calendar.StartOfWeek() - 1);

    m_titleBGColor->SetColor(calendar.TitleBGColor());
    m_headerBGColor->SetColor(calendar.HeadersBGColor());
    m_miniHeadersBGColorButton->SetColor(calendar.MiniHeadersBGColor());
    m_miniCalBGColorButton->SetColor(calendar.MiniCalBGColor());
    m_calHeaderStyleCombo->setCurrentRow(calendar.HeadersStyle());
    m_calendarLineLayoutCombo->setCurrentRow(calendar.CalendarLineLayout());
    m_miniHeadersStyleCombo->setCurrentRow(calendar.MiniHeadersStyle());
    m_miniCalendarLineLayoutCombo->setCurrentRow(calendar.MiniCalendarLineLayout());

    m_dateLabel->setText(qm::FormatDateTime(u"mmmm yyyy", qm::fromQDate(m_calendar->selectedDate())));
    m_timeLabel->setText(qm::FormatDateTime(u"t", calendar.StartingTime()));

    m_titleShowYearCheck->setChecked(calendar.TitleShowYear());
    m_miniShowYearCheck->setChecked(calendar.MiniShowYear());

    SetMarginComboxFromValues(m_leftMargin, calendar.LeftMarginInch());
    SetMarginComboxFromValues(m_topMargin, calendar.TopMarginInch());
    SetMarginComboxFromValues(m_rightMargin, calendar.RightMarginInch());
    SetMarginComboxFromValues(m_bottomMargin, calendar.BottomMarginInch());
}

void TCalendarProperties::LayoutListClick()
{
    if (m_updating)
        return;
    CalendarModel &calendar = preview();
    m_plannerDate = false;
    const int current = calendar.CalendarLayout();
    // A paper the list does not offer (from a damaged file) stays as it is.
    if (m_paperSize->ItemIndex() >= 0)
        calendar.SetPaperSize(quint8(m_paperSize->ItemIndex()));
    int layout = layoutFromChoice({m_layoutList->currentRow(), m_orientation->ItemIndex()});
    if (layout < 0)
        layout = current;
    if (layout >= firstPlannerLayout)
        m_plannerDate = true;
    CalendarChange();
    calendar.SetCalendarLayout(TCalendarLayout(layout));
    calendar.RecalcLayout(CalendarModel::MiniFonts::Reset);
    repaintPreview();
    SetButtons();
}

void TCalendarProperties::CalendarChange()
{
    const TDateTime picked = qm::fromQDate(m_calendar->selectedDate());
    m_dateLabel->setText(qm::FormatDateTime(m_plannerDate ? u"dddddd" : u"mmmm yyyy", picked));
    if (m_updating)
        return;
    CalendarModel &calendar = preview();
    calendar.SetMainCalMonth(m_calendar->Month());
    calendar.SetMainCalYear(m_calendar->Year());
    calendar.SetMainCalDay(m_calendar->Day());
}

void TCalendarProperties::SetButtons()
{
    const int layout = preview().CalendarLayout();
    const int group = preview().LayoutGroup();
    const bool month = layout <= 7;
    const bool mini = layout >= 2 && layout <= 17;
    const bool planner = layout >= firstPlannerLayout;

    m_orientation->setEnabled(group == monthGroup || group == miniSheetGroup);
    m_weekStartsOn->setEnabled(layout < firstPlannerLayout);
    m_titleShowYearCheck->setEnabled(month);
    m_miniShowYearCheck->setEnabled(mini);
    for (QWidget *control : std::initializer_list<QWidget *>{m_titleFontButton, m_headerFontButton, m_headerBGColor,
                                                             m_calHeaderStyleCombo})
        control->setEnabled(month || planner);
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_titleBGColor, m_numberFontButton, m_calendarLineLayoutCombo})
        control->setEnabled(month);
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_miniTitleFontButton, m_miniHeaderFontButton, m_miniHeadersBGColorButton, m_miniCellFontButton,
             m_miniCalBGColorButton, m_miniHeadersStyleCombo, m_miniCalendarLineLayoutCombo})
        control->setEnabled(mini);
    m_startingTimeButton->setEnabled(group >= firstDayPlannerGroup);
    m_selectMonthYearLabel->setText(headingFor(layout));
}

void TCalendarProperties::chooseFont(const FontProperty &font)
{
    qm::FontDescription chosen = (preview().*font.read)();
    if (qm::Prompts::instance().chooseFont(chosen))
        (preview().*font.write)(chosen);
    repaintPreview();
}

void TCalendarProperties::StartingtimeButtonClick()
{
    TDateTime shown = 0;
    if (!qm::TryStrToTime(m_timeLabel->text(), shown)) {
        shown = qm::Environment::now();
        m_timeLabel->setText(qm::FormatDateTime(u"t", shown));
    }
    TSetTimeDialog dialog(this);
    qm::CenterForm(&dialog);
    dialog.SetTime(qm::StrToTime(m_timeLabel->text()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_timeLabel->setText(qm::FormatDateTime(u"t", dialog.Time()));
    preview().SetStartingTime(dialog.Time());
}
