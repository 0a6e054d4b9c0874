#include "richtext/FormatDetection.h"

#include <QByteArray>

#include <algorithm>

namespace qm {
namespace {

constexpr int TagScanLength = 2000;
constexpr int MaxTagNameLength = 9;

bool isBlank(char byte)
{
    return QByteArrayView(" \n\r\t\b").contains(byte);
}

/// Skips blanks, however many, and looks at what follows.
bool startsWithRtf(QIODevice *stream)
{
    for (;;) {
        const QByteArray chunk = stream->read(4096);
        if (chunk.isEmpty())
            return false;
        const auto first = std::find_if_not(chunk.begin(), chunk.end(), isBlank);
        if (first != chunk.end()) {
            QByteArray rest(first, chunk.end() - first);
            if (rest.size() < 5)
                rest += stream->read(5 - rest.size());
            return rest.startsWith("{\\rtf");
        }
    }
}

bool isHtmlTag(QByteArrayView name)
{
    static const char *const tags[] = {"html", "b", "p", "br", "title", "body", "h1"};
    for (const char *tag : tags) {
        if (name.compare(tag, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool containsHtmlTag(QByteArrayView bytes)
{
    qsizetype nameStart = -1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '<') {
            nameStart = i + 1;
        } else if (nameStart >= 0) {
            if (byte == '>') {
                if (isHtmlTag(bytes.sliced(nameStart, i - nameStart)))
                    return true;
                nameStart = -1;
            } else if (byte == '\r' || i - nameStart >= MaxTagNameLength) {
                nameStart = -1;
            }
        }
    }
    return false;
}

} // namespace

TQmLoadFormat detectTextFormat(QIODevice *stream)
{
    // A transaction gives every byte back afterwards, also on sequential devices.
    stream->startTransaction();
    const bool rtf = startsWithRtf(stream);
    stream->rollbackTransaction();
    if (rtf)
        return FormatRTF;
    stream->startTransaction();
    const QByteArray head = stream->read(TagScanLength);
    stream->rollbackTransaction();
    return containsHtmlTag(head) ? FormatHTML : FormatANSI;
}

} // namespace qm
