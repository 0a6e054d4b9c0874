#include "richtext/QmTextReader.h"

#include "platform/QmError.h"

#include <QBuffer>

#include "TestDocuments.h"

#include <gtest/gtest.h>

using qm::test::paragraphTexts;
using namespace Qt::StringLiterals;

TEST(QmTextReaderTest, ReadsParagraphsUpToAZeroByte)
{
    struct Row {
        const char *name;
        QByteArray input;
        QStringList expected;
    };
    const Row rows[] = {
        {"one line", "Hello", {"Hello"}},
        {"carriage return and line feed", "one\r\ntwo\r\n", {"one", "two", ""}},
        {"line feeds and carriage returns alone end paragraphs too", "a\nb\rc\n\r", {"a", "b", "c", "", ""}},
        {"zero byte ends the text", QByteArray("kept\0lost", 9), {"kept"}},
        {"text that is not UTF-8 is Windows-1252", "caf\xE9\tx \x80", {u"café\tx €"_s}},
        {"UTF-8", "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 \xF0\x9F\x98\x80", {u"Zażółć \U0001F600"_s}},
        {"empty stream", "", {""}},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        document.CurrentAttr().fontNumber = 2;
        QByteArray input = row.input;
        QBuffer stream(&input);
        stream.open(QIODevice::ReadOnly);
        TParagraph *insertion = document.FirstParagraph();
        TQmTextReader reader;
        EXPECT_EQ(reader.Read(&stream, &document, insertion), 0) << row.name;
        EXPECT_EQ(paragraphTexts(document), row.expected) << row.name;
        EXPECT_EQ(insertion, document.LastParagraph()) << row.name;
        const TTextLine *line = document.FirstParagraph()->firstLine();
        if (line->length > 0) {
            EXPECT_EQ(line->attributes()[0].fontNumber, 2) << row.name;
        }
    }
}

TEST(QmTextReaderTest, LongTextContinuesInLinesOf200)
{
    TQmRTFText document;
    QByteArray input(5000, 'x');
    QBuffer stream(&input);
    stream.open(QIODevice::ReadOnly);
    TParagraph *insertion = nullptr;
    TQmTextReader reader;
    reader.Read(&stream, &document, insertion);
    EXPECT_EQ(document.ParagraphCount(), 2) << "without insertion point a paragraph is appended";
    EXPECT_EQ(paragraphTexts(document).last(), input);
    EXPECT_EQ(insertion->firstLine()->next()->capacity(), 200);
}

TEST(QmTextReaderTest, MissingArgumentsAreReported)
{
    TQmTextReader reader;
    TParagraph *insertion = nullptr;
    try {
        reader.Read(nullptr, nullptr, insertion);
        FAIL() << "no error";
    } catch (const QmError &error) {
        EXPECT_EQ(error.message(), "Wrong Arguments");
    }
}
