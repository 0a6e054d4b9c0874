#include "controls/KeyboardTable.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace qm;

TEST(KeyboardTable, KeysGoingDown)
{
    constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
    constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;
    struct Row {
        int key;
        Qt::KeyboardModifiers modifiers;
        EditCommand command;
        bool extend;
    };
    const Row rows[] = {
        {Qt::Key_Tab, None, EditCommand::InsertTab, false},
        {Qt::Key_Tab, Qt::AltModifier, EditCommand::None, false},
        {Qt::Key_Backtab, Shift, EditCommand::ShiftTabPressed, false},
        {Qt::Key_Tab, Ctrl, EditCommand::CtrlTabPressed, false},
        {Qt::Key_Return, None, EditCommand::None, false},
        {Qt::Key_Return, Ctrl, EditCommand::PageBreak, false},
        {Qt::Key_Enter, Ctrl, EditCommand::PageBreak, false},
        {Qt::Key_PageDown, None, EditCommand::PageDown, false},
        {Qt::Key_PageUp, Ctrl, EditCommand::ScrollPageUp, false},
        {Qt::Key_Home, Shift, EditCommand::LineStart, true},
        {Qt::Key_End, Ctrl | Shift, EditCommand::DocumentEnd, true},
        {Qt::Key_Left, None, EditCommand::CharLeft, false},
        {Qt::Key_Right, Ctrl, EditCommand::WordRight, false},
        {Qt::Key_Up, Ctrl, EditCommand::LineUp, false},
        {Qt::Key_Down, Shift, EditCommand::LineDown, true},
        {Qt::Key_Insert, None, EditCommand::ToggleInsert, false},
        {Qt::Key_Insert, Shift, EditCommand::Paste, false},
        {Qt::Key_Insert, Ctrl, EditCommand::Copy, false},
        {Qt::Key_Delete, None, EditCommand::DeleteForward, false},
        {Qt::Key_Delete, Shift, EditCommand::Cut, false},
        {Qt::Key_Delete, Ctrl, EditCommand::Cut, false},
        {Qt::Key_A, None, EditCommand::None, false},
    };
    for (const Row &row : rows) {
        const KeyAction action = keyDownAction(row.key, row.modifiers);
        EXPECT_EQ(action.command, row.command) << std::hex << row.key << " " << row.modifiers.toInt();
        EXPECT_EQ(action.extend, row.extend) << std::hex << row.key << " " << row.modifiers.toInt();
    }
}

TEST(KeyboardTable, TypedCharactersAndWhatTheyDo)
{
    struct Row {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        EditCommand command;
    };
    const Row rows[] = {
        {Qt::Key_C, Qt::ControlModifier, "c", EditCommand::Copy},
        {Qt::Key_V, Qt::ControlModifier, "v", EditCommand::Paste},
        {Qt::Key_X, Qt::ControlModifier, "", EditCommand::Cut},
        {Qt::Key_A, Qt::ControlModifier, "a", EditCommand::SelectAll},
        {Qt::Key_Z, Qt::ControlModifier, "z", EditCommand::Undo},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Z", EditCommand::Redo},
        {Qt::Key_Y, Qt::ControlModifier, "y", EditCommand::Redo},
        {Qt::Key_B, Qt::ControlModifier, "b", EditCommand::None},
        {Qt::Key_1, Qt::ControlModifier, "1", EditCommand::None},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", EditCommand::Backspace},
        {Qt::Key_Return, Qt::NoModifier, "\r", EditCommand::Enter},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", EditCommand::RemoveSelection},
        {Qt::Key_Tab, Qt::NoModifier, "\t", EditCommand::None},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", EditCommand::None},
        {Qt::Key_A, Qt::ShiftModifier, "A", EditCommand::InsertText},
        {Qt::Key_Eacute, Qt::NoModifier, "é", EditCommand::InsertText},
        {Qt::Key_unknown, Qt::NoModifier, "ж", EditCommand::InsertText},
        {Qt::Key_X, Qt::AltModifier, "x", EditCommand::None},
    };
    for (const Row &row : rows) {
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.text);
        const QString typed = typedCharacters(event);
        const EditCommand command =
            typed.isEmpty() ? EditCommand::None : typedCommand(typed.front().unicode(), row.modifiers);
        EXPECT_EQ(command, row.command) << row.text.toStdString() << " " << std::hex << row.key;
    }
}
