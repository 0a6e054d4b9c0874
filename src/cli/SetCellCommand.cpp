// quillmark-cli set-cell IN.QMF N TEXTFILE OUT.QMF [settings]: replaces the
// text of cell N with the RTF or plain text of TEXTFILE and saves the document.
#include "cli/CalendarFiles.h"
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"
#include "cli/TextDocumentFile.h"

namespace qm::cli {
namespace {

void requireDocument(const QString &fileName)
{
    if (calendarFileKind(fileName) != CalendarFileKind::Document)
        throw UsageError(QStringLiteral("set-cell works on calendar documents (.QMF), not on %1").arg(fileName));
}

} // namespace

int runSetCell(const QStringList &arguments, CliIo &)
{
    QCommandLineParser parser;
    parseCommandLine(parser, arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 4)
        throw UsageError(QStringLiteral("set-cell needs IN.QMF N TEXTFILE OUT.QMF"));
    requireDocument(files[0]);
    requireDocument(files[3]);
    bool ok = false;
    const int cell = files[1].toInt(&ok);
    if (!ok || cell < 1 || cell > kCellCount)
        throw UsageError(QStringLiteral("the cell number must be an integer from 1 to %1").arg(kCellCount));

    const std::unique_ptr<CalendarModel> calendar = CalendarOptions::read(parser).makeCalendar(files[0]);
    TQmRTFTextIo text; // an empty file empties the cell
    loadTextDocument(text, files[2]);
    calendar->Cells(cell).SetRtfText(text);
    calendar->SaveCalendarToFile(files[3]);
    return kSuccess;
}

} // namespace qm::cli
