#pragma once

#include "richtext/FontCache.h"
#include "richtext/PaintFlags.h"
#include "richtext/QmRTFTextIo.h"
#include "richtext/RunStyle.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <deque>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

class QPainter;

/// A rich-text document that lays itself out for a width, a resolution and a
/// zoom, and paints itself on any QPainter (screen image, bitmap, printer).
///
/// Layout is lazy: changes mark paragraphs, and the next paint (or
/// `UpdateLayout`) measures and breaks the marked ones. Every measure is in
/// pixels at the layout resolution: the device's resolution times `Zooming`
/// / 100, at which a font of n points is n/72 inch high.
///
/// Painting for a calendar cell or a page goes through `PaintLines`:
///     TQmRTFTextPaint painter;
///     painter.Assign(cellDocument);
///     painter.SetZooming(magnification);
///     painter.PaintLines(&qpainter, x, TQmRTFTextPaint::pmPaint, 0, height, width, y);
/// The editing control keeps one engine too and uses the caret, scrolling
/// and attribute operations.
class TQmRTFTextPaint : public TQmRTFTextIo
{
public:
    /// What `PaintLines` does.
    enum TPaintMode { pmMeasure = 0, pmPaint = 1, pmBeginPrint = 2, pmEndPrint = 4 };

    /// Bits of the mask of `ApplyAttr`.
    enum TAttrMask : quint16 {
        amFont = 0x01,
        amSize = 0x02,
        amTextColor = 0x04,
        amBackgroundColor = 0x08,
        amAddFlags = 0x10,
        amReplaceStyle = 0x20,     ///< style bits under 5DF replaced by the source's
        amReplaceFontStyle = 0x40, ///< style bits under DF replaced by the source's
        amRemoveFlags = 0x80,
        /// Font, size, both colours and the style bits: what the editor's current attribute sets.
        amCurrentAttr = 0x32F,
    };

    /// A painted object's place, for hit testing.
    struct PaintedObject {
        QRect rect;
        const TTextObject *object = nullptr;
    };

    TQmRTFTextPaint();
    ~TQmRTFTextPaint() override;

    // Canvas and resolution -----------------------------------------------
    /// Measures and paints on `canvas` from now on (not owned; null for
    /// none). Unless painting is suspended, reads the device's resolution and
    /// kind, selects Arial 10 points and takes the height of "A" as the
    /// default line height; a new resolution re-lays out everything.
    void SetCanvas(QPainter *canvas);
    QPainter *Canvas() const { return m_canvas; }
    int DeviceResolutionX() const { return m_deviceResolutionX; }
    int DeviceResolutionY() const { return m_deviceResolutionY; }
    /// The canvas is a printer (or PDF) page rather than a screen image.
    bool IsPrinterDevice() const { return m_printerDevice; }
    /// Height of "A" in Arial 10 points at the layout resolution.
    int DefaultTextHeight() const { return m_defaultLineHeight; }

    /// Percent; 0 or less means 100. A change re-lays out everything.
    int Zooming() const { return m_zoom; }
    void SetZooming(int percent);
    /// Percent applied to every font size; 0 or less is ignored.
    int FontScale() const { return m_fontScale; }
    void SetFontScale(int percent);
    /// Pixels per inch of the layout (also in the header).
    int LayoutResolutionX() const { return Header().pixelsPerInchX; }
    int LayoutResolutionY() const { return Header().pixelsPerInchY; }

    // Paint options ---------------------------------------------------------
    quint32 PaintFlags() const { return m_paintFlags; }
    /// Stores `flags`; re-measures when painting resumes or when zoom scaling
    /// is switched while the zoom is not 100.
    void SetPaintFlags(quint32 flags);
    /// The control's print options (see `qm::paint::PrintOption`), read by `PaintLines`.
    quint8 PrintOptions() const { return m_printOptions; }
    void SetPrintOptions(quint8 options) { m_printOptions = options; }
    /// Brush for text without background colour (unless the white-background flag is set).
    TColor BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(TColor color) { m_backgroundColor = color; }
    /// Text is painted without erasing what lies behind it.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    /// Longest line in characters; 0 for no limit.
    int MaxCharsPerLine() const { return m_maxCharsPerLine; }
    void SetMaxCharsPerLine(int count);

