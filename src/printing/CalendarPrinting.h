#pragma once

#include <QString>

class CalendarModel;
class QPrinter;

namespace qm {

/// Prints the calendar as one page on `printer`, the paper turned the way
/// the calendar lies. Every print goes through here, whether the margins
/// passed their check or the user chose to print anyway, so lines and text
/// always print at the printer's resolution. Raises "Printing failed" when
/// the printer cannot be painted on or the printing system refuses the job.
void printCalendar(CalendarModel &calendar, QPrinter &printer);

/// Writes the calendar as a one-page vector PDF to `path` through the same
/// printing as paper: the calendar's paper without an unprintable border,
/// text kept as text with its fonts embedded. The file is replaced only once
/// the whole PDF is made. Raises "Cannot create file <path>" when the PDF
/// cannot be made or the file cannot be created, and "Cannot write file
/// <path>: <reason>" when writing it fails.
void exportCalendarPdf(CalendarModel &calendar, const QString &path);

} // namespace qm
