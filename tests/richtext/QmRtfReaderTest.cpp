#include "richtext/QmRtfReader.h"

#include "platform/QmError.h"
#include "richtext/ResultCode.h"

#include "ReadRtf.h"
#include "TestDocuments.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

using qm::test::paragraphTexts;
using qm::test::readRtf;
using namespace Qt::StringLiterals;

namespace {

struct Character {
    char16_t code;
    TAttr attr;
};

/// Every character of the document with its attribute, paragraphs joined.
std::vector<Character> characters(const TQmRTFText &document)
{
    std::vector<Character> result;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            for (int i = 0; i < line->length; ++i)
                result.push_back({line->text()[i], line->attributes()[i]});
        }
    }
    return result;
}

/// The attribute of the last character of `rtf` read into a new document.
TAttr lastAttr(const QByteArray &rtf)
{
    TQmRTFText document;
    readRtf(document, rtf);
    const std::vector<Character> read = characters(document);
    if (read.empty()) {
        ADD_FAILURE() << "no text in " << rtf.toStdString();
        return {};
    }
    return read.back().attr;
}

} // namespace

TEST(QmRtfReaderTest, TextBytesAndEscapes)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        QStringList expected;
    };
    const Row rows[] = {
        {"plain text", "{\\rtf1 Hello}", {"Hello"}},
        {"escaped character", "{\\rtf1 a\\'e9b}", {u"aéb"_s}},
        {"upper-case hexadecimal digits", "{\\rtf1 \\'C4}", {u"Ä"_s}},
        {"escape broken by a non-digit", "{\\rtf1 \\'4x}", {"x"}},
        {"tabs and line ends in the file are ignored", "{\\rtf1 a\tb\r\nc\n}", {"abc"}},
        {"tab and line keywords", "{\\rtf1 a\\tab b\\line c}", {"a\tb\nc"}},
        {"paragraph ends", "{\\rtf1 one\\par two\\par\r\n}", {"one", "two", ""}},
        {"escaped braces and backslash", "{\\rtf1 \\{x\\}\\\\}", {"{x}\\"}},
        {"double quotes", "{\\rtf1 \\ldblquote x\\rdblquote}", {"\"x\""}},
        {"the blank after a control word is its end", "{\\rtf1 \\b  x}", {" x"}},
        {"a backslash before a line end ends the paragraph", "{\\rtf1 a\\\r\nb}", {"a", "b"}},
        {"unknown control symbols are ignored", "{\\rtf1 a\\|b\\:c}", {"abc"}},
        {"codes 0, 2 and 3 are never text", "{\\rtf1 a\\'00\\'02\\'03b}", {"ab"}},
        {"unknown word in a group keeps its text", "{\\rtf1 {\\unknownword text}}", {"text"}},
        {"ignorable unknown group is skipped", "{\\rtf1 {\\*\\unknownword text}after}", {"after"}},
        {"skipped destinations", "{\\rtf1 {\\info{\\author me}}{\\stylesheet{\\s0 Normal;}}{\\header h\\par}x}", {"x"}},
        {"keywords inside a skipped group change nothing", "{\\rtf1 {\\*\\x a\\par\\tab\\'41}b}", {"b"}},
        {"a known word after \\* is read", "{\\rtf1 {\\*\\b x}}", {"x"}},
        {"text after the document's group is not read", "{\\rtf1 in}out", {"in"}},
        {"an unbalanced closing brace ends the text", "a}b", {"a"}},
        {"text before the first group", "a{\\rtf1 b}", {"ab"}},
        {"unicode escape replaces its fallback", "{\\rtf1 \\uc1\\u8364?5}", {u"€5"_s}},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        EXPECT_EQ(readRtf(document, row.rtf), qm::result::Success) << row.name;
        EXPECT_EQ(paragraphTexts(document), row.expected) << row.name;
    }
}

