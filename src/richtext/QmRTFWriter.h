#pragma once

#include "richtext/QmTextWriter.h"

#include <vector>

/// Writes a document, or a range of it, as RTF: one font table, one colour
/// table (colours 0 to 14), page size and margins, the document strings, and
/// per run of equally formatted characters a complete set of character
/// properties after `\plain`. Paragraph formatting is written in groups that
/// are opened when it changes, so that a paragraph writes only what differs
/// from the one before. Objects become pictures (device-dependent bitmaps,
/// device-independent bitmaps, metafiles), linked picture files or provided
/// objects.
class TQmRTFWriter : public TQmTextWriter
{
public:
    [[nodiscard]] int WriteHeader(QIODevice *stream) override;
    /// Closes every open group and the document.
    [[nodiscard]] int WriteFooter(QIODevice *stream) override;

protected:
    [[nodiscard]] int WriteLine(const TTextLine &line, int from, int to) override;
    [[nodiscard]] int ParagraphStart() override;
    [[nodiscard]] int ParagraphEnd() override;

private:
    enum class GroupKind { Body, TabStops, TableRow, Border, Shading };
    /// An open "{" and the paragraph formatting in force inside it.
    struct Group {
        GroupKind kind;
        TParagraphFormat format;
    };
    /// What decides whether a table row repeats the layout of the row before.
    struct CellLayout {
        quint8 borderFlags = 0;
        quint8 borderStyle = 0;
        quint8 borderWidth = 0;
        quint8 borderColor = 0;
        quint8 shadingColors = 0;
        quint8 shading = 0;
        int placement = 0;
        friend bool operator==(const CellLayout &, const CellLayout &) = default;
    };

    [[nodiscard]] int writeAttributes(const TAttr &attr);
    [[nodiscard]] int writeCharacters(const char16_t *text, int count, bool rtfCode);
    [[nodiscard]] int writeObject(char16_t code, const TAttr &attr);
    [[nodiscard]] int writePicture(const TTextObject &object);
    [[nodiscard]] int writeHex(QByteArrayView data);
    [[nodiscard]] int writeFootnote(const TAttr &attr);
    /// Ends a run of RTF-code text, so that what follows is read as RTF again.
    void closeRtfCode(QByteArray &out);

    TParagraphFormat &openFormat() { return m_groups.back().format; }
    void openGroup(GroupKind kind);
    bool hasGroup(GroupKind kind) const;
    /// Closes groups, innermost first, up to and including the innermost one of `kind`.
    void closeThrough(GroupKind kind);
    std::vector<CellLayout> rowLayout(const TParagraph *first) const;
    [[nodiscard]] int writeRowDescription(const std::vector<CellLayout> &row);
    void writeBorderGroup();
    void writeShading();
    void writeTabStops();
    void writeParagraphValues();
    /// Writes the buffered control words, followed by a space when `space`.
    [[nodiscard]] int flush(bool space);

    std::vector<Group> m_groups;
    std::vector<CellLayout> m_row;
    QByteArray m_buffer;
    QByteArray m_run; ///< the control words of one run
    bool m_inRtfCode = false;
    bool m_previousRunHidden = false;
};
