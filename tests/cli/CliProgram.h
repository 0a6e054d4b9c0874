#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/// What a run of the whole program gave.
struct Result {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

/// Runs quillmark-cli with `arguments`, in the tests' environment changed by
/// `environment` (an empty value removes the variable).
inline Result runProgram(const QStringList &arguments, const QList<std::pair<QString, QString>> &environment = {})
{
    QTemporaryDir runtime;
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert("XDG_RUNTIME_DIR", runtime.path());
    variables.insert("LANG", "en_US.UTF-8");
    for (const auto &[name, value] : environment) {
        if (value.isEmpty())
            variables.remove(name);
        else
            variables.insert(name, value);
    }
    process.setProcessEnvironment(variables);
    process.start(QM_CLI_PROGRAM, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}
