#include "richtext/QmRTFTextPaint.h"

#include "ErrorText.h"
#include "PaintTestDocuments.h"
#include "ReadRtf.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace qm::test;

namespace {

/// Lays `document` out `width` pixels wide for a 96-pixel-per-inch image at `zoom`.
void layOut(TQmRTFTextPaint &document, int width, int zoom = 100)
{
    QImage image = filledImage(QSize(8, 8), Qt::white);
    QPainter painter(&image);
    document.SetZooming(zoom);
    document.SetCanvas(&painter);
    document.SetLayoutWidth(width);
    document.UpdateLayout();
    document.SetCanvas(nullptr);
}

int widthOf(const TQmRTFTextPaint &document, char code)
{
    for (const TTextLine *line : allLines(document)) {
        for (int i = 0; i < line->length; ++i) {
            if (line->text()[i] == code)
                return line->attributes()[i].width;
        }
    }
    return -1;
}

int usedWidth(const TTextLine &line)
{
    int width = 0;
    for (int i = 0; i < line.length; ++i)
        width += line.attributes()[i].width;
    return width;
}

// Line breaking ---------------------------------------------------------------

struct WrapCase {
    const char *name;
    QByteArray text;
    int width;
    QStringList lines;
};

class Wrapping : public testing::TestWithParam<WrapCase>
{
};

TEST_P(Wrapping, BreaksLinesAsAWordProcessorDoes)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {GetParam().text});
    layOut(document, GetParam().width);
    EXPECT_EQ(lineTexts(document), GetParam().lines);
}

// At 12 points and 96 pixels per inch a digit is 9 pixels wide and a space 4.
INSTANTIATE_TEST_SUITE_P(
    Rules, Wrapping,
    testing::Values(WrapCase{"FitsOnOneLine", "11 22", 200, {"11 22"}},
                    WrapCase{"BreaksAfterTheLastSpace", "11 22 33", 60, {"11 22 ", "33"}},
                    WrapCase{"SpacesHangPastTheWidth", "1111    22", 40, {"1111    ", "22"}},
                    WrapCase{"LongWordBrokenBetweenCharacters", "1111111111", 40, {"1111", "1111", "11"}},
                    WrapCase{"ForcedBreaksEndLines", "11\n22\n\n33", 200, {"11\n", "22\n", "\n", "33"}},
                    WrapCase{"WidthBelowOneCountsAsSixteen", "111", 0, {"1", "1", "1"}},
                    WrapCase{"EveryLineHoldsACharacter", "1", 3, {"1"}}),
    [](const testing::TestParamInfo<WrapCase> &info) { return std::string(info.param.name); });

TEST(QmRTFTextPaint, LongWordPiecesStayBelowTheAvailableWidth)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"});
    layOut(document, 57);
    QString joined;
    for (const TTextLine *line : allLines(document)) {
        EXPECT_GE(line->length, 1);
        EXPECT_LT(usedWidth(*line) - (line->text()[line->length - 1] == ' ' ? 4 : 0), 57);
        joined += line->chars();
    }
    EXPECT_EQ(joined, "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(QmRTFTextPaint, TabsAdvanceToTheNextStop)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"1\t2\t3"});
    layOut(document, 400);
    const int digit = widthOf(document, '1');
    const int interval = document.DefaultTabWidth();
    ASSERT_EQ(interval, 32); // a third of an inch at 96 pixels per inch
    const TTextLine *line = document.FirstParagraph()->firstLine();
    EXPECT_EQ(line->attributes()[1].width, interval - digit);
    EXPECT_EQ(line->attributes()[3].width, interval - digit);

    // A stop of the paragraph wins over the default interval.
    document.FirstParagraph()->tabMask = document.AddTab(1440, tkLeft);
    document.FirstParagraph()->markForLayout();
    layOut(document, 400);
    EXPECT_EQ(line->attributes()[1].width, 96 - digit);
    // Past the last stop the default interval goes on: 96 + digit to 128.
    EXPECT_EQ(line->attributes()[3].width, 128 - 96 - digit);
}

// Zoom ------------------------------------------------------------------------

