// Calendar documents are read and written by the calendar itself.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"

void TCalendarMain::readCalendarDocument(const QString &fileName)
{
    calendar().LoadCalendarFromFile(fileName);
}

void TCalendarMain::writeCalendarDocument(const QString &fileName)
{
    calendar().SaveCalendarToFile(fileName);
}
