#include "richtext/QmRTFTextIo.h"

#include "platform/QmError.h"
#include "richtext/QmRTFWriter.h"
#include "richtext/QmRtfStrings.h"
#include "richtext/ResultCode.h"

#include "ErrorText.h"
#include "RecordingDevice.h"
#include "TestDocuments.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using qm::test::appendRun;
using qm::test::attr;
using qm::test::errorText;
using qm::test::paragraphTexts;

namespace {

QByteArray saved(TQmRTFTextIo &document)
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    EXPECT_EQ(document.SaveToStream(&stream), 0);
    return bytes;
}

QByteArray rtfOf(TQmRTFTextIo &document)
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    EXPECT_EQ(document.WriteDocument(&stream, &writer), 0);
    return bytes;
}

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// A document with every kind of content a copy must carry.
void fillRichDocument(TQmRTFTextIo &document)
{
    TTextHeader &header = document.Header();
    header.GetFontNr("Arial");
    header.GetFontNr("Times New Roman");
    header.fonts[1].pitchAndFamily = 0x12;
    header.colors[5] = 0x123456;
    header.pageWidth = 10000;
    header.leftMargin = 500;
    header.unit = TTextUnit::Metric;
    header.title = "Title";

    TParagraph *first = document.FirstParagraph();
    first->alignment = TParagraphFormat::AlignCenter;
    first->leftIndent = 720;
    first->tabMask = document.AddTab(1440, tkRight);
    TAttr bold = attr(1, 14, TAttr::Bold);
    bold.setTextColor(5);
    appendRun(document, first, QByteArray(150, 'b'), bold);

    TTextObject *picture = document.CreateObject(qm::Graphic::fromBitmap(QImage(4, 2, QImage::Format_RGB32)), 0);
    picture->width = 60;
    picture->height = 30;
    appendRun(document, first, "\x02", attr(0, 10, TAttr::Object, picture->number));
    TTextObject *linked = document.CreateObject(qm::Graphic(), 65535);
    linked->fileName = "sun.bmp";
    linked->width = 100;
    appendRun(document, first, "\x01", attr(0, 10, TAttr::Object, linked->tag));

    THyperlinkRecord &note = document.NewHyperlinkRecord();
    note.text = "note";
    note.mark = '*';
    TParagraph *second = document.NewParagraph(first, 10);
    second->flags = TParagraphFormat::PageBreakBefore;
    appendRun(document, second, "*", attr(0, 10, TAttr::HyperlinkRecord, note.key));
    appendRun(document, second, "italic", attr(0, 0, TAttr::Italic));
}

} // namespace

TEST(QmRTFTextIoTest, IsEmpty)
{
    struct Row {
        const char *name;
        std::function<void(TQmRTFTextIo &)> build;
        bool empty;
    };
    const Row rows[] = {
        {"new document", [](TQmRTFTextIo &) {}, true},
        {"a single space", [](TQmRTFTextIo &d) { appendRun(d, d.FirstParagraph(), " ", attr()); }, false},
        {"formatting does not count",
         [](TQmRTFTextIo &d) {
             d.FirstParagraph()->alignment = TParagraphFormat::AlignCenter;
             d.FirstParagraph()->borderFlags = TParagraphFormat::Bordered;
         },
         true},
        {"two empty paragraphs", [](TQmRTFTextIo &d) { d.NewParagraph(d.FirstParagraph(), 10); }, false},
        {"two empty lines", [](TQmRTFTextIo &d) { d.NewLine(d.FirstParagraph(), d.FirstParagraph()->firstLine(), 10); },
         false},
        {"cleared after text",
         [](TQmRTFTextIo &d) {
             appendRun(d, d.FirstParagraph(), "x", attr());
             d.Clear();
         },
         true},
    };
    for (const Row &row : rows) {
        TQmRTFTextIo document;
        row.build(document);
        EXPECT_EQ(document.IsEmpty(), row.empty) << row.name;
    }
}

TEST(QmRTFTextIoTest, ClearResetsTheCurrentAttributeAndSpacing)
{
    TQmRTFTextIo document;
    document.CurrentAttr() = attr(0, 12, TAttr::Bold);
    document.NewParagraph(document.FirstParagraph(), 10);
    document.Clear();
    EXPECT_EQ(document.CurrentAttr(), TAttr());
    EXPECT_EQ(document.FirstParagraph()->spaceBefore, 0);
    EXPECT_EQ(document.InsertionPosition().paragraph, document.FirstParagraph());
    EXPECT_EQ(document.Header().fonts[0].name, "Arial");
}

