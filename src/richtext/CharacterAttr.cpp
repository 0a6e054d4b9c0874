#include "richtext/CharacterAttr.h"

void TCharacterAttr::setColor(TColor &field, bool &use, TColor value)
{
    if (field == value && use)
        return;
    field = value;
    use = true;
    changed(false);
}

void TCharacterAttr::setColorUse(bool &field, bool value)
{
    if (field == value)
        return;
    field = value;
    changed(false);
}

void TCharacterAttr::changed(bool needsLayout)
{
    if (m_onChange)
        m_onChange(m_selector, needsLayout);
}

void TCharacterAttr::Assign(const TCharacterAttr &source)
{
    const quint32 selector = m_selector;
    ChangeHandler handler = std::move(m_onChange);
    *this = source;
    m_selector = selector;
    m_onChange = std::move(handler);
    changed(true);
}
