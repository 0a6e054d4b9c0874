#include "ByteReader.h"

#include "QmError.h"

namespace qm {

namespace {

[[noreturn]] void readError()
{
    throw QmError(QStringLiteral("Stream read error"));
}

} // namespace

ByteReader::ByteReader(QByteArrayView data, qint64 position)
    : m_data(data)
{
    seek(position);
}

void ByteReader::require(qint64 count) const
{
    if (count < 0 || count > remaining())
        readError();
}

void ByteReader::seek(qint64 position)
{
    if (position < 0 || position > m_data.size())
        readError();
    m_position = position;
}

quint8 ByteReader::readUInt8()
{
    require(1);
    return quint8(m_data[m_position++]);
}

quint16 ByteReader::readUInt16()
{
    const quint16 low = readUInt8();
    return quint16(low | readUInt8() << 8);
}

quint32 ByteReader::readUInt32()
{
    const quint32 low = readUInt16();
    return low | quint32(readUInt16()) << 16;
}

QByteArrayView ByteReader::readBytes(qint64 count)
{
    require(count);
    const QByteArrayView bytes = m_data.sliced(m_position, count);
    m_position += count;
    return bytes;
}

} // namespace qm
