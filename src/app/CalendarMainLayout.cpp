// Building the main window: its panels, buttons, scroll box and menus.

#include "CalendarMain.h"
#include "SpeedButtonGlyphs.h"

#include "controls/AreaMessage.h"
#include "controls/CalendarPanel.h"
#include "controls/QmToolBar.h"
#include "controls/ScrollBoxWithNCTest.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

/// Mid grey, red = green = blue = 142, behind the calendar page.
const QColor scrollBoxColor(142, 142, 142);
/// The calendar's distance from the scroll box's top left corner.
constexpr int calendarMargin = 5;

/// What the grey area says while no calendar is shown, in the menus' words.
QString startMessageText()
{
    return QStringLiteral("<p style=\"font-size:13pt\"><b>No calendar is open.</b></p>"
                          "<p style=\"font-size:10pt\">To make a calendar, choose <b>New</b> in the <b>File</b> "
                          "menu.<br>To open a calendar file (.QMF), choose <b>Open</b> in the <b>File</b> menu.<br>"
                          "The calendars opened or saved last are listed at the end of the <b>File</b> menu.</p>");
}

QFont windowFont(int points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"), points);
    font.setBold(bold);
    return font;
}

} // namespace

void TCalendarMain::createComponents()
{
    setFont(windowFont(8));
    auto *panel1 = new QWidget(this);
    auto *workArea = new QHBoxLayout;
    workArea->setContentsMargins(0, 0, 0, 0);
    workArea->setSpacing(0);

    m_scrollBox1 = new TScrollBoxWithNCTest(panel1);
    m_scrollBox1->setWidgetResizable(false);
    m_scrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox1->verticalScrollBar()->setSingleStep(16);
    QPalette grey = m_scrollBox1->palette();
    grey.setColor(QPalette::Window, scrollBoxColor);
    m_scrollBox1->setPalette(grey);
    m_scrollBox1->viewport()->setBackgroundRole(QPalette::Window);
    m_scrollContent = new QWidget;
    m_scrollContent->setAutoFillBackground(true);
    m_scrollContent->setPalette(grey);
    m_scrollBox1->setWidget(m_scrollContent);

    m_startMessage = new qm::AreaMessage(startMessageText(), m_scrollBox1->viewport());
    m_startMessage->hide();

    m_calendarPanel = new TCalendarPanel(m_scrollContent);
    m_calendarPanel->hide();
    m_calendarPanel->move(calendarMargin, calendarMargin);
    m_calendarPanel->installEventFilter(this);

    workArea->addWidget(m_scrollBox1, 1);
    workArea->addWidget(createIconPanel());

    auto *panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    panel1Layout->setSpacing(0);
    panel1Layout->addWidget(createToolBar());
    panel1Layout->addLayout(workArea, 1);
    setCentralWidget(panel1);
    resize(613, 378);
    move(166, 105);
}

QToolButton *TCalendarMain::createSpeedButton(QWidget *parent, const QRect &geometry, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget *TCalendarMain::createIconPanel()
{
    m_iconPanel = new QWidget;
    m_iconPanel->setFixedWidth(59);
    auto *layout = new QVBoxLayout(m_iconPanel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);

    auto *panel3 = new QFrame(m_iconPanel);
    panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel3->setFixedHeight(108);
    layout->addWidget(panel3);
    createIconStrip(layout);

    m_zoomPlusButton = createSpeedButton(panel3, QRect(1, 3, 24, 21), QStringLiteral("Zoom In"));
    m_zoomPlusButton->setIcon(qm::speedButtonGlyph(qm::SpeedButtonGlyph::ZoomIn));
    connect(m_zoomPlusButton, &QToolButton::clicked, this, &TCalendarMain::ZoomPlusButtonClick);

    m_zoomMinusButton = createSpeedButton(panel3, QRect(28, 3, 24, 21), QStringLiteral("Zoom Out"));
    m_zoomMinusButton->setIcon(qm::speedButtonGlyph(qm::SpeedButtonGlyph::ZoomOut));
    connect(m_zoomMinusButton, &QToolButton::clicked, this, &TCalendarMain::ZoomMinusButtonClick);

    m_propertiesButton =
        createSpeedButton(panel3, QRect(1, 26, 24, 21), QStringLiteral("Set/change Properties for the calendar"));
    m_propertiesButton->setIcon(qm::speedButtonGlyph(qm::SpeedButtonGlyph::Properties));
    connect(m_propertiesButton, &QToolButton::clicked, this, &TCalendarMain::PropertiesButtonClick);
    m_printbutton = createSpeedButton(panel3, QRect(28, 26, 24, 21), QStringLiteral("Print the calendar"));
    m_printbutton->setIcon(qm::speedButtonGlyph(qm::SpeedButtonGlyph::Print));
    connect(m_printbutton, &QToolButton::clicked, this, &TCalendarMain::PrintbuttonClick);

    const auto captionButton = [this, panel3](const QRect &geometry, const QString &caption, const QColor &color,
                                              const QString &hint) {
        QToolButton *button = createSpeedButton(panel3, geometry, hint);
        button->setText(caption);
        button->setFont(windowFont(8, true));
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, color);
        button->setPalette(palette);
        button->hide();
        return button;
    };
    m_savebutton = captionButton(QRect(1, 52, 51, 20), QStringLiteral("&Save"), QColor(0, 128, 0),
                                 QStringLiteral("Save changes to the calendar"));
    connect(m_savebutton, &QToolButton::clicked, this, &TCalendarMain::SavebuttonClick);
    m_cancelButton = captionButton(QRect(1, 75, 51, 20), QStringLiteral("&Cancel"), QColor(255, 0, 0),
                                   QStringLiteral("Cancel all changes"));
    connect(m_cancelButton, &QToolButton::clicked, this, &TCalendarMain::CancelButtonClick);

    // Bevel1: a line along the top of a 6-pixel band at the panel's bottom.
    auto *bevel1 = new QFrame(panel3);
    bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel1->setGeometry(0, 108 - 6, 55, 2);
    return m_iconPanel;
}

