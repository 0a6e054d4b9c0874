#include "platform/IniFile.h"

#include "platform/QmError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <unistd.h>

using qm::IniFile;

namespace {

class IniFileTest : public testing::Test
{
protected:
    QString path() const { return m_folder.filePath(QStringLiteral("QM.ini")); }

    void writeText(const QByteArray &text)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray text() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_folder;
};

TEST_F(IniFileTest, ReadsIntegersBooleansAndStringsWithTheirDefaults)
{
    writeText("[Zooming]\nMain=75\nProp=abc\nHex=0x1F\nBig=0xFFFFFFFF\nNeg=-12\nTail=12abc\nSpaced =  40  \n"
              "[Hints]\nOn=0\nYes=7\nWord=true\n"
              "[Default Font]\nName=  Courier New \nEmpty=\n");
    const IniFile ini(path());
    struct Row {
        const char *key;
        int expected;
    };
    const Row integers[] = {{"Main", 75}, {"Prop", -1},   {"Hex", 31},     {"Big", -1}, {"Neg", -12},
                            {"Tail", -1}, {"Spaced", 40}, {"Missing", -1}, {"main", 75}};
    for (const Row &row : integers)
        EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QString::fromLatin1(row.key), -1), row.expected)
            << row.key;
    EXPECT_EQ(ini.readInteger(QStringLiteral("ZOOMING"), QStringLiteral("MAIN"), 60), 75);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Nowhere"), QStringLiteral("Main"), 60), 60);

    EXPECT_FALSE(ini.readBool(QStringLiteral("Hints"), QStringLiteral("On"), true));
    EXPECT_TRUE(ini.readBool(QStringLiteral("Hints"), QStringLiteral("Yes"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("Hints"), QStringLiteral("Word"), true));
    EXPECT_FALSE(ini.readBool(QStringLiteral("Hints"), QStringLiteral("Word"), false));
    EXPECT_TRUE(ini.readBool(QStringLiteral("Hints"), QStringLiteral("Missing"), true));

    EXPECT_EQ(ini.readString(QStringLiteral("default font"), QStringLiteral("name"), QStringLiteral("Arial")),
              QStringLiteral("Courier New"));
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Empty"), QStringLiteral("Arial")),
              QString());
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Size"), QStringLiteral("10")),
              QStringLiteral("10"));
}

TEST_F(IniFileTest, MissingFileReadsAsDefaults)
{
    const IniFile ini(m_folder.filePath(QStringLiteral("none.ini")));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60), 60);
    EXPECT_EQ(ini.readString(QStringLiteral("Icons"), QStringLiteral("File"), QStringLiteral("x")),
              QStringLiteral("x"));
    EXPECT_TRUE(ini.readSectionLines(QStringLiteral("MRU")).isEmpty());
}

TEST_F(IniFileTest, LongStringsAreCut)
{
    IniFile ini(path());
    ini.writeString(QStringLiteral("Icons"), QStringLiteral("File"), QString(2000, u'a'));
    EXPECT_EQ(ini.readString(QStringLiteral("Icons"), QStringLiteral("File"), QString()).size(), 1023);
}

TEST_F(IniFileTest, WritesUpdateOneKeyAndKeepTheRestOfTheFile)
{
    writeText("; written by hand\r\n[Zooming]\r\nmain=75\r\nProp=30\r\n\r\n[Other]\r\nKeep=me\r\n");
    IniFile ini(path());
    ini.writeInteger(QStringLiteral("ZOOMING"), QStringLiteral("Main"), 90);
    ini.writeBool(QStringLiteral("Zooming"), QStringLiteral("Flag"), true);
    ini.writeString(QStringLiteral("Hints"), QStringLiteral("On"), QStringLiteral("0"));
    EXPECT_EQ(text(), QByteArray("; written by hand\r\n[Zooming]\r\nMain=90\r\nProp=30\r\nFlag=1\r\n\r\n"
                                 "[Other]\r\nKeep=me\r\n[Hints]\r\nOn=0\r\n"));
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileAndItsFolder)
{
    IniFile ini(m_folder.filePath(QStringLiteral("config/quillmark/QM.ini")));
    ini.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60);
    ini.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), -30);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Zooming"), QStringLiteral("Prop"), 0), -30);
    QFile file(ini.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Zooming]\nMain=60\nProp=-30\n"));
}

