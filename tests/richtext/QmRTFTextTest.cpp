#include "richtext/QmRTFText.h"

#include "platform/QmError.h"

#include "ErrorText.h"
#include "TestDocuments.h"

#include <gtest/gtest.h>

using qm::test::appendRun;
using qm::test::errorText;
using qm::test::paragraphText;

namespace {

TAttr attrWith(quint8 font, quint8 size, quint32 flags = 0, quint16 tag = 0)
{
    return qm::test::attr(font, size, flags, tag);
}

} // namespace

TEST(QmRTFTextTest, NewDocumentIsOneEmptyParagraph)
{
    TQmRTFText document;
    TParagraph *paragraph = document.FirstParagraph();
    ASSERT_NE(paragraph, nullptr);
    EXPECT_EQ(paragraph->next(), nullptr);
    ASSERT_NE(paragraph->firstLine(), nullptr);
    EXPECT_EQ(paragraph->firstLine()->next(), nullptr);
    EXPECT_EQ(paragraph->firstLine()->length, 0);
    EXPECT_EQ(paragraph->firstLine()->capacity(), 40);
    EXPECT_EQ(document.Header().fontCount(), 0);
    EXPECT_EQ(document.CurrentAttr().size, 10);
    EXPECT_EQ(document.MemoryFormat(), fmRichText);
    EXPECT_EQ(document.InsertPointAttr().Selector(), 0x1000u);
    EXPECT_TRUE(document.InsertPointAttr().UseTextColor());
    EXPECT_EQ(document.InsertPointAttr().TextColor(), 0x0000FF);
    EXPECT_EQ(document.HyperlinkTextAttr().Underline(), tsTRUE);
    EXPECT_EQ(document.HyperlinkTextAttr().UnderlineColor(), 0xFF0000);
    EXPECT_EQ(document.AutomaticTextAttr().Selector(), 0x2000u);
}

TEST(QmRTFTextTest, ClearKeepsOnlyTheCurrentFont)
{
    struct Row {
        const char *name;
        QStringList fonts;
        quint8 currentFont;
        quint8 currentSize;
        QString expectedFont;
        quint8 expectedSize;
    };
    const Row rows[] = {
        {"current font moves to entry 0", {"Arial", "Courier New", "Symbol"}, 1, 12, "Courier New", 12},
        {"entry 0 stays when current", {"Tahoma", "Courier New"}, 0, 0, "Tahoma", 10},
        {"empty table gets Arial", {}, 0, 8, "Arial", 8},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        for (const QString &font : row.fonts)
            document.GetFontNr(font);
        document.CurrentAttr().fontNumber = row.currentFont;
        document.CurrentAttr().size = row.currentSize;
        document.Header().colors[3] = 0x123456;
        document.Header().title = "Old";
        document.Header().addTab(720, tkLeft);
        appendRun(document, document.FirstParagraph(), "text", document.CurrentAttr());
        document.NewParagraph(document.FirstParagraph(), 10);
        document.CreateObject(qm::Graphic(), 7);

        document.Clear();

        EXPECT_EQ(document.Header().fontCount(), 1) << row.name;
        EXPECT_EQ(document.Header().fonts[0].name, row.expectedFont) << row.name;
        EXPECT_EQ(document.CurrentAttr().fontNumber, 0) << row.name;
        EXPECT_EQ(document.CurrentAttr().size, row.expectedSize) << row.name;
        EXPECT_EQ(document.Header().colors[3], 0xFF0000) << row.name;
        EXPECT_TRUE(document.Header().title.isEmpty()) << row.name;
        EXPECT_EQ(document.Header().tabs[0].twips, 0) << row.name;
        EXPECT_TRUE(document.Objects().empty()) << row.name;
        EXPECT_EQ(document.ParagraphCount(), 1) << row.name;
        EXPECT_TRUE(document.FirstParagraph()->isEmpty()) << row.name;
        EXPECT_EQ(document.FirstParagraph()->firstLine()->capacity(), 100) << row.name;
        EXPECT_EQ(document.FirstParagraph()->formatState, TParagraph::NeedsMeasure | TParagraph::NeedsBreak);
    }
}

TEST(QmRTFTextTest, ClearDoesNothingWhileLoading)
{
    TQmRTFText document;
    appendRun(document, document.FirstParagraph(), "kept", document.CurrentAttr());
    document.SetLoading(true);
    document.Clear();
    EXPECT_EQ(paragraphText(document.FirstParagraph()), "kept");
}

