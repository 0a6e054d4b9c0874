#pragma once

#include "richtext/Attr.h"
#include "richtext/CharacterAttr.h"
#include "richtext/HyperlinkRecord.h"
#include "richtext/Paragraph.h"
#include "richtext/TextHeader.h"
#include "richtext/TextObject.h"
#include "richtext/TextPosition.h"

#include <QHash>
#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

/// Whether lines carry attribute arrays (rich text) or not (plain text, all
/// text shown in the current attribute).
enum TQmMemoryFormat : quint8 { fmRichText, fmPlainText };

/// The in-memory rich-text document: a list of paragraphs, each a list of
/// lines of UTF-16 code units with one `TAttr` per unit; the header
/// with font, colour and tab tables and the page layout; the embedded objects
/// and hyperlink records. Invariants: at least one paragraph, at least one
/// line per paragraph, `length < capacity` in every line, and attribute
/// arrays exactly in rich-text format.
///
/// Filling a document (what readers do):
///     TParagraph *p = doc.FirstParagraph();            // or NewParagraph(after, capacity)
///     TTextLine *l = p->firstLine();
///     l = doc.AppendCharacter(p, l, u'x', attr, 60);    // continues in a new line when full
///     p = doc.NewParagraph(p, 100);                     // paragraph end
/// Editing (what the editing control does):
///     TTextPosition at{p, p->firstLine(), 0};
///     at = doc.InsertText(at, u"Zażółć", attr);          // returns the place after the text
///     doc.DeleteText(start, end);                       // also across paragraph ends
///     QString text = p->text();
/// A character outside the Basic Multilingual Plane is two code units (a
/// surrogate pair); editing never separates them.
/// Objects: `CreateObject(graphic, tag)` and a placeholder character of code
/// 1 (by tag) or 2 (by number) whose attribute has `TAttr::Object` and the key
/// as its tag.
class TQmRTFText
{
public:
    static constexpr int MaxLineCapacity = 10000;
    static constexpr int MinLineCapacity = 8;
    static constexpr quint16 AutomaticTag = 65535;
    static constexpr quint16 FirstAutomaticTag = 2000;
    static constexpr int DefaultLineHeight = 16;
    static constexpr int DefaultAscent = 14;
    static constexpr int DefaultCharWidth = 16;

    /// Called for a new object without graphic so that the host can supply one.
    using ProvideObjectEvent = std::function<void(quint16 tag, qm::Graphic &graphic)>;

    /// An empty rich-text document: one paragraph whose line has room for 40
    /// characters, an empty font table, the default colours, current size 10.
    TQmRTFText();
    virtual ~TQmRTFText();
    TQmRTFText(const TQmRTFText &) = delete;
    TQmRTFText &operator=(const TQmRTFText &) = delete;

    /// Empties the document (nothing while loading): the current font becomes
    /// font 0 and the only entry of the font table ("Arial" if it has no
    /// name), the header returns to its defaults, objects and hyperlink
    /// records are released, and one empty paragraph with a 100-slot line is
    /// left. Ends with `AfterReset`.
    virtual void Clear();

    // Structure -----------------------------------------------------------
    TParagraph *FirstParagraph() const { return m_firstParagraph.get(); }
    TParagraph *LastParagraph() const;
    int ParagraphCount() const;

    /// A new paragraph after `after` (or in front of all when null) with a
    /// first line of `capacity` slots. Formatting is inherited from `after`:
    /// indents, spacing, alignment, shading, flags, the tab mask (not for a
    /// table cell) and the borders (unless `after` ends a table row).
    /// Raises "Out of Memory in\tNewParagraph" when memory runs out.
    TParagraph *NewParagraph(TParagraph *after, int capacity);
    /// A new line in `paragraph` after `after` (at the front when null), with
    /// at least 8 slots; slot 0 gets the current attribute. Raises
    /// "Line longer then\t10000 character!" above 10000 slots.
    TTextLine *NewLine(TParagraph *paragraph, TTextLine *after, int capacity);
    /// Reallocates both buffers of `line` to `capacity` slots rounded up to an
    /// even number, keeping the content (cut to capacity - 1 characters).
    /// Raises "Line longer then\t10000 character!" above 10000; the line is then unchanged.
    void ResizeLine(TTextLine *line, int capacity);
    /// Unlinks and frees `paragraph`. The last paragraph of a document is
    /// replaced by an empty one, so that the invariants hold.
    void DeleteParagraph(TParagraph *paragraph);
    /// Unlinks and frees `line`; the only line of a paragraph is emptied instead.
    void DeleteLine(TParagraph *paragraph, TTextLine *line);
    /// The last line of `paragraph`; raises "l=nil in Get_LastLine" when it has none.
    TTextLine *GetLastLine(const TParagraph *paragraph) const;

