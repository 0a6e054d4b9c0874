// Zoom, the application's key hook, hints, help and the About box.

#include "CalendarMain.h"
#include "Splashform.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "controls/FormPlacement.h"
#include "controls/HelpWindow.h"
#include "controls/ScrollBoxWithNCTest.h"
#include "controls/ViewCentre.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

constexpr int zoomStep = 10;
constexpr int largestButtonZoom = 100;
constexpr int smallestButtonZoom = 30;

} // namespace

void TCalendarMain::zoomBy(int step)
{
    qm::zoomAroundViewCentre(*m_scrollBox1, *m_calendarPanel,
                             [this, step] { calendar().SetMagnification(calendar().Magnification() + step); });
}

void TCalendarMain::ZoomPlusButtonClick()
{
    DoSaveRichtext();
    if (calendar().Magnification() < largestButtonZoom)
        zoomBy(zoomStep);
    SetCaption();
}

void TCalendarMain::ZoomMinusButtonClick()
{
    DoSaveRichtext();
    if (calendar().Magnification() > smallestButtonZoom)
        zoomBy(-zoomStep);
    SetCaption();
}

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_calendarPanel) {
        if (calendarDragEvent(event))
            return true;
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::Hide)
            fitScrollContent();
        return false;
    }
    return AppMessage(watched, event);
}

bool TCalendarMain::AppMessage(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return !m_showHints;
    // A key reaches the window first and then the control with the focus;
    // only that first delivery counts, and only to this window while it is
    // the active one (not while one of its dialogs is).
    if (event->type() != QEvent::KeyPress || watched != windowHandle() || QApplication::activeWindow() != this)
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    if (moveEditorByTab(key))
        return true;
    // Page Down and Page Up only zoom: given on to the scroll box, they would
    // scroll the page away from the point the zoom keeps in view.
    switch (key.key()) {
    case Qt::Key_PageDown:
        ZoomPlusButtonClick();
        return true;
    case Qt::Key_PageUp:
        ZoomMinusButtonClick();
        return true;
    default:
        return false;
    }
}

void TCalendarMain::mnuShowHintClick()
{
    m_showHints = m_mnuShowHint->isChecked();
    SavePreferences();
}

void TCalendarMain::Contents1Click()
{
    qm::ShowHelpContents();
}

void TCalendarMain::About1Click()
{
    TSplashform about(this);
    about.adjustSize();
    qm::CenterForm(&about);
    about.exec();
}
