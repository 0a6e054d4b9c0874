#pragma once

#include "platform/FontDescription.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class CalendarModel;
class QAction;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QMenu;
class QMimeData;
class QPrinter;
class QToolButton;
class TCalendarPanel;
class TExplorerButton;
class TGIconListBox;
class TMRUFileList;
class TMRUMenuItem;
class TQmRichText;
class TQmRtfStorage;
class TQmToolBar;
struct TRect;
class TScrollBoxWithNCTest;

/// The program's main window: the calendar document in a grey scroll box, the
/// buttons beside it, the File and Help menus, the caption, edit mode (changes
/// not yet saved) and the preferences.
///
/// Everything it reads from outside comes through replaceable services: the
/// prompts (qm::Prompts), the printers (qm::Printers), the screen, date and
/// program folder (qm::Environment).
class TCalendarMain : public QMainWindow
{
    Q_OBJECT

public:
    /// FormCreate: builds the window, loads the preferences and the recent
    /// files. Leaves the busy cursor on; the program turns it off.
    explicit TCalendarMain(QWidget *parent = nullptr);
    ~TCalendarMain() override;

    /// A document to open at the first activation instead of the most recent
    /// file (the program's command line).
    void SetStartFile(const QString &fileName) { m_startFile = fileName; }

    // State.
    const QString &CurrentFileName() const { return m_currentFileName; }
    bool SaveNeeded() const { return m_saveNeeded; }
    bool ActivatePending() const { return m_activatePending; }
    bool PrinterAvailable() const { return m_printerAvailable; }
    int MainZoom() const { return m_mainZoom; }
    int PropertiesZoom() const { return m_propertiesZoom; }
    /// True only while New runs the properties dialog.
    bool CreatingNew() const { return m_creatingNew; }
    /// Whether the latest properties dialog was closed with OK.
    bool PropertiesAccepted() const { return m_propertiesAccepted; }
    bool ShowHints() const { return m_showHints; }
    const QString &IconFileName() const { return m_iconFileName; }
    /// The default editor font as the preferences hold it.
    const qm::FontDescription &DefaultFont() const { return m_defaultFont; }
    TMRUFileList *RecentFiles() const { return m_recentFiles; }
    TCalendarPanel *CalendarPanel() const { return m_calendarPanel; }

    // Commands and routines of the window.
    /// The first-activation sequence; does nothing after it has run once.
    void FormActivate();
    void SetButtons();
    void SetCaption();
    /// Offers to save pending changes. False when the user wanted them saved
    /// and nothing was saved (Save As cancelled, the write failed): the command
    /// that asked must stop.
    bool CheckSaveNeeded();
    /// Stores the text of the cell being edited into its cell.
    void DoSaveRichtext();
    /// Edit mode: the calendar has changes that are not saved. The buttons
    /// follow when the value changes.
    void SetSaveNeeded(bool saveNeeded);
    void LoadPreferences();
    /// Throws QmError "Unable to write to <path>" when the preferences file
    /// cannot be written.
    void SavePreferences();
    void OpenCalendarFile(const QString &fileName);
    /// Writes the calendar document; a failure is shown and leaves the file
    /// name and pending changes as they were. True when the document was written.
    bool SaveCalendarFile(const QString &fileName);

    /// A new calendar: the settings the user confirms in the properties
    /// dialog (which starts from the defaults), no cell text, no file yet.
    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    /// True when the document was written.
    bool mnuSaveAsClick();
    void mnuCancelChangesClick();
    /// Places the events of the calendar files (.ics) the user chooses into
    /// the cells, as one edit, and says how many were placed
    /// (CalendarMainEvents.cpp).
    void mnuImportEventsClick();
    /// Runs the properties dialog on the calendar and, on OK, takes its
    /// settings, emptying the cells when the layout group changes.
    void mnuPropertiesClick();
    void PropertiesButtonClick();
    void RecentFileClick(TMRUMenuItem *sender, const QString &fileName);
    void Exit1Click();
    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();
    void SavebuttonClick();
    void CancelButtonClick();
    void mnuShowHintClick();
    /// Empties every cell without asking; the change waits to be saved.
    void mnuClearAllCellContentsClick();
    /// The font dialog for the default editor font, then that font for the text typed next.
    void DefaultEditorFont1Click();

    // Cell editing (CalendarMainCellEditing.cpp).
    /// Stores the cell being edited and lays the editor over the free area
    /// `rFree` of cell `iCell`, with a copy of the cell's text.
    void CalendarPanelClickedInCellEvent(const TRect &rFree, int iCell, TQmRtfStorage *rtfstorage);
    /// The default editor font becomes the editor's writing attribute.
    void SetDefaultFontNow();