// Read literally, \* would stay set after a known word and every unknown word
// after "{\*\generator ...}" would skip the rest of its group.
TEST(QmRtfReaderTest, IgnorableFlagIsUsedUpByTheNextWord)
{
    const QStringList expected = {"Hello world", "next"};
    TQmRTFText document;
    readRtf(document, "{\\rtf1\\ansi{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1 \\pard Hello {\\*\\b}"
                      "\\lang9 world\\par\\unknown next}");
    EXPECT_EQ(paragraphTexts(document), expected);
}

TEST(QmRtfReaderTest, CharacterAttributes)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        quint8 size;
        quint8 colors;
        quint32 flags;
        quint16 tag;
    };
    const Row rows[] = {
        {"size without number is 50 points", "\\fs x", 50, 0, 0, 0},
        {"size 0 is 10 points", "\\fs0 x", 10, 0, 0, 0},
        {"odd half points are cut", "\\fs21 x", 10, 0, 0, 0},
        {"size 12", "\\fs24 x", 12, 0, 0, 0},
        {"oversized size is cut to a byte", "\\fs9999 x", 255, 0, 0, 0},
        {"colour 16 leaves the colour", "\\cf3\\cf16 x", 10, 0x03, 0, 0},
        {"background colour", "\\cf2\\cb5 x", 10, 0x52, 0, 0},
        {"bold, italic, underline, strike-out", "\\b\\i\\ul\\strike x", 10, 0, 0x0F, 0},
        {"bold off", "\\b\\b0 x", 10, 0, 0, 0},
        {"underline ended the word processors' way", "\\ul a\\ulnone x", 10, 0, 0, 0},
        {"double underline is a hyperlink", "\\uldb x", 10, 0, TAttr::Hyperlink, 0},
        {"shadow is protected text", "\\shad x", 10, 0, TAttr::Protected, 0},
        {"hidden", "\\v x", 10, 0, TAttr::Hidden, 0},
        {"subscript after superscript wins", "\\super\\sub x", 10, 0, TAttr::Subscript, 0},
        {"superscript after subscript wins", "\\sub\\super x", 10, 0, TAttr::Superscript, 0},
        {"no superscript or subscript", "\\super\\nosupersub x", 10, 0, 0, 0},
        {"insertion point", "\\inaut\\inspnt7 x", 10, 0, TAttr::InsertPoint, 7},
        {"insertion point number 0, as the writer writes it", "\\inspnt7\\inspnt0 x", 10, 0, TAttr::InsertPoint, 0},
        {"automatic text", "\\inspnt7\\inaut x", 10, 0, TAttr::Automatic, 7},
        {"plain clears everything", "\\b\\cf3\\fs40\\plain x", 0, 0, 0, 0},
        {"group restores the attribute", "\\b{\\i\\cf4 y} x", 10, 0, TAttr::Bold, 0},
    };
    for (const Row &row : rows) {
        const TAttr attr = lastAttr("{\\rtf1 " + row.rtf + "}");
        EXPECT_EQ(attr.size, row.size) << row.name;
        EXPECT_EQ(attr.colors, row.colors) << row.name;
        EXPECT_EQ(attr.flags, row.flags) << row.name;
        EXPECT_EQ(attr.tag, row.tag) << row.name;
    }
}

TEST(QmRtfReaderTest, RtfCodeRunKeepsItsBytes)
{
    TQmRTFText document;
    readRtf(document, "{\\rtf1 a\\wprtf1 {\\b x}\\par\\wprtf0\\b  b}");
    const std::vector<Character> read = characters(document);
    QByteArray text;
    for (const Character &character : read)
        text += character.code;
    EXPECT_EQ(text, "a{\\b x}\\par b");
    for (size_t i = 0; i < read.size(); ++i) {
        const bool code = i >= 1 && i < 11;
        EXPECT_EQ(read[i].attr.has(TAttr::RtfCode), code) << i;
    }
    EXPECT_TRUE(read.back().attr.has(TAttr::Bold)) << "RTF is read again after the run";
}

