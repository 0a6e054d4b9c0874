#pragma once

#include "calendar/CalendarModel.h"
#include "cli/CliCommand.h"
#include "platform/Environment.h"
#include "platform/QmError.h"
#include "richtext/QmRtfStrings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

/// Runs a command in-process and keeps what it printed; puts the screen
/// resolution back to the tests' 96 afterwards, since --ppi pins it.
class CliCommandTest : public testing::Test
{
protected:
    void TearDown() override { qm::Environment::pinScreenPixelsPerInch(96); }

    int run(qm::cli::CommandFunction command, const QStringList &arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        qm::cli::CliIo io{out, err};
        const int code = command(arguments, io);
        out.flush();
        return code;
    }

    /// Runs a command that must fail: with the QmError `error`, or with a
    /// usage error when `error` is empty.
    void expectFailure(qm::cli::CommandFunction command, const QStringList &arguments, const QString &error)
    {
        const std::string name = arguments.join(' ').toStdString();
        try {
            run(command, arguments);
            ADD_FAILURE() << name << " succeeded";
        } catch (const QmError &failure) {
            EXPECT_EQ(failure.message(), error) << name;
        } catch (const qm::cli::UsageError &failure) {
            EXPECT_TRUE(error.isEmpty()) << name << ": " << failure.message().toStdString();
        }
    }

    QString m_out;
    QString m_err;
};

/// A command test with a folder of its own for documents and outputs.
class CliFilesTest : public CliCommandTest
{
protected:
    QString path(const QString &name) const { return m_folder.filePath(name); }

    /// Saves a new calendar, after `change`, as the document or style sheet `name`.
    template <typename Change> QString save(const QString &name, Change change)
    {
        CalendarModel calendar;
        change(calendar);
        const QString file = path(name);
        if (name.endsWith(u".QMS", Qt::CaseInsensitive))
            calendar.SaveStyleSheetToFile(file);
        else
            calendar.SaveCalendarToFile(file);
        return file;
    }

    /// Cell `cell` of the document `name`, one entry per paragraph.
    QStringList cellText(const QString &name, int cell)
    {
        CalendarModel calendar;
        calendar.LoadCalendarFromFile(path(name));
        TQmRtfStrings strings(calendar.Cells(cell).RtfText());
        QStringList paragraphs;
        for (int i = 0; i < strings.Count(); ++i)
            paragraphs << strings.Strings(i);
        return paragraphs;
    }

    QByteArray contents(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_folder;
};
