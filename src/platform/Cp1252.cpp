#include "Cp1252.h"

#include <array>

namespace qm {
namespace {

// Unicode of the bytes 80..9F; the others equal their Latin-1 value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar fromCp1252(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x80 && value <= 0x9F)
        return QChar(kHighControls[value - 0x80]);
    return QChar(value);
}

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = fromCp1252(byte);
    return text;
}

char toCp1252(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<char>(unicode);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unicode)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QByteArray toCp1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar character : text)
        *out++ = toCp1252(character);
    return bytes;
}

} // namespace qm
