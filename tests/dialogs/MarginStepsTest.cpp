#include "dialogs/MarginSteps.h"

#include <gtest/gtest.h>

#include <limits>

TEST(MarginSteps, ValueSelectsTheLargestStepNotAboveIt)
{
    struct Row {
        float inches;
        int index;
    };
    const Row rows[] = {{0.0f, 0},
                        {0.3f, 0},
                        {0.49f, 0},
                        {0.5f, 1},
                        {0.6f, 1},
                        {0.75f, 2},
                        {1.0f, 3},
                        {1.24f, 3},
                        {1.25f, 4},
                        {1.5f, 5},
                        {3.0f, 5},
                        {-2.0f, 0},
                        {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (const Row &row : rows)
        EXPECT_EQ(marginStepIndex(row.inches), row.index) << row.inches;
}

TEST(MarginSteps, StepsAreQuarterInchesLabelledInEitherUnit)
{
    const QStringList inches = marginStepTexts(MarginUnit::Inches);
    const QStringList millimetres = marginStepTexts(MarginUnit::Millimeters);
    ASSERT_EQ(inches.size(), kMarginStepCount);
    ASSERT_EQ(millimetres.size(), kMarginStepCount);
    EXPECT_EQ(inches[0], QString(QChar(0xBC)) + QStringLiteral(" Inch"));
    EXPECT_EQ(inches[5], QStringLiteral("1") + QChar(0xBD) + QStringLiteral(" Inch"));
    for (int index = 0; index < kMarginStepCount; ++index) {
        EXPECT_EQ(marginStepInches(index), 0.25f * float(index + 1));
        EXPECT_EQ(millimetres[index], QStringLiteral("%1 mm").arg(qRound(marginStepInches(index) * 25.4)));
    }
}
