// Pictures and objects read by TQmRtfReader.

#include "richtext/BitmapBits.h"
#include "richtext/QmRtfReader.h"

#include "ReadRtf.h"
#include "TestDocuments.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using qm::test::readRtf;

namespace {

/// The placeholder characters of the first paragraph and their objects.
struct Placeholder {
    char16_t code;
    const TTextObject *object;
};
std::vector<Placeholder> placeholders(const TQmRTFText &document)
{
    std::vector<Placeholder> result;
    for (const TTextLine *line = document.FirstParagraph()->firstLine(); line; line = line->next()) {
        for (int i = 0; i < line->length; ++i) {
            if (line->attributes()[i].has(TAttr::Object))
                result.push_back({line->text()[i], document.FindObjectFor(line->text()[i], line->attributes()[i])});
        }
    }
    return result;
}

QByteArray pict(const QByteArray &words, const QByteArray &data)
{
    return "{\\pict" + words + "\r\n" + data.toHex() + "}";
}

QByteArray deviceBitsWords(int width, int height, int bitsPerPixel, int widthBytes)
{
    return "\\wbitmap0\\wbmbitspixel" + QByteArray::number(bitsPerPixel) + "\\wbmplanes1\\wbmwidthbytes" +
           QByteArray::number(widthBytes) + "\\picw" + QByteArray::number(width) + "\\pich" +
           QByteArray::number(height) + "\\picwgoal300\\pichgoal150";
}

QImage checkerboard()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(1, 0, qRgb(255, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 255));
    return image;
}

} // namespace

TEST(QmRtfReaderPictureTest, BitmapsBecomeObjectsWithGraphicsOrWithout)
{
    const QImage image = checkerboard();
    const qm::bitmap::DeviceBits bits = qm::bitmap::toDeviceBits(image);
    const QByteArray words = deviceBitsWords(3, 2, bits.bitsPerPixel, bits.widthBytes);
    struct Row {
        const char *name;
        QByteArray picture;
        bool hasGraphic;
    };
    const Row rows[] = {
        {"device-dependent bitmap", pict(words, bits.bits), true},
        {"upper-case digits and blanks in the data", "{\\pict" + words + " " + bits.bits.toHex().toUpper() + " }",
         true},
        {"device-independent bitmap",
         pict("\\dibitmap0\\wbmbitspixel32\\wbmplanes1\\wbmwidthbytes12\\picw3\\pich2\\picwgoal300\\pichgoal150",
              qm::bitmap::toDib(image)),
         true},
        {"data shorter than declared", pict(words, bits.bits.chopped(1)), false},
        {"height larger than the data", pict(deviceBitsWords(3, 3, bits.bitsPerPixel, bits.widthBytes), bits.bits),
         false},
        {"width beyond 16384 pixels", pict(deviceBitsWords(16385, 1, 1, 2050), QByteArray(2050, '\0')), false},
        {"device-independent bitmap cut short",
         pict("\\dibitmap0\\picwgoal300\\pichgoal150", qm::bitmap::toDib(image).chopped(4)), false},
        {"unknown picture kind", pict("\\pngblip\\picwgoal300\\pichgoal150", "\x89PNG"), false},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        readRtf(document, "{\\rtf1 a" + row.picture + "b}");
        EXPECT_EQ(qm::test::paragraphText(document.FirstParagraph()), "a\2b") << row.name;
        const std::vector<Placeholder> found = placeholders(document);
        ASSERT_EQ(found.size(), 1u) << row.name;
        ASSERT_NE(found[0].object, nullptr) << row.name;
        const TTextObject &object = *found[0].object;
        EXPECT_EQ(object.number, 1) << row.name;
        EXPECT_EQ(object.width, 300) << row.name;
        EXPECT_EQ(object.height, 150) << row.name;
        EXPECT_EQ(object.graphic.isBitmap(), row.hasGraphic) << row.name;
        if (row.hasGraphic) {
            EXPECT_EQ(object.graphic.bitmap().convertToFormat(QImage::Format_RGB32), image) << row.name;
        }
    }
}

TEST(QmRtfReaderPictureTest, LargestAllowedSideIsRead)
{
    TQmRTFText document;
    readRtf(document, "{\\rtf1 " + pict(deviceBitsWords(16384, 1, 1, 2048), QByteArray(2048, '\xFF')) + "}");
    const std::vector<Placeholder> found = placeholders(document);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].object->graphic.width(), 16384);
}

