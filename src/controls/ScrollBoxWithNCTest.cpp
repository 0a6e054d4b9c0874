#include "ScrollBoxWithNCTest.h"

#include <QEvent>
#include <QScrollBar>

TScrollBoxWithNCTest::TScrollBoxWithNCTest(QWidget *parent)
    : QScrollArea(parent)
{
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setTracking(true);
        bar->setMouseTracking(true);
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar] { Q_EMIT OnScroll(bar->orientation()); });
    }
}

bool TScrollBoxWithNCTest::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == verticalScrollBar())
            Q_EMIT OnMoveOverVScroll();
        else if (watched == horizontalScrollBar())
            Q_EMIT OnMoveOverHScroll();
    }
    return QScrollArea::eventFilter(watched, event);
}