TEST(QmRTFTextPaint, ZoomTwoHundredDoublesEveryMeasureAndKeepsTheBreaks)
{
    // 12 points is 16 pixels at 96 pixels per inch and 32 at 192.
    const auto build = [](TQmRTFTextPaint &document) {
        setParagraphs(document, {"11 22 33 44 55", "indented text that wraps"});
        document.LastParagraph()->leftIndent = 720;
        document.LastParagraph()->firstIndent = 720;
        TTextObject *object = document.CreateObject(qm::Graphic(), TQmRTFText::AutomaticTag);
        object->width = 1440;
        object->height = 720;
        appendRun(document, document.FirstParagraph(), "\x01", attr(0, 12, TAttr::Object, object->tag));
    };
    TQmRTFTextPaint normal;
    TQmRTFTextPaint zoomed;
    build(normal);
    build(zoomed);
    layOut(normal, 90, 100);
    layOut(zoomed, 180, 200);

    EXPECT_EQ(normal.LayoutResolutionY(), 96);
    EXPECT_EQ(zoomed.LayoutResolutionY(), 192);
    EXPECT_EQ(lineTexts(zoomed), lineTexts(normal));
    const std::vector<const TTextLine *> small = allLines(normal);
    const std::vector<const TTextLine *> large = allLines(zoomed);
    ASSERT_EQ(small.size(), large.size());
    for (size_t i = 0; i < small.size(); ++i) {
        EXPECT_NEAR(large[i]->height, 2 * small[i]->height, 1) << "line " << i;
        EXPECT_EQ(large[i]->left, 2 * small[i]->left) << "line " << i;
    }
    EXPECT_EQ(widthOf(zoomed, '\x01'), 2 * widthOf(normal, '\x01'));
    EXPECT_EQ(widthOf(normal, '\x01'), 96);
    EXPECT_EQ(small.back()->left, 48); // half an inch of indent
}

TEST(QmRTFTextPaint, ZoomOfZeroOrLessMeansOneHundred)
{
    TQmRTFTextPaint document;
    document.SetZooming(250);
    document.SetZooming(0);
    EXPECT_EQ(document.Zooming(), 100);
    document.SetZooming(-5);
    EXPECT_EQ(document.Zooming(), 100);
    EXPECT_EQ(document.LayoutResolutionX(), 96);
}

// PaintLines ------------------------------------------------------------------

struct Painted {
    int result;
    QImage image;
};

Painted paint(TQmRTFTextPaint &document, int height, QColor ground = Qt::yellow, int firstLine = 0)
{
    QImage image = filledImage(QSize(120, 80), ground);
    QPainter painter(&image);
    const int result = document.PaintLines(&painter, 10, TQmRTFTextPaint::pmPaint, firstLine, height, 100, 5);
    painter.end();
    return {result, image};
}

int lineHeight(TQmRTFTextPaint &document, int index)
{
    layOut(document, 100);
    return allLines(document).at(size_t(index))->height;
}

TEST(QmRTFTextPaint, AFirstLineTallerThanTheAreaIsPaintedAlone)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11"});
    Painted painted = paint(document, 4);
    EXPECT_EQ(painted.result, 1);
    EXPECT_GT(pixelsNotOf(painted.image, QRect(10, 5, 100, 4), Qt::white), 0);

    setParagraphs(document, {"11", "22"});
    EXPECT_EQ(paint(document, 4).result, 1);
    EXPECT_EQ(paint(document, 4, Qt::yellow, 1).result, 2);
}

TEST(QmRTFTextPaint, AnEmptyDocumentPaintsNothing)
{
    TQmRTFTextPaint document;
    Painted painted = paint(document, 60);
    EXPECT_EQ(painted.result, 0);
    EXPECT_EQ(pixelsNotOf(painted.image, painted.image.rect(), Qt::yellow), 0);
}

TEST(QmRTFTextPaint, PaintsTheLinesThatFitWhole)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11", "22", "33"});
    const int height = lineHeight(document, 0);
    ASSERT_EQ(lineHeight(document, 1), height);

    Painted exact = paint(document, 2 * height);
    EXPECT_EQ(exact.result, 2);
    EXPECT_GT(pixelsNotOf(exact.image, QRect(10, 5 + height, 100, height), Qt::white), 0);
    EXPECT_EQ(pixelsNotOf(exact.image, QRect(0, 5 + 2 * height, 120, 80), Qt::yellow), 0);

    EXPECT_EQ(paint(document, 2 * height - 1).result, 1);
    EXPECT_EQ(paint(document, 3 * height).result, 0);
    EXPECT_EQ(paint(document, 3 * height, Qt::yellow, 7).result, 0);
}

