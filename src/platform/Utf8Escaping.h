#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

/// Text of files that other programs may have written in any 8-bit character
/// set, kept byte for byte. Valid UTF-8 reads as the characters it encodes;
/// each byte that is not part of a valid UTF-8 sequence (a Latin-1 "é", say)
/// reads as the lone surrogate U+DC80..U+DCFF of its value. Encoding turns
/// those back into the bytes, so every byte string survives a round trip.
QString decodeUtf8Escaped(QByteArrayView bytes);

/// The bytes `text` stands for: UTF-8, with each lone surrogate U+DC80..U+DCFF
/// written as the single byte it escapes.
QByteArray encodeUtf8Escaped(QStringView text);

} // namespace qm
