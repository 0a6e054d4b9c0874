#include "support/PrintServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace qm::test {
namespace {

constexpr int kWaitMilliseconds = 60000;
constexpr int kPollMilliseconds = 100;

QString folder()
{
    return QStringLiteral(QM_PRINT_SERVER_DIR);
}

/// The PDF printer writes into its file while the job runs; a whole PDF ends
/// with its end-of-file mark.
bool isWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

} // namespace

QString PrintServer::socket()
{
    return folder() + QStringLiteral("/cups.sock");
}

QString PrintServer::printerName()
{
    QFile queue(folder() + QStringLiteral("/queue"));
    return queue.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(queue.readAll()).trimmed() : QString();
}

bool PrintServer::use()
{
    qputenv("CUPS_SERVER", socket().toLocal8Bit());
    // A destination chosen in the environment would stand in for the server's default.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    return QFileInfo::exists(socket());
}

QString PrintServer::waitForPdf(const QString &documentName)
{
    const QDir output(folder() + QStringLiteral("/out"));
    const QString stem = QFileInfo(documentName).completeBaseName();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kWaitMilliseconds) {
        for (const QFileInfo &file : output.entryInfoList({stem + QStringLiteral("*.pdf")}, QDir::Files)) {
            if (isWholePdf(file.filePath()))
                return file.filePath();
        }
        QThread::msleep(kPollMilliseconds);
    }
    return {};
}

} // namespace qm::test
