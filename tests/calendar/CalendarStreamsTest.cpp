#include "calendar/CalendarModel.h"
#include "richtext/ErrorText.h"
#include "richtext/QmRtfStrings.h"
#include "richtext/TestDocuments.h"
#include "support/FileSizeLimit.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <type_traits>

using namespace qm;
using qm::test::errorText;

namespace {

using Load = void (CalendarModel::*)(QIODevice &);
constexpr Load kLoadDocument = &CalendarModel::LoadCalendarFromStream;
constexpr Load kLoadStyleSheet = &CalendarModel::LoadStyleSheetFromStream;

void load(CalendarModel &model, QByteArray bytes, Load how = kLoadDocument)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    (model.*how)(buffer);
}

QString fontText(const FontDescription &font)
{
    return QStringLiteral("%1/%2/%3/%4").arg(font.name).arg(font.size).arg(int(font.style)).arg(font.color);
}

template <typename T> QString valueText(T value)
{
    if constexpr (std::is_floating_point_v<T>)
        return QString::number(value, 'g', 9);
    else
        return QString::number(qint64(value));
}

/// One stored setting: how a test changes it away from the defaults of a new
/// calendar, and its value as text.
struct Setting {
    const char *name;
    std::function<void(CalendarModel &)> change;
    std::function<QString(const CalendarModel &)> value;
};

// clang-format off
#define SETTING(Name, ...)                                                                                             \
    Setting{#Name, [](CalendarModel &m) { m.Set##Name(__VA_ARGS__); },                                                 \
            [](const CalendarModel &m) { return valueText(m.Name()); }}
#define FONT_SETTING(Name, ...)                                                                                        \
    Setting{#Name, [](CalendarModel &m) { m.Set##Name(FontDescription{__VA_ARGS__}); },                                       \
            [](const CalendarModel &m) { return fontText(m.Name()); }}
// clang-format on

/// Every setting a document stores, in an order in which each change sticks
/// (the line layouts first, so that the single borders set later win).
const std::vector<Setting> &storedSettings()
{
    static const std::vector<Setting> settings = {
        SETTING(PaperSize, kPaperA4),
        SETTING(CalendarLayout, loMC12MonthLS),
        SETTING(LeftMarginInch, 0.3f),
        SETTING(TopMarginInch, 1.3f),
        SETTING(RightMarginInch, 0.75f),
        SETTING(BottomMarginInch, 2.05f),
        SETTING(CalendarLineLayout, llHeadersAndCells),
        SETTING(MiniCalendarLineLayout, mllMinimal),
        SETTING(CalendarBorder, cbTop),
        SETTING(HeadersBorder, cbBottom),
        SETTING(CellBorder, cbTopBottom),
        SETTING(MiniCalBorder, cbTopBottom),
        SETTING(MiniHeadersBorder, cbAll),
        SETTING(MiniCellBorder, cbBottom),
        SETTING(TitleBGColor, rgbColor(1, 2, 3)),
        SETTING(HeadersBGColor, clRed),
        SETTING(MiniHeadersBGColor, clBtnFace),
        SETTING(MiniCalBGColor, clYellow),
        FONT_SETTING(TitleFont, "Arial", 30, FontStyle::Italic, clRed),
        FONT_SETTING(HeadersFont, "Courier New", 9, FontStyle::Underline | FontStyle::StrikeOut, rgbColor(9, 8, 7)),
        FONT_SETTING(CellFont, "Georgia", 200, FontStyle::Bold | FontStyle::Italic, clBlack),
        FONT_SETTING(MiniTitleFont, "Verdana", 7, FontStyle::StrikeOut, clSilver),
        FONT_SETTING(MiniHeadersFont, "Lucida Console", 5, {}, clBtnFace),
        FONT_SETTING(MiniCellFont, "Caf\u00e9", -3, FontStyle::Underline, clWhite),
        SETTING(TitleShowYear, false),
        SETTING(MiniShowYear, false),
        SETTING(HeadersStyle, dsWhole),
        SETTING(MiniHeadersStyle, dsThreeChars),
        SETTING(NumberPosition, cnpCenter),
        SETTING(MainCalDay, 17),
        SETTING(MainCalMonth, 11),
        SETTING(MainCalYear, 2031),
        SETTING(StartOfWeek, 2),
        {"StartingTime", [](CalendarModel &m) { m.SetStartingTime(EncodeTime(14, 37, 0, 0)); },
         [](const CalendarModel &m) { return FormatDateTime(u"hh:nn", m.StartingTime()); }},
        {"MonthNameList",
         [](CalendarModel &m) {
             for (int i = 1; i <= 12; ++i)
                 m.SetMonthName(i, QStringLiteral("F\u00e9vrier %1").arg(i));
             m.SetMonthName(5, QString(300, u'M'));
         },
         [](const CalendarModel &m) {
             return QStringList(m.MonthNameList().begin(), m.MonthNameList().end()).join(u',');
         }},
        {"DayNameList",
         [](CalendarModel &m) {
             for (int i = 1; i <= 7; ++i)
                 m.SetDayName(i, QStringLiteral("Tag %1 \u20ac").arg(i));
         },
         [](const CalendarModel &m) { return QStringList(m.DayNameList().begin(), m.DayNameList().end()).join(u','); }},
        // Derived from the layout, but stored and read back all the same.
        {"CalendarOrientation", [](CalendarModel &) {},
         [](const CalendarModel &m) { return QString::number(m.CalendarOrientation()); }},
    };
    return settings;
}

