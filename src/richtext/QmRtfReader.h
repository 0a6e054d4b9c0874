#pragma once

#include "richtext/QmTextReader.h"
#include "richtext/RtfCodePage.h"
#include "richtext/RtfKeywords.h"
#include "richtext/RtfPicture.h"

#include <array>
#include <map>
#include <vector>

/// Reads RTF into a document: what the RTF writer produces, plus the common
/// RTF of other programs, skipping what it does not understand.
///
/// A table-driven state machine: a byte lexer, a stack of saved states for
/// groups, a current destination, and the keyword table of `qm::rtf`.
/// Nesting is held on an explicit stack of at most `MaxGroupDepth` groups;
/// deeper groups are skipped whole.
class TQmRtfReader : public TQmTextReader
{
public:
    static constexpr int MaxGroupDepth = 1000;
    /// Room of every line the reader starts.
    static constexpr int LineCapacity = 60;
    /// Longest colour table kept for the look-up of colours beyond the document's 15.
    static constexpr int MaxFileColors = 4096;

    /// Reads RTF from `stream` into `document` at `insertion` (see
    /// `TQmTextReader::Read`). Raises "Wrong Arguments in\tTQmRTFReader" when
    /// the stream or the document is missing. Returns 0, 2 (an exception in a
    /// keyword, passed on) or 7 (the stream ended inside a control word, or
    /// an exception in the lexer, passed on).
    int Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion) override;

    /// When set (pasting into an existing document), page, margin and
    /// colour-table keywords leave the header unchanged.
    void SetKeepHeader(bool keep) { m_keepHeader = keep; }
    bool KeepHeader() const { return m_keepHeader; }

