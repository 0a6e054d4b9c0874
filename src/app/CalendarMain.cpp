// The main window's life: creation, first activation, closing, and the
// state that decides what is enabled and what the caption says.

#include "CalendarMain.h"
#include "HintPauseStyle.h"

#include "calendar/CalendarModel.h"
#include "controls/BusyCursor.h"
#include "controls/CalendarPanel.h"
#include "controls/FormPlacement.h"
#include "controls/GIconListBox.h"
#include "controls/MRUFileList.h"
#include "controls/QmRichText.h"
#include "controls/QmToolBar.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"
#include "printing/Printers.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

namespace {

/// How often a document handed over by another start is retried while a
/// dialog of this window is open.
constexpr int handOverRetryMilliseconds = 250;

} // namespace

TCalendarMain::TCalendarMain(QWidget *parent)
    : QMainWindow(parent)
{
    createComponents();
    createCellEditor();
    createMenus();
    setWindowTitle(QStringLiteral("Quillmark"));
    setWindowIcon(QIcon(QStringLiteral(":/app/quillmark.png")));

    qm::BeginBusy();
    LoadPreferences();
    SetSaveNeeded(false);
    calendar().SetMagnification(m_mainZoom);
    calendar().SetCalendarLayout(LOFullCalendarLS);

    m_recentFiles = new TMRUFileList(this);
    m_recentFiles->SetFileMenu(m_fileMenu);
    m_recentFiles->SetRemoveOnClick(true);
    m_recentFiles->SetMaximum(5);
    m_recentFiles->SetOnMRUItemClick(
        [this](TMRUMenuItem *sender, const QString &fileName) { RecentFileClick(sender, fileName); });
    m_recentFiles->SetAutoSaveName(qm::IniFileName());
    m_recentFiles->SetAutoSaveKey(QStringLiteral("MRU"));
    m_recentFiles->SetAutoSave(false);
    m_recentFiles->LoadList();

    m_mnuShowHint->setChecked(m_showHints);
    if (!qobject_cast<HintPauseStyle *>(QApplication::style()))
        QApplication::setStyle(new HintPauseStyle);
    qApp->installEventFilter(this);
}

TCalendarMain::~TCalendarMain()
{
    qApp->removeEventFilter(this);
}

CalendarModel &TCalendarMain::calendar() const
{
    return m_calendarPanel->calendar();
}

bool TCalendarMain::calendarShown() const
{
    return !m_calendarPanel->isHidden();
}

void TCalendarMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The first activation runs once the window is on screen.
    if (m_activatePending)
        QMetaObject::invokeMethod(this, &TCalendarMain::FormActivate, Qt::QueuedConnection);
}

void TCalendarMain::repaintPartWay()
{
    // User input waits until the command is done, so that no other command
    // starts in the middle of it. What runs here are paints, timers, the
    // queued first activation (which returns at once while one runs) and a
    // second start handing over a file; every caller has read or written its
    // document completely before it lets them run.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); // user input waits: see above
}

void TCalendarMain::FormActivate()
{
    // Pending events are processed part-way, and may ask for the activation again.
    if (!m_activatePending || m_activating)
        return;
    m_activating = true;
    qm::BeginBusy();
    try {
        qm::RestoreFormPlacement(this);
    } catch (const QmError &error) {
        // Without a writable preferences file the program still starts.
        qm::Prompts::instance().showError(error.message());
    }
    show();
    m_printerAvailable = qm::CheckPrinters();
    calendar().SetDefaults();
    if (!m_startFile.isEmpty()) {
        openRequestedFile(m_startFile);
    } else {
        const QStringList &recent = m_recentFiles->Files();
        if (!recent.isEmpty() && QFileInfo(recent.first()).isFile())
            OpenCalendarFile(recent.first());
    }
    repaintPartWay();
    m_calendarPanel->setVisible(!m_currentFileName.isEmpty());
    repaintPartWay();
    m_mnuSave->setEnabled(false);
    SetSaveNeeded(false);
    m_activatePending = false;
    m_activating = false;
    SetButtons();
    SetCaption();
    qm::EndBusy();
}

void TCalendarMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TCalendarMain::FormCloseQuery()
{
    try {
        return CheckSaveNeeded();
    } catch (const QmError &error) {
        // The preferences could not be written; the document's fate is settled.
        qm::Prompts::instance().showError(error.message());
        return true;
    }
}

void TCalendarMain::FormClose()
{
    m_mainZoom = calendar().Magnification();
    try {
        SavePreferences();
        qm::SaveFormPlacement(this);
    } catch (const QmError &error) {
        qm::Prompts::instance().showError(error.message());
    }
}

void TCalendarMain::Exit1Click()
{
    close();
}

void TCalendarMain::SetButtons()
{
    // The mini-calendar sheets have no cells for icons.
    const int layout = calendar().CalendarLayout();
    const bool cellsTakeIcons = layout <= loFC12AfterLS || layout >= loWeek;
    m_panel2->setVisible(cellsTakeIcons);
    m_iconListBox->setVisible(cellsTakeIcons);
    const bool hasFile = !m_currentFileName.isEmpty();
    const bool shown = calendarShown();
    m_mnuSave->setEnabled(hasFile);
    m_mnuSaveAs->setEnabled(shown);
    m_mnuProperties->setEnabled(shown);
    m_propertiesButton->setEnabled(shown);
    m_mnuPrintSetup->setEnabled(shown);
    m_mnuPrintCalendar->setEnabled(shown && m_printerAvailable);
    m_printbutton->setEnabled(m_mnuPrintCalendar->isEnabled());
    m_mnuPrintPreview->setEnabled(m_mnuPrintCalendar->isEnabled());
    m_mnuCancelChanges->setEnabled(shown && hasFile);
    m_zoomMinusButton->setEnabled(shown);
    m_zoomPlusButton->setEnabled(shown);
    m_savebutton->setVisible(m_saveNeeded);
    m_cancelButton->setVisible(m_saveNeeded && hasFile);
    m_mnuSaveAsBitmap->setEnabled(shown);
    m_mnuExportPdf->setEnabled(shown);
    m_mnuImportEvents->setEnabled(shown);
    m_qmToolBar1->setEnabled(shown && m_qmRichText1->hasFocus());
    m_startMessage->setVisible(!shown && !m_activatePending);
    setIconSetTicks();
}

void TCalendarMain::SetCaption()
{
    QString caption = QStringLiteral("Quillmark");
    if (!m_currentFileName.isEmpty())
        caption += QStringLiteral("  [") + QFileInfo(m_currentFileName).fileName() + u']';
    caption += QStringLiteral("    [%1%]").arg(calendar().Magnification());
    setWindowTitle(caption);
}

void TCalendarMain::SetSaveNeeded(bool saveNeeded)
{
    if (saveNeeded == m_saveNeeded)
        return;
    m_saveNeeded = saveNeeded;
    SetButtons();
}

void TCalendarMain::HandOver(const QString &fileName)
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (!fileName.isEmpty())
        openHandedOverFile(fileName);
}

void TCalendarMain::openHandedOverFile(const QString &fileName)
{
    // While a dialog of this window is open, or the window is still starting,
    // the document waits.
    if (QApplication::activeModalWidget() || m_activatePending) {
        QTimer::singleShot(handOverRetryMilliseconds, this, [this, fileName] { openHandedOverFile(fileName); });
        return;
    }
    openRequestedFile(fileName);
}
