#include "richtext/Paragraph.h"

// Unlinking one paragraph at a time keeps the destruction of long documents
// from recursing once per paragraph.

TParagraph::~TParagraph()
{
    std::unique_ptr<TParagraph> rest = std::move(m_next);
    while (rest)
        rest = std::move(rest->m_next);
}

TTextLine *TParagraph::lastLine() const
{
    TTextLine *line = m_firstLine.get();
    while (line && line->next())
        line = line->next();
    return line;
}

int TParagraph::lineCount() const
{
    int count = 0;
    for (const TTextLine *line = m_firstLine.get(); line; line = line->next())
        ++count;
    return count;
}

int TParagraph::characterCount() const
{
    int count = 0;
    for (const TTextLine *line = m_firstLine.get(); line; line = line->next())
        count += line->length;
    return count;
}

QString TParagraph::text() const
{
    QString text;
    text.reserve(characterCount());
    for (const TTextLine *line = m_firstLine.get(); line; line = line->next())
        text += line->chars();
    return text;
}
