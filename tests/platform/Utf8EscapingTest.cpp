#include "platform/Utf8Escaping.h"

#include <gtest/gtest.h>

using qm::decodeUtf8Escaped;
using qm::encodeUtf8Escaped;

namespace {

QString escaped(uchar byte)
{
    return QString(QChar(char16_t(0xDC00 + byte)));
}

TEST(Utf8Escaping, ValidUtf8ReadsAsTextAndEveryOtherByteAsItsEscape)
{
    struct Row {
        const char *name;
        QByteArray bytes;
        QString text;
    };
    const Row rows[] = {
        {"ASCII", "/home/a.QMF", QStringLiteral("/home/a.QMF")},
        {"UTF-8", "M\xC3\xBCller \xE2\x82\xAC", QStringLiteral("M\u00FCller \u20AC")},
        {"outside the basic plane", "\xF0\x9F\x98\x80", QString::fromUcs4(U"\U0001F600", 1)},
        {"Latin-1", "caf\xE9", QStringLiteral("caf") + escaped(0xE9)},
        {"stray byte after a surrogate pair", "\xF0\x9F\x98\x80\xE9",
         QString::fromUcs4(U"\U0001F600", 1) + escaped(0xE9)},
        {"overlong slash", "\xC0\xAF", escaped(0xC0) + escaped(0xAF)},
        {"encoded surrogate", "\xED\xA0\x80", escaped(0xED) + escaped(0xA0) + escaped(0x80)},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", escaped(0xF4) + escaped(0x90) + escaped(0x80) + escaped(0x80)},
        {"cut sequence at the end", "a\xE2\x82", QStringLiteral("a") + escaped(0xE2) + escaped(0x82)},
        {"cut sequence before ASCII", "\xE2\x82x", escaped(0xE2) + escaped(0x82) + QStringLiteral("x")},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(decodeUtf8Escaped(row.bytes), row.text) << row.name;
        EXPECT_EQ(encodeUtf8Escaped(row.text), row.bytes) << row.name;
    }
}

TEST(Utf8Escaping, EveryByteStringSurvivesARoundTrip)
{
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += char(byte);
    for (int start = 0; start < 256; ++start) {
        const QByteArray bytes = everyByte.mid(start) + everyByte.left(start);
        ASSERT_EQ(encodeUtf8Escaped(decodeUtf8Escaped(bytes)), bytes) << start;
    }
}

} // namespace