CalendarModel &withEverySettingChanged(CalendarModel &model)
{
    for (const Setting &setting : storedSettings())
        setting.change(model);
    return model;
}

constexpr int kCellsWithText[] = {1, 2, 17, 42};

/// Two paragraphs of text, the second one ending bold and larger in another
/// font, in a few cells.
CalendarModel &withCellTexts(CalendarModel &model)
{
    for (int cell : kCellsWithText) {
        TQmRTFTextIo &text = model.Cells(cell).RtfText();
        text.Header().GetFontNr("Arial"); // font 0, as in every document the editor makes
        const quint8 times = text.Header().GetFontNr("Times New Roman");
        TQmRtfStrings(text).Add("Text of cell " + QByteArray::number(cell));
        TQmRtfStrings(text).Add("caf\xe9 {braces} \\ and a backslash");
        test::appendRun(text, text.LastParagraph(), " bold", test::attr(times, 14, TAttr::Bold));
    }
    return model;
}

QByteArray emptyCellStream()
{
    return QByteArray("TPF0\x0dTWPRtfStorage") + QByteArray(3, 0);
}

/// A style sheet of a new calendar with these first settings, as in the
/// example of the file format.
CalendarModel &exampleStyle(CalendarModel &model)
{
    model.SetPaperSize(kPaperLetter);
    model.SetCalendarLayout(loFCMinisInTitleLS);
    for (auto set : {&CalendarModel::SetLeftMarginInch, &CalendarModel::SetTopMarginInch,
                     &CalendarModel::SetRightMarginInch, &CalendarModel::SetBottomMarginInch})
        (model.*set)(0.5f);
    model.SetCalendarBorder(cbAll);
    model.SetCalendarLineLayout(llFull);
    return model;
}

} // namespace

TEST(CalendarStreams, AStyleSheetBeginsWithTheHeaderAndTheStyleBlock)
{
    CalendarModel model;
    const QByteArray bytes = exampleStyle(model).StyleSheetBytes();
    EXPECT_EQ(bytes.left(25).toHex(' '), "01 02 01 02 02 02 00 02 01 02 32 02 32 02 32 02 32 02 03 02 01 02 00 06 07");
    EXPECT_EQ(bytes.mid(25, 7), "January");
    EXPECT_EQ(bytes.back(), '\0');
}

