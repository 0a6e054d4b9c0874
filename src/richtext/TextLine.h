#pragma once

#include "richtext/Attr.h"

#include <QStringView>

#include <memory>

/// One line of a paragraph: a zero-terminated buffer of UTF-16 code units
/// (9 tab, 10 line break, 1 and 2 object placeholders; a character outside
/// the Basic Multilingual Plane takes two slots, its surrogates) and, in
/// rich-text format, one `TAttr` per character slot. Lines are created,
/// resized and deleted through the document (`TQmRTFText`), which keeps the
/// invariants: `length < capacity()`, and an attribute array with
/// `capacity()` slots in rich-text format or none in plain-text format.
class TTextLine
{
public:
    enum Flag : quint8 { StartsPage = 0x02 };

    TTextLine() = default;
    ~TTextLine();
    TTextLine(const TTextLine &) = delete;
    TTextLine &operator=(const TTextLine &) = delete;

    // Layout results, in pixels.
    quint16 height = 0;
    quint16 baseline = 0; ///< ascent
    qint32 top = 0;       ///< from the top of the document
    quint8 flags = 0;     ///< Flag bits
    quint16 left = 0;     ///< horizontal placement kept by layout
    quint16 usedWidth = 0;
    quint16 justifyExtra = 0;

    /// Characters in use. Whoever changes it keeps `text()[length] == 0`.
    quint16 length = 0;

    char16_t *text() { return m_text.get(); }
    const char16_t *text() const { return m_text.get(); }
    /// Null in plain-text format.
    TAttr *attributes() { return m_attributes.get(); }
    const TAttr *attributes() const { return m_attributes.get(); }
    /// Number of slots of both buffers, one of them for the terminating zero.
    quint16 capacity() const { return m_capacity; }
    int freeSlots() const { return m_capacity - length; }
    QStringView chars() const { return QStringView(m_text.get(), length); }

    /// Stores `character` with `attribute` (ignored in plain-text format) at
    /// the end; the caller made sure a slot is free (`freeSlots() > 1`).
    void append(char16_t character, const TAttr &attribute)
    {
        Q_ASSERT(freeSlots() > 1);
        m_text[length] = character;
        if (m_attributes)
            m_attributes[length] = attribute;
        m_text[++length] = 0;
    }

    TTextLine *next() const { return m_next.get(); }
    TTextLine *previous() const { return m_previous; }

private:
    friend class TQmRTFText;
    friend class TParagraph;

    std::unique_ptr<char16_t[]> m_text;
    std::unique_ptr<TAttr[]> m_attributes;
    quint16 m_capacity = 0;
    std::unique_ptr<TTextLine> m_next; ///< owns the rest of the paragraph's lines
    TTextLine *m_previous = nullptr;
};
