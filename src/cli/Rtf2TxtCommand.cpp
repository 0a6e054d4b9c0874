// quillmark-cli rtf2txt IN: the text of a rich-text file, as the plain text
// writer writes it, in UTF-8 with a line feed after every paragraph.
#include "cli/CliCommand.h"
#include "cli/TextDocumentFile.h"
#include "platform/Cp1252.h"
#include "platform/QmError.h"
#include "richtext/QmTextWriter.h"

#include <QBuffer>

namespace qm::cli {

int runRtf2Txt(const QStringList &arguments, CliIo &io)
{
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("rtf2txt takes one file: rtf2txt IN"));
    const QString &path = arguments.first();
    TQmRTFTextIo document;
    loadTextDocument(document, path);

    QByteArray text;
    QBuffer stream(&text);
    stream.open(QIODevice::WriteOnly);
    TQmTextWriter writer;
    if (document.WriteDocument(&stream, &writer) != 0)
        throw QmError(QStringLiteral("Cannot read file %1").arg(path));
    // The plain writer ends with a zero byte and separates paragraphs by
    // carriage return and line feed.
    text.chop(1);
    text.replace("\r\n", "\n");
    text.append('\n');
    io.out << qm::fromCp1252(text);
    return kSuccess;
}

} // namespace qm::cli
