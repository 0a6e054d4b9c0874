// What the RTF writer writes, the RTF reader reads back: write, read and
// write again gives the same bytes, and the document's content survives.

#include "richtext/QmRTFWriter.h"
#include "richtext/QmRtfReader.h"

#include "ReadRtf.h"
#include "TestDocuments.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>

using qm::test::appendRun;
using qm::test::attr;

namespace {

// The writer ends a run at every line end, so the bytes depend on where the
// lines of a paragraph break. The documents here break their lines where the
// reader does (lines of 60 slots), so that their bytes can be compared.
constexpr int ReaderLineCapacity = 60;

QByteArray writeRtf(const TQmRTFText &document, const TWriterOptions &options = {})
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    writer.SetupWholeDocument(document, options);
    EXPECT_EQ(writer.WriteHeader(&stream), 0);
    EXPECT_EQ(writer.WriteBody(&stream), 0);
    EXPECT_EQ(writer.WriteFooter(&stream), 0);
    return bytes;
}

/// Reads `rtf` into a new document whose first line breaks where the others do.
void readBack(TQmRTFText &document, const QByteArray &rtf)
{
    document.ResizeLine(document.FirstParagraph()->firstLine(), ReaderLineCapacity);
    EXPECT_EQ(qm::test::readRtf(document, rtf), 0);
}

/// Where two byte strings part, for a readable failure.
std::string firstDifference(const QByteArray &expected, const QByteArray &actual)
{
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 60);
    return "at byte " + std::to_string(at) + "\n expected ..." + expected.mid(from, 120).toStdString() +
           "\n actual   ..." + actual.mid(from, 120).toStdString();
}

TParagraph *addParagraph(TQmRTFText &document, const std::function<void(TParagraph &)> &format = {})
{
    TParagraph *paragraph = document.NewParagraph(document.LastParagraph(), ReaderLineCapacity);
    paragraph->format() = TParagraphFormat();
    if (format)
        format(*paragraph);
    return paragraph;
}

void appendObject(TQmRTFText &document, const TTextObject &object, quint32 flags = 0)
{
    const QChar code = object.tag != 0 ? u'\1' : u'\2';
    appendRun(document, document.LastParagraph(), QString(code),
              attr(0, 10, TAttr::Object | flags, object.tag != 0 ? object.tag : object.number));
}

void appendFootnote(TQmRTFText &document, char16_t mark, quint16 number, const QString &text)
{
    THyperlinkRecord &record = document.NewHyperlinkRecord();
    record.mark = mark;
    record.number = number;
    record.text = text;
    appendRun(document, document.LastParagraph(), QString(QChar(mark)),
              attr(1, 8, TAttr::HyperlinkRecord | TAttr::Superscript, record.key));
}

QImage smallImage()
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
    }
    return image;
}

void buildHeader(TQmRTFText &document)
{
    TTextHeader &header = document.Header();
    const struct {
        const char *name;
        int family;
        int charset;
    } fonts[] = {{"Arial", 0x20, 0},
                 {"Times New Roman", 0, 0},
                 {"Courier New", 0x30, 0},
                 {"Brush Script", 0x40, 0},
                 {"Symbol", 0x50, 2}};
    for (const auto &font : fonts) {
        const int number = header.GetFontNr(font.name);
        header.fonts[number].pitchAndFamily = font.family;
        header.fonts[number].charset = font.charset;
    }
    for (int i = 0; i < 15; ++i)
        header.colors[i] = qm::rgbColor(17 * i, 255 - 3 * i, (i * 40) % 256);
    header.pageWidth = 11906;
    header.pageHeight = 16838;
    header.leftMargin = 1134;
    header.rightMargin = 1000;
    header.topMargin = 900;
    header.bottomMargin = 800;
    header.title = "A title";
    header.subject = "Subject";
    header.comment = "Comment";
}

