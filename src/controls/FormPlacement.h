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
/// stores the placement at once (SaveFormPlacement).
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
