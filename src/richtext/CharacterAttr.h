#pragma once

#include "platform/Color.h"

#include <QtGlobal>

#include <functional>

/// A style property that may be forced on, forced off or left as the text has it.
enum TThreeState : quint8 { tsIgnore, tsTRUE, tsFALSE };

/// How one class of special text (insertion points, automatic text,
/// hyperlinks, protected text) is shown. Each setter stores a changed value
/// and then calls the change handler with the selector (the `TAttr` flag bit
/// of the text it applies to) and whether the text must be laid out again:
/// true for the style properties, false for the colours.
class TCharacterAttr
{
public:
    using ChangeHandler = std::function<void(quint32 selector, bool needsLayout)>;

    explicit TCharacterAttr(quint32 selector = 0)
        : m_selector(selector)
    {}

    quint32 Selector() const { return m_selector; }
    void setChangeHandler(ChangeHandler handler) { m_onChange = std::move(handler); }

    TThreeState Bold() const { return m_bold; }
    TThreeState Italic() const { return m_italic; }
    TThreeState Underline() const { return m_underline; }
    TThreeState StrikeOut() const { return m_strikeOut; }
    TThreeState SuperScript() const { return m_superScript; }
    TThreeState SubScript() const { return m_subScript; }
    bool Hidden() const { return m_hidden; }
    TColor UnderlineColor() const { return m_underlineColor; }
    TColor TextColor() const { return m_textColor; }
    TColor BackgroundColor() const { return m_backgroundColor; }
    bool UseUnderlineColor() const { return m_useUnderlineColor; }
    bool UseTextColor() const { return m_useTextColor; }
    bool UseBackgroundColor() const { return m_useBackgroundColor; }

    void SetBold(TThreeState value) { setStyle(m_bold, value); }
    void SetItalic(TThreeState value) { setStyle(m_italic, value); }
    void SetUnderline(TThreeState value) { setStyle(m_underline, value); }
    void SetStrikeOut(TThreeState value) { setStyle(m_strikeOut, value); }
    void SetSuperScript(TThreeState value) { setStyle(m_superScript, value); }
    void SetSubScript(TThreeState value) { setStyle(m_subScript, value); }
    void SetHidden(bool value) { setStyle(m_hidden, value); }
    /// Setting a colour also turns on its `Use...` property.
    void SetUnderlineColor(TColor value) { setColor(m_underlineColor, m_useUnderlineColor, value); }
    void SetTextColor(TColor value) { setColor(m_textColor, m_useTextColor, value); }
    void SetBackgroundColor(TColor value) { setColor(m_backgroundColor, m_useBackgroundColor, value); }
    void SetUseUnderlineColor(bool value) { setColorUse(m_useUnderlineColor, value); }
    void SetUseTextColor(bool value) { setColorUse(m_useTextColor, value); }
    void SetUseBackgroundColor(bool value) { setColorUse(m_useBackgroundColor, value); }

    /// Copies every property (not the selector or the handler) and reports a change.
    void Assign(const TCharacterAttr &source);

private:
    template <typename T> void setStyle(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        changed(true);
    }
    void setColor(TColor &field, bool &use, TColor value);
    void setColorUse(bool &field, bool value);
    void changed(bool needsLayout);

    quint32 m_selector;
    ChangeHandler m_onChange;
    TThreeState m_bold = tsIgnore;
    TThreeState m_italic = tsIgnore;
    TThreeState m_underline = tsIgnore;
    TThreeState m_strikeOut = tsIgnore;
    TThreeState m_superScript = tsIgnore;
    TThreeState m_subScript = tsIgnore;
    bool m_hidden = false;
    TColor m_underlineColor = qm::clBlack;
    TColor m_textColor = qm::clBlack;
    TColor m_backgroundColor = qm::clWhite;
    bool m_useUnderlineColor = false;
    bool m_useTextColor = false;
    bool m_useBackgroundColor = false;
};