TEST(QmRTFTextIoTest, WriterChoice)
{
    struct Row {
        const char *name;
        TQmLoadFormat saveFormat;
        int lastLoaded;
        TQmMemoryFormat memory;
        bool empty;
        bool rtf;
    };
    const Row rows[] = {
        {"rich text defaults to RTF", AutomaticFormat, 0, fmRichText, false, true},
        {"an empty document is plain text", AutomaticFormat, 0, fmRichText, true, false},
        {"plain memory format is plain text", AutomaticFormat, 0, fmPlainText, false, false},
        {"save format ANSI", FormatANSI, FormatRTF, fmRichText, false, false},
        {"save format RTF in plain memory", FormatRTF, 0, fmPlainText, false, true},
        {"HTML is written as text", FormatHTML, 0, fmRichText, false, false},
        {"last loaded ANSI", LastFormat, FormatANSI, fmRichText, false, false},
        {"last loaded RTF", AutomaticFormat, FormatRTF, fmPlainText, false, true},
        {"last loaded HTML does not count", AutomaticFormat, FormatHTML, fmRichText, false, true},
    };
    for (const Row &row : rows) {
        TQmRTFTextIo document;
        document.SetMemoryFormat(row.memory);
        if (!row.empty)
            appendRun(document, document.FirstParagraph(), "x", attr());
        document.SetSaveFormat(row.saveFormat);
        document.Header().lastLoadedFormat = row.lastLoaded;
        const QByteArray bytes = saved(document);
        EXPECT_EQ(document.ResultCode(), 0) << row.name;
        EXPECT_EQ(bytes.startsWith("{\\rtf1"), row.rtf) << row.name;
        if (!row.rtf) {
            EXPECT_EQ(bytes, row.empty ? QByteArray(1, '\0') : QByteArray("x\0", 2)) << row.name;
        }
    }
}

TEST(QmRTFTextIoTest, SaveToFileForcesRtfByName)
{
    QTemporaryDir folder;
    TQmRTFTextIo document;
    document.SetSaveFormat(FormatANSI);

    const QString rtfName = folder.filePath("empty.Rtf");
    document.SaveToFile(rtfName);
    EXPECT_EQ(document.ResultCode(), 0);
    const QByteArray rtf = fileBytes(rtfName);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl}{\\colortbl")) << rtf.toStdString();
    EXPECT_TRUE(rtf.endsWith("\\margb1440{}\r\n}")) << rtf.toStdString();
    EXPECT_EQ(document.SaveFormat(), FormatANSI) << "the save format is restored";

    const QString textName = folder.filePath("empty.txt");
    document.SaveToFile(textName);
    EXPECT_EQ(fileBytes(textName), QByteArray(1, '\0'));

    const QString missing = folder.filePath("no/such/folder/x.rtf");
    EXPECT_EQ(errorText([&] { document.SaveToFile(missing); }), "Cannot create file " + missing.toStdString());
    EXPECT_EQ(document.SaveFormat(), FormatANSI);
}

TEST(QmRTFTextIoTest, SaveSelection)
{
    TQmRTFTextIo document;
    appendRun(document, document.FirstParagraph(), "Hello", attr());
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    EXPECT_EQ(document.SaveSelectionToStream(&stream), 0);
    EXPECT_TRUE(bytes.isEmpty());

    TParagraph *paragraph = document.FirstParagraph();
    document.SetSelection({{paragraph, paragraph->firstLine(), 1}, {paragraph, paragraph->firstLine(), 3}});
    document.SetSaveFormat(FormatANSI);
    EXPECT_EQ(document.SaveSelectionToStream(&stream), 0);
    EXPECT_EQ(bytes, QByteArray("el\0", 3));
}

TEST(QmRTFTextIoTest, WriteDocumentStopsAtTheFirstFailure)
{
    TQmRTFTextIo document;
    QBuffer stream;
    stream.open(QIODevice::ReadOnly);
    TQmRTFWriter writer;
    EXPECT_EQ(document.WriteDocument(&stream, &writer), qm::result::Failure) << "a stream that takes nothing";
    EXPECT_EQ(document.WriteDocument(&stream, nullptr), qm::result::Failure);
    EXPECT_EQ(document.ResultCode(), qm::result::Failure);
}

