#pragma once

#include "platform/Prompts.h"

/// The program's questions and dialogs on the desktop: message boxes for
/// questions and messages, Qt's file, colour and printing dialogs, and the
/// program's font dialog with its colour choice. Each dialog is modal to the window the
/// user is working in. The program installs one at start-up.
class DesktopPrompts final : public qm::Prompts
{
public:
    bool AskYesNo(const QString &text, const QString &caption) override;
    Answer AskYesNoCancel(const QString &text, const QString &caption) override;
    void ShowInformation(const QString &text) override;
    void showError(const QString &text) override;
    QString getOpenFileName(const qm::FileDialogRequest &request) override;
    QStringList getOpenFileNames(const qm::FileDialogRequest &request) override;
    QString getSaveFileName(const qm::FileDialogRequest &request) override;
    bool chooseFont(qm::FontDescription &font) override;
    std::optional<TColor> chooseColor(qm::ColorRequest &request) override;
    bool runPrintDialog(QPrinter &printer) override;
    bool runPrinterSetupDialog(QPrinter &printer) override;
    void showPrintPreview(QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;

    /// A Qt filter whose patterns match either case, as the program's own
    /// extension checks do ("Calendar File (*.QMF)" also lists "*.qmf").
    static QString caseInsensitiveFilter(const QString &filter);
    /// Custom colours as "ColorA=RRGGBB" .. "ColorP=RRGGBB" to and from the 16 slots of the colour dialog.
    static QList<QColor> customColorSlots(const QStringList &entries);
    static QStringList customColorEntries(const QList<QColor> &colors);
};
