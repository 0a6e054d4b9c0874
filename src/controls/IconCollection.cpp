#include "IconCollection.h"

#include "platform/FileNameCase.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <functional>

namespace {

constexpr int side = qm::IconLibrary::iconSide;

/// Draws a picture scaled into the icon square, centred, keeping its proportions.
QImage fitted(const QSize &pictureSize, const std::function<void(QPainter &, const QRectF &)> &draw)
{
    if (pictureSize.isEmpty())
        return {};
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const QSizeF scaled = QSizeF(pictureSize).scaled(side, side, Qt::KeepAspectRatio);
    const QRectF target(QPointF((side - scaled.width()) / 2, (side - scaled.height()) / 2), scaled);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, target);
    return icon;
}

QImage readSvg(const QString &fileName)
{
    QSvgRenderer renderer(fileName);
    if (!renderer.isValid())
        return {};
    return fitted(renderer.defaultSize(),
                  [&renderer](QPainter &painter, const QRectF &target) { renderer.render(&painter, target); });
}

QImage readPng(const QString &fileName)
{
    QImageReader reader(fileName, "png");
    const QSize size = reader.size();
    // Pictures far larger than an icon are read already shrunk.
    if (size.isValid() && (size.width() > 4 * side || size.height() > 4 * side))
        reader.setScaledSize(size.scaled(4 * side, 4 * side, Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return fitted(picture.size(),
                  [&picture](QPainter &painter, const QRectF &target) { painter.drawImage(target, picture); });
}

} // namespace

IconCollection::IconCollection(const QString &path)
{
    const QString existing = qm::existingFileName(path);
    const QFileInfo info(existing);
    if (info.isDir()) {
        const QDir folder(existing);
        const QStringList names = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString &name : names) {
            if (isPicture(name))
                m_pictures.append(folder.filePath(name));
        }
    } else if (isPicture(existing)) {
        m_pictures.append(existing);
    } else {
        m_library.emplace(path);
    }
}

bool IconCollection::isPicture(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("svg");
}

int IconCollection::count() const
{
    return m_library ? m_library->count() : int(m_pictures.size());
}

QImage IconCollection::icon(int index) const
{
    if (m_library)
        return m_library->icon(index);
    if (index < 0 || index >= m_pictures.size())
        return {};
    const QString &fileName = m_pictures[index];
    return fileName.endsWith(QLatin1String("svg"), Qt::CaseInsensitive) ? readSvg(fileName) : readPng(fileName);
}
