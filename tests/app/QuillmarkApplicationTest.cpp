#include "app/QuillmarkApplication.h"
#include "app/Splashform.h"

#include "platform/QmError.h"
#include "support/ScriptedPrompts.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(QuillmarkApplication, UnhandledFailuresAreShownAndTheProgramGoesOn)
{
    qm::test::ScriptedPrompts prompts;
    EXPECT_FALSE(
        QuillmarkApplication::reportFailures([]() -> bool { throw QmError(QStringLiteral("Stream read error")); }));
    EXPECT_FALSE(QuillmarkApplication::reportFailures([]() -> bool { throw std::runtime_error("bad"); }));
    EXPECT_TRUE(QuillmarkApplication::reportFailures([] { return true; }));
    EXPECT_EQ(prompts.messages(), (QStringList{QStringLiteral("Stream read error"), QStringLiteral("bad")}));
    EXPECT_EQ(prompts.asked().first().kind, QStringLiteral("error"));
}

TEST(QuillmarkApplication, AboutBoxNamesTheVersion)
{
    TSplashform about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quillmark"));
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 2.2g")));
    EXPECT_TRUE(texts.contains(QStringLiteral("32-bit version for Windows 95")));
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
