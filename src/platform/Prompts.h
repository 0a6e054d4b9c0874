#pragma once

#include "Color.h"
#include "FontDescription.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;

namespace qm {

/// What a file dialog is opened with. Filters use Qt's form,
/// "Calendar File (*.QMF)".
struct FileDialogRequest {
    QString title;
    QString initialFolder;
    QString fileName;
    QString filter;
    QString defaultSuffix;
    bool confirmOverwrite = false;
    /// An open dialog that may also return a folder, chosen with a button of its own.
    bool acceptFolders = false;
};

/// What the colour dialog is opened with and what it may change.
struct ColorRequest {
    TColor color = clWhite;
    bool preventFullOpen = false;
    bool fullOpen = false;
    QStringList customColors; // "ColorA=RRGGBB" entries, kept between runs
};

/// Every question the program asks the user goes through this interface, so
/// that the program can run with the desktop's dialogs and tests can script
/// the answers and read the messages.
class Prompts
{
public:
    virtual ~Prompts() = default;

    /// A question box with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString &text, const QString &caption) = 0;
    enum class Answer { Yes, No, Cancel };
    /// A question box with Yes, No and Cancel, for a question whose No throws
    /// work away: closing the box or pressing Escape answers Cancel.
    virtual Answer AskYesNoCancel(const QString &text, const QString &caption) = 0;
    /// An information box with the caption "Information" and an OK button.
    virtual void ShowInformation(const QString &text) = 0;
    /// The report of a failure no command handled.
    virtual void showError(const QString &text) = 0;

    /// The chosen path, or an empty string when the dialog was cancelled.
    virtual QString getOpenFileName(const FileDialogRequest &request) = 0;
    /// Several existing files chosen at once; empty when cancelled.
    virtual QStringList getOpenFileNames(const FileDialogRequest &request) = 0;
    virtual QString getSaveFileName(const FileDialogRequest &request) = 0;

    /// Lets the user change `font`; false when cancelled (font unchanged).
    virtual bool chooseFont(FontDescription &font) = 0;
    /// Lets the user pick a colour; nothing when cancelled. Custom colours may
    /// be changed by the dialog in either case.
    virtual std::optional<TColor> chooseColor(ColorRequest &request) = 0;

    /// The print dialog on `printer`; false when cancelled. What the user
    /// chose in it stays on the printer.
    virtual bool runPrintDialog(QPrinter &printer) = 0;
    /// The printer set-up dialog on `printer`; false when cancelled.
    virtual bool runPrinterSetupDialog(QPrinter &printer) = 0;
    /// Shows the pages that `paint` draws on `printer`, from where the user
    /// may print them through `paint` again.
    virtual void showPrintPreview(QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;

    /// The prompts in use. Before any are installed, questions are answered
    /// No, dialogs are cancelled and messages go to the standard error.
    static Prompts &instance();
    /// Installs `prompts` (not owned); nullptr goes back to the default.
    static void install(Prompts *prompts);
};

} // namespace qm
