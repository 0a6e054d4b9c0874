#include "DesktopPrompts.h"

#include "FontColorDialog.h"
#include "controls/Hint.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace {

constexpr int customColorCount = 16;

QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

int showMessage(QMessageBox::Icon icon, const QString &caption, const QString &text,
                QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, qm::withLineFeeds(text), buttons, dialogParent());
    return box.exec();
}

/// The extension of the first pattern of the filter among `filters` that the
/// dialog shows as `shown` (its name without the patterns): "PNG" for
/// "PNG File", from "PNG File (*.PNG *.png)".
QString suffixOfShownFilter(const QStringList &filters, const QString &shown)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    for (const QString &filter : filters) {
        if (filter.left(filter.indexOf(u'(')).trimmed() == shown)
            return pattern.match(filter).captured(1);
    }
    return {};
}

/// The files chosen; none when the dialog was cancelled.
QStringList runFileDialog(const qm::FileDialogRequest &request, QFileDialog::FileMode fileMode)
{
    const QFileDialog::AcceptMode mode =
        fileMode == QFileDialog::AnyFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen;
    QFileDialog dialog(dialogParent(), request.title, request.initialFolder,
                       DesktopPrompts::caseInsensitiveFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileMode);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Where several file types are offered, a name typed without one gets
    // the type of the filter the user chose.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &shown) {
        const QString suffix = suffixOfShownFilter(dialog.nameFilters(), shown);
        if (!dialog.defaultSuffix().isEmpty() && !suffix.isEmpty())
            dialog.setDefaultSuffix(suffix);
    });
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    QString chosenFolder;
    if (request.acceptFolders) {
        // An open dialog takes files only; the folder shown is taken with a button.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto *folderButton = new QPushButton(QStringLiteral("Use This &Folder"), &dialog);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
            grid->addWidget(folderButton, grid->rowCount(), 0, 1, grid->columnCount());
        QObject::connect(folderButton, &QPushButton::clicked, &dialog, [&dialog, &chosenFolder] {
            chosenFolder = dialog.directory().absolutePath();
            static_cast<QDialog &>(dialog).done(QDialog::Accepted);
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (!chosenFolder.isEmpty())
        return {chosenFolder};
    return dialog.selectedFiles();
}

} // namespace

QString DesktopPrompts::caseInsensitiveFilter(const QString &filter)
{
    static const QRegularExpression patternList(QStringLiteral("\\(([^)]*)\\)"));
    QString result;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator matches = patternList.globalMatch(filter);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QStringList patterns = match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &pattern : QStringList(patterns)) {
            for (const QString &variant : {pattern.toUpper(), pattern.toLower()}) {
                if (!patterns.contains(variant))
                    patterns << variant;
            }
        }
        result += filter.mid(copied, match.capturedStart(1) - copied) + patterns.join(QLatin1Char(' '));
        copied = match.capturedEnd(1);
    }
    return result + filter.mid(copied);
}

QList<QColor> DesktopPrompts::customColorSlots(const QStringList &entries)
{
    QList<QColor> colors(customColorCount, QColor(Qt::white));
    static const QRegularExpression entry(QStringLiteral("^Color([A-P])=([0-9A-Fa-f]{6})$"));
    for (const QString &text : entries) {
        const QRegularExpressionMatch match = entry.match(text.trimmed());
        if (match.hasMatch())
            colors[match.captured(1).at(0).unicode() - 'A'] = QColor(QLatin1Char('#') + match.captured(2));
    }
    return colors;
}

QStringList DesktopPrompts::customColorEntries(const QList<QColor> &colors)
{
    QStringList entries;
    for (int i = 0; i < colors.size() && i < customColorCount; ++i)
        entries << QStringLiteral("Color%1=%2").arg(QChar('A' + i), colors[i].name().mid(1).toUpper());
    return entries;
}

bool DesktopPrompts::AskYesNo(const QString &text, const QString &caption)
{
    return showMessage(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

qm::Prompts::Answer DesktopPrompts::AskYesNoCancel(const QString &text, const QString &caption)
{
    switch (
        showMessage(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void DesktopPrompts::ShowInformation(const QString &text)
{
    showMessage(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

void DesktopPrompts::showError(const QString &text)
{
    showMessage(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

QString DesktopPrompts::getOpenFileName(const qm::FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::ExistingFile).value(0);
}

QStringList DesktopPrompts::getOpenFileNames(const qm::FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::ExistingFiles);
}

QString DesktopPrompts::getSaveFileName(const qm::FileDialogRequest &request)
{
    return runFileDialog(request, QFileDialog::AnyFile).value(0);
}

bool DesktopPrompts::chooseFont(qm::FontDescription &font)
{
    FontColorDialog dialog(dialogParent());
    dialog.setFontDescription(font);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.fontDescription();
    return true;
}

std::optional<TColor> DesktopPrompts::chooseColor(qm::ColorRequest &request)
{
    // Qt keeps one set of custom colours for the whole program; each caller
    // brings its own, so they are loaded before and taken back after each run.
    const QList<QColor> given = customColorSlots(request.customColors);
    for (int i = 0; i < customColorCount; ++i)
        QColorDialog::setCustomColor(i, given[i]);

    QColorDialog dialog(qm::toQColor(request.color), dialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool confirmed = dialog.exec() == QDialog::Accepted;

    QList<QColor> kept;
    for (int i = 0; i < customColorCount; ++i)
        kept << QColorDialog::customColor(i);
    request.customColors = customColorEntries(kept);
    if (!confirmed)
        return std::nullopt;
    return qm::fromQColor(dialog.selectedColor());
}

bool DesktopPrompts::runPrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool DesktopPrompts::runPrinterSetupDialog(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void DesktopPrompts::showPrintPreview(QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, dialogParent());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *target) { paint(*target); });
    dialog.exec();
}
