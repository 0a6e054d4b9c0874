#include "app/QuillmarkApplication.h"
#include "app/Splashform.h"

#include "platform/QmError.h"
#include "support/ScriptedPrompts.h"

#include <QLabel>
#include <QSysInfo>

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

TEST(QuillmarkApplication, AboutBoxNamesTheBuildAndThePlatform)
{
    TSplashform about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quillmark"));
    QStringList texts;
    for (const QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Version " QUILLMARK_VERSION)));
    EXPECT_TRUE(texts.contains(
        QStringLiteral("%1-bit version for %2").arg(QSysInfo::WordSize).arg(QSysInfo::prettyProductName())));
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
