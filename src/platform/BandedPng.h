#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace qm {

/// Paints a page of `size` pixels into the PNG file `fileName` one band of
/// rows at a time, so that a page at a printer's resolution needs about a
/// megabyte rather than the whole picture in memory. `paint` is called once
/// per band with a painter in page coordinates, clipped to the band, on a
/// white band; it must draw the same page every time. The file gets
/// `dotsPerMeter` as its resolution and replaces `fileName` only once it is
/// whole. Raises "Cannot create file <fileName>" when anything fails, with
/// the system's reason when the file could not be written.
void writePngInBands(const QString &fileName, QSize size, int dotsPerMeter,
                     const std::function<void(QPainter &)> &paint);

} // namespace qm
