#include "controls/RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(RadioGroup, ItemIndexFollowsTheCheckedButtonAndCanBeCleared)
{
    RadioGroup group(QStringLiteral("Paper"), {QStringLiteral("Letter"), QStringLiteral("A4")});
    QSignalSpy changes(&group, &RadioGroup::changed);
    EXPECT_EQ(group.ItemIndex(), -1);

    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    group.show();
    QTest::mouseClick(group.button(0), Qt::LeftButton);
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(changes.count(), 2);

    group.SetItemIndex(5);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.button(0)->isChecked());
    group.SetItemIndex(0);
    EXPECT_EQ(group.ItemIndex(), 0);
}
