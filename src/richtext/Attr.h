#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstring>
#include <type_traits>

/// The attribute of one character, 16 bytes. The same record is the
/// document's current writing attribute and the argument of every
/// attribute-setting operation. Widths and heights are caches kept by layout;
/// everything else is what the user formatted.
struct TAttr {
    /// Bits of the 32-bit flag word. The low byte holds the style bits, the
    /// second byte the special bits; operations treat the word as one value.
    enum Flag : quint32 {
        Bold = 0x0001,
        Italic = 0x0002,
        Underline = 0x0004,
        StrikeOut = 0x0008,
        Hyperlink = 0x0010, ///< written as a double underline
        KeepCanvasColors = 0x0020,
        Superscript = 0x0040,
        Subscript = 0x0080,
        Hidden = 0x0100,
        Protected = 0x0200,       ///< written and read as shadow
        RtfCode = 0x0400,         ///< written out verbatim as RTF
        HyperlinkRecord = 0x0800, ///< linked to a hyperlink record whose key is `tag`
        InsertPoint = 0x1000,
        Automatic = 0x2000, ///< automatic text
        Object = 0x4000,    ///< the character is a picture placeholder
    };

    qint16 width = 0;      ///< cached width in pixels at the current zoom
    qint16 height = 0;     ///< cached text height of the font in pixels
    qint16 ascent = 0;     ///< cached distance from the top to the baseline
    quint8 fontNumber = 0; ///< index into the header's font table
    quint8 colors = 0;     ///< low nibble text colour, high nibble background colour (0 = none)
    quint32 flags = 0;     ///< style and special bits, see Flag
    quint8 size = 0;       ///< whole points; 0 means not set (10 where a size is needed)
    quint8 reserved = 0;
    quint16 tag = 0; ///< object tag or number, hyperlink-record key or insertion-point number

    int textColor() const { return colors & 0x0F; }
    int backgroundColor() const { return colors >> 4; }
    void setTextColor(int number) { colors = quint8((colors & 0xF0) | (number & 0x0F)); }
    void setBackgroundColor(int number) { colors = quint8((colors & 0x0F) | ((number & 0x0F) << 4)); }

    bool has(quint32 flag) const { return (flags & flag) != 0; }

    /// Sets or clears `flag`. Setting superscript clears subscript and the
    /// reverse, so that the latest choice wins.
    void setFlag(quint32 flag, bool on)
    {
        if (!on) {
            flags &= ~flag;
            return;
        }
        flags |= flag;
        if (flag & Subscript)
            flags &= ~quint32(Superscript);
        if (flag & (Superscript | HyperlinkRecord))
            flags &= ~quint32(Subscript);
        enforceSuperSubRule();
    }

    /// Superscript and subscript exclude each other: a set superscript (or
    /// hyperlink-record) bit clears subscript, and then a set subscript bit
    /// clears superscript. Every operation that changes flags ends with this.
    void enforceSuperSubRule()
    {
        if (flags & (Superscript | HyperlinkRecord))
            flags &= ~quint32(Subscript);
        if (flags & Subscript)
            flags &= ~quint32(Superscript);
    }

    /// The size to measure and print with: 0 stands for 10 points.
    int effectiveSize() const { return size == 0 ? 10 : size; }

    /// Same font, size, colours and flags: the characters belong to one run.
    bool sameRun(const TAttr &other) const
    {
        // Bytes 6 to 12 are exactly these fields; writers compare them for every character.
        return std::memcmp(&fontNumber, &other.fontNumber, 7) == 0;
    }

    friend bool operator==(const TAttr &, const TAttr &) = default;
};

static_assert(sizeof(TAttr) == 16, "TAttr is a 16-byte record");
static_assert(std::is_trivially_copyable_v<TAttr>);
static_assert(offsetof(TAttr, fontNumber) == 6 && offsetof(TAttr, size) == 12, "sameRun compares bytes 6 to 12");
