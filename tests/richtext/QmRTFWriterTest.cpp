#include "richtext/QmRTFWriter.h"

#include "richtext/ResultCode.h"

#include "RecordingDevice.h"
#include "TestDocuments.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>

using qm::test::appendRun;
using qm::test::attr;
using namespace Qt::StringLiterals;

namespace {

const QByteArray DefaultColorTable =
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;"
    "\\red255\\green255\\blue0;\\red255\\green0\\blue255;\\red128\\green0\\blue128;\\red128\\green0\\blue0;"
    "\\red0\\green255\\blue0;\\red0\\green255\\blue255;\\red0\\green128\\blue128;\\red0\\green0\\blue128;"
    "\\red255\\green255\\blue255;\\red192\\green192\\blue192;\\red128\\green128\\blue128;}";
const QByteArray PageLayout = "\\paperw12240\\paperh15840\\margl1880\\margr1880\\margt1440\\margb1440";
/// The header of a new document, whose font table is empty.
const QByteArray NewHeader = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl}" + DefaultColorTable + PageLayout;

struct Written {
    QByteArray bytes;
    int result;
};

Written writeRtf(const TQmRTFText &document, const TWriterOptions &options = {})
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    writer.SetupWholeDocument(document, options);
    int result = writer.WriteHeader(&stream);
    if (result == 0)
        result = writer.WriteBody(&stream);
    if (result == 0)
        result = writer.WriteFooter(&stream);
    return {bytes, result};
}

/// The body and footer: what follows the header of a new document.
QByteArray body(const TQmRTFText &document, const TWriterOptions &options = {})
{
    const Written written = writeRtf(document, options);
    EXPECT_EQ(written.result, 0);
    EXPECT_TRUE(written.bytes.startsWith(NewHeader)) << written.bytes.left(300).toStdString();
    return written.bytes.mid(NewHeader.size());
}

TParagraph *first(TQmRTFText &document)
{
    return document.FirstParagraph();
}

qm::Graphic rgbPicture()
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    return qm::Graphic::fromBitmap(image);
}

void appendObject(TQmRTFText &document, TTextObject *object, char16_t code)
{
    appendRun(document, document.LastParagraph(), QString(QChar(code)),
              attr(0, 10, TAttr::Object, code == 1 ? object->tag : object->number));
}

} // namespace