    // Geometry --------------------------------------------------------------
    /// Width in pixels at which paragraphs are broken; below 1 counts as 16
    /// per line. A change re-breaks every paragraph.
    int LayoutWidth() const { return Header().layoutWidthPixels; }
    void SetLayoutWidth(int pixels);
    /// While fixed, the page layout no longer sets the layout width.
    bool FixedLayoutWidth() const { return m_fixedLayoutWidth; }
    void SetFixedLayoutWidth(bool fixed) { m_fixedLayoutWidth = fixed; }
    QPoint PaintOrigin() const { return m_origin; }
    void SetPaintOrigin(QPoint origin) { m_origin = origin; }
    int PaintHeight() const { return m_paintHeight; }
    void SetPaintHeight(int pixels) { m_paintHeight = pixels; }
    /// Page size and margins in twips; -1000 keeps a value. Recomputes the
    /// text size and, unless the layout width is fixed, takes the text width
    /// as layout width; then re-lays out.
    void SetPageLayout(int leftMargin, int rightMargin, int pageHeight, int pageWidth, int bottomMargin, int topMargin);

    // Layout ----------------------------------------------------------------
    /// Marks every paragraph for measuring and breaking and lays out now.
    void RelayoutAll();
    /// Measures and breaks the marked paragraphs and stacks the lines.
    /// Raises "Folium -\tSystem Error" for a font number above 99.
    void UpdateLayout();
    /// Lines of the whole document, and the height of all of them.
    int LineCount() const;
    int DocumentHeight() const;
    /// The tab interval where a paragraph has no tab stop, in pixels.
    int DefaultTabWidth() const;

    // Painting --------------------------------------------------------------
    /// Lays out and paints whole lines from line number `firstLine` (counted
    /// across paragraphs) at (`x`, `y`) on `canvas`, `width` wide, as many as
    /// fit into `height`; the first one always. `pmMeasure` and `pmPaint`
    /// restore the engine's flags, scroll position, word wrap and canvas
    /// afterwards; `pmBeginPrint` begins and `pmEndPrint` ends a multi-page
    /// print run that keeps the print settings in between (both return 0).
    /// Returns the number of the first line not painted, or 0 when the
    /// document ended.
    int PaintLines(QPainter *canvas, int x, TPaintMode mode, int firstLine, int height, int width, int y);
    /// Paints what the scroll position shows of the document in a view of
    /// `size` at (0, 0) on `canvas`, with the engine's own paint flags (the
    /// editing control's window): lines cut at the view's edges, the
    /// selection highlighted, the rest of the view in the background colour.
    void PaintView(QPainter *canvas, QSize size);
    /// The advance of each character of a laid-out `line`, justification included.
    std::vector<int> CharacterAdvances(const TTextLine &line) const;
    /// The objects painted last (at most 30), latest last.
    const std::deque<PaintedObject> &PaintedObjects() const { return m_paintedObjects; }

    // Attributes --------------------------------------------------------------
    /// Sets font, colours, style and size of the canvas for one run. Raises
    /// "Folium -\tSystem Error" for a font number above 99.
    const RunStyle &SelectAttr(const TAttr &attr);
    const RunStyle &CurrentRunStyle() const { return m_run; }
    /// Changes the fields `mask` names (see `TAttrMask`) in every selected
    /// character and in the current attribute, then re-measures and re-breaks.
    void ApplyAttr(const TAttr &source, quint16 mask);
    /// `attr` changed as `ApplyAttr` changes each character (without measuring).
    static void ApplyMask(TAttr &attr, const TAttr &source, quint16 mask);

    // Caret and scrolling (the editing control) ------------------------------
    const TTextPosition &Caret() const { return m_caret; }
    void SetCaret(const TTextPosition &caret) { m_caret = caret; }
    QPoint ScrollPosition() const { return m_scroll; }
    /// Moves the visible part; each returns the distance actually scrolled,
    /// kept within the document (height of the paint area, layout width).
    int ScrollUp(int pixels);
    int ScrollDown(int pixels);
    int ScrollLeft(int pixels);
    int ScrollRight(int pixels);

    /// Called after every change of the scroll position.
    void SetScrollHandler(std::function<void()> handler) { m_onScroll = std::move(handler); }
    /// Called after `ApplyAttr`, for a toolbar to refresh its state.
    void SetAttributesChangedHandler(std::function<void()> handler) { m_onAttributesChanged = std::move(handler); }

protected:
    void AfterReset() override;

private:
    // The horizontal extent a paragraph's lines are laid into.
    struct Column {
        int left = 0;
        int width = 0;
        bool indented = true; ///< the paragraph's indents apply (not for table cells)
    };
    struct SavedState {
        quint32 paintFlags = 0;
        QPoint scroll;
        bool wordWrap = true;
        QPainter *canvas = nullptr;
    };

