#include "controls/MRUFileList.h"
#include "controls/MRUMenuItem.h"

#include "platform/IniFile.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// A menu bar with "&File" ("&Open", "E&xit") and an empty "&Window" menu.
class MRUFileListTest : public testing::Test
{
protected:
    MRUFileListTest()
    {
        m_fileMenu = m_bar.addMenu(QStringLiteral("&File"));
        m_fileMenu->addAction(QStringLiteral("&Open"));
        m_fileMenu->addAction(QStringLiteral("E&xit"));
        m_list.SetAutoSave(false);
        m_list.SetAutoSaveName(m_folder.filePath(QStringLiteral("QM.ini")));
        m_list.SetAutoSaveKey(QStringLiteral("MRU"));
        m_list.SetFileMenu(m_fileMenu);
    }

    static QStringList captions(const QWidget *menu)
    {
        QStringList result;
        // A separator's caption would be drawn on it, so it shows after the "-".
        for (const QAction *action : menu->actions())
            result << (action->isSeparator() ? QStringLiteral("-") + action->text() : action->text());
        return result;
    }

    QStringList fileMenuCaptions() const { return captions(m_fileMenu); }

    TMRUMenuItem *entry(int number) const
    {
        for (QAction *action : m_fileMenu->actions()) {
            auto *item = qobject_cast<TMRUMenuItem *>(action);
            if (item && item->EntryNumber() == number)
                return item;
        }
        return nullptr;
    }

    void addFiles(std::initializer_list<const char *> paths)
    {
        for (const char *path : paths)
            m_list.AddFile(QString::fromLatin1(path));
    }

    QTemporaryDir m_folder;
    QMenuBar m_bar;
    QMenu *m_fileMenu = nullptr;
    TMRUFileList m_list;
};

TEST_F(MRUFileListTest, ConstructionDefaults)
{
    TMRUFileList list;
    EXPECT_EQ(list.Maximum(), 5);
    EXPECT_TRUE(list.RemoveOnClick());
    EXPECT_FALSE(list.UseSubmenu());
    EXPECT_EQ(list.SubmenuName(), QStringLiteral("Reopen"));
    EXPECT_TRUE(list.AutoSave());
    EXPECT_EQ(list.AutoSaveName(), QStringLiteral("\\Software\\My Application"));
    EXPECT_EQ(list.AutoSaveKey(), QStringLiteral("MRU Items"));
    EXPECT_FALSE(list.OnMRUItemClick());
    list.SetAutoSave(false);
}

TEST_F(MRUFileListTest, EmptyListShowsNoSeparator)
{
    EXPECT_EQ(fileMenuCaptions(), (QStringList{QStringLiteral("&Open"), QStringLiteral("E&xit")}));
}

TEST_F(MRUFileListTest, EntriesFollowTheMenuNumberedFromOne)
{
    addFiles({"/docs/a.QMF", "/docs/R&D.QMF"});
    EXPECT_EQ(fileMenuCaptions(), (QStringList{QStringLiteral("&Open"), QStringLiteral("E&xit"), QStringLiteral("-"),
                                               QStringLiteral("&1 /docs/R&&D.QMF"), QStringLiteral("&2 /docs/a.QMF")}));
    EXPECT_EQ(entry(1)->EntryNumber(), 1);
}

TEST_F(MRUFileListTest, AddingKeepsOneEntryPerFileAndAtMostMaximum)
{
    struct Row {
        const char *name;
        std::initializer_list<const char *> added;
        QStringList expected;
    };
    const Row rows[] = {
        {"same file in another case moves up with its first spelling",
         {"/d/One.QMF", "/d/two.QMF", "/D/ONE.qmf"},
         {QStringLiteral("/d/One.QMF"), QStringLiteral("/d/two.QMF")}},
        {"a sixth file pushes the oldest out",
         {"/1", "/2", "/3", "/4", "/5", "/6"},
         {QStringLiteral("/6"), QStringLiteral("/5"), QStringLiteral("/4"), QStringLiteral("/3"),
          QStringLiteral("/2")}},
        {"a listed file moves to the top, the others keep their order",
         {"/1", "/2", "/3", "/2"},
         {QStringLiteral("/2"), QStringLiteral("/3"), QStringLiteral("/1")}},
    };
    for (const Row &row : rows) {
        TMRUFileList list;
        list.SetAutoSave(false);
        for (const char *path : row.added)
            list.AddFile(QString::fromLatin1(path));
        EXPECT_EQ(list.Files(), row.expected) << row.name;
    }
}