TEST(QmRTFTextPaint, PrintOptionFourLeavesTheGroundAndZeroFillsWhite)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"1"});
    const int height = lineHeight(document, 0);
    const QRect rightOfText(40, 5, 70, height);

    document.SetPrintOptions(qm::paint::PrintTransparent);
    Painted transparent = paint(document, 60);
    EXPECT_EQ(pixelsNotOf(transparent.image, rightOfText, Qt::yellow), 0);
    EXPECT_GT(pixelsNotOf(transparent.image, QRect(10, 5, 30, height), Qt::yellow), 0);

    document.SetPrintOptions(0);
    Painted opaque = paint(document, 60);
    EXPECT_EQ(pixelsNotOf(opaque.image, rightOfText, Qt::white), 0);
    EXPECT_EQ(pixelsNotOf(opaque.image, QRect(10, 5 + height, 100, 10), Qt::yellow), 0);
}

TEST(QmRTFTextPaint, PaintLinesRestoresTheEngineAndFailsBeforeDrawing)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11"}, attr(150, 12));
    QImage image = filledImage(QSize(50, 50), Qt::yellow);
    QPainter painter(&image);
    document.SetPaintFlags(qm::paint::NoCaret);
    EXPECT_EQ(errorText([&] { document.PaintLines(&painter, 0, TQmRTFTextPaint::pmPaint, 0, 50, 50, 0); }),
              "Folium -\tSystem Error");
    painter.end();
    EXPECT_EQ(pixelsNotOf(image, image.rect(), Qt::yellow), 0);
    EXPECT_EQ(document.Canvas(), nullptr);
    EXPECT_EQ(document.PaintFlags(), quint32(qm::paint::NoCaret));
}

TEST(QmRTFTextPaint, APrintRunKeepsItsSettingsUntilItEnds)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11", "22"});
    QImage image = filledImage(QSize(100, 100), Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(document.PaintLines(&painter, 3, TQmRTFTextPaint::pmBeginPrint, 0, 40, 90, 4), 0);
    EXPECT_EQ(document.PaintFlags(), qm::paint::flagsForPrintOptions(0));
    EXPECT_EQ(document.PaintLines(&painter, 3, TQmRTFTextPaint::pmPaint, 0, 40, 90, 4), 0);
    EXPECT_EQ(document.Canvas(), &painter);
    EXPECT_EQ(document.PaintLines(&painter, 0, TQmRTFTextPaint::pmEndPrint, 0, 0, 0, 0), 0);
    EXPECT_EQ(document.PaintFlags(), 0u);
    EXPECT_EQ(document.Canvas(), nullptr);
}

TEST(QmRTFTextPaint, ObjectsStandOnTheLineInTheirSize)
{
    // One inch by half an inch: 96 x 48 pixels, standing on the bottom of the line.
    TQmRTFTextPaint document;
    setParagraphs(document, {});
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    TTextObject *picture = document.CreateObject(qm::Graphic::fromBitmap(red), TQmRTFText::AutomaticTag);
    TTextObject *missing = document.CreateObject(qm::Graphic(), TQmRTFText::AutomaticTag);
    for (TTextObject *object : {picture, missing}) {
        object->width = 1440;
        object->height = 720;
        appendRun(document, document.FirstParagraph(), "\x01", attr(0, 12, TAttr::Object, object->tag));
    }
    QImage image = filledImage(QSize(200, 60), Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(document.PaintLines(&painter, 0, TQmRTFTextPaint::pmPaint, 0, 60, 200, 0), 0);
    painter.end();

    EXPECT_EQ(pixelsNotOf(image, QRect(0, 0, 96, 48), Qt::red), 0);
    EXPECT_EQ(pixelsNotOf(image, QRect(0, 48, 96, 12), Qt::white), 0);
    // The object without a picture: its frame and both diagonals.
    for (QPoint black : {QPoint(96, 0), QPoint(191, 47), QPoint(143, 0), QPoint(96, 47), QPoint(191, 0)})
        EXPECT_EQ(image.pixelColor(black), QColor(Qt::black)) << black.x() << "," << black.y();
    EXPECT_GT(pixelsNotOf(image, QRect(142, 22, 5, 5), Qt::white), 0); // where the diagonals cross
    EXPECT_EQ(image.pixelColor(120, 30), QColor(Qt::white));
    ASSERT_EQ(document.PaintedObjects().size(), 2u);
    EXPECT_EQ(document.PaintedObjects().back().rect, QRect(96, 0, 96, 48));
}

TEST(QmRTFTextPaint, ScrollingStaysInsideTheDocument)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11", "22", "33", "44"});
    layOut(document, 100);
    const int height = document.DocumentHeight();
    document.SetPaintHeight(height / 2);
    int notified = 0;
    document.SetScrollHandler([&] { ++notified; });
    EXPECT_EQ(document.ScrollDown(height), height - height / 2);
    EXPECT_EQ(document.ScrollDown(5), 0);
    EXPECT_EQ(document.ScrollUp(3), 3);
    EXPECT_EQ(document.ScrollPosition(), QPoint(0, height - height / 2 - 3));
    EXPECT_EQ(document.ScrollLeft(10), 0);
    EXPECT_EQ(document.ScrollRight(10), 10);
    EXPECT_EQ(notified, 3);
}

