// Calendar documents are read and written by the calendar. It cannot do
// either yet, and the window says so instead of pretending.

#include "CalendarMain.h"

#include "platform/QmError.h"

void TCalendarMain::readCalendarDocument(const QString &)
{
    throw QmError(QStringLiteral("This build of Quillmark cannot read calendar documents yet"));
}

void TCalendarMain::writeCalendarDocument(const QString &)
{
    throw QmError(QStringLiteral("This build of Quillmark cannot write calendar documents yet"));
}