TEST(QmRtfReaderTest, RtfCodeRunHeldBytes)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        QByteArray text;
    };
    const Row rows[] = {
        {"a broken end sequence is text", "\\wprtf1 \\wprtfx\\wprtf0", "\\wprtfx"},
        {"a second backslash starts the end again", "\\wprtf1 \\\\wprtf0", "\\"},
        {"an unfinished end sequence at the end of the text", "\\wprtf1 ab\\wpr", "ab\\wpr"},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        readRtf(document, "{\\rtf1 " + row.rtf);
        EXPECT_EQ(paragraphTexts(document).join(QString()), row.text) << row.name;
    }
}

TEST(QmRtfReaderTest, FontTableMapsFileFontsToDocumentFonts)
{
    TQmRTFText document;
    document.Header().fonts[0].name = "Arial";
    document.Header().fonts[1].name = "times new roman";
    readRtf(document, "{\\rtf1{\\fonttbl{\\f0\\fswiss\\charset0 Courier;}{\\f3\\froman Times New Roman;}"
                      "{\\f5\\fmodern\\fcharset2 {\\*\\panose 0000}  Symbol;}}a\\f3 b\\f5 c\\f7 d\\f0 e}");
    const TTextHeader &header = document.Header();
    EXPECT_EQ(header.fonts[1].name, "times new roman") << "an existing entry is reused regardless of case";
    EXPECT_EQ(header.fonts[2].name, "Courier");
    EXPECT_EQ(header.fonts[2].pitchAndFamily, 0x20);
    EXPECT_EQ(header.fonts[3].name, "Symbol") << "leading blanks are dropped";
    EXPECT_EQ(header.fonts[3].pitchAndFamily, 0x30);
    EXPECT_EQ(header.fonts[3].charset, 2);
    EXPECT_EQ(header.fontCount(), 4);

    const std::vector<Character> read = characters(document);
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[0].attr.fontNumber, 2) << "file font 0 becomes the current font";
    EXPECT_EQ(read[1].attr.fontNumber, 1);
    EXPECT_EQ(read[2].attr.fontNumber, 3);
    EXPECT_EQ(read[3].attr.fontNumber, 0) << "a font the table does not name";
    EXPECT_EQ(read[4].attr.fontNumber, 2);
}

TEST(QmRtfReaderTest, ColorTableSetsColorsZeroToFourteen)
{
    QByteArray table = "{\\colortbl";
    for (int i = 0; i < 20; ++i)
        table += "\\red" + QByteArray::number(i) + "\\green" + QByteArray::number(100 + i) + "\\blue200;";
    TQmRTFText document;
    readRtf(document, "{\\rtf1" + table + "}x}");
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(document.Header().colors[i], qm::rgbColor(i, 100 + i, 200)) << i;
    EXPECT_EQ(document.Header().colors[15], TTextHeader::defaultColors()[15]);

    TQmRTFText kept;
    readRtf(kept, "{\\rtf1" + table + "}\\paperw100 x}", true);
    EXPECT_EQ(kept.Header().colors, TTextHeader::defaultColors()) << "the header is kept";
    EXPECT_EQ(kept.Header().pageWidth, 12240);
}

TEST(QmRtfReaderTest, HeaderValues)
{
    TQmRTFText document;
    readRtf(document, "{\\rtf1\\paperw11906\\paperh16838\\margl1000\\margr1100\\margt1200\\margb1300\\landscape"
                      "{\\title My \\'e9title}{\\subject\tSubj}{\\comment\tSome}{\\info{\\title ignored}}x}");
    const TTextHeader &header = document.Header();
    EXPECT_EQ(header.pageWidth, 11906);
    EXPECT_EQ(header.pageHeight, 16838);
    EXPECT_EQ(header.leftMargin, 1000);
    EXPECT_EQ(header.rightMargin, 1100);
    EXPECT_EQ(header.topMargin, 1200);
    EXPECT_EQ(header.bottomMargin, 1300);
    EXPECT_EQ(header.textWidthPixels, 654) << "the text width follows the page";
    EXPECT_EQ(header.title, u"My étitle"_s);
    EXPECT_EQ(header.subject, "Subj");
    EXPECT_EQ(header.comment, "Some");
}