// Line heights and placement -----------------------------------------------------

struct HeightCase {
    const char *name;
    int spacingOver;  ///< line spacing "at least" this many pixels more than the text; 0 automatic
    int spacingUnder; ///< line spacing "exactly" this many pixels less than the text; 0 automatic
    qint32 spaceBefore;
    qint32 spaceAfter;
    int extraHeight; ///< against automatic spacing, for a one-line paragraph
    int extraAscent;
};

class LineHeights : public testing::TestWithParam<HeightCase>
{
};

TEST_P(LineHeights, FollowSpacingAndParagraphSpace)
{
    TQmRTFTextPaint plain;
    setParagraphs(plain, {"11"});
    layOut(plain, 100);
    const int height = plain.FirstParagraph()->firstLine()->height;
    const int ascent = plain.FirstParagraph()->firstLine()->baseline;

    // At 96 pixels per inch a pixel is 15 twips.
    const HeightCase &row = GetParam();
    TQmRTFTextPaint spaced;
    setParagraphs(spaced, {"11"});
    TParagraph *paragraph = spaced.FirstParagraph();
    if (row.spacingOver != 0)
        paragraph->lineSpacing = (height + row.spacingOver) * 15;
    if (row.spacingUnder != 0)
        paragraph->lineSpacing = -(height - row.spacingUnder) * 15;
    paragraph->spaceBefore = row.spaceBefore;
    paragraph->spaceAfter = row.spaceAfter;
    layOut(spaced, 100);
    EXPECT_EQ(paragraph->firstLine()->height, height + row.extraHeight);
    EXPECT_EQ(paragraph->firstLine()->baseline, ascent + row.extraAscent);
}

INSTANTIATE_TEST_SUITE_P(Spacing, LineHeights,
                         testing::Values(HeightCase{"Automatic", 0, 0, 0, 0, 0, 0},
                                         HeightCase{"AtLeastCentresTheText", 10, 0, 0, 0, 10, 5},
                                         HeightCase{"ExactlyShrinksBothWays", 0, 4, 0, 0, -4, -2},
                                         HeightCase{"SpaceBeforeRaisesHeightAndBaseline", 0, 0, 150, 0, 10, 10},
                                         HeightCase{"SpaceAfterRaisesOnlyTheHeight", 0, 0, 0, 150, 10, 0}),
                         [](const testing::TestParamInfo<HeightCase> &info) { return std::string(info.param.name); });

TEST(QmRTFTextPaint, AlignmentPlacesLinesInTheFreeWidth)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11 ", "11 ", "11 ", "11 22 33 44 55"});
    TParagraph *right = document.FirstParagraph()->next();
    TParagraph *centred = right->next();
    TParagraph *justified = centred->next();
    right->alignment = TParagraphFormat::AlignRight;
    centred->alignment = TParagraphFormat::AlignCenter;
    justified->alignment = TParagraphFormat::AlignJustify;
    layOut(document, 61);
    const int digit = widthOf(document, '1');
    EXPECT_EQ(document.FirstParagraph()->firstLine()->left, 0);
    EXPECT_EQ(right->firstLine()->left, 61 - 2 * digit); // the trailing space does not count
    EXPECT_EQ(centred->firstLine()->left, (61 - 2 * digit) / 2);
    const TTextLine *first = justified->firstLine();
    ASSERT_NE(first->next(), nullptr);
    EXPECT_EQ(first->usedWidth + first->justifyExtra, 61 - 6);
    EXPECT_EQ(justified->lastLine()->justifyExtra, 0); // the paragraph's last line stays as it is
}

