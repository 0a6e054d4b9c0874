#include "printing/CalendarPrinting.h"

#include "calendar/CalendarModel.h"
#include "platform/QmError.h"
#include "support/PdfFile.h"
#include "support/QtPrinting.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using qm::test::PdfFile;

TEST(CalendarPrinting, ExportsTheCalendarsPaperAsAVectorPdf)
{
    struct Row {
        const char *name;
        quint8 paper;
        TCalendarLayout layout;
        QSizeF points;
    };
    const Row rows[] = {
        {"letter portrait", qm::kPaperLetter, loFullCalendar, QSizeF(612, 792)},
        {"A4 landscape", qm::kPaperA4, LOFullCalendarLS, QSizeF(842, 595)},
    };
    QTemporaryDir folder;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CalendarModel calendar;
        calendar.SetPaperSize(row.paper);
        calendar.SetCalendarLayout(row.layout);
        calendar.SetMainCalMonth(12);
        calendar.SetMainCalYear(1997);
        const QString path = folder.filePath(QStringLiteral("Dec1997.pdf"));
        qm::exportCalendarPdf(calendar, path);
        EXPECT_EQ(PdfFile::pageSize(path), row.points);
        EXPECT_TRUE(PdfFile::text(path).contains(QStringLiteral("December")));
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.readAll().contains("/FontFile2")) << "the fonts are embedded";
    }
}

TEST(CalendarPrinting, AnExportThatCannotBeWrittenLeavesNoFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/Dec1997.pdf"));
    CalendarModel calendar;
    try {
        qm::exportCalendarPdf(calendar, path);
        FAIL() << "no error";
    } catch (const QmError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Cannot create file ") + path);
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST(CalendarPrinting, ThePageLiesWhereTheCalendarsMarginsPutItWhateverThePrintersBorder)
{
    QTemporaryDir folder;
    CalendarModel calendar;
    calendar.SetLeftMarginInch(1.0f);
    calendar.SetTopMarginInch(0.5f);
    QImage pages[2];
    const double borders[2] = {0.0, 0.4};
    for (int i = 0; i < 2; ++i) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("page%1.pdf").arg(i)));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(borders[i], borders[i], borders[i], borders[i]), QPageLayout::Inch);
        qm::printCalendar(calendar, printer);
        pages[i] = PdfFile::rasterise(printer.outputFileName(), 50);
    }
    ASSERT_FALSE(pages[0].isNull());
    EXPECT_TRUE(pages[0] == pages[1]);
    // 1 inch from the left and half an inch from the top, at 50 dots per inch.
    const QRect grid = PdfFile::inkBounds(pages[0]);
    EXPECT_NEAR(grid.left(), 50, 1);
    EXPECT_NEAR(grid.top(), 25, 1);
}

} // namespace
