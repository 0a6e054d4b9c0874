#include "platform/IconLibrary.h"

#include "platform/IconBitmap.h"
#include "platform/IconLibraryWriter.h"
#include "support/IconFiles.h"

#include <QBuffer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;
using namespace qm::test;

namespace {

const QColor colours[] = {Qt::red, Qt::darkYellow, Qt::magenta};

/// Icons of 16, 32 and 48 pixels: blue, the icon's own colour, green.
std::vector<IconImages> threeSizedIcons(int count)
{
    std::vector<IconImages> icons;
    for (int i = 0; i < count; ++i)
        icons.push_back({filledImage(16, Qt::blue), filledImage(32, colours[i]), filledImage(48, Qt::green)});
    return icons;
}

struct Container {
    const char *name;
    QByteArray bytes;
    int count;
};

std::vector<Container> containers()
{
    QByteArray cursor = iconFile(threeSizedIcons(1)[0]);
    cursor[2] = 2;
    QByteArray farResources = programFile(threeSizedIcons(2));
    farResources[0x3c] = char(0xf0); // the new header lies beyond the end
    return {
        {"icon file of three images", iconFile(threeSizedIcons(1)[0]), 1},
        {"16-bit icon library", writeIconLibrary(threeSizedIcons(3), "TEST"), 3},
        {"32-bit program library", programFile(threeSizedIcons(3)), 3},
        {"64-bit program library", programFile(threeSizedIcons(2), ProgramBits::Bits64), 2},
        {"program library without icons", programFile({}), 0},
        {"empty file", QByteArray(), 0},
        {"text file", QByteArray("Dear diary, today I drew icons.\n"), 0},
        {"cursor file", cursor, 0},
        {"icon file cut short", iconFile(threeSizedIcons(1)[0]).left(20), 0},
        {"icon library cut short", writeIconLibrary(threeSizedIcons(3), "TEST").left(0x100), 0},
        {"program header out of the file", farResources, 0},
    };
}

TEST(IconLibraryTest, CountsAndExtractsTheIconsOfEveryContainer)
{
    for (const Container &container : containers()) {
        SCOPED_TRACE(container.name);
        const IconLibrary library = IconLibrary::fromData(container.bytes);
        ASSERT_EQ(library.count(), container.count);
        for (int i = 0; i < container.count; ++i) {
            const QImage icon = library.icon(i);
            ASSERT_EQ(icon.size(), QSize(32, 32)) << "icon " << i;
            EXPECT_EQ(icon.pixelColor(5, 5), colours[i]) << "the 32 x 32 image, not another size";
        }
        EXPECT_TRUE(library.icon(-1).isNull());
        EXPECT_TRUE(library.icon(container.count).isNull());
    }
}

TEST(IconLibraryTest, ReadsFilesFoundInAnyLetterCaseAndMissingOnesAsEmpty)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("Misc1.icl")), writeIconLibrary(threeSizedIcons(3), "MISC1"));
    EXPECT_EQ(IconLibrary(folder.filePath(QStringLiteral("MISC1.ICL"))).count(), 3);
    EXPECT_EQ(IconLibrary(folder.filePath(QStringLiteral("misc2.icl"))).count(), 0);
    EXPECT_EQ(IconLibrary(folder.path()).count(), 0) << "a folder";
}

TEST(IconLibraryTest, IconOfOtherSizesIsScaledToThirtyTwoPixels)
{
    const IconLibrary library =
        IconLibrary::fromData(iconFile({filledImage(16, Qt::blue), filledImage(48, Qt::green)}));
    const QImage icon = library.icon(0);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(16, 16), QColor(Qt::green)) << "48 is as near as 16 and larger";
}

TEST(IconLibraryTest, DecodesEveryColourDepthWithItsMask)
{
    constexpr int side = 8;
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(200, 10, 30)};
    QList<QRgb> pixels(side * side, palette[0]);
    pixels[1] = palette[1]; // (1, 0)
    const QList<QPoint> transparent{QPoint(0, 0)};

    QImage alpha = filledImage(side, Qt::black);
    alpha.setPixelColor(0, 0, QColor(0, 0, 0, 0));
    alpha.setPixelColor(1, 0, QColor(200, 10, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    alpha.save(&buffer, "PNG");

    const struct {
        const char *name;
        QByteArray bytes;
    } rows[] = {
        {"1 bit", colourBitmap(side, 1, palette, pixels, transparent)},
        {"4 bits", colourBitmap(side, 4, palette, pixels, transparent)},
        {"8 bits", colourBitmap(side, 8, palette, pixels, transparent)},
        {"24 bits", colourBitmap(side, 24, {}, pixels, transparent)},
        {"32 bits with alpha", encodeIconBitmap(alpha)},
        {"PNG", png},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = decodeIconBitmap(row.bytes);
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "masked";
        EXPECT_EQ(image.pixelColor(1, 0), QColor(200, 10, 30));
        EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::black));
    }
}

TEST(IconLibraryTest, DamagedIconsGiveEmptyImages)
{
    const QByteArray bitmap = encodeIconBitmap(filledImage(32, Qt::red));
    QByteArray missingIcon = programFile(threeSizedIcons(1));
    // The group's second image is the 32 x 32 one; make it name an icon resource that does not exist.
    const qsizetype group = missingIcon.lastIndexOf(writeIconGroupDirectory(threeSizedIcons(1)[0], 1));
    ASSERT_GT(group, 0);
    missingIcon[group + 6 + 14 + 12] = char(99);
    QByteArray hugeBitmap = bitmap;
    hugeBitmap[4] = char(0xff); // width 0x7fffffff... read as negative or huge
    hugeBitmap[7] = char(0x7f);

    const struct {
        const char *name;
        QByteArray file;
    } rows[] = {
        {"bitmap cut short", iconFile(QList<IconFileImage>{{32, bitmap.left(200)}})},
        {"bitmap of absurd width", iconFile(QList<IconFileImage>{{32, hugeBitmap}})},
        {"PNG cut short", iconFile(QList<IconFileImage>{{32, QByteArray("\x89PNG\r\n\x1a\n")}})},
        {"group naming a missing icon", missingIcon},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const IconLibrary library = IconLibrary::fromData(row.file);
        EXPECT_EQ(library.count(), 1);
        EXPECT_TRUE(library.icon(0).isNull());
    }
}

TEST(IconLibraryTest, ShippedLibrariesHoldTwentyToFortyDistinctPictures)
{
    for (const char *name : {"activity.icl", "events.icl", "holiday.icl", "misc1.icl", "misc2.icl"}) {
        SCOPED_TRACE(name);
        const QString fileName = QStringLiteral(QM_ICON_LIBRARY_DIR "/") + QLatin1String(name);
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.mid(0x80, 2), "NE") << "a 16-bit icon library";

        const IconLibrary library(fileName);
        EXPECT_GE(library.count(), 20);
        EXPECT_LE(library.count(), 40);
        QSet<QByteArray> pictures;
        for (int i = 0; i < library.count(); ++i) {
            const QImage icon = library.icon(i);
            ASSERT_EQ(icon.size(), QSize(32, 32)) << "icon " << i;
            EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << "icon " << i << " has a transparent background";
            pictures.insert(QByteArray(reinterpret_cast<const char *>(icon.constBits()), icon.sizeInBytes()));
        }
        EXPECT_EQ(pictures.size(), library.count()) << "every picture differs";
    }
}

} // namespace