    // Pictures dropped into cells (CalendarMainDrops.cpp).
    /// Whether a drop of what `event` carries may land here: a picture over a cell.
    bool CalendarPanelDragOver(const QDropEvent &event) const;
    /// Opens the cell under the drop point and inserts the picture into it.
    void CalendarPanelDragDrop(const QDropEvent &event);
    bool QmRichText1DragOver(const QDropEvent &event) const;
    /// Inserts the picture `data` carries at the editor's insertion point.
    void QmRichText1DragDrop(const QMimeData &data);
    /// The editor lies over a cell, and its text belongs to that cell.
    bool EditorActive() const { return m_editorActive; }
    /// The number of the cell edited last (1..42); Tab moves on from it.
    int CurrentCellIndex() const { return m_currentCellIndex; }
    void Contents1Click();
    void About1Click();

    // The icon strip's library (CalendarMainIcons.cpp).
    void mnuActivitiesICLClick();
    void mnuEventsICLClick();
    void mnuHolidaysICLClick();
    void mnuMisc1ICLClick();
    void mnuMisc2ICLClick();
    /// Any icon file or library, or a folder of PNG or SVG pictures, or one
    /// such picture; asks again while the choice holds no icon.
    void mnuOtherICONFILEClick();

    // Printing and export (CalendarMainPrinting.cpp).
    /// Prints the calendar after the print dialog and the margin check.
    void mnuPrintCalendarClick();
    void PrintbuttonClick();
    /// The printer set-up dialog, then the printers are checked again.
    void mnuPrintSetupClick();
    /// The print preview of what the print command sends, after the same margin check.
    void mnuPrintPreviewClick();
    /// Writes the calendar at its on-screen size as a BMP file, or as a PNG
    /// file when the chosen name ends in .png.
    void mnuSaveAsBitmapClick();
    /// Writes the calendar's page as a PDF file.
    void mnuExportPdfClick();
    /// Checks the calendar's margins against the printer's printable area
    /// and offers to widen those outside it. True when printing may go on
    /// without asking further.
    bool CheckPrinterMargins();
    /// The printer the print commands use, made for the default printer on
    /// first use; the dialogs' choices stay on it.
    QPrinter &Printer();
    /// Another start of the program handed over `fileName` (empty: it only
    /// asked this window to come forward).
    void HandOver(const QString &fileName);

