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
///
/// A lock that cannot be read (empty, garbage, a folder of that name: what a
/// crash, a full disk or a sync tool leaves) proves nothing; it counts as
/// taken only while a running copy answers on the socket. Otherwise it is
/// replaced, and when even that fails the start runs without it and still
/// listens, so that later starts find it through the socket.
class TPreviousInstance : public QObject
{
    Q_OBJECT

public:
    /// A hand-over is the absolute file name (empty: only come forward) in
    /// UTF-8, then this byte; the running start answers with `answerByte`.
    static constexpr char requestEnd = '\0';
    static constexpr char answerByte = '1';

    /// `runtimeFolder` holds the lock and the socket; empty means the user's
    /// runtime folder. `baseName` names them; empty means the executable's
    /// file name.
    explicit TPreviousInstance(const QString &runtimeFolder = {}, const QString &baseName = {});
    ~TPreviousInstance() override;

    /// The name the lock and the socket are made from.
    const QString &BaseName() const { return m_baseName; }
    /// True when another start of the program runs: it holds the lock, or it
    /// answers on the socket beside a lock that cannot be read.
    bool PreviousRunning() const { return m_previousRunning; }
    /// Where the running instance listens.
    QString serverName() const;

Q_SIGNALS:
    /// A later start asks this one to come forward and open `fileName`
    /// (empty: only come forward). It has been answered already.
    void handOverReceived(const QString &fileName);

private:
    QString lockFileName() const;
    bool anotherStartRuns();
    bool lockIsAbandoned() const;
    void listen();
    void receive(QLocalSocket *socket);

    QString m_folder;
    QString m_baseName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    bool m_previousRunning = false;
};