TEST(QmRTFWriterTest, RunsAndCharacters)
{
    struct Row {
        const char *name;
        std::function<void(TQmRTFText &)> build;
        QByteArray expected;
        TWriterOptions options = {};
    };
    const Row rows[] = {
        {"empty document", [](TQmRTFText &) {}, "{}\r\n}"},
        {"Hello", [](TQmRTFText &d) { appendRun(d, first(d), "Hello", attr()); },
         "{\\plain\\f0\\fs20\\cf0 Hello}\r\n}"},
        {"escapes", [](TQmRTFText &d) { appendRun(d, first(d), u"{x}\\ café\t1\n\x03\x7F~"_s, attr()); },
         "{\\plain\\f0\\fs20\\cf0 \\{x\\}\\\\ caf\\'e9\\tab 1\\line \\'7f~}\r\n}"},
        {"size 0 and 12",
         [](TQmRTFText &d) {
             appendRun(d, first(d), "a", attr(0, 0));
             appendRun(d, first(d), "b", attr(0, 12));
         },
         "{\\plain\\f0\\fs20\\cf0 a\\plain\\f0\\fs24\\cf0 b}\r\n}"},
        {"colours and every style bit in order",
         [](TQmRTFText &d) {
             TAttr a = attr(1, 9, 0x7FF & ~TAttr::KeepCanvasColors & ~TAttr::RtfCode);
             a.setTextColor(2);
             a.setBackgroundColor(3);
             appendRun(d, first(d), "x", a);
         },
         "{\\plain\\f1\\fs18\\cf2\\cb3\\b\\ul\\uldb\\super\\sub\\i\\strike\\shad\\v x}\r\n}"},
        {"protection omitted",
         [](TQmRTFText &d) { appendRun(d, first(d), "x", attr(0, 10, TAttr::Protected)); },
         "{\\plain\\f0\\fs20\\cf0 x}\r\n}",
         {.omitProtection = true}},
        {"paragraph ends, hidden run before one",
         [](TQmRTFText &d) {
             appendRun(d, first(d), "A", attr(0, 10, TAttr::Hidden));
             TParagraph *p = d.NewParagraph(first(d), 10);
             appendRun(d, p, "B", attr());
             appendRun(d, d.NewParagraph(p, 10), "C", attr());
         },
         "{\\plain\\f0\\fs20\\cf0\\v A\\plain\\par\n\r\\plain\\f0\\fs20\\cf0 B\\par\n\r\\plain\\f0\\fs20\\cf0 C}\r\n}"},
        {"insertion points are runs of one and automatic text is marked",
         [](TQmRTFText &d) {
             appendRun(d, first(d), "ab", attr(0, 10, TAttr::InsertPoint, 5));
             appendRun(d, first(d), "7", attr(0, 10, TAttr::Automatic));
         },
         "{\\plain\\f0\\fs20\\cf0\\inspnt5 a\\plain\\f0\\fs20\\cf0\\inspnt5 b\\plain\\f0\\fs20\\cf0\\inaut 7}\r\n}"},
        {"insertion points and automatic text omitted",
         [](TQmRTFText &d) {
             appendRun(d, first(d), "a", attr(0, 10, TAttr::InsertPoint, 5));
             appendRun(d, first(d), "7", attr(0, 10, TAttr::Automatic));
         },
         "{\\plain\\f0\\fs20\\cf0 \\plain\\f0\\fs20\\cf0 }\r\n}",
         {.omitAutomaticText = true, .omitInsertPoints = true}},
        {"RTF code is written as it is and closed before plain text",
         [](TQmRTFText &d) {
             appendRun(d, first(d), "{\\b x}", attr(0, 10, TAttr::RtfCode));
             appendRun(d, first(d), "{y}", attr());
         },
         "{\\plain\\f0\\fs20\\cf0\\wprtf1 {\\b x}\\wprtf0\\plain\\f0\\fs20\\cf0 \\{y\\}}\r\n}"},
        {"RTF code at a paragraph end and at the document end is closed",
         [](TQmRTFText &d) {
             appendRun(d, first(d), "\\tab", attr(0, 10, TAttr::RtfCode));
             appendRun(d, d.NewParagraph(first(d), 10), "\\tab", attr(0, 10, TAttr::RtfCode));
         },
         "{\\plain\\f0\\fs20\\cf0\\wprtf1 \\tab\\wprtf0\\par\n\r\\plain\\f0\\fs20\\cf0\\wprtf1 \\tab\\wprtf0}\r\n}"},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        row.build(document);
        EXPECT_EQ(body(document, row.options), row.expected) << row.name;
    }
}

