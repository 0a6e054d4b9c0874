// Editing a cell's text in place: the editor laid over the cell the user
// chose, the text stored back when the user leaves it, Tab between cells,
// the default editor font and clearing every cell.

#include "CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "controls/QmRichText.h"
#include "controls/QmToolBar.h"
#include "platform/Environment.h"
#include "platform/Prompts.h"
#include "platform/RoundHalfEven.h"
#include "richtext/FontAttr.h"
#include "richtext/QmRtfStorage.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace {

constexpr int twipsPerInch = 1440;
constexpr char16_t selectAllCharacter = 1; // Ctrl+A

/// The hint of each toolbar button, in the toolbar's order of names.
QStringList toolBarHints()
{
    return {QStringLiteral("QMI_Normal=Normal"),
            QStringLiteral("QMI_Bold=Bold Font"),
            QStringLiteral("QMI_Italic=Italic Font"),
            QStringLiteral("QMI_Under=Underlined Font"),
            QStringLiteral("QMI_Hyperlink=Hyperlink "),
            QStringLiteral("QMI_StrikeOut=StrikeOut Font"),
            QStringLiteral("QMI_Sub=Sub"),
            QStringLiteral("QMI_Super=Super"),
            QStringLiteral("QMI_Hidden=Hidden"),
            QStringLiteral("QMI_RTFCode=RTFCode"),
            QStringLiteral("QMI_Left=Left Justify Text"),
            QStringLiteral("QMI_Right=Right Justify Text"),
            QStringLiteral("QMI_Justified=Block Justify Text"),
            QStringLiteral("QMI_Center=Center Text "),
            QStringLiteral("QMI_Copy=Copy Text"),
            QStringLiteral("QMI_Cut=Cut Text"),
            QStringLiteral("QMI_Paste=Paste Text"),
            QStringLiteral("QMI_SelAll=Select All"),
            QStringLiteral("QMI_HideSel=HideSel"),
            QStringLiteral("QMI_Find=Find"),
            QStringLiteral("QMI_Replace=Replace"),
            QStringLiteral("QMI_Spell=Spell"),
            QStringLiteral("QMI_Exit=Exit"),
            QStringLiteral("QMI_New=New"),
            QStringLiteral("QMI_Open=Open"),
            QStringLiteral("QMI_Save=Save"),
            QStringLiteral("QMI_Close=Close"),
            QStringLiteral("QMI_Print=Print"),
            QStringLiteral("QMI_PrintSetup=PrintSetup"),
            QStringLiteral("QMI_Next=Next"),
            QStringLiteral("QMI_Prev=Prev"),
            QStringLiteral("QMI_Add=Add"),
            QStringLiteral("QMI_Del=Del"),
            QStringLiteral("QMI_Edit=Edit"),
            QStringLiteral("QMI_Cancel=Cancel"),
            QStringLiteral("QMI_ToStart=ToStart"),
            QStringLiteral("QMI_ToEnd=ToEnd"),
            QStringLiteral("QMI_Post=Post")};
}

int pixelsToTwips(int pixels)
{
    return qm::mulDiv(pixels, twipsPerInch, qm::Environment::screenPixelsPerInch());
}

} // namespace

TQmToolBar *TCalendarMain::createToolBar()
{
    m_qmToolBar1 = new TQmToolBar;
    m_qmToolBar1->setFixedHeight(28);
    m_qmToolBar1->setFont(QFont(QStringLiteral("Arial"), 10));
    m_qmToolBar1->Setsel_ListBoxes(SelFontName | SelFontSize | SelFontColor);
    m_qmToolBar1->Setsel_StatusIcons(SelBold | SelItalic | SelUnder | SelLeft | SelRight | SelCenter);
    m_qmToolBar1->Setsel_ActionIcons({});
    m_qmToolBar1->Setsel_EditIcons(SelCopy | SelCut | SelPaste | SelSelAll);
    m_qmToolBar1->SetWidthBetweenGroups(4);
    m_qmToolBar1->SetFontChoice(fsScreenFonts);
    m_qmToolBar1->SetFontSizeFrom(8);
    m_qmToolBar1->SetHints(toolBarHints());
    m_qmToolBar1->setEnabled(false);
    return m_qmToolBar1;
}

void TCalendarMain::createCellEditor()
{
    m_qmRichText1 = new TQmRichText(m_scrollContent);
    m_qmRichText1->hide();
    m_qmRichText1->SetColor(qm::clWhite);
    m_qmRichText1->SetWordWrap(true);
    m_qmRichText1->SetZooming(100);
    m_qmRichText1->SetWantTabs(false);
    m_qmRichText1->SetQmToolBar(m_qmToolBar1);
    m_qmRichText1->SetOnChange([this](TQmCustomRtfEdit &) { QmRichText1Change(); });
    m_qmRichText1->SetOnEnter([this](TQmCustomRtfEdit &) { QmRichText1Enter(); });
    m_qmRichText1->SetOnKeyPress([this](TQmCustomRtfEdit &, char16_t &key) { QmRichText1KeyPress(key); });
    m_qmRichText1->SetOnDragOver(
        [this](TQmCustomRtfEdit &, QDropEvent &event, bool &accept) { accept = QmRichText1DragOver(event); });
    m_qmRichText1->SetOnDragDrop(
        [this](TQmCustomRtfEdit &, QDropEvent &event) { QmRichText1DragDrop(*event.mimeData()); });
    m_calendarPanel->setAcceptDrops(true);
    connect(m_calendarPanel, &TCalendarPanel::ClickedInCellEvent, this,
            [this](TRect, TRect rFree, int iCell, int, TQmRtfStorage *rtfstorage) {
                CalendarPanelClickedInCellEvent(rFree, iCell, rtfstorage);
            });
}

