#include "calendar/ValueReader.h"

#include "platform/Cp1252.h"
#include "platform/QmError.h"

#include <QtEndian>

namespace qm {
namespace {

[[noreturn]] void streamReadError()
{
    throw QmError(QStringLiteral("Stream read error"));
}

} // namespace

ValueReader::ValueReader(QIODevice &device)
    : m_device(device)
    , m_size(device.isSequential() ? -1 : device.size())
{}

void ValueReader::invalidPropertyValue()
{
    throw QmError(QStringLiteral("Invalid property value"));
}

qint64 ValueReader::remaining() const
{
    return m_size < 0 ? m_device.bytesAvailable() : m_size - m_device.pos();
}

quint8 ValueReader::readByte()
{
    char byte;
    if (!m_device.getChar(&byte))
        streamReadError();
    return quint8(byte);
}

QByteArray ValueReader::readBytes(qint64 count)
{
    if (count < 0 || count > remaining())
        streamReadError();
    QByteArray bytes(count, Qt::Uninitialized);
    if (m_device.read(bytes.data(), count) != count)
        streamReadError();
    return bytes;
}

qint32 ValueReader::readInt32()
{
    char bytes[4];
    if (m_device.read(bytes, 4) != 4)
        streamReadError();
    return qFromLittleEndian<qint32>(bytes);
}

void ValueReader::expectTag(ValueTag tag)
{
    if (readByte() != quint8(tag))
        invalidPropertyValue();
}

qint32 ValueReader::readInteger()
{
    switch (ValueTag(readByte())) {
    case ValueTag::Int8:
        return qint8(readByte());
    case ValueTag::Int16: {
        char bytes[2];
        if (m_device.read(bytes, 2) != 2)
            streamReadError();
        return qFromLittleEndian<qint16>(bytes);
    }
    case ValueTag::Int32:
        return readInt32();
    default:
        invalidPropertyValue();
    }
}

qint32 ValueReader::readInteger(qint32 minimum, qint32 maximum)
{
    const qint32 value = readInteger();
    if (value < minimum || value > maximum)
        invalidPropertyValue();
    return value;
}

QString ValueReader::readString()
{
    switch (ValueTag(readByte())) {
    case ValueTag::String:
        return fromCp1252(readShortString());
    case ValueTag::LongString:
        return fromCp1252(readBytes(quint32(readInt32())));
    default:
        invalidPropertyValue();
    }
}

QByteArray ValueReader::readBinaryData()
{
    return readBytes(quint32(readInt32()));
}

} // namespace qm
