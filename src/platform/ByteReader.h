#pragma once

#include <QByteArrayView>

namespace qm {

/// Reads little-endian values from a block of bytes at a position that the
/// reader keeps, checking every read against the end of the block.
///
/// Every read and every move past the end raises `QmError` "Stream read
/// error"; nothing is read then, so a count or offset taken from damaged
/// bytes cannot reach outside the block.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView data, qint64 position = 0);

    quint8 readUInt8();
    quint16 readUInt16();
    quint32 readUInt32();
    qint32 readInt32() { return qint32(readUInt32()); }
    /// The next `count` bytes, a view into the block.
    QByteArrayView readBytes(qint64 count);
    void skip(qint64 count) { seek(m_position + count); }
    /// Moves to `position`, which may be the end of the block but not beyond it.
    void seek(qint64 position);

    qint64 position() const { return m_position; }
    qint64 remaining() const { return m_data.size() - m_position; }
    QByteArrayView data() const { return m_data; }

private:
    void require(qint64 count) const;

    QByteArrayView m_data;
    qint64 m_position = 0;
};

} // namespace qm
