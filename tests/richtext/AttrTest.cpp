#include "richtext/Attr.h"

#include <gtest/gtest.h>

#include <cstddef>

TEST(AttrTest, FieldsSitAtTheirByteOffsets)
{
    EXPECT_EQ(offsetof(TAttr, width), 0u);
    EXPECT_EQ(offsetof(TAttr, height), 2u);
    EXPECT_EQ(offsetof(TAttr, ascent), 4u);
    EXPECT_EQ(offsetof(TAttr, fontNumber), 6u);
    EXPECT_EQ(offsetof(TAttr, colors), 7u);
    EXPECT_EQ(offsetof(TAttr, flags), 8u);
    EXPECT_EQ(offsetof(TAttr, size), 12u);
    EXPECT_EQ(offsetof(TAttr, tag), 14u);
}

TEST(AttrTest, SuperscriptAndSubscriptExcludeEachOther)
{
    struct Row {
        const char *name;
        quint32 before;
        quint32 flag;
        bool on;
        quint32 after;
    };
    const Row rows[] = {
        {"superscript on subscripted text", TAttr::Subscript, TAttr::Superscript, true, TAttr::Superscript},
        {"subscript on superscripted text", TAttr::Superscript, TAttr::Subscript, true, TAttr::Subscript},
        {"hyperlink record clears subscript", TAttr::Subscript, TAttr::HyperlinkRecord, true, TAttr::HyperlinkRecord},
        {"subscript refused beside a hyperlink record", TAttr::HyperlinkRecord, TAttr::Subscript, true,
         TAttr::HyperlinkRecord},
        {"clearing keeps the rest", TAttr::Bold | TAttr::Subscript, TAttr::Subscript, false, TAttr::Bold},
        {"other bits untouched", TAttr::Italic | TAttr::Hidden, TAttr::Superscript, true,
         TAttr::Italic | TAttr::Hidden | TAttr::Superscript},
    };
    for (const Row &row : rows) {
        TAttr attr;
        attr.flags = row.before;
        attr.setFlag(row.flag, row.on);
        EXPECT_EQ(attr.flags, row.after) << row.name;
    }
}

TEST(AttrTest, BothBitsSetKeepsSuperscriptOnly)
{
    TAttr attr;
    attr.flags = TAttr::Superscript | TAttr::Subscript;
    attr.enforceSuperSubRule();
    EXPECT_EQ(attr.flags, quint32(TAttr::Superscript));
}

TEST(AttrTest, ColourNibblesAreIndependent)
{
    TAttr attr;
    attr.setTextColor(5);
    attr.setBackgroundColor(12);
    attr.setTextColor(17); // only the low four bits count
    EXPECT_EQ(attr.textColor(), 1);
    EXPECT_EQ(attr.backgroundColor(), 12);
    EXPECT_EQ(attr.colors, 0xC1);
}
