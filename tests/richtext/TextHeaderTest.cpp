#include "richtext/TextHeader.h"

#include <gtest/gtest.h>

TEST(TextHeaderTest, NewHeaderHasTheDefaults)
{
    TTextHeader header;
    EXPECT_EQ(header.fontCount(), 0);
    const TColor expected[16] = {0x000000, 0x0000FF, 0x008000, 0xFF0000, 0x00FFFF, 0xFF00FF, 0x800080, 0x000080,
                                 0x00FF00, 0xFFFF00, 0x808000, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(header.colors[i], expected[i]) << "colour " << i;
    EXPECT_EQ(header.pageWidth, 12240);
    EXPECT_EQ(header.pageHeight, 15840);
    EXPECT_EQ(header.leftMargin, 1880);
    EXPECT_EQ(header.rightMargin, 1880);
    EXPECT_EQ(header.topMargin, 1440);
    EXPECT_EQ(header.bottomMargin, 1440);
    EXPECT_EQ(header.textWidthPixels, (12240 - 3760) * 96 / 1440);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(header.tabs[i].twips, 0);
        EXPECT_EQ(header.tabOrder[i], i);
    }
}

TEST(TextHeaderTest, FontLookup)
{
    TTextHeader header;
    EXPECT_EQ(header.GetFontNr("Arial"), 0);
    EXPECT_EQ(header.GetFontNr("Times New Roman"), 1);
    EXPECT_EQ(header.GetFontNr("arial"), 0) << "letter case does not matter";
    EXPECT_EQ(header.GetFontNr("TIMES NEW ROMAN"), 1);
    EXPECT_EQ(header.GetFontNr("\xC9tude"), 2);
    EXPECT_EQ(header.GetFontNr("\xE9TUDE"), 2) << "Windows-1252 letters compare without case too";

    const QByteArray longName(40, 'x');
    EXPECT_EQ(header.GetFontNr(longName), 3);
    EXPECT_EQ(header.fonts[3].name, QByteArray(31, 'x'));
    EXPECT_EQ(header.GetFontNr(QByteArray(35, 'x')), 3) << "compared after cutting to 31";
    EXPECT_EQ(header.fontCount(), 4);
}

TEST(TextHeaderTest, FullFontTableGivesFontZeroForNewNames)
{
    TTextHeader header;
    for (int i = 0; i < TTextHeader::FontCount; ++i)
        ASSERT_EQ(header.GetFontNr("Font" + QByteArray::number(i)), i);
    EXPECT_EQ(header.GetFontNr("One too many"), 0);
    EXPECT_EQ(header.GetFontNr("font98"), 98);
}

TEST(TextHeaderTest, ColourEntries)
{
    TTextHeader header;
    header.colors[15] = 0x123456;
    struct Row {
        int number;
        TColor expected;
    };
    const Row rows[] = {{0, 0x000000}, {1, 0x0000FF}, {14, 0x808080}, {15, 0}, {16, 0}, {0x80 + 3, 0xFF0000}, {-1, 0}};
    for (const Row &row : rows)
        EXPECT_EQ(header.GetColorEntry(row.number), row.expected) << row.number;
}

TEST(TextHeaderTest, TabStopsSnapToTheGrid)
{
    struct Row {
        const char *name;
        TTextUnit unit;
        int pixelsPerInch;
        qint32 position;
        qint32 stored;
        qint32 pixels;
    };
    const Row rows[] = {
        {"on the inch grid", TTextUnit::Inch, 96, 1440, 1440, 96},
        {"nearest grid line above", TTextUnit::Inch, 96, 1000, 1008, 67},
        {"nearest grid line below", TTextUnit::Inch, 96, 1222, 1152, 77},
        {"one below the midpoint rounds up", TTextUnit::Inch, 96, 1079, 1152, 77},
        {"two below the midpoint rounds down", TTextUnit::Inch, 96, 1078, 1008, 67},
        {"metric grid", TTextUnit::Metric, 96, 1000, 987, 66},
        {"no snapping without a resolution", TTextUnit::Inch, 0, 1000, 1000, 0},
    };
    for (const Row &row : rows) {
        TTextHeader header;
        header.unit = row.unit;
        header.pixelsPerInchX = row.pixelsPerInch;
        const quint64 mask = header.addTab(row.position, tkRight);
        EXPECT_EQ(mask, 1u) << row.name;
        EXPECT_EQ(header.tabs[0].twips, row.stored) << row.name;
        EXPECT_EQ(header.tabs[0].kind, tkRight) << row.name;
        EXPECT_EQ(header.tabs[0].pixels, row.pixels) << row.name;
    }
}

TEST(TextHeaderTest, TabTableLookupSortAndFullTable)
{
    TTextHeader header;
    EXPECT_EQ(header.addTab(0, tkLeft), 0u);
    EXPECT_EQ(header.addTab(-5, tkLeft), 0u);
    EXPECT_EQ(header.addTab(2880, tkLeft), quint64(1) << 0);
    EXPECT_EQ(header.addTab(1440, tkLeft), quint64(1) << 1);
    EXPECT_EQ(header.addTab(2880, tkLeft), quint64(1) << 0) << "an existing stop is reused";
    EXPECT_EQ(header.addTab(2880, tkAll), quint64(1) << 0);
    EXPECT_EQ(header.addTab(2880, tkCenter), quint64(1) << 2) << "another kind at the same place is a new stop";
    EXPECT_EQ(header.tabOrder[0], 1);
    EXPECT_EQ(header.tabOrder[1], 0);
    EXPECT_EQ(header.tabOrder[2], 2);
    EXPECT_EQ(header.tabOrder[3], 3) << "empty entries sort last, in index order";

    header.defaultTabKind = tkDecimal;
    header.addTab(144, tkAll);
    EXPECT_EQ(header.tabs[3].kind, tkDecimal);

    for (int i = 4; i < 64; ++i)
        header.addTab(144 * (i + 20), tkLeft);
    int calls = 0;
    EXPECT_EQ(header.addTab(144 * 200, tkLeft), 0u) << "a full table without handler adds nothing";
    header.tabTableFull = [&] {
        ++calls;
        header.tabs[7].twips = 0;
    };
    EXPECT_EQ(header.addTab(144 * 200, tkLeft), quint64(1) << 7);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(header.tabOrder[63], 7) << "the highest position sorts last";
}
