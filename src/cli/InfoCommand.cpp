// quillmark-cli info [DOC.QMF|STYLE.QMS] [settings]: the calendar's settings,
// its layout and the cells of a drawing, as one JSON object whose keys keep
// the order below.
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"
#include "cli/DocumentText.h"
#include "platform/QmError.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace qm::cli {
namespace {

QString jsonText(const QJsonValue &value)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    const QString wrapped = QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    return wrapped.mid(1, wrapped.size() - 2);
}

/// A JSON object that keeps its keys in the order they were added.
class OrderedObject
{
public:
    OrderedObject &add(const QString &key, const QJsonValue &value) { return addText(key, jsonText(value)); }
    OrderedObject &add(const QString &key, const OrderedObject &object) { return addText(key, object.compact()); }
    OrderedObject &addText(const QString &key, const QString &text)
    {
        m_members << jsonText(key) + QStringLiteral(": ") + text;
        return *this;
    }
    QString compact() const { return u'{' + m_members.join(QStringLiteral(", ")) + u'}'; }
    QString indented() const
    {
        return QStringLiteral("{\n  ") + m_members.join(QStringLiteral(",\n  ")) + QStringLiteral("\n}\n");
    }

private:
    QStringList m_members;
};

QJsonArray rectArray(const TRect &r)
{
    return {r.left, r.top, r.right, r.bottom};
}

double shortestDecimal(float value)
{
    return QString::number(value, 'g', 7).toDouble();
}

template <std::size_t N> QJsonArray nameArray(const std::array<QString, N> &names)
{
    QJsonArray array;
    for (const QString &name : names)
        array.append(name);
    return array;
}

OrderedObject fontObject(const FontDescription &font)
{
    OrderedObject object;
    object.add(QStringLiteral("Name"), font.name)
        .add(QStringLiteral("Size"), font.size)
        .add(QStringLiteral("Bold"), font.style.testFlag(FontStyle::Bold))
        .add(QStringLiteral("Italic"), font.style.testFlag(FontStyle::Italic))
        .add(QStringLiteral("Underline"), font.style.testFlag(FontStyle::Underline))
        .add(QStringLiteral("StrikeOut"), font.style.testFlag(FontStyle::StrikeOut))
        .add(QStringLiteral("Color"), font.color);
    return object;
}

void addSettings(OrderedObject &json, const CalendarModel &c)
{
    json.add(QStringLiteral("PaperSize"), c.PaperSize())
        .add(QStringLiteral("CalendarLayout"), int(c.CalendarLayout()))
        .add(QStringLiteral("CalendarOrientation"), c.CalendarOrientation())
        .add(QStringLiteral("LeftMarginInch"), shortestDecimal(c.LeftMarginInch()))
        .add(QStringLiteral("TopMarginInch"), shortestDecimal(c.TopMarginInch()))
        .add(QStringLiteral("RightMarginInch"), shortestDecimal(c.RightMarginInch()))
        .add(QStringLiteral("BottomMarginInch"), shortestDecimal(c.BottomMarginInch()))
        .add(QStringLiteral("MainCalDay"), c.MainCalDay())
        .add(QStringLiteral("MainCalMonth"), c.MainCalMonth())
        .add(QStringLiteral("MainCalYear"), c.MainCalYear())
        .add(QStringLiteral("StartOfWeek"), c.StartOfWeek())
        .add(QStringLiteral("StartingTime"), FormatDateTime(u"hh:nn", c.StartingTime()))
        .add(QStringLiteral("MonthNameList"), nameArray(c.MonthNameList()))
        .add(QStringLiteral("DayNameList"), nameArray(c.DayNameList()))
        .add(QStringLiteral("TitleBGColor"), c.TitleBGColor())
        .add(QStringLiteral("HeadersBGColor"), c.HeadersBGColor())
        .add(QStringLiteral("MiniHeadersBGColor"), c.MiniHeadersBGColor())
        .add(QStringLiteral("MiniCalBGColor"), c.MiniCalBGColor())
        .add(QStringLiteral("TitleFont"), fontObject(c.TitleFont()))
        .add(QStringLiteral("HeadersFont"), fontObject(c.HeadersFont()))
        .add(QStringLiteral("CellFont"), fontObject(c.CellFont()))
        .add(QStringLiteral("MiniTitleFont"), fontObject(c.MiniTitleFont()))
        .add(QStringLiteral("MiniHeadersFont"), fontObject(c.MiniHeadersFont()))
        .add(QStringLiteral("MiniCellFont"), fontObject(c.MiniCellFont()))
        .add(QStringLiteral("CalendarLineLayout"), c.CalendarLineLayout())
        .add(QStringLiteral("MiniCalendarLineLayout"), c.MiniCalendarLineLayout())
        .add(QStringLiteral("CalendarBorder"), c.CalendarBorder())
        .add(QStringLiteral("HeadersBorder"), c.HeadersBorder())
        .add(QStringLiteral("CellBorder"), c.CellBorder())
        .add(QStringLiteral("MiniCalBorder"), c.MiniCalBorder())
        .add(QStringLiteral("MiniHeadersBorder"), c.MiniHeadersBorder())
        .add(QStringLiteral("MiniCellBorder"), c.MiniCellBorder())
        .add(QStringLiteral("HeadersStyle"), c.HeadersStyle())
        .add(QStringLiteral("MiniHeadersStyle"), c.MiniHeadersStyle())
        .add(QStringLiteral("NumberPosition"), c.NumberPosition())
        .add(QStringLiteral("TitleShowYear"), c.TitleShowYear())
        .add(QStringLiteral("MiniShowYear"), c.MiniShowYear())
        .add(QStringLiteral("Magnification"), c.Magnification());
}

