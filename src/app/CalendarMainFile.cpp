// The document commands: Open, opening a recent file, Save, Save As,
// Cancel Changes, and the offer to save pending changes.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "controls/BusyCursor.h"
#include "controls/CalendarPanel.h"
#include "controls/MRUFileList.h"
#include "controls/MRUMenuItem.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"

#include <QAction>
#include <QFileInfo>

namespace {

const QString calendarFilter = QStringLiteral("Calendar File (*.QMF)");
const QString calendarSuffix = QStringLiteral("QMF");

/// The extension of the file name, from its last dot, compared without case.
bool hasCalendarExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && name.mid(dot).toUpper() == QLatin1String(".QMF");
}

QString failureText(const std::exception &error)
{
    if (const auto *qmError = dynamic_cast<const QmError *>(&error))
        return qmError->message();
    return QString::fromLocal8Bit(error.what());
}

qm::Prompts &prompts()
{
    return qm::Prompts::instance();
}

} // namespace

bool TCalendarMain::CheckSaveNeeded()
{
    DoSaveRichtext();
    if (!m_saveNeeded)
        return true;
    // Cancel backs out of the command that asked; an Escape meant as that
    // must not throw the changes away as No does.
    switch (prompts().AskYesNoCancel(QStringLiteral("Save changes?"), QStringLiteral("Save"))) {
    case qm::Prompts::Answer::No:
        return true;
    case qm::Prompts::Answer::Cancel:
        return false;
    case qm::Prompts::Answer::Yes:
        break;
    }
    const bool saved = m_currentFileName.isEmpty() ? mnuSaveAsClick() : SaveCalendarFile(m_currentFileName);
    if (!saved)
        return false;
    SetSaveNeeded(false);
    return true;
}

void TCalendarMain::Open1Click()
{
    DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    qm::FileDialogRequest request;
    request.title = QStringLiteral("Open Calendar File");
    request.initialFolder = qm::DialogFolder();
    request.filter = calendarFilter;
    request.defaultSuffix = calendarSuffix;
    const QString fileName = prompts().getOpenFileName(request);
    if (fileName.isEmpty())
        return;
    if (!hasCalendarExtension(fileName)) {
        prompts().ShowInformation(QStringLiteral("Must be a Calendar file (*.QMF)"));
        return;
    }
    OpenCalendarFile(fileName);
}

void TCalendarMain::openRequestedFile(const QString &fileName)
{
    if (!hasCalendarExtension(fileName)) {
        prompts().ShowInformation(QStringLiteral("Must be a Calendar file (*.QMF)"));
        return;
    }
    if (CheckSaveNeeded())
        OpenCalendarFile(fileName);
}

void TCalendarMain::RecentFileClick(TMRUMenuItem *sender, const QString &fileName)
{
    if (!CheckSaveNeeded()) {
        // Nothing is opened, so the entry goes back where it was.
        m_recentFiles->InsertFile(sender->EntryNumber() - 1, fileName);
        return;
    }
    OpenCalendarFile(fileName);
}

void TCalendarMain::OpenCalendarFile(const QString &requestedFileName)
{
    // A copy: the request may be CurrentFileName itself, which is cleared here.
    const QString fileName = requestedFileName;
    m_currentFileName.clear();
    DoSaveRichtext();
    if (!QFileInfo(fileName).isFile()) {
        prompts().ShowInformation(QStringLiteral("File ") + fileName + QStringLiteral(" no longer exists"));
    } else {
        try {
            qm::BeginBusy();
            calendar().ClearAllCells();
            readCalendarDocument(fileName);
            qm::EndBusy();
            m_currentFileName = fileName;
        } catch (const std::exception &) {
            m_currentFileName.clear();
            calendar().SetDefaults();
            prompts().ShowInformation(QStringLiteral("Unable to open ") + fileName +
                                      QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar file"));
            qm::EndBusy();
        }
        // Remembering the file is no part of reading it: a preferences file
        // that cannot be written must not make the document unreadable.
        if (!m_currentFileName.isEmpty()) {
            m_recentFiles->AddFile(fileName);
            saveRecentFiles();
        }
    }
    repaintPartWay();
    SetButtons();
    m_calendarPanel->setVisible(!m_currentFileName.isEmpty());
    m_calendarPanel->update();
    SetSaveNeeded(false);
    SetButtons();
    qm::EndBusy();
    SetCaption();
}

void TCalendarMain::mnuSaveClick()
{
    if (!m_currentFileName.isEmpty())
        SaveCalendarFile(m_currentFileName);
}

bool TCalendarMain::SaveCalendarFile(const QString &fileName)
{
    bool saved = false;
    try {
        qm::BeginBusy();
        DoSaveRichtext();
        writeCalendarDocument(fileName);
        m_currentFileName = fileName;
        SetSaveNeeded(false);
        saved = true;
    } catch (const std::exception &error) {
        qm::EndBusy();
        prompts().ShowInformation(failureText(error));
    }
    qm::EndBusy();
    repaintPartWay();
    SetButtons();
    SetCaption();
    return saved;
}

bool TCalendarMain::mnuSaveAsClick()
{
    qm::FileDialogRequest request;
    request.title = QStringLiteral("Save Calendar File");
    request.initialFolder = qm::DialogFolder();
    request.filter = calendarFilter;
    request.defaultSuffix = calendarSuffix;
    request.confirmOverwrite = true;
    if (!m_currentFileName.isEmpty())
        request.fileName = QFileInfo(m_currentFileName).fileName();
    else
        request.fileName = calendarDateName() + QStringLiteral(".QMF");
    const QString fileName = prompts().getSaveFileName(request);
    bool saved = false;
    if (!fileName.isEmpty() && SaveCalendarFile(fileName)) {
        saved = true;
        SetSaveNeeded(false);
        m_recentFiles->AddFile(fileName);
        saveRecentFiles();
    }
    SetButtons();
    return saved;
}

QString TCalendarMain::calendarDateName() const
{
    return calendar().GetMonthName(calendar().MainCalMonth()).left(3) + QString::number(calendar().MainCalYear());
}

void TCalendarMain::saveRecentFiles()
{
    try {
        m_recentFiles->SaveList();
    } catch (const QmError &error) {
        prompts().showError(error.message());
    }
}

void TCalendarMain::SavebuttonClick()
{
    if (m_mnuSave->isEnabled())
        mnuSaveClick();
    else
        mnuSaveAsClick();
}

void TCalendarMain::CancelButtonClick()
{
    mnuCancelChangesClick();
}

void TCalendarMain::mnuCancelChangesClick()
{
    if (!prompts().AskYesNo(QStringLiteral("Cancel all changes?"), QStringLiteral("CANCEL")))
        return;
    if (!m_currentFileName.isEmpty())
        OpenCalendarFile(m_currentFileName);
    SetSaveNeeded(false);
}
