#include "HintPauseStyle.h"

int HintPauseStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                              QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return hintPauseMilliseconds;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
