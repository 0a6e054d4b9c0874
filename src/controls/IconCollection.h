#pragma once

#include "platform/IconLibrary.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

/// The icons at a path, whatever holds them: an icon file or library (see
/// qm::IconLibrary), a folder of PNG and SVG pictures (in the order of their
/// names, the way icon themes keep them), or one such picture.
///
/// Pictures are scaled to the icon size, keeping their proportions.
class IconCollection
{
public:
    explicit IconCollection(const QString &path);

    /// 0 for a path that holds no icon.
    int count() const;
    /// Icon `index` at the icon size; a null image when it cannot be read.
    QImage icon(int index) const;

    /// Whether a file name names a picture the collection reads (.png, .svg).
    static bool isPicture(const QString &fileName);

private:
    std::optional<qm::IconLibrary> m_library;
    QStringList m_pictures;
};