TEST(QmRTFWriterTest, ParagraphFormatting)
{
    struct Row {
        const char *name;
        std::function<void(TQmRTFText &)> build;
        QByteArray expected;
    };
    const auto twoParagraphs = [](TQmRTFText &d, const std::function<void(TParagraph &)> &format) {
        appendRun(d, first(d), "A", attr());
        TParagraph *second = d.NewParagraph(first(d), 10);
        format(*second);
        appendRun(d, second, "B", attr());
        appendRun(d, d.NewParagraph(second, 10), "C", attr());
    };
    const QByteArray a = "{\\plain\\f0\\fs20\\cf0 A\\par\n\r";
    const QByteArray b = "\\plain\\f0\\fs20\\cf0 B\\par\n\r";
    const QByteArray c = "\\plain\\f0\\fs20\\cf0 C}\r\n}";
    const Row rows[] = {
        {"indents, alignment and spacing are written when they change",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.leftIndent = 720;
                 p.firstIndent = 360;
                 p.rightIndent = 100;
                 p.alignment = TParagraphFormat::AlignJustify;
                 p.spaceBefore = 120;
                 p.lineSpacing = -240;
             });
         },
         a + "\\qj\\li720\\fi-360\\ri100\\sb120\\sl-240\\sa0 " + b + c},
        {"unchanged formatting is not repeated",
         [&](TQmRTFText &d) {
             first(d)->alignment = TParagraphFormat::AlignCenter;
             twoParagraphs(d, [](TParagraph &) {});
         },
         "{\\qc \\plain\\f0\\fs20\\cf0 A\\par\n\r" + b + c},
        {"line spacing back to automatic",
         [&](TQmRTFText &d) {
             first(d)->lineSpacing = 300;
             twoParagraphs(d, [](TParagraph &p) { p.lineSpacing = 0; });
         },
         "{\\sb0\\sl300\\sa0 \\plain\\f0\\fs20\\cf0 A\\par\n\r\\sb0\\sl\\sa0 " + b + c},
        {"page break and keep together",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.flags = TParagraphFormat::PageBreakBefore | TParagraphFormat::KeepTogether;
             });
         },
         a + "\\page\\keep " + b + "\\page\\keep " + c},
        {"tab stops in a group that ends when the tabs change",
         [&](TQmRTFText &d) {
             const quint64 right = d.AddTab(1440, tkRight);
             const quint64 left = d.AddTab(2880, tkLeft);
             const quint64 decimal = d.AddTab(4320, tkDecimal);
             twoParagraphs(d, [&](TParagraph &p) { p.tabMask = right | left | decimal; });
             d.LastParagraph()->tabMask = 0;
         },
         a + "{\\tqr\\tx1440\\tx2880\\tqdec\\tx4320 " + b + "}" + c},
        {"a border box with every border word",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.borderFlags =
                     TParagraphFormat::Bordered | TParagraphFormat::BorderBox | TParagraphFormat::BorderDouble;
                 p.borderStyle = TParagraphFormat::BorderBar | TParagraphFormat::BorderTableLines |
                                 TParagraphFormat::BorderDotted | TParagraphFormat::BorderHairline;
                 p.borderWidth = 2;
                 p.borderColor = 0x13;
             });
             d.LastParagraph()->borderFlags = 0;
         },
         a + "{\\box\\brdrdb\\brdrbar\\brdrtablin\\brdrw40\\brsp57\\brdrcf3\\brdrdot\\brdrhair " + b + "}" + c},
        {"single sides, and a box continued over paragraphs",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.borderFlags =
                     TParagraphFormat::Bordered | TParagraphFormat::BorderTop | TParagraphFormat::BorderLeft;
                 p.borderWidth = 1;
             });
         },
         a + "{\\brdrt\\brdrs\\brdrl\\brdrs\\brdrw20\\brsp0 " + b + c.chopped(4) + "}}\r\n}"},
        {"another border closes the group of the one before",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderBottom;
                 p.borderWidth = 1;
             });
             d.LastParagraph()->borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderTop;
         },
         a + "{\\brdrb\\brdrs\\brdrw20 " + b + "}{\\brdrt\\brdrs\\brdrw20 " + c.chopped(4) + "}}\r\n}"},
        {"a box that ended is not continued by the same border",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.borderFlags =
                     TParagraphFormat::Bordered | TParagraphFormat::BorderTop | TParagraphFormat::BorderLast;
                 p.borderWidth = 1;
             });
             d.LastParagraph()->borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderTop;
             d.LastParagraph()->borderWidth = 1; // a new paragraph does not take over a box that ended
         },
         a + "{\\brdrt\\brdrs\\brdrw20 " + b + "}{\\brdrt\\brdrs\\brdrw20 " + c.chopped(4) + "}}\r\n}"},
        {"formatting written in a shading group is written again after it",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.shading = 20;
                 p.alignment = TParagraphFormat::AlignCenter;
             });
             d.LastParagraph()->shading = 0;
         },
         a + "{\\shading2000\\cfpat0\\cbpat0 \\qc " + b + "}\\qc " + c},
        {"shading",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) {
                 p.shading = 25;
                 p.shadingColors = 0x42;
             });
             d.LastParagraph()->shading = 100;
         },
         a + "{\\shading2500\\cfpat2\\cbpat4 " + b + "}{\\shading10000\\cfpat2 " + c.chopped(4) + "}}\r\n}"},
        {"shading without percentage",
         [&](TQmRTFText &d) {
             twoParagraphs(d, [](TParagraph &p) { p.shadingColors = 0x40; });
             d.LastParagraph()->shadingColors = 0;
         },
         a + "{\\shading1\\cfpat0\\cbpat4 " + b + "}" + c},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        row.build(document);
        EXPECT_EQ(body(document), row.expected) << row.name;
    }
}

