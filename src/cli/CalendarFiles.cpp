#include "cli/CalendarFiles.h"

#include "cli/CliCommand.h"
#include "platform/QmError.h"

#include <QFileInfo>

namespace qm::cli {

CalendarFileKind calendarFileKind(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == u"QMF")
        return CalendarFileKind::Document;
    if (extension == u"QMS")
        return CalendarFileKind::StyleSheet;
    throw UsageError(QStringLiteral("%1 is neither a calendar document (.QMF) nor a style sheet (.QMS)").arg(fileName));
}

void loadCalendarFile(CalendarModel &calendar, const QString &fileName)
{
    const CalendarFileKind kind = calendarFileKind(fileName);
    try {
        if (kind == CalendarFileKind::Document) {
            calendar.ClearAllCells();
            calendar.LoadCalendarFromFile(fileName);
        } else {
            calendar.LoadStyleSheetFromFile(fileName);
            calendar.RecalcLayout(CalendarModel::MiniFonts::Keep);
        }
    } catch (const QmError &error) {
        // The program's texts for a damaged file ("Stream read error") leave
        // the file unnamed: the window knows which one it opened, a script's log does not.
        if (error.message().contains(fileName))
            throw;
        throw QmError(QStringLiteral("%1 in %2").arg(error.message(), fileName), error.reason());
    }
}

void saveCalendarFile(const CalendarModel &calendar, const QString &fileName)
{
    if (calendarFileKind(fileName) == CalendarFileKind::Document)
        calendar.SaveCalendarToFile(fileName);
    else
        calendar.SaveStyleSheetToFile(fileName);
}

} // namespace qm::cli
