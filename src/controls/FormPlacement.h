#pragma once

class QWidget;

// Where a window appears: stored in the preferences file per window class, in
// the section "<class name>_Placement" (with the screen's pixels per inch
// appended above 96, so that each resolution keeps a placement of its own).
// The stored rectangle is the window's client area in its normal state: the
// frame is not known yet when a window is placed at its first activation.

namespace qm {

/// Places `form` as it was stored, made to fit the available screen (no
/// larger than it, and whole on it), maximised when it was; centred
/// (CenterForm) when nothing is stored or the stored rectangle is empty. Then
/// stores the placement at once (SaveFormPlacement). As soon as the window
/// manager has framed the shown window (within a few seconds), a normal
/// window is moved and if need be shrunk once more so that its frame fits the
/// screen too, title bar included; that is stored when the window closes.
/// Throws QmError "Unable to write to <path>" when the file cannot be written.
void RestoreFormPlacement(QWidget *form);

/// Stores the normal rectangle of `form` (also while it is maximised or
/// minimised) and whether it is maximised.
/// Throws QmError "Unable to write to <path>" when the file cannot be written.
void SaveFormPlacement(QWidget *form);

/// Centres the main window (class TCalendarMain) on the screen; any other
/// window on the main window, or on the screen while the main window is
/// maximised or absent. Either way the window is kept on the screen.
void CenterForm(QWidget *form);

} // namespace qm
