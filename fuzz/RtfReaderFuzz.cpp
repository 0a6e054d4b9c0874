// Any bytes are read as RTF into a document, the document is written back as
// RTF, and that is read again. Reading must stay within its buffers and its
// stack whatever the input, and what the writer wrote must read without error.

#include "platform/QmError.h"
#include "richtext/QmRTFWriter.h"
#include "richtext/QmRtfReader.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

int read(TQmRTFText &document, QByteArray bytes)
{
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TParagraph *insertion = document.FirstParagraph();
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
    if (writer.WriteHeader(&stream) == 0 && writer.WriteBody(&stream) == 0)
        writer.WriteFooter(&stream);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TQmRTFText document;
    try {
        read(document, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const QmError &) {
        return 0; // a failure the user is told about, not a fault
    }
    TQmRTFText again;
    if (read(again, write(document)) != 0)
        std::abort(); // the writer's RTF must read back without error
    write(again);
    return 0;
}
