#include "controls/ToolButtons.h"

#include "richtext/Attr.h"
#include "richtext/ParagraphFormat.h"

#include <algorithm>
#include <array>

namespace qm {
namespace {

using Set = ToolButtonSet;

constexpr std::array<ToolButton, 38> buttons{{
    {bgCharacterStyle, 1, "QMI_NORMAL", "Normal", Set::Status, SelNormal},
    {bgCharacterStyle, 2, "QMI_BOLD", "Bold", Set::Status, SelBold},
    {bgCharacterStyle, 3, "QMI_ITALIC", "Italic", Set::Status, SelItalic},
    {bgCharacterStyle, 4, "QMI_UNDER", "Under", Set::Status, SelUnder},
    {bgCharacterStyle, 7, "QMI_SUPER", "Super", Set::Status, SelSuper},
    {bgCharacterStyle, 8, "QMI_SUB", "Sub", Set::Status, SelSub},
    {bgCharacterStyle, 6, "QMI_STRIKEOUT", "StrikeOut", Set::Status, SelStrikeOut},
    {bgCharacterStyle, 5, "QMI_HYPERLINK", "Hyperlink", Set::Status, SelHyperLink},
    {bgCharacterStyle, 9, "QMI_HIDDEN", "Hidden", Set::Status, SelHidden},
    {bgCharacterStyle, 19, "QMI_RTFCODE", "RTFCode", Set::Status, SelRTFCode},
    {bgAlignment, 1, "QMI_LEFT", "Left", Set::Status, SelLeft},
    {bgAlignment, 4, "QMI_CENTER", "Center", Set::Status, SelCenter},
    {bgAlignment, 3, "QMI_JUSTIFIED", "Justified", Set::Status, SelBlock},
    {bgAlignment, 2, "QMI_RIGHT", "Right", Set::Status, SelRight},
    {bgFile, 2, "QMI_New", "New", Set::Action, SelNew},
    {bgFile, 3, "QMI_OPEN", "Open", Set::Action, SelOpen},
    {bgFile, 4, "QMI_SAVE", "Save", Set::Action, SelSave},
    {bgFile, 5, "QMI_CLOSE", "Close", Set::Action, SelClose},
    {bgFile, 1, "QMI_EXIT", "Exit", Set::Action, SelExit},
    {bgPrinting, 1, "QMI_PRINT", "Print", Set::Action, SelPrint},
    {bgPrinting, 2, "QMI_PRINTSETUP", "PrintSetup", Set::Action, SelPrintSetup},
    {bgRecordNavigation, 7, "QMI_TOSTART", "ToStart", Set::Database, SelToStart},
    {bgRecordNavigation, 2, "QMI_PREV", "Prev", Set::Database, SelPrev},
    {bgRecordNavigation, 1, "QMI_NEXT", "Next", Set::Database, SelNext},
    {bgRecordNavigation, 8, "QMI_TOEND", "ToEnd", Set::Database, SelToEnd},
    {bgRecordNavigation, 3, "QMI_ADD", "Add", Set::Database, SelAdd},
    {bgRecordNavigation, 4, "QMI_DEL", "Del", Set::Database, SelDel},
    {bgRecordNavigation, 5, "QMI_EDIT", "Edit", Set::Database, SelEdit},
    {bgRecordNavigation, 6, "QMI_CANCEL", "Cancel", Set::Database, SelCancel},
    {bgRecordNavigation, 9, "QMI_POST", "Post", Set::Database, SelPost},
    {bgEditing, 4, "QMI_SelAll", "SelAll", Set::Edit, SelSelAll},
    {bgEditing, 5, "QMI_HideSel", "HideSel", Set::Edit, SelHideSel},
    {bgEditing, 2, "QMI_CUT", "Cut", Set::Edit, SelCut},
    {bgEditing, 1, "QMI_COPY", "Copy", Set::Edit, SelCopy},
    {bgEditing, 3, "QMI_PASTE", "Paste", Set::Edit, SelPaste},
    {bgEditing, 6, "QMI_FIND", "Find", Set::Edit, SelFind},
    {bgEditing, 7, "QMI_REPLACE", "Replace", Set::Edit, SelReplace},
    {bgEditing, 8, "QMI_SPELL", "Spell", Set::Edit, SelSpellCheck},
}};

constexpr std::array<QStringView, 38> hintNames{
    u"Normal", u"Bold",    u"Italic",  u"Under",   u"Hyperlink",  u"StrikeOut", u"Sub",  u"Super",
    u"Hidden", u"RTFCode", u"Left",    u"Right",   u"Justified",  u"Center",    u"Copy", u"Cut",
    u"Paste",  u"SelAll",  u"HideSel", u"Find",    u"Replace",    u"Spell",     u"Exit", u"New",
    u"Open",   u"Save",    u"Close",   u"Print",   u"PrintSetup", u"Next",      u"Prev", u"Add",
    u"Del",    u"Edit",    u"Cancel",  u"ToStart", u"ToEnd",      u"Post"};

} // namespace

std::span<const ToolButton> toolButtons()
{
    return buttons;
}

const ToolButton *findToolButton(int group, int number)
{
    for (const ToolButton &button : buttons) {
        if (button.group == group && button.number == number)
            return &button;
    }
    return nullptr;
}

quint32 styleFlagOf(int number)
{
    struct StyleButton {
        int number;
        quint32 flag;
    };
    static constexpr StyleButton styleButtons[] = {
        {2, TAttr::Bold},      {3, TAttr::Italic},    {4, TAttr::Underline},
        {5, TAttr::Hyperlink}, {6, TAttr::StrikeOut}, {7, TAttr::Superscript},
        {8, TAttr::Subscript}, {9, TAttr::Hidden},    {19, TAttr::RtfCode},
    };
    for (const StyleButton &button : styleButtons) {
        if (button.number == number)
            return button.flag;
    }
    return 0;
}

// Buttons 1 to 4 of the alignment group: left, right, justified, centre.
constexpr std::array<quint8, 4> alignmentButtons{TParagraphFormat::AlignLeft, TParagraphFormat::AlignRight,
                                                 TParagraphFormat::AlignJustify, TParagraphFormat::AlignCenter};

int alignmentButtonOf(quint8 alignment)
{
    const auto found = std::find(alignmentButtons.begin(), alignmentButtons.end(), alignment);
    return found == alignmentButtons.end() ? 1 : int(found - alignmentButtons.begin()) + 1;
}

std::optional<quint8> alignmentOfButton(int number)
{
    if (number < 1 || number > int(alignmentButtons.size()))
        return std::nullopt;
    return alignmentButtons[size_t(number - 1)];
}

std::span<const QStringView> defaultHintNames()
{
    return hintNames;
}

} // namespace qm
