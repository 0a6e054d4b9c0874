#include "CliTestSupport.h"
#include "calendar/CalendarTypes.h"
#include "richtext/QmRtfStrings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace qm::cli;

namespace {

QJsonArray rect(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom};
}

} // namespace

class InfoCommand : public CliFilesTest
{
protected:
    QJsonObject info(const QStringList &arguments)
    {
        EXPECT_EQ(run(runInfo, arguments), kSuccess);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(m_out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        return document.object();
    }
};

TEST_F(InfoCommand, ANewCalendarIsDatedToday)
{
    const QJsonObject json = info({});
    EXPECT_EQ(json["CalendarLayout"].toInt(), 3);
    EXPECT_EQ(json["CalendarOrientation"].toInt(), 1);
    EXPECT_EQ(json["MainCalDay"].toInt(), 31);
    EXPECT_EQ(json["MainCalMonth"].toInt(), 3);
    EXPECT_EQ(json["MainCalYear"].toInt(), 2026);
    EXPECT_EQ(json["LeftMarginInch"].toDouble(), 0.5);
    EXPECT_EQ(json["StartingTime"].toString(), "08:00");
    EXPECT_EQ(json["MonthNameList"].toArray().first().toString(), "January");
    EXPECT_EQ(json["DayNameList"].toArray().size(), 7);
    EXPECT_EQ(json["MiniHeadersFont"].toObject()["Color"].toInt(), 0);
    EXPECT_EQ(json["TitleFont"].toObject()["Name"].toString(), "Times New Roman");
    EXPECT_TRUE(json["TitleFont"].toObject()["Bold"].toBool());
    EXPECT_EQ(json["MiniHeadersBorder"].toInt(), int(cbTopBottom));
    EXPECT_EQ(json["Cells"].toArray().size(), 42);
    EXPECT_TRUE(m_out.startsWith("{\n  \"PaperSize\": 0,")); // keys keep the documented order
    EXPECT_TRUE(m_out.trimmed().endsWith("]\n}"));
}

TEST_F(InfoCommand, ReproducesTheWorkedExample)
{
    const QJsonObject json =
        info({"--layout", "2", "--month", "1", "--year", "1997", "--margins", "0.25,0.25,0.25,0.25"});
    EXPECT_EQ(json["PageWidth"].toInt(), 816);
    EXPECT_EQ(json["PageHeight"].toInt(), 1056);
    EXPECT_EQ(json["MainRect"].toArray(), rect(26, 26, 790, 1030));
    EXPECT_EQ(json["MiniCount"].toInt(), 2);
    EXPECT_EQ(json["MiniRects"].toArray(), (QJsonArray{rect(38, 38, 158, 158), rect(658, 38, 778, 158)}));
    EXPECT_EQ(json["MiniMonths"].toArray(), (QJsonArray{QJsonArray{12, 1996}, QJsonArray{2, 1997}}));
    EXPECT_EQ(json["MiniTitleFont"].toObject()["Size"].toInt(), 10);
    const QJsonObject first = json["Cells"].toArray().first().toObject();
    EXPECT_EQ(first["rTotal"].toArray(), rect(31, 232, 129, 363));
    EXPECT_EQ(first["iDay"].toInt(), 0);
    EXPECT_EQ(json["Cells"].toArray().at(3).toObject()["iDay"].toInt(), 1);
}

TEST_F(InfoCommand, SettingsOptionsReachTheCalendar)
{
    const QJsonObject json = info({"--ppi",
                                   "120",
                                   "--zoom",
                                   "50",
                                   "--starting-time",
                                   "9:30",
                                   "--number-position",
                                   "center",
                                   "--start-of-week",
                                   "2",
                                   "--paper",
                                   "A4",
                                   "--layout",
                                   "20",
                                   "--day",
                                   "31",
                                   "--month",
                                   "4",
                                   "--margins",
                                   "0.3,0.4,0.5,0.6"});
    EXPECT_EQ(json["PageWidth"].toInt(), 992); // A4 at 120 pixels per inch
    EXPECT_EQ(json["Magnification"].toInt(), 50);
    EXPECT_EQ(json["StartingTime"].toString(), "09:30");
    EXPECT_EQ(json["NumberPosition"].toInt(), int(cnpCenter));
    EXPECT_EQ(json["StartOfWeek"].toInt(), 2);
    EXPECT_EQ(json["MainCalDay"].toInt(), 31); // kept; the planner draws from 30 April
    EXPECT_EQ(json["TopMarginInch"].toDouble(), 0.4);
    EXPECT_TRUE(json["IsPlanner"].toBool());
    // Cells of a drawing at 50 %: the planner spans x 19..464, its label column
    // ends at 19 + round(0.15 x 445) = 86 and the text area starts 4 pixels on.
    EXPECT_EQ(json["Cells"].toArray().first().toObject()["rTotal"].toArray().at(0).toInt(), 90);
}

TEST_F(InfoCommand, BadSettingsAreRefusedWithOneLine)
{
    const QStringList bad[] = {
        {"--layout", "22"},
        {"--layout", "x"},
        {"--paper", "b5"},
        {"--margins", "1,2,3"},
        {"--margins", "1,2,3,-1"},
        {"--month", "13"},
        {"--year", "0"},
        {"--day", "32"},
        {"--starting-time", "25:00"},
        {"--starting-time", "8"},
        {"--number-position", "left"},
        {"--zoom", "0"},
        {"--ppi", "5"},
        {"--foo"},
        {"--month"},
        {"extra.png"},
    };
    for (const QStringList &arguments : bad) {
        try {
            run(runInfo, arguments);
            ADD_FAILURE() << arguments.join(' ').toStdString() << " was accepted";
        } catch (const UsageError &error) {
            EXPECT_FALSE(error.message().contains('\n')) << error.message().toStdString();
            EXPECT_FALSE(error.message().isEmpty());
        }
    }
}

TEST_F(InfoCommand, SaysWhichCellsTextIsCutAtTheZoomGiven)
{
    const QString document = save("month.QMF", [](CalendarModel &calendar) {
        TQmRtfStrings(calendar.Cells(10).RtfText()).Add("Dentist");
        for (int line = 0; line < 20; ++line)
            TQmRtfStrings(calendar.Cells(11).RtfText()).Add("one of many lines");
    });
    const QJsonArray cells = info({document, "--zoom", "100"})["Cells"].toArray();
    EXPECT_FALSE(cells[9].toObject()["cut"].toBool());
    EXPECT_EQ(cells[9].toObject()["hiddenCharacters"].toInt(), 0);
    EXPECT_TRUE(cells[10].toObject()["cut"].toBool());
    const int hiddenAt100 = cells[10].toObject()["hiddenCharacters"].toInt();
    EXPECT_GT(hiddenAt100, 0);
    EXPECT_LT(hiddenAt100, 20 * 17);
}

TEST_F(InfoCommand, ADocumentOrAStyleSheetIsReadBeforeTheSettings)
{
    const auto week = [](CalendarModel &calendar) {
        calendar.SetCalendarLayout(loWeek);
        calendar.SetMainCalDay(3);
        calendar.SetMainCalMonth(6);
        calendar.SetMainCalYear(2030);
        calendar.SetHeadersBorder(cbTop);
        TQmRtfStrings(calendar.Cells(2).RtfText()).Add("Dentist");
        TQmRtfStrings(calendar.Cells(2).RtfText()).Add(QStringLiteral("caf\u00e9 at 10"));
    };
    const QString document = save("week.QMF", week);
    const QString styleSheet = save("week.qms", week);

    QJsonObject json = info({document});
    EXPECT_EQ(json["CalendarLayout"].toInt(), int(loWeek));
    EXPECT_EQ(json["MainCalYear"].toInt(), 2030);
    EXPECT_EQ(json["HeadersBorder"].toInt(), int(cbTop));
    EXPECT_TRUE(json["IsPlanner"].toBool());
    // Each cell's text as rtf2txt prints it.
    const QJsonArray cells = json["Cells"].toArray();
    EXPECT_EQ(cells[1].toObject()["text"].toString(), "Dentist\ncaf\u00e9 at 10\n");
    EXPECT_EQ(cells[0].toObject()["text"].toString(), "\n");
    EXPECT_TRUE(m_out.contains("\"iDay\": 0, \"text\": \"Dentist\\ncaf\u00e9 at 10\\n\", \"cut\": false"));

    json = info({document, "--year", "2031", "--layout", "19"});
    EXPECT_EQ(json["MainCalYear"].toInt(), 2031);
    EXPECT_EQ(json["MainCalMonth"].toInt(), 6);
    EXPECT_EQ(json["CalendarLayout"].toInt(), int(lo2Week));

    json = info({styleSheet});
    EXPECT_EQ(json["CalendarLayout"].toInt(), int(loWeek));
    EXPECT_EQ(json["HeadersBorder"].toInt(), int(cbTop));
    EXPECT_EQ(json["MainCalYear"].toInt(), 2026); // a style sheet keeps today's date
    EXPECT_TRUE(json["IsPlanner"].toBool());

    EXPECT_THROW(run(runInfo, {document, styleSheet}), UsageError);
}