void TCalendarMain::CalendarPanelClickedInCellEvent(const TRect &rFree, int iCell, TQmRtfStorage *rtfstorage)
{
    // A click on the day number of the cell being edited leaves the editor as
    // it is: reopened, it would put the cursor back at the start and forget
    // what can be undone.
    if (m_editorActive && m_editedCell == rtfstorage && m_qmRichText1->isVisible()) {
        m_qmRichText1->setFocus(Qt::MouseFocusReason);
        return;
    }
    m_currentCellIndex = iCell;
    m_trackEditorChanges = false;
    DoSaveRichtext();
    m_editedCell = rtfstorage;
    m_editorActive = true;

    const int width = rFree.right - rFree.left + 1;
    const int height = rFree.bottom - rFree.top + 1;
    // The editor's page is exactly the cell's free area as the screen shows it.
    m_qmRichText1->SetPageLayout(0, 0, pixelsToTwips(height), pixelsToTwips(width), 0, 0);
    m_qmRichText1->SetZooming(calendar().Magnification());
    m_qmRichText1->RtfText().Assign(rtfstorage->RtfText());
    // The editor starts where the closed cell's text is painted, so the text
    // stays in place and the grid line under the cell stays in sight.
    m_qmRichText1->setGeometry(m_calendarPanel->x() + rFree.left, m_calendarPanel->y() + rFree.top, width, height);
    m_qmRichText1->show();
    m_qmRichText1->raise();
    m_qmRichText1->setFocus(Qt::OtherFocusReason);
    // A window that is not active gets no focus event; the edit starts all the same.
    if (!m_qmRichText1->hasFocus())
        QmRichText1Enter();
    m_trackEditorChanges = true;
}

void TCalendarMain::DoSaveRichtext()
{
    if (!m_editorActive || !m_editedCell)
        return;
    storeEditedCellText();
    m_qmRichText1->hide();
    m_editorActive = false;
    m_qmToolBar1->setEnabled(false);
}

void TCalendarMain::QmRichText1Change()
{
    if (m_trackEditorChanges)
        SetSaveNeeded(true);
}

void TCalendarMain::QmRichText1Enter()
{
    m_qmToolBar1->setEnabled(true);
    if (m_qmRichText1->RtfText().IsEmpty())
        SetDefaultFontNow();
}

void TCalendarMain::QmRichText1KeyPress(char16_t &key)
{
    if (key != selectAllCharacter)
        return;
    m_qmRichText1->SelectAll();
    key = 0;
}

void TCalendarMain::SetDefaultFontNow()
{
    m_qmRichText1->SetCurrentAttr(AttrOfFont(m_qmRichText1->RtfText(), m_defaultFont, m_qmRichText1->GetCurrentAttr()));
}

void TCalendarMain::DefaultEditorFont1Click()
{
    LoadPreferences();
    qm::FontDescription font = m_defaultFont;
    if (qm::Prompts::instance().chooseFont(font)) {
        m_defaultFont = font;
        SavePreferences();
    }
    SetDefaultFontNow();
}

void TCalendarMain::mnuClearAllCellContentsClick()
{
    // Without a calendar on screen there is nothing to clear, and marking the
    // hidden one as changed would offer to save a calendar nobody sees.
    if (!calendarShown())
        return;
    DoSaveRichtext();
    calendar().ClearAllCells();
    m_calendarPanel->update();
    SetSaveNeeded(true);
}

// Printing hides the editor through DoSaveRichtext and brings it back on the
// same cell when it had the focus; exports store the text and leave it open.

void TCalendarMain::reopenEditorAfterPrinting()
{
    m_editorActive = true;
    m_qmRichText1->show();
    m_qmRichText1->setFocus(Qt::OtherFocusReason);
}

void TCalendarMain::storeEditedCellText()
{
    if (!m_editorActive || !m_editedCell)
        return;
    m_editedCell->RtfText().Assign(m_qmRichText1->RtfText());
    m_calendarPanel->update();
}

bool TCalendarMain::editorHasFocus() const
{
    return m_qmRichText1->isVisible() && m_qmRichText1->hasFocus();
}

bool TCalendarMain::moveEditorByTab(const QKeyEvent &key)
{
    if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab)
        return false;
    if (!editorHasFocus())
        return false;
    if (key.key() == Qt::Key_Backtab || key.modifiers().testFlag(Qt::ShiftModifier))
        m_calendarPanel->EditPreviousCell(m_currentCellIndex);
    else
        m_calendarPanel->EditNextCell(m_currentCellIndex);
    return true;
}