TEST(QmRtfReaderTest, ParagraphFormatting)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        int paragraph;
        TParagraphFormat expected;
    };
    const auto format = [](auto change) {
        TParagraphFormat result;
        change(result);
        return result;
    };
    const Row rows[] = {
        {"indents, first indent relative to the left", "\\li720\\fi-360\\ri100 x", 0,
         format([](TParagraphFormat &f) { f.leftIndent = 720, f.firstIndent = 360, f.rightIndent = 100; })},
        {"first indent before the left indent", "\\fi200\\li720 x", 0,
         format([](TParagraphFormat &f) { f.leftIndent = 720, f.firstIndent = 920; })},
        {"negative left indent is 0", "\\li-50 x", 0, TParagraphFormat()},
        {"spacing and alignment", "\\qc\\sb10\\sa20\\sl-240 x", 0, format([](TParagraphFormat &f) {
             f.alignment = 2, f.spaceBefore = 10, f.spaceAfter = 20, f.lineSpacing = -240;
         })},
        {"alignment words ignore their number", "\\qj5 x", 0, format([](TParagraphFormat &f) { f.alignment = 3; })},
        {"formatting at the paragraph end counts", "x\\qr\\par y", 0,
         format([](TParagraphFormat &f) { f.alignment = 1; })},
        {"the next paragraph continues it", "\\qr x\\par y", 1, format([](TParagraphFormat &f) { f.alignment = 1; })},
        {"pard keeps the spacing", "\\qr\\li99\\sb30 x\\par\\pard y", 1,
         format([](TParagraphFormat &f) { f.spaceBefore = 30; })},
        {"last paragraph keeps its own formatting", "{\\qc x}", 0,
         format([](TParagraphFormat &f) { f.alignment = 2; })},
        {"a group closing after the paragraph end", "{\\qc x\\par\r\n}y", 1, TParagraphFormat()},
        {"box border and its distance", "\\box\\brdrs\\brdrw40\\brdrcf3 x", 0,
         format([](TParagraphFormat &f) { f.borderFlags = 0x41, f.borderWidth = 2, f.borderColor = 0x13; })},
        {"sides, double, dotted, hairline, bar and table lines",
         "\\brdrt\\brdrdb\\brdrb\\brdrdot\\brdrhair\\brdrbar\\brdrtablin\\brsp112 x", 0,
         format([](TParagraphFormat &f) { f.borderFlags = 0x8D, f.borderStyle = 0x47, f.borderColor = 0x20; })},
        {"shading", "\\shading5000\\cfpat3\\cbpat4 x", 0,
         format([](TParagraphFormat &f) { f.shading = 50, f.shadingColors = 0x43; })},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        readRtf(document, "{\\rtf1 " + row.rtf + "}");
        const TParagraph *paragraph = document.FirstParagraph();
        for (int i = 0; i < row.paragraph && paragraph; ++i)
            paragraph = paragraph->next();
        ASSERT_NE(paragraph, nullptr) << row.name;
        TParagraphFormat actual = paragraph->format();
        actual.borderFlags &= ~TParagraphFormat::BorderLast;
        EXPECT_EQ(actual, row.expected) << row.name;
    }
}

TEST(QmRtfReaderTest, ParagraphFlagsBordersAndTabs)
{
    TQmRTFText document;
    readRtf(document, "{\\rtf1 {\\box\\brdrs one\\par\r\n}\\page\\keep two\\par\r\n"
                      "{\\tqr\\tx1440\\tx2880 tabs\\par\r\n}\\tx1440 again}");
    const TParagraph *one = document.FirstParagraph();
    const TParagraph *two = one->next();
    const TParagraph *tabs = two->next();
    const TParagraph *again = tabs->next();
    EXPECT_TRUE(one->borderFlags & TParagraphFormat::BorderLast) << "the box ends with its group";
    EXPECT_FALSE(two->isBordered());
    EXPECT_EQ(two->flags, TParagraphFormat::PageBreakBefore | TParagraphFormat::KeepTogether);
    EXPECT_EQ(tabs->flags, 0);
    const TTextHeader &header = document.Header();
    ASSERT_EQ(tabs->tabMask, 0b11u);
    EXPECT_EQ(header.tabs[0].twips, 1440);
    EXPECT_EQ(header.tabs[0].kind, tkRight);
    EXPECT_EQ(header.tabs[1].kind, tkLeft) << "the kind applies to one tab";
    EXPECT_EQ(again->tabMask, 0b100u) << "a left tab at 1440 is another stop";
}