TEST(QmRTFTextIoTest, LoadsTextFilesWithDetection)
{
    QTemporaryDir folder;
    struct Row {
        const char *name;
        QByteArray bytes;
        int format;
        QStringList paragraphs;
    };
    const Row rows[] = {
        {"ANSI", "one\r\ntwo", FormatANSI, {"one", "two"}},
        {"HTML read as its text", "<b>x</b>", FormatHTML, {"<b>x</b>"}},
    };
    for (const Row &row : rows) {
        const QString fileName = folder.filePath("in.txt");
        writeFile(fileName, row.bytes);
        TQmRTFTextIo document;
        appendRun(document, document.FirstParagraph(), "old", attr());
        document.LoadFromFile(fileName);
        EXPECT_EQ(document.ResultCode(), 0) << row.name;
        EXPECT_EQ(document.Header().lastLoadedFormat, row.format) << row.name;
        EXPECT_EQ(paragraphTexts(document), row.paragraphs) << row.name;
    }
    const QString missing = folder.filePath("missing.txt");
    TQmRTFTextIo document;
    EXPECT_EQ(errorText([&] { document.LoadFromFile(missing); }), "Cannot open file " + missing.toStdString());
}

TEST(QmRTFTextIoTest, LargeTextLoadsInPlainFormat)
{
    QByteArray bytes(500001, 'a');
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TQmRTFTextIo document;
    EXPECT_EQ(document.LoadFromStream(&stream), FormatANSI);
    EXPECT_EQ(document.MemoryFormat(), fmPlainText);
    EXPECT_EQ(document.FirstParagraph()->characterCount(), 500001);
}

TEST(QmRTFTextIoTest, AssignCopiesEverythingAndSharesNothing)
{
    TQmRTFTextIo source;
    fillRichDocument(source);
    TQmRTFTextIo copy;
    appendRun(copy, copy.FirstParagraph(), "previous text", attr());
    copy.Assign(source);

    EXPECT_EQ(qm::test::characters(copy), qm::test::characters(source));
    EXPECT_EQ(qm::test::paragraphFormats(copy), qm::test::paragraphFormats(source));
    for (int i = 0; i < TTextHeader::FontCount; ++i) {
        EXPECT_EQ(copy.Header().fonts[i].name, source.Header().fonts[i].name);
        EXPECT_EQ(copy.Header().fonts[i].pitchAndFamily, source.Header().fonts[i].pitchAndFamily);
    }
    EXPECT_EQ(copy.Header().colors, source.Header().colors);
    EXPECT_EQ(copy.Header().tabs[0].twips, 1410) << "snapped to the metric grid when added";
    EXPECT_EQ(copy.Header().tabs[0].kind, tkRight);
    EXPECT_EQ(copy.Header().pageWidth, 10000);
    EXPECT_EQ(copy.Header().leftMargin, 500);
    EXPECT_TRUE(copy.Header().title.isEmpty()) << "document strings are not copied";
    EXPECT_EQ(copy.Header().unit, TTextUnit::Metric);
    EXPECT_EQ(copy.Header().textWidthPixels, (10000 - 500 - 1880) * 96 / 1440);
    EXPECT_EQ(copy.Header().layoutWidthPixels, copy.Header().textWidthPixels);
    EXPECT_EQ(paragraphTexts(copy), paragraphTexts(source));
    EXPECT_EQ(copy.LastParagraph()->flags, TParagraphFormat::PageBreakBefore);

    ASSERT_EQ(copy.Objects().size(), 2u);
    const TTextObject &picture = *copy.Objects()[0];
    const TTextObject &original = *source.Objects()[0];
    EXPECT_EQ(picture.width, 60);
    EXPECT_EQ(picture.height, 30);
    EXPECT_EQ(picture.graphic.bitmap().size(), QSize(4, 2));
    EXPECT_NE(picture.graphic.bitmap().constBits(), original.graphic.bitmap().constBits()) << "pictures are copied";
    EXPECT_EQ(copy.Objects()[1]->fileName, "sun.bmp");

    const TParagraph *second = copy.LastParagraph();
    const TAttr &mark = second->firstLine()->attributes()[0];
    ASSERT_NE(copy.FindHyperlinkRecord(mark.tag), nullptr);
    EXPECT_NE(copy.FindHyperlinkRecord(mark.tag), source.FindHyperlinkRecord(mark.tag));
    EXPECT_EQ(copy.FindHyperlinkRecord(mark.tag)->text, "note");

    // Editing either leaves the other as it was.
    const QByteArray before = rtfOf(source);
    appendRun(copy, copy.FirstParagraph(), "more", attr());
    copy.FirstParagraph()->leftIndent = 0;
    copy.Header().colors[5] = 0;
    copy.FindHyperlinkRecord(mark.tag)->text = "changed";
    EXPECT_EQ(rtfOf(source), before);
    const QByteArray copied = rtfOf(copy);
    source.Clear();
    EXPECT_EQ(rtfOf(copy), copied);
}

