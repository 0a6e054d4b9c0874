#include "richtext/TextLine.h"

// Links own the elements after them; unlinking the chain one element at a
// time keeps destruction of long documents from recursing once per element.

TTextLine::~TTextLine()
{
    std::unique_ptr<TTextLine> rest = std::move(m_next);
    while (rest)
        rest = std::move(rest->m_next);
}
