#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace qm::test {

ScriptedPrompts::ScriptedPrompts()
{
    Prompts::install(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    Prompts::install(nullptr);
    EXPECT_TRUE(m_answers.isEmpty()) << m_answers.size() << " scripted answers were never asked for";
    EXPECT_TRUE(m_printerDialogs.isEmpty()) << m_printerDialogs.size() << " printer dialogs were never opened";
}

QString ScriptedPrompts::takeAnswer(const QString &what)
{
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "unexpected " << qPrintable(what);
        return QString();
    }
    return m_answers.dequeue();
}

void ScriptedPrompts::answerFont(std::function<void(FontDescription &)> change)
{
    m_fontChanges.enqueue(std::move(change));
}

void ScriptedPrompts::answerPrinterDialog(bool confirm, std::function<void(QPrinter &)> look)
{
    m_printerDialogs.enqueue({confirm, std::move(look)});
}

void ScriptedPrompts::answerColor(TColor color)
{
    m_colors.enqueue(color);
}

QStringList ScriptedPrompts::messages() const
{
    QStringList texts;
    for (const Asked &entry : m_asked) {
        if (entry.kind == u"information" || entry.kind == u"error")
            texts << entry.text;
    }
    return texts;
}

bool ScriptedPrompts::AskYesNo(const QString &text, const QString &caption)
{
    m_asked.append({QStringLiteral("question"), text, caption, {}});
    return takeAnswer(QStringLiteral("question: ") + text) == u"yes";
}

Prompts::Answer ScriptedPrompts::AskYesNoCancel(const QString &text, const QString &caption)
{
    m_asked.append({QStringLiteral("question"), text, caption, {}});
    const QString answer = takeAnswer(QStringLiteral("question: ") + text);
    return answer == u"yes" ? Answer::Yes : answer == u"no" ? Answer::No : Answer::Cancel;
}

void ScriptedPrompts::ShowInformation(const QString &text)
{
    m_asked.append({QStringLiteral("information"), text, QStringLiteral("Information"), {}});
}

void ScriptedPrompts::showError(const QString &text)
{
    m_asked.append({QStringLiteral("error"), text, QString(), {}});
}

QString ScriptedPrompts::getOpenFileName(const FileDialogRequest &request)
{
    m_asked.append({QStringLiteral("open"), request.title, QString(), request});
    return takeAnswer(QStringLiteral("open dialog: ") + request.title);
}

QStringList ScriptedPrompts::getOpenFileNames(const FileDialogRequest &request)
{
    m_asked.append({QStringLiteral("open"), request.title, QString(), request});
    const QString answer = takeAnswer(QStringLiteral("open dialog: ") + request.title);
    return answer.isEmpty() ? QStringList() : answer.split(u'\n');
}

QString ScriptedPrompts::getSaveFileName(const FileDialogRequest &request)
{
    m_asked.append({QStringLiteral("save"), request.title, QString(), request});
    return takeAnswer(QStringLiteral("save dialog: ") + request.title);
}

bool ScriptedPrompts::chooseFont(FontDescription &font)
{
    m_asked.append({QStringLiteral("font"), font.name, QString(), {}, font, {}});
    if (m_fontChanges.isEmpty())
        return false;
    m_fontChanges.dequeue()(font);
    return true;
}

std::optional<TColor> ScriptedPrompts::chooseColor(ColorRequest &request)
{
    m_asked.append({QStringLiteral("color"), QString::number(request.color), QString(), {}, {}, request});
    if (m_customColors) {
        request.customColors = *m_customColors;
        m_customColors.reset();
    }
    if (m_colors.isEmpty())
        return std::nullopt;
    return m_colors.dequeue();
}

bool ScriptedPrompts::takePrinterDialogAnswer(const QString &kind, QPrinter &printer)
{
    m_asked.append({kind, QString(), QString(), {}});
    if (m_printerDialogs.isEmpty()) {
        ADD_FAILURE() << "unexpected " << qPrintable(kind) << " dialog";
        return false;
    }
    const PrinterDialogAnswer answer = m_printerDialogs.dequeue();
    if (answer.look)
        answer.look(printer);
    return answer.confirm;
}

bool ScriptedPrompts::runPrintDialog(QPrinter &printer)
{
    return takePrinterDialogAnswer(QStringLiteral("print"), printer);
}

bool ScriptedPrompts::runPrinterSetupDialog(QPrinter &printer)
{
    return takePrinterDialogAnswer(QStringLiteral("printer setup"), printer);
}

void ScriptedPrompts::showPrintPreview(QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    m_asked.append({QStringLiteral("preview"), QString(), QString(), {}});
    paint(printer);
}

} // namespace qm::test
