#include "richtext/MetafilePlayer.h"

#include "richtext/BitmapBits.h"
#include "richtext/WmfRecords.h"

#include "PaintTestDocuments.h"

#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace qm;
using namespace qm::test;

namespace {

/// Builds a placeable metafile record by record.
class MetafileBuilder
{
public:
    /// A frame of `width` x `height` logical units.
    MetafileBuilder(int width, int height)
    {
        m_bytes = QByteArray(22 + 18, '\0');
        qToLittleEndian<quint32>(0x9AC6CDD7, m_bytes.data());
        qToLittleEndian<qint16>(qint16(width), m_bytes.data() + 10);
        qToLittleEndian<qint16>(qint16(height), m_bytes.data() + 12);
        qToLittleEndian<quint16>(1440, m_bytes.data() + 14);
        qToLittleEndian<quint16>(1, m_bytes.data() + 22);     // memory metafile
        qToLittleEndian<quint16>(9, m_bytes.data() + 24);     // header words
        qToLittleEndian<quint16>(0x300, m_bytes.data() + 26); // version
        qToLittleEndian<quint16>(4, m_bytes.data() + 32);     // objects
    }

    /// Appends a record of `function` with 16-bit `words` and then `tail`.
    MetafileBuilder &record(quint16 function, std::initializer_list<int> words, QByteArray tail = {})
    {
        QByteArray parameters;
        for (int word : words) {
            char bytes[2];
            qToLittleEndian<quint16>(quint16(word), bytes);
            parameters.append(bytes, 2);
        }
        parameters += tail;
        if (parameters.size() % 2)
            parameters.append('\0');
        char header[6];
        qToLittleEndian<quint32>(quint32(3 + parameters.size() / 2), header);
        qToLittleEndian<quint16>(function, header + 4);
        m_bytes.append(header, 6);
        m_bytes += parameters;
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }
    QByteArray finished() const
    {
        MetafileBuilder copy = *this;
        copy.record(wmf::Eof, {});
        return copy.m_bytes;
    }

private:
    QByteArray m_bytes;
};

// A solid red brush selected as object 0.
MetafileBuilder redBrush(int width, int height)
{
    MetafileBuilder builder(width, height);
    builder.record(wmf::CreateBrushIndirect, {0, 0x00FF, 0x0000, 0}).record(wmf::SelectObject, {0});
    builder.record(wmf::CreatePenIndirect, {5, 0, 0, 0, 0}).record(wmf::SelectObject, {1}); // no pen
    return builder;
}

QImage played(const QByteArray &bytes, bool *playable = nullptr)
{
    QImage image = filledImage(QSize(60, 40), Qt::white);
    QPainter painter(&image);
    const bool result = MetafilePlayer(bytes).play(painter, QRect(10, 10, 40, 20));
    if (playable)
        *playable = result;
    return image;
}

TEST(MetafilePlayer, StretchesThePictureIntoTheRectangle)
{
    // The right half of a 100 x 50 frame, red.
    const QImage image = played(redBrush(100, 50).record(wmf::Rectangle, {50, 100, 0, 50}).finished());
    EXPECT_EQ(image.pixelColor(40, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(pixelsNotOf(image, QRect(0, 0, 60, 10), Qt::white), 0);
}

TEST(MetafilePlayer, TheWindowOfTheMetafileWinsOverTheFrame)
{
    const QImage image = played(redBrush(100, 50)
                                    .record(wmf::SetWindowOrg, {0, 0})
                                    .record(wmf::SetWindowExt, {10, 10})
                                    .record(wmf::Ellipse, {10, 5, 0, 0})
                                    .finished());
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(45, 20), QColor(Qt::white));
}

TEST(MetafilePlayer, DrawsPolygonsLinesAndBitmaps)
{
    QImage dibSource(2, 1, QImage::Format_RGB32);
    dibSource.setPixelColor(0, 0, Qt::blue);
    dibSource.setPixelColor(1, 0, Qt::green);
    const QByteArray dib = bitmap::toDib(dibSource);
    const QByteArray bytes = redBrush(100, 50)
                                 .record(wmf::Polygon, {3, 0, 0, 50, 0, 0, 50})
                                 .record(wmf::StretchDib, {0x0020, 0x00CC, 0, 1, 2, 0, 0, 50, 50, 0, 50}, dib)
                                 .record(wmf::CreatePenIndirect, {0, 0, 0, 0, 0})
                                 .record(wmf::SelectObject, {2})
                                 .record(wmf::MoveTo, {49, 0})
                                 .record(wmf::LineTo, {49, 100})
                                 .finished();
    bool playable = false;
    const QImage image = played(bytes, &playable);
    ASSERT_TRUE(playable);
    EXPECT_EQ(image.pixelColor(12, 12), QColor(Qt::red));   // the triangle's corner
    EXPECT_EQ(image.pixelColor(35, 15), QColor(Qt::blue));  // left half of the bitmap
    EXPECT_EQ(image.pixelColor(45, 15), QColor(Qt::green)); // right half
    EXPECT_EQ(image.pixelColor(20, 29), QColor(Qt::black)); // the line along the bottom
}

TEST(MetafilePlayer, WritesText)
{
    QByteArray font(18, '\0');
    qToLittleEndian<qint16>(-30, font.data());
    font += "Arial";
    font += QByteArray(27, '\0');
    const QImage image = played(MetafileBuilder(100, 50)
                                    .record(wmf::CreateFontIndirect, {}, font)
                                    .record(wmf::SelectObject, {0})
                                    .record(wmf::SetBkMode, {1})
                                    .record(wmf::TextOut, {2}, "XX" + QByteArray("\x05\0\x05\0", 4))
                                    .finished());
    EXPECT_GT(pixelsNotOf(image, QRect(10, 10, 40, 20), Qt::white), 20);
}

struct BadCase {
    const char *name;
    QByteArray bytes;
};

class RefusedMetafiles : public testing::TestWithParam<BadCase>
{
};

TEST_P(RefusedMetafiles, AreNotPlayedAtAll)
{
    bool playable = true;
    const QImage image = played(GetParam().bytes, &playable);
    EXPECT_FALSE(playable);
    EXPECT_EQ(pixelsNotOf(image, image.rect(), Qt::white), 0);
}

QByteArray truncatedRecord()
{
    QByteArray bytes = redBrush(10, 10).record(wmf::Rectangle, {5, 5, 0, 0}).bytes();
    bytes.chop(3);
    return bytes;
}

QByteArray withoutKey()
{
    QByteArray bytes = redBrush(10, 10).finished();
    bytes[0] = 0;
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedMetafiles,
    testing::Values(
        BadCase{"Empty", {}}, BadCase{"NoPlaceableKey", withoutKey()},
        BadCase{"UnknownRecord", redBrush(10, 10).record(0x0817, {1, 2, 3, 4, 5, 6, 7, 8}).finished()},
        BadCase{"TruncatedRecord", truncatedRecord()},
        BadCase{"RecordShorterThanItsParameters", redBrush(10, 10).record(wmf::Rectangle, {5}).finished()},
        BadCase{"PolygonCountBeyondTheRecord", redBrush(10, 10).record(wmf::Polygon, {30, 0, 0}).finished()},
        BadCase{"RecordSizeBelowItsHeader", redBrush(10, 10).bytes() + QByteArray("\x02\0\0\0\x1B\x04", 6)}),
    [](const testing::TestParamInfo<BadCase> &info) { return std::string(info.param.name); });

} // namespace