TEST_F(MRUFileListTest, ClickedEntryIsReportedAfterLeavingTheList)
{
    addFiles({"/c.QMF", "/b.QMF", "/a.QMF"});
    QString reported;
    QStringList listWhenReported;
    m_list.SetOnMRUItemClick([&](TMRUMenuItem *sender, const QString &fileName) {
        EXPECT_EQ(sender->EntryNumber(), 3);
        reported = fileName;
        listWhenReported = m_list.Files();
        m_list.AddFile(fileName); // as the main window does after opening it
    });
    entry(3)->trigger();
    EXPECT_EQ(reported, QStringLiteral("/c.QMF"));
    EXPECT_EQ(listWhenReported, (QStringList{QStringLiteral("/a.QMF"), QStringLiteral("/b.QMF")}));
    EXPECT_EQ(m_list.Files(),
              (QStringList{QStringLiteral("/c.QMF"), QStringLiteral("/a.QMF"), QStringLiteral("/b.QMF")}));
    EXPECT_EQ(fileMenuCaptions().mid(2), (QStringList{QStringLiteral("-"), QStringLiteral("&1 /c.QMF"),
                                                      QStringLiteral("&2 /a.QMF"), QStringLiteral("&3 /b.QMF")}));
}

TEST_F(MRUFileListTest, ClickWithoutRemovalKeepsTheEntry)
{
    addFiles({"/b.QMF", "/a.QMF"});
    m_list.SetRemoveOnClick(false);
    QString reported;
    m_list.SetOnMRUItemClick([&](TMRUMenuItem *, const QString &fileName) { reported = fileName; });
    entry(2)->trigger();
    EXPECT_EQ(reported, QStringLiteral("/b.QMF"));
    EXPECT_EQ(m_list.Files().size(), 2);
}

TEST_F(MRUFileListTest, StoredListIsReadInFileOrderWithoutTheLimit)
{
    qm::IniFile ini(m_list.AutoSaveName());
    ini.writeString(QStringLiteral("Hints"), QStringLiteral("On"), QStringLiteral("1"));
    for (int k = 0; k < 8; ++k)
        ini.writeString(QStringLiteral("MRU"), QStringLiteral("F%1").arg(k), QStringLiteral("/f%1.QMF").arg(k));
    ini.writeString(QStringLiteral("mru"), QStringLiteral("Odd"), QStringLiteral("/x=y.QMF"));

    ASSERT_TRUE(m_list.LoadList());
    ASSERT_EQ(m_list.Files().size(), 9);
    EXPECT_EQ(m_list.Files().first(), QStringLiteral("/f0.QMF"));
    EXPECT_EQ(m_list.Files().last(), QStringLiteral("/x=y.QMF"));
    EXPECT_EQ(fileMenuCaptions().size(), 2 + 1 + 9);

    m_list.AddFile(QStringLiteral("/new.QMF"));
    EXPECT_EQ(m_list.Files().size(), 5);
    m_list.SaveList();
    EXPECT_EQ(ini.readSectionLines(QStringLiteral("MRU")),
              (QStringList{QStringLiteral("F0=/new.QMF"), QStringLiteral("F1=/f0.QMF"), QStringLiteral("F2=/f1.QMF"),
                           QStringLiteral("F3=/f2.QMF"), QStringLiteral("F4=/f3.QMF")}));
    EXPECT_EQ(ini.readString(QStringLiteral("Hints"), QStringLiteral("On"), QString()), QStringLiteral("1"));
}