TEST(QmRTFTextTest, NewParagraphInheritsFormatting)
{
    TQmRTFText document;
    TParagraph *first = document.FirstParagraph();
    first->leftIndent = 720;
    first->firstIndent = 1080;
    first->rightIndent = 360;
    first->spaceBefore = 100;
    first->spaceAfter = 200;
    first->lineSpacing = -300;
    first->alignment = TParagraphFormat::AlignCenter;
    first->shading = 20;
    first->shadingColors = 0x31;
    first->tabMask = 0x5;
    first->flags = TParagraphFormat::KeepTogether;
    first->borderFlags = TParagraphFormat::Bordered | TParagraphFormat::BorderBox;
    first->borderWidth = 2;
    first->cellPlacement = {10, 20, 0, 0};

    TParagraph *second = document.NewParagraph(first, 30);
    EXPECT_EQ(first->next(), second);
    EXPECT_EQ(second->previous(), first);
    TParagraphFormat expected = first->format();
    expected.cellPlacement = {};
    EXPECT_EQ(second->format(), expected);
    EXPECT_EQ(second->firstLine()->capacity(), 30);

    first->borderFlags |= TParagraphFormat::BorderLast;
    first->flags |= TParagraphFormat::TableCell;
    TParagraph *third = document.NewParagraph(first, 30);
    EXPECT_EQ(third->borderFlags, 0) << "a closed border box is not continued";
    EXPECT_EQ(third->borderWidth, 0);
    EXPECT_EQ(third->tabMask, 0u) << "a table cell's tabs are not inherited";
    EXPECT_EQ(first->next(), third);
    EXPECT_EQ(third->next(), second);
    EXPECT_EQ(second->previous(), third);

    TParagraph *front = document.NewParagraph(nullptr, 8);
    EXPECT_EQ(document.FirstParagraph(), front);
    EXPECT_EQ(front->next(), first);
    EXPECT_EQ(first->previous(), front);
    EXPECT_EQ(front->leftIndent, 0);
}

TEST(QmRTFTextTest, NewLineCapacityAndFirstAttribute)
{
    TQmRTFText document;
    document.CurrentAttr() = attrWith(3, 14, TAttr::Bold);
    TParagraph *paragraph = document.FirstParagraph();
    TTextLine *first = paragraph->firstLine();
    TTextLine *line = document.NewLine(paragraph, first, 2);
    EXPECT_EQ(line->capacity(), 8);
    EXPECT_EQ(line->height, 16);
    EXPECT_EQ(line->attributes()[0], document.CurrentAttr());
    EXPECT_EQ(line->attributes()[1], TAttr());
    EXPECT_EQ(first->next(), line);
    EXPECT_EQ(line->previous(), first);

    TTextLine *front = document.NewLine(paragraph, nullptr, 9);
    EXPECT_EQ(paragraph->firstLine(), front);
    EXPECT_EQ(front->next(), first);
    EXPECT_EQ(first->previous(), front);
    EXPECT_EQ(paragraph->lineCount(), 3);

    document.SetMemoryFormat(fmPlainText);
    EXPECT_EQ(document.NewLine(paragraph, line, 20)->attributes(), nullptr);
}

TEST(QmRTFTextTest, ResizeLine)
{
    struct Row {
        const char *name;
        int length;
        int capacity;
        int expectedCapacity;
        int expectedLength;
    };
    const Row rows[] = {
        {"grow rounds up to even", 5, 21, 22, 5},
        {"shrink keeps what fits", 30, 11, 12, 11},
        {"the longest line", 5, 10000, 10000, 5},
        {"odd just below the limit", 5, 9999, 10000, 5},
    };
    for (const Row &row : rows) {
        TQmRTFText document;
        TParagraph *paragraph = document.FirstParagraph();
        TTextLine *line = document.NewLine(paragraph, nullptr, 40);
        for (int i = 0; i < row.length; ++i)
            line->append(char('a' + i % 26), attrWith(1, 12, 0, quint16(i)));
        document.ResizeLine(line, row.capacity);
        EXPECT_EQ(line->capacity(), row.expectedCapacity) << row.name;
        EXPECT_EQ(line->length, row.expectedLength) << row.name;
        for (int i = 0; i < line->length; ++i) {
            EXPECT_EQ(line->text()[i], char('a' + i % 26)) << row.name;
            EXPECT_EQ(line->attributes()[i].tag, i) << row.name;
        }
    }
}

