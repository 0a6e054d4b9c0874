#include "app/JustOne.h"
#include "app/PreviousInstance.h"

#include "calendar/CalendarModel.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SecondStartHandsItsDocumentToTheFirst)
{
    QTemporaryDir runtime;
    TPreviousInstance first(runtime.path(), QStringLiteral("quillmark"));
    TPreviousInstance second(runtime.path(), QStringLiteral("quillmark"));
    TPreviousInstance otherProgram(runtime.path(), QStringLiteral("otherprogram"));
    EXPECT_FALSE(first.PreviousRunning());
    EXPECT_TRUE(second.PreviousRunning());
    EXPECT_FALSE(otherProgram.PreviousRunning());
    EXPECT_EQ(first.BaseName(), QStringLiteral("quillmark"));

    QSignalSpy received(&first, &TPreviousInstance::handOverReceived);
    TJustOne handOver(second, QStringLiteral("docs/Dec1997.QMF"));
    EXPECT_TRUE(handOver.HandedOver());
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.first().first().toString(),
              QDir::current().absoluteFilePath(QStringLiteral("docs/Dec1997.QMF")));

    TJustOne comeForward(second, QString());
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.last().first().toString(), QString());

    TJustOne nothingToDo(first, QStringLiteral("x.QMF"));
    EXPECT_FALSE(nothingToDo.HandedOver());
}

TEST(SingleInstance, LockOfAStartThatDiedIsTakenOver)
{
    QTemporaryDir runtime;
    QFile lock(runtime.filePath(QStringLiteral("quillmark.lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // The lock file's own form: process id, application name, host name.
    lock.write("2147483000\n" + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    TPreviousInstance start(runtime.path(), QStringLiteral("quillmark"));
    EXPECT_FALSE(start.PreviousRunning());
}

/// Two starts of the program as two processes, from a copy of the program in
/// a folder of the test's own.
TEST(SingleInstance, SecondProcessEndsAtOnceAndTheFirstOpensItsDocument)
{
    QTemporaryDir home;
    const QString program = home.filePath(QStringLiteral("quillmark_headless"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QM_HEADLESS_QUILLMARK), program));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("run")));
    QFile::setPermissions(home.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("docs")));
    CalendarModel().SaveCalendarToFile(home.filePath(QStringLiteral("docs/Dec1997.QMF")));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    const QString socket = home.filePath(QStringLiteral("run/quillmark_headless.socket"));
    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(socket) && clock.elapsed() < 20000)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(socket)) << "the first start listens";

    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(home.filePath(QStringLiteral("docs")));
    clock.restart();
    second.start(program, {QStringLiteral("Dec1997.QMF")});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    // The first start opened the document: it heads the recent files.
    const qm::IniFile preferences(home.filePath(QStringLiteral("QM.ini")));
    const QString expected = home.filePath(QStringLiteral("docs/Dec1997.QMF"));
    clock.restart();
    while (preferences.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()) != expected &&
           clock.elapsed() < 20000)
        QThread::msleep(50);
    EXPECT_EQ(preferences.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()), expected)
        << first.readAllStandardError().constData();

    first.terminate();
    if (!first.waitForFinished(5000))
        first.kill();
}

} // namespace
