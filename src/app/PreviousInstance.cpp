#include "PreviousInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

/// A start writes its lock just after creating it and listens just after
/// that: an unreadable lock may be one that is being written this moment.
constexpr int unreadableLockGraceMilliseconds = 250;
constexpr int retryMilliseconds = 25;

/// A request longer than any file name comes from something else.
constexpr qsizetype longestRequest = 64 * 1024;

bool someoneListens(const QString &serverName)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    return socket.waitForConnected(retryMilliseconds);
}

} // namespace

TPreviousInstance::TPreviousInstance(const QString &runtimeFolder, const QString &baseName)
    : m_folder(runtimeFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                                       : runtimeFolder)
    , m_baseName(baseName.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).fileName() : baseName)
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(lockFileName());
    // Only a lock whose process has ended is stale, however long the program runs.
    m_lock->setStaleLockTime(0);
    m_previousRunning = anotherStartRuns();
    if (!m_previousRunning)
        listen();
}

TPreviousInstance::~TPreviousInstance()
{
    m_server.close();
    m_lock->unlock();
}

QString TPreviousInstance::serverName() const
{
    return QDir(m_folder).filePath(m_baseName + QStringLiteral(".socket"));
}

QString TPreviousInstance::lockFileName() const
{
    return QDir(m_folder).filePath(m_baseName + QStringLiteral(".lock"));
}

bool TPreviousInstance::anotherStartRuns()
{
    // A lock that cannot be created at all (no runtime folder, say) stops nobody.
    if (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError)
        return false;
    if (!lockIsAbandoned())
        return true;
    m_lock->removeStaleLockFile();
    // An empty folder in the lock's place goes too; a folder that holds
    // anything is not ours to remove, and the program runs without the lock.
    QDir(m_folder).rmdir(QFileInfo(lockFileName()).fileName());
    m_lock->tryLock(0);
    return false;
}

bool TPreviousInstance::lockIsAbandoned() const
{
    const QDeadlineTimer deadline(unreadableLockGraceMilliseconds);
    qint64 processId = 0;
    QString hostName;
    QString application;
    do {
        // A readable lock that tryLock did not take belongs to a live process.
        if (m_lock->getLockInfo(&processId, &hostName, &application) || someoneListens(serverName()))
            return false;
        QThread::msleep(retryMilliseconds);
    } while (!deadline.hasExpired());
    return true;
}

void TPreviousInstance::listen()
{
    // A socket left behind by a start that crashed would block the name.
    QLocalServer::removeServer(serverName());
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(serverName());
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection())
            receive(socket);
    });
}

void TPreviousInstance::receive(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto request = std::make_shared<QByteArray>();
    const auto read = [this, socket, request] {
        request->append(socket->readAll());
        const qsizetype end = request->indexOf(requestEnd);
        if (end < 0 && request->size() <= longestRequest)
            return;
        socket->disconnect(this);
        if (end >= 0) {
            // The answer goes first: the sender waits for it, and opening the
            // file may take longer than it waits.
            socket->write(&answerByte, 1);
            socket->flush();
            Q_EMIT handOverReceived(QString::fromUtf8(request->first(end)));
        }
        socket->disconnectFromServer();
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    if (socket->bytesAvailable() > 0)
        read();
}
