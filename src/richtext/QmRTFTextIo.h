#pragma once

#include <QByteArray>

/// A rich-text document that can be stored, copied and exchanged.
/// (Least form: text bytes only, until the document model lands.)
class TQmRTFTextIo
{
public:
    /// True when the document holds no character at all.
    bool IsEmpty() const { return m_text.isEmpty(); }
    void Clear() { m_text.clear(); }
    /// Makes this document a copy of `source`; the two share nothing.
    void Assign(const TQmRTFTextIo &source) { m_text = QByteArray(source.m_text.constData(), source.m_text.size()); }

    // Temporary access until paragraphs exist.
    void setPlainText(const QByteArray &text) { m_text = text; }
    const QByteArray &plainText() const { return m_text; }

private:
    QByteArray m_text;
};
