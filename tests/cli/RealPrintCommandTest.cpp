// quillmark-cli print on a real printer: the private CUPS server's virtual
// PDF printer, and no printing system at all.

#include "CliProgram.h"

#include "calendar/CalendarModel.h"
#include "richtext/QmRtfStrings.h"
#include "support/PdfFile.h"
#include "support/PrintServer.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using qm::kPaperA4;
using qm::kPaperLetter;
using qm::test::PdfFile;

/// Dots per inch at which the printed pages are rasterised and measured.
constexpr int kRasterDotsPerInch = 50;
/// How far, in those dots, the printed page may lie from the screen's.
constexpr int kTolerance = 2;
using qm::test::PrintServer;

class RealPrintCommandTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!PrintServer::use())
            GTEST_SKIP() << "no print server: it needs root, cups and printer-driver-cups-pdf";
    }

    /// A December 1997 document `name` with text in cell 10, laid out by `layout`.
    QString document(const QString &name, TCalendarLayout layout, quint8 paper) const
    {
        CalendarModel calendar;
        calendar.SetCalendarLayout(layout);
        calendar.SetPaperSize(paper);
        calendar.SetMainCalMonth(12);
        calendar.SetMainCalYear(1997);
        TQmRTFTextIo text;
        TQmRtfStrings(text).Add("Dentist at ten");
        calendar.Cells(10).SetRtfText(text);
        calendar.SaveCalendarToFile(m_folder.filePath(name));
        return m_folder.filePath(name);
    }

    static QList<std::pair<QString, QString>> server(const QString &defaultPrinter = QString())
    {
        return {{QStringLiteral("CUPS_SERVER"), PrintServer::socket()}, {QStringLiteral("LPDEST"), defaultPrinter}};
    }

    QTemporaryDir m_folder;
};

TEST_F(RealPrintCommandTest, PrintsThroughTheDefaultOrTheNamedPrinter)
{
    struct Row {
        const char *name;
        TCalendarLayout layout;
        quint8 paper;
        QStringList options;
        QSizeF sheetPoints;
        bool turned; // printed across an upright sheet
        int pages;
    };
    const Row rows[] = {
        {"CliLetter.QMF", loFullCalendar, kPaperLetter, {}, QSizeF(612, 792), false, 1},
        {"CliA4.QMF",
         LOFullCalendarLS,
         kPaperA4,
         {"--printer", PrintServer::printerName(), "--copies", "2"},
         QSizeF(595, 842),
         true,
         2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = runProgram(
            QStringList{"print", document(QString::fromLatin1(row.name), row.layout, row.paper)} + row.options,
            server());
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        const QString pdf = PrintServer::waitForPdf(QString::fromLatin1(row.name));
        ASSERT_FALSE(pdf.isEmpty()) << "the printer wrote no PDF";
        EXPECT_EQ(PdfFile::pageSize(pdf), row.sheetPoints);
        const QString text = PdfFile::text(pdf);
        EXPECT_EQ(text.count(QStringLiteral("December 1997")), row.pages) << qPrintable(text);
        EXPECT_TRUE(text.contains(QStringLiteral("Dentist at ten")));
        // Turned back, the page lies where the screen shows it.
        const QImage sheet = PdfFile::rasterise(pdf, kRasterDotsPerInch);
        ASSERT_FALSE(sheet.isNull());
        const QImage page = row.turned ? sheet.transformed(QTransform().rotate(90)) : sheet;
        CalendarModel calendar;
        calendar.LoadCalendarFromFile(m_folder.filePath(QString::fromLatin1(row.name)));
        calendar.SetMagnification(100);
        const QRect onScreen =
            PdfFile::screenInkBounds(calendar.MakeBitmap(), calendar.LayoutPixelsPerInch(), kRasterDotsPerInch);
        const QRect printed = PdfFile::inkBounds(page);
        EXPECT_NEAR(printed.left(), onScreen.left(), kTolerance);
        EXPECT_NEAR(printed.top(), onScreen.top(), kTolerance);
        EXPECT_NEAR(printed.right(), onScreen.right(), kTolerance);
        EXPECT_NEAR(printed.bottom(), onScreen.bottom(), kTolerance);
    }
}

TEST_F(RealPrintCommandTest, SaysWhenThereIsNoPrinterOrNoDefault)
{
    const QString file = document(QStringLiteral("Nowhere.QMF"), loFullCalendar, kPaperLetter);
    struct Row {
        const char *name;
        QList<std::pair<QString, QString>> environment;
        QByteArray message;
    };
    const Row rows[] = {
        {"no printing system",
         {{QStringLiteral("CUPS_SERVER"), m_folder.filePath(QStringLiteral("no-such.sock"))}},
         "There are no installed printers.\r\nUnable to perform printer related operations\n"},
        {"a default that is not there", server(QStringLiteral("NoSuchPrinter")),
         "There is no default printer selected.\r\nUnable to perform printer related operations\n"},
    };
    for (const Row &row : rows) {
        const Result result = runProgram({"print", file}, row.environment);
        EXPECT_EQ(result.exitCode, 1) << row.name;
        EXPECT_EQ(result.err, row.message) << row.name;
    }
}

} // namespace
