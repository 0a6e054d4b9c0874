// quillmark-cli print DOC.QMF [--printer NAME] [--copies N] [--widen-margins] [settings]
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"
#include "platform/QmError.h"
#include "printing/CalendarPrinting.h"
#include "printing/MinimumMargins.h"
#include "printing/PrinterPaper.h"
#include "printing/Printers.h"

#include <QFileInfo>
#include <QPrinter>

namespace qm::cli {
namespace {

/// The largest number of copies one print asks for.
constexpr int kMaximumCopies = 999;

/// Whether the printer asked for (the default one when `name` is empty) can
/// print; when not, says why on the standard error, as the program would.
bool printerAvailable(const QString &name, CliIo &io)
{
    if (name.isEmpty() || !Printers::instance().hasInstalledPrinters())
        return CheckPrinters();
    if (Printers::instance().hasPrinter(name))
        return true;
    io.err << "quillmark-cli: there is no printer named " << name << '\n';
    return false;
}

/// The margin check without questions: margins outside the printable area
/// are widened when the user allowed it, or named, and then nothing prints.
bool marginsFit(QPrinter &printer, CalendarModel &calendar, bool widen, CliIo &io)
{
    const std::optional<MinimumMargins> minimum = readMinimumMargins(printer, calendar);
    if (!minimum)
        return true;
    const QStringList complaints = marginComplaints(calendar, *minimum);
    if (complaints.isEmpty())
        return true;
    if (widen) {
        widenMargins(calendar, *minimum);
        return true;
    }
    for (const QString &complaint : complaints)
        io.err << complaint << '\n';
    io.err << "quillmark-cli: nothing printed; --widen-margins prints with these margins widened\n";
    return false;
}

} // namespace

int runPrint(const QStringList &arguments, CliIo &io)
{
    QCommandLineParser parser;
    const QCommandLineOption printerOption(QStringLiteral("printer"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption copiesOption(QStringLiteral("copies"), QString(), QStringLiteral("N"));
    const QCommandLineOption widenOption(QStringLiteral("widen-margins"));
    parseCommandLine(parser, arguments, {printerOption, copiesOption, widenOption});
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        throw UsageError(QStringLiteral("print needs one calendar document"));
    const CalendarOptions options = CalendarOptions::read(parser);
    const int copies =
        parser.isSet(copiesOption) ? readInteger(parser, copiesOption.names().first(), 1, kMaximumCopies) : 1;
    const QString printerName = parser.value(printerOption);

    const std::unique_ptr<CalendarModel> calendar = options.makeCalendar(files.first());
    if (!printerAvailable(printerName, io))
        return kFailure;
    const std::unique_ptr<QPrinter> printer = Printers::instance().createPrinter(printerName);
    SetPrinterPaperSize(*printer, GetDevModePaperSize(*calendar));
    printer->setCopyCount(copies);
    printer->setDocName(QFileInfo(files.first()).fileName());
    // Widened margins serve this print only; the document is not written.
    if (!marginsFit(*printer, *calendar, parser.isSet(widenOption), io))
        return kFailure;
    printCalendar(*calendar, *printer);
    return kSuccess;
}

} // namespace qm::cli