void buildCharacters(TQmRTFText &document)
{
    TParagraph *paragraph = document.FirstParagraph();
    document.ResizeLine(paragraph->firstLine(), ReaderLineCapacity);
    paragraph->format() = TParagraphFormat();
    paragraph->alignment = TParagraphFormat::AlignCenter;
    paragraph->spaceBefore = 120;
    paragraph->spaceAfter = 60;
    paragraph->lineSpacing = 240;
    appendRun(document, paragraph, "Size 0 ", attr(0, 0));
    for (int font = 0; font < 5; ++font)
        appendRun(document, paragraph, "font" + QByteArray::number(font), attr(quint8(font), quint8(8 + 4 * font)));
    for (int color = 0; color < 15; ++color) {
        TAttr colored = attr(0, 12);
        colored.setTextColor(color);
        colored.setBackgroundColor(14 - color);
        appendRun(document, paragraph, "c" + QByteArray::number(color), colored);
    }
    const quint32 styles[] = {TAttr::Bold,      TAttr::Italic,    TAttr::Underline,
                              TAttr::StrikeOut, TAttr::Hyperlink, TAttr::Superscript,
                              TAttr::Subscript, TAttr::Protected, TAttr::Bold | TAttr::Italic | TAttr::Underline};
    for (quint32 style : styles)
        appendRun(document, paragraph, "styled", attr(1, 11, style));
    appendRun(document, paragraph, "{braces} \\ tab\tbreak\nacc\xE9nt \x80\xFF", attr(2, 14));
    appendRun(document, paragraph, "x", attr(0, 10, TAttr::InsertPoint, 3));
    appendRun(document, paragraph, "y", attr(0, 10, TAttr::InsertPoint, 4));
    appendRun(document, paragraph, "42", attr(0, 10, TAttr::Automatic));
    appendRun(document, paragraph, "{\\b code}\\par", attr(0, 10, TAttr::RtfCode));
    appendRun(document, paragraph, "after code", attr());
    appendRun(document, paragraph, "hidden", attr(0, 10, TAttr::Hidden));
}

void buildParagraphs(TQmRTFText &document)
{
    const quint64 tabs = document.AddTab(720, tkLeft) | document.AddTab(1440, tkRight) |
                         document.AddTab(2880, tkCenter) | document.AddTab(4320, tkDecimal);
    appendRun(document,
              addParagraph(document,
                           [tabs](TParagraph &p) {
                               p.leftIndent = 720;
                               p.firstIndent = 1080;
                               p.rightIndent = 200;
                               p.tabMask = tabs;
                           }),
              "indented\twith\ttabs", attr());
    appendRun(document,
              addParagraph(document,
                           [tabs](TParagraph &p) {
                               p.leftIndent = 720;
                               p.firstIndent = 360;
                               p.tabMask = tabs & 0b0011;
                               p.alignment = TParagraphFormat::AlignRight;
                           }),
              "hanging\tindent", attr());
    appendRun(document,
              addParagraph(document,
                           [](TParagraph &p) {
                               p.flags = TParagraphFormat::PageBreakBefore | TParagraphFormat::KeepTogether;
                               p.alignment = TParagraphFormat::AlignJustify;
                               p.lineSpacing = -300;
                           }),
              "new page, kept together", attr());
    const auto box = [](TParagraph &p) {
        p.borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderBox;
        p.borderStyle = TParagraphFormat::BorderDotted;
        p.borderWidth = 2;
        p.borderColor = 0x23;
    };
    appendRun(document, addParagraph(document, box), "in a box", attr());
    appendRun(document, addParagraph(document), "between borders", attr());
    appendRun(document,
              addParagraph(document,
                           [](TParagraph &p) {
                               p.borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderTop |
                                               TParagraphFormat::BorderBottom | TParagraphFormat::BorderDouble;
                               p.borderStyle = TParagraphFormat::BorderHairline | TParagraphFormat::BorderBar |
                                               TParagraphFormat::BorderTableLines;
                               p.borderWidth = 1;
                               p.borderColor = 0x14;
                           }),
              "lines above and below", attr());
    appendRun(document,
              addParagraph(document,
                           [](TParagraph &p) {
                               p.shading = 25;
                               p.shadingColors = 0x52;
                               p.alignment = TParagraphFormat::AlignCenter;
                           }),
              "shaded", attr());
    appendRun(document, addParagraph(document, [](TParagraph &p) { p.alignment = TParagraphFormat::AlignRight; }),
              "after the shading", attr());
}

