// Any bytes are read as RTF into a document, the document is laid out and
// painted into a small image as a calendar cell is, written back as RTF, and
// that is read again. Reading, layout and painting must stay within their
// buffers and their stack and finish in bounded time whatever the input, and
// what the writer wrote must read without error.

#include "FuzzApplication.h"
#include "platform/QmError.h"
#include "richtext/QmRTFTextPaint.h"
#include "richtext/QmRTFWriter.h"
#include "richtext/QmRtfReader.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace {

int read(TQmRTFText &document, QByteArray bytes, TParagraph *insertion)
{
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TQmRtfReader reader;
    return reader.Read(&stream, &document, insertion);
}

QByteArray write(const TQmRTFText &document)
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    writer.SetupWholeDocument(document, {});
    // Writing into memory fails only on a fault of the writer.
    if (writer.WriteHeader(&stream) != 0 || writer.WriteBody(&stream) != 0 || writer.WriteFooter(&stream) != 0)
        std::abort();
    return bytes;
}

/// What the calendar does with a cell's text: lays it out for the cell's
/// width and paints the lines that fit.
void paint(TQmRTFTextPaint &document)
{
    QImage cell(120, 90, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    document.PaintLines(&painter, 0, TQmRTFTextPaint::pmPaint, 0, cell.height(), cell.width(), 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    qm::fuzz::ensureApplication();
    qm::fuzz::letCachesShrink();
    TQmRTFTextPaint document;
    try {
        read(document, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), document.FirstParagraph());
        paint(document);
    } catch (const QmError &) {
        return 0; // a failure the user is told about, not a fault
    }
    TQmRTFText again;
    if (read(again, write(document), again.FirstParagraph()) != 0)
        std::abort(); // the writer's RTF must read back without error
    write(again);
    return 0;
}