    /// Appends `character` with `attribute` to `line` of `paragraph`. When the
    /// line has fewer than 4 free slots it first starts a new line of
    /// `newLineCapacity` slots after it. Returns the line written to.
    TTextLine *AppendCharacter(TParagraph *paragraph, TTextLine *line, char16_t character, const TAttr &attribute,
                               int newLineCapacity);
    /// `AppendCharacter` for `count` characters at once; `attributes` holds
    /// one attribute per character, or is null to give each `fallback`.
    TTextLine *AppendCharacters(TParagraph *paragraph, TTextLine *line, const char16_t *text, const TAttr *attributes,
                                const TAttr &fallback, int count, int newLineCapacity);
    /// Inserts `text` with `attribute` before the character at `at` (a place
    /// inside a surrogate pair counts as the place before the pair). The line
    /// grows; a line that would pass `MaxLineCapacity` goes on in new lines.
    /// Line feeds are kept as line breaks; a text holding paragraph ends is
    /// the caller's to split. The paragraph is marked for layout. Returns the
    /// place right after the inserted text.
    TTextPosition InsertText(const TTextPosition &at, QStringView text, const TAttr &attribute);
    /// Deletes the characters from `from` up to `to` (in document order;
    /// across paragraphs the paragraph of `from` takes the rest of the
    /// paragraph of `to`, whose formatting is dropped). Places inside a
    /// surrogate pair widen to the whole pair. Returns the place where the
    /// text was; the touched paragraph is marked for layout.
    TTextPosition DeleteText(const TTextPosition &from, const TTextPosition &to);
    /// Cuts every line of `paragraph` to its length plus `spare` slots.
    void ShrinkLines(TParagraph *paragraph, int spare = 2);

    /// The attribute of slot `index` of `line`; raises "Error AttribPtr()"
    /// when the line has no attribute array.
    TAttr *AttribPtr(TTextLine *line, int index);

    /// Marks every paragraph for re-measuring and re-breaking.
    void MarkAllForLayout();

    // Header --------------------------------------------------------------
    TTextHeader &Header() { return *m_header; }
    const TTextHeader &Header() const { return *m_header; }
    /// See `TTextHeader::GetFontNr`: a full table gives 0 for a new name.
    int GetFontNr(const QString &name) { return m_header->GetFontNr(name); }
    /// RGB of colour 0 to 14, black for any other number.
    TColor GetColorEntry(int number) const { return m_header->GetColorEntry(number); }
    /// Adds a tab stop (see `TTextHeader::addTab`); the result is merged into a paragraph's tab mask.
    quint64 AddTab(qint32 twips, TTabKind kind) { return m_header->addTab(twips, kind); }

    // Current attribute ---------------------------------------------------
    const TAttr &CurrentAttr() const { return m_currentAttr; }
    TAttr &CurrentAttr() { return m_currentAttr; }
    void SetCurrentAttr(const TAttr &attr) { m_currentAttr = attr; }

    // Memory format -------------------------------------------------------
    TQmMemoryFormat MemoryFormat() const { return m_memoryFormat; }
    /// Rich text gives every character the current attribute; plain text
    /// drops the attribute arrays. Nothing happens while loading. When memory
    /// runs out on the way to rich text, the document stays plain.
    void SetMemoryFormat(TQmMemoryFormat format);
    bool IsRich() const { return m_memoryFormat == fmRichText; }

