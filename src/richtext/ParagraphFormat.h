#pragma once

#include <QtGlobal>

#include <array>

/// How a paragraph is formatted: indents, spacing, alignment, borders,
/// shading, tab stops and its place in a table. All lengths in twips.
struct TParagraphFormat {
    enum Alignment : quint8 { AlignLeft, AlignRight, AlignCenter, AlignJustify };
    enum Flag : quint8 {
        PageBreakBefore = 0x01,
        RowEnd = 0x02, ///< last paragraph (cell) of a table row
        RowMarker = 0x04,
        TableCell = 0x08,
        KeepTogether = 0x80,
    };
    enum BorderFlag : quint8 {
        Bordered = 0x01,
        BorderLast = 0x02, ///< last paragraph of its border box
        BorderTop = 0x04,
        BorderBottom = 0x08,
        BorderLeft = 0x10,
        BorderRight = 0x20,
        BorderBox = 0x40, ///< all four sides
        BorderDouble = 0x80,
    };
    enum BorderStyle : quint8 { BorderDotted = 0x01, BorderHairline = 0x02, BorderBar = 0x04, BorderTableLines = 0x40 };

    /// Indent of the first line, measured from the left margin like `leftIndent`.
    qint32 firstIndent = 0;
    qint32 leftIndent = 0;
    qint32 rightIndent = 0;
    qint32 spaceBefore = 0;
    qint32 spaceAfter = 0;
    qint32 lineSpacing = 0; ///< 0 automatic; negative: exactly the absolute value
    quint8 alignment = AlignLeft;
    quint8 flags = 0;         ///< Flag bits
    quint8 borderFlags = 0;   ///< BorderFlag bits
    quint8 borderStyle = 0;   ///< BorderStyle bits
    quint8 borderWidth = 0;   ///< points
    quint8 borderColor = 0;   ///< low nibble colour number, high nibble distance from the text (x 56 twips)
    quint8 shadingColors = 0; ///< low nibble pattern colour, high nibble background colour
    quint8 shading = 0;       ///< percent, 0 to 100
    /// Bit i set: tab stop i of the header's tab table applies.
    quint64 tabMask = 0;
    /// For table cells: the sum of bytes 0 and 1 is the cell's right edge in
    /// 1/255 of the row width between the row's indents.
    std::array<quint8, 4> cellPlacement{};

    bool isTableCell() const { return (flags & TableCell) != 0; }
    bool isBordered() const { return (borderFlags & Bordered) != 0; }

    friend bool operator==(const TParagraphFormat &, const TParagraphFormat &) = default;
};
