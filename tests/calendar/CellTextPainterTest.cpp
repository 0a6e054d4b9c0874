#include "calendar/CellTextPainter.h"

#include "calendar/CalendarModel.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qm;

namespace {

/// Fills `document` with `lines` paragraphs of 12-point Arial, `font` being its font number.
void setText(TQmRTFTextIo &document, int lines, quint8 font = 0)
{
    document.Clear();
    document.Header().fonts[0].name = "Arial";
    TAttr attr;
    attr.fontNumber = font;
    attr.size = 12;
    attr.flags = TAttr::Bold;
    TParagraph *paragraph = document.FirstParagraph();
    for (int i = 0; i < lines; ++i) {
        if (i > 0)
            paragraph = document.NewParagraph(paragraph, 100);
        TTextLine *line = paragraph->firstLine();
        for (char character : QByteArrayView("Wm 12"))
            line = document.AppendCharacter(paragraph, line, character, attr, 60);
    }
}

/// Appends `image` as a picture of `pixels` screen pixels at 100 % (15 twips each).
void addPicture(TQmRTFTextIo &document, const QImage &image, QSize pixels)
{
    TTextObject *object = document.CreateObject(Graphic::fromBitmap(image), TQmRTFText::AutomaticTag);
    object->width = pixels.width() * 15;
    object->height = pixels.height() * 15;
    TAttr attr;
    attr.flags = TAttr::Object;
    attr.tag = object->tag;
    document.AppendCharacter(document.FirstParagraph(), document.FirstParagraph()->firstLine(), 1, attr, 60);
}

QImage drawn(CalendarModel &calendar)
{
    QImage image(calendar.ScaledPageSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    calendar.DrawPage(painter);
    return image;
}

/// Pixels that differ between the two images, per cell free rectangle (index
/// 0 for pixels outside every free rectangle of a cell with text).
std::array<int, kCellCount + 1> differences(const CalendarModel &calendar, const QImage &a, const QImage &b)
{
    std::array<int, kCellCount + 1> counts{};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            int owner = 0;
            for (int cell = 1; cell <= kCellCount && owner == 0; ++cell) {
                if (!calendar.Cells(cell).RtfText().IsEmpty() && calendar.CellRecordOf(cell).rFree.contains(x, y))
                    owner = cell;
            }
            ++counts[size_t(owner)];
        }
    }
    return counts;
}

int pixelsNotOf(const QImage &image, const QRect &rect, QColor color)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixelColor(x, y) != color;
    }
    return count;
}

class MonthGridText : public testing::TestWithParam<int>
{
};

TEST_P(MonthGridText, SitsInsideEachFreeRectangle)
{
    CalendarModel calendar;
    calendar.SetMagnification(GetParam());
    const QImage blank = drawn(calendar);
    for (int cell = 1; cell <= kCellCount; cell += 5)
        setText(calendar.Cells(cell).RtfText(), 2);
    const QImage written = drawn(calendar);

    const std::array<int, kCellCount + 1> counts = differences(calendar, blank, written);
    EXPECT_EQ(counts[0], 0) << "pixels changed outside the cells' free rectangles";
    for (int cell = 1; cell <= kCellCount; cell += 5)
        EXPECT_GT(counts[size_t(cell)], 0) << "cell " << cell;
}

INSTANTIATE_TEST_SUITE_P(Zooms, MonthGridText, testing::Values(100, 70, 30));

TEST(CellText, CentredNumbersLeaveNoRoomForText)
{
    CalendarModel calendar;
    calendar.SetNumberPosition(cnpCenter);
    const QImage blank = drawn(calendar);
    for (int cell = 1; cell <= kCellCount; ++cell)
        setText(calendar.Cells(cell).RtfText(), 3);
    EXPECT_EQ(drawn(calendar), blank);
    EXPECT_TRUE(calendar.HasCellText());
}

TEST(CellText, TextThatDoesNotFitEndsAfterTheLastWholeLine)
{
    TQmRTFTextIo document;
    setText(document, 5);
    CellTextPainter painter;
    QImage page(120, 120, QImage::Format_RGB32);
    page.fill(Qt::yellow);
    QPainter canvas(&page);
    // Lines of 12-point Arial are 18 pixels high: two fit into the 45 rows
    // of the cell image, the third would end at row 54.
    EXPECT_TRUE(painter.paintOnScreen(canvas, document, TRect{10, 10, 110, 54}, 100, 96,
                                      CellTextPainter::Options::SetForMonthGrid));
    canvas.end();
    EXPECT_GT(pixelsNotOf(page, QRect(10, 10, 100, 35), Qt::white), 0);
    EXPECT_EQ(pixelsNotOf(page, QRect(10, 47, 100, 7), Qt::white), 0);
    EXPECT_EQ(pixelsNotOf(page, QRect(0, 54, 120, 66), Qt::yellow), 0);
    EXPECT_EQ(pixelsNotOf(page, QRect(110, 0, 10, 120), Qt::yellow), 0);
}

