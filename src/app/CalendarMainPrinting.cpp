// Printing and export: the print, print preview and printer set-up commands,
// the check of the calendar's margins against the printer, and saving the
// page as a bitmap or a PDF file.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "controls/BusyCursor.h"
#include "controls/CalendarPanel.h"
#include "platform/ImageFile.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"
#include "printing/CalendarPrinting.h"
#include "printing/MinimumMargins.h"
#include "printing/PrinterPaper.h"
#include "printing/Printers.h"

#include <QFileInfo>
#include <QPrinter>

namespace {

const QString marginWarning = QStringLiteral("Margin Warning");

qm::Prompts &prompts()
{
    return qm::Prompts::instance();
}

} // namespace

// Printing.

QPrinter &TCalendarMain::Printer()
{
    if (!m_printer)
        m_printer = qm::Printers::instance().createPrinter(QString());
    return *m_printer;
}

void TCalendarMain::PrintbuttonClick()
{
    mnuPrintCalendarClick();
}

void TCalendarMain::mnuPrintCalendarClick()
{
    const bool editorHadFocus = editorHasFocus();
    DoSaveRichtext();
    QPrinter &printer = Printer();
    qm::SetPrinterPaperSize(printer, qm::GetDevModePaperSize(calendar()));
    if (!prompts().runPrintDialog(printer))
        return;
    // The desktop's print dialog puts the printer's default paper back on the
    // printer, and the calendar, laid out for its own paper, would come out
    // cut off or shifted on another.
    qm::SetPrinterPaperSize(printer, qm::GetDevModePaperSize(calendar()));
    if (mayPrint())
        printNow(printer);
    if (editorHadFocus)
        reopenEditorAfterPrinting();
    m_calendarPanel->update();
}

void TCalendarMain::mnuPrintPreviewClick()
{
    const bool editorHadFocus = editorHasFocus();
    DoSaveRichtext();
    QPrinter &printer = Printer();
    qm::SetPrinterPaperSize(printer, qm::GetDevModePaperSize(calendar()));
    if (mayPrint())
        prompts().showPrintPreview(printer, [this](QPrinter &target) { printNow(target); });
    if (editorHadFocus)
        reopenEditorAfterPrinting();
    m_calendarPanel->update();
}

bool TCalendarMain::mayPrint()
{
    return CheckPrinterMargins() || prompts().AskYesNo(QStringLiteral("Continue Printing?"), marginWarning);
}

void TCalendarMain::printNow(QPrinter &printer)
{
    printer.setDocName(m_currentFileName.isEmpty() ? QStringLiteral("Quillmark")
                                                   : QFileInfo(m_currentFileName).fileName());
    qm::BeginBusy();
    try {
        qm::printCalendar(calendar(), printer);
    } catch (const QmError &error) {
        qm::EndBusy();
        prompts().showError(error.message());
        return;
    }
    // The page has gone to the printer in full: the window may now repaint
    // what the print dialog covered while the busy cursor still shows.
    repaintPartWay();
    qm::EndBusy();
}

bool TCalendarMain::CheckPrinterMargins()
{
    const std::optional<qm::MinimumMargins> minimum = qm::readMinimumMargins(Printer(), calendar());
    if (!minimum)
        return true;
    const QStringList complaints = qm::marginComplaints(calendar(), *minimum);
    if (complaints.isEmpty())
        return true;
    QString question = QStringLiteral("Margin Warning:\r");
    for (const QString &complaint : complaints)
        question += u'\r' + complaint;
    question += QStringLiteral("\r\rAdjust Calendar to fit printer?");
    if (!prompts().AskYesNo(question, marginWarning))
        return false;
    qm::widenMargins(calendar(), *minimum);
    m_calendarPanel->update();
    // The widened margins show before the print, which keeps the window
    // busy for a while; nothing of the calendar is half-changed here.
    repaintPartWay();
    // The margins are part of the document.
    SetSaveNeeded(true);
    return true;
}

void TCalendarMain::mnuPrintSetupClick()
{
    QPrinter &printer = Printer();
    qm::SetPrinterPaperSize(printer, qm::GetDevModePaperSize(calendar()));
    prompts().runPrinterSetupDialog(printer);
    m_printerAvailable = qm::CheckPrinters();
    SetButtons();
}

// Export.

QString TCalendarMain::proposedExportName(const QString &suffix) const
{
    const QString name =
        m_currentFileName.isEmpty() ? calendarDateName() : QFileInfo(m_currentFileName).completeBaseName();
    return name + u'.' + suffix;
}

void TCalendarMain::exportTo(const QString &title, const QString &suffix, const QString &filter,
                             const std::function<void(const QString &)> &write)
{
    storeEditedCellText();
    qm::FileDialogRequest request;
    request.title = title;
    request.initialFolder = qm::DialogFolder();
    request.fileName = proposedExportName(suffix);
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.confirmOverwrite = true;
    const QString fileName = prompts().getSaveFileName(request);
    if (fileName.isEmpty())
        return;
    qm::BeginBusy();
    try {
        write(fileName);
    } catch (const QmError &error) {
        qm::EndBusy();
        prompts().showError(error.message());
        return;
    }
    qm::EndBusy();
}

void TCalendarMain::mnuSaveAsBitmapClick()
{
    exportTo(QStringLiteral("Save Calendar As Bitmap"), QStringLiteral("BMP"),
             QStringLiteral("Bitmap File (*.BMP);;PNG File (*.PNG)"),
             [this](const QString &fileName) { qm::writeImageFile(fileName, calendar().MakeBitmap()); });
}

void TCalendarMain::mnuExportPdfClick()
{
    exportTo(QStringLiteral("Export Calendar As PDF"), QStringLiteral("pdf"), QStringLiteral("PDF File (*.PDF)"),
             [this](const QString &fileName) { qm::exportCalendarPdf(calendar(), fileName); });
}
