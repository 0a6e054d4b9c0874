#pragma once

#include "richtext/QmRTFText.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace qm::test {

/// An attribute with the given font, size and flags (colours and tag 0).
inline TAttr attr(quint8 font = 0, quint8 size = 10, quint32 flags = 0, quint16 tag = 0)
{
    TAttr result;
    result.fontNumber = font;
    result.size = size;
    result.flags = flags;
    result.tag = tag;
    return result;
}

/// Appends `text` with `attribute` to the last line of `paragraph`, starting
/// new lines as the readers do.
inline void appendRun(TQmRTFText &document, TParagraph *paragraph, const QString &text, const TAttr &attribute)
{
    TTextLine *line = document.GetLastLine(paragraph);
    for (const QChar character : text)
        line = document.AppendCharacter(paragraph, line, character.unicode(), attribute, 60);
}

/// The characters of `paragraph`, all lines joined.
inline QString paragraphText(const TParagraph *paragraph)
{
    return paragraph->text();
}

/// Every character of `document` with its attribute, paragraph by paragraph:
/// what two documents must agree on to hold the same text, however their
/// paragraphs are broken into lines.
inline std::vector<std::pair<char16_t, TAttr>> characters(const TQmRTFText &document)
{
    std::vector<std::pair<char16_t, TAttr>> result;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            for (int i = 0; i < line->length; ++i)
                result.emplace_back(line->text()[i], line->attributes() ? line->attributes()[i] : TAttr());
        }
        result.emplace_back(u'\n', TAttr());
    }
    return result;
}

/// The formatting of every paragraph.
inline std::vector<TParagraphFormat> paragraphFormats(const TQmRTFText &document)
{
    std::vector<TParagraphFormat> result;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next())
        result.push_back(paragraph->format());
    return result;
}

/// The text of every paragraph.
inline QStringList paragraphTexts(const TQmRTFText &document)
{
    QStringList texts;
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next())
        texts.append(paragraphText(paragraph));
    return texts;
}

} // namespace qm::test
