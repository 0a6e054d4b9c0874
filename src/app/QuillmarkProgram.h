#pragma once

class QApplication;

/// Runs the program once the application object exists and the prompts are
/// installed: a start while another one runs hands its document to that one
/// and ends at once; otherwise, and when the running one does not answer, the
/// main window opens (with the document named on the command line, if any)
/// and the event loop runs until it closes.
/// Returns the program's exit code.
int RunQuillmark(QApplication &application);
