#include "DatePicker.h"

#include "platform/DateTime.h"
#include "platform/Environment.h"

DatePicker::DatePicker(QWidget *parent)
    : QCalendarWidget(parent)
{
    setFirstDayOfWeek(Qt::Sunday);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setNavigationBarVisible(false);
    setSelectionMode(QCalendarWidget::SingleSelection);
    setSelectedDate(qm::Environment::today());
}

void DatePicker::select(int year, int month, int day)
{
    setSelectedDate(QDate(year, month, qMin(day, qm::MonthLength(year, month))));
}

void DatePicker::SetMonth(int month)
{
    if (month >= 1 && month <= 12)
        select(Year(), month, Day());
}

void DatePicker::SetYear(int year)
{
    if (year >= 1)
        select(year, Month(), Day());
}

void DatePicker::SetDay(int day)
{
    if (day >= 1 && day <= qm::MonthLength(Year(), Month()))
        select(Year(), Month(), day);
}

// QDate's month and year arithmetic keeps the day where it can and otherwise
// takes the last day of the target month (29 February to 28 February).
void DatePicker::PrevYear()
{
    setSelectedDate(selectedDate().addYears(-1));
}

void DatePicker::PrevMonth()
{
    setSelectedDate(selectedDate().addMonths(-1));
}

void DatePicker::NextMonth()
{
    setSelectedDate(selectedDate().addMonths(1));
}

void DatePicker::NextYear()
{
    setSelectedDate(selectedDate().addYears(1));
}

void DatePicker::Now()
{
    setSelectedDate(qm::Environment::today());
}
