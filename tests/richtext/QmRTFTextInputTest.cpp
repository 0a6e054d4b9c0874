#include "richtext/QmRTFTextInput.h"

#include "PaintTestDocuments.h"
#include "richtext/ResultCode.h"

#include <gtest/gtest.h>

#include <functional>

using namespace qm::test;

namespace {

/// An editor holding one paragraph per text, laid out `width` pixels wide.
void load(TQmRTFTextInput &editor, const QStringList &paragraphs, int width = 400)
{
    editor.Clear();
    editor.Header().fonts[0].name = "Arial";
    TParagraph *paragraph = editor.FirstParagraph();
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            paragraph = editor.NewParagraph(paragraph, 100);
        appendRun(editor, paragraph, paragraphs[i], textAttr());
        paragraph->markForLayout();
    }
    editor.SetLayoutWidth(width);
    editor.SetPaintHeight(200);
    editor.UpdateLayout();
}

/// Moves the caret to character `offset` of paragraph `paragraph`.
void caretAt(TQmRTFTextInput &editor, int paragraph, int offset, TSelectionMode mode = TSelectionMode::Collapse)
{
    if (mode == TSelectionMode::Collapse)
        editor.MoveCaret(TCaretMove::DocumentStart, mode);
    int steps = offset;
    int number = 0;
    for (const TParagraph *each = editor.FirstParagraph(); number < paragraph; each = each->next(), ++number)
        steps += each->characterCount() + 1;
    // Extending starts from where the caret is: count from the document start.
    if (mode == TSelectionMode::Extend) {
        const TTextPosition caret = editor.Caret();
        int at = caret.index;
        for (const TTextLine *line = caret.paragraph->firstLine(); line != caret.line; line = line->next())
            at += line->length;
        for (const TParagraph *each = editor.FirstParagraph(); each != caret.paragraph; each = each->next())
            at += each->characterCount() + 1;
        steps -= at;
    }
    for (int i = 0; i < steps; ++i)
        editor.MoveCaret(TCaretMove::CharRight, mode);
    for (int i = 0; i > steps; --i)
        editor.MoveCaret(TCaretMove::CharLeft, mode);
}

/// The caret as paragraph number and characters before it in the paragraph.
std::pair<int, int> caretPlace(const TQmRTFTextInput &editor)
{
    const TTextPosition caret = editor.Caret();
    int number = 0;
    for (const TParagraph *each = editor.FirstParagraph(); each != caret.paragraph; each = each->next())
        ++number;
    int offset = caret.index;
    for (const TTextLine *line = caret.paragraph->firstLine(); line != caret.line; line = line->next())
        offset += line->length;
    return {number, offset};
}

const TAttr &attrOf(const TQmRTFTextInput &editor, int paragraph, int offset)
{
    const TParagraph *each = editor.FirstParagraph();
    for (int i = 0; i < paragraph; ++i)
        each = each->next();
    const TTextLine *line = each->firstLine();
    while (offset >= line->length) {
        offset -= line->length;
        line = line->next();
    }
    return line->attributes()[offset];
}

using Script = std::function<void(TQmRTFTextInput &)>;

struct EditCase {
    const char *name;
    QStringList before;
    Script script;
    QStringList after;
    std::pair<int, int> caret;
};

class Editing : public testing::TestWithParam<EditCase>
{
};

TEST_P(Editing, ChangesTextAndCaretAsTheUserExpects)
{
    TQmRTFTextInput editor;
    load(editor, GetParam().before);
    GetParam().script(editor);
    EXPECT_EQ(paragraphTexts(editor), GetParam().after);
    EXPECT_EQ(caretPlace(editor), GetParam().caret);
}