TEST(CellText, StretchingIntoTheFreeRectangleLosesNoStroke)
{
    // A picture as large as the cell image, framed in black: the frame's
    // last row and column fall out of the free rectangle and must be kept.
    TQmRTFTextIo document;
    setText(document, 0);
    QImage framed(41, 21, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter frame(&framed);
    frame.setPen(Qt::black);
    frame.drawRect(0, 0, 40, 20);
    frame.end();
    addPicture(document, framed, framed.size());

    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::yellow);
    QPainter canvas(&page);
    CellTextPainter painter;
    ASSERT_TRUE(painter.paintOnScreen(canvas, document, TRect{10, 10, 50, 30}, 100, 96,
                                      CellTextPainter::Options::SetForMonthGrid));
    canvas.end();
    for (const QRect &edge : {QRect(10, 10, 40, 1), QRect(10, 29, 40, 1), QRect(10, 10, 1, 20), QRect(49, 10, 1, 20)})
        EXPECT_EQ(pixelsNotOf(page, edge, Qt::black), 0) << edge.x() << "," << edge.y();
    EXPECT_EQ(pixelsNotOf(page, QRect(11, 11, 38, 18), Qt::white), 0);
    EXPECT_EQ(pixelsNotOf(page, QRect(0, 30, 60, 10), Qt::yellow), 0);
    EXPECT_EQ(pixelsNotOf(page, QRect(50, 0, 10, 40), Qt::yellow), 0);
}

/// Whether an image drawn at twice the pixel ratio shows detail finer than a
/// logical pixel inside `logical`: an image enlarged from the logical size
/// repeats each of its pixels in a block of 2 x 2.
bool hasDevicePixelDetail(const QImage &image, const QRect &logical)
{
    for (int y = logical.top() * 2; y <= logical.bottom() * 2; y += 2) {
        for (int x = logical.left() * 2; x <= logical.right() * 2; x += 2) {
            if (image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1))
                return true;
        }
    }
    return false;
}

TEST(CellText, TwiceThePixelRatioPaintsTextAndPicturesInDevicePixels)
{
    TQmRTFTextIo text;
    setText(text, 2);
    // A picture of one-pixel squares, twice as many pixels as its logical size.
    TQmRTFTextIo picture;
    setText(picture, 0);
    QImage squares(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < squares.height(); ++y)
        for (int x = 0; x < squares.width(); ++x)
            squares.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    addPicture(picture, squares, QSize(20, 20));

    for (const auto &[name, document] : {std::pair{"text", &text}, std::pair{"picture", &picture}}) {
        QImage page(240, 160, QImage::Format_RGB32);
        page.setDevicePixelRatio(2);
        page.fill(Qt::white);
        QPainter canvas(&page);
        CellTextPainter painter;
        ASSERT_TRUE(painter.paintOnScreen(canvas, *document, TRect{10, 10, 110, 70}, 100, 96,
                                          CellTextPainter::Options::SetForMonthGrid));
        canvas.end();
        EXPECT_TRUE(hasDevicePixelDetail(page, QRect(10, 10, 100, 60))) << name;
        // The cell stays in its rectangle, which ends at device pixel 220 across and 140 down.
        EXPECT_EQ(pixelsNotOf(page, QRect(0, 140, 240, 20), Qt::white), 0) << name;
        EXPECT_EQ(pixelsNotOf(page, QRect(220, 0, 20, 160), Qt::white), 0) << name;
    }
}

