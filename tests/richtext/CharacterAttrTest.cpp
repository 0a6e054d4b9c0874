#include "richtext/CharacterAttr.h"

#include <gtest/gtest.h>

TEST(CharacterAttrTest, SettersReportRealChangesOnly)
{
    struct Call {
        quint32 selector;
        bool needsLayout;
        bool operator==(const Call &) const = default;
    };
    TCharacterAttr attr(0x10);
    std::vector<Call> calls;
    attr.setChangeHandler([&](quint32 selector, bool needsLayout) { calls.push_back({selector, needsLayout}); });

    attr.SetBold(tsTRUE);
    attr.SetBold(tsTRUE);
    attr.SetHidden(true);
    attr.SetTextColor(0x00FF00);
    attr.SetTextColor(0x00FF00);
    attr.SetUseBackgroundColor(false);

    EXPECT_EQ(calls, (std::vector<Call>{{0x10, true}, {0x10, true}, {0x10, false}}));
    EXPECT_TRUE(attr.UseTextColor()) << "setting a colour turns its use on";
    EXPECT_EQ(attr.Bold(), tsTRUE);
    EXPECT_TRUE(attr.Hidden());
}
