#pragma once

class CalendarModel;
class QPageSize;
class QPrinter;

namespace qm {

/// The printing system's codes for the two papers a calendar is made for.
enum PrinterPaperCode { kPrinterPaperLetter = 1, kPrinterPaperA4 = 9 };

/// The printer paper code of the calendar's paper: A4 for an A4 calendar,
/// Letter for any other.
int GetDevModePaperSize(const CalendarModel &calendar);

/// The page size a printer paper code stands for; any code but A4 is Letter.
QPageSize pageSizeOfPaperCode(int code);

/// Puts the paper `code` on the printer, whatever paper a dialog chose before,
/// and makes the printer's margins its unprintable border on that paper: the
/// calendar brings its own margins, so the printer's only say where it can
/// print.
void SetPrinterPaperSize(QPrinter &printer, int code);

} // namespace qm
