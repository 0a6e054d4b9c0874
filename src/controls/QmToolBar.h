#pragma once

#include "controls/QmCustomToolPanel.h"

/// The formatting toolbar: drop-down lists for font name, size and colours,
/// then speed buttons for character styles, alignment, file, printing,
/// record and editing commands, each shown when its member of the
/// `sel_...` sets is selected. Changing a set, the size range, the font
/// choice or the group spacing builds the controls anew.
class TQmToolBar : public TQmCustomToolPanel
{
    Q_OBJECT

public:
    explicit TQmToolBar(QWidget *parent = nullptr);

    TqmTbListboxen sel_ListBoxes() const { return m_listBoxes; }
    void Setsel_ListBoxes(TqmTbListboxen lists);
    TqmTbIcons sel_StatusIcons() const { return m_statusIcons; }
    void Setsel_StatusIcons(TqmTbIcons icons);
    TqmTbIcons2 sel_ActionIcons() const { return m_actionIcons; }
    void Setsel_ActionIcons(TqmTbIcons2 icons);
    TqmTbIcons3 sel_DatabaseIcons() const { return m_databaseIcons; }
    void Setsel_DatabaseIcons(TqmTbIcons3 icons);
    TqmTbIcons4 sel_EditIcons() const { return m_editIcons; }
    void Setsel_EditIcons(TqmTbIcons4 icons);

    /// The size list holds " <FontSizeFrom>" to " <FontSizeTo>" (from 1 when FontSizeFrom is 0).
    int FontSizeFrom() const { return m_fontSizeFrom; }
    void SetFontSizeFrom(int size);
    int FontSizeTo() const { return m_fontSizeTo; }
    void SetFontSizeTo(int size);
    /// Printers on this platform print with the desktop's fonts, so both
    /// choices list the same families.
    TFontSelChoice FontChoice() const { return m_fontChoice; }
    void SetFontChoice(TFontSelChoice choice);
    /// Each font name is shown in its own font.
    bool ShowFont() const { return m_showFont; }
    void SetShowFont(bool show);
    /// Pixels between two button groups.
    int WidthBetweenGroups() const { return m_widthBetweenGroups; }
    void SetWidthBetweenGroups(int pixels);

private:
    void rebuild();
    bool isShown(const qm::ToolButton &button) const;
    void fillFontNames(TQmTBCombo &list);
    void fillFontSizes(TQmTBCombo &list);

    TqmTbListboxen m_listBoxes = SelFontName | SelFontSize | SelFontColor | SelParColor;
    TqmTbIcons m_statusIcons = SelBold | SelItalic | SelUnder | SelLeft | SelRight | SelBlock | SelCenter;
    TqmTbIcons2 m_actionIcons = SelPrint | SelPrintSetup;
    TqmTbIcons3 m_databaseIcons;
    TqmTbIcons4 m_editIcons = SelCopy | SelCut | SelPaste | SelFind | SelReplace;
    int m_fontSizeFrom = 8;
    int m_fontSizeTo = 72;
    TFontSelChoice m_fontChoice = fsPrinterFonts;
    bool m_showFont = false;
    int m_widthBetweenGroups = 4;
};
