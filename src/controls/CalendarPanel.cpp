#include "controls/CalendarPanel.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

/// The cut-text mark: a corner of this many pixels, in a red that reads as a
/// warning on white and on the light cell colours.
constexpr int cutTextMarkSide = 7;
const QColor cutTextMarkColor(200, 0, 0);

} // namespace

TCalendarPanel::TCalendarPanel(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel is painted from the off-screen page: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    connect(&m_calendar, &CalendarModel::repaintNeeded, this, qOverload<>(&QWidget::update));
    connect(&m_calendar, &CalendarModel::viewSizeChanged, this, &TCalendarPanel::fitToPage);
    fitToPage();
}

void TCalendarPanel::fitToPage()
{
    const QSize size = m_calendar.ScaledPageSize();
    if (size == this->size()) {
        update();
        return;
    }
    setFixedSize(size);
    // Paint at once: the cells lie where the new scale puts them only after a
    // drawing, and a host that has just changed the zoom lays its editor over
    // one of them next.
    if (isVisible())
        repaint();
}

void TCalendarPanel::paintEvent(QPaintEvent *)
{
    // The page is drawn in device pixels, so that a high-density screen shows
    // it sharp; the calendar's geometry stays in logical pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(m_calendar.ScaledPageSize()) * ratio).toSize();
    if (m_page.size() != pixels || m_page.devicePixelRatio() != ratio) {
        m_page = QImage(pixels, QImage::Format_RGB32);
        m_page.setDevicePixelRatio(ratio);
    }
    if (m_page.isNull())
        return;
    QPainter pagePainter(&m_page);
    m_calendar.DrawPage(pagePainter);
    pagePainter.end();
    QPainter painter(this);
    painter.drawImage(0, 0, m_page);
    paintCutTextMarks(painter);
}

// Text that does not fit its cell ------------------------------------------------

QRect TCalendarPanel::CutTextMark(int iCell) const
{
    const CellRecord &cell = m_calendar.CellRecordOf(iCell);
    if (cell.hiddenCharacters <= 0)
        return {};
    // In the free area's bottom right corner, where text ends last.
    const int side = qMin(cutTextMarkSide, qMin(cell.rFree.width(), cell.rFree.height()));
    return QRect(cell.rFree.right - side - 1, cell.rFree.bottom - side - 1, side, side);
}

void TCalendarPanel::paintCutTextMarks(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(cutTextMarkColor);
    for (int iCell = 1; iCell <= qm::kCellCount; ++iCell) {
        const QRect mark = CutTextMark(iCell);
        if (mark.isEmpty())
            continue;
        // A corner folded down: the text goes on below the cell.
        const QPointF corner[] = {QPointF(mark.right() + 1, mark.top()), QPointF(mark.right() + 1, mark.bottom() + 1),
                                  QPointF(mark.left(), mark.bottom() + 1)};
        painter.drawPolygon(corner, 3);
    }
    painter.restore();
}

QString TCalendarPanel::cutTextHint(QPoint position) const
{
    for (int iCell = 1; iCell <= qm::kCellCount; ++iCell) {
        if (!CutTextMark(iCell).adjusted(-2, -2, 2, 2).contains(position))
            continue;
        const int hidden = m_calendar.CellRecordOf(iCell).hiddenCharacters;
        return hidden == 1 ? QStringLiteral("The text does not fit: 1 more character is not shown")
                           : QStringLiteral("The text does not fit: %1 more characters are not shown").arg(hidden);
    }
    return {};
}

bool TCalendarPanel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString hint = cutTextHint(help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

void TCalendarPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void TCalendarPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = m_leftPressed;
    m_leftPressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        click(event->position().toPoint());
}

void TCalendarPanel::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click opens nothing, and its release is no click.
    m_leftPressed = false;
}

// Tab and Shift+Tab are keys for the calendar, not focus moves: neither this
// control nor, through an ignored key event, its parent may use them to move on.
bool TCalendarPanel::focusNextPrevChild(bool)
{
    return false;
}

void TCalendarPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TCalendarPanel::click(QPoint position)
{
    const int cell = m_calendar.CellAtPoint(position.x(), position.y());
    const bool hasCells = m_calendar.ShowMainCalendar() || m_calendar.IsPlanner();
    if (cell == 0 || !hasCells)
        Q_EMIT clicked();
    else
        raiseCellEvent(cell);
}

void TCalendarPanel::raiseCellEvent(int iCell)
{
    const CellRecord &record = m_calendar.CellRecordOf(iCell);
    Q_EMIT ClickedInCellEvent(record.rTotal, record.rFree, iCell, record.iDay, &m_calendar.Cells(iCell));
}

void TCalendarPanel::ClickCellAt(int x, int y)
{
    if (const int cell = m_calendar.CellAtPoint(x, y))
        raiseCellEvent(cell);
}

void TCalendarPanel::editCellIfFree(int iCell)
{
    if (iCell >= 1 && iCell <= qm::kCellCount && !m_calendar.CellRecordOf(iCell).rFree.isZero())
        raiseCellEvent(iCell);
}

void TCalendarPanel::EditPreviousCell(int iCell)
{
    if (iCell > 1)
        editCellIfFree(iCell - 1);
}

void TCalendarPanel::EditNextCell(int iCell)
{
    if (iCell < qm::kCellCount)
        editCellIfFree(iCell + 1);
}
