#include "platform/BandedPng.h"

#include "platform/QmError.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <png.h>
#include <zlib.h>

#include <csetjmp>

namespace qm {
namespace {

/// About how many bytes of picture one band holds: small enough that a page
/// at 600 pixels per inch costs a megabyte, large enough that painting the
/// page once per band stays a small part of the time.
constexpr qsizetype kBandBytes = qsizetype(1) << 20;

/// After the Up filter a page is mostly long runs of equal bytes, which
/// zlib's run strategy packs nearly as tightly as its default one, without
/// the search for earlier matches that takes most of the default's time.
constexpr int kCompressionStrategy = Z_RLE;

/// zlib slides its hash table along the whole picture although runs need
/// none; a small table (and symbol buffer) makes that cheap: a page at 600
/// pixels per inch is written in two thirds of the time of the default
/// level 8, in a file of the same size.
constexpr int kCompressionMemoryLevel = 4;

/// A page row usually repeats the row above it; the Up filter turns such a
/// row into zeros, which compress to almost nothing, and costs one
/// subtraction a byte where trying every filter costs five.
constexpr int kRowFilter = PNG_FILTER_UP;

void writeToDevice(png_structp png, png_bytep data, size_t length)
{
    auto *device = static_cast<QIODevice *>(png_get_io_ptr(png));
    if (device->write(reinterpret_cast<const char *>(data), qint64(length)) != qint64(length))
        png_error(png, "the file cannot be written");
}

void flushNothing(png_structp)
{}

/// libpng reports its errors by jumping back to the last setjmp; each step
/// that can fail runs behind one, so that a failure becomes a false result.
template <typename Step> bool guarded(png_structp png, const Step &step)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    step();
    return true;
}

/// How the pixels of the page go into the file.
enum class PngColors { Rgb, Grey };

/// One PNG file being written through libpng, row by row, from rows of
/// 32-bit pixels of QImage::Format_RGB32.
class PngStream
{
public:
    explicit PngStream(QIODevice &device)
    {
        m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        if (m_png)
            m_info = png_create_info_struct(m_png);
        if (m_info)
            png_set_write_fn(m_png, &device, writeToDevice, flushNothing);
    }
    ~PngStream() { png_destroy_write_struct(&m_png, &m_info); }
    PngStream(const PngStream &) = delete;
    PngStream &operator=(const PngStream &) = delete;

    /// Writes the header of a picture of `size`, held as 24-bit RGB or, for
    /// a page of greys only, as 8-bit grey.
    bool begin(QSize size, int dotsPerMeter, PngColors colors)
    {
        m_colors = colors;
        if (colors == PngColors::Grey)
            m_greyRow.resize(size.width());
        return m_info && guarded(m_png, [&] {
                   png_set_IHDR(m_png, m_info, png_uint_32(size.width()), png_uint_32(size.height()), 8,
                                colors == PngColors::Grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB,
                                PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
                   png_set_pHYs(m_png, m_info, png_uint_32(dotsPerMeter), png_uint_32(dotsPerMeter),
                                PNG_RESOLUTION_METER);
                   png_set_compression_strategy(m_png, kCompressionStrategy);
                   png_set_compression_mem_level(m_png, kCompressionMemoryLevel);
                   png_set_filter(m_png, PNG_FILTER_TYPE_BASE, kRowFilter);
                   png_write_info(m_png, m_info);
                   if (colors == PngColors::Rgb) {
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
                       // Format_RGB32 keeps a pixel as 0xffRRGGBB: blue first in memory.
                       png_set_bgr(m_png);
                       png_set_filler(m_png, 0, PNG_FILLER_AFTER);
#else
                       png_set_filler(m_png, 0, PNG_FILLER_BEFORE);
#endif
                   }
               });
    }

    bool writeRows(const QImage &band, int rows)
    {
        return guarded(m_png, [&] {
            for (int y = 0; y < rows; ++y)
                png_write_row(m_png, m_colors == PngColors::Grey ? greyRow(band, y) : band.constScanLine(y));
        });
    }

    bool end()
    {
        return guarded(m_png, [&] { png_write_end(m_png, nullptr); });
    }

private:
    /// Row `y` of a band of greys as one byte a pixel.
    const uchar *greyRow(const QImage &band, int y)
    {
        const auto *pixels = reinterpret_cast<const QRgb *>(band.constScanLine(y));
        for (qsizetype x = 0; x < m_greyRow.size(); ++x)
            m_greyRow[x] = uchar(qBlue(pixels[x]));
        return m_greyRow.data();
    }

    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    PngColors m_colors = PngColors::Rgb;
    QList<uchar> m_greyRow;
};

/// Paints the band of the page that begins at row `top` into `band`.
void paintBand(QImage &band, int top, const std::function<void(QPainter &)> &paint)
{
    band.fill(Qt::white);
    QPainter painter(&band);
    painter.translate(0, -top);
    painter.setClipRect(QRect(0, top, band.width(), band.height()));
    paint(painter);
}

/// Whether every pixel of the page is a grey. A page without colour goes
/// into a third of the bytes, which zlib packs in a third of the time; that
/// pays for painting it twice, as painting is a small part of the time.
/// A page with colour is painted again only up to its first coloured band.
bool pageIsGrey(QImage &band, int height, const std::function<void(QPainter &)> &paint)
{
    for (int top = 0; top < height; top += band.height()) {
        paintBand(band, top, paint);
        if (!band.allGray())
            return false;
    }
    return true;
}

} // namespace

void writePngInBands(const QString &fileName, QSize size, int dotsPerMeter,
                     const std::function<void(QPainter &)> &paint)
{
    QSaveFile file(fileName);
    // The file knows why it could not be written; a picture that cannot be
    // made has no reason to give.
    const auto cannotCreate = [&file] {
        return QmError::cannotCreateFile(file.fileName(),
                                         file.error() == QFileDevice::NoError ? QString() : file.errorString());
    };
    if (size.isEmpty())
        throw cannotCreate();
    const int bandRows =
        int(qBound(qsizetype(1), kBandBytes / (qsizetype(size.width()) * 4), qsizetype(size.height())));
    QImage band(size.width(), bandRows, QImage::Format_RGB32);
    // Unbuffered, so that a write cut short by a full disk fails here rather
    // than passing unnoticed through the buffer to commit().
    if (band.isNull() || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw cannotCreate();
    band.setDotsPerMeterX(dotsPerMeter);
    band.setDotsPerMeterY(dotsPerMeter);
    const PngColors colors = pageIsGrey(band, size.height(), paint) ? PngColors::Grey : PngColors::Rgb;
    PngStream png(file);
    if (!png.begin(size, dotsPerMeter, colors))
        throw cannotCreate();
    for (int top = 0; top < size.height(); top += bandRows) {
        paintBand(band, top, paint);
        if (!png.writeRows(band, qMin(bandRows, size.height() - top)))
            throw cannotCreate();
    }
    if (!png.end() || !file.commit())
        throw cannotCreate();
}

} // namespace qm
