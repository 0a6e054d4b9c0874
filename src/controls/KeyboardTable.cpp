#include "controls/KeyboardTable.h"

#include <QKeyEvent>

namespace qm {

namespace {

constexpr char16_t CtrlA = 1;
constexpr char16_t CtrlC = 3;
constexpr char16_t CtrlV = 22;
constexpr char16_t CtrlX = 24;
constexpr char16_t CtrlY = 25;
constexpr char16_t CtrlZ = 26;
constexpr char16_t Backspace = 8;
constexpr char16_t Tab = 9;
constexpr char16_t CarriageReturn = 13;
constexpr char16_t Escape = 27;
constexpr char16_t DeleteCode = 127;

/// A movement: plain, or with Ctrl; Shift extends the selection.
KeyAction movement(Qt::KeyboardModifiers modifiers, EditCommand plain, EditCommand withCtrl)
{
    return {modifiers & Qt::ControlModifier ? withCtrl : plain, bool(modifiers & Qt::ShiftModifier)};
}

} // namespace

KeyAction keyDownAction(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Tab:
        if (ctrl)
            return {EditCommand::CtrlTabPressed};
        return {modifiers == Qt::NoModifier ? EditCommand::InsertTab : EditCommand::None};
    case Qt::Key_Backtab:
        return {ctrl ? EditCommand::CtrlTabPressed : EditCommand::ShiftTabPressed};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {ctrl ? EditCommand::PageBreak : EditCommand::None};
    case Qt::Key_PageUp:
        return movement(modifiers, EditCommand::PageUp, EditCommand::ScrollPageUp);
    case Qt::Key_PageDown:
        return movement(modifiers, EditCommand::PageDown, EditCommand::ScrollPageDown);
    case Qt::Key_Home:
        return movement(modifiers, EditCommand::LineStart, EditCommand::DocumentStart);
    case Qt::Key_End:
        return movement(modifiers, EditCommand::LineEnd, EditCommand::DocumentEnd);
    case Qt::Key_Left:
        return movement(modifiers, EditCommand::CharLeft, EditCommand::WordLeft);
    case Qt::Key_Right:
        return movement(modifiers, EditCommand::CharRight, EditCommand::WordRight);
    case Qt::Key_Up:
        return movement(modifiers, EditCommand::LineUp, EditCommand::LineUp);
    case Qt::Key_Down:
        return movement(modifiers, EditCommand::LineDown, EditCommand::LineDown);
    case Qt::Key_Insert:
        if (ctrl)
            return {EditCommand::Copy};
        return {shift ? EditCommand::Paste : EditCommand::ToggleInsert};
    case Qt::Key_Delete:
        return {ctrl || shift ? EditCommand::Cut : EditCommand::DeleteForward};
    default:
        return {};
    }
}

QString typedCharacters(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(char16_t(key - Qt::Key_A + 1)));
    switch (key) {
    case Qt::Key_Backspace:
        return QString(QChar(Backspace));
    case Qt::Key_Tab:
        return QString(QChar(Tab));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(CarriageReturn));
    case Qt::Key_Escape:
        return QString(QChar(Escape));
    default:
        // Shortcuts type nothing, as in Qt's own editors.
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return {};
        return event.text();
    }
}

EditCommand typedCommand(char16_t code, Qt::KeyboardModifiers modifiers)
{
    switch (code) {
    case CtrlA:
        return EditCommand::SelectAll;
    case CtrlC:
        return EditCommand::Copy;
    case CtrlV:
        return EditCommand::Paste;
    case CtrlX:
        return EditCommand::Cut;
    case CtrlY:
        return EditCommand::Redo;
    case CtrlZ:
        return modifiers & Qt::ShiftModifier ? EditCommand::Redo : EditCommand::Undo;
    case Backspace:
        return EditCommand::Backspace;
    case CarriageReturn:
        return EditCommand::Enter;
    case Escape:
        return EditCommand::RemoveSelection;
    default:
        return code < 32 || code == DeleteCode ? EditCommand::None : EditCommand::InsertText;
    }
}

} // namespace qm