TEST(QmRTFTextTest, LineOf9999CharactersAndTheLimitBeyond)
{
    TQmRTFText document;
    TParagraph *paragraph = document.FirstParagraph();
    TTextLine *line = paragraph->firstLine();
    document.ResizeLine(line, 10000);
    for (int i = 0; i < 9999; ++i)
        line->append('x', document.CurrentAttr());
    EXPECT_EQ(line->length, 9999);
    EXPECT_EQ(line->text()[9999], 0);
    EXPECT_EQ(errorText([&] { document.ResizeLine(line, 10001); }), "Line longer then\t10000 character!");
    EXPECT_EQ(line->capacity(), 10000);
    EXPECT_EQ(line->length, 9999);
    EXPECT_EQ(errorText([&] { document.NewLine(paragraph, line, 20000); }), "Line longer then\t10000 character!");
}

TEST(QmRTFTextTest, FailureTexts)
{
    TQmRTFText document;
    TTextLine *line = document.FirstParagraph()->firstLine();
    EXPECT_EQ(errorText([&] { document.AttribPtr(line, 0); }), "no error");
    document.SetMemoryFormat(fmPlainText);
    EXPECT_EQ(errorText([&] { document.AttribPtr(line, 0); }), "Error AttribPtr()");
    EXPECT_EQ(errorText([&] { document.GetLastLine(nullptr); }), "l=nil in Get_LastLine");
}

TEST(QmRTFTextTest, AppendCharacterContinuesInANewLine)
{
    TQmRTFText document;
    TParagraph *paragraph = document.FirstParagraph();
    const QByteArray text(100, 'k');
    appendRun(document, paragraph, text, attrWith(2, 9));
    EXPECT_EQ(paragraphText(paragraph), text);
    EXPECT_EQ(paragraph->firstLine()->length, 37) << "a line keeps 3 spare slots beside the terminating zero";
    EXPECT_EQ(paragraph->firstLine()->next()->capacity(), 60);
    for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
        EXPECT_LT(line->length, line->capacity());
        EXPECT_EQ(line->text()[line->length], 0);
        EXPECT_EQ(line->attributes()[0].fontNumber, 2);
    }
    document.ShrinkLines(paragraph);
    EXPECT_EQ(paragraph->firstLine()->capacity(), 40) << "37 + 2 rounded up to even";
    EXPECT_EQ(paragraphText(paragraph), text);
}

TEST(QmRTFTextTest, AppendingManyCharactersFillsLinesLikeOneByOne)
{
    TQmRTFText byCharacter;
    TQmRTFText atOnce;
    std::vector<TAttr> attributes;
    std::u16string text;
    for (int i = 0; i < 130; ++i) {
        text += char16_t('a' + i % 26);
        attributes.push_back(attrWith(quint8(i % 3), 10));
    }
    TTextLine *line = byCharacter.FirstParagraph()->firstLine();
    for (size_t i = 0; i < text.size(); ++i)
        line = byCharacter.AppendCharacter(byCharacter.FirstParagraph(), line, text[i], attributes[i], 60);
    atOnce.AppendCharacters(atOnce.FirstParagraph(), atOnce.FirstParagraph()->firstLine(), text.data(),
                            attributes.data(), TAttr(), int(text.size()), 60);

    const TTextLine *expected = byCharacter.FirstParagraph()->firstLine();
    const TTextLine *actual = atOnce.FirstParagraph()->firstLine();
    for (; expected && actual; expected = expected->next(), actual = actual->next()) {
        EXPECT_EQ(actual->chars(), expected->chars());
        EXPECT_TRUE(std::equal(actual->attributes(), actual->attributes() + actual->length, expected->attributes()));
        EXPECT_EQ(actual->text()[actual->length], 0);
    }
    EXPECT_EQ(expected, nullptr);
    EXPECT_EQ(actual, nullptr);
}

TEST(QmRTFTextTest, DeletingParagraphsAndLinesKeepsTheInvariants)
{
    TQmRTFText document;
    TParagraph *first = document.FirstParagraph();
    appendRun(document, first, "one", document.CurrentAttr());
    TParagraph *second = document.NewParagraph(first, 10);
    TParagraph *third = document.NewParagraph(second, 10);
    document.DeleteParagraph(second);
    EXPECT_EQ(first->next(), third);
    EXPECT_EQ(third->previous(), first);
    document.DeleteParagraph(first);
    EXPECT_EQ(document.FirstParagraph(), third);
    EXPECT_EQ(third->previous(), nullptr);
    document.DeleteParagraph(third);
    ASSERT_NE(document.FirstParagraph(), nullptr);
    EXPECT_TRUE(document.FirstParagraph()->isEmpty());

    TParagraph *paragraph = document.FirstParagraph();
    TTextLine *a = paragraph->firstLine();
    TTextLine *b = document.NewLine(paragraph, a, 10);
    TTextLine *c = document.NewLine(paragraph, b, 10);
    document.DeleteLine(paragraph, b);
    EXPECT_EQ(a->next(), c);
    EXPECT_EQ(c->previous(), a);
    document.DeleteLine(paragraph, a);
    EXPECT_EQ(paragraph->firstLine(), c);
    c->append('z', document.CurrentAttr());
    document.DeleteLine(paragraph, c);
    EXPECT_EQ(paragraph->firstLine(), c) << "the only line is emptied, not removed";
    EXPECT_EQ(c->length, 0);
}

