#pragma once

#include <QScrollArea>

/// A scroll box that reports scrolling and the mouse moving over its scroll
/// bars, and whose content follows a dragged thumb at once.
class TScrollBoxWithNCTest : public QScrollArea
{
    Q_OBJECT

public:
    explicit TScrollBoxWithNCTest(QWidget *parent = nullptr);

Q_SIGNALS:
    /// Raised before a scroll bar acts (a step, a page, a thumb move).
    void OnScroll(Qt::Orientation orientation);
    void OnMoveOverVScroll();
    void OnMoveOverHScroll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
