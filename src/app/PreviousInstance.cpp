#include "PreviousInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

TPreviousInstance::TPreviousInstance(const QString &runtimeFolder, const QString &baseName)
    : m_folder(runtimeFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                                       : runtimeFolder)
    , m_baseName(baseName.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).fileName() : baseName)
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(QDir(m_folder).filePath(m_baseName + QStringLiteral(".lock")));
    // Only a lock whose process has ended is stale, however long the program runs.
    m_lock->setStaleLockTime(0);
    m_previousRunning = !m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError;
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
    // The request is the file name in UTF-8; the sender closes the connection when it is complete.
    auto request = std::make_shared<QByteArray>();
    const auto finish = [this, socket, request] {
        request->append(socket->readAll());
        socket->deleteLater();
        Q_EMIT handOverReceived(QString::fromUtf8(*request));
    };
    connect(socket, &QLocalSocket::readyRead, this, [socket, request] { request->append(socket->readAll()); });
    if (socket->state() == QLocalSocket::ConnectedState)
        connect(socket, &QLocalSocket::disconnected, this, finish);
    else
        finish();
}
