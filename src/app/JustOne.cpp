#include "JustOne.h"

#include "PreviousInstance.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace {

/// The running start may hold the lock a moment before it listens.
constexpr int retryMilliseconds = 50;

bool connectBefore(QLocalSocket &socket, const QString &serverName, const QDeadlineTimer &deadline)
{
    for (;;) {
        socket.connectToServer(serverName);
        if (socket.waitForConnected(retryMilliseconds))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(retryMilliseconds);
    }
}

bool answeredBefore(QLocalSocket &socket, const QDeadlineTimer &deadline)
{
    while (socket.bytesAvailable() == 0) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == TPreviousInstance::answerByte;
}

} // namespace

TJustOne::TJustOne(const TPreviousInstance &previous, const QString &fileName)
{
    if (!previous.PreviousRunning())
        return;
    const QDeadlineTimer deadline(answerTimeoutMilliseconds);
    QLocalSocket socket;
    if (!connectBefore(socket, previous.serverName(), deadline))
        return;
    const QString absolute = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
    socket.write(absolute.toUtf8() + TPreviousInstance::requestEnd);
    socket.flush();
    m_handedOver = answeredBefore(socket, deadline);
    socket.abort();
}
