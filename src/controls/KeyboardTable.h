#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

// What the keys do in the rich-text editing control: first the table of keys
// going down (movement, Tab, Ctrl+Enter, Insert, Delete), then the characters
// that keys type, as codes 1 to 26 for Ctrl with a letter, 8 Backspace,
// 13 Enter and 27 Escape.

namespace qm {

enum class EditCommand {
    None,
    // Keys going down.
    InsertTab,
    ShiftTabPressed,
    CtrlTabPressed,
    PageBreak,
    PageUp,
    PageDown,
    ScrollPageUp,
    ScrollPageDown,
    LineStart,
    LineEnd,
    DocumentStart,
    DocumentEnd,
    CharLeft,
    CharRight,
    WordLeft,
    WordRight,
    LineUp,
    LineDown,
    ToggleInsert,
    Paste,
    Copy,
    Cut,
    DeleteForward,
    // Typed characters.
    Backspace,
    Enter,
    RemoveSelection,
    SelectAll,
    Undo,
    Redo,
    InsertText,
};

/// What a key going down does; `extend` is set for a movement that extends
/// the selection (Shift held). `EditCommand::None` leaves the key to the
/// characters it types.
struct KeyAction {
    EditCommand command = EditCommand::None;
    bool extend = false;
};

KeyAction keyDownAction(int key, Qt::KeyboardModifiers modifiers);

/// The characters a key event types, control keys as their codes: Ctrl with
/// a letter 1 to 26, Backspace 8, Tab 9, Enter 13, Escape 27.
QString typedCharacters(const QKeyEvent &event);

/// What typing `code` does: copy (3), paste (22), cut (24), select all (1),
/// undo (26; with Shift redo), redo (25), Backspace (8), Enter (13), remove
/// the selection (27), or insert it. Other control characters, and 9 and 10,
/// do nothing: nobody wants them as text in a cell.
EditCommand typedCommand(char16_t code, Qt::KeyboardModifiers modifiers);

} // namespace qm