    // Device and resolution (QmRTFTextPaint.cpp)
    void readDevice();
    void updateResolution();
    void relayoutLater();
    /// A position in document order: paragraph number, line number, index;
    /// positions outside the document sort last.
    using PositionKey = std::tuple<int, int, int>;
    PositionKey positionKey(const TParagraph *paragraph, const TTextLine *line, int index) const;
    /// The selection's ends in document order; an open end reaches the document's end.
    std::pair<PositionKey, PositionKey> orderedSelection() const;
    SavedState saveState() const;
    void restoreState(const SavedState &state);
    void setOutputArea(int x, int y, int height, int width);
    /// A line to paint, where, and which of its characters show as selected.
    struct PaintedLine {
        const TParagraph *paragraph = nullptr;
        const TTextLine *line = nullptr;
        QPoint origin;
        std::pair<int, int> selected;
    };
    /// How a line's characters are drawn: advances with justification, and runs.
    struct LineRuns;

    int paintLineRange(TPaintMode mode, int firstLine);
    /// Collects the lines from number `firstLine` that fit into the paint
    /// height; returns the number of the first line left out, 0 at the end.
    int linesThatFit(int firstLine, std::vector<PaintedLine> &lines);
    /// Sets one coordinate of the scroll position within [0, limit] and tells the handler.
    int scrollTo(int &position, int target, int limit);

    // Measuring (QmRTFTextPaintMeasure.cpp)
    qm::FontKey runFontKey() const;
    std::shared_ptr<const qm::CachedFont> selectedFont();
    bool isZeroWidth(const TAttr &attr) const;
    void measureCharacter(char32_t code, TAttr &attr, const qm::CachedFont &font) const;
    /// Width of a character of plain text, shown in the current attribute.
    qint16 plainWidth(char16_t code) const;
    void measureParagraph(TParagraph &paragraph);
    /// Height and ascent of `attr`'s font, for lines without measurable text.
    void measureEmptyLine(TTextLine &line);

    // Breaking and stacking (QmRTFTextPaintBreak.cpp)
    Column columnOf(const TParagraph &paragraph) const;
    int availableWidth(const TParagraph &paragraph, const Column &column, bool firstLine) const;
    int tabWidth(const TParagraph &paragraph, int position) const;
    void breakParagraph(TParagraph &paragraph);
    std::vector<int> findBreaks(TParagraph &paragraph, const Column &column);
    void rebuildLines(TParagraph &paragraph, const std::vector<int> &ends);
    void placeLines(TParagraph &paragraph, const Column &column);
    void setLineHeights(TParagraph &paragraph);
    void stackLines();
    void flagPageStarts();

    // Painting (QmRTFTextPaintDraw.cpp)
    LineRuns lineRuns(const PaintedLine &painted) const;
    /// The line's background, shading and the backgrounds of its runs.
    void paintLineGround(QPainter &painter, const PaintedLine &painted);
    /// The line's text, decorations, objects and borders.
    void paintLineContent(QPainter &painter, const PaintedLine &painted);
    void paintObject(QPainter &painter, const TTextObject *object, const TAttr &attr, QRect rect);
    /// The characters [begin, end) of `line` in `font` at their advances from `origin` (on the baseline).
    void drawGlyphs(QPainter &painter, const qm::CachedFont &font, const TTextLine &line, int begin, int end,
                    const std::vector<int> &advances, QPointF origin) const;
    void paintBorders(QPainter &painter, const TParagraph &paragraph, const TTextLine &line, QRect lineRect);
    /// Indexes [first, last) of the line's characters inside the visible selection.
    std::pair<int, int> selectedIndexes(const TParagraph &paragraph, const TTextLine &line) const;
    /// The attribute of character `index`; plain text has the current one.
    TAttr attrAt(const TTextLine &line, int index) const;
    int objectHeightPixels(const TTextObject *object) const;

    QPainter *m_canvas = nullptr;
    int m_deviceResolutionX = 0;
    int m_deviceResolutionY = 0;
    bool m_printerDevice = false;
    int m_defaultLineHeight = DefaultLineHeight;
    int m_zoom = 100;
    int m_fontScale = 100;
    quint32 m_paintFlags = 0;
    quint8 m_printOptions = 0;
    TColor m_backgroundColor = qm::clWhite;
    bool m_transparent = false;
    bool m_wordWrap = true;
    int m_maxCharsPerLine = 0;
    bool m_fixedLayoutWidth = false;
    QPoint m_origin;
    int m_paintHeight = 0;
    QPoint m_scroll;
    TTextPosition m_caret;
    bool m_printRunOpen = false;
    SavedState m_printRunState;

    RunStyle m_run;
    qm::FontCache m_fonts;
    /// The font of plain text, chosen when it was last measured.
    std::shared_ptr<const qm::CachedFont> m_plainFont;
    std::deque<PaintedObject> m_paintedObjects;
    std::function<void()> m_onScroll;
    std::function<void()> m_onAttributesChanged;

    // Scratch buffers of the line breaker, kept to spare allocations.
    std::vector<char16_t> m_breakText;
    std::vector<TAttr> m_breakAttrs;
};
