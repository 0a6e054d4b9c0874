#include "controls/CalendarPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
    QPainter(this).drawImage(0, 0, m_page);
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
