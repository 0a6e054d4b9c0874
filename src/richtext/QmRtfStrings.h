#pragma once

#include <QIODevice>
#include <QString>

class TQmRTFTextIo;
class TParagraph;

/// A document seen as a list of strings, one per paragraph. Changing a string changes the document; the document stays
/// owned by its owner.
class TQmRtfStrings
{
public:
    explicit TQmRtfStrings(TQmRTFTextIo &document)
        : m_document(document)
    {}

    /// The number of paragraphs; an empty document counts 0.
    int Count() const;
    /// The text of paragraph `index`.
    QString Strings(int index) const;
    /// Replaces the text of paragraph `index`, keeping its formatting; the
    /// characters get the document's current attribute.
    void Put(int index, const QString &text);
    /// A new paragraph with `text` before paragraph `index` (at the end when
    /// `index` is `Count()`).
    void Insert(int index, const QString &text);
    void Add(const QString &text) { Insert(Count(), text); }
    void Delete(int index);
    void Clear();
    /// Marks the document for layout after a series of changes.
    void EndUpdate();

    /// Empties the document and loads `stream` with format detection.
    void LoadFromStream(QIODevice *stream);
    /// Writes the document as plain ANSI text, whatever its save format;
    /// returns the writer's result code.
    [[nodiscard]] int SaveToStream(QIODevice *stream) const;

private:
    TParagraph *paragraphAt(int index) const;
    void setText(TParagraph *paragraph, const QString &text);

    TQmRTFTextIo &m_document;
};