void TCalendarMain::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->addAction(QStringLiteral("&New "), this, &TCalendarMain::New1Click);
    m_fileMenu->addAction(QStringLiteral("&Open"), this, &TCalendarMain::Open1Click);
    m_mnuImportEvents =
        m_fileMenu->addAction(QStringLiteral("&Import Events..."), this, &TCalendarMain::mnuImportEventsClick);
    m_fileMenu->addSeparator();
    m_mnuSave = m_fileMenu->addAction(QStringLiteral("&Save "), this, &TCalendarMain::mnuSaveClick);
    m_mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuSaveAs = m_fileMenu->addAction(QStringLiteral("Save &As..."), this, [this] { mnuSaveAsClick(); });
    m_mnuSaveAsBitmap =
        m_fileMenu->addAction(QStringLiteral("Save As &Bitmap "), this, &TCalendarMain::mnuSaveAsBitmapClick);
    m_mnuExportPdf =
        m_fileMenu->addAction(QStringLiteral("&Export as PDF..."), this, &TCalendarMain::mnuExportPdfClick);
    m_fileMenu->addSeparator();
    m_mnuProperties = m_fileMenu->addAction(QStringLiteral("&Properties"), this, &TCalendarMain::mnuPropertiesClick);
    m_mnuCancelChanges =
        m_fileMenu->addAction(QStringLiteral("&Cancel Changes"), this, &TCalendarMain::mnuCancelChangesClick);
    m_fileMenu->addAction(QStringLiteral("Clear &All Cell Contents"), this,
                          &TCalendarMain::mnuClearAllCellContentsClick);
    m_fileMenu->addAction(QStringLiteral("&Default Editor Font"), this, &TCalendarMain::DefaultEditorFont1Click);
    m_fileMenu->addSeparator();
    m_mnuPrintCalendar =
        m_fileMenu->addAction(QStringLiteral("P&rint Calendar"), this, &TCalendarMain::mnuPrintCalendarClick);
    m_mnuPrintPreview =
        m_fileMenu->addAction(QStringLiteral("Print Pre&view"), this, &TCalendarMain::mnuPrintPreviewClick);
    m_mnuPrintSetup = m_fileMenu->addAction(QStringLiteral("Print Set&up"), this, &TCalendarMain::mnuPrintSetupClick);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(QStringLiteral("E&xit"), this, &TCalendarMain::Exit1Click);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->addAction(QStringLiteral("&Contents"), this, &TCalendarMain::Contents1Click);
    helpMenu->addAction(QStringLiteral("&About"), this, &TCalendarMain::About1Click);
    helpMenu->addSeparator();
    m_mnuShowHint = helpMenu->addAction(QStringLiteral("&Show Hints"), this, &TCalendarMain::mnuShowHintClick);
    m_mnuShowHint->setCheckable(true);
    m_mnuShowHint->setChecked(true);
}

void TCalendarMain::fitScrollContent()
{
    if (!calendarShown()) {
        m_scrollContent->resize(0, 0);
        return;
    }
    const QSize margins(2 * calendarMargin, 2 * calendarMargin);
    m_scrollContent->resize(m_calendarPanel->size() + margins);
}
