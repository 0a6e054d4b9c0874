#include "richtext/FormatDetection.h"

#include <QBuffer>

#include <gtest/gtest.h>

TEST(FormatDetectionTest, DetectsRtfHtmlAndAnsi)
{
    struct Row {
        const char *name;
        QByteArray bytes;
        TQmLoadFormat expected;
    };
    const Row rows[] = {
        {"RTF", "{\\rtf1\\ansi x}", FormatRTF},
        {"RTF after blank lines", "\r\n\r\n \t\b{\\rtf1 x}", FormatRTF},
        {"RTF after many blanks", QByteArray(10000, ' ') + "{\\rtf1}", FormatRTF},
        {"cut-off RTF keyword", "  {\\rt", FormatANSI},
        {"text before the group", "x{\\rtf1}", FormatANSI},
        {"html tag in capitals", "<HTML><BODY>x</BODY></HTML>", FormatHTML},
        {"bold tag inside text", "plain text with <b>bold</b> words", FormatHTML},
        {"every listed tag", "<Title>", FormatHTML},
        {"h1", "x<h1>y", FormatHTML},
        {"closing tags only", "</b></p>", FormatANSI},
        {"tag name of ten characters", "<abcdefghij><b", FormatANSI},
        {"unknown tag", "a <span> b", FormatANSI},
        {"carriage return inside a tag", "<b\r>", FormatANSI},
        {"tag after the first 2000 bytes", QByteArray(2000, 'x') + "<b>", FormatANSI},
        {"tag within the first 2000 bytes", QByteArray(1997, 'x') + "<b>", FormatHTML},
        {"empty", "", FormatANSI},
    };
    for (const Row &row : rows) {
        QByteArray bytes = "skip" + row.bytes;
        QBuffer stream(&bytes);
        stream.open(QIODevice::ReadOnly);
        stream.seek(4);
        EXPECT_EQ(qm::detectTextFormat(&stream), row.expected) << row.name;
        EXPECT_EQ(stream.pos(), 4) << row.name;
    }
}
