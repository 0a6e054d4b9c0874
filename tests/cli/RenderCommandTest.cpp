#include "CliTestSupport.h"
#include "platform/QmError.h"
#include "richtext/QmRtfStrings.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace qm::cli;

class RenderCommand : public CliFilesTest
{
};

namespace {

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += isDark(image.pixel(x, y));
    }
    return count;
}

/// The rows of `area` that are dark nearly all across: the lines of a grid or table.
int lineRows(const QImage &image, const QRect &area)
{
    int lines = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        lines += darkPixels(image, {area.left(), y, area.width(), 1}) >= area.width() * 9 / 10;
    return lines;
}

/// The largest difference of one colour channel between two pictures of one size.
int largestDifference(const QImage &first, const QImage &second)
{
    int largest = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb a = first.pixel(x, y);
            const QRgb b = second.pixel(x, y);
            largest = std::max(
                {largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return largest;
}

} // namespace

TEST_F(RenderCommand, BitmapsAreThePageAtTheZoom)
{
    // A new calendar has half-inch margins; `title` lies inside the title's
    // text and clear of every line and mini-calendar.
    struct Row {
        const char *file;
        QStringList options;
        QSize size;
        int margin;
        QRect title;
    };
    const Row rows[] = {
        {"page.png", {}, {1056, 816}, 48, {300, 90, 456, 70}},
        {"page.bmp", {"--zoom", "30"}, {317, 245}, 14, {90, 27, 137, 21}},
        {"portrait.png", {"--layout", "0", "--paper", "a4"}, {794, 1122}, 48, {250, 110, 294, 60}},
        {"upper.PNG", {"--layout", "21", "--zoom", "70"}, {571, 739}, 33, {200, 40, 170, 15}},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(run(runRender, QStringList{path(row.file)} + row.options), kSuccess) << row.file;
        const QImage image(path(row.file));
        ASSERT_EQ(image.size(), row.size) << row.file;
        const QRect content = image.rect().adjusted(row.margin, row.margin, -row.margin, -row.margin);
        EXPECT_EQ(darkPixels(image, image.rect()) - darkPixels(image, content), 0) << row.file << ": the margins";
        EXPECT_GT(darkPixels(image, row.title), 0) << row.file << ": the title";
        EXPECT_GE(lineRows(image, content), 7) << row.file << ": the grid";
    }
}

TEST_F(RenderCommand, PdfPagesHaveTheCalendarsPaperAndOrientation)
{
    struct Row {
        const char *file;
        QStringList options;
        const char *mediaBox;
    };
    const Row rows[] = {
        {"letter.pdf", {"--layout", "0"}, "/MediaBox [0 0 612.000000 792.000000]"},
        {"a4-landscape.pdf",
         {"--layout", "17", "--paper", "a4", "--dpi", "150"},
         "/MediaBox [0 0 842.000000 595.000000]"},
    };
    for (const Row &row : rows) {
        ASSERT_EQ(run(runRender, QStringList{path(row.file)} + row.options), kSuccess) << row.file;
        QFile file(path(row.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF")) << row.file;
        EXPECT_TRUE(pdf.contains(row.mediaBox)) << row.file;
        EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1) << row.file; // one page
    }
}

TEST_F(RenderCommand, AnUnwritableFileIsAFailureNamingIt)
{
    for (const char *name : {"missing/page.png", "missing/page.pdf"}) {
        try {
            run(runRender, {path(name)});
            ADD_FAILURE() << name << " was written";
        } catch (const QmError &error) {
            EXPECT_EQ(error.message(), "Cannot create file " + path(name));
        }
    }
}

TEST_F(RenderCommand, NeedsOneFileOfAKnownKind)
{
    const QStringList bad[] = {{}, {"page.gif"}, {"page"}, {"a.png", "b.png"}, {"a.pdf", "--dpi", "10"}};
    for (const QStringList &arguments : bad)
        EXPECT_THROW(run(runRender, arguments), UsageError) << arguments.join(' ').toStdString();
}

TEST_F(RenderCommand, ADocumentIsDrawnAsItWasSaved)
{
    const auto page = [](TCalendarLayout layout) {
        return [=](CalendarModel &calendar) {
            calendar.SetCalendarLayout(layout);
            calendar.SetMainCalDay(9);
            calendar.SetTitleBGColor(qm::clYellow);
            calendar.SetMagnification(70); // not stored
            // Text in every cell, so that some lies across the edges of the
            // bands in which PNG files are painted.
            for (int cell = 1; cell <= 42; ++cell) {
                TQmRTFTextIo text;
                TQmRtfStrings(text).Add("Standup meeting");
                TQmRtfStrings(text).Add("and a second line");
                calendar.Cells(cell).SetRtfText(text);
            }
        };
    };
    const QString document = save("month.QMF", page(loFullCalendar));
    // A day planner has no coloured title band. A page of greys only is
    // written in a smaller form, which must keep every pixel too.
    const QString grey = save("day.QMF", page(loDay15));
    const std::pair<QString, const char *> renders[] = {{document, "96"}, {document, "300"}, {grey, "300"}};
    for (const auto &[file, pixelsPerInch] : renders) {
        SCOPED_TRACE(file.toStdString() + " at " + pixelsPerInch);
        ASSERT_EQ(run(runRender, {file, path("page.png"), "--ppi", pixelsPerInch}), kSuccess);
        CalendarModel expected;
        expected.LoadCalendarFromFile(file);
        const QImage written = QImage(path("page.png")).convertToFormat(QImage::Format_RGB32);
        const QImage wanted = expected.MakeBitmap();
        ASSERT_EQ(written.size(), wanted.size());
        // Glyph outlines cut by a band's edge may round an edge pixel one level apart.
        EXPECT_LE(largestDifference(written, wanted), 1);
        EXPECT_EQ(written.dotsPerMeterX(), expected.bitmapDotsPerMeter());
    }
    qm::Environment::pinScreenPixelsPerInch(96);

    ASSERT_EQ(run(runRender, {document, path("small.bmp"), "--zoom", "30"}), kSuccess);
    EXPECT_EQ(QImage(path("small.bmp")).size(), QSize(245, 317));
    EXPECT_THROW(run(runRender, {document, path("a.png"), path("b.png")}), UsageError);
    EXPECT_THROW(run(runRender, {path("page.png"), path("b.png")}), UsageError);
}
