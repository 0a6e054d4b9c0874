#include "richtext/QmRtfReader.h"

#include "richtext/ResultCode.h"

int TQmRtfReader::Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion)
{
    begin(stream, document, insertion, QStringLiteral("Wrong Arguments in\tTQmRTFReader"));
    m_result = qm::result::Failure;
    return m_result;
}
