#include "calendar/ValueReader.h"
#include "calendar/ValueWriter.h"
#include "richtext/ErrorText.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace qm;
using qm::test::errorText;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

/// Runs `read` over `bytes` and returns what it gave, with the bytes it left.
template <typename Read> auto readFrom(const QByteArray &bytes, Read read, qint64 *left = nullptr)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    ValueReader reader(buffer);
    auto value = read(reader);
    if (left)
        *left = buffer.bytesAvailable();
    return value;
}

QByteArray integerBytes(qint32 value)
{
    ValueWriter writer;
    writer.writeInteger(value);
    return writer.bytes();
}

} // namespace

TEST(ValueEncoding, IntegersTakeTheNarrowestTagAndReadBack)
{
    const struct {
        qint32 value;
        const char *bytes;
    } rows[] = {
        {0, "0200"},
        {25, "0219"},
        {127, "027f"},
        {-128, "0280"},
        {128, "038000"},
        {130, "038200"},
        {-129, "037fff"},
        {32767, "03ff7f"},
        {-32768, "030080"},
        {32768, "0400800000"},
        {-32769, "04ff7fffff"},
        {0xFFFFFF, "04ffffff00"},           // white
        {qint32(0x80000008), "0408000080"}, // a system colour
    };
    for (const auto &row : rows) {
        EXPECT_EQ(integerBytes(row.value).toHex(), row.bytes) << row.value;
        EXPECT_EQ(readFrom(hex(row.bytes), [](ValueReader &r) { return r.readInteger(); }), row.value) << row.bytes;
    }
}

TEST(ValueEncoding, AReaderTakesAnyIntegerWidth)
{
    const auto read = [](const char *bytes) {
        return readFrom(hex(bytes), [](ValueReader &r) { return r.readInteger(); });
    };
    EXPECT_EQ(read("030500"), 5);
    EXPECT_EQ(read("0405000000"), 5);
    EXPECT_EQ(read("04ffffffff"), -1);
}

TEST(ValueEncoding, StringsAreWindows1252WithAShortOrALongTag)
{
    const auto bytesOf = [](const QString &text) {
        ValueWriter writer;
        writer.writeString(text);
        return writer.bytes();
    };
    EXPECT_EQ(bytesOf(QString()).toHex(), "0600");
    EXPECT_EQ(bytesOf(QStringLiteral("F\u00e9v \u20ac")).toHex(), "060546e9762080");
    EXPECT_EQ(bytesOf(QString(255, u'x')).left(2).toHex(), "06ff");
    EXPECT_EQ(bytesOf(QString(256, u'x')).left(5).toHex(), "0c00010000");
    EXPECT_EQ(bytesOf(QString(300, u'x')).size(), 305);

    for (const QString &text : {QString(), QStringLiteral("F\u00e9v \u20ac"), QString(255, u'y'), QString(300, u'z')})
        EXPECT_EQ(readFrom(bytesOf(text), [](ValueReader &r) { return r.readString(); }), text);
    // Either tag is read whatever the length.
    EXPECT_EQ(readFrom(hex("0c020000004869"), [](ValueReader &r) { return r.readString(); }), "Hi");
}

TEST(ValueEncoding, BooleansAreOneByteAndOnlyTheTrueTagIsTrue)
{
    ValueWriter writer;
    writer.writeBoolean(true);
    writer.writeBoolean(false);
    EXPECT_EQ(writer.bytes().toHex(), "0908");

    for (int byte = 0; byte < 256; ++byte) {
        qint64 left = -1;
        const bool value = readFrom(
            QByteArray(1, char(byte)) + "z", [](ValueReader &r) { return r.readBoolean(); }, &left);
        EXPECT_EQ(value, byte == 9) << byte;
        EXPECT_EQ(left, 1) << byte;
    }
}

TEST(ValueEncoding, BinaryValuesCarryAFourByteLength)
{
    ValueWriter writer;
    writer.writeBinary("ab");
    EXPECT_EQ(writer.bytes().toHex(), "0a020000006162");
    EXPECT_EQ(readFrom(writer.bytes().mid(1), [](ValueReader &r) { return r.readBinaryData(); }), "ab");
}

TEST(ValueEncoding, BadInputFailsWithTheStreamingMessages)
{
    const struct {
        const char *name;
        const char *bytes;
        std::function<void(ValueReader &)> read;
        const char *error;
    } rows[] = {
        {"empty integer", "", [](ValueReader &r) { r.readInteger(); }, "Stream read error"},
        {"16-bit integer cut short", "0301", [](ValueReader &r) { r.readInteger(); }, "Stream read error"},
        {"32-bit integer cut short", "04010203", [](ValueReader &r) { r.readInteger(); }, "Stream read error"},
        {"string where an integer is expected", "0600", [](ValueReader &r) { r.readInteger(); },
         "Invalid property value"},
        {"false where an integer is expected", "08", [](ValueReader &r) { r.readInteger(); }, "Invalid property value"},
        {"integer out of range", "020d", [](ValueReader &r) { r.readInteger(1, 12); }, "Invalid property value"},
        {"integer where a string is expected", "0205", [](ValueReader &r) { r.readString(); },
         "Invalid property value"},
        {"string longer than the rest", "06054142", [](ValueReader &r) { r.readString(); }, "Stream read error"},
        {"long string of 2 GB", "0cffffff7f41", [](ValueReader &r) { r.readString(); }, "Stream read error"},
        {"long string of 4 GB", "0cffffffff41", [](ValueReader &r) { r.readString(); }, "Stream read error"},
        {"binary of 4 GB", "ffffffff00", [](ValueReader &r) { r.readBinaryData(); }, "Stream read error"},
        {"binary length cut short", "0100", [](ValueReader &r) { r.readBinaryData(); }, "Stream read error"},
        {"no list start", "00", [](ValueReader &r) { r.readListStart(); }, "Invalid property value"},
        {"no end of list", "0201", [](ValueReader &r) { r.readListEnd(); }, "Invalid property value"},
        {"end of file where a Boolean is expected", "", [](ValueReader &r) { r.readBoolean(); }, "Stream read error"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(errorText([&] {
                      readFrom(hex(row.bytes), [&](ValueReader &r) {
                          row.read(r);
                          return 0;
                      });
                  }),
                  row.error)
            << row.name;
    }
}
