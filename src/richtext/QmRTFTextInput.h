#pragma once

#include "richtext/QmRTFTextPaint.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TQmTextReader;

/// Where a caret movement goes.
enum class TCaretMove {
    CharLeft,
    CharRight,
    WordLeft,
    WordRight,
    LineStart,
    LineEnd,
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    DocumentStart,
    DocumentEnd,
};

/// Whether a caret movement drags the selection along or leaves none.
enum class TSelectionMode { Collapse, Extend };

/// The editing engine of the rich-text control, without a window: a caret
/// and a selection in the document, typing Unicode text (insert or
/// overwrite), Backspace, Delete, Enter and page breaks across lines and
/// paragraphs, pasting RTF and plain text, pictures, formatting the
/// selection, and an undo history of the edits since the text was loaded.
///
/// Every change first asks `ChangeAllowed` (not read-only, not loading) and
/// returns whether the document changed, so that the control can report it:
///     TQmRTFTextInput editor;
///     editor.SelectAll();
///     if (editor.TypeText(u"new text"))
///         emitChange();
/// Loading a document (`Clear`, `Assign`, reading the "Data" payload)
/// empties the history. Geometry is in document pixels: (0, 0) is the top
/// left of the first line, whatever the scroll position.
class TQmRTFTextInput : public TQmRTFTextPaint
{
public:
    /// Undo steps kept; the oldest go first.
    static constexpr int UndoLimit = 100;
    /// Characters the kept steps may hold together, so that the history of a
    /// long text stays within some megabytes; the latest step is always kept.
    static constexpr qsizetype UndoCharacterBudget = 2'000'000;
    static constexpr char16_t BackspaceCode = 8;
    static constexpr char16_t LineBreakCode = 10;
    static constexpr char16_t PageBreakCode = 12;
    static constexpr char16_t EnterCode = 13;
    static constexpr char16_t DeleteCode = 127;
    /// Placeholder of a picture referred to by its number.
    static constexpr char16_t NumberedObjectCode = 2;

    TQmRTFTextInput();
    ~TQmRTFTextInput() override;

    // Permissions and modes ---------------------------------------------------
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    /// Neither read-only nor loading.
    bool ChangeAllowed() const { return !m_readOnly && !IsLoading(); }
    /// Insert (true) or overwrite mode.
    bool Inserting() const { return m_inserting; }
    void SetInserting(bool inserting) { m_inserting = inserting; }

    // Caret and selection -------------------------------------------------------
    /// Some text is selected (a selection of no characters does not count).
    bool HasSelection() const;
    void MoveCaret(TCaretMove move, TSelectionMode mode);
    /// Puts the caret at the character nearest to `point` (document pixels).
    void MoveCaretToPoint(QPoint point, TSelectionMode mode);
    /// Selects the word at `point` (document pixels), or the character there
    /// when it is no word's; the caret goes to the selection's end.
    void SelectWordAt(QPoint point);
    /// Selects the whole text; the caret goes to its end.
    void SelectAll();
    /// Leaves the text unselected, the caret where it is.
    void RemoveSelection();
    /// Where the caret stands: as high as its line, at least 4 pixels.
    QRect CaretRect();
    /// The selected characters as text, paragraphs ending in a line feed,
    /// pictures left out.
    QString SelectedText() const;
    /// The selection written in `format` (the save format is kept), or
    /// nothing when writing failed. Without a selection, empty.
    std::optional<QByteArray> SelectionData(TQmLoadFormat format);
    /// Scrolls the least that shows the caret's line in a view `PaintHeight` high.
    void ScrollToCaret();

    // Changes: true when the document changed -------------------------------------
    /// Types `text` at the caret in the current attribute, replacing the
    /// selection (and, in overwrite mode, as many following characters of the
    /// line). Control characters other than tab are left out.
    bool TypeText(QStringView text);
    /// A typed character: Backspace (8), Delete (127), Enter (13), page
    /// break (12), or text.
    bool TypeCharacter(char16_t code);
    bool DeleteSelection();
    /// Inserts RTF (up to its first zero byte) at the caret, replacing the selection.
    bool PasteRtf(QByteArrayView rtf);
    /// Inserts `text` in the current attribute; LF, CR LF and CR end paragraphs.
    bool PasteText(QStringView text);
    /// Inserts a copy of `graphic` as a new numbered picture at the caret,
    /// `width` x `height` twips (0: its pixel size at the screen's
    /// resolution). Returns the picture's number, 0 when nothing was inserted.
    quint16 InsertGraphic(const qm::Graphic &graphic, int width, int height);
    /// `ApplyAttr` as a change: the selection's characters and the current attribute.
    bool ChangeAttr(const TAttr &source, quint16 mask);
    /// Aligns the paragraphs of the selection, or the caret's.
    bool SetAlignment(quint8 alignment);

    // History ---------------------------------------------------------------------
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    bool Undo();
    bool Redo();

protected:
    void AfterReset() override;

private:
    /// A place in the document that outlives re-layout: paragraph number and
    /// characters before it in that paragraph.
    struct Place {
        int paragraph = 0;
        int offset = 0;
        friend auto operator<=>(const Place &, const Place &) = default;
    };
    struct Snapshot {
        std::unique_ptr<TQmRTFTextIo> document;
        qsizetype characters = 0;
        TAttr currentAttr;
        Place caret;
        std::optional<Place> anchor;
    };
    enum class EditKind { Typing, Other };

    Place placeOf(const TTextPosition &position) const;
    TTextPosition positionOf(Place place) const;
    TParagraph *paragraphAt(int number) const;
    Place documentEnd() const;
    /// The place `move` leads to from the caret.
    Place target(TCaretMove move);
    Place characterStep(Place from, int direction) const;
    Place wordStep(Place from, int direction) const;
    /// The position in `line` nearest to `x`.
    TTextPosition positionInLine(TParagraph *paragraph, TTextLine *line, int x) const;
    TTextPosition positionAtPoint(QPoint point);
    void moveTo(const TTextPosition &position, TSelectionMode mode);
    /// The current attribute becomes that of the text at the caret.
    void takeAttributeAtCaret();
    /// The selection's ends in document order.
    std::pair<TTextPosition, TTextPosition> orderedRange() const;

    /// Ends a change: the caret at `caret`, no selection, layout updated.
    void finishEdit(const TTextPosition &caret);
    /// Splits the caret's paragraph at the caret; returns the new paragraph's start.
    TTextPosition splitParagraph(const TTextPosition &at);
    bool deleteCharacter(int direction);
    bool insertParagraphEnd(bool pageBreak);
    bool pasteWith(TQmTextReader &reader, const QByteArray &data);
    /// Deletes the selected text, if any; returns where it was (else the caret).
    TTextPosition deleteSelected();
    TTextPosition insertAtCaret(QStringView text, const TAttr &attr);

    Snapshot snapshot() const;
    void restore(Snapshot &step);
    /// Keeps the document as it is before a change; consecutive typing makes one step.
    void recordUndo(EditKind kind);

    bool m_readOnly = false;
    bool m_inserting = true;
    bool m_restoring = false;
    std::optional<EditKind> m_lastEdit;
    std::vector<Snapshot> m_undo;
    std::vector<Snapshot> m_redo;
};
