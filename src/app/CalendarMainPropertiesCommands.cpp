// New and Properties: both run the properties dialog on the document's
// calendar and copy its style back when the user confirms.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "controls/BusyCursor.h"
#include "controls/CalendarPanel.h"
#include "controls/FormPlacement.h"
#include "dialogs/CalendarProperties.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"

void TCalendarMain::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    qm::BeginBusy();
    DoSaveRichtext();
    qm::EndBusy();
    m_creatingNew = true;
    mnuPropertiesClick();
    if (!m_propertiesAccepted)
        return;
    SetSaveNeeded(true);
    m_currentFileName.clear();
    calendar().ClearAllCells();
    m_calendarPanel->show();
    SetButtons();
    SetCaption();
}

void TCalendarMain::PropertiesButtonClick()
{
    mnuPropertiesClick();
}

void TCalendarMain::mnuPropertiesClick()
{
    DoSaveRichtext();
    {
        TCalendarProperties dialog(this);
        qm::CenterForm(&dialog);
        CalendarModel &example = dialog.ExampleCalendar()->calendar();
        example.SetMagnification(m_propertiesZoom);
        if (m_creatingNew) {
            dialog.SetNewCalendar(true);
            dialog.SetWarnLayoutChange(false);
        } else if (calendarShown()) {
            dialog.SetOldLayoutGroup(calendar().LayoutGroup());
            dialog.SetWarnLayoutChange(calendar().HasCellText());
        }
        example.AssignStyle(calendar());
        const bool accepted = dialog.exec() == QDialog::Accepted;

        m_propertiesAccepted = false;
        m_propertiesZoom = example.Magnification();
        if (accepted) {
            if (!calendar().SameStyle(example))
                SetSaveNeeded(true);
            m_propertiesAccepted = true;
            const int layoutGroup = calendar().LayoutGroup();
            calendar().AssignStyle(example);
            // The cells of one group mean nothing in another (days, hours, rows).
            if (calendar().LayoutGroup() != layoutGroup)
                calendar().ClearAllCells();
        }
    }
    m_creatingNew = false;
    m_calendarPanel->update();
    SetButtons();
    try {
        SavePreferences();
    } catch (const QmError &error) {
        qm::Prompts::instance().showError(error.message());
    }
}