TEST(CellText, AKeptCellImageTakesTheResolutionOfTheCellPaintedNow)
{
    TQmRTFTextIo document;
    setText(document, 2);
    const auto painted = [&](CellTextPainter &painter, int pixelsPerInch) {
        QImage page(120, 80, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter canvas(&page);
        painter.paintOnScreen(canvas, document, TRect{10, 10, 110, 70}, 100, pixelsPerInch,
                              CellTextPainter::Options::SetForMonthGrid);
        return page;
    };
    // The same cell at 96 pixels per inch and then at 120: the painter keeps
    // its image, as the cell's size has not changed.
    CellTextPainter kept;
    painted(kept, 96);
    CellTextPainter fresh;
    EXPECT_EQ(painted(kept, 120), painted(fresh, 120));
}

TEST(CellText, PaperKeepsTheCellBackgroundUnderMonthGridText)
{
    TQmRTFTextIo document;
    setText(document, 1);
    CellTextPainter painter;
    const auto printed = [&](CellTextPainter::Options options) {
        QImage page(120, 60, QImage::Format_RGB32);
        page.fill(Qt::yellow);
        QPainter canvas(&page);
        painter.paintOnPrinter(canvas, document, TRect{0, 0, 110, 40}, options);
        return page;
    };
    painter.CellPainter().SetPrintOptions(0);
    const QImage planner = printed(CellTextPainter::Options::Keep);
    EXPECT_EQ(pixelsNotOf(planner, QRect(80, 0, 30, 18), Qt::white), 0);
    const QImage monthGrid = printed(CellTextPainter::Options::SetForMonthGrid);
    EXPECT_EQ(pixelsNotOf(monthGrid, QRect(80, 0, 30, 18), Qt::yellow), 0);
    EXPECT_GT(pixelsNotOf(monthGrid, QRect(0, 0, 60, 18), Qt::yellow), 0);
    EXPECT_EQ(painter.CellPainter().PrintOptions(), paint::PrintTransparent);
    EXPECT_EQ(painter.CellPainter().Zooming(), 100);
}

TEST(CellText, ACellThatCannotBePaintedKeepsItsBackground)
{
    CalendarModel calendar;
    const QImage blank = drawn(calendar);
    setText(calendar.Cells(8).RtfText(), 2);
    setText(calendar.Cells(9).RtfText(), 2, 150); // a font number no document may have
    setText(calendar.Cells(10).RtfText(), 2);
    const QImage written = drawn(calendar);
    const std::array<int, kCellCount + 1> counts = differences(calendar, blank, written);
    EXPECT_GT(counts[8], 0);
    EXPECT_EQ(counts[9], 0);
    EXPECT_GT(counts[10], 0);
}

TEST(CellText, PlannersPaintTheirRows)
{
    for (const TCalendarLayout layout : {loWeek, lo2Week, loDay10, loDay15}) {
        CalendarModel calendar;
        calendar.SetCalendarLayout(layout);
        calendar.SetMainCalDay(2);
        const QImage blank = drawn(calendar);
        setText(calendar.Cells(1).RtfText(), 2);
        setText(calendar.Cells(3).RtfText(), 2);
        setText(calendar.Cells(40).RtfText(), 2); // beyond the planner's rows
        const std::array<int, kCellCount + 1> counts = differences(calendar, blank, drawn(calendar));
        EXPECT_EQ(counts[0], 0) << layout;
        EXPECT_GT(counts[1], 0) << layout;
        EXPECT_GT(counts[3], 0) << layout;
    }
}

TEST(CellText, PrintingPutsTheTextOnPaper)
{
    QTemporaryDir folder;
    const auto printedSize = [&](CalendarModel &calendar, const QString &name) {
        const QString path = folder.filePath(name);
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            calendar.PrintCalendar(writer);
        }
        return QFileInfo(path).size();
    };
    CalendarModel calendar;
    const qint64 blank = printedSize(calendar, "blank.pdf");
    setText(calendar.Cells(10).RtfText(), 2);
    EXPECT_GT(printedSize(calendar, "text.pdf"), blank + 1000); // the text and its font
    calendar.SetNumberPosition(cnpCenter);
    EXPECT_LT(printedSize(calendar, "centred.pdf"), blank + 1000);
}

} // namespace

TEST(CellText, ALongTextPaintsAsItsStartDoes)
{
    // A text of a million characters whose first 10,000 are hidden: the
    // start copied first shows nothing, so the painter must take more.
    const auto fill = [](TQmRTFTextIo &document, int words) {
        document.Clear();
        document.Header().fonts[0].name = "Arial";
        TAttr hidden;
        hidden.flags = TAttr::Hidden;
        TParagraph *paragraph = document.FirstParagraph();
        const std::u16string hiddenText(10000, u'h');
        TTextLine *line = document.AppendCharacters(paragraph, paragraph->firstLine(), hiddenText.data(), nullptr,
                                                    hidden, int(hiddenText.size()), 100);
        for (int i = 0; i < words; ++i)
            line = document.AppendCharacters(paragraph, line, u"word ", nullptr, TAttr(), 5, 100);
    };
    const auto paint = [](const TQmRTFTextIo &document) {
        CellTextPainter painter;
        QImage page(120, 120, QImage::Format_RGB32);
        page.fill(Qt::yellow);
        QPainter canvas(&page);
        painter.paintOnScreen(canvas, document, TRect{10, 10, 110, 110}, 100, 96,
                              CellTextPainter::Options::SetForMonthGrid);
        return page;
    };
    TQmRTFTextIo whole;
    fill(whole, 200000);
    TQmRTFTextIo start;
    fill(start, 100);
    const QImage painted = paint(whole);
    EXPECT_GT(pixelsNotOf(painted, QRect(10, 10, 100, 100), Qt::white), 0);
    EXPECT_EQ(painted, paint(start));
}