TEST_F(MRUFileListTest, TwentyThousandStoredEntriesAreWrittenBackWholeBesideTheRestOfTheFile)
{
    constexpr int count = 20000;
    QByteArray text = "; by hand\n[MRU]\n";
    for (int k = 0; k < count; ++k)
        text += "F" + QByteArray::number(k) + "=/docs/Plan" + QByteArray::number(k) + ".QMF\n";
    text += "[Hints]\nOn=0\n";
    QFile file(m_list.AutoSaveName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    ASSERT_TRUE(m_list.LoadList());
    ASSERT_EQ(m_list.Files().size(), count);
    // A listed file moves up without trimming the list, so all of it is written.
    m_list.AddFile(QStringLiteral("/DOCS/plan19999.qmf"));
    m_list.SaveList();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.startsWith("; by hand\n[MRU]\nF0=/docs/Plan19999.QMF\nF1=/docs/Plan0.QMF\n"));
    EXPECT_TRUE(written.endsWith("F19999=/docs/Plan19998.QMF\n[Hints]\nOn=0\n"));
    EXPECT_EQ(written.size(), text.size());
}

TEST_F(MRUFileListTest, NoFileOrSectionNamedMeansNoLoadOrSave)
{
    m_list.SetAutoSaveKey(QString());
    EXPECT_FALSE(m_list.LoadList());
    EXPECT_FALSE(m_list.SaveList());
}

TEST_F(MRUFileListTest, LoweringMaximumKeepsTheMostRecent)
{
    addFiles({"/5", "/4", "/3", "/2", "/1"});
    m_list.SetMaximum(3);
    EXPECT_EQ(m_list.Files(), (QStringList{QStringLiteral("/1"), QStringLiteral("/2"), QStringLiteral("/3")}));
    EXPECT_EQ(fileMenuCaptions().size(), 2 + 1 + 3);
}

TEST_F(MRUFileListTest, EntriesCanGoIntoASubmenu)
{
    addFiles({"/b", "/a"});
    m_list.SetUseSubmenu(true);
    m_list.SetSubmenuName(QStringLiteral("Recent"));
    EXPECT_EQ(fileMenuCaptions(), (QStringList{QStringLiteral("&Open"), QStringLiteral("E&xit"), QStringLiteral("-"),
                                               QStringLiteral("Recent")}));
    EXPECT_EQ(captions(m_fileMenu->actions().last()->menu()),
              (QStringList{QStringLiteral("&1 /a"), QStringLiteral("&2 /b")}));
    m_list.SetUseSubmenu(false);
    EXPECT_EQ(fileMenuCaptions().size(), 2 + 1 + 2);
}

TEST_F(MRUFileListTest, AnEmptyMenuIsReplacedInItsParent)
{
    QMenu *windowMenu = m_bar.addMenu(QStringLiteral("&Window"));
    QMenu *helpMenu = m_bar.addMenu(QStringLiteral("&Help"));
    TMRUFileList list;
    list.SetAutoSave(false);
    list.SetFileMenu(windowMenu);
    list.AddFile(QStringLiteral("/a"));
    const QList<QAction *> barItems = m_bar.actions();
    ASSERT_EQ(barItems.size(), 5);
    EXPECT_TRUE(barItems[1]->isSeparator());
    EXPECT_EQ(barItems[2]->text(), QStringLiteral("&1 /a"));
    EXPECT_EQ(barItems[3], windowMenu->menuAction());
    EXPECT_EQ(barItems[4], helpMenu->menuAction());
}

TEST_F(MRUFileListTest, AutoSaveStoresTheListOnDestruction)
{
    const QString fileName = m_folder.filePath(QStringLiteral("auto.ini"));
    {
        TMRUFileList list;
        list.SetAutoSaveName(fileName);
        list.AddFile(QStringLiteral("/kept.QMF"));
    }
    TMRUFileList reloaded;
    reloaded.SetAutoSaveName(fileName);
    reloaded.Loaded();
    EXPECT_EQ(reloaded.Files(), QStringList{QStringLiteral("/kept.QMF")});
    reloaded.SetAutoSave(false);
}

} // namespace
