#include "Utf8Escaping.h"

namespace qm {
namespace {

constexpr char16_t firstEscape = 0xDC80;
constexpr char16_t lastEscape = 0xDCFF;

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

/// The length of the valid UTF-8 sequence at the start of `bytes`, or 0. Overlong
/// forms, surrogates and values beyond U+10FFFF are not valid: their bytes are
/// escaped one by one, as any other stray byte.
qsizetype validSequenceLength(QByteArrayView bytes)
{
    const auto byte = [&](qsizetype i) { return uchar(bytes[i]); };
    const uchar lead = byte(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    // The second byte's range excludes the overlong and out-of-range forms.
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return 0;
    }
    return length;
}

} // namespace

QString decodeUtf8Escaped(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    const auto flushRun = [&] { text += QString::fromUtf8(bytes.sliced(runStart, i - runStart)); };
    while (i < bytes.size()) {
        const qsizetype length = validSequenceLength(bytes.sliced(i));
        if (length > 0) {
            i += length;
            continue;
        }
        flushRun();
        text += QChar(char16_t(firstEscape + (uchar(bytes[i]) - 0x80)));
        runStart = ++i;
    }
    flushRun();
    return text;
}

QByteArray encodeUtf8Escaped(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    const auto flushRun = [&] { bytes += text.sliced(runStart, i - runStart).toUtf8(); };
    while (i < text.size()) {
        const char16_t unit = text[i].unicode();
        // The low half of a surrogate pair is a character's, not an escape.
        const bool pairedLow = i > 0 && text[i - 1].isHighSurrogate();
        if (unit < firstEscape || unit > lastEscape || pairedLow) {
            ++i;
            continue;
        }
        flushRun();
        bytes += char(unit - firstEscape + 0x80);
        runStart = ++i;
    }
    flushRun();
    return bytes;
}

} // namespace qm
