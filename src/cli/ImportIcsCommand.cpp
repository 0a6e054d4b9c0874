// quillmark-cli import-ics DOC.QMF|STYLE.QMS EVENTS.ics... OUT.QMF [--replace]
// [settings]: places the events of iCalendar files into the cells of the page
// and saves the document. Empty cells get the program's default font from
// its preferences file.
#include "calendar/EventImport.h"
#include "cli/CalendarFiles.h"
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"
#include "platform/DefaultFontPreference.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

namespace qm::cli {

int runImportIcs(const QStringList &arguments, CliIo &io)
{
    QCommandLineParser parser;
    const QCommandLineOption replace(QStringLiteral("replace"));
    parseCommandLine(parser, arguments, {replace});
    const QStringList files = parser.positionalArguments();
    if (files.size() < 3)
        throw UsageError(QStringLiteral("import-ics needs DOC, at least one .ics file and OUT.QMF"));
    calendarFileKind(files.first()); // a document or a style sheet to start from
    if (calendarFileKind(files.last()) != CalendarFileKind::Document)
        throw UsageError(QStringLiteral("import-ics writes a calendar document (.QMF), not %1").arg(files.last()));

    // Every file is read before the page is touched: one that cannot be read
    // stops the import with the document as it was.
    std::vector<IcsCalendar> calendars;
    for (const QString &file : files.mid(1, files.size() - 2))
        calendars.push_back(IcsCalendar::fromFile(file));
    const std::unique_ptr<CalendarModel> calendar = CalendarOptions::read(parser).makeCalendar(files.first());
    EventImportOptions options;
    options.emptyCellFont = ReadDefaultFont(IniFile(IniFileName()));
    if (parser.isSet(replace))
        options.mode = EventImportOptions::Mode::Replace;
    const EventImportResult result = ImportEvents(*calendar, calendars, options);
    calendar->SaveCalendarToFile(files.last());

    for (const QString &problem : result.problems)
        io.err << problem << '\n';
    io.out << EventImportSummary(result) << '\n';
    return kSuccess;
}

} // namespace qm::cli
