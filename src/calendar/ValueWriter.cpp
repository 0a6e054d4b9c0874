#include "calendar/ValueWriter.h"

#include "platform/Cp1252.h"

#include <QtEndian>

#include <limits>

namespace qm {

void ValueWriter::writeInt32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_bytes.append(bytes, 4);
}

void ValueWriter::writeInteger(qint32 value)
{
    if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
        writeTag(ValueTag::Int8);
        m_bytes.append(char(value));
    } else if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()) {
        writeTag(ValueTag::Int16);
        char bytes[2];
        qToLittleEndian(qint16(value), bytes);
        m_bytes.append(bytes, 2);
    } else {
        writeTag(ValueTag::Int32);
        writeInt32(value);
    }
}

void ValueWriter::writeString(QStringView text)
{
    const QByteArray bytes = toCp1252(text);
    if (bytes.size() < 256) {
        writeTag(ValueTag::String);
        m_bytes.append(char(bytes.size()));
    } else {
        writeTag(ValueTag::LongString);
        writeInt32(qint32(bytes.size()));
    }
    m_bytes.append(bytes);
}

void ValueWriter::writeBinary(QByteArrayView data)
{
    writeTag(ValueTag::Binary);
    writeInt32(qint32(data.size()));
    m_bytes.append(data);
}

void ValueWriter::writeShortString(QByteArrayView text)
{
    Q_ASSERT(text.size() < 256);
    m_bytes.append(char(text.size()));
    m_bytes.append(text);
}

} // namespace qm