TEST(QmRtfReaderTest, TableRows)
{
    TQmRTFText document;
    document.Header().pageWidth = 255 * 40 + 2000;
    document.Header().leftMargin = 1000;
    document.Header().rightMargin = 1000;
    readRtf(document, "{\\rtf1{\\pard\\trowd\\trgaph57\\trleft100\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\brdrw20\\brdrcf2"
                      "\\cellx2100\\clshdng\\clcfpat3\\clcbpat4\\cellx10300\\intbl\\sb5\\sl\\sa5 a\\cell\n\r"
                      "\\intbl b\\cell\\row\n\r\\intbl c\\cell\n\r}after}");
    QStringList expected = {"a", "b", "c", "after"};
    ASSERT_EQ(paragraphTexts(document), expected);
    const TParagraph *a = document.FirstParagraph();
    const TParagraph *b = a->next();
    const TParagraph *c = b->next();
    const TParagraph *after = c->next();
    EXPECT_EQ(a->flags, TParagraphFormat::TableCell);
    EXPECT_EQ(b->flags, TParagraphFormat::TableCell | TParagraphFormat::RowEnd);
    EXPECT_EQ(c->flags, TParagraphFormat::TableCell) << "the next row starts at the first cell";
    EXPECT_EQ(a->leftIndent, 100);
    EXPECT_EQ(a->borderFlags, 0x15);
    EXPECT_EQ(a->borderWidth, 1);
    EXPECT_EQ(a->borderColor, 0x12) << "colour 2, distance 57 / 56";
    EXPECT_EQ(a->cellPlacement[0] + a->cellPlacement[1], 50);
    EXPECT_EQ(b->shading, 0);
    EXPECT_EQ(b->shadingColors, 0x43);
    EXPECT_EQ(b->cellPlacement[0], 255);
    EXPECT_EQ(b->cellPlacement[1], 0);
    EXPECT_EQ(c->cellPlacement[0] + c->cellPlacement[1], 50);
    EXPECT_EQ(a->spaceBefore, 5);
    EXPECT_EQ(after->flags, 0);
    EXPECT_FALSE(after->isBordered()) << "the text after the table is no cell";
}

TEST(QmRtfReaderTest, FootnotesAndFields)
{
    TQmRTFText document;
    readRtf(document, "{\\rtf1 see{\\cs16\\super *{\\*\\footnote \\wpfnnr3 \\pard\\plain \\s15\\f4\\fs20 "
                      "{\\cs16\\super\t*} The \\'e9note.}} and {\\field{\\*\\fldinst x}{\\fldrslt #42z}}.}");
    const std::vector<Character> read = characters(document);
    QString text;
    for (const Character &character : read)
        text += QChar(character.code);
    ASSERT_EQ(text, "see* and #42.");
    const TAttr mark = read[3].attr;
    EXPECT_EQ(mark.flags, TAttr::HyperlinkRecord | TAttr::Superscript);
    const THyperlinkRecord *footnote = document.FindHyperlinkRecord(mark.tag);
    ASSERT_NE(footnote, nullptr);
    EXPECT_EQ(footnote->mark, '*');
    EXPECT_EQ(footnote->number, 3);
    EXPECT_EQ(footnote->text, u"The énote."_s);

    EXPECT_EQ(read[9].attr.flags, TAttr::InsertPoint);
    EXPECT_EQ(read[9].attr.tag, 42);
    EXPECT_EQ(read[10].attr.flags, TAttr::Automatic);
    EXPECT_EQ(read[12].attr.flags, 0u) << "the field ends at the first character after its number";
    EXPECT_EQ(document.Header().fonts[0].name, "") << "the footnote's font words change nothing";
}