TEST(QmRTFWriterTest, TableRows)
{
    TQmRTFText document;
    TParagraph *paragraph = first(document);
    appendRun(document, paragraph, "x", attr());
    for (int row = 0; row < 2; ++row) {
        for (int cell = 0; cell < 2; ++cell) {
            paragraph = document.NewParagraph(paragraph, 10);
            paragraph->flags = TParagraphFormat::TableCell | (cell == 1 ? TParagraphFormat::RowEnd : 0);
            paragraph->cellPlacement = {quint8(cell == 0 ? 100 : 200), quint8(cell == 0 ? 0 : 55), 0, 0};
            paragraph->borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderBox;
            paragraph->borderWidth = 1;
            paragraph->borderColor = 0x20;
            appendRun(document, paragraph, QByteArray(1, char('a' + 2 * row + cell)), attr());
        }
    }
    paragraph = document.NewParagraph(paragraph, 10);
    paragraph->flags = 0;
    paragraph->borderFlags = 0;
    appendRun(document, paragraph, "y", attr());

    const QByteArray run = "\\plain\\f0\\fs20\\cf0 ";
    const QByteArray cellBorder = "\\clbrdrt\\brdrs\\clbrdrb\\brdrs\\clbrdrl\\brdrs\\clbrdrr\\brdrs\\brdrw20\\brdrcf0";
    const QByteArray expected = "{" + run + "x\\par\n\r" + "{\\pard\\trowd\\trgaph113\\trleft0" + cellBorder +
                                "\\cellx3325" + cellBorder + "\\cellx8480\\intbl\\sb0\\sl\\sa0 " + run +
                                "a\\cell\n\r\\intbl\\sb0\\sl\\sa0 " + run + "b\\cell\\row\n\r" +
                                "\\intbl\\sb0\\sl\\sa0 " + run + "c\\cell\n\r\\intbl\\sb0\\sl\\sa0 " + run +
                                "d\\cell\\row\n\r}" + run + "y}\r\n}";
    EXPECT_EQ(body(document), expected);
}

