#include "QmError.h"

QmError::QmError(QString message, QString reason)
    : m_message(std::move(message))
    , m_reason(std::move(reason))
    , m_utf8(m_message.toUtf8())
{}

QmError QmError::cannotOpenFile(const QString &fileName, const QString &reason)
{
    return QmError(QStringLiteral("Cannot open file %1").arg(fileName), reason);
}

QmError QmError::cannotCreateFile(const QString &fileName, const QString &reason)
{
    return QmError(QStringLiteral("Cannot create file %1").arg(fileName), reason);
}
