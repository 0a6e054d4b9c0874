#include "printing/Printers.h"

#include "support/FakePrinters.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace {

using qm::test::FakePrinters;

TEST(Printers, CheckSaysWhyPrintingIsUnavailable)
{
    struct Row {
        bool installed;
        bool hasDefault;
        bool expected;
        const char *message;
    };
    const Row rows[] = {
        {true, true, true, nullptr},
        {false, false, false, "There are no installed printers.\r\nUnable to perform printer related operations"},
        {false, true, false, "There are no installed printers.\r\nUnable to perform printer related operations"},
        {true, false, false, "There is no default printer selected.\r\nUnable to perform printer related operations"},
    };
    for (const Row &row : rows) {
        FakePrinters printers;
        printers.installed = row.installed;
        printers.hasDefault = row.hasDefault;
        qm::Printers::install(&printers);
        qm::test::ScriptedPrompts prompts;
        EXPECT_EQ(qm::CheckPrinters(), row.expected);
        EXPECT_EQ(qm::DefaultPrinterSet(), row.hasDefault);
        EXPECT_EQ(prompts.messages(), row.message ? QStringList{QString::fromLatin1(row.message)} : QStringList{});
        qm::Printers::install(nullptr);
    }
}

} // namespace