TEST(QmRtfReaderTest, ResultCodes)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        int result;
        QStringList expected;
    };
    const Row rows[] = {
        {"complete document", "{\\rtf1 x}", qm::result::Success, {"x"}},
        {"unclosed groups end with the text", "{\\rtf1 x{\\b y", qm::result::Success, {"xy"}},
        {"the text ends after a backslash", "{\\rtf1 x\\", qm::result::Failure, {"x"}},
        {"the text ends inside a control word", "{\\rtf1 x\\pa", qm::result::Failure, {"x"}},
        {"the text ends inside a parameter", "{\\rtf1 x\\fs2", qm::result::Failure, {"x"}},
        {"empty input", "", qm::result::Success, {""}},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        EXPECT_EQ(readRtf(document, row.rtf), row.result) << row.name;
        EXPECT_EQ(paragraphTexts(document), row.expected) << row.name;
    }
}

TEST(QmRtfReaderTest, MissingArgumentsAreReported)
{
    TQmRtfReader reader;
    TParagraph *insertion = nullptr;
    QByteArray bytes;
    QBuffer stream(&bytes);
    try {
        reader.Read(&stream, nullptr, insertion);
        FAIL() << "no error";
    } catch (const QmError &error) {
        EXPECT_EQ(error.message(), "Wrong Arguments in\tTQmRTFReader");
    }
}

TEST(QmRtfReaderTest, HostileInputStaysBounded)
{
    struct Row {
        const char *name;
        QByteArray rtf;
        QStringList expected;
    };
    const QByteArray deep(200000, '{');
    const Row rows[] = {
        {"deep nesting beyond the group limit is skipped",
         "{\\rtf1 a" + deep + "lost" + QByteArray(200000, '}') + "b}",
         {"ab"}},
        {"nesting within the limit is read",
         "{\\rtf1 " + QByteArray(999, '{') + "x" + QByteArray(999, '}') + "}",
         {"x"}},
        {"a long control word is cut", "{\\rtf1 \\" + QByteArray(100000, 'b') + " x}", {"x"}},
        {"a long parameter is cut", "{\\rtf1 \\fs" + QByteArray(100000, '9') + " x}", {"x"}},
        {"huge numbers everywhere",
         "{\\rtf1\\paperw-99999999999\\li99999999999\\fi-99999999999\\tx99999999999\\inspnt99999999 x}",
         {"x"}},
        {"a long font name", "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(100000, 'n') + ";}}x}", {"x"}},
        {"a long title", "{\\rtf1{\\title " + QByteArray(100000, 't') + "}x}", {"x"}},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        EXPECT_EQ(readRtf(document, row.rtf), qm::result::Success) << row.name;
        EXPECT_EQ(paragraphTexts(document), row.expected) << row.name;
        EXPECT_LE(document.Header().fonts[0].name.size(), TTextHeader::FontNameLength) << row.name;
    }
}

TEST(QmRtfReaderTest, LongTextContinuesInLinesOf60)
{
    TQmRTFText document;
    readRtf(document, "{\\rtf1 " + QByteArray(500, 'x') + "\\par " + QByteArray(10, 'y') + "}");
    const TParagraph *first = document.FirstParagraph();
    EXPECT_EQ(qm::test::paragraphText(first), QByteArray(500, 'x'));
    EXPECT_GT(first->lineCount(), 8);
    EXPECT_EQ(first->next()->firstLine()->capacity(), 60);
}

