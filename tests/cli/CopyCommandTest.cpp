#include "CliTestSupport.h"
#include "richtext/QmRtfStrings.h"

using namespace qm::cli;

namespace {

void planner(CalendarModel &calendar)
{
    calendar.SetCalendarLayout(loDay10);
    calendar.SetMainCalYear(2027);
    calendar.SetCellBorder(cbBottom);
    TQmRTFTextIo &text = calendar.Cells(3).RtfText();
    text.Header().GetFontNr("Arial"); // as the editor's documents have
    TQmRtfStrings(text).Add("Meeting");
}

} // namespace

class CopyCommand : public CliFilesTest
{
};

TEST_F(CopyCommand, TheOutputsExtensionChoosesWhatIsWritten)
{
    save("plan.QMF", planner);
    CalendarModel expected;
    planner(expected);
    ASSERT_EQ(run(runCopy, {path("plan.QMF"), path("copy.qmf")}), kSuccess);
    EXPECT_EQ(contents("copy.qmf"), contents("plan.QMF"));
    ASSERT_EQ(run(runCopy, {path("plan.QMF"), path("look.Qms")}), kSuccess);
    EXPECT_EQ(contents("look.Qms"), expected.StyleSheetBytes());

    // A style sheet becomes a new calendar in that style, dated today.
    ASSERT_EQ(run(runCopy, {path("look.Qms"), path("new.QMF")}), kSuccess);
    CalendarModel copy;
    copy.LoadCalendarFromFile(path("new.QMF"));
    EXPECT_EQ(copy.StyleSheetBytes(), expected.StyleSheetBytes());
    EXPECT_EQ(copy.MainCalYear(), 2026);
    EXPECT_FALSE(copy.HasCellText());
}

TEST_F(CopyCommand, SettingsApplyOnTop)
{
    save("plan.QMF", planner);
    ASSERT_EQ(run(runCopy, {path("plan.QMF"), path("next.QMF"), "--year", "2028", "--paper", "a4"}), kSuccess);
    CalendarModel copy;
    copy.LoadCalendarFromFile(path("next.QMF"));
    EXPECT_EQ(copy.MainCalYear(), 2028);
    EXPECT_EQ(copy.PaperSize(), qm::kPaperA4);
    EXPECT_EQ(copy.CellBorder(), cbBottom);
    EXPECT_EQ(TQmRtfStrings(copy.Cells(3).RtfText()).Strings(0), "Meeting");
}

TEST_F(CopyCommand, FilesThatCannotBeReadOrNamesWithoutAKnownExtensionFail)
{
    save("plan.QMF", planner);
    write("cut.QMF", contents("plan.QMF").left(200));
    const struct {
        QStringList arguments;
        QString error; // empty: a usage error
    } rows[] = {
        {{path("missing.QMF"), path("out.QMF")}, "Cannot open file " + path("missing.QMF")},
        {{path("cut.QMF"), path("out.QMF")}, "Stream read error in " + path("cut.QMF")},
        {{path("plan.QMF"), path("no/such/folder/out.QMF")}, "Cannot create file " + path("no/such/folder/out.QMF")},
        {{path("plan.QMF"), path("out.txt")}, {}},
        {{path("plan.txt"), path("out.QMF")}, {}},
        {{path("plan.QMF")}, {}},
    };
    for (const auto &row : rows)
        expectFailure(runCopy, row.arguments, row.error);
    EXPECT_TRUE(contents("out.QMF").isEmpty());
}
