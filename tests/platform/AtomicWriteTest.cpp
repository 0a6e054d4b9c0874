#include "platform/AtomicWrite.h"
#include "platform/QmError.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QStringList filesIn(const QTemporaryDir &folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
}

/// The error as the batch tool prints it: the text, then the reason.
std::string errorOf(const QString &path, QByteArrayView bytes)
{
    try {
        writeFileAtomically(path, bytes);
    } catch (const QmError &error) {
        return (error.message() + QStringLiteral(": ") + error.reason()).toStdString();
    }
    return "no error";
}

} // namespace

TEST(AtomicWrite, ReplacesTheWholeFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.bin"));
    writeFileAtomically(path, QByteArray(5000, 'x'));
    writeFileAtomically(path, "short");
    EXPECT_EQ(contentsOf(path), "short");
    writeFileAtomically(path, {});
    EXPECT_EQ(contentsOf(path), "");
    EXPECT_EQ(filesIn(folder), QStringList{"a.bin"});
}

TEST(AtomicWrite, AWriteCutShortKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.bin"));
    writeFileAtomically(path, "old contents");
    for (qsizetype size : {101, 5000, 100000}) {
        std::string error;
        {
            const test::FileSizeLimit limit(100);
            error = errorOf(path, QByteArray(size, 'n'));
        }
        EXPECT_EQ(error, "Cannot create file " + path.toStdString() + ": File too large") << size;
        EXPECT_EQ(contentsOf(path), "old contents") << size;
        EXPECT_EQ(filesIn(folder), QStringList{"a.bin"}) << size;
    }
}

TEST(AtomicWrite, AFileThatCannotBeCreatedIsNamed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("no/such/folder/a.bin"));
    EXPECT_EQ(errorOf(path, "x"), "Cannot create file " + path.toStdString() + ": No such file or directory");
    EXPECT_EQ(errorOf(folder.path(), "x"),
              "Cannot create file " + folder.path().toStdString() + ": Filename refers to a directory");
    EXPECT_TRUE(filesIn(folder).isEmpty());
}
