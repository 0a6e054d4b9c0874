// Printing, print preview, printer set-up and the exports of the main window,
// on printers that write PDF files.

#include "MainWindowFixture.h"

#include "dialogs/CalendarProperties.h"
#include "support/ModalDialogs.h"
#include "support/PdfFile.h"

#include <QFile>
#include <QImageReader>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

namespace qm::test {
namespace {

const QString outside = QStringLiteral(" Margin is outside of Printer printable area");

class CalendarMainPrintingTest : public MainWindowFixture
{
protected:
    /// A started window showing the document `name`, made by `setUp`.
    TCalendarMain &startWith(const std::function<void(CalendarModel &)> &setUp,
                             const QString &name = QStringLiteral("Plan.QMF"))
    {
        CalendarModel document;
        document.SetMainCalMonth(12);
        document.SetMainCalYear(1997);
        setUp(document);
        document.SaveCalendarToFile(path(name));
        return start(path(name));
    }

    TCalendarMain &startWithMargins(float left, float top, float right, float bottom)
    {
        return startWith([=](CalendarModel &document) {
            document.SetLeftMarginInch(left);
            document.SetTopMarginInch(top);
            document.SetRightMarginInch(right);
            document.SetBottomMarginInch(bottom);
        });
    }

    bool printed() const { return QFile::exists(m_printers.outputFile()); }

