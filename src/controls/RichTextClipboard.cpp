#include "controls/RichTextClipboard.h"

#include <QMimeData>

namespace qm {

std::unique_ptr<QMimeData> richTextMimeData(const QByteArray &rtf, const QString &text)
{
    auto data = std::make_unique<QMimeData>();
    const QByteArray terminated = rtf + QByteArray(4, '\0');
    for (const char *type : RtfMimeTypes)
        data->setData(QString::fromLatin1(type), terminated);
    data->setText(text);
    return data;
}

std::optional<QByteArray> rtfFromMimeData(const QMimeData &data)
{
    for (const char *type : RtfMimeTypes) {
        const QString name = QString::fromLatin1(type);
        if (!data.hasFormat(name))
            continue;
        const QByteArray bytes = data.data(name);
        const qsizetype zero = bytes.indexOf('\0');
        return zero < 0 ? bytes : bytes.first(zero);
    }
    return std::nullopt;
}

} // namespace qm
