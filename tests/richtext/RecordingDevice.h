#pragma once

#include <QIODevice>
#include <QList>

/// A stream that records the size of every write and can refuse bytes after a limit.
class RecordingDevice : public QIODevice
{
public:
    explicit RecordingDevice(qint64 limit = -1)
        : m_limit(limit)
    {
        open(QIODevice::WriteOnly);
    }
    QByteArray bytes;
    QList<qint64> writes;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        writes.append(size);
        if (m_limit >= 0)
            size = qMin(size, m_limit - bytes.size());
        bytes.append(data, size);
        return size;
    }

private:
    qint64 m_limit;
};