void addLayout(OrderedObject &json, const CalendarModel &c)
{
    QJsonArray miniRects;
    QJsonArray miniMonths;
    for (int i = 1; i <= c.MiniCount(); ++i) {
        miniRects.append(rectArray(c.MiniRects(i)));
        miniMonths.append(QJsonArray{c.MiniMonths(i).month, c.MiniMonths(i).year});
    }
    json.add(QStringLiteral("PageWidth"), c.PageWidth())
        .add(QStringLiteral("PageHeight"), c.PageHeight())
        .add(QStringLiteral("MainRect"), rectArray(c.MainRect()))
        .add(QStringLiteral("MiniCount"), c.MiniCount())
        .add(QStringLiteral("MiniRects"), miniRects)
        .add(QStringLiteral("MiniMonths"), miniMonths)
        .add(QStringLiteral("ShowMainCalendar"), c.ShowMainCalendar())
        .add(QStringLiteral("ShowMinis"), c.ShowMinis())
        .add(QStringLiteral("IsPlanner"), c.IsPlanner());
}

QString cellsText(CalendarModel &c)
{
    QStringList cells;
    for (int i = 1; i <= kCellCount; ++i) {
        const CellRecord &cell = c.CellRecordOf(i);
        const std::optional<QString> text = documentText(c.Cells(i).RtfText());
        if (!text)
            throw QmError(QStringLiteral("Cannot read the text of cell %1").arg(i));
        cells << OrderedObject()
                     .add(QStringLiteral("rTotal"), rectArray(cell.rTotal))
                     .add(QStringLiteral("rFree"), rectArray(cell.rFree))
                     .add(QStringLiteral("iDay"), cell.iDay)
                     .add(QStringLiteral("text"), *text)
                     .add(QStringLiteral("cut"), cell.hiddenCharacters > 0)
                     .add(QStringLiteral("hiddenCharacters"), cell.hiddenCharacters)
                     .compact();
    }
    return QStringLiteral("[\n    ") + cells.join(QStringLiteral(",\n    ")) + QStringLiteral("\n  ]");
}

} // namespace

int runInfo(const QStringList &arguments, CliIo &io)
{
    QCommandLineParser parser;
    parseCommandLine(parser, arguments);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        throw UsageError(QStringLiteral("info takes at most one document or style sheet"));
    const std::unique_ptr<CalendarModel> calendar = CalendarOptions::read(parser).makeCalendar(files.value(0));
    calendar->MakeBitmap(); // the cells are those of a drawing at the zoom

    OrderedObject json;
    addSettings(json, *calendar);
    addLayout(json, *calendar);
    json.addText(QStringLiteral("Cells"), cellsText(*calendar));
    io.out << json.indented();
    io.out.flush();
    return kSuccess;
}

} // namespace qm::cli
