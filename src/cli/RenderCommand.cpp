// quillmark-cli render [DOC.QMF|STYLE.QMS] OUT.png|OUT.bmp|OUT.pdf [settings] [--dpi N]
#include "cli/CalendarOptions.h"
#include "cli/CliCommand.h"
#include "platform/BandedPng.h"
#include "platform/QmError.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPdfWriter>

namespace qm::cli {
namespace {

/// Fails before the page is drawn when `path` cannot be written, with the
/// system's reason.
void checkWritable(QFile &file)
{
    if (!file.open(QIODevice::WriteOnly))
        throw QmError::cannotCreateFile(file.fileName(), file.errorString());
}

void writeBitmap(CalendarModel &calendar, const QString &path, const QByteArray &format)
{
    if (format == "png") {
        // A page at a printer's resolution is a hundred megabytes as one
        // picture; painted and written a band at a time it needs one.
        writePngInBands(path, calendar.ScaledPageSize(), calendar.bitmapDotsPerMeter(),
                        [&calendar](QPainter &painter) { calendar.DrawPage(painter); });
        return;
    }
    QFile file(path);
    checkWritable(file);
    const QImage image = calendar.MakeBitmap();
    QImageWriter writer(&file, format);
    if (image.isNull() || !writer.write(image))
        throw QmError::cannotCreateFile(path, image.isNull() ? QString() : writer.errorString());
}

void writePdf(CalendarModel &calendar, const QString &path, int dotsPerInch)
{
    QFile file(path);
    checkWritable(file);
    file.close();
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Quillmark"));
    writer.setResolution(dotsPerInch);
    writer.setPageSize(QPageSize(calendar.PaperSize() == kPaperA4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    try {
        calendar.PrintCalendar(writer);
    } catch (const QmError &) {
        // The PDF engine cannot say why it failed.
        throw QmError::cannotCreateFile(path, QString());
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