TEST_F(IniFileTest, SectionLinesComeInFileOrderAndASectionIsReplacedWhole)
{
    writeText("[MRU]\nF1=/b.QMF\n\nF0=/a.QMF\n;comment\n/c.QMF\n[Hints]\nOn=1\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readSectionLines(QStringLiteral("mru")),
              (QStringList{QStringLiteral("F1=/b.QMF"), QStringLiteral("F0=/a.QMF"), QStringLiteral("/c.QMF")}));
    struct Row {
        const char *section;
        QList<IniFile::KeyValue> keys;
        QByteArray expected;
    };
    const Row rows[] = {
        {"MRU", {{"F0", "/x.QMF"}, {"F1", "/y.QMF"}}, "[MRU]\nF0=/x.QMF\nF1=/y.QMF\n\n;comment\n[Hints]\nOn=1\n"},
        {"hints", {}, "[MRU]\nF0=/x.QMF\nF1=/y.QMF\n\n;comment\n[Hints]\n"},
        {"MRU", {}, "[MRU]\n\n;comment\n[Hints]\n"},
        {"mru", {{"F0", "/z.QMF"}}, "[MRU]\n\n;comment\nF0=/z.QMF\n[Hints]\n"},
        {"Missing", {}, "[MRU]\n\n;comment\nF0=/z.QMF\n[Hints]\n"},
        {"Fresh", {{"Key", "1"}}, "[MRU]\n\n;comment\nF0=/z.QMF\n[Hints]\n[Fresh]\nKey=1\n"},
    };
    for (const Row &row : rows) {
        ini.writeSection(QString::fromLatin1(row.section), row.keys);
        EXPECT_EQ(text(), row.expected) << row.section;
    }
}

TEST_F(IniFileTest, ForeignBytesCommentsAndRepeatedSectionsSurviveWrites)
{
    // Latin-1 and UTF-8 names side by side, a repeated section and no line
    // break at the end: what years of editing by hand and by other programs leave.
    const QByteArray latin1 = "/home/Ren\xE9/caf\xE9.QMF";
    const QByteArray utf8 = "/home/M\xC3\xBCller/Plan.QMF";
    const QByteArray icons = "/x/\xFFy.ICL";
    const auto file = [&](const QByteArray &first, const QByteArray &second, const QByteArray &zoom) {
        return "; Quillmark \xA9 preferences\r\n[MRU]\r\nF0=" + first + "\r\n; kept\r\nF1=" + second +
               "\r\n\r\n[Zooming]\r\nMain=" + zoom + "\r\n[MRU]\r\nF0=/second/section.QMF\r\n[Icons]\r\nFile=" + icons;
    };
    writeText(file(latin1, utf8, "70"));
    IniFile ini(path());
    const QString first = ini.readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString());
    const QString second = ini.readString(QStringLiteral("MRU"), QStringLiteral("F1"), QString());
    EXPECT_EQ(second, QStringLiteral("/home/M\u00FCller/Plan.QMF"));
    EXPECT_EQ(ini.readSectionLines(QStringLiteral("MRU")).size(), 2) << "the first of two sections counts";

    ini.writeSection(QStringLiteral("MRU"), {{QStringLiteral("F0"), second}, {QStringLiteral("F1"), first}});
    ini.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 80);
    ini.writeString(QStringLiteral("Icons"), QStringLiteral("File"),
                    ini.readString(QStringLiteral("Icons"), QStringLiteral("File"), QString()));
    EXPECT_EQ(text(), file(utf8, latin1, "80").replace("; kept\r\nF1=" + latin1, "F1=" + latin1 + "\r\n; kept"));
}

TEST_F(IniFileTest, FailedWritesSayWhichFile)
{
    struct Row {
        const char *name;
        QString fileName;
        bool needsOrdinaryUser;
    };
    QDir(m_folder.path()).mkdir(QStringLiteral("locked"));
    QFile::setPermissions(m_folder.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    QDir(m_folder.path()).mkpath(QStringLiteral("QM.ini"));
    const Row rows[] = {
        {"folder that takes no files", QStringLiteral("/proc/quillmark-test/QM.ini"), false},
        {"name taken by a folder", m_folder.filePath(QStringLiteral("QM.ini")), false},
        {"read-only folder", m_folder.filePath(QStringLiteral("locked/QM.ini")), true},
    };
    for (const Row &row : rows) {
        if (row.needsOrdinaryUser && geteuid() == 0)
            continue; // the administrator writes into read-only folders
        IniFile ini(row.fileName);
        try {
            ini.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const QmError &error) {
            EXPECT_EQ(error.message(), QStringLiteral("Unable to write to ") + row.fileName) << row.name;
        }
    }
    QFile::setPermissions(m_folder.filePath(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
