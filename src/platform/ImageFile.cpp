#include "platform/ImageFile.h"

#include "platform/AtomicWrite.h"
#include "platform/QmError.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace qm {

void writeImageFile(const QString &fileName, const QImage &image)
{
    const QmError cannotCreate(QStringLiteral("Cannot create file %1").arg(fileName));
    const QByteArray format = fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "png" : "bmp";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (image.isNull() || !writer.write(image))
        throw cannotCreate;
    try {
        writeFileAtomically(fileName, bytes);
    } catch (const QmError &) {
        throw cannotCreate;
    }
}

} // namespace qm
