#include "cli/TextDocumentFile.h"

#include "platform/QmError.h"
#include "richtext/ResultCode.h"

namespace qm::cli {

void loadTextDocument(TQmRTFTextIo &document, const QString &path)
{
    document.LoadFromFile(path);
    if (document.ResultCode() != qm::result::Success)
        throw QmError(QStringLiteral("Cannot read file %1").arg(path));
}

} // namespace qm::cli