void buildObjects(TQmRTFText &document)
{
    addParagraph(document);
    appendRun(document, document.LastParagraph(), "pictures ", attr());
    TTextObject *bitmap = document.CreateObject(qm::Graphic::fromBitmap(smallImage()), 0);
    bitmap->width = 300;
    bitmap->height = 180;
    appendObject(document, *bitmap);
    const QByteArray records = QByteArray::fromHex("0100090000032200000000000500000009020000000003000000000000");
    TTextObject *metafile = document.CreateObject(
        qm::Graphic::fromMetafile(QByteArray(qm::Graphic::PlaceableHeaderSize, '\0') + records, 64, 32), 0);
    metafile->width = 960;
    metafile->height = 480;
    appendObject(document, *metafile);
    TTextObject *linked = document.CreateObject(qm::Graphic(), TQmRTFText::AutomaticTag);
    linked->fileName = "C:\\icons\\sun.bmp";
    linked->width = 240;
    linked->height = 240;
    appendObject(document, *linked);
    TTextObject *provided = document.CreateObject(qm::Graphic(), 7);
    provided->provided = true;
    provided->width = 500;
    provided->height = 250;
    appendObject(document, *provided);
    appendRun(document, document.LastParagraph(), " and notes", attr());
    appendFootnote(document, '*', 0, "An automatic note.");
    appendRun(document, document.LastParagraph(), " more", attr());
    appendFootnote(document, '2', 2, "Numbered {note}.");
}

void buildTable(TQmRTFText &document)
{
    const auto cell = [&document](const QByteArray &text, int placement, bool rowEnd, quint8 shading) {
        // Cells are written with their shading colours; the percentage has no word of its own.
        TParagraph *paragraph = addParagraph(document, [&](TParagraph &p) {
            p.flags = TParagraphFormat::TableCell | (rowEnd ? TParagraphFormat::RowEnd : 0);
            p.borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderBox;
            p.borderWidth = 1;
            p.borderColor = 0x13;
            p.leftIndent = p.firstIndent = 100;
            p.spaceBefore = p.spaceAfter = 40;
            p.shadingColors = shading;
            p.cellPlacement = {quint8(std::min(placement, 255)), quint8(std::max(placement - 255, 0)), 0, 0};
        });
        appendRun(document, paragraph, text, attr());
    };
    cell("r1c1", 100, false, 0);
    cell("r1c2", 255, true, 0x34);
    cell("r2c1", 100, false, 0);
    cell("r2c2", 255, true, 0x34);
    appendRun(document, addParagraph(document), "The end", attr(0, 10, TAttr::Bold));
}

/// A document with everything the writer writes.
void buildEverything(TQmRTFText &document)
{
    buildHeader(document);
    buildCharacters(document);
    buildParagraphs(document);
    buildObjects(document);
    buildTable(document);
}

} // namespace

TEST(RtfRoundTripTest, WriteReadWriteGivesTheSameBytes)
{
    struct Row {
        const char *name;
        std::function<void(TQmRTFText &)> build;
        TWriterOptions options = {};
    };
    const Row rows[] = {
        {"empty document", [](TQmRTFText &) {}},
        {"header", buildHeader},
        {"characters", [](TQmRTFText &d) { buildHeader(d), buildCharacters(d); }},
        {"paragraphs", [](TQmRTFText &d) { buildHeader(d), buildParagraphs(d); }},
        {"objects and footnotes", [](TQmRTFText &d) { buildHeader(d), buildObjects(d); }},
        {"table", [](TQmRTFText &d) { buildHeader(d), buildTable(d); }},
        {"everything", buildEverything},
        {"bitmaps as device-independent bitmaps", buildEverything, {.writeBitmapAsDib = true}},
    };
    for (const Row &row : rows) {
        TQmRTFText original;
        row.build(original);
        const QByteArray written = writeRtf(original, row.options);
        TQmRTFText read;
        readBack(read, written);
        const QByteArray rewritten = writeRtf(read, row.options);
        EXPECT_EQ(rewritten, written) << row.name << ": " << firstDifference(written, rewritten);
    }
}

