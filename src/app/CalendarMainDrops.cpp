// Pictures dropped on the calendar or on the open editor: an icon dragged
// from the icon strip, or a picture dragged from another program, goes into
// the cell under the drop point at the editor's insertion point.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "controls/QmRichText.h"
#include "richtext/Graphic.h"

#include <QDropEvent>
#include <QImage>
#include <QMimeData>

bool TCalendarMain::CalendarPanelDragOver(const QDropEvent &event) const
{
    const QPoint point = event.position().toPoint();
    return event.mimeData()->hasImage() && calendar().PointInCell(point.x(), point.y());
}

void TCalendarMain::CalendarPanelDragDrop(const QDropEvent &event)
{
    const QPoint point = event.position().toPoint();
    DoSaveRichtext();
    // Opens the editor on the cell under the point, which the picture joins.
    m_calendarPanel->ClickCellAt(point.x(), point.y());
    QmRichText1DragDrop(*event.mimeData());
    m_currentCellIndex = calendar().CellAtPoint(point.x(), point.y());
}

bool TCalendarMain::QmRichText1DragOver(const QDropEvent &event) const
{
    return event.mimeData()->hasImage();
}

void TCalendarMain::QmRichText1DragDrop(const QMimeData &data)
{
    if (!m_editorActive)
        return;
    const QImage picture = qvariant_cast<QImage>(data.imageData());
    if (picture.isNull())
        return;
    // The picture goes to the insertion point at its own size; the drop
    // point inside the editor does not move the insertion point.
    if (m_qmRichText1->InsertGraphic(qm::Graphic::fromBitmap(picture), 0, 0) != 0)
        SetSaveNeeded(true);
}

bool TCalendarMain::calendarDragEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter: {
        // Taken wherever a picture enters, so that the moves that follow
        // decide, cell by cell: a refused entry would end the drag's visit.
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (enter->mimeData()->hasImage())
            enter->acceptProposedAction();
        else
            enter->ignore();
        return true;
    }
    case QEvent::DragMove: {
        auto *over = static_cast<QDragMoveEvent *>(event);
        if (CalendarPanelDragOver(*over))
            over->acceptProposedAction();
        else
            over->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!CalendarPanelDragOver(*drop)) {
            drop->ignore();
            return true;
        }
        CalendarPanelDragDrop(*drop);
        drop->acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}
