#include "CliProgram.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

TEST(QuillmarkCli, ExitCodesTellSuccessBadArgumentsAndFailures)
{
    QTemporaryDir folder;
    struct Row {
        QStringList arguments;
        int exitCode;
    };
    const Row rows[] = {
        {{"info", "--layout", "18"}, 0},
        {{"render", folder.filePath("week.png"), "--layout", "18", "--zoom", "20"}, 0},
        {{}, 2},
        {{"frobnicate"}, 2},
        {{"info", "--month", "13"}, 2},
        {{"render", folder.filePath("none/week.pdf")}, 1},
        {{"rtf2txt", folder.filePath("missing.rtf")}, 1},
        {{"rtf", folder.filePath("missing.rtf"), folder.filePath("out.rtf")}, 1},
        {{"rtf2txt"}, 2},
        {{"info", folder.filePath("missing.QMF")}, 1},
        {{"copy", folder.filePath("missing.QMS"), folder.filePath("out.QMF")}, 1},
        {{"copy", folder.filePath("week.png"), folder.filePath("out.QMF")}, 2},
    };
    for (const Row &row : rows) {
        const Result result = runProgram(row.arguments);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.arguments.join(' ').toStdString();
        if (row.exitCode != 0) {
            EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
            EXPECT_TRUE(result.err.startsWith("quillmark-cli: ")) << result.err.toStdString();
        }
    }
}

TEST(QuillmarkCli, InfoPrintsOneJsonObject)
{
    const Result result = runProgram({"info"});
    ASSERT_EQ(result.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_TRUE(document.isObject());
}

TEST(QuillmarkCli, HelpListsTheCommands)
{
    const Result result = runProgram({"help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains("quillmark-cli render [DOC.QMF|STYLE.QMS] OUT.png|OUT.bmp|OUT.pdf"));
    EXPECT_TRUE(result.out.contains("quillmark-cli info"));
    EXPECT_TRUE(result.out.contains("quillmark-cli copy IN.QMF|IN.QMS OUT.QMF|OUT.QMS"));
    EXPECT_TRUE(result.out.contains("quillmark-cli set-cell IN.QMF N TEXTFILE OUT.QMF"));
    EXPECT_TRUE(result.out.contains("quillmark-cli import-ics DOC.QMF|STYLE.QMS EVENTS.ics... OUT.QMF"));
}

TEST(QuillmarkCli, AFileThatCannotBeReadIsReportedWithTheErrorsMessage)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("bad.QMF"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x01\x02\x01");
    file.close();
    const Result result = runProgram({"render", file.fileName(), folder.filePath("out.png")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "quillmark-cli: Stream read error in " + file.fileName().toUtf8() + '\n');
    EXPECT_FALSE(QFile::exists(folder.filePath("out.png")));
}

TEST(QuillmarkCli, FilesThatCannotBeOpenedOrCreatedAreReportedWithTheSystemsReason)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("missing.QMF");
    const QString noFolder = folder.filePath("none/week.png");
    const QString aFolder = folder.filePath("week.png");
    ASSERT_TRUE(QDir(folder.path()).mkdir("week.png"));
    struct Row {
        QStringList arguments;
        QString error;
    };
    const Row rows[] = {
        {{"info", missing}, "Cannot open file " + missing + ": No such file or directory"},
        {{"render", noFolder}, "Cannot create file " + noFolder + ": No such file or directory"},
        {{"render", aFolder}, "Cannot create file " + aFolder + ": Filename refers to a directory"},
    };
    for (const Row &row : rows) {
        const Result result = runProgram(row.arguments);
        EXPECT_EQ(result.exitCode, 1) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(result.err), "quillmark-cli: " + row.error + '\n');
    }
}
