#pragma once

#include <QString>

/// Extra content linked to one character whose attribute has the
/// hyperlink-record bit, found through the character's tag. RTF footnotes are
/// kept this way: the character is the footnote mark and `text` its text.
struct THyperlinkRecord {
    quint16 key = 0;
    char16_t mark = u'#';
    /// Footnote number; 0 for an automatically numbered footnote.
    quint16 number = 0;
    bool automatic = false;
    QString text;
};
