#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

/// The program's failure: an exception carrying the exact text the user sees
/// ("Stream read error", "Cannot create file /home/x.QMF", ...). Engine code
/// throws it; the command the user started catches and reports it.
///
/// A failure of the system beneath may come with its reason ("Permission
/// denied"). The program's message boxes show the text alone, as users know
/// it; the batch tool adds the reason, since a script's log has no one to ask.
class QmError : public std::exception
{
public:
    explicit QmError(QString message, QString reason = {});

    /// "Cannot open file <fileName>", for the reason the system gave.
    static QmError cannotOpenFile(const QString &fileName, const QString &reason);
    /// "Cannot create file <fileName>", for the reason the system gave.
    static QmError cannotCreateFile(const QString &fileName, const QString &reason);

    const QString &message() const { return m_message; }
    /// What the system said went wrong; empty when nothing more is known.
    const QString &reason() const { return m_reason; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QString m_reason;
    QByteArray m_utf8;
};
