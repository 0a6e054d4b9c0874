#include "Prompts.h"

#include <cstdio>

namespace qm {
namespace {

/// Used where no window can ask (the batch tool): nothing is chosen.
class NoPrompts final : public Prompts
{
public:
    bool AskYesNo(const QString &, const QString &) override { return false; }
    Answer AskYesNoCancel(const QString &, const QString &) override { return Answer::Cancel; }
    void ShowInformation(const QString &text) override { report(text); }
    void showError(const QString &text) override { report(text); }
    QString getOpenFileName(const FileDialogRequest &) override { return {}; }
    QStringList getOpenFileNames(const FileDialogRequest &) override { return {}; }
    QString getSaveFileName(const FileDialogRequest &) override { return {}; }
    bool chooseFont(FontDescription &) override { return false; }
    std::optional<TColor> chooseColor(ColorRequest &) override { return std::nullopt; }
    bool runPrintDialog(QPrinter &) override { return false; }
    bool runPrinterSetupDialog(QPrinter &) override { return false; }
    void showPrintPreview(QPrinter &, const std::function<void(QPrinter &)> &) override {}

private:
    static void report(const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }
};

Prompts *&installed()
{
    static Prompts *prompts = nullptr;
    return prompts;
}

} // namespace

Prompts &Prompts::instance()
{
    static NoPrompts fallback;
    return installed() ? *installed() : fallback;
}

void Prompts::install(Prompts *prompts)
{
    installed() = prompts;
}

} // namespace qm
