#include "MarginSteps.h"

#include <QtGlobal>

float marginStepInches(int index)
{
    return 0.25f * float(qBound(0, index, kMarginStepCount - 1) + 1);
}

int marginStepIndex(float inches)
{
    for (int index = kMarginStepCount - 1; index > 0; --index) {
        if (inches >= marginStepInches(index))
            return index;
    }
    return 0;
}

QStringList marginStepTexts(MarginUnit unit)
{
    if (unit == MarginUnit::Millimeters) {
        return {QStringLiteral("6 mm"),  QStringLiteral("13 mm"), QStringLiteral("19 mm"),
                QStringLiteral("25 mm"), QStringLiteral("32 mm"), QStringLiteral("38 mm")};
    }
    return {QStringLiteral("¼ Inch"), QStringLiteral("½ Inch"),  QStringLiteral("¾ Inch"),
            QStringLiteral("1 Inch"), QStringLiteral("1¼ Inch"), QStringLiteral("1½ Inch")};
}
