#include "cli/DocumentText.h"

#include "richtext/QmTextWriter.h"

#include <QBuffer>

namespace qm::cli {

std::optional<QString> documentText(TQmRTFTextIo &document)
{
    QByteArray text;
    QBuffer stream(&text);
    stream.open(QIODevice::WriteOnly);
    TQmTextWriter writer(TPlainTextEncoding::Utf8);
    if (document.WriteDocument(&stream, &writer) != 0)
        return std::nullopt;
    // The plain writer ends with a zero byte and separates paragraphs by
    // carriage return and line feed.
    text.chop(1);
    text.replace("\r\n", "\n");
    text.append('\n');
    return QString::fromUtf8(text);
}

} // namespace qm::cli
