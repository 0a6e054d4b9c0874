// quillmark-cli rtf IN OUT: a rich-text file saved again, as RTF when the
// output name says ".rtf".
#include "cli/CliCommand.h"
#include "cli/TextDocumentFile.h"

namespace qm::cli {

int runRtf(const QStringList &arguments, CliIo &)
{
    if (arguments.size() != 2)
        throw UsageError(QStringLiteral("rtf takes an input and an output file: rtf IN OUT.rtf"));
    TQmRTFTextIo document;
    loadTextDocument(document, arguments[0]);
    document.SaveToFile(arguments[1]);
    return kSuccess;
}

} // namespace qm::cli
