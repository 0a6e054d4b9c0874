#include "support/PdfFile.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace qm::test {
namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

QSizeF PdfFile::pageSize(const QString &path)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match = size.match(QString::fromUtf8(run(QStringLiteral("pdfinfo"), {path})));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

QString PdfFile::text(const QString &path)
{
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
}

QImage PdfFile::rasterise(const QString &path, int dotsPerInch)
{
    QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
                                     QString::number(dotsPerInch), path, stem});
    return QImage(stem + QStringLiteral(".png"));
}

QRect PdfFile::inkBounds(const QImage &page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QRect PdfFile::screenInkBounds(const QImage &screen, int screenPixelsPerInch, int dotsPerInch)
{
    const QRect bounds = inkBounds(screen);
    const auto scale = [=](int value) { return qRound(double(value) * dotsPerInch / screenPixelsPerInch); };
    return QRect(QPoint(scale(bounds.left()), scale(bounds.top())),
                 QPoint(scale(bounds.right()), scale(bounds.bottom())));
}

} // namespace qm::test