TEST(QmRTFTextPaint, LinesStackAndStartPages)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11", "22", "33", "44"});
    document.FirstParagraph()->next()->next()->flags |= TParagraphFormat::PageBreakBefore;
    layOut(document, 100);
    const std::vector<const TTextLine *> lines = allLines(document);
    int top = 0;
    for (const TTextLine *line : lines) {
        EXPECT_EQ(line->top, top);
        top += line->height;
    }
    EXPECT_EQ(document.DocumentHeight(), top);
    EXPECT_FALSE(lines[0]->flags & TTextLine::StartsPage);
    EXPECT_TRUE(lines[2]->flags & TTextLine::StartsPage);

    // A page a line and a half high: every second line starts a page, and a
    // paragraph kept together moves to the next page whole.
    const int height = lines[0]->height;
    setParagraphs(document, {"11", "22 33"});
    document.LastParagraph()->flags |= TParagraphFormat::KeepTogether;
    document.SetPageLayout(0, 0, (3 * height / 2) * 15, 1500, 0, 0);
    layOut(document, 40);
    const std::vector<const TTextLine *> kept = allLines(document);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_TRUE(kept[1]->flags & TTextLine::StartsPage);
    EXPECT_TRUE(kept[2]->flags & TTextLine::StartsPage);
}

TEST(QmRTFTextPaint, TableCellsStandSideBySideInRowsOfTheTallestCell)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"11 22 33", "44", "55"});
    TParagraph *left = document.FirstParagraph();
    TParagraph *right = left->next();
    for (TParagraph *cell : {left, right})
        cell->flags |= TParagraphFormat::TableCell;
    right->flags |= TParagraphFormat::RowEnd;
    left->cellPlacement = {127, 0, 0, 0};  // the left half of the row
    right->cellPlacement = {255, 0, 0, 0}; // up to its right end
    layOut(document, 60);

    EXPECT_EQ(lineTexts(document), (QStringList{"11 ", "22 ", "33", "44", "55"}));
    const std::vector<const TTextLine *> lines = allLines(document);
    EXPECT_EQ(lines[3]->top, 0);
    EXPECT_EQ(lines[3]->left, 30); // 60 x 127 / 255, rounded
    EXPECT_EQ(lines[4]->top, lines[2]->top + lines[2]->height);
}

// Attributes ----------------------------------------------------------------------

struct MaskCase {
    const char *name;
    quint16 mask;
    TAttr source;
    TAttr expected;
};

TAttr withFields(quint8 font, quint8 size, quint8 colors, quint32 flags)
{
    TAttr result = attr(font, size, flags);
    result.colors = colors;
    return result;
}

class AttributeMask : public testing::TestWithParam<MaskCase>
{
};

TEST_P(AttributeMask, ChangesTheNamedFields)
{
    // The target is font 1, 10 points, colours 0x21, bold, hidden and protected.
    TAttr target = withFields(1, 10, 0x21, TAttr::Bold | TAttr::Hidden | TAttr::Protected);
    TQmRTFTextPaint::ApplyMask(target, GetParam().source, GetParam().mask);
    EXPECT_EQ(target, GetParam().expected);
}

constexpr quint32 BoldHiddenProtected = TAttr::Bold | TAttr::Hidden | TAttr::Protected;

