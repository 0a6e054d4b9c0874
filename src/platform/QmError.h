#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

/// The program's failure: an exception carrying the exact text the user sees
/// ("Stream read error", "Cannot create file /home/x.QMF", ...). Engine code
/// throws it; the command the user started catches and reports it.
class QmError : public std::exception
{
public:
    explicit QmError(QString message);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
