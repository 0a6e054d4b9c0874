// quillmark-cli render [DOC.QMF|STYLE.QMS] OUT.png|OUT.bmp|OUT.pdf [settings] [--dpi N]
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
    const QString output = files.size() == 1 || files.size() == 2 ? files.last() : QString();
    const QString format = QFileInfo(output).suffix().toLower();
    if (format != u"png" && format != u"bmp" && format != u"pdf")
        throw UsageError(QStringLiteral("render needs one output file ending in .png, .bmp or .pdf, "
                                        "after an optional document or style sheet"));
    const CalendarOptions options = CalendarOptions::read(parser);
    const int dotsPerInch = parser.isSet(dpiOption) ? readInteger(parser, dpiOption.names().first(), 36, 2400) : 300;

    const std::unique_ptr<CalendarModel> calendar = options.makeCalendar(files.size() == 2 ? files[0] : QString());
    if (format == u"pdf")
        writePdf(*calendar, output, dotsPerInch);
    else
        writeBitmap(*calendar, output, format.toLatin1());
    return kSuccess;
}

} // namespace qm::cli