TEST(QmRTFTextIoTest, AppendingLeavesOutOmittedTextUnlessCopyingWholly)
{
    TQmRTFTextIo source;
    appendRun(source, source.FirstParagraph(), "a", attr());
    appendRun(source, source.FirstParagraph(), "1", attr(0, 10, TAttr::InsertPoint, 1));
    appendRun(source, source.FirstParagraph(), "2", attr(0, 10, TAttr::Automatic));
    source.FirstParagraph()->flags = TParagraphFormat::TableCell;
    source.FirstParagraph()->spaceAfter = 99;

    TQmRTFTextIo target;
    target.WriterOptions().omitAutomaticText = true;
    target.WriterOptions().omitInsertPoints = true;
    target.AppendParagraphs(source, false);
    EXPECT_EQ(paragraphTexts(target), QStringList{"a"});
    EXPECT_EQ(target.FirstParagraph()->spaceAfter, 0) << "table cells get no space after";
    target.Assign(source);
    EXPECT_EQ(paragraphTexts(target), QStringList{"a12"});
}

TEST(QmRTFTextIoTest, CopiedObjectsAreReusedByFileNameAndTag)
{
    TQmRTFTextIo source;
    TTextObject *linked = source.CreateObject(qm::Graphic(), 65535);
    linked->fileName = "Sun.BMP";
    TTextObject *provided = source.CreateObject(qm::Graphic(), 42);
    provided->provided = true;
    appendRun(source, source.FirstParagraph(), "\x01\x01", attr(0, 10, TAttr::Object, linked->tag));
    appendRun(source, source.FirstParagraph(), "\x01", attr(0, 10, TAttr::Object, 42));
    appendRun(source, source.FirstParagraph(), "\x02", attr(0, 10, TAttr::Object, 77)); // refers to nothing

    TQmRTFTextIo target;
    target.Assign(source);
    EXPECT_EQ(target.Objects().size(), 2u) << "the same file and the same tag give one object each";
    EXPECT_EQ(target.FirstParagraph()->characterCount(), 3) << "a placeholder without object is left out";
    EXPECT_TRUE(target.FindObjectByTag(42)->provided);
}

TEST(QmRTFTextIoTest, DataProperty)
{
    TQmRTFTextIo document;
    EXPECT_TRUE(document.writeDataProperty().isEmpty()) << "an empty document has no Data";
    appendRun(document, document.FirstParagraph(), "Hello", attr());
    const QByteArray data = document.writeDataProperty();
    EXPECT_EQ(data, rtfOf(document) + QByteArray(4, '\0'));
    EXPECT_TRUE(data.startsWith("{\\rtf1"));

    TQmRTFTextIo other;
    appendRun(other, other.FirstParagraph(), "old", attr());
    other.readDataProperty(data);
    EXPECT_FALSE(paragraphTexts(other).join(QString()).contains("old")) << "reading replaces the document";
}

TEST(QmRTFTextIoTest, AWriteCutShortIsReportedByEverySaveOfTheDocument)
{
    TQmRTFTextIo document;
    appendRun(document, document.FirstParagraph(), "Hello", attr());
    for (TQmLoadFormat format : {FormatRTF, FormatANSI}) {
        document.SetSaveFormat(format);
        RecordingDevice device(3);
        EXPECT_EQ(document.SaveToStream(&device), qm::result::Failure) << format;
        EXPECT_EQ(document.ResultCode(), qm::result::Failure) << format;
    }
    RecordingDevice device(3);
    EXPECT_EQ(TQmRtfStrings(document).SaveToStream(&device), qm::result::Failure);
}
