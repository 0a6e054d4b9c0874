// quillmark-cli rtf2txt IN: the text of a rich-text file, as the plain text
// writer writes it, in UTF-8 with a line feed after every paragraph.
#include "cli/CliCommand.h"
#include "cli/DocumentText.h"
#include "cli/TextDocumentFile.h"
#include "platform/QmError.h"

namespace qm::cli {

int runRtf2Txt(const QStringList &arguments, CliIo &io)
{
    if (arguments.size() != 1)
        throw UsageError(QStringLiteral("rtf2txt takes one file: rtf2txt IN"));
    const QString &path = arguments.first();
    TQmRTFTextIo document;
    // Only the characters are printed: read without the attribute of each
    // one, which would take eight times the memory of the text.
    document.SetMemoryFormat(fmPlainText);
    loadTextDocument(document, path);

    const std::optional<QString> text = documentText(document);
    if (!text)
        throw QmError(QStringLiteral("Cannot read file %1").arg(path));
    io.out << *text;
    return kSuccess;
}

} // namespace qm::cli
