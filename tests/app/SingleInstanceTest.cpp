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

#include <chrono>
#include <future>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

/// Hands over from a thread of its own, as a second process would, while this
/// thread runs the first start's events.
bool handOverFromAnotherThread(const TPreviousInstance &second, const QString &fileName)
{
    std::future<bool> handedOver =
        std::async(std::launch::async, [&] { return TJustOne(second, fileName).HandedOver(); });
    while (handedOver.wait_for(5ms) != std::future_status::ready)
        QCoreApplication::processEvents();
    return handedOver.get();
}

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
    EXPECT_TRUE(handOverFromAnotherThread(second, QStringLiteral("docs/Dec1997.QMF")));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received.first().first().toString(),
              QDir::current().absoluteFilePath(QStringLiteral("docs/Dec1997.QMF")));

    EXPECT_TRUE(handOverFromAnotherThread(second, QString()));
    ASSERT_EQ(received.size(), 2);
    EXPECT_EQ(received.last().first().toString(), QString());

    TJustOne nothingToDo(first, QStringLiteral("x.QMF"));
    EXPECT_FALSE(nothingToDo.HandedOver());
}

TEST(SingleInstance, RunningStartThatDoesNotAnswerIsNotHandedOver)
{
    QTemporaryDir runtime;
    TPreviousInstance first(runtime.path(), QStringLiteral("quillmark"));
    TPreviousInstance second(runtime.path(), QStringLiteral("quillmark"));
    // This thread runs no events while it waits: the first start never answers.
    EXPECT_FALSE(TJustOne(second, QStringLiteral("x.QMF")).HandedOver());
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

/// Leaves in `folder` what a crash, a full disk or a sync tool may leave in
/// the place of the lock `name`; `kind` says what.
void leaveUnreadableLock(const QString &folder, const QString &kind,
                         const QString &name = QStringLiteral("quillmark.lock"))
{
    const QString lock = QDir(folder).filePath(name);
    if (kind.startsWith(u"folder")) {
        ASSERT_TRUE(QDir().mkpath(lock));
        QFile notes(QDir(lock).filePath(QStringLiteral("notes.txt")));
        if (kind == u"folder holding a file") {
            ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        }
        return;
    }
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (kind == u"garbage")
        file.write(QByteArray("\xFF\xFEnot a lock\0\n\n", 16));
}

const QStringList unreadableLocks = {QStringLiteral("empty"), QStringLiteral("garbage"), QStringLiteral("folder"),
                                     QStringLiteral("folder holding a file")};

TEST(SingleInstance, UnreadableLockCountsOnlyWhileARunningStartAnswers)
{
    for (const QString &kind : unreadableLocks) {
        QTemporaryDir runtime;
        leaveUnreadableLock(runtime.path(), kind);
        TPreviousInstance first(runtime.path(), QStringLiteral("quillmark"));
        EXPECT_FALSE(first.PreviousRunning()) << kind.toStdString();
        // The next start finds the first one, through the lock it wrote in
        // place of the old one or, where that could not go, through the socket.
        TPreviousInstance second(runtime.path(), QStringLiteral("quillmark"));
        EXPECT_TRUE(second.PreviousRunning()) << kind.toStdString();
        EXPECT_TRUE(handOverFromAnotherThread(second, QString())) << kind.toStdString();
    }
}

/// Starts of the program as processes, from a copy of the program in a folder
/// of the test's own.
class SingleInstanceProcessTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QM_HEADLESS_QUILLMARK), m_program));
        makeEmptyRuntimeFolder();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    }

    void TearDown() override
    {
        for (QProcess *process : {&m_first, &m_second}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }

    QString runtimeFolder() const { return m_home.filePath(QStringLiteral("run")); }

    void makeEmptyRuntimeFolder() const
    {
        QDir(runtimeFolder()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(runtimeFolder()));
        // Qt takes no runtime folder that others may read.
        QFile::setPermissions(runtimeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void start(QProcess &process, const QStringList &arguments = {}, const QString &folder = {})
    {
        process.setProcessEnvironment(m_environment);
        process.setWorkingDirectory(folder.isEmpty() ? m_home.path() : folder);
        process.start(m_program, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    /// True once a start listens for later ones, which it does when it runs
    /// as the first start and shows its window.
    bool listens(const QProcess &process) const
    {
        const QString socket = QDir(runtimeFolder()).filePath(QStringLiteral("quillmark_headless.socket"));
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(socket) && process.state() == QProcess::Running && clock.elapsed() < 20000)
            QThread::msleep(50);
        return QFileInfo::exists(socket) && process.state() == QProcess::Running;
    }

    QTemporaryDir m_home;
    const QString m_program = m_home.filePath(QStringLiteral("quillmark_headless"));
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess m_first;
    QProcess m_second;
};

TEST_F(SingleInstanceProcessTest, SecondProcessEndsAtOnceAndTheFirstOpensItsDocument)
{
    ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("docs")));
    CalendarModel().SaveCalendarToFile(m_home.filePath(QStringLiteral("docs/Dec1997.QMF")));
    start(m_first);
    ASSERT_TRUE(listens(m_first));

    start(m_second, {QStringLiteral("Dec1997.QMF")}, m_home.filePath(QStringLiteral("docs")));
    ASSERT_TRUE(m_second.waitForFinished(10000));
    EXPECT_EQ(m_second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_second.exitCode(), 0);
    EXPECT_EQ(m_first.state(), QProcess::Running);

    // The first start opened the document: it heads the recent files.
    const qm::IniFile preferences(m_home.filePath(QStringLiteral("QM.ini")));
    const QString expected = m_home.filePath(QStringLiteral("docs/Dec1997.QMF"));
    QElapsedTimer clock;
    clock.start();
    while (preferences.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()) != expected &&
           clock.elapsed() < 20000)
        QThread::msleep(50);
    EXPECT_EQ(preferences.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()), expected)
        << m_first.readAllStandardError().constData();
}

TEST_F(SingleInstanceProcessTest, StartBesideAnUnreadableLockShowsItsWindow)
{
    for (const QString &kind : unreadableLocks) {
        // What the previous round's start left behind goes first.
        makeEmptyRuntimeFolder();
        leaveUnreadableLock(runtimeFolder(), kind, QStringLiteral("quillmark_headless.lock"));
        start(m_first);
        EXPECT_TRUE(listens(m_first)) << kind.toStdString() << m_first.readAllStandardError().constData();
        m_first.kill();
        m_first.waitForFinished(5000);
    }
}

TEST_F(SingleInstanceProcessTest, StartThatGetsNoAnswerShowsItsOwnWindow)
{
    // A running start that hangs: it holds the lock and accepts connections,
    // but this thread never runs its events, so it never answers.
    TPreviousInstance hung(runtimeFolder(), QStringLiteral("quillmark_headless"));
    ASSERT_FALSE(hung.PreviousRunning());
    QSignalSpy received(&hung, &TPreviousInstance::handOverReceived);
    start(m_second);
    EXPECT_FALSE(m_second.waitForFinished(3 * TJustOne::answerTimeoutMilliseconds))
        << "the start ended instead of showing its window";
    EXPECT_TRUE(received.wait(5000)) << "the start had asked the hung one first";
}

} // namespace