TEST(CalendarStreams, ValuesTakeTheWidthTheyNeed)
{
    const struct {
        const char *name;
        std::function<void(CalendarModel &)> change;
        int offset;
        const char *bytes;
    } rows[] = {
        {"margin 0.25 inch", [](CalendarModel &m) { m.SetLeftMarginInch(0.25f); }, 9, "02 19"},
        {"margin 1.30 inch", [](CalendarModel &m) { m.SetLeftMarginInch(1.3f); }, 9, "03 82 00"},
        {"month name of 300 characters", [](CalendarModel &m) { m.SetMonthName(1, QString(300, u'x')); }, 23,
         "0c 2c 01 00 00 78"},
        // The title colour follows 12 month names "M" and 7 day names "D".
        {"white title background", [](CalendarModel &m) { m.SetTitleBGColor(clWhite); }, 23 + 19 * 3,
         "04 ff ff ff 00 06"},
        {"black title background", [](CalendarModel &m) { m.SetTitleBGColor(clBlack); }, 23 + 19 * 3, "02 00 06"},
    };
    for (const auto &row : rows) {
        CalendarModel model;
        exampleStyle(model);
        for (int i = 1; i <= 12; ++i)
            model.SetMonthName(i, QStringLiteral("M"));
        for (int i = 1; i <= 7; ++i)
            model.SetDayName(i, QStringLiteral("D"));
        row.change(model);
        const QByteArray expected = QByteArray::fromHex(row.bytes);
        EXPECT_EQ(model.StyleSheetBytes().mid(row.offset, expected.size()).toHex(' '), expected.toHex(' ')) << row.name;
    }
}

TEST(CalendarStreams, ADocumentOfEmptyCellsEndsWith42BlocksOf21Bytes)
{
    CalendarModel model;
    const QByteArray bytes = model.CalendarDocumentBytes();
    EXPECT_EQ(emptyCellStream().toHex(' '), "54 50 46 30 0d 54 57 50 52 74 66 53 74 6f 72 61 67 65 00 00 00");
    EXPECT_EQ(bytes.right(42 * 21 + 1), emptyCellStream().repeated(42) + '\0');
    // Before the cells: the style sheet's values with another content kind,
    // then the date and the starting time 8:00.
    const QByteArray style = model.StyleSheetBytes();
    EXPECT_EQ(bytes.left(style.size() - 1), style.chopped(1).replace(4, 1, "\x01"));
    EXPECT_EQ(bytes.mid(style.size() - 1, 14).toHex(' '), "02 00 02 01 03 cd 07 02 01 02 08 02 00 54");
}

TEST(CalendarStreams, ACellWithTextCarriesItsRtfAsTheDataProperty)
{
    CalendarModel model;
    TQmRtfStrings(model.Cells(2).RtfText()).Add("Dentist at 10");
    const QByteArray data = model.Cells(2).RtfText().writeDataProperty();
    ASSERT_TRUE(data.startsWith("{\\rtf"));

    const QByteArray property = QByteArray::fromHex("0c 52 74 66 54 65 78 74 2e 44 61 74 61");
    EXPECT_EQ(property, "\x0cRtfText.Data");
    QByteArray length(4, 0);
    qToLittleEndian(qint32(data.size()), length.data());
    const QByteArray cell = emptyCellStream().chopped(2) + property + '\x0a' + length + data + QByteArray(2, 0);
    EXPECT_TRUE(
        model.CalendarDocumentBytes().endsWith(emptyCellStream() + cell + emptyCellStream().repeated(40) + '\0'));
}

TEST(CalendarStreams, SavingAndLoadingADocumentKeepsEverySetting)
{
    const CalendarModel fresh;
    CalendarModel source;
    withCellTexts(withEverySettingChanged(source));
    source.SetStartingTime(EncodeTime(14, 37, 45, 500)); // stored to the minute
    source.SetMagnification(70);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plan.QMF"));
    source.SaveCalendarToFile(path);

    CalendarModel target;
    target.LoadCalendarFromFile(path);
    for (const Setting &setting : storedSettings()) {
        if (QByteArrayView(setting.name) != "CalendarOrientation") {
            EXPECT_NE(setting.value(source), setting.value(fresh)) << setting.name << " was not changed by the test";
        }
        EXPECT_EQ(setting.value(target), setting.value(source)) << setting.name;
    }
    EXPECT_DOUBLE_EQ(target.StartingTime(), EncodeTime(14, 37, 0, 0));
    EXPECT_EQ(target.Magnification(), 100);
    // The page is laid out for what was read.
    EXPECT_EQ(target.PageWidth(), source.PageWidth());
    EXPECT_EQ(target.MainRect(), source.MainRect());
    EXPECT_EQ(target.MiniCount(), source.MiniCount());
    EXPECT_EQ(target.MiniMonths(12), source.MiniMonths(12));
    for (int cell = 1; cell <= kCellCount; ++cell) {
        EXPECT_EQ(test::paragraphTexts(target.Cells(cell).RtfText()),
                  test::paragraphTexts(source.Cells(cell).RtfText()))
            << "cell " << cell;
        // Font numbers may change on reading; the RTF of the text may not.
        EXPECT_EQ(target.Cells(cell).RtfText().writeDataProperty().toStdString(),
                  source.Cells(cell).RtfText().writeDataProperty().toStdString())
            << "cell " << cell;
    }
    EXPECT_EQ(target.CalendarDocumentBytes(), source.CalendarDocumentBytes());
}

