#include "dialogs/LayoutChoice.h"

#include <gtest/gtest.h>

TEST(LayoutChoice, ListRowAndOrientationSelectTheLayout)
{
    struct Row {
        int listIndex, orientation, layout;
    };
    const Row rows[] = {
        {0, 0, 0},   {0, 1, 1},   {3, 1, 7},   {4, 0, 8},   {8, 1, 17},
        {9, 1, 18},  {10, 0, 19}, {11, 1, 20}, {12, 0, 21}, // planners ignore the orientation
        {-1, 0, -1}, {13, 0, -1},                           // no row selected
    };
    for (const Row &row : rows)
        EXPECT_EQ(layoutFromChoice({row.listIndex, row.orientation}), row.layout) << row.listIndex;
}

TEST(LayoutChoice, EveryLayoutIsShownByTheRowThatSelectsIt)
{
    for (int layout = 0; layout < 22; ++layout) {
        const LayoutChoice choice = choiceFromLayout(layout);
        EXPECT_EQ(layoutFromChoice(choice), layout);
        EXPECT_EQ(choice.orientationIndex, layout < 18 ? layout % 2 : 0);
    }
    for (int unknown : {-1, 22, 1000}) {
        EXPECT_EQ(choiceFromLayout(unknown).listIndex, 0);
        EXPECT_EQ(choiceFromLayout(unknown).orientationIndex, 0);
    }
    ASSERT_EQ(layoutListItems().size(), 13);
    EXPECT_EQ(layoutListItems().first(), QStringLiteral("1 Month Calendar "))
        << "the trailing blank is part of the text";
}
