#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

/// Tells at start whether the program already runs for this user, and links
/// the two: the first start holds a lock and listens on a local socket, both
/// named after the executable's file name in the user's runtime folder; a
/// later start finds the lock taken and hands its request to the first one
/// (TJustOne).
class TPreviousInstance : public QObject
{
    Q_OBJECT

public:
    /// `runtimeFolder` holds the lock and the socket; empty means the user's
    /// runtime folder. `baseName` names them; empty means the executable's
    /// file name.
    explicit TPreviousInstance(const QString &runtimeFolder = {}, const QString &baseName = {});
    ~TPreviousInstance() override;

    /// The name the lock and the socket are made from.
    const QString &BaseName() const { return m_baseName; }
    /// True when another start of the program holds the lock.
    bool PreviousRunning() const { return m_previousRunning; }
    /// Where the running instance listens.
    QString serverName() const;

Q_SIGNALS:
    /// A later start asks this one to come forward and open `fileName`
    /// (empty: only come forward).
    void handOverReceived(const QString &fileName);

private:
    void listen();
    void receive(QLocalSocket *socket);

    QString m_folder;
    QString m_baseName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    bool m_previousRunning = false;
};