TEST(QmRtfReaderPictureTest, MetafilesAreKeptByteForByte)
{
    const QByteArray records = QByteArray::fromHex("010009000003220000000000050000000b0200000000030000000000");
    TQmRTFText document;
    readRtf(document,
            "{\\rtf1 " +
                pict("\\wmetafile8\\picw200\\pich100\\picwgoal3000\\pichgoal1500\\picscalex50\\picscaley200", records) +
                "}");
    const std::vector<Placeholder> found = placeholders(document);
    ASSERT_EQ(found.size(), 1u);
    const TTextObject &object = *found[0].object;
    ASSERT_TRUE(object.graphic.isMetafile());
    EXPECT_EQ(object.graphic.width(), 200);
    EXPECT_EQ(object.graphic.height(), 100);
    EXPECT_EQ(object.width, 1500);
    EXPECT_EQ(object.height, 3000);
    EXPECT_EQ(object.graphic.metafileRecords(), records);

    const QByteArray header = object.graphic.metafileBytes().left(qm::Graphic::PlaceableHeaderSize);
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData()), 0x9AC6CDD7u);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 10), 200);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 12), 100);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 14), 2540);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(header.constData() + 2 * i);
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 20), checksum);
}

TEST(QmRtfReaderPictureTest, LinkedPicturesAndProvidedObjects)
{
    QTemporaryDir folder;
    const QString bitmapPath = folder.filePath("icon.bmp");
    ASSERT_TRUE(checkerboard().save(bitmapPath, "BMP"));

    TQmRTFText document;
    readRtf(document, "{\\rtf1 {\\*\\picfile\\picw3\\pich2\\picwgoal40\\pichgoal20 \"" + bitmapPath.toLocal8Bit() +
                          "\"}{\\*\\picfile\\picwgoal40\\pichgoal20 \"C:\\pics\\missing.bmp\"}"
                          "{\\*\\picfile\\picwgoal50\\pichgoal60 \"C:\\PICS\\Missing.BMP\"}"
                          "\\wpobjtag7\\wpobjw100\\wpobjh50 \\'01"
                          "{\\*\\skipped{\\pict\\wmetafile8\\picw1\\pich1 0000}}}");
    const std::vector<Placeholder> found = placeholders(document);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(document.Objects().size(), 3u) << "a picture in a skipped group makes no object";

    const TTextObject &loaded = *found[0].object;
    EXPECT_EQ(found[0].code, 1);
    EXPECT_EQ(loaded.tag, 2000);
    EXPECT_EQ(loaded.fileName, bitmapPath.toLocal8Bit());
    EXPECT_EQ(loaded.graphic.bitmap().convertToFormat(QImage::Format_RGB32), checkerboard());

    const TTextObject &missing = *found[1].object;
    EXPECT_EQ(missing.tag, 2001);
    EXPECT_EQ(missing.fileName, "C:\\pics\\missing.bmp") << "backslashes in a file name are kept";
    EXPECT_TRUE(missing.graphic.isEmpty());
    EXPECT_EQ(found[2].object, &missing) << "the same file, whatever its case, is one object";
    EXPECT_EQ(missing.width, 50);
    EXPECT_EQ(missing.height, 60);

    const TTextObject &provided = *found[3].object;
    EXPECT_EQ(found[3].code, 1);
    EXPECT_EQ(provided.tag, 7);
    EXPECT_TRUE(provided.provided);
    EXPECT_EQ(provided.width, 100);
    EXPECT_EQ(provided.height, 50);
}

TEST(QmRtfReaderPictureTest, ProvideObjectHandlerSuppliesGraphics)
{
    TQmRTFText document;
    std::vector<quint16> asked;
    document.SetProvideObjectEvent([&asked](quint16 tag, qm::Graphic &graphic) {
        asked.push_back(tag);
        graphic = qm::Graphic::fromBitmap(checkerboard());
    });
    readRtf(document, "{\\rtf1 {\\*\\picfile\\picwgoal40\\pichgoal20 \"x.bmp\"}\\wpobjtag9 \\'01}");
    const std::vector<quint16> expected = {2000, 9};
    EXPECT_EQ(asked, expected);
    for (const Placeholder &placeholder : placeholders(document))
        EXPECT_TRUE(placeholder.object->graphic.isBitmap());
}
