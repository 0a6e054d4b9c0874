#include "LayoutChoice.h"

namespace {

constexpr int firstPlannerRow = 9;
constexpr int rowCount = 13;
constexpr int firstPlannerLayout = 18;
constexpr int lastPlannerLayout = 21;

} // namespace

const QStringList &layoutListItems()
{
    static const QStringList items{
        QStringLiteral("1 Month Calendar "),
        QStringLiteral("1 Month Calendar, 2 Mini Calendars"),
        QStringLiteral("1 Month Calendar, 6 Mini Calendars Before & After "),
        QStringLiteral("1 Month Calendar, 12 Mini Calendars After "),
        QStringLiteral("6 Month Calendar (Mini Calendars)"),
        QStringLiteral("12 Month Calendar (Mini Calendars)"),
        QStringLiteral("24 Month Calendar (Mini Calendars)"),
        QStringLiteral("48 Month Calendar (Mini Calendars)"),
        QStringLiteral("60 Month Calendar (Mini Calendars)"),
        QStringLiteral("One Week Planner"),
        QStringLiteral("Two Week Planner"),
        QStringLiteral("Day Planner (10 hours) "),
        QStringLiteral("Day Planner (15 hours) "),
    };
    return items;
}

int layoutFromChoice(LayoutChoice choice)
{
    if (choice.listIndex < 0 || choice.listIndex >= rowCount)
        return -1;
    if (choice.listIndex >= firstPlannerRow)
        return choice.listIndex + firstPlannerLayout - firstPlannerRow;
    return choice.listIndex * 2 + (choice.orientationIndex == 1 ? 1 : 0);
}

LayoutChoice choiceFromLayout(int layout)
{
    if (layout >= 0 && layout < firstPlannerLayout)
        return {layout / 2, layout % 2};
    if (layout >= firstPlannerLayout && layout <= lastPlannerLayout)
        return {layout - firstPlannerLayout + firstPlannerRow, 0};
    return {};
}
