#include "printing/PrinterPaper.h"

#include "calendar/CalendarModel.h"
#include "printing/Printers.h"

#include <QPageSize>
#include <QPrinter>

namespace qm {

int GetDevModePaperSize(const CalendarModel &calendar)
{
    return calendar.PaperSize() == kPaperA4 ? kPrinterPaperA4 : kPrinterPaperLetter;
}

QPageSize pageSizeOfPaperCode(int code)
{
    return QPageSize(code == kPrinterPaperA4 ? QPageSize::A4 : QPageSize::Letter);
}

void SetPrinterPaperSize(QPrinter &printer, int code)
{
    printer.setPageSize(pageSizeOfPaperCode(code));
    printer.setPageMargins(Printers::instance().unprintableMargins(printer), QPageLayout::Point);
}

} // namespace qm
