// Import Events: the events of calendar files (.ics) written into the cells.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "calendar/EventImport.h"
#include "controls/BusyCursor.h"
#include "controls/CalendarPanel.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"

void TCalendarMain::mnuImportEventsClick()
{
    // The cell being edited keeps what was typed, and the events go after it.
    DoSaveRichtext();
    qm::FileDialogRequest request;
    request.title = QStringLiteral("Import Events");
    request.initialFolder = qm::DialogFolder();
    request.filter = QStringLiteral("Calendar Events (*.ics *.ICS);;All Files (*)");
    const QStringList fileNames = qm::Prompts::instance().getOpenFileNames(request);
    if (fileNames.isEmpty())
        return;
    std::vector<qm::IcsCalendar> files;
    qm::EventImportResult result;
    qm::BeginBusy();
    try {
        // Every file is read before a cell changes: one that cannot be read
        // leaves the calendar as it was.
        for (const QString &fileName : fileNames)
            files.push_back(qm::IcsCalendar::fromFile(fileName));
        qm::EventImportOptions options;
        options.emptyCellFont = m_defaultFont;
        result = qm::ImportEvents(calendar(), files, options);
    } catch (const QmError &error) {
        qm::EndBusy();
        qm::Prompts::instance().ShowInformation(error.message());
        return;
    }
    qm::EndBusy();
    if (result.entriesAdded > 0) {
        // One edit, as typed text: Save or Cancel Changes decide its fate.
        m_calendarPanel->update();
        SetSaveNeeded(true);
    }
    QStringList lines{qm::EventImportSummary(result)};
    lines << result.problems;
    qm::Prompts::instance().ShowInformation(lines.join(QStringLiteral("\r\n")));
}
