// The dialog's buttons: OK with its layout warning, Default Style, and the
// style sheets.

#include "CalendarProperties.h"

#include "calendar/CalendarModel.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/QmError.h"

#include <QBuffer>
#include <QFileInfo>

namespace {

const QString styleSheetFilter = QStringLiteral("Calendar Style Sheet (*.QMS)");
const QString styleSheetSuffix = QStringLiteral("QMS");

/// Whether the name ends in ".QMS" in any letter case.
bool hasStyleSheetExtension(const QString &path)
{
    return QFileInfo(path).suffix().compare(styleSheetSuffix, Qt::CaseInsensitive) == 0;
}

} // namespace

void TCalendarProperties::OkButtonClick()
{
    if (m_warnLayoutChange && preview().LayoutGroup() != m_oldLayoutGroup &&
        !qm::Prompts::instance().AskYesNo(QStringLiteral("Warning: changing to this type of layout\rwill erase all "
                                                         "text and icons from the current\rcalendar. Proceed?"),
                                          QStringLiteral("WARNING")))
        return;
    accept();
}

void TCalendarProperties::DefaultbuttonClick()
{
    m_updating = true;
    preview().SetDefaults();
    DetermineSettings();
    m_updating = false;
    LayoutListClick();
}

void TCalendarProperties::SaveAsStyleSheetButtonClick()
{
    qm::FileDialogRequest request;
    request.title = QStringLiteral("Save As Calendar Style Sheet");
    request.initialFolder = qm::DialogFolder();
    request.fileName = QStringLiteral("MyStyle.QMS");
    request.filter = styleSheetFilter;
    request.defaultSuffix = styleSheetSuffix;
    request.confirmOverwrite = true;
    const QString path = qm::Prompts::instance().getSaveFileName(request);
    if (path.isEmpty())
        return;
    if (!hasStyleSheetExtension(path)) {
        qm::Prompts::instance().ShowInformation(QStringLiteral("Must save as a Calendar Style Sheet (*.QMS)"));
        return;
    }
    try {
        preview().SaveStyleSheetToFile(path);
    } catch (const QmError &error) {
        qm::Prompts::instance().showError(error.message());
    }
}

void TCalendarProperties::LoadStyleSheetButtonClick()
{
    qm::FileDialogRequest request;
    request.title = QStringLiteral("Open Calendar Style Sheet");
    request.initialFolder = qm::DialogFolder();
    request.filter = styleSheetFilter;
    request.defaultSuffix = styleSheetSuffix;
    const QString path = qm::Prompts::instance().getOpenFileName(request);
    if (path.isEmpty())
        return;
    if (!hasStyleSheetExtension(path)) {
        qm::Prompts::instance().ShowInformation(QStringLiteral("Must be a Calendar Style Sheet (*.QMS)"));
        return;
    }
    m_updating = true;
    const QByteArray before = preview().StyleSheetBytes();
    try {
        preview().LoadStyleSheetFromFile(path);
    } catch (const std::exception &) {
        // A sheet that breaks off part-way has already set what came before
        // the break: the preview goes back to its own look whole, not a mix.
        QBuffer saved;
        saved.setData(before);
        saved.open(QIODevice::ReadOnly);
        preview().LoadStyleSheetFromStream(saved);
        qm::Prompts::instance().ShowInformation(
            QStringLiteral("Unable to open ") + path +
            QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar Style file"));
    }
    DetermineSettings();
    m_updating = false;
    LayoutListClick();
}
