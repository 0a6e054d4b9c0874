#include "platform/ImageFile.h"

#include "platform/AtomicWrite.h"
#include "platform/QmError.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace qm {

void writeImageFile(const QString &fileName, const QImage &image)
{
    const QByteArray format = fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ? "png" : "bmp";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    // A picture too large to be made has no reason to give.
    if (image.isNull() || !writer.write(image))
        throw QmError::cannotCreateFile(fileName, QString());
    writeFileAtomically(fileName, bytes);
}

} // namespace qm
