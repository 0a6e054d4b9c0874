#include "CliTestSupport.h"
#include "platform/QmError.h"

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
    const QString document = save("day.QMF", [](CalendarModel &calendar) {
        calendar.SetCalendarLayout(loDay15);
        calendar.SetMainCalDay(9);
        calendar.SetTitleBGColor(qm::clYellow);
        calendar.SetMagnification(70); // not stored
    });
    ASSERT_EQ(run(runRender, {document, path("day.png")}), kSuccess);
    CalendarModel expected;
    expected.LoadCalendarFromFile(document);
    EXPECT_EQ(QImage(path("day.png")), expected.MakeBitmap().convertToFormat(QImage(path("day.png")).format()));

    ASSERT_EQ(run(runRender, {document, path("small.bmp"), "--zoom", "30"}), kSuccess);
    EXPECT_EQ(QImage(path("small.bmp")).size(), QSize(245, 317));
    EXPECT_THROW(run(runRender, {document, path("a.png"), path("b.png")}), UsageError);
    EXPECT_THROW(run(runRender, {path("day.png"), path("b.png")}), UsageError);
}