TEST(CalendarStreams, EverySettingOfTheStyleIsCopiedComparedWrittenAndRead)
{
    const CalendarModel fresh;
    for (const Setting &setting : storedSettings()) {
        CalendarModel changed;
        setting.change(changed);
        if (changed.Style() == fresh.Style())
            continue; // a setting of this page alone, such as a single border
        EXPECT_FALSE(fresh.SameStyle(changed)) << setting.name;
        CalendarModel copy;
        copy.AssignStyle(changed);
        EXPECT_TRUE(copy.Style() == changed.Style()) << setting.name;
        CalendarModel loaded;
        load(loaded, changed.CalendarDocumentBytes());
        EXPECT_TRUE(loaded.Style() == changed.Style()) << setting.name;
    }
}

TEST(CalendarStreams, AStyleSheetKeepsTheStyleButNotTheDateOrTheLayout)
{
    CalendarModel source;
    withEverySettingChanged(source);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("look.qms"));
    source.SaveStyleSheetToFile(path);

    CalendarModel target;
    const int pageWidth = target.PageWidth();
    target.LoadStyleSheetFromFile(path);
    EXPECT_EQ(target.StyleSheetBytes(), source.StyleSheetBytes());
    EXPECT_EQ(target.MainCalMonth(), 1);
    EXPECT_EQ(target.MainCalYear(), 1997);
    EXPECT_EQ(target.StartOfWeek(), 1);
    EXPECT_EQ(target.PageWidth(), pageWidth); // the caller lays out
}

TEST(CalendarStreams, AFontNameIsCutTo255CharactersOnReading)
{
    CalendarModel source;
    source.SetCellFont(FontDescription{QString(200, u'a') + QString(100, u'b'), 12, FontStyle::Bold, clRed});
    CalendarModel target;
    load(target, source.StyleSheetBytes(), kLoadStyleSheet);
    EXPECT_EQ(target.CellFont(), (FontDescription{QString(200, u'a') + QString(55, u'b'), 12, FontStyle::Bold, clRed}));
}

TEST(CalendarStreams, ADocumentReadAsAStyleSheetGivesItsStyleThenFails)
{
    CalendarModel source;
    withEverySettingChanged(source);
    CalendarModel target;
    EXPECT_EQ(errorText([&] { load(target, source.CalendarDocumentBytes(), kLoadStyleSheet); }),
              "Invalid property value");
    EXPECT_EQ(target.StyleSheetBytes().mid(5), source.StyleSheetBytes().mid(5));
    EXPECT_EQ(target.MainCalYear(), 1997);
}

TEST(CalendarStreams, AStyleSheetReadAsADocumentFailsWhereTheDayIsExpected)
{
    CalendarModel source;
    withEverySettingChanged(source);
    CalendarModel target;
    EXPECT_EQ(errorText([&] { load(target, source.StyleSheetBytes()); }), "Invalid property value");
    EXPECT_EQ(target.StyleSheetBytes(), source.StyleSheetBytes());
    EXPECT_EQ(target.MainCalDay(), 0);
}