private:
    enum class Destination : quint8 {
        Text,
        Skip,
        FontTable,
        ColorTable,
        Picture,
        PictureFile,
        Title,
        Comment,
        Subject,
        Footnote,
        Field,
        FieldInstruction,
    };

    /// What a group saves and restores. The paragraph values are those that
    /// `\par` stores into the paragraph being filled; `flags` and
    /// `cellPlacement` of `format` are not used.
    struct State {
        TAttr attr;
        TParagraphFormat format;
        qint32 firstIndentOffset = 0; ///< the last \fi, relative to the left indent
        TTabKind nextTabKind = tkLeft;
        Destination destination = Destination::Text;
        bool inTable = false;       ///< filling table cells (\intbl)
        bool describingRow = false; ///< between \trowd and \intbl: borders go to the cell
        bool hexPending = false;    ///< after \' : the next hexadecimal digits form a character
        quint8 hexDigits = 0;
        quint8 hexValue = 0;
        /// Code page of the bytes of the current font; 0 for the document's.
        int codePage = 0;
        /// Fallback bytes that follow each \u (\uc).
        int unicodeSkip = 1;
    };

    /// One cell of the row description (\trowd ... \cellx): its right edge
    /// in twips, and its borders and shading in the paragraph fields.
    struct Cell {
        qint32 rightEdge = 0;
        TParagraphFormat format;
        bool merged = false; ///< \clmrg: widens the cell before it
    };
    static constexpr int MaxCells = 50;

    enum class FieldState : quint8 { FirstCharacter, Digits, Ended };

    void setUp(TParagraph *insertion);
    void run();
    void finish();

    // Lexer
    void readControl();
    /// A byte of text (plain or \'hh): decoded by the code page in force,
    /// unless it is a fallback of the \u before it.
    void takeByte(int byte);
    /// A character named by a keyword or \u; also counts as one fallback.
    void takeCharacter(int character);
    qm::rtf::CodePage &codePage(int number);
    void skipBinary(qint32 count);
    void readRtfCodeByte(int byte);
    void takeHexDigit(int byte);
    void pushGroup();
    void popGroup();

    // Keywords; each `apply...` returns false for an action it does not handle.
    void execute(const qm::rtf::Keyword &keyword, qint32 parameter);
    void enterDestination(qm::rtf::Action action);
    bool applyCharacterProperty(qm::rtf::Action action, qint32 parameter);
    bool applyParagraphProperty(qm::rtf::Action action, qint32 parameter);
    bool applyBorder(qm::rtf::Action action, qint32 parameter);
    bool applyHeaderProperty(qm::rtf::Action action, qint32 parameter);
    bool applyObjectProperty(qm::rtf::Action action, qint32 parameter);
    bool applyStructure(qm::rtf::Action action, qint32 parameter);
    void applyBorderWord(TParagraphFormat &target, qint32 word);
    void setParagraphDefaults();

    // Destinations
    /// Most bytes of a document are ASCII text in the text destination: they take a short way.
    bool isPlainText(int byte) const
    {
        return byte >= ' ' && byte < 0x80 && byte != '\\' && byte != '{' && byte != '}' &&
               m_state.destination == Destination::Text && !m_state.hexPending && !m_rtfCodeRun && m_excessDepth == 0 &&
               m_skipFallback == 0 && !m_pendingLeadByte;
    }
    void appendText(char16_t character)
    {
        if (m_line->freeSlots() >= 4)
            m_line->append(character, m_state.attr);
        else
            insert(character, m_state.attr, LineCapacity);
    }
    void put(int character);
    void putText(int character);
    void putFontName(int character);
    void defineFont();
    void nextColor();
    void putPictureFileName(int character);
    void putFootnote(int character);
    void putField(int character);
    QString *headerString(Destination destination);
    /// The document's colour for colour number `number` of the file: the
    /// number itself below 15, the nearest colour of the document's table
    /// above; -1 for a number the file does not define.
    int colorNumber(qint32 number) const;

    // Objects and footnotes
    void insertPlaceholder(const TTextObject &object);
    void insertProvidedObject();
    void endPicture(Destination restored);
    void endLinkedPicture(Destination restored);
    void startFootnote();

    // Paragraphs and tables
    /// Stores the paragraph values of the state into `paragraph`.
    void storeFormat(TParagraph *paragraph) const;
    /// A paragraph keyword in the text: the paragraph being filled follows it.
    void formatChanged();
    void closeBorderOfPreviousParagraph();
    void endParagraph();
    void startNextParagraph();
    void addCell(qint32 rightEdge);
    void endCell();
    void endRow();
    /// A cell's right edge in 1/255 of the row width (0 to 510).
    int cellPlacement(qint32 rightEdge, qint32 rightIndent) const;

    bool m_keepHeader = false;

    State m_state;
    std::vector<State> m_groups;
    /// Groups beyond `MaxGroupDepth`, skipped whole.
    int m_excessDepth = 0;
    /// Set by \* : an unknown control word right after it skips its group.
    bool m_ignorable = false;
    bool m_stopped = false;

    /// Set when the paragraph being filled got formatting of its own; a
    /// closing group then leaves its formatting alone.
    bool m_paragraphFormatted = false;

    // Code pages and Unicode
    int m_documentCodePage = 1252;
    std::map<int, qm::rtf::CodePage> m_codePages;
    /// Fallback bytes still to skip after a \u.
    int m_skipFallback = 0;
    /// A double-byte code page holds half a character.
    bool m_pendingLeadByte = false;

    // Font and colour tables
    std::array<quint8, TTextHeader::FontCount> m_fontMap{};
    /// Code page of each font of the file; 0 for the document's.
    std::array<int, TTextHeader::FontCount> m_fontCodePages{};
    int m_definedFont = -1;
    QString m_fontName;
    qint32 m_fontFamily = 0;
    qint32 m_fontCharset = 0;
    int m_colorIndex = 0;
    /// Every colour of the file's table, also those beyond the 15 the document keeps.
    std::vector<TColor> m_fileColors;
    /// Border sides named but not yet given a line style.
    quint8 m_pendingBorderSides = 0;

    // Tables
    std::array<Cell, MaxCells> m_cells;
    int m_cellCount = 0;
    Cell m_describedCell;
    int m_cellIndex = 0;
    qint32 m_rowGap = 0;
    qint32 m_rowLeft = 0;
    qint32 m_pageWidth = 0;
    qint32 m_leftMargin = 0;
    qint32 m_rightMargin = 0;

    // Pictures, provided objects, footnotes, fields
    qm::rtf::Picture m_picture;
    bool m_inFileName = false;
    quint16 m_objectTag = 0;
    qint32 m_objectWidth = 0;
    qint32 m_objectHeight = 0;
    THyperlinkRecord *m_footnote = nullptr;
    FieldState m_fieldState = FieldState::Ended;
    QString m_fieldInstruction;
    TTextLine *m_fieldLine = nullptr;
    int m_fieldIndex = 0;

    // RTF-code run between \wprtf1 and \wprtf0
    bool m_rtfCodeRun = false;
    int m_rtfCodeMatched = 0;
};
