#pragma once

#include "platform/Prompts.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <functional>

namespace qm::test {

/// Prompts whose answers a test queues in advance and whose messages it
/// reads afterwards. Installed for its lifetime. A question or file dialog with
/// no queued answer fails the test; a font or colour dialog with none is cancelled.
class ScriptedPrompts final : public Prompts
{
public:
    struct Asked {
        QString kind; // "question", "information", "error", "open", "save", "font", "color", "print",
                      // "printer setup", "preview"
        QString text; // message text, or the dialog's title
        QString caption;
        FileDialogRequest fileRequest;
        FontDescription font;      // what a font dialog was opened with
        ColorRequest colorRequest; // what a colour dialog was opened with
    };

    ScriptedPrompts();
    ~ScriptedPrompts() override;

    void answerYes() { m_answers.enqueue(QStringLiteral("yes")); }
    void answerNo() { m_answers.enqueue(QStringLiteral("no")); }
    /// A file dialog returns `path`; an empty path cancels it.
    void answerFile(const QString &path) { m_answers.enqueue(path); }
    /// A dialog for several files returns `paths`; none cancels it.
    void answerFiles(const QStringList &paths) { m_answers.enqueue(paths.join(u'\n')); }
    void answerCancel() { m_answers.enqueue(QString()); }
    /// The next font dialog applies `change` and is confirmed.
    void answerFont(std::function<void(FontDescription &)> change);
    /// The next colour dialog confirms `color`.
    void answerColor(TColor color);
    /// The next print or printer set-up dialog is confirmed (`confirm`) or
    /// cancelled; `look` sees the printer the dialog was opened on.
    void answerPrinterDialog(bool confirm, std::function<void(QPrinter &)> look = {});
    /// The next colour dialog, confirmed or cancelled, leaves these custom colours.
    void changeCustomColors(const QStringList &colors) { m_customColors = colors; }
    const QList<Asked> &asked() const { return m_asked; }
    QStringList messages() const; // the texts of information and error boxes, in order
    int pendingAnswers() const { return int(m_answers.size()); }

    bool AskYesNo(const QString &text, const QString &caption) override;
    /// answerYes, answerNo, or answerCancel for Cancel.
    Answer AskYesNoCancel(const QString &text, const QString &caption) override;
    void ShowInformation(const QString &text) override;
    void showError(const QString &text) override;
    QString getOpenFileName(const FileDialogRequest &request) override;
    QStringList getOpenFileNames(const FileDialogRequest &request) override;
    QString getSaveFileName(const FileDialogRequest &request) override;
    bool chooseFont(FontDescription &font) override;
    std::optional<TColor> chooseColor(ColorRequest &request) override;
    bool runPrintDialog(QPrinter &printer) override;
    bool runPrinterSetupDialog(QPrinter &printer) override;
    /// Paints the preview once, as a preview window does when it opens.
    void showPrintPreview(QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;

private:
    QString takeAnswer(const QString &what);
    bool takePrinterDialogAnswer(const QString &kind, QPrinter &printer);

    struct PrinterDialogAnswer {
        bool confirm;
        std::function<void(QPrinter &)> look;
    };

    QQueue<QString> m_answers;
    QQueue<std::function<void(FontDescription &)>> m_fontChanges;
    QQueue<TColor> m_colors;
    QQueue<PrinterDialogAnswer> m_printerDialogs;
    std::optional<QStringList> m_customColors;
    QList<Asked> m_asked;
};

} // namespace qm::test