TEST(QmRTFWriterTest, Objects)
{
    QByteArray metafile(22, '\0');
    metafile += QByteArray("\x01\x02\xAB", 3);
    QImage rgb(1, 1, QImage::Format_RGB888);
    rgb.setPixel(0, 0, qRgb(0x11, 0x22, 0x33));

    struct Row {
        const char *name;
        std::function<void(TQmRTFText &)> build;
        QByteArray expected;
        TWriterOptions options = {};
    };
    const QByteArray run = "{\\plain\\f0\\fs20\\cf0 ";
    const Row rows[] = {
        {"device-dependent bitmap",
         [](TQmRTFText &d) {
             TTextObject *object = d.CreateObject(rgbPicture(), 0);
             object->width = 30;
             object->height = 15;
             appendObject(d, object, 2);
         },
         run + "{\\pict\\wbitmap0\\wbmbitspixel32\\wbmplanes1\\wbmwidthbytes8\\picw2\\pich1\\picwgoal30\\pichgoal15"
               "\r\n0000ffffff0000ff}}\r\n}"},
        {"device-independent bitmap",
         [&](TQmRTFText &d) { appendObject(d, d.CreateObject(qm::Graphic::fromBitmap(rgb), 0), 2); },
         run + "{\\pict\\dibitmap0\\wbmbitspixel24\\wbmplanes1\\wbmwidthbytes3\\picw1\\pich1\\picwgoal0\\pichgoal0\r\n"
               "280000000100000001000000010018000000000004000000000000000000000000000000000000003322110"
               "0}}\r\n}",
         {.writeBitmapAsDib = true}},
        {"metafile after its placeable header",
         [&](TQmRTFText &d) {
             TTextObject *object = d.CreateObject(qm::Graphic::fromMetafile(metafile, 100, 50), 7);
             object->width = 1500;
             object->height = 750;
             appendObject(d, object, 1);
         },
         run + "{\\pict\\wmetafile8\\picw100\\pich50\\picwgoal1500\\pichgoal750\r\n0102ab}}\r\n}"},
        {"linked picture",
         [](TQmRTFText &d) {
             TTextObject *object = d.CreateObject(rgbPicture(), 65535);
             object->fileName = "C:\\pics\\a.bmp";
             object->width = 30;
             object->height = 15;
             appendObject(d, object, 1);
         },
         run + "{\\*\\picfile\\picw2\\pich1\\picwgoal30\\pichgoal15 \"C:\\pics\\a.bmp\"}}\r\n}"},
        {"linked picture in brackets",
         [](TQmRTFText &d) {
             TTextObject *object = d.CreateObject(qm::Graphic(), 65535);
             object->fileName = "a.bmp";
             appendObject(d, object, 1);
         },
         run + "\\{bmc a.bmp\\}}\r\n}",
         {.linkedPicturesInBrackets = true}},
        {"provided object",
         [](TQmRTFText &d) {
             TTextObject *object = d.CreateObject(qm::Graphic(), 12);
             object->provided = true;
             object->width = 200;
             object->height = 100;
             appendObject(d, object, 1);
         },
         run + "\\wpobjtag12\\wpobjw200\\wpobjh100 \\'01}\r\n}"},
        {"missing object writes nothing",
         [](TQmRTFText &d) { appendRun(d, first(d), "\x01", attr(0, 10, TAttr::Object, 99)); }, run + "}\r\n}"},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        row.build(document);
        EXPECT_EQ(body(document, row.options), row.expected) << row.name;
    }
}

TEST(QmRTFWriterTest, Footnotes)
{
    TQmRTFText document;
    THyperlinkRecord &automatic = document.NewHyperlinkRecord();
    automatic.mark = '*';
    automatic.text = "see {here}";
    THyperlinkRecord &numbered = document.NewHyperlinkRecord();
    numbered.mark = '1';
    numbered.number = 3;
    numbered.text = "note";
    appendRun(document, first(document), "*", attr(0, 10, TAttr::HyperlinkRecord, automatic.key));
    appendRun(document, first(document), "1", attr(0, 10, TAttr::HyperlinkRecord, numbered.key));

    const QByteArray run = "\\plain\\f0\\fs20\\cf0 ";
    EXPECT_EQ(body(document), "{" + run +
                                  "{\\cs16\\super *{\\*\\footnote \\pard\\plain \\s15\\widctlpar \\f4\\fs20\\lang1031 "
                                  "{\\cs16\\super *} see \\{here\\}}}" +
                                  run +
                                  "{\\cs16\\super 1{\\*\\footnote \\wpfnnr3 \\pard\\plain \\s15\\widctlpar "
                                  "\\f4\\fs20\\lang1031 {\\cs16\\super\t1} note}}}\r\n}");
}

TEST(QmRTFWriterTest, Header)
{
    TQmRTFText document;
    TTextHeader &header = document.Header();
    header.GetFontNr("Arial");
    header.GetFontNr("Courier New");
    header.GetFontNr("Script");
    header.GetFontNr("Deco");
    header.GetFontNr("Roman");
    header.fonts[0].pitchAndFamily = 0x22;
    header.fonts[1].pitchAndFamily = 0x31;
    header.fonts[1].charset = 2;
    header.fonts[2].pitchAndFamily = 0x40;
    header.fonts[3].pitchAndFamily = 0x50;
    header.fonts[4].pitchAndFamily = 0x10;
    header.colors[15] = qm::rgbColor(1, 2, 3);
    header.colors[14] = qm::rgbColor(10, 20, 30);
    header.pageWidth = 1000;
    header.bottomMargin = 0;
    header.title = "T";
    header.subject = "S";
    header.comment = "C";

    QByteArray colors = DefaultColorTable;
    colors.replace("\\red128\\green128\\blue128;}", "\\red10\\green20\\blue30;}");
    const QByteArray expected = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss\\charset0 Arial;}"
                                "{\\f1\\fmodern\\charset2 Courier New;}{\\f2\\fscript\\charset0 Script;}"
                                "{\\f3\\fdecor\\charset0 Deco;}{\\f4\\fnil\\charset0 Roman;}}" +
                                colors +
                                "\\paperw1000\\paperh15840\\margl1880\\margr1880\\margt1440\\margb0"
                                "{\\title T}{\\subject\tS}{\\comment\tC}{}\r\n}";
    EXPECT_EQ(writeRtf(document).bytes, expected);
}