    /// While set, `Clear` and `SetMemoryFormat` do nothing (readers set it).
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }

    // Cached measures (kept by layout) ------------------------------------
    std::array<qint16, 256> &CharWidths() { return m_charWidths; }
    const std::array<qint16, 256> &CharWidths() const { return m_charWidths; }
    /// The cached width of `code` (the default width beyond the table).
    qint16 CharWidth(char16_t code) const { return code < m_charWidths.size() ? m_charWidths[code] : DefaultCharWidth; }

    // Special text --------------------------------------------------------
    TCharacterAttr &InsertPointAttr() { return m_insertPointAttr; }
    TCharacterAttr &AutomaticTextAttr() { return m_automaticTextAttr; }
    TCharacterAttr &HyperlinkTextAttr() { return m_hyperlinkTextAttr; }
    TCharacterAttr &ProtectedTextAttr() { return m_protectedTextAttr; }
    const TCharacterAttr &InsertPointAttr() const { return m_insertPointAttr; }
    const TCharacterAttr &AutomaticTextAttr() const { return m_automaticTextAttr; }
    const TCharacterAttr &HyperlinkTextAttr() const { return m_hyperlinkTextAttr; }
    const TCharacterAttr &ProtectedTextAttr() const { return m_protectedTextAttr; }

    // Objects -------------------------------------------------------------
    /// Appends a new object. Tag 65535 chooses the smallest tag above all
    /// existing ones, at least 2000 (self-tagged); tag 0 chooses a number
    /// instead, the smallest above all existing numbers, at least 1; any
    /// other tag is kept. An object without graphic that is not self-tagged
    /// is offered to the provide-object handler.
    TTextObject *CreateObject(qm::Graphic graphic, quint16 tag);
    TTextObject *FindObjectByTag(quint16 tag) const;
    TTextObject *FindObjectByNumber(quint16 number) const;
    /// The object that a placeholder character refers to (code 1 by tag,
    /// code 2 by number), or null.
    TTextObject *FindObjectFor(char16_t code, const TAttr &attr) const;
    /// Compared without regard to case; null when there is none. A hash of
    /// the names keeps documents with thousands of linked pictures linear.
    TTextObject *FindObjectByFileName(const QString &fileName) const;
    const std::vector<std::unique_ptr<TTextObject>> &Objects() const { return m_objects; }
    void ClearUsedFlags();
    /// Frees every object whose used flag is clear.
    void FreeUnusedObjects();
    /// Frees the objects that no placeholder character refers to any more.
    void ReleaseUnreferencedObjects();
    void SetProvideObjectEvent(ProvideObjectEvent handler) { m_provideObject = std::move(handler); }
    const ProvideObjectEvent &ProvideObject() const { return m_provideObject; }

    // Hyperlink records ---------------------------------------------------
    /// A new record keyed by the smallest key above all existing ones (at
    /// least 1). References to records stay valid until `Clear`.
    THyperlinkRecord &NewHyperlinkRecord();
    THyperlinkRecord *FindHyperlinkRecord(quint16 key);
    const THyperlinkRecord *FindHyperlinkRecord(quint16 key) const;

protected:
    /// Runs at the end of `Clear`; layers above reset their own state here.
    virtual void AfterReset() {}

private:
    void rebuildObjectIndexes();
    void convertToRich();
    void convertToPlain();
    std::unique_ptr<TTextLine> makeLine(int capacity) const;
    static void checkCapacity(int capacity);
    template <typename Element>
    static Element *linkAfter(std::unique_ptr<Element> &head, Element *after, std::unique_ptr<Element> element);
    template <typename Element> static void unlink(std::unique_ptr<Element> &head, Element *element);

    TQmMemoryFormat m_memoryFormat = fmRichText;
    bool m_loading = false;
    std::unique_ptr<TParagraph> m_firstParagraph;
    std::unique_ptr<TTextHeader> m_header;
    TCharacterAttr m_insertPointAttr;
    TCharacterAttr m_automaticTextAttr;
    TCharacterAttr m_hyperlinkTextAttr;
    TCharacterAttr m_protectedTextAttr;
    std::vector<std::unique_ptr<TTextObject>> m_objects;
    // Look-ups by key and by file name, so that each reference costs the same
    // however many objects the document holds. File names are indexed at the
    // next look-up, as readers name an object right after creating it.
    QHash<quint16, TTextObject *> m_objectsByTag;
    QHash<quint16, TTextObject *> m_objectsByNumber;
    mutable QHash<QString, TTextObject *> m_objectsByFileName;
    mutable std::size_t m_objectsNamed = 0;
    quint16 m_highestTag = 0;
    quint16 m_highestNumber = 0;
    std::deque<THyperlinkRecord> m_hyperlinkRecords;
    TAttr m_currentAttr;
    std::array<qint16, 256> m_charWidths;
    ProvideObjectEvent m_provideObject;
};
