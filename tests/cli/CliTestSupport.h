#pragma once

#include "cli/CliCommand.h"
#include "platform/Environment.h"

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

    QString m_out;
    QString m_err;
};