void type(TQmRTFTextInput &editor, const QString &text)
{
    for (const QChar character : text)
        editor.TypeCharacter(character.unicode());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Editing,
    testing::Values(
        EditCase{"TypingIntoAnEmptyText", {""}, [](auto &e) { type(e, "abc"); }, {"abc"}, {0, 3}},
        EditCase{"TypingInTheMiddle", {"ad"}, [](auto &e) { caretAt(e, 0, 1), type(e, "bc"); }, {"abcd"}, {0, 3}},
        EditCase{"BackspaceJoinsWithThePreviousParagraph",
                 {"ab", "cd"},
                 [](auto &e) { caretAt(e, 1, 0), type(e, "\b"); },
                 {"abcd"},
                 {0, 2}},
        EditCase{"BackspaceAtTheDocumentStartDoesNothing", {"ab"}, [](auto &e) { type(e, "\b"); }, {"ab"}, {0, 0}},
        EditCase{"DeleteJoinsWithTheNextParagraph",
                 {"ab", "cd"},
                 [](auto &e) { caretAt(e, 0, 2), e.TypeCharacter(127); },
                 {"abcd"},
                 {0, 2}},
        EditCase{"DeleteAtTheDocumentEndDoesNothing",
                 {"ab"},
                 [](auto &e) { e.MoveCaret(TCaretMove::DocumentEnd, {}), e.TypeCharacter(127); },
                 {"ab"},
                 {0, 2}},
        EditCase{
            "EnterAtTheStartPutsAnEmptyParagraphBefore", {"ab"}, [](auto &e) { type(e, "\r"); }, {"", "ab"}, {1, 0}},
        EditCase{"EnterSplitsTheParagraph",
                 {"abcd"},
                 [](auto &e) { caretAt(e, 0, 2), type(e, "\r"); },
                 {"ab", "cd"},
                 {1, 0}},
        EditCase{"BackspaceAcrossAWrappedLine",
                 {"1111 2222 3333"},
                 [](auto &e) {
                     e.SetLayoutWidth(60);
                     e.MoveCaret(TCaretMove::LineDown, {});
                     e.MoveCaret(TCaretMove::LineStart, {});
                     type(e, "\b");
                 },
                 {"11112222 3333"},
                 {0, 4}},
        EditCase{"TypingReplacesTheSelection",
                 {"abcd", "ef"},
                 [](auto &e) { caretAt(e, 0, 1), caretAt(e, 1, 1, TSelectionMode::Extend), type(e, "X"); },
                 {"aXf"},
                 {0, 2}},
        EditCase{"SelectAllThenTypingReplacesTheWholeText",
                 {"ab", "cd", "ef"},
                 [](auto &e) { e.SelectAll(), type(e, "z"); },
                 {"z"},
                 {0, 1}},
        EditCase{"BackspaceDeletesTheSelectionOnly",
                 {"abcd"},
                 [](auto &e) { caretAt(e, 0, 3), caretAt(e, 0, 1, TSelectionMode::Extend), type(e, "\b"); },
                 {"ad"},
                 {0, 1}},
        EditCase{"OverwriteReplacesAndAppendsAtTheEnd",
                 {"abc"},
                 [](auto &e) { e.SetInserting(false), caretAt(e, 0, 1), type(e, "XYZ"); },
                 {"aXYZ"},
                 {0, 4}},
        EditCase{"CharactersOutsideTheBasicPlaneGoWhole",
                 {"a"},
                 [](auto &e) {
                     e.MoveCaret(TCaretMove::DocumentEnd, {});
                     e.TypeText(QString::fromUtf8("\xF0\x9F\x98\x80") + "b");
                     type(e, "\b\b");
                 },
                 {"a"},
                 {0, 1}},
        EditCase{"TypingReplacesTheWordSelectedAtAPoint",
                 {"one two, three"},
                 [](auto &e) { caretAt(e, 0, 5), e.SelectWordAt(e.CaretRect().center()), type(e, "X"); },
                 {"one X, three"},
                 {0, 5}},
        EditCase{"ControlCharactersAreNotText", {"ab"}, [](auto &e) { e.TypeText(u"\x1a\x01\x1b"); }, {"ab"}, {0, 0}},
        EditCase{"WordsAndLinesMoveTheCaret",
                 {"11 22", "11 22"},
                 [](auto &e) {
                     e.MoveCaret(TCaretMove::WordRight, {});
                     e.MoveCaret(TCaretMove::LineDown, {});
                 },
                 {"11 22", "11 22"},
                 {1, 3}}),
    [](const testing::TestParamInfo<EditCase> &info) { return std::string(info.param.name); });

TEST(QmRTFTextInput, PageBreaksSplitOrToggleTheParagraphsFlag)
{
    TQmRTFTextInput editor;
    load(editor, {"abcd"});
    caretAt(editor, 0, 2);
    ASSERT_TRUE(editor.TypeCharacter(12));
    EXPECT_EQ(paragraphTexts(editor), QStringList({"ab", "cd"}));
    EXPECT_TRUE(editor.LastParagraph()->flags & TParagraphFormat::PageBreakBefore);
    // At a paragraph's start the key toggles it; Enter never passes it on.
    editor.TypeCharacter(12);
    EXPECT_FALSE(editor.LastParagraph()->flags & TParagraphFormat::PageBreakBefore);
    editor.TypeCharacter(12);
    editor.MoveCaret(TCaretMove::DocumentEnd, {});
    editor.TypeCharacter(13);
    EXPECT_FALSE(editor.LastParagraph()->flags & TParagraphFormat::PageBreakBefore);
    EXPECT_EQ(paragraphTexts(editor), QStringList({"ab", "cd", ""}));
}