TEST(CalendarStreams, LoadingKeepsTheTextOfCellsTheFileLeavesEmptyUnlessCleared)
{
    CalendarModel source;
    const QByteArray document = withCellTexts(source).CalendarDocumentBytes();
    CalendarModel model;
    TQmRtfStrings(model.Cells(1).RtfText()).Add("replaced");
    TQmRtfStrings(model.Cells(5).RtfText()).Add("kept");
    load(model, document);
    EXPECT_EQ(TQmRtfStrings(model.Cells(1).RtfText()).Strings(0), "Text of cell 1");
    EXPECT_EQ(TQmRtfStrings(model.Cells(5).RtfText()).Strings(0), "kept");

    model.ClearAllCells();
    load(model, document);
    EXPECT_TRUE(model.Cells(5).RtfText().IsEmpty());
    EXPECT_EQ(model.CalendarDocumentBytes(), document);
}

// A row that sets `Name` to `bad` through the setter, which takes any value.
// clang-format off
#define BAD_VALUE(Name, bad)                                                                                           \
    {#Name " " #bad, [](CalendarModel &m) { m.Set##Name(decltype(m.Name())(bad)); },                                   \
     [](const CalendarModel &m) { return int(m.Name()); }}
// clang-format on

TEST(CalendarStreams, SettingsTheProgramCannotDrawAreRefused)
{
    const struct {
        const char *name;
        std::function<void(CalendarModel &)> change;
        std::function<int(const CalendarModel &)> value;
    } rows[] = {
        BAD_VALUE(PaperSize, 2),
        BAD_VALUE(CalendarLayout, 22),
        BAD_VALUE(CalendarLayout, -1),
        BAD_VALUE(CalendarLineLayout, 3),
        BAD_VALUE(MiniCalendarLineLayout, 3),
        BAD_VALUE(CalendarBorder, 5),
        BAD_VALUE(HeadersBorder, 5),
        BAD_VALUE(CellBorder, 200),
        BAD_VALUE(MiniCalBorder, 5),
        BAD_VALUE(MiniHeadersBorder, 5),
        BAD_VALUE(MiniCellBorder, 5),
        BAD_VALUE(HeadersStyle, 3),
        BAD_VALUE(MiniHeadersStyle, 255),
        BAD_VALUE(NumberPosition, 2),
        BAD_VALUE(MainCalMonth, 0),
        BAD_VALUE(MainCalMonth, 13),
        BAD_VALUE(MainCalYear, 0),
        BAD_VALUE(MainCalYear, 10000),
        // Farther off the paper than this, the page geometry overflows.
        BAD_VALUE(LeftMarginInch, 100.01f),
        BAD_VALUE(BottomMarginInch, -100.01f),
        {"TitleFont size 1639",
         [](CalendarModel &m) {
             m.SetTitleFont({"Arial", 1639});
         },
         [](const CalendarModel &m) { return m.TitleFont().size; }},
        {"MiniCellFont size -1639",
         [](CalendarModel &m) {
             m.SetMiniCellFont({"Arial", -1639});
         },
         [](const CalendarModel &m) { return m.MiniCellFont().size; }},
    };
    for (const auto &row : rows) {
        CalendarModel source;
        row.change(source);
        CalendarModel target;
        const int before = row.value(target);
        EXPECT_EQ(errorText([&] { load(target, source.CalendarDocumentBytes()); }), "Invalid property value")
            << row.name;
        EXPECT_EQ(row.value(target), before) << row.name;
    }

    // An orientation the layout contradicts, any day, and margins and font
    // sizes up to their limits are read as they are.
    CalendarModel source;
    source.SetMainCalDay(99);
    source.SetRightMarginInch(100.f);
    source.SetTopMarginInch(-100.f);
    source.SetCellFont({"Arial", 1638});
    source.SetHeadersFont({"Arial", -1638});
    QByteArray bytes = source.CalendarDocumentBytes();
    bytes[8] = char(coLandscape);
    CalendarModel target;
    EXPECT_EQ(errorText([&] { load(target, bytes, kLoadStyleSheet); }), "Invalid property value");
    EXPECT_EQ(target.CalendarOrientation(), coLandscape);
    load(target, bytes);
    EXPECT_EQ(target.MainCalDay(), 99);
    EXPECT_EQ(target.CalendarOrientation(), coPortrait);
    EXPECT_EQ(target.RightMarginInch(), 100.f);
    EXPECT_EQ(target.TopMarginInch(), -100.f);
    EXPECT_EQ(target.CellFont().size, 1638);
    EXPECT_EQ(target.HeadersFont().size, -1638);
}

