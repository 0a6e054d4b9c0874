#include "controls/GIconListBox.h"

#include "platform/IconLibraryWriter.h"
#include "support/IconFiles.h"

#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;
using namespace qm::test;

namespace {

class GIconListBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<IconImages> icons;
        for (const QColor &colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)})
            icons.push_back({filledImage(32, colour)});
        writeFile(library(), writeIconLibrary(icons, "TEST"));
    }
    QString library() const { return m_folder.filePath(QStringLiteral("Test.icl")); }
    QString path(const QString &name) const { return m_folder.filePath(name); }

    /// Draws every item, as the list box does when it shows them.
    static void drawAll(TGIconListBox &box)
    {
        QImage canvas(40, 40, QImage::Format_ARGB32);
        QPainter painter(&canvas);
        for (int i = 0; i < box.count(); ++i)
            box.drawItem(painter, QRect(0, 0, 40, 34), i);
    }

    QTemporaryDir m_folder;
};

TEST_F(GIconListBoxTest, StartsEmptyDisabledAndVertical)
{
    TGIconListBox box;
    EXPECT_EQ(box.FileName(), QString());
    EXPECT_TRUE(box.AutoDisable());
    EXPECT_TRUE(box.EnableCaching());
    EXPECT_EQ(box.NumberOfIcons(), -1);
    EXPECT_EQ(box.Orientation(), lbVertical);
    EXPECT_FALSE(box.isEnabled());
    EXPECT_EQ(box.font().pixelSize(), 34);
}

TEST_F(GIconListBoxTest, IconsAreExtractedWhenFirstDrawnOrAllAtOnceWithoutCaching)
{
    TGIconListBox box;
    box.SetFileName(library());
    ASSERT_EQ(box.NumberOfIcons(), 3);
    EXPECT_EQ(box.item(2)->text(), QStringLiteral("2"));
    EXPECT_EQ(box.currentRow(), 0);
    EXPECT_TRUE(box.isEnabled());
    EXPECT_EQ(box.ExtractedIcons(), 0);

    drawAll(box);
    drawAll(box);
    EXPECT_EQ(box.ExtractedIcons(), 3) << "once each";
    EXPECT_EQ(box.IconAt(1).toImage().pixelColor(5, 5), QColor(Qt::green));

    box.SetEnableCaching(false);
    EXPECT_EQ(box.ExtractedIcons(), 3) << "reloaded, every icon extracted at once";
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(box.item(i)->data(TGIconListBox::IconRole).isValid());
    drawAll(box);
    EXPECT_EQ(box.ExtractedIcons(), 3);
}

TEST_F(GIconListBoxTest, OnlyADifferentNameReloadsAndLetterCaseCounts)
{
    TGIconListBox box;
    QSignalSpy changes(&box, &TGIconListBox::fileChanged);
    box.SetFileName(library());
    box.SetFileName(library());
    EXPECT_EQ(changes.size(), 1);
    box.SetFileName(path(QStringLiteral("TEST.ICL")));
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(box.NumberOfIcons(), 3) << "the same file, found in any letter case";
}

TEST_F(GIconListBoxTest, WhatAPathHoldsDecidesCountAndEnabling)
{
    writeFile(path(QStringLiteral("empty.ico")), QByteArray());
    QDir().mkpath(path(QStringLiteral("theme")));
    QImage wide(64, 32, QImage::Format_ARGB32);
    wide.fill(Qt::red);
    wide.save(path(QStringLiteral("theme/a.png")));
    writeFile(path(QStringLiteral("theme/b.svg")), "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
                                                   "<rect width='100' height='100' fill='#0000ff'/></svg>");
    writeFile(path(QStringLiteral("theme/notes.txt")), "not a picture");

    const struct {
        const char *name;
        QString path;
        int icons;
        bool enabled;
    } rows[] = {
        {"missing file", path(QStringLiteral("gone.icl")), -1, false},
        {"empty file", path(QStringLiteral("empty.ico")), 0, true},
        {"folder of pictures", path(QStringLiteral("theme")), 2, true},
        {"one SVG picture", path(QStringLiteral("theme/b.svg")), 1, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TGIconListBox box;
        box.SetFileName(row.path);
        EXPECT_EQ(box.NumberOfIcons(), row.icons);
        EXPECT_EQ(box.count(), std::max(row.icons, 0));
        EXPECT_EQ(box.isEnabled(), row.enabled);
        box.SetAutoDisable(false);
        EXPECT_TRUE(box.isEnabled());
        for (int i = 0; i < box.count(); ++i)
            EXPECT_EQ(box.IconAt(i).size(), QSize(32, 32)) << "icon " << i;
    }

    TGIconListBox pictures;
    pictures.SetFileName(path(QStringLiteral("theme")));
    const QImage png = pictures.IconAt(0).toImage();
    EXPECT_EQ(png.pixelColor(16, 4).alpha(), 0) << "a wide picture keeps its proportions";
    EXPECT_EQ(png.pixelColor(16, 16), QColor(Qt::red));
    EXPECT_EQ(pictures.IconAt(1).toImage().pixelColor(16, 16), QColor(Qt::blue));
}

TEST_F(GIconListBoxTest, DragCarriesTheSelectedIconsPicture)
{
    struct ExposedIconListBox : TGIconListBox {
        using TGIconListBox::mimeData;
    } box;
    box.SetFileName(library());
    box.setCurrentRow(2);
    const std::unique_ptr<QMimeData> data(box.mimeData(box.selectedItems()));
    ASSERT_TRUE(data->hasImage());
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::blue));
}

} // namespace
