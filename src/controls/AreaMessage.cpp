#include "controls/AreaMessage.h"

#include <QEvent>

namespace qm {
namespace {

/// Room between the message and the edges of its area.
constexpr int areaMargin = 24;

} // namespace

AreaMessage::AreaMessage(const QString &text, QWidget *area)
    : QLabel(text, area)
{
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setMargin(areaMargin);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(area->rect());
    area->installEventFilter(this);
}

bool AreaMessage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QLabel::eventFilter(watched, event);
}

} // namespace qm
