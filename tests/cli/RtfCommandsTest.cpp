#include "CliTestSupport.h"

#include "platform/QmError.h"

#include <QFile>
#include <QTemporaryDir>

using namespace qm::cli;

namespace {

/// Commands that read and write rich-text files in a folder of their own.
class RtfCommands : public CliCommandTest
{
protected:
    QString file(const QString &name, const QByteArray &content)
    {
        const QString path = m_folder.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        return path;
    }
    QByteArray contentOf(const QString &path)
    {
        QFile in(path);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
        return in.readAll();
    }
    /// The message of the QmError that `command` raises, or "" when none.
    QString failure(CommandFunction command, const QStringList &arguments)
    {
        try {
            run(command, arguments);
        } catch (const QmError &error) {
            return error.message();
        }
        return {};
    }

    QTemporaryDir m_folder;
};

} // namespace

TEST_F(RtfCommands, Rtf2TxtPrintsTheTextInUtf8)
{
    struct Row {
        const char *name;
        QByteArray content;
        QString expected;
    };
    const Row rows[] = {
        {"RTF", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b caf\\'e9\\b0\\tab x\\line y\\par two{\\pict\\wmetafile8 00}}",
         QString::fromUtf8("caf\u00e9\tx\ny\ntwo\n")},
        {"ANSI text in Windows-1252", "one\r\n\x80 two\r\n", QString::fromUtf8("one\n\u20ac two\n\n")},
        {"Unicode RTF", "{\\rtf1 \\u1055?\\u1088?\\u-10179?\\u-8704?}", QString::fromUtf8("Пр😀\n")},
        {"UTF-8 text with line feeds",
         "Zaj\xc4\x99"
         "cia\n\xce\xb1",
         QString::fromUtf8("Zajęcia\nα\n")},
        {"HTML is shown as its text", "<b>bold</b>", "<b>bold</b>\n"},
        {"an empty file is one empty paragraph", "", "\n"},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(run(runRtf2Txt, {file("in", row.content)}), kSuccess) << row.name;
        EXPECT_EQ(m_out, row.expected) << row.name;
    }
}

TEST_F(RtfCommands, RtfSavesAsRtfWhenTheNameSaysSo)
{
    const QString text = file("in.txt", "plain {text}\r\nsecond");
    ASSERT_EQ(run(runRtf, {text, m_folder.filePath("out.rtf")}), kSuccess);
    const QByteArray rtf = contentOf(m_folder.filePath("out.rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("plain \\{text\\}\\par")) << rtf.toStdString();

    ASSERT_EQ(run(runRtf, {m_folder.filePath("out.rtf"), m_folder.filePath("again.rtf")}), kSuccess);
    EXPECT_EQ(contentOf(m_folder.filePath("again.rtf")), rtf) << "RTF read and written again is unchanged";

    ASSERT_EQ(run(runRtf, {text, m_folder.filePath("out.txt")}), kSuccess);
    EXPECT_EQ(contentOf(m_folder.filePath("out.txt")), QByteArray("plain {text}\r\nsecond\0", 21))
        << "other names keep the loaded format";

    ASSERT_EQ(run(runRtf, {file("empty", ""), m_folder.filePath("empty.rtf")}), kSuccess);
    EXPECT_TRUE(contentOf(m_folder.filePath("empty.rtf")).endsWith("{}\r\n}")) << "an empty document is still RTF";
}

TEST_F(RtfCommands, UnreadableInputAndUnwritableOutputFail)
{
    const QString missing = m_folder.filePath("missing.rtf");
    const QString truncated = file("truncated.rtf", "{\\rtf1 text\\pa");
    EXPECT_EQ(failure(runRtf2Txt, {missing}), "Cannot open file " + missing);
    EXPECT_EQ(failure(runRtf2Txt, {truncated}), "Cannot read file " + truncated);
    EXPECT_EQ(failure(runRtf, {missing, m_folder.filePath("out.rtf")}), "Cannot open file " + missing);
    const QString unwritable = m_folder.filePath("no/such/folder.rtf");
    EXPECT_EQ(failure(runRtf, {file("in", "x"), unwritable}), "Cannot create file " + unwritable);
    EXPECT_FALSE(QFile::exists(m_folder.filePath("out.rtf")));
    EXPECT_THROW(run(runRtf2Txt, {}), UsageError);
    EXPECT_THROW(run(runRtf, {missing}), UsageError);
}