    /// The question texts asked so far.
    QStringList questions() const
    {
        QStringList texts;
        for (const ScriptedPrompts::Asked &asked : m_prompts.asked()) {
            if (asked.kind == u"question")
                texts << asked.text;
        }
        return texts;
    }
};

TEST_F(CalendarMainPrintingTest, PrintCommandsFollowTheCalendarAndThePrinters)
{
    TCalendarMain &window = start();
    for (QAction *action : {window.mnuPrintCalendar(), window.mnuPrintPreview(), window.mnuPrintSetup(),
                            window.mnuSaveAsBitmap(), window.mnuExportPdf()})
        EXPECT_FALSE(action->isEnabled()) << qPrintable(action->text()) << " without a calendar";
    EXPECT_FALSE(window.Printbutton()->isEnabled());

    m_printers.installed = false;
    TCalendarMain &shown = startWith([](CalendarModel &) {});
    EXPECT_FALSE(shown.PrinterAvailable());
    EXPECT_FALSE(shown.mnuPrintCalendar()->isEnabled());
    EXPECT_FALSE(shown.mnuPrintPreview()->isEnabled());
    EXPECT_FALSE(shown.Printbutton()->isEnabled());
    EXPECT_TRUE(shown.mnuPrintSetup()->isEnabled());
    EXPECT_TRUE(shown.mnuSaveAsBitmap()->isEnabled());
    EXPECT_TRUE(shown.mnuExportPdf()->isEnabled());

    // Print Setup checks the printers again, whatever the dialog's answer.
    m_printers.installed = true;
    m_prompts.answerPrinterDialog(false);
    shown.mnuPrintSetupClick();
    EXPECT_TRUE(shown.PrinterAvailable());
    EXPECT_TRUE(shown.mnuPrintCalendar()->isEnabled());
    EXPECT_TRUE(shown.Printbutton()->isEnabled());

    m_printers.hasDefault = false;
    m_prompts.answerPrinterDialog(true);
    shown.mnuPrintSetupClick();
    EXPECT_EQ(m_prompts.messages().last(),
              QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"));
    EXPECT_FALSE(shown.mnuPrintCalendar()->isEnabled());
}

TEST_F(CalendarMainPrintingTest, MarginsOutsideThePrintableAreaAreOfferedForWidening)
{
    struct Row {
        const char *name;
        std::array<float, 4> margins;
        QStringList answers; // "yes" or "no", in the order asked
        QStringList complaints;
        bool continueAsked;
        bool printed;
        std::array<float, 4> marginsAfter;
    };
    // The printer cannot print on a quarter of an inch on every side.
    const Row rows[] = {
        {"inside", {0.5f, 0.5f, 0.5f, 0.5f}, {}, {}, false, true, {0.5f, 0.5f, 0.5f, 0.5f}},
        {"equal to the border", {0.25f, 0.25f, 0.25f, 0.25f}, {}, {}, false, true, {0.25f, 0.25f, 0.25f, 0.25f}},
        {"one, widened",
         {0.1f, 0.5f, 0.5f, 0.5f},
         {QStringLiteral("yes")},
         {QStringLiteral("Left") + outside},
         false,
         true,
         {0.25f, 0.5f, 0.5f, 0.5f}},
        {"two, printed as they are",
         {0.1f, 0.5f, 0.5f, 0},
         {QStringLiteral("no"), QStringLiteral("yes")},
         {QStringLiteral("Left") + outside, QStringLiteral("Bottom") + outside},
         true,
         true,
         {0.1f, 0.5f, 0.5f, 0}},
        {"all four, not printed",
         {0, 0, 0, 0},
         {QStringLiteral("no"), QStringLiteral("no")},
         {QStringLiteral("Left") + outside, QStringLiteral("Top") + outside, QStringLiteral("Right") + outside,
          QStringLiteral("Bottom") + outside},
         true,
         false,
         {0, 0, 0, 0}},
    };
    m_printers.unprintableInches = QMarginsF(0.25, 0.25, 0.25, 0.25);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(m_printers.outputFile());
        ScriptedPrompts prompts;
        TCalendarMain &window = startWithMargins(row.margins[0], row.margins[1], row.margins[2], row.margins[3]);
        prompts.answerPrinterDialog(true);
        for (const QString &answer : row.answers)
            answer == u"yes" ? prompts.answerYes() : prompts.answerNo();
        window.mnuPrintCalendarClick();

        QStringList expected;
        if (!row.complaints.isEmpty())
            expected << QStringLiteral("Margin Warning:\r\r") + row.complaints.join(u'\r') +
                            QStringLiteral("\r\rAdjust Calendar to fit printer?");
        if (row.continueAsked)
            expected << QStringLiteral("Continue Printing?");
        QStringList asked;
        for (const ScriptedPrompts::Asked &entry : prompts.asked()) {
            if (entry.kind == u"question") {
                asked << entry.text;
                EXPECT_EQ(entry.caption, QStringLiteral("Margin Warning"));
            }
        }
        EXPECT_EQ(asked, expected);
        EXPECT_EQ(printed(), row.printed);
        EXPECT_EQ(calendar().LeftMarginInch(), row.marginsAfter[0]);
        EXPECT_EQ(calendar().TopMarginInch(), row.marginsAfter[1]);
        EXPECT_EQ(calendar().RightMarginInch(), row.marginsAfter[2]);
        EXPECT_EQ(calendar().BottomMarginInch(), row.marginsAfter[3]);
        const bool widened = row.margins != row.marginsAfter;
        EXPECT_EQ(window.SaveNeeded(), widened) << "widened margins are a change to the document";
        EXPECT_EQ(window.Savebutton()->isHidden(), !widened);
    }
}

TEST_F(CalendarMainPrintingTest, PrintingAnywayPrintsTheSamePageAsPrintingWithinTheBorder)
{
    // Text must print at the printer's resolution on both ways to the paper.
    QImage pages[2];
    const double borders[2] = {0.25, 0};
    for (int i = 0; i < 2; ++i) {
        QFile::remove(m_printers.outputFile());
        m_printers.unprintableInches = QMarginsF(borders[i], borders[i], borders[i], borders[i]);
        ScriptedPrompts prompts;
        TCalendarMain &window = startWithMargins(0.1f, 0.1f, 0.1f, 0.1f);
        prompts.answerPrinterDialog(true);
        if (i == 0) {
            prompts.answerNo();
            prompts.answerYes();
        }
        window.mnuPrintCalendarClick();
        pages[i] = PdfFile::rasterise(m_printers.outputFile(), 50);
    }
    ASSERT_FALSE(pages[0].isNull());
    EXPECT_TRUE(pages[0] == pages[1]);
}

TEST_F(CalendarMainPrintingTest, CancellingThePrintDialogPrintsNothing)
{
    TCalendarMain &window = startWith([](CalendarModel &) {});
    m_prompts.answerPrinterDialog(false);
    window.mnuPrintCalendarClick();
    EXPECT_FALSE(printed());
    EXPECT_EQ(questions(), QStringList());
}

TEST_F(CalendarMainPrintingTest, DialogsOpenOnTheCalendarsPaper)
{
    struct Row {
        quint8 paper;
        QPageSize::PageSizeId expected;
    };
    const Row rows[] = {{kPaperA4, QPageSize::A4}, {kPaperLetter, QPageSize::Letter}};
    for (const Row &row : rows) {
        ScriptedPrompts prompts;
        TCalendarMain &window = startWith([&](CalendarModel &document) { document.SetPaperSize(row.paper); });
        // The user picks another paper in one dialog; the next opens on the calendar's again.
        const auto expectPaper = [&](QPrinter &printer) {
            EXPECT_EQ(printer.pageLayout().pageSize().id(), row.expected);
            printer.setPageSize(QPageSize(QPageSize::Legal));
        };
        prompts.answerPrinterDialog(true, expectPaper);
        window.mnuPrintSetupClick();
        prompts.answerPrinterDialog(false, expectPaper);
        window.mnuPrintCalendarClick();
    }
}

TEST_F(CalendarMainPrintingTest, PreviewShowsWhatPrintingSendsAfterTheSameMarginCheck)
{
    m_printers.unprintableInches = QMarginsF(0.25, 0.25, 0.25, 0.25);
    TCalendarMain &window = startWithMargins(0.1f, 0.5f, 0.5f, 0.5f);
    m_prompts.answerYes();
    window.mnuPrintPreviewClick();
    EXPECT_EQ(questions().size(), 1);
    EXPECT_EQ(m_prompts.asked().last().kind, QStringLiteral("preview"));
    EXPECT_TRUE(printed());
    EXPECT_EQ(calendar().LeftMarginInch(), 0.25f);
}

TEST_F(CalendarMainPrintingTest, SaveAsBitmapProposesANameAndWritesThePageAtItsZoom)
{
    TCalendarMain &window = startWith([](CalendarModel &) {});
    m_prompts.answerFile(path(QStringLiteral("at60.BMP")));
    window.mnuSaveAsBitmapClick();
    const ScriptedPrompts::Asked &asked = m_prompts.asked().last();
    EXPECT_EQ(asked.text, QStringLiteral("Save Calendar As Bitmap"));
    EXPECT_EQ(asked.fileRequest.fileName, QStringLiteral("Plan.BMP"));
    EXPECT_EQ(asked.fileRequest.filter, QStringLiteral("Bitmap File (*.BMP);;PNG File (*.PNG)"));
    EXPECT_EQ(asked.fileRequest.defaultSuffix, QStringLiteral("BMP"));
    EXPECT_TRUE(asked.fileRequest.confirmOverwrite);

    calendar().SetMagnification(100);
    m_prompts.answerFile(path(QStringLiteral("at100.png")));
    window.mnuSaveAsBitmapClick();
    calendar().SetMagnification(50);
    m_prompts.answerFile(path(QStringLiteral("at50.bmp")));
    window.mnuSaveAsBitmapClick();

    QImageReader at100(path(QStringLiteral("at100.png")));
    QImageReader at50(path(QStringLiteral("at50.bmp")));
    EXPECT_EQ(at100.format(), QByteArray("png"));
    EXPECT_EQ(at50.format(), QByteArray("bmp"));
    EXPECT_EQ(at100.size(), QSize(816, 1056)) << "a Letter page at 96 pixels per inch";
    EXPECT_EQ(at50.size(), at100.size() / 2);
    EXPECT_EQ(QImageReader(path(QStringLiteral("at60.BMP"))).format(), QByteArray("bmp"));

    // A file that cannot be written is reported, and nothing is left of it.
    const QString unwritable = path(QStringLiteral("missing/Plan.BMP"));
    m_prompts.answerFile(unwritable);
    window.mnuSaveAsBitmapClick();
    EXPECT_EQ(m_prompts.messages(), QStringList{QStringLiteral("Cannot create file ") + unwritable});
    EXPECT_FALSE(QFile::exists(unwritable));

    m_prompts.answerCancel();
    window.mnuSaveAsBitmapClick();
}

TEST_F(CalendarMainPrintingTest, UntitledCalendarsExportUnderTheirMonthAndYear)
{
    TCalendarMain &window = start();
    onNextModal<TCalendarProperties>(
        [](TCalendarProperties *dialog) { dialog->findChild<QPushButton *>(QStringLiteral("OkButton"))->click(); });
    window.New1Click();
    calendar().SetMainCalMonth(12);
    calendar().SetMainCalYear(1997);

    m_prompts.answerCancel();
    window.mnuSaveAsBitmapClick();
    EXPECT_EQ(m_prompts.asked().last().fileRequest.fileName, QStringLiteral("Dec1997.BMP"));

    const QString pdf = path(QStringLiteral("Dec1997.pdf"));
    m_prompts.answerFile(pdf);
    window.mnuExportPdfClick();
    EXPECT_EQ(m_prompts.asked().last().fileRequest.fileName, QStringLiteral("Dec1997.pdf"));
    EXPECT_EQ(PdfFile::pageSize(pdf), QSizeF(792, 612)) << "a new calendar lies landscape on Letter";
    EXPECT_TRUE(PdfFile::text(pdf).contains(QStringLiteral("December")));
}

} // namespace
} // namespace qm::test
