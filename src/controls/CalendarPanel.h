#pragma once

#include "calendar/CalendarModel.h"

#include <QImage>
#include <QWidget>

/// The calendar page as a control: it owns the calendar (settings, cells,
/// geometry), sizes itself to the page at the calendar's Magnification, paints
/// the whole page off screen and shows it in one transfer, and tells its host
/// which cell the user wants to edit.
///
/// A click (left button pressed and released over the control) on a cell of a
/// month grid or planner raises ClickedInCellEvent; a click anywhere else, or
/// on a sheet of mini-calendars, raises `clicked`. A double click raises
/// nothing. The control keeps Tab and the arrow keys while it has the focus.
class TCalendarPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TCalendarPanel(QWidget *parent = nullptr);

    CalendarModel &calendar() { return m_calendar; }
    const CalendarModel &calendar() const { return m_calendar; }

    /// Raises ClickedInCellEvent for the first cell holding (x, y), if any,
    /// whatever the layout (a drop of an icon opens the cell under it).
    void ClickCellAt(int x, int y);
    /// Raises ClickedInCellEvent for cell iCell - 1 when it has a free area.
    void EditPreviousCell(int iCell);
    /// Raises ClickedInCellEvent for cell iCell + 1 when it has a free area.
    void EditNextCell(int iCell);

    QSize sizeHint() const override { return m_calendar.ScaledPageSize(); }

    /// Where the mark of cell `iCell` shows that its text does not fit (on
    /// screen only: the page, a bitmap or paper never carry it); empty when
    /// the text fits.
    QRect CutTextMark(int iCell) const;

Q_SIGNALS:
    /// The user chose cell `iCell` (1..42): its rectangles in control pixels,
    /// its day (0 for blank and planner cells) and its store, which stays the
    /// calendar's and receives the edited text.
    void ClickedInCellEvent(TRect rTotal, TRect rFree, int iCell, int iDay, TQmRtfStorage *rtfstorage);
    /// A click that chose no cell.
    void clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void click(QPoint position);
    void paintCutTextMarks(QPainter &painter) const;
    /// The hint of a cut-text mark under `position`; empty where there is none.
    QString cutTextHint(QPoint position) const;
    void raiseCellEvent(int iCell);
    void editCellIfFree(int iCell);
    void fitToPage();

    CalendarModel m_calendar;
    QImage m_page;
    bool m_leftPressed = false;
};
