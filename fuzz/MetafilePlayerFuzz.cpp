// Any bytes are played as a metafile into a small image. Inputs that do not
// start with the placeable key get valid headers in front, so that most of
// the effort goes into the records; the others are taken as they are,
// headers included. Reading and playing must stay within their buffers and
// finish in bounded time whatever the input.

#include "FuzzApplication.h"
#include "richtext/MetafilePlayer.h"

#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cstdint>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;

QByteArray withHeaders(QByteArrayView records)
{
    QByteArray bytes(22 + 18, '\0');
    qToLittleEndian<quint32>(0x9AC6CDD7, bytes.data());
    qToLittleEndian<qint16>(100, bytes.data() + 10);
    qToLittleEndian<qint16>(50, bytes.data() + 12);
    qToLittleEndian<quint16>(1, bytes.data() + 22);
    qToLittleEndian<quint16>(9, bytes.data() + 24);
    qToLittleEndian<quint16>(8, bytes.data() + 32);
    bytes.append(records);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    qm::fuzz::ensureApplication();
    qm::fuzz::letCachesShrink();
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool placeable = input.size() >= 4 && qFromLittleEndian<quint32>(input.data()) == PlaceableKey;
    const QByteArray bytes = placeable ? input.toByteArray() : withHeaders(input);
    QImage image(80, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    qm::MetafilePlayer(bytes).play(painter, QRect(4, 4, 64, 48));
    return 0;
}
