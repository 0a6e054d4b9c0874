// The preferences file: what the window reads at creation and writes back.

#include "CalendarMain.h"

#include "controls/GIconListBox.h"
#include "dialogs/CalendarProperties.h"
#include "platform/DefaultFontPreference.h"
#include "platform/FileNameCase.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"

#include <QAction>

namespace {

const QString zoomingSection = QStringLiteral("Zooming");
const QString iconsSection = QStringLiteral("Icons");
const QString hintsSection = QStringLiteral("Hints");

/// A zoom beyond these bounds would make the page image gigabytes large.
constexpr int smallestZoom = 10;
constexpr int largestZoom = 500;

int readZoom(const qm::IniFile &ini, const QString &key, int defaultZoom)
{
    return ini.readInteger(zoomingSection, key, defaultZoom, smallestZoom, largestZoom);
}

} // namespace

void TCalendarMain::LoadPreferences()
{
    const qm::IniFile ini(qm::IniFileName());
    m_mainZoom = readZoom(ini, QStringLiteral("Main"), 60);
    m_propertiesZoom = readZoom(ini, QStringLiteral("Prop"), TCalendarProperties::DefaultZoom);

    m_defaultFont = qm::ReadDefaultFont(ini);

    m_iconFileName =
        ini.readString(iconsSection, QStringLiteral("File"), qm::DataFileName(QStringLiteral("MISC1.ICL")));
    if (qm::fileExistsIgnoringCase(m_iconFileName) && m_iconFileName.toUpper() != m_iconListBox->FileName().toUpper())
        m_iconListBox->SetFileName(m_iconFileName);
    // A library without icons gives way to the first miscellaneous set.
    if (m_iconListBox->NumberOfIcons() == 0)
        m_iconListBox->SetFileName(qm::DataFileName(QStringLiteral("Misc1.icl")));
    m_showHints = ini.readBool(hintsSection, QStringLiteral("On"), true);
    m_mnuShowHint->setChecked(m_showHints);
    SetButtons();
}

void TCalendarMain::SavePreferences()
{
    qm::IniFile ini(qm::IniFileName());
    ini.writeInteger(zoomingSection, QStringLiteral("Main"), m_mainZoom);
    ini.writeInteger(zoomingSection, QStringLiteral("Prop"), m_propertiesZoom);

    qm::WriteDefaultFont(ini, m_defaultFont);

    // A library missing at start leaves the strip without a file; the choice
    // stays stored for when the file is back.
    if (!m_iconListBox->FileName().isEmpty())
        m_iconFileName = m_iconListBox->FileName();
    m_showHints = m_mnuShowHint->isChecked();
    ini.writeBool(hintsSection, QStringLiteral("On"), m_showHints);
    ini.writeString(iconsSection, QStringLiteral("File"), m_iconFileName);
}
