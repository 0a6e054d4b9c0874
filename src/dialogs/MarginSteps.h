#pragma once

#include <QStringList>

/// The margins the Margins page offers: six quarter-inch steps from 1/4 to
/// 1 1/2 inch. The calendar keeps margins in inches; millimetres are labels only.
enum class MarginUnit { Inches, Millimeters };

constexpr int kMarginStepCount = 6;

/// The margin in inches of step 0..5.
float marginStepInches(int index);
/// The largest step not above `inches`; step 0 for anything below half an inch.
int marginStepIndex(float inches);
/// The six list texts in `unit`: "¼ Inch" .. "1½ Inch" or "6 mm" .. "38 mm".
QStringList marginStepTexts(MarginUnit unit);
