#include "printing/CalendarPrinting.h"

#include "calendar/CalendarModel.h"
#include "platform/AtomicWrite.h"
#include "platform/QmError.h"
#include "printing/PrinterPaper.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryFile>

namespace qm {

void printCalendar(CalendarModel &calendar, QPrinter &printer)
{
    calendar.PrintCalendar(printer);
    if (printer.printerState() == QPrinter::Error)
        throw QmError(QStringLiteral("Printing failed"));
}

void exportCalendarPdf(CalendarModel &calendar, const QString &path)
{
    // Qt's PDF engine cannot say why it failed.
    const QmError cannotCreate = QmError::cannotCreateFile(path, QString());
    // Qt's PDF printer writes straight into its file; it writes a temporary
    // one here, which takes the place of `path` only when it is whole.
    QTemporaryFile pdf;
    if (!pdf.open())
        throw cannotCreate;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf.fileName());
    printer.setCreator(QStringLiteral("Quillmark"));
    printer.setPageSize(pageSizeOfPaperCode(GetDevModePaperSize(calendar)));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    try {
        printCalendar(calendar, printer);
    } catch (const QmError &) {
        throw cannotCreate;
    }
    const QByteArray bytes = pdf.readAll();
    if (bytes.isEmpty())
        throw cannotCreate;
    writeFileAtomically(path, bytes);
}

} // namespace qm