TEST(QmRTFTextTest, LongDocumentsAreFreedWithoutDeepRecursion)
{
    auto document = std::make_unique<TQmRTFText>();
    TParagraph *paragraph = document->FirstParagraph();
    for (int i = 0; i < 300000; ++i)
        paragraph = document->NewParagraph(paragraph, 8);
    TTextLine *line = paragraph->firstLine();
    for (int i = 0; i < 300000; ++i)
        line = document->NewLine(paragraph, line, 8);
    document.reset();
    SUCCEED();
}

TEST(QmRTFTextTest, ObjectKeys)
{
    TQmRTFText document;
    QList<quint16> offered;
    document.SetProvideObjectEvent([&](quint16 tag, qm::Graphic &graphic) {
        offered.append(tag);
        if (tag == 42)
            graphic = qm::Graphic::fromBitmap(QImage(2, 2, QImage::Format_RGB32));
    });
    const qm::Graphic picture = qm::Graphic::fromBitmap(QImage(4, 3, QImage::Format_RGB32));

    TTextObject *automatic1 = document.CreateObject(qm::Graphic(), 65535);
    TTextObject *automatic2 = document.CreateObject(picture, 65535);
    TTextObject *numbered1 = document.CreateObject(picture, 0);
    TTextObject *numbered2 = document.CreateObject(picture, 0);
    TTextObject *provided = document.CreateObject(qm::Graphic(), 42);
    TTextObject *tagged = document.CreateObject(qm::Graphic(), 3000);
    TTextObject *automatic3 = document.CreateObject(picture, 65535);

    EXPECT_EQ(automatic1->tag, 2000);
    EXPECT_TRUE(automatic1->selfTagged);
    EXPECT_EQ(automatic2->tag, 2001);
    EXPECT_EQ(numbered1->number, 1);
    EXPECT_EQ(numbered1->tag, 0);
    EXPECT_EQ(numbered2->number, 2);
    EXPECT_EQ(tagged->tag, 3000);
    EXPECT_EQ(automatic3->tag, 3001) << "above every existing tag";
    EXPECT_TRUE(provided->graphic.isBitmap()) << "the handler supplied the picture";
    EXPECT_EQ(offered, (QList<quint16>{42, 3000})) << "only objects without graphic and not self-tagged are offered";

    EXPECT_EQ(document.FindObjectByTag(2001), automatic2);
    EXPECT_EQ(document.FindObjectByNumber(2), numbered2);
    EXPECT_EQ(document.FindObjectByTag(9), nullptr);
    EXPECT_EQ(document.FindObjectFor(1, attrWith(0, 0, TAttr::Object, 3000)), tagged);
    EXPECT_EQ(document.FindObjectFor(2, attrWith(0, 0, TAttr::Object, 1)), numbered1);
    EXPECT_EQ(document.FindObjectFor(2, attrWith(0, 0, 0, 1)), nullptr) << "not an object character";

    tagged->fileName = "C:\\Pics\\Sun.BMP";
    EXPECT_EQ(document.FindObjectByFileName("c:\\pics\\sun.bmp"), tagged);
    EXPECT_EQ(document.FindObjectByFileName(""), nullptr);
}

TEST(QmRTFTextTest, UnreferencedObjectsAreReleased)
{
    TQmRTFText document;
    const qm::Graphic picture = qm::Graphic::fromBitmap(QImage(4, 3, QImage::Format_RGB32));
    TTextObject *byNumber = document.CreateObject(picture, 0);
    document.CreateObject(picture, 0);
    TTextObject *byTag = document.CreateObject(picture, 65535);
    document.CreateObject(picture, 65535);

    TParagraph *paragraph = document.FirstParagraph();
    appendRun(document, paragraph, "\x02", attrWith(0, 10, TAttr::Object, byNumber->number));
    TParagraph *next = document.NewParagraph(paragraph, 10);
    appendRun(document, next, "\x01", attrWith(0, 10, TAttr::Object, byTag->tag));
    appendRun(document, next, "\x01", attrWith(0, 10, 0, 2001)); // not an object character

    document.ReleaseUnreferencedObjects();
    ASSERT_EQ(document.Objects().size(), 2u);
    EXPECT_EQ(document.Objects()[0].get(), byNumber);
    EXPECT_EQ(document.Objects()[1].get(), byTag);
}