TEST(QmRtfReaderTest, CommonWordProcessorRtf)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
        "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}{\\*\\mmathPr\\mdispDef1\\mwrapIndent1440 }\\viewkind4\\uc1 \r\n"
        "{\\stylesheet{ Normal;}{\\s1\\sbasedon0\\snext0 heading 1;}}\r\n"
        "{\\info{\\title Letter}{\\author Someone}{\\*\\company Firm}}\r\n"
        "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs32\\lang9 Title\\b0\\fs22\\par\r\n"
        "\\pard\\sa200\\sl276\\slmult1 Price: 5\\u8364?, \\cf1 red\\cf0 , \\i\\f1 italic\\i0\\f0 .\\par\r\n"
        "{\\*\\bkmkstart x}{\\*\\bkmkend x}\\lquote quoted\\rquote  \\emdash  end\\par\r\n"
        "}\r\n";
    TQmRTFText document;
    EXPECT_EQ(readRtf(document, rtf), qm::result::Success);
    const QStringList expected = {"Title", u"Price: 5€, red, italic."_s, u"‘quoted’ — end"_s, ""};
    EXPECT_EQ(paragraphTexts(document), expected);
    const TTextHeader &header = document.Header();
    EXPECT_EQ(header.fonts[0].name, "Calibri");
    EXPECT_EQ(header.fonts[1].name, "Times New Roman");
    EXPECT_EQ(header.colors[1], qm::rgbColor(255, 0, 0));
    EXPECT_EQ(header.colors[2], qm::rgbColor(0, 77, 187));
    EXPECT_EQ(header.title, "") << "the info group is skipped";

    const TParagraph *title = document.FirstParagraph();
    EXPECT_EQ(title->alignment, TParagraphFormat::AlignCenter);
    EXPECT_EQ(title->next()->alignment, TParagraphFormat::AlignLeft);
    EXPECT_EQ(title->next()->spaceAfter, 200);
    EXPECT_EQ(title->next()->lineSpacing, 276);
    const std::vector<Character> read = characters(document);
    EXPECT_EQ(read[0].attr.size, 16);
    EXPECT_TRUE(read[0].attr.has(TAttr::Bold));
    const Character &red = read[5 + 11];
    EXPECT_EQ(red.code, 'r');
    EXPECT_EQ(red.attr.textColor(), 1);
    EXPECT_EQ(red.attr.size, 11);
    const Character &italic = read[5 + 16];
    EXPECT_EQ(italic.code, 'i');
    EXPECT_TRUE(italic.attr.has(TAttr::Italic));
    EXPECT_EQ(italic.attr.fontNumber, 1);
}

TEST(QmRtfReaderTest, TextOfOtherProgramsReadsAsWritten)
{
    const struct {
        const char *name;
        QByteArray rtf;
        QStringList paragraphs;
    } rows[] = {
        {"pandoc: \\u with a fallback",
         "{\\rtf1\\ansi{\\pard Caf\\u233? na\\u239?ve \\u8220?q\\u8221?\\par}}",
         {u"Café naïve “q”"_s, ""}},
        {"\\uc0: no fallback", "{\\rtf1\\uc0\\u8364 5 {\\uc2\\u8364\\'80\\'80 6}\\u8364\\'80}", {u"€5 € 6€€"_s}},
        {"emoji as two code units", "{\\rtf1 \\u-10179?\\u-8704?!}", {u"\U0001F600!"_s}},
        {"Windows-1250 document",
         "{\\rtf1\\ansi\\ansicpg1250 Za\\'bf\\'f3\\'b3\\'e6 g\\'ea\\'9cl\\'b9}",
         {u"Zażółć gęślą"_s}},
        {"Russian font in a Western document",
         "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}\\f1 \\'cf\\'f0\\'e8\\f0  "
         "\\'e9}",
         {u"При é"_s}},
        {"Japanese in Shift-JIS",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}}\\f0 \\'93\\'fa\\'96\\'7b}",
         {u"日本"_s}},
        {"Mac Roman", "{\\rtf1\\mac Caf\\'8e}", {u"Café"_s}},
        {"Word 2007 math properties and Google Docs cell widths",
         "{\\rtf1{\\*\\mmathPr\\mmathFont34\\mbrkBin0}\\trowd\\clwWidth4428\\clftsWidth3\\cellx4428 A\\par}",
         {"A", ""}},
        {"fields keep their shown text",
         "{\\rtf1 See {\\field{\\*\\fldinst{ HYPERLINK \"https://example.org\" }}"
         "{\\fldrslt{\\ul Example Site}}} on {\\field{\\*\\fldinst PAGE}{\\fldrslt 12}}}",
         {"See Example Site on 12"}},
        {"punctuation and space symbols",
         "{\\rtf1 didn\\rquote t \\lquote x\\rquote  a\\emdash b\\endash c\\bullet d\\~e f\\_g h\\-i}",
         {u"didn’t ‘x’ a—b–c•d\u00A0e f\u2011g hi"_s}},
        {"TextEdit ends paragraphs with a backslash",
         "{\\rtf1\\cocoartf2639 one\\\ntwo\\\r\nthree}",
         {"one", "two", "three"}},
        {"\\bin data is skipped, also in a skipped group", "{\\rtf1 a{\\*\\blob\\bin4 }{\\}}b{\\bin2 \\}}c}", {"abc"}},
    };
    for (const auto &row : rows) {
        TQmRTFText document;
        EXPECT_EQ(readRtf(document, row.rtf), qm::result::Success) << row.name;
        EXPECT_EQ(paragraphTexts(document), row.paragraphs) << row.name;
    }
}

