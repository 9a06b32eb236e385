#pragma once

#include <QProxyStyle>

// The application's own style with a shorter wait before a tooltip shows. Qt
// asks the style of the widget under the mouse, so it is given to each control
// that should answer sooner.
class ToolTipDelayStyle : public QProxyStyle {
public:
    explicit ToolTipDelayStyle(int delayMs)
        : m_delayMs(delayMs)
    {
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return m_delayMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    int m_delayMs;
};
