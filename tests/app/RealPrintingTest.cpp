// The print command on a real printer: the private CUPS server's virtual PDF
// printer, whose PDF is read back and rasterised.

#include "MainWindowFixture.h"

#include "dialogs/DesktopPrompts.h"
#include "richtext/QmRtfStrings.h"
#include "support/ModalDialogs.h"
#include "support/PdfFile.h"
#include "support/PrintServer.h"

#include <QPrintDialog>

namespace qm::test {
namespace {

/// Dots per inch at which the printed pages are rasterised and measured.
constexpr int kRasterDotsPerInch = 50;
/// How far, in those dots (about a millimetre), the printed page may lie from
/// the screen's: text is measured at the printer's resolution on paper.
constexpr int kTolerance = 2;

class RealPrintingTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        if (!PrintServer::use())
            GTEST_SKIP() << "no print server: it needs root, cups and printer-driver-cups-pdf";
        MainWindowFixture::SetUp();
        Printers::install(nullptr);
    }
};

TEST_F(RealPrintingTest, CalendarsPrintOnTheirPaperWhereTheScreenShowsThemWithTheirText)
{
    struct Row {
        const char *document;
        TCalendarLayout layout;
        quint8 paper;
        int cell;
        const char *cellText;
        QSizeF sheetPoints;
        const char *title;
    };
    // A landscape page comes out of the printer on an upright sheet, turned
    // a quarter to the left.
    const Row rows[] = {
        {"RealMonth.QMF", loFullCalendar, kPaperLetter, 10, "Dentist at ten", QSizeF(612, 792), "December 1997"},
        {"RealMinis.QMF", loMC12MonthLS, kPaperA4, 0, nullptr, QSizeF(595, 842), "March 1998"},
        {"RealPlanner.QMF", loDay10, kPaperLetter, 1, "Standup meeting", QSizeF(612, 792), "Notes"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.document);
        CalendarModel document;
        document.SetCalendarLayout(row.layout);
        document.SetPaperSize(row.paper);
        document.SetMainCalMonth(12);
        document.SetMainCalYear(1997);
        document.SetMainCalDay(1);
        document.SetLeftMarginInch(1.0f);
        document.SetTopMarginInch(0.75f);
        if (row.cellText) {
            TQmRTFTextIo text;
            TQmRtfStrings(text).Add(row.cellText);
            document.Cells(row.cell).SetRtfText(text);
        }
        document.SaveCalendarToFile(path(QString::fromLatin1(row.document)));
        TCalendarMain &window = start(path(QString::fromLatin1(row.document)));
        ASSERT_TRUE(window.PrinterAvailable());
        m_prompts.answerPrinterDialog(true);
        window.mnuPrintCalendarClick();

        const QString pdf = PrintServer::waitForPdf(QString::fromLatin1(row.document));
        ASSERT_FALSE(pdf.isEmpty()) << "the printer wrote no PDF";
        EXPECT_EQ(PdfFile::pageSize(pdf), row.sheetPoints);
        const QString text = PdfFile::text(pdf);
        EXPECT_TRUE(text.contains(QString::fromLatin1(row.title))) << qPrintable(text);
        if (row.cellText) {
            EXPECT_TRUE(text.contains(QString::fromLatin1(row.cellText))) << qPrintable(text);
        }

        QImage page = PdfFile::rasterise(pdf, kRasterDotsPerInch);
        ASSERT_FALSE(page.isNull());
        if (isLandscapeLayout(row.layout))
            page = page.transformed(QTransform().rotate(90));
        calendar().SetMagnification(100);
        const QRect onScreen =
            PdfFile::screenInkBounds(calendar().MakeBitmap(), calendar().LayoutPixelsPerInch(), kRasterDotsPerInch);
        const QRect printed = PdfFile::inkBounds(page);
        EXPECT_NEAR(printed.left(), onScreen.left(), kTolerance);
        EXPECT_NEAR(printed.top(), onScreen.top(), kTolerance);
        EXPECT_NEAR(printed.right(), onScreen.right(), kTolerance);
        EXPECT_NEAR(printed.bottom(), onScreen.bottom(), kTolerance);
    }
}

TEST_F(RealPrintingTest, ThePrintDialogKeepsTheCalendarsPaper)
{
    // The printer names its sizes in its own words ("US Letter"); the dialog
    // must still find the calendar's paper among them rather than fall back
    // to the printer's default.
    CalendarModel document;
    document.SetPaperSize(kPaperLetter);
    document.SaveCalendarToFile(path(QStringLiteral("LetterPaper.QMF")));
    TCalendarMain &window = start(path(QStringLiteral("LetterPaper.QMF")));
    ASSERT_TRUE(window.PrinterAvailable());
    DesktopPrompts desktop;
    Prompts::install(&desktop);
    onNextModal<QPrintDialog>([](QPrintDialog *dialog) { dialog->accept(); });
    window.mnuPrintCalendarClick();
    Prompts::install(&m_prompts);

    const QString pdf = PrintServer::waitForPdf(QStringLiteral("LetterPaper.QMF"));
    ASSERT_FALSE(pdf.isEmpty()) << "the printer wrote no PDF";
    EXPECT_EQ(PdfFile::pageSize(pdf), QSizeF(612, 792));
}

} // namespace
} // namespace qm::test