TEST(QmRTFTextInput, CaretStandsAtLineEndsAndBeforeLineBreaks)
{
    TQmRTFTextInput editor;
    load(editor, {"11 22 33", "ab\ncd"}, 60);
    ASSERT_EQ(lineTexts(editor), QStringList({"11 22 ", "33", "ab\n", "cd"}));
    editor.MoveCaret(TCaretMove::LineEnd, {});
    const TTextLine *first = editor.FirstParagraph()->firstLine();
    EXPECT_EQ(editor.Caret().line, first);
    EXPECT_EQ(editor.CaretRect().x(), first->left + first->usedWidth);
    EXPECT_EQ(editor.CaretRect().height(), first->height);

    caretAt(editor, 1, 0);
    editor.MoveCaret(TCaretMove::LineEnd, {});
    EXPECT_EQ(caretPlace(editor), std::make_pair(1, 2));
    type(editor, "!");
    EXPECT_EQ(paragraphTexts(editor).last(), "ab!\ncd");
}

TEST(QmRTFTextInput, UndoAndRedoWalkTheEditsSinceLoading)
{
    TQmRTFTextInput editor;
    load(editor, {""});
    type(editor, "abc");
    type(editor, "\r");
    type(editor, "d");
    editor.SelectAll();
    editor.ChangeAttr(textAttr(12, TAttr::Bold), TQmRTFTextPaint::amAddFlags);

    const QList<QStringList> steps{{"abc", "d"}, {"abc", ""}, {"abc"}, {""}};
    for (const QStringList &expected : steps) {
        ASSERT_TRUE(editor.Undo());
        EXPECT_EQ(paragraphTexts(editor), expected);
    }
    EXPECT_FALSE(editor.Undo());
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(editor.Redo());
    EXPECT_EQ(paragraphTexts(editor), QStringList({"abc", "d"}));
    EXPECT_TRUE(attrOf(editor, 1, 0).has(TAttr::Bold));
    EXPECT_FALSE(editor.Redo());

    // A new text clears the history.
    TQmRTFTextIo other;
    editor.Assign(other);
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.CanRedo());
}

TEST(QmRTFTextInput, ReadOnlyRefusesEveryChange)
{
    TQmRTFTextInput editor;
    load(editor, {"ab"});
    type(editor, "x");
    editor.SelectAll();
    editor.SetReadOnly(true);
    const std::vector<std::pair<const char *, std::function<bool()>>> changes{
        {"typing", [&] { return editor.TypeText(u"y"); }},
        {"backspace", [&] { return editor.TypeCharacter(8); }},
        {"enter", [&] { return editor.TypeCharacter(13); }},
        {"paste", [&] { return editor.PasteText(u"z"); }},
        {"picture",
         [&] { return editor.InsertGraphic(qm::Graphic::fromBitmap(QImage(4, 4, QImage::Format_RGB32)), 0, 0) != 0; }},
        {"attribute", [&] { return editor.ChangeAttr(textAttr(12, TAttr::Bold), TQmRTFTextPaint::amAddFlags); }},
        {"alignment", [&] { return editor.SetAlignment(TParagraphFormat::AlignCenter); }},
        {"undo", [&] { return editor.Undo(); }},
    };
    for (const auto &[name, change] : changes) {
        EXPECT_FALSE(change()) << name;
        EXPECT_EQ(paragraphTexts(editor), QStringList({"xab"})) << name;
    }
    EXPECT_FALSE(attrOf(editor, 0, 0).has(TAttr::Bold));
}

