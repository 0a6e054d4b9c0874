// quillmark-cli copy IN.QMF|IN.QMS OUT.QMF|OUT.QMS [settings]: opens a
// document or style sheet and saves it as the output's extension says.
#include "cli/CalendarFiles.h"
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"

namespace qm::cli {

int runCopy(const QStringList &arguments, CliIo &)
{
    QCommandLineParser parser;
    parseCommandLine(parser, arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2)
        throw UsageError(QStringLiteral("copy needs an input and an output file"));
    calendarFileKind(files[1]); // a wrong output name fails before anything is read
    saveCalendarFile(*CalendarOptions::read(parser).makeCalendar(files[0]), files[1]);
    return kSuccess;
}

} // namespace qm::cli
