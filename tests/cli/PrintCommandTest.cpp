#include "CliTestSupport.h"

#include "support/FakePrinters.h"
#include "support/ScriptedPrompts.h"

using qm::test::FakePrinters;

namespace {

class PrintCommandTest : public CliFilesTest
{
protected:
    void SetUp() override
    {
        m_printers.outputFolder = m_folder.path();
        m_printers.unprintableInches = QMarginsF(0.25, 0.25, 0.25, 0.25);
        qm::Printers::install(&m_printers);
    }
    void TearDown() override
    {
        qm::Printers::install(nullptr);
        CliFilesTest::TearDown();
    }

    bool printed() const { return QFile::exists(m_printers.outputFile()); }

    FakePrinters m_printers;
    qm::test::ScriptedPrompts m_prompts;
};

TEST_F(PrintCommandTest, MarginsOutsideThePrintableAreaStopThePrintUnlessWidenedForIt)
{
    const QString document = save(QStringLiteral("Plan.QMF"), [](CalendarModel &calendar) {
        calendar.SetLeftMarginInch(0.1f);
        calendar.SetBottomMarginInch(0);
    });
    const QByteArray bytes = contents(QStringLiteral("Plan.QMF"));
    EXPECT_EQ(run(qm::cli::runPrint, {document}), qm::cli::kFailure);
    EXPECT_EQ(m_err, QStringLiteral("Left Margin is outside of Printer printable area\n"
                                    "Bottom Margin is outside of Printer printable area\n"
                                    "quillmark-cli: nothing printed; --widen-margins prints with these margins "
                                    "widened\n"));
    EXPECT_FALSE(printed());

    EXPECT_EQ(run(qm::cli::runPrint,
                  {document, QStringLiteral("--widen-margins"), QStringLiteral("--copies"), QStringLiteral("2")}),
              qm::cli::kSuccess);
    EXPECT_TRUE(printed());
    EXPECT_EQ(contents(QStringLiteral("Plan.QMF")), bytes) << "the document keeps its margins";
}

TEST_F(PrintCommandTest, SaysWhyNothingCanPrint)
{
    const QString document = save(QStringLiteral("Plan.QMF"), [](CalendarModel &) {});
    struct Row {
        bool installed;
        bool hasDefault;
        QStringList arguments;
        QString message;
        QString error;
    };
    const Row rows[] = {
        {false,
         false,
         {},
         QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"),
         {}},
        {false,
         false,
         {QStringLiteral("--printer"), FakePrinters::printerName()},
         QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"),
         {}},
        {true,
         false,
         {},
         QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"),
         {}},
        {true,
         true,
         {QStringLiteral("--printer"), QStringLiteral("Attic")},
         {},
         QStringLiteral("quillmark-cli: there is no printer named Attic\n")},
    };
    for (const Row &row : rows) {
        qm::test::ScriptedPrompts prompts;
        m_printers.installed = row.installed;
        m_printers.hasDefault = row.hasDefault;
        EXPECT_EQ(run(qm::cli::runPrint, QStringList{document} + row.arguments), qm::cli::kFailure);
        EXPECT_EQ(prompts.messages(), row.message.isEmpty() ? QStringList() : QStringList{row.message});
        EXPECT_EQ(m_err, row.error);
        EXPECT_FALSE(printed());
    }
    // The default printer is not needed when one is named.
    m_printers.hasDefault = false;
    EXPECT_EQ(run(qm::cli::runPrint, {document, QStringLiteral("--printer"), FakePrinters::printerName()}),
              qm::cli::kSuccess);
    EXPECT_TRUE(printed());
}

} // namespace