TEST(QmRTFTextInput, CopiedRtfPastesWithItsFormattingAndParagraphs)
{
    TQmRTFTextInput source;
    load(source, {"abcd", "ef"});
    caretAt(source, 0, 2);
    caretAt(source, 0, 3, TSelectionMode::Extend);
    TAttr bold = textAttr(12, TAttr::Bold);
    source.ChangeAttr(bold, TQmRTFTextPaint::amAddFlags);
    caretAt(source, 0, 1);
    caretAt(source, 1, 1, TSelectionMode::Extend);
    const std::optional<QByteArray> rtf = source.SelectionData(FormatRTF);
    ASSERT_TRUE(rtf && rtf->startsWith("{\\rtf"));
    EXPECT_EQ(source.SelectedText(), "bcd\ne");

    TQmRTFTextInput target;
    load(target, {"XY"});
    caretAt(target, 0, 1);
    ASSERT_TRUE(target.PasteRtf(*rtf + QByteArray(4, '\0')));
    EXPECT_EQ(paragraphTexts(target), QStringList({"Xbcd", "eY"}));
    EXPECT_EQ(caretPlace(target), std::make_pair(1, 1));
    EXPECT_FALSE(attrOf(target, 0, 1).has(TAttr::Bold));
    EXPECT_TRUE(attrOf(target, 0, 2).has(TAttr::Bold));
    EXPECT_FALSE(attrOf(target, 0, 3).has(TAttr::Bold));

    // Without a selection nothing is copied.
    target.RemoveSelection();
    EXPECT_EQ(target.SelectionData(FormatRTF), QByteArray());
}

TEST(QmRTFTextInput, PlainTextPastesInTheCurrentAttributeWithEveryLineEnding)
{
    TQmRTFTextInput editor;
    load(editor, {"XY"});
    caretAt(editor, 0, 1);
    editor.CurrentAttr() = textAttr(14, TAttr::Italic);
    ASSERT_TRUE(editor.PasteText(QString::fromUtf8("one\r\ntwo\rthr\xC3\xA9\xE2\x82\xAC\nfour")));
    EXPECT_EQ(paragraphTexts(editor),
              QStringList({"Xone", "two", QString::fromUtf8("thr\xC3\xA9\xE2\x82\xAC"), "fourY"}));
    EXPECT_EQ(caretPlace(editor), std::make_pair(3, 4));
    const TAttr &pasted = attrOf(editor, 2, 0);
    EXPECT_EQ(pasted.size, 14);
    EXPECT_TRUE(pasted.has(TAttr::Italic));
}

TEST(QmRTFTextInput, AnInsertedIconIsOneObjectCharacterThatBackspaceRemoves)
{
    TQmRTFTextInput editor;
    load(editor, {"ab"});
    caretAt(editor, 0, 1);
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    const quint16 number = editor.InsertGraphic(qm::Graphic::fromBitmap(icon), 0, 0);
    ASSERT_NE(number, 0);
    ASSERT_EQ(editor.Objects().size(), 1u);
    EXPECT_EQ(editor.Objects()[0]->width, 480);
    EXPECT_EQ(editor.Objects()[0]->height, 480);
    EXPECT_EQ(paragraphTexts(editor), QStringList({QStringLiteral("a\u0002b")}));
    const TAttr &placeholder = attrOf(editor, 0, 1);
    EXPECT_TRUE(placeholder.has(TAttr::Object));
    EXPECT_EQ(placeholder.tag, number);
    EXPECT_EQ(placeholder.width, 32);

    editor.TypeCharacter(8);
    EXPECT_EQ(paragraphTexts(editor), QStringList({"ab"}));
    TQmRTFTextIo copy;
    copy.Assign(editor);
    EXPECT_TRUE(copy.Objects().empty());
}

TEST(QmRTFTextInput, FormattingReachesTheSelectionAndItsParagraphs)
{
    TQmRTFTextInput editor;
    load(editor, {"abc", "de", "f"});
    caretAt(editor, 0, 2);
    caretAt(editor, 1, 1, TSelectionMode::Extend);
    ASSERT_TRUE(editor.ChangeAttr(textAttr(12, TAttr::Underline), TQmRTFTextPaint::amAddFlags));
    ASSERT_TRUE(editor.SetAlignment(TParagraphFormat::AlignCenter));
    EXPECT_FALSE(attrOf(editor, 0, 1).has(TAttr::Underline));
    EXPECT_TRUE(attrOf(editor, 0, 2).has(TAttr::Underline));
    EXPECT_TRUE(attrOf(editor, 1, 0).has(TAttr::Underline));
    EXPECT_FALSE(attrOf(editor, 1, 1).has(TAttr::Underline));
    const std::vector<TParagraphFormat> formats = paragraphFormats(editor);
    EXPECT_EQ(formats[0].alignment, TParagraphFormat::AlignCenter);
    EXPECT_EQ(formats[1].alignment, TParagraphFormat::AlignCenter);
    EXPECT_EQ(formats[2].alignment, TParagraphFormat::AlignLeft);

    editor.SetZooming(200);
    editor.SetZooming(0);
    EXPECT_EQ(editor.Zooming(), 100);
}

} // namespace