TEST(QmRtfReaderTest, FormattingOfOtherProgramsReadsAsWritten)
{
    TQmRTFText link;
    readRtf(link, "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt Site}} after}");
    const std::vector<Character> linkText = characters(link);
    EXPECT_TRUE(linkText[0].attr.has(TAttr::Hyperlink) && linkText[3].attr.has(TAttr::Hyperlink));
    EXPECT_FALSE(linkText.back().attr.has(TAttr::Hyperlink)) << "the link ends with its field";

    // Word's colour tables run past the 15 colours a document keeps.
    QByteArray table = "{\\colortbl;\\red255\\green0\\blue0;";
    for (int i = 2; i <= 16; ++i)
        table += "\\red0\\green0\\blue0;";
    table += "\\red250\\green10\\blue0;}";
    EXPECT_EQ(lastAttr("{\\rtf1" + table + "\\cf17 x}").textColor(), 1) << "the nearest colour, red";
    EXPECT_EQ(lastAttr("{\\rtf1" + table + "\\cf3\\cf40 x}").textColor(), 3) << "a colour the table lacks";

    TQmRTFText borders;
    readRtf(borders, "{\\rtf1\\pard\\brdrt\\brdrl\\brdrb\\brdrr Google\\par\\pard\\brdrt\\brdrs\\brdrw10 own\\par}");
    EXPECT_FALSE(borders.FirstParagraph()->isBordered()) << "sides without a line style draw nothing";
    const TParagraph *own = borders.FirstParagraph()->next();
    EXPECT_TRUE(own->isBordered() && (own->borderFlags & TParagraphFormat::BorderTop)) << "what the writer writes";

    TQmRTFText tabs;
    readRtf(tabs, "{\\rtf1\\deftab360 x}");
    EXPECT_EQ(tabs.Header().defaultTabTwips, 360);
}

TEST(QmRtfReaderTest, PngAndJpegPicturesBecomeObjects)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    TQmRTFText document;
    readRtf(document, "{\\rtf1 a{\\pict\\pngblip\\picw3\\pich2\\picwgoal45\\pichgoal30 " + png.toHex() +
                          "}b{\\pict\\jpegblip\\picwgoal60\\pichgoal60 ffd8ff00}c}");
    ASSERT_EQ(document.Objects().size(), 2u);
    EXPECT_EQ(document.Objects()[0]->graphic.bitmap().pixel(2, 1), QColor(Qt::red).rgb());
    EXPECT_EQ(document.Objects()[0]->width, 45);
    EXPECT_TRUE(document.Objects()[1]->graphic.isEmpty()) << "a picture that cannot be decoded keeps its place";
    EXPECT_EQ(paragraphTexts(document), QStringList{u"a\u0002b\u0002c"_s});
}
