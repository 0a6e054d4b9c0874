// quillmark-cli render OUT.png|OUT.bmp|OUT.pdf [settings] [--dpi N]
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"
#include "platform/QmError.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPdfWriter>

namespace qm::cli {
namespace {

QmError cannotCreate(const QString &path)
{
    return QmError(QStringLiteral("Cannot create file %1").arg(path));
}

void writeBitmap(CalendarModel &calendar, const QString &path, const QByteArray &format)
{
    const QImage image = calendar.MakeBitmap();
    QImageWriter writer(path, format);
    if (image.isNull() || !writer.write(image))
        throw cannotCreate(path);
}

void writePdf(CalendarModel &calendar, const QString &path, int dotsPerInch)
{
    if (!QFile(path).open(QIODevice::WriteOnly))
        throw cannotCreate(path);
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Quillmark"));
    writer.setResolution(dotsPerInch);
    writer.setPageSize(QPageSize(calendar.PaperSize() == kPaperA4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    try {
        calendar.PrintCalendar(writer);
    } catch (const QmError &) {
        throw cannotCreate(path);
    }
}

} // namespace

int runRender(const QStringList &arguments, CliIo &)
{
    QCommandLineParser parser;
    const QCommandLineOption dpiOption(QStringLiteral("dpi"), QString(), QStringLiteral("N"));
    parseCommandLine(parser, arguments, {dpiOption});
    const QStringList files = parser.positionalArguments();
    const QString format = files.size() == 1 ? QFileInfo(files[0]).suffix().toLower() : QString();
    if (format != u"png" && format != u"bmp" && format != u"pdf")
        throw UsageError(QStringLiteral("render needs one output file ending in .png, .bmp or .pdf"));
    const CalendarOptions options = CalendarOptions::read(parser);
    const int dotsPerInch = parser.isSet(dpiOption) ? readInteger(parser, dpiOption.names().first(), 36, 2400) : 300;

    const std::unique_ptr<CalendarModel> calendar = options.makeCalendar();
    if (format == u"pdf")
        writePdf(*calendar, files[0], dotsPerInch);
    else
        writeBitmap(*calendar, files[0], format.toLatin1());
    return kSuccess;
}

} // namespace qm::cli
