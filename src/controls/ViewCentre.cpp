#include "controls/ViewCentre.h"

#include <QScrollArea>
#include <QScrollBar>

namespace qm {
namespace {

/// Where `point` lies on `page`, as a share of its width and height.
QPointF shareOfPage(const QWidget &page, QPoint point)
{
    const QSize size = page.size();
    return {size.width() > 0 ? qreal(point.x()) / size.width() : 0.5,
            size.height() > 0 ? qreal(point.y()) / size.height() : 0.5};
}

} // namespace

void zoomAroundViewCentre(QScrollArea &view, const QWidget &page, const std::function<void()> &zoom)
{
    const QWidget *viewport = view.viewport();
    const QPoint centre = viewport->rect().center();
    const QPointF share = shareOfPage(page, page.mapFrom(viewport, centre));
    zoom();
    // The scrolled content has followed the page's new size by now; its
    // scroll ranges are those of the new magnification.
    const QPoint pageOrigin = page.mapTo(view.widget(), QPoint(0, 0));
    const QPointF underCentre = QPointF(pageOrigin) + QPointF(share.x() * page.width(), share.y() * page.height());
    view.horizontalScrollBar()->setValue(qRound(underCentre.x()) - centre.x());
    view.verticalScrollBar()->setValue(qRound(underCentre.y()) - centre.y());
}

} // namespace qm
