#pragma once

#include <QCalendarWidget>

/// A month grid for picking a date: Sunday-first short day names, six week
/// rows, no navigation bar of its own (its owner has buttons for that). It
/// starts on the current date. Moving by months or years keeps the day
/// number, reduced to the length of the target month. selectionChanged() is
/// its change event.
class DatePicker : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget *parent = nullptr);

    int Day() const { return selectedDate().day(); }
    int Month() const { return selectedDate().month(); }
    int Year() const { return selectedDate().year(); }

    /// Months outside 1..12 are ignored.
    void SetMonth(int month);
    /// Years below 1 are ignored.
    void SetYear(int year);
    /// Days that the shown month does not have are ignored.
    void SetDay(int day);

    void PrevYear();
    void PrevMonth();
    void NextMonth();
    void NextYear();
    /// Selects the current date.
    void Now();

private:
    void select(int year, int month, int day);
};
