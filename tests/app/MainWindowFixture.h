#pragma once

#include "app/CalendarMain.h"

#include "calendar/CalendarModel.h"
#include "controls/CalendarPanel.h"
#include "platform/Environment.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "support/FakePrinters.h"
#include "support/QtPrinting.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace qm::test {

/// A main window in a program folder of its own, with scripted prompts and
/// printers that the test controls.
class MainWindowFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        Environment::pinProgramFolder(folder() + u'/');
        m_printers.outputFolder = folder();
        Printers::install(&m_printers);
    }

    void TearDown() override
    {
        m_window.reset();
        Printers::install(nullptr);
        Environment::pinProgramFolder(std::nullopt);
    }

    QString folder() const { return m_folder.path(); }
    QString path(const QString &name) const { return m_folder.filePath(name); }
    IniFile ini() const { return IniFile(IniFileName()); }

    void writeRecentFiles(const QStringList &files)
    {
        IniFile preferences = ini();
        for (qsizetype k = 0; k < files.size(); ++k)
            preferences.writeString(QStringLiteral("MRU"), QStringLiteral("F%1").arg(k), files[k]);
    }

    /// Creates the window, shows it and runs its first activation.
    TCalendarMain &start(const QString &startFile = QString())
    {
        m_window = std::make_unique<TCalendarMain>();
        m_window->SetStartFile(startFile);
        m_window->show();
        m_window->FormActivate();
        return *m_window;
    }

    CalendarModel &calendar() const { return m_window->CalendarPanel()->calendar(); }
    bool calendarShown() const { return !m_window->CalendarPanel()->isHidden(); }

    /// Runs Open with the dialog answering `fileName`.
    void openThroughDialog(const QString &fileName)
    {
        m_prompts.answerFile(fileName);
        m_window->Open1Click();
    }

    static QStringList captions(const QMenu *menu)
    {
        QStringList result;
        for (const QAction *action : menu->actions())
            result << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return result;
    }

    QTemporaryDir m_folder;
    FakePrinters m_printers;
    ScriptedPrompts m_prompts;
    std::unique_ptr<TCalendarMain> m_window;
};

} // namespace qm::test