TEST(QmRTFTextTest, MemoryFormatSwitch)
{
    TQmRTFText document;
    document.SetMemoryFormat(fmPlainText);
    EXPECT_FALSE(document.Header().rich);
    TParagraph *paragraph = document.FirstParagraph();
    appendRun(document, paragraph, QByteArray(50, 'w'), TAttr());
    document.NewParagraph(paragraph, 10);
    document.CharWidths()['w'] = 11;
    document.CurrentAttr() = attrWith(4, 0, TAttr::Italic);

    document.SetMemoryFormat(fmRichText);
    EXPECT_TRUE(document.Header().rich);
    EXPECT_EQ(document.CurrentAttr().size, 10);
    TAttr expected = document.CurrentAttr();
    expected.width = 11;
    for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
        ASSERT_NE(line->attributes(), nullptr);
        for (int i = 0; i < line->length; ++i)
            EXPECT_EQ(line->attributes()[i], expected);
    }
    ASSERT_NE(paragraph->next()->firstLine()->attributes(), nullptr);
    EXPECT_EQ(paragraph->formatState, TParagraph::NeedsMeasure | TParagraph::NeedsBreak);

    document.SetLoading(true);
    document.SetMemoryFormat(fmPlainText);
    EXPECT_EQ(document.MemoryFormat(), fmRichText) << "no switch while loading";
    document.SetLoading(false);
    document.SetMemoryFormat(fmPlainText);
    EXPECT_EQ(paragraph->firstLine()->attributes(), nullptr);
}

TEST(QmRTFTextTest, HyperlinkRecordKeys)
{
    TQmRTFText document;
    THyperlinkRecord &first = document.NewHyperlinkRecord();
    THyperlinkRecord &second = document.NewHyperlinkRecord();
    first.text = "note";
    EXPECT_EQ(first.key, 1);
    EXPECT_EQ(second.key, 2);
    EXPECT_EQ(document.FindHyperlinkRecord(1)->text, "note");
    EXPECT_EQ(document.FindHyperlinkRecord(3), nullptr);
    document.Clear();
    EXPECT_EQ(document.FindHyperlinkRecord(1), nullptr);
}

TEST(QmRTFTextTest, UnicodeTextIsInsertedAndDeletedAtPlaces)
{
    TQmRTFText document;
    TParagraph *first = document.FirstParagraph();
    TTextPosition at{first, first->firstLine(), 0};
    at = document.InsertText(at, u"Zażółć 😀 ok", TAttr());
    EXPECT_EQ(first->text(), QStringView(u"Zażółć 😀 ok"));
    EXPECT_EQ(at.index, 12) << "after the text; the emoji is two code units";

    // A place inside the surrogate pair of the emoji stands for the place before it.
    const TTextPosition insidePair{first, first->firstLine(), 8};
    document.InsertText(insidePair, u"→", TAttr());
    EXPECT_EQ(first->text(), QStringView(u"Zażółć →😀 ok"));
    document.DeleteText(TTextPosition{first, first->firstLine(), 8}, TTextPosition{first, first->firstLine(), 9});
    EXPECT_EQ(first->text(), QStringView(u"Zażółć → ok")) << "deleting half a pair deletes the pair";

    // A text longer than a line goes on in new lines; deleting across paragraphs joins them.
    const std::u16string longText(TQmRTFText::MaxLineCapacity + 50, u'ą');
    document.InsertText({first, first->firstLine(), 0}, longText, TAttr());
    EXPECT_GT(first->lineCount(), 1);
    EXPECT_EQ(first->characterCount(), int(longText.size()) + 11);
    TParagraph *second = document.NewParagraph(first, 20);
    document.InsertText({second, second->firstLine(), 0}, u"next", TAttr());
    const TTextPosition joined = document.DeleteText({first, first->firstLine(), 0}, {second, second->firstLine(), 2});
    EXPECT_EQ(document.ParagraphCount(), 1);
    EXPECT_EQ(first->text(), QStringView(u"xt"));
    EXPECT_EQ(joined.index, 0);
}