TEST(CalendarStreams, DamagedDocumentsFailWithTheStreamingMessages)
{
    const QByteArray good = CalendarModel().CalendarDocumentBytes();
    const qsizetype cells = good.size() - 1 - 42 * 21;
    const auto patched = [&](qsizetype at, QByteArrayView bytes) {
        return QByteArray(good).replace(at, bytes.size(), bytes.toByteArray());
    };
    const auto withCell = [&](QByteArrayView cell) {
        return good.left(cells) + cell.toByteArray() + emptyCellStream().repeated(41) + '\0';
    };
    const struct {
        const char *name;
        QByteArray bytes;
        const char *error;
    } rows[] = {
        {"empty file", {}, "Stream read error"},
        {"no list start", patched(0, "\x02"), "Invalid property value"},
        {"hour 24", patched(cells - 4, "\x02\x18"), "Invalid argument to time encode"},
        {"minute 60", patched(cells - 2, "\x02\x3c"), "Invalid argument to time encode"},
        {"cell without its signature", patched(cells, "TPF1"), "Invalid stream format"},
        {"cell with another property", withCell(emptyCellStream().chopped(2) + "\x04Name\x06\x01x" + QByteArray(2, 0)),
         "Invalid property value"},
        {"cell text that is not binary",
         withCell(emptyCellStream().chopped(2) + "\x0cRtfText.Data\x06\x01x" + QByteArray(2, 0)),
         "Invalid property value"},
        {"cell text longer than the file",
         withCell(emptyCellStream().chopped(2) + "\x0cRtfText.Data\x0a\xff\xff\xff\x7f"), "Stream read error"},
        {"cell with a child", withCell(emptyCellStream().chopped(1) + "\x01"), "Invalid property value"},
        {"no end of list", good.chopped(1) + '\x02', "Invalid property value"},
    };
    for (const auto &row : rows) {
        CalendarModel model;
        EXPECT_EQ(errorText([&] { load(model, row.bytes); }), row.error) << row.name;
    }
}

TEST(CalendarStreams, FilesThatCannotBeOpenedOrCreatedAreNamed)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing/plan.QMF"));
    CalendarModel model;
    EXPECT_EQ(errorText([&] { model.LoadCalendarFromFile(missing); }), "Cannot open file " + missing.toStdString());
    EXPECT_EQ(errorText([&] { model.LoadStyleSheetFromFile(folder.path()); }),
              "Cannot open file " + folder.path().toStdString());
    EXPECT_EQ(errorText([&] { model.SaveCalendarToFile(missing); }), "Cannot create file " + missing.toStdString());
    EXPECT_EQ(errorText([&] { model.SaveStyleSheetToFile(missing); }), "Cannot create file " + missing.toStdString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST(CalendarStreams, ASaveThatFailsKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plan.QMF"));
    CalendarModel model;
    model.SaveCalendarToFile(path);
    const QByteArray old = model.CalendarDocumentBytes();

    model.SetMainCalYear(2030);
    std::string error;
    {
        const test::FileSizeLimit fullDisk(100);
        error = errorText([&] { model.SaveCalendarToFile(path); });
    }
    EXPECT_EQ(error, "Cannot create file " + path.toStdString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"plan.QMF"});
}

TEST(CalendarStreams, EveryTruncatedDocumentFailsAndAFullLoadStillWorks)
{
    CalendarModel source;
    withCellTexts(withEverySettingChanged(source));
    const QByteArray document = source.CalendarDocumentBytes();
    const std::set<std::string> messages = {"Stream read error", "Invalid property value", "Invalid stream format",
                                            "Invalid argument to time encode"};

    CalendarModel target;
    for (qsizetype size = 0; size < document.size(); ++size) {
        const std::string error = errorText([&] { load(target, document.left(size)); });
        ASSERT_TRUE(messages.count(error)) << "prefix of " << size << " bytes: " << error;
    }
    target.ClearAllCells();
    load(target, document);
    EXPECT_EQ(target.CalendarDocumentBytes(), document);
}
