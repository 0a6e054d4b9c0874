#include "platform/ProgramFolder.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace qm;

namespace {

/// Pins the program's folder and the user's folders for one test.
class ProgramFolderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        m_savedData = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_DIRS", m_home.filePath(QStringLiteral("share")).toUtf8());
    }
    void TearDown() override
    {
        Environment::pinProgramFolder(std::nullopt);
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("XDG_DATA_DIRS", m_savedData);
    }

    static void touch(const QString &fileName)
    {
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_home;
    QByteArray m_savedConfig;
    QByteArray m_savedData;
};

TEST_F(ProgramFolderTest, WritableProgramFolderKeepsPreferencesAndDocuments)
{
    QTemporaryDir program;
    Environment::pinProgramFolder(program.path()); // no slash: one is added
    EXPECT_EQ(ProgramFolder(), program.path() + u'/');
    EXPECT_TRUE(ProgramFolderIsHome());
    EXPECT_EQ(IniFileName(), program.path() + QStringLiteral("/QM.ini"));
    EXPECT_EQ(DialogFolder(), program.path() + u'/');
}

TEST_F(ProgramFolderTest, FolderThatTakesNoFilesSendsPreferencesToTheUserFolder)
{
    Environment::pinProgramFolder(QStringLiteral("/proc/"));
    EXPECT_FALSE(ProgramFolderIsHome());
    EXPECT_EQ(IniFileName(), m_home.filePath(QStringLiteral("config/")) + QCoreApplication::applicationName() +
                                 QStringLiteral("/QM.ini"));
    EXPECT_NE(DialogFolder(), QStringLiteral("/proc/"));
    EXPECT_TRUE(DialogFolder().endsWith(u'/'));
}

TEST_F(ProgramFolderTest, ExistingPreferencesKeepAReadOnlyProgramFolderHome)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the administrator writes into read-only folders";
    QTemporaryDir program;
    touch(program.filePath(QStringLiteral("QM.ini")));
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
    Environment::pinProgramFolder(program.path() + u'/');
    EXPECT_TRUE(ProgramFolderIsHome());
    EXPECT_EQ(IniFileName(), program.filePath(QStringLiteral("QM.ini")));
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ProgramFolderTest, DataFilesAreFoundBesideTheProgramThenInTheDataFolders)
{
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin/"));
    QDir().mkpath(bin);
    Environment::pinProgramFolder(bin);
    const QString name = QStringLiteral("MISC1.ICL");

    EXPECT_EQ(DataFileName(name), bin + name) << "nowhere: beside the program";

    touch(m_home.filePath(QStringLiteral("share/quillmark/MISC1.ICL")));
    EXPECT_EQ(DataFileName(name), m_home.filePath(QStringLiteral("share/quillmark/MISC1.ICL")));

    touch(prefix.filePath(QStringLiteral("share/quillmark/misc1.icl")));
    EXPECT_EQ(DataFileName(name), prefix.filePath(QStringLiteral("share/quillmark/misc1.icl"))) << "any letter case";

    touch(bin + name);
    EXPECT_EQ(DataFileName(name), bin + name);
}

} // namespace