TEST(RtfRoundTripTest, ContentSurvives)
{
    TQmRTFText original;
    buildEverything(original);
    TQmRTFText read;
    readBack(read, writeRtf(original));

    EXPECT_EQ(qm::test::paragraphTexts(read), qm::test::paragraphTexts(original));
    const TTextHeader &header = read.Header();
    for (int i = 0; i < TTextHeader::FontCount; ++i) {
        EXPECT_EQ(header.fonts[i].name, original.Header().fonts[i].name) << i;
        EXPECT_EQ(header.fonts[i].pitchAndFamily, original.Header().fonts[i].pitchAndFamily) << i;
        EXPECT_EQ(header.fonts[i].charset, original.Header().fonts[i].charset) << i;
    }
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(header.colors[i], original.Header().colors[i]) << i;
    EXPECT_EQ(header.pageWidth, 11906);
    EXPECT_EQ(header.bottomMargin, 800);
    EXPECT_EQ(header.title, "A title");

    // Cells are written with their four sides, which read back as four sides.
    const auto sidesOfBox = [](TParagraphFormat format) {
        if (format.borderFlags & TParagraphFormat::BorderBox) {
            format.borderFlags &= ~TParagraphFormat::BorderBox;
            format.borderFlags |= TParagraphFormat::BorderTop | TParagraphFormat::BorderBottom |
                                  TParagraphFormat::BorderLeft | TParagraphFormat::BorderRight;
        }
        format.borderFlags &= ~TParagraphFormat::BorderLast;
        format.tabMask = 0;
        return format;
    };
    const TParagraph *expected = original.FirstParagraph();
    const TParagraph *actual = read.FirstParagraph();
    for (int number = 0; expected && actual; ++number, expected = expected->next(), actual = actual->next()) {
        const TParagraphFormat format = sidesOfBox(actual->format());
        TParagraphFormat wanted = sidesOfBox(expected->format());
        if (wanted.isTableCell()) {
            wanted.spaceAfter = wanted.spaceBefore;
            wanted = sidesOfBox(wanted);
        }
        EXPECT_EQ(format, wanted) << "paragraph " << number;

        const TTextLine *expectedLine = expected->firstLine();
        const TTextLine *actualLine = actual->firstLine();
        QList<TAttr> expectedAttrs;
        QList<TAttr> actualAttrs;
        for (; expectedLine; expectedLine = expectedLine->next())
            expectedAttrs.append(
                QList<TAttr>(expectedLine->attributes(), expectedLine->attributes() + expectedLine->length));
        for (; actualLine; actualLine = actualLine->next())
            actualAttrs.append(QList<TAttr>(actualLine->attributes(), actualLine->attributes() + actualLine->length));
        ASSERT_EQ(actualAttrs.size(), expectedAttrs.size()) << "paragraph " << number;
        for (qsizetype i = 0; i < expectedAttrs.size(); ++i) {
            TAttr wantedAttr = expectedAttrs[i];
            if (wantedAttr.size == 0)
                wantedAttr.size = 10;
            EXPECT_EQ(actualAttrs[i], wantedAttr) << "paragraph " << number << " character " << i;
        }
    }

    ASSERT_EQ(read.Objects().size(), original.Objects().size());
    for (size_t i = 0; i < read.Objects().size(); ++i) {
        const TTextObject &want = *original.Objects()[i];
        const TTextObject &got = *read.Objects()[i];
        EXPECT_EQ(got.tag, want.tag) << i;
        EXPECT_EQ(got.number, want.number) << i;
        EXPECT_EQ(got.width, want.width) << i;
        EXPECT_EQ(got.height, want.height) << i;
        EXPECT_EQ(got.fileName, want.fileName) << i;
        EXPECT_EQ(got.graphic.kind(), want.graphic.kind()) << i;
        EXPECT_EQ(got.graphic.metafileBytes().mid(qm::Graphic::PlaceableHeaderSize),
                  want.graphic.metafileBytes().mid(qm::Graphic::PlaceableHeaderSize))
            << i;
        if (want.graphic.isBitmap()) {
            EXPECT_EQ(got.graphic.bitmap().convertToFormat(QImage::Format_RGB32), want.graphic.bitmap()) << i;
        }
    }
}