    // The controls, under the names the program's commands use.
    QAction *mnuSave() const { return m_mnuSave; }
    QAction *mnuSaveAs() const { return m_mnuSaveAs; }
    QAction *mnuCancelChanges() const { return m_mnuCancelChanges; }
    QAction *mnuProperties() const { return m_mnuProperties; }
    QAction *mnuShowHint() const { return m_mnuShowHint; }
    QAction *mnuSaveAsBitmap() const { return m_mnuSaveAsBitmap; }
    QAction *mnuExportPdf() const { return m_mnuExportPdf; }
    QAction *mnuImportEvents() const { return m_mnuImportEvents; }
    QAction *mnuPrintCalendar() const { return m_mnuPrintCalendar; }
    QAction *mnuPrintPreview() const { return m_mnuPrintPreview; }
    QAction *mnuPrintSetup() const { return m_mnuPrintSetup; }
    QMenu *FileMenu() const { return m_fileMenu; }
    TExplorerButton *IconBarButton() const { return m_iconBarButton; }
    QMenu *IconSetsMenu() const { return m_iconSetsMenu; }
    /// The items of IconSetsMenu in its order: the five libraries, then "Other".
    const QList<QAction *> &IconSetItems() const { return m_iconSetItems; }
    TGIconListBox *IconListBox() const { return m_iconListBox; }
    QToolButton *ZoomPlusButton() const { return m_zoomPlusButton; }
    QToolButton *ZoomMinusButton() const { return m_zoomMinusButton; }
    QToolButton *PropertiesButton() const { return m_propertiesButton; }
    QToolButton *Printbutton() const { return m_printbutton; }
    QToolButton *Savebutton() const { return m_savebutton; }
    QToolButton *CancelButton() const { return m_cancelButton; }
    TScrollBoxWithNCTest *ScrollBox1() const { return m_scrollBox1; }
    QLabel *StartMessage() const { return m_startMessage; }
    TQmRichText *QmRichText1() const { return m_qmRichText1; }
    TQmToolBar *QmToolBar1() const { return m_qmToolBar1; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CalendarModel &calendar() const;
    /// The calendar's own visibility (the window may be hidden).
    bool calendarShown() const;
    /// Lets the window repaint part-way through a long command (the first
    /// activation, opening, saving).
    static void repaintPartWay();

    // Building the window (CalendarMainLayout.cpp).
    void createComponents();
    QWidget *createIconPanel();
    QToolButton *createSpeedButton(QWidget *parent, const QRect &geometry, const QString &hint);
    /// Panel2 with IconBarButton and its menu, and the icon strip below it.
    void createIconStrip(QLayout *iconPanelLayout);
    /// Shows the library `fileName` (found by the program folder rule) in the strip.
    void chooseIconSet(const QString &fileName);
    /// The ticks of IconSetsMenu for IconFileName.
    void setIconSetTicks();
    void createMenus();
    TQmToolBar *createToolBar();
    void createCellEditor();
    void fitScrollContent();
    /// Changes the magnification by `step`, keeping the point of the page
    /// under the centre of the scroll box in place.
    void zoomBy(int step);

    bool FormCloseQuery();
    void FormClose();
    /// The application's key hook: Page Down and Page Up zoom while this
    /// window is the active one. Also silences hints while they are off.
    bool AppMessage(QObject *watched, QEvent *event);
    /// Opens a document handed in from outside the program (command line,
    /// another start) after the checks Open makes.
    void openRequestedFile(const QString &fileName);
    void openHandedOverFile(const QString &fileName);
    /// Stores the recent files; a failed write is shown and the command goes on.
    void saveRecentFiles();
    /// The document file itself (CalendarMainDocument.cpp). Both throw on failure.
    void readCalendarDocument(const QString &fileName);
    void writeCalendarDocument(const QString &fileName);
    /// The month and year of the calendar as untitled files are named ("Dec1997").
    QString calendarDateName() const;

    // Printing and export (CalendarMainPrinting.cpp).
    /// The margin check, and when it fails the question whether to print anyway.
    bool mayPrint();
    /// Prints on `printer` under the busy cursor; a failure is shown.
    void printNow(QPrinter &printer);
    /// The file name an export proposes: the document's name, or the
    /// calendar's month and year, with `suffix`.
    QString proposedExportName(const QString &suffix) const;
    /// Asks for the file in a save dialog titled `title` that proposes the
    /// name with `suffix`, then writes it with `write` under the busy cursor;
    /// a failure is shown.
    void exportTo(const QString &title, const QString &suffix, const QString &filter,
                  const std::function<void(const QString &)> &write);

    // Cell editing (CalendarMainCellEditing.cpp).
    void QmRichText1Change();
    void QmRichText1Enter();
    void QmRichText1KeyPress(char16_t &key);
    bool editorHasFocus() const;
    /// Drags over the calendar and drops on it; true when `event` was one.
    bool calendarDragEvent(QEvent *event);
    /// Tab and Shift+Tab while the editor has the focus open the next or
    /// previous cell; true when the key was used so.
    bool moveEditorByTab(const QKeyEvent &key);
    /// Shows the editor again over the cell it was hidden from.
    void reopenEditorAfterPrinting();
    /// Copies the editor's text into its cell, leaving the editor open.
    void storeEditedCellText();

    // State.
    QString m_currentFileName;
    QString m_startFile;
    bool m_saveNeeded = false;
    bool m_activatePending = true;
    bool m_activating = false;
    bool m_printerAvailable = false;
    int m_mainZoom = 60;
    int m_propertiesZoom = 30;
    bool m_creatingNew = false;
    bool m_propertiesAccepted = false;
    bool m_showHints = true;
    QString m_iconFileName;
    qm::FontDescription m_defaultFont;
    TMRUFileList *m_recentFiles = nullptr;

    // Components.
    TScrollBoxWithNCTest *m_scrollBox1 = nullptr;
    QWidget *m_scrollContent = nullptr;
    TCalendarPanel *m_calendarPanel = nullptr;
    /// How to begin, drawn in the grey area while no calendar is shown.
    QLabel *m_startMessage = nullptr;
    QWidget *m_iconPanel = nullptr;
    QWidget *m_panel2 = nullptr;
    TExplorerButton *m_iconBarButton = nullptr;
    QMenu *m_iconSetsMenu = nullptr;
    QList<QAction *> m_iconSetItems;
    TGIconListBox *m_iconListBox = nullptr;
    QToolButton *m_zoomPlusButton = nullptr;
    QToolButton *m_zoomMinusButton = nullptr;
    QToolButton *m_propertiesButton = nullptr;
    QToolButton *m_printbutton = nullptr;
    QToolButton *m_savebutton = nullptr;
    QToolButton *m_cancelButton = nullptr;
    QMenu *m_fileMenu = nullptr;
    QAction *m_mnuSave = nullptr;
    QAction *m_mnuSaveAs = nullptr;
    QAction *m_mnuCancelChanges = nullptr;
    QAction *m_mnuProperties = nullptr;
    QAction *m_mnuShowHint = nullptr;
    QAction *m_mnuSaveAsBitmap = nullptr;
    QAction *m_mnuExportPdf = nullptr;
    QAction *m_mnuImportEvents = nullptr;
    QAction *m_mnuPrintCalendar = nullptr;
    QAction *m_mnuPrintPreview = nullptr;
    QAction *m_mnuPrintSetup = nullptr;
    std::unique_ptr<QPrinter> m_printer;

    // Cell editing.
    TQmToolBar *m_qmToolBar1 = nullptr;
    TQmRichText *m_qmRichText1 = nullptr;
    bool m_editorActive = false;
    TQmRtfStorage *m_editedCell = nullptr;
    int m_currentCellIndex = 0;
    bool m_trackEditorChanges = true;
};
