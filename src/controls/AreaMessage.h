#pragma once

#include <QLabel>

namespace qm {

/// A message drawn in the middle of an area that has nothing else to show,
/// such as the main window's grey area before a calendar is open. It covers
/// the whole area as the area's size changes and lets every click through.
class AreaMessage : public QLabel
{
    Q_OBJECT

public:
    /// `text` may be rich text; the message is a child of `area`.
    AreaMessage(const QString &text, QWidget *area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace qm