TEST(QmRTFWriterTest, PlainMemoryFormatWritesOneFontAndBareText)
{
    TQmRTFText document;
    document.GetFontNr("Arial");
    document.GetFontNr("Tahoma");
    document.CurrentAttr().fontNumber = 1;
    document.SetMemoryFormat(fmPlainText);
    appendRun(document, first(document), "a{b}", attr());
    const QByteArray bytes = writeRtf(document).bytes;
    EXPECT_TRUE(bytes.contains("{\\fonttbl{\\f0\\fnil\\charset0 Tahoma;}}"));
    EXPECT_TRUE(bytes.endsWith(PageLayout + "{a\\{b\\}}\r\n}"));
}

TEST(QmRTFWriterTest, LongRunsAreWrittenInPiecesWithTheSameBytes)
{
    TQmRTFText single;
    TTextLine *whole = single.FirstParagraph()->firstLine();
    single.ResizeLine(whole, 202);
    for (int i = 0; i < 200; ++i)
        whole->append('q', attr());

    RecordingDevice device;
    TQmRTFWriter writer;
    writer.SetupWholeDocument(single, {});
    ASSERT_EQ(writer.WriteBody(&device), 0);
    EXPECT_EQ(device.bytes, "{\\plain\\f0\\fs20\\cf0 " + QByteArray(200, 'q'));
    EXPECT_GE(device.writes.size(), 4) << "more than 90 buffered bytes are handed over at once";
    for (qint64 size : device.writes)
        EXPECT_LE(size, 96);
}

TEST(QmRTFWriterTest, ShortWritesFail)
{
    TQmRTFText document;
    appendRun(document, first(document), "Hello", attr());
    for (qint64 limit : {qint64(0), qint64(10), qint64(NewHeader.size()), qint64(NewHeader.size()) + 5}) {
        RecordingDevice device(limit);
        TQmRTFWriter writer;
        writer.SetupWholeDocument(document, {});
        int result = writer.WriteHeader(&device);
        if (result == 0)
            result = writer.WriteBody(&device);
        if (result == 0)
            result = writer.WriteFooter(&device);
        EXPECT_EQ(result, qm::result::Failure) << limit;
        EXPECT_EQ(device.bytes.size(), limit);
    }
}

TEST(QmRTFWriterTest, NothingToWriteWithoutRange)
{
    TQmRTFText document;
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    writer.Setup(document, TTextRange(), {});
    EXPECT_EQ(writer.WriteBody(&stream), qm::result::NothingToWrite);
}

TEST(QmRTFWriterTest, RangeWritesPartOfADocument)
{
    TQmRTFText document;
    appendRun(document, first(document), "Hello", attr());
    TParagraph *second = document.NewParagraph(first(document), 10);
    appendRun(document, second, "World", attr(0, 10, TAttr::Bold));
    TTextRange range;
    range.start = {first(document), first(document)->firstLine(), 3};
    range.end = {second, second->firstLine(), 2};

    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    writer.Setup(document, range, {});
    ASSERT_EQ(writer.WriteBody(&stream), 0);
    EXPECT_EQ(bytes, "{\\plain\\f0\\fs20\\cf0 lo\\par\n\r\\plain\\f0\\fs20\\cf0\\b Wo");
}