// Paragraph formatting that the writer puts in groups which the reader, as
// RTF has it, closes again: a box over two paragraphs (the last one is marked
// as the end of the box), a border right after another, a shaded paragraph
// followed by one formatted the same, and a box whose colour byte is 0 (read
// with the smallest distance from the text).
TEST(RtfRoundTripTest, BordersAndShadingAcrossParagraphs)
{
    const auto box = [](quint8 color) {
        return [color](TParagraph &p) {
            p.borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderBox;
            p.borderWidth = 1;
            p.borderColor = color;
        };
    };
    const auto top = [](TParagraph &p) {
        p.borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderTop;
        p.borderWidth = 1;
        p.borderColor = 0x11;
    };
    const auto shadedCentre = [](TParagraph &p) {
        p.shading = 20;
        p.alignment = TParagraphFormat::AlignCenter;
    };
    const auto centre = [](TParagraph &p) { p.alignment = TParagraphFormat::AlignCenter; };
    struct Row {
        const char *name;
        std::vector<std::function<void(TParagraph &)>> paragraphs;
    };
    const Row rows[] = {
        {"box over two paragraphs", {box(0x11), box(0x11), {}}},
        {"border after border", {box(0x11), top, {}}},
        {"shading, then the same alignment", {shadedCentre, centre}},
        {"box with colour byte 0", {box(0), {}}},
    };
    for (const Row &row : rows) {
        TQmRTFText original;
        for (const auto &format : row.paragraphs)
            appendRun(original, addParagraph(original, format), "text", attr());
        const QByteArray written = writeRtf(original);
        TQmRTFText read;
        readBack(read, written);
        EXPECT_EQ(writeRtf(read), written) << row.name << ": " << firstDifference(written, writeRtf(read));
    }
}

TEST(RtfRoundTripTest, UnicodeTextSurvivesWithTheSameBytes)
{
    TQmRTFText document;
    document.GetFontNr(QStringLiteral("Arial"));
    document.GetFontNr(QString::fromUtf8("ＭＳ 明朝"));
    document.Header().title = QString::fromUtf8("Kalendarz – Καλημέρα");
    const QStringList texts = {
        QString::fromUtf8("Zażółć gęślą jaźń"), QString::fromUtf8("Καλημέρα κόσμε"), QString::fromUtf8("Привет, мир"),
        QString::fromUtf8("日本語のテキスト"),  QString::fromUtf8("Party 🎉 time"),   QString::fromUtf8("Café {x}"),
    };
    TParagraph *paragraph = document.FirstParagraph();
    for (const QString &text : texts) {
        if (!paragraph->isEmpty())
            paragraph = addParagraph(document);
        appendRun(document, paragraph, text, attr(text.startsWith(u'日') ? 1 : 0));
    }

    const QByteArray first = writeRtf(document);
    EXPECT_TRUE(first.contains("Za\\u380z\\'f3\\u322?")) << "older readers show a near letter or a question mark";
    EXPECT_TRUE(first.contains("\\u-10180?\\u-8311?")) << "outside the BMP, each surrogate is written";
    EXPECT_FALSE(first.contains("\\uc")) << "one fallback byte is RTF's default";
    TQmRTFText again;
    readBack(again, first);
    EXPECT_EQ(qm::test::paragraphTexts(again), texts);
    EXPECT_EQ(again.Header().fonts[1].name, QString::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(again.Header().title, document.Header().title);
    const QByteArray second = writeRtf(again);
    EXPECT_EQ(second, first) << firstDifference(first, second);
}
