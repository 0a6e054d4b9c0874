#include "CliTestSupport.h"
#include "richtext/QmRtfStrings.h"

using namespace qm::cli;
using namespace Qt::StringLiterals;

class SetCellCommand : public CliFilesTest
{
protected:
    void SetUp() override
    {
        save("plan.QMF", [](CalendarModel &calendar) {
            TQmRtfStrings(calendar.Cells(7).RtfText()).Add("old text");
            TQmRtfStrings(calendar.Cells(8).RtfText()).Add("untouched");
        });
    }
};

TEST_F(SetCellCommand, PlainTextRtfOrNothingReplacesTheCell)
{
    const struct {
        const char *name;
        QByteArray text;
        QStringList paragraphs;
    } rows[] = {
        {"plain.txt", "Lunch\r\nwith Ann", {"Lunch", "with Ann"}},
        {"linux.txt",
         "Zaj\xc4\x99"
         "cia\nz Ann\xc4\x85\n\n",
         {u"Zajęcia"_s, u"z Anną"_s, "", ""}},
        {"mac.txt", "Caf\xe9\rTee", {u"Café"_s, "Tee"}},
        {"formatted.rtf", "\n{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Call {\\b Bob}\\par}", {"Call Bob", ""}},
        {"empty.txt", "", {}},
    };
    for (const auto &row : rows) {
        write(row.name, row.text);
        ASSERT_EQ(run(runSetCell, {path("plan.QMF"), "7", path(row.name), path("out.QMF")}), kSuccess) << row.name;
        EXPECT_EQ(cellText("out.QMF", 7), row.paragraphs) << row.name;
        EXPECT_EQ(cellText("out.QMF", 8), QStringList{"untouched"}) << row.name;
    }
}

TEST_F(SetCellCommand, BadArgumentsAndUnreadableFilesFail)
{
    write("note.txt", "note");
    const struct {
        QStringList arguments;
        QString error; // empty: a usage error
    } rows[] = {
        {{path("plan.QMF"), "0", path("note.txt"), path("out.QMF")}, {}},
        {{path("plan.QMF"), "43", path("note.txt"), path("out.QMF")}, {}},
        {{path("plan.QMF"), "x", path("note.txt"), path("out.QMF")}, {}},
        {{path("plan.QMS"), "1", path("note.txt"), path("out.QMF")}, {}},
        {{path("plan.QMF"), "1", path("note.txt"), path("out.QMS")}, {}},
        {{path("plan.QMF"), "1", path("note.txt")}, {}},
        {{path("gone.QMF"), "1", path("note.txt"), path("out.QMF")}, "Cannot open file " + path("gone.QMF")},
        {{path("plan.QMF"), "1", path("gone.txt"), path("out.QMF")}, "Cannot open file " + path("gone.txt")},
    };
    for (const auto &row : rows)
        expectFailure(runSetCell, row.arguments, row.error);
    EXPECT_TRUE(contents("out.QMF").isEmpty());
}
