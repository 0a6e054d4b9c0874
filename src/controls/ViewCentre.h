#pragma once

#include <functional>

class QScrollArea;
class QWidget;

namespace qm {

/// Runs `zoom`, which changes the size of `page` inside `view`, and then
/// scrolls `view` so that the point of the page that was under the centre of
/// the view is under it again, as near as the scroll range allows. The page's
/// points keep their place relative to its size, so any magnification works.
void zoomAroundViewCentre(QScrollArea &view, const QWidget &page, const std::function<void()> &zoom);

} // namespace qm
