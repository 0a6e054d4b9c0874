#pragma once

#include "calendar/ValueTag.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace qm {

/// Reads the values of a calendar document or style sheet from a device,
/// checking every read against what the device still holds.
///
/// Every read raises `QmError`: "Stream read error" when the device ends
/// before the value does (a length reaching past the end fails before anything
/// is allocated), "Invalid property value" when a tag is not one the value can
/// have. A random-access device is bounded by its size; a sequential one by
/// the bytes it has available.
class ValueReader
{
public:
    /// `device` must be open for reading; reading starts at its position.
    explicit ValueReader(QIODevice &device);

    void readListStart() { expectTag(ValueTag::ListStart); }
    void readListEnd() { expectTag(ValueTag::EndOfList); }
    /// An integer with any of the 8-, 16- and 32-bit tags.
    qint32 readInteger();
    /// As readInteger; a value outside [minimum, maximum] is an invalid property value.
    qint32 readInteger(qint32 minimum, qint32 maximum);
    /// A string with the short- or long-string tag, from Windows-1252.
    QString readString();
    /// Consumes one byte: the true tag is true, any other byte false.
    bool readBoolean() { return readByte() == quint8(ValueTag::True); }
    /// The bytes of a binary value whose tag has been read already.
    QByteArray readBinaryData();

    // The pieces of embedded component streams, which carry no tags.
    quint8 readByte();
    QByteArray readBytes(qint64 count);
    /// One length byte and the bytes.
    QByteArray readShortString() { return readBytes(readByte()); }

    [[noreturn]] static void invalidPropertyValue();

private:
    void expectTag(ValueTag tag);
    qint32 readInt32();
    qint64 remaining() const;

    QIODevice &m_device;
    qint64 m_size;
};

} // namespace qm