INSTANTIATE_TEST_SUITE_P(
    Table, AttributeMask,
    testing::Values(
        MaskCase{"Font", 0x01, withFields(4, 20, 0x53, TAttr::Italic), withFields(4, 10, 0x21, BoldHiddenProtected)},
        MaskCase{"Size", 0x02, withFields(4, 20, 0x53, 0), withFields(1, 20, 0x21, BoldHiddenProtected)},
        MaskCase{"TextColour", 0x04, withFields(4, 20, 0x53, 0), withFields(1, 10, 0x23, BoldHiddenProtected)},
        MaskCase{"Background", 0x08, withFields(4, 20, 0x53, 0), withFields(1, 10, 0x51, BoldHiddenProtected)},
        MaskCase{"AddFlags", 0x10, withFields(0, 0, 0, TAttr::Italic),
                 withFields(1, 10, 0x21, BoldHiddenProtected | TAttr::Italic)},
        MaskCase{"RemoveFlags", 0x80, withFields(0, 0, 0, TAttr::Bold | TAttr::Italic),
                 withFields(1, 10, 0x21, TAttr::Hidden | TAttr::Protected)},
        MaskCase{"ReplaceStyleDropsHidden", 0x20, withFields(0, 0, 0, TAttr::Underline),
                 withFields(1, 10, 0x21, TAttr::Underline | TAttr::Protected)},
        MaskCase{"ReplaceFontStyleKeepsHidden", 0x40, withFields(0, 0, 0, TAttr::Underline),
                 withFields(1, 10, 0x21, TAttr::Underline | TAttr::Hidden | TAttr::Protected)},
        MaskCase{"HigherBitsDoNothing", 0x300, withFields(4, 20, 0x53, TAttr::Italic),
                 withFields(1, 10, 0x21, BoldHiddenProtected)},
        MaskCase{"CurrentAttrMask", 0x32F, withFields(4, 20, 0x53, TAttr::Italic),
                 withFields(4, 20, 0x53, TAttr::Italic | TAttr::Protected)},
        MaskCase{"SuperscriptWinsOverSubscript", 0x10, withFields(0, 0, 0, TAttr::Superscript | TAttr::Subscript),
                 withFields(1, 10, 0x21, BoldHiddenProtected | TAttr::Superscript)}),
    [](const testing::TestParamInfo<MaskCase> &info) { return std::string(info.param.name); });

TEST(QmRTFTextPaint, ApplyAttrRemeasuresTheSelectionAndSetsTheCurrentAttribute)
{
    TQmRTFTextPaint document;
    setParagraphs(document, {"mmmm mmmm"});
    layOut(document, 400);
    TParagraph *paragraph = document.FirstParagraph();
    const int plainWidth = paragraph->firstLine()->attributes()[0].width;
    const int plainHeight = paragraph->firstLine()->height;
    document.SetSelection({{paragraph, paragraph->firstLine(), 0}, {paragraph, paragraph->firstLine(), 4}});
    int notified = 0;
    document.SetAttributesChangedHandler([&] { ++notified; });

    document.ApplyAttr(attr(0, 24, 0), TQmRTFTextPaint::amSize);
    const TTextLine *line = document.FirstParagraph()->firstLine();
    EXPECT_EQ(line->attributes()[0].size, 24);
    EXPECT_EQ(line->attributes()[5].size, 12);
    EXPECT_NEAR(line->attributes()[0].width, 2 * plainWidth, 1);
    EXPECT_GE(line->height, 2 * plainHeight - 8);
    EXPECT_EQ(document.CurrentAttr().size, 24);
    EXPECT_EQ(notified, 1);
}

} // namespace

TEST(QmRTFTextPaintTest, HostileRowsAndPicturesLayOut)
{
    // A row of 100,000 cells that never ends: each cell follows the one before.
    QByteArray row = "{\\rtf1\\trowd\\cellx2000\\cellx4000\\intbl ";
    for (int i = 0; i < 100000; ++i)
        row += "x\\cell ";
    TQmRTFTextPaint cells;
    ASSERT_EQ(qm::test::readRtf(cells, row + '}'), 0);
    cells.SetLayoutWidth(400);
    cells.UpdateLayout();
    const TParagraph *first = cells.FirstParagraph();
    EXPECT_EQ(cells.ParagraphCount(), 100001);
    EXPECT_LT(first->firstLine()->left, first->next()->firstLine()->left)
        << "the second cell stands right of the first";

    // 20,000 linked pictures, each name twice: one object per name.
    QByteArray pictures = "{\\rtf1 ";
    for (int i = 0; i < 40000; ++i)
        pictures += "{\\*\\picfile \"p" + QByteArray::number(i % 20000) + ".bmp\"}";
    TQmRTFTextPaint linked;
    ASSERT_EQ(qm::test::readRtf(linked, pictures + '}'), 0);
    EXPECT_EQ(linked.Objects().size(), 20000u);
    EXPECT_EQ(linked.FindObjectByFileName("P19999.BMP"), linked.Objects().back().get());
}
