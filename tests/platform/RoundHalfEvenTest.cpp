#include "platform/RoundHalfEven.h"

#include <gtest/gtest.h>

using namespace qm;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Row {
        double value;
        int expected;
    };
    const Row rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}, {816.0, 816}};
    for (const Row &row : rows)
        EXPECT_EQ(roundHalfEven(row.value), row.expected) << row.value;
}

TEST(RoundHalfEven, RatiosAreExactWhereFloatingPointIsNot)
{
    // 45 at 70 % is exactly 31.5; 45 * 0.7 in binary floating point is 31.499...
    EXPECT_EQ(scalePercent(45, 70), 32);
    EXPECT_EQ(scalePercent(35, 70), 24); // 24.5 -> 24
    EXPECT_EQ(scalePercent(816, 100), 816);
    EXPECT_EQ(scalePercent(-45, 70), -32);
    EXPECT_EQ(roundRatio(17 * 1003, 100), 171); // 170.51
    EXPECT_EQ(roundRatio(7, -2), -4);           // -3.5 -> -4
}

TEST(RoundHalfEven, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(mulDiv(1440, 96, 1440), 96);
    EXPECT_EQ(mulDiv(15, 1, 2), 8);
    EXPECT_EQ(mulDiv(-15, 1, 2), -8);
    EXPECT_EQ(mulDiv(12240, 96, 1440), 816);
    EXPECT_EQ(mulDiv(5, 3, 0), -1);
}
