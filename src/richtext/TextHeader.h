#pragma once

#include "platform/Color.h"

#include <QString>
#include <QStringView>

#include <array>
#include <functional>

/// Alignment of a tab stop; `tkAll` only serves as a wildcard in searches.
enum TTabKind : quint8 { tkLeft, tkRight, tkCenter, tkDecimal, tkAll };

/// Whether tab grids and default tab intervals follow inches or centimetres.
enum class TTextUnit : quint8 { Inch, Metric };

/// One entry of a document's font table.
struct TFontEntry {
    QString name;              ///< at most 31 characters; an empty name ends the table
    qint32 pitchAndFamily = 0; ///< family in bits 4-7: 0x20 swiss, 0x30 modern, 0x40 script, 0x50 decorative
    qint32 charset = 0;
};

struct TTabStop {
    qint32 twips = 0;  ///< 0 marks an empty entry
    qint32 pixels = 0; ///< twips at the header's horizontal resolution
    TTabKind kind = tkLeft;
};

/// The part of a document that is not text: font and colour tables, the
/// resolution text is measured for, the tab table, the page layout and the
/// document strings. Every length is in twips unless its name says pixels.
class TTextHeader
{
public:
    static constexpr int FontCount = 99;
    static constexpr int FontNameLength = 31;
    static constexpr int ColorCount = 16;
    static constexpr int TabCount = 64;
    /// Sort key of an empty tab entry: behind every real position.
    static constexpr qint32 EmptyTabSortKey = 0xFFFFFF;

    TTextHeader();

    /// Back to the defaults of a new document, keeping font entry 0: font
    /// entries 1 to 98 emptied, default colours, empty tab table, Letter page
    /// with its default margins, no title, subject or comment.
    void reset();

    // Font table ---------------------------------------------------------
    std::array<TFontEntry, FontCount> fonts;

    /// The number of the font called `name` (cut to 31 characters, compared without
    /// regard to case); a name not in the table is added at the first empty
    /// entry. A full table yields 0 for a new name, so that text never refers
    /// to a font that does not exist.
    int GetFontNr(const QString &name);
    /// Number of entries before the first empty name.
    int fontCount() const;

    // Colour table -------------------------------------------------------
    /// 16 colours, red in the low byte; only 0 to 14 are usable in text.
    std::array<TColor, ColorCount> colors;
    static const std::array<TColor, ColorCount> &defaultColors();
    /// The colour of entry `number` (masked to 7 bits) for 0 to 14, else black.
    TColor GetColorEntry(int number) const;

    // Resolution ---------------------------------------------------------
    int pixelsPerInchX = 96;
    int pixelsPerInchY = 96;
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;

    // Tab table ----------------------------------------------------------
    std::array<TTabStop, TabCount> tabs;
    /// Indices into `tabs` sorted by position, empty entries last.
    std::array<quint8, TabCount> tabOrder;
    /// Kind given to a tab added with `tkAll`.
    TTabKind defaultTabKind = tkLeft;
    TTextUnit unit = TTextUnit::Inch;
    /// Called once when a tab is added to a full table; it may empty an entry.
    std::function<void()> tabTableFull;

    /// Finds or adds a tab stop at `twips` and returns a mask with its bit
    /// set, for the caller to merge into a paragraph's tab mask. An unknown
    /// position is snapped to the grid (0.1 inch or 0.25 cm) first. Returns 0
    /// for a position of 0 or less and when the table stays full.
    quint64 addTab(qint32 twips, TTabKind kind);
    /// Index of the tab at exactly `twips` (of `kind` unless `tkAll`), or -1.
    int findTab(qint32 twips, TTabKind kind) const;
    /// Rebuilds `tabOrder` from the tab positions.
    void sortTabs();
    /// Recomputes every tab's pixel position for the current resolution.
    void recalcTabPixels();
    /// The tab grid in twips: 144 (0.1 inch) or 141 (0.25 cm).
    int tabGrid() const;

    // Page layout --------------------------------------------------------
    qint32 pageWidth = 12240;
    qint32 pageHeight = 15840;
    qint32 leftMargin = 1880;
    qint32 rightMargin = 1880;
    qint32 topMargin = 1440;
    qint32 bottomMargin = 1440;
    qint32 pageFlags = 1;
    int textWidthPixels = 0;
    int textHeightPixels = 0;
    /// Recomputes the text width and height in pixels from the page layout.
    void recalcTextSize();

    /// Width at which paragraphs are broken into lines.
    int layoutWidthPixels = 0;
    int layoutWidthTwips = 0;

    /// Default tab interval in twips as the document gives it; 0 leaves it
    /// to the unit (see the layout's default tab width).
    qint32 defaultTabTwips = 0;

    // Document strings -----------------------------------------------------
    QString title;
    QString subject;
    QString comment;

    /// True in rich-text memory format (lines carry attribute arrays).
    bool rich = true;
    /// Format code (2 RTF, 3 ANSI, 4 HTML) that the last load detected; 0 none.
    int lastLoadedFormat = 0;

private:
    void resetTabs();
};
