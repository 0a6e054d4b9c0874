#pragma once

#include "calendar/ValueTag.h"

#include <QByteArray>
#include <QString>

namespace qm {

/// Encodes the values of a calendar document or style sheet into a buffer;
/// the caller writes the finished buffer out in one piece.
///
/// Integers take the narrowest of the 8-, 16- and 32-bit tags that holds
/// them; strings are Windows-1252 bytes, with the short-string tag below 256
/// bytes and the long-string tag from there on.
class ValueWriter
{
public:
    void writeListStart() { writeTag(ValueTag::ListStart); }
    void writeListEnd() { writeTag(ValueTag::EndOfList); }
    void writeInteger(qint32 value);
    void writeString(QStringView text);
    void writeBoolean(bool value) { writeTag(value ? ValueTag::True : ValueTag::False); }
    /// The binary tag, a 4-byte length and the bytes.
    void writeBinary(QByteArrayView data);

    // The pieces of embedded component streams, which carry no tags.
    /// One length byte and the bytes; `text` must be shorter than 256 bytes.
    void writeShortString(QByteArrayView text);
    void writeBytes(QByteArrayView bytes) { m_bytes.append(bytes); }

    const QByteArray &bytes() const { return m_bytes; }

private:
    void writeTag(ValueTag tag) { m_bytes.append(char(tag)); }
    void writeInt32(qint32 value);

    QByteArray m_bytes;
};

} // namespace qm
