#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace qm {

/// The images of one icon, one per size (32 x 32, 16 x 16, ...).
using IconImages = std::vector<QImage>;

/// An icon library as 16-bit Windows keeps one (.ICL): a resource-only
/// library module named `moduleName`, with one group-icon resource per icon
/// and one 32-bit icon resource per image.
/// need more room than the format's 16-bit offsets can address.
QByteArray writeIconLibrary(const std::vector<IconImages> &icons, const QByteArray &moduleName);

/// The group-icon resource of one icon: a directory of its images, whose
/// icon resources are numbered from `firstIconId` on in the images' order.
QByteArray writeIconGroupDirectory(const IconImages &images, quint16 firstIconId);

} // namespace qm
