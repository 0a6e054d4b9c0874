#include "JustOne.h"

#include "PreviousInstance.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

/// The running start may hold the lock a moment before it listens.
constexpr int connectTimeoutMilliseconds = 5000;
constexpr int retryMilliseconds = 50;

} // namespace

TJustOne::TJustOne(const TPreviousInstance &previous, const QString &fileName)
{
    if (!previous.PreviousRunning())
        return;
    QLocalSocket socket;
    const QDeadlineTimer deadline(connectTimeoutMilliseconds);
    for (;;) {
        socket.connectToServer(previous.serverName());
        if (socket.waitForConnected(retryMilliseconds) || deadline.hasExpired())
            break;
        QThread::msleep(retryMilliseconds);
    }
    if (socket.state() != QLocalSocket::ConnectedState)
        return;
    const QString absolute = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
    socket.write(absolute.toUtf8());
    m_handedOver = socket.waitForBytesWritten(connectTimeoutMilliseconds) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectTimeoutMilliseconds);
}
