#pragma once

#include <QProxyStyle>

/// The desktop's style, but hints appear only after the mouse has rested
/// 1200 ms on a control, so that they do not get in the way.
class HintPauseStyle : public QProxyStyle
{
    Q_OBJECT

public:
    static constexpr int hintPauseMilliseconds = 1200;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};
