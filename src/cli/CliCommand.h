#pragma once

#include <QStringList>
#include <QTextStream>

#include <stdexcept>

namespace qm::cli {

/// Exit codes of quillmark-cli.
enum ExitCode { kSuccess = 0, kFailure = 1, kBadArguments = 2 };

/// Where a command writes its result and its messages.
struct CliIo {
    QTextStream &out;
    QTextStream &err;
};

/// Bad command-line input; the message is the one line the user sees.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

/// A command gets the arguments after its name and returns an ExitCode. It
/// may throw UsageError (exit code 2) or QmError (exit code 1).
using CommandFunction = int (*)(const QStringList &arguments, CliIo &io);

// One function per command, each in a file of its own.
int runRender(const QStringList &arguments, CliIo &io);
int runInfo(const QStringList &arguments, CliIo &io);
int runRtf2Txt(const QStringList &arguments, CliIo &io);
int runRtf(const QStringList &arguments, CliIo &io);
int runCopy(const QStringList &arguments, CliIo &io);
int runSetCell(const QStringList &arguments, CliIo &io);
int runImportIcs(const QStringList &arguments, CliIo &io);
int runPrint(const QStringList &arguments, CliIo &io);

} // namespace qm::cli
