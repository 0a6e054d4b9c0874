// The engine's state: canvas and resolution, zoom, options, geometry, the
// lazy layout and the PaintLines protocol. Measuring, line breaking, painting
// and attribute changes live in the QmRTFTextPaint*.cpp files beside this one.
#include "richtext/QmRTFTextPaint.h"

#include "platform/Environment.h"
#include "platform/RoundHalfEven.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <limits>

using namespace qm;

TQmRTFTextPaint::TQmRTFTextPaint()
{
    TTextHeader &header = Header();
    header.layoutWidthPixels = header.textWidthPixels;
    header.layoutWidthTwips = header.pageWidth - header.leftMargin - header.rightMargin;
    MarkAllForLayout();
}

TQmRTFTextPaint::~TQmRTFTextPaint() = default;

void TQmRTFTextPaint::AfterReset()
{
    TQmRTFTextIo::AfterReset();
    m_caret = InsertionPosition();
    m_paintedObjects.clear();
    MarkAllForLayout();
}

// Canvas and resolution ---------------------------------------------------

void TQmRTFTextPaint::SetCanvas(QPainter *canvas)
{
    m_canvas = canvas;
    if (!canvas || (m_paintFlags & paint::Suspended))
        return;
    readDevice();
}

void TQmRTFTextPaint::readDevice()
{
    const QPaintDevice *device = m_canvas ? m_canvas->device() : nullptr;
    const int screen = Environment::screenPixelsPerInch();
    m_deviceResolutionX = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : screen;
    m_deviceResolutionY = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : screen;
    m_printerDevice = dynamic_cast<const QPagedPaintDevice *>(device) != nullptr;
    updateResolution();
}

void TQmRTFTextPaint::updateResolution()
{
    const int screen = Environment::screenPixelsPerInch();
    int resolutionX = m_deviceResolutionX > 0 ? m_deviceResolutionX : screen;
    int resolutionY = m_deviceResolutionY > 0 ? m_deviceResolutionY : screen;
    if (!(m_paintFlags & paint::NoZoomScaling)) {
        resolutionX = mulDiv(resolutionX, m_zoom, 100);
        resolutionY = mulDiv(resolutionY, m_zoom, 100);
    }
    resolutionX = std::max(resolutionX, 1);
    resolutionY = std::max(resolutionY, 1);

    TTextHeader &header = Header();
    const bool changed = resolutionX != header.pixelsPerInchX || resolutionY != header.pixelsPerInchY;
    if (changed) {
        header.pixelsPerInchX = resolutionX;
        header.pixelsPerInchY = resolutionY;
        header.recalcTabPixels();
        header.recalcTextSize();
        header.layoutWidthPixels = mulDiv(header.layoutWidthTwips, resolutionX, 1440);
        relayoutLater();
    }
    // The default line height is the height of "A" in Arial 10 points.
    m_run = RunStyle();
    m_defaultLineHeight = std::max<int>(1, selectedFont()->height);
}

void TQmRTFTextPaint::relayoutLater()
{
    MarkAllForLayout();
    m_paintedObjects.clear();
}

void TQmRTFTextPaint::SetZooming(int percent)
{
    if (percent <= 0)
        percent = 100;
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    updateResolution();
}

void TQmRTFTextPaint::SetFontScale(int percent)
{
    if (percent <= 0 || percent == m_fontScale)
        return;
    m_fontScale = percent;
    relayoutLater();
}

void TQmRTFTextPaint::SetPaintFlags(quint32 flags)
{
    const quint32 old = m_paintFlags;
    m_paintFlags = flags;
    const bool resumed = (old & paint::Suspended) && !(flags & paint::Suspended);
    const bool zoomScalingSwitched = ((old ^ flags) & paint::NoZoomScaling) && m_zoom != 100;
    const bool hiddenTextSwitched = (old ^ flags) & paint::ShowHiddenText;
    if (resumed && m_canvas)
        readDevice();
    else if (zoomScalingSwitched)
        updateResolution();
    if (resumed || zoomScalingSwitched || hiddenTextSwitched)
        relayoutLater();
}

void TQmRTFTextPaint::SetWordWrap(bool wrap)
{
    if (wrap == m_wordWrap)
        return;
    m_wordWrap = wrap;
    relayoutLater();
}

void TQmRTFTextPaint::SetMaxCharsPerLine(int count)
{
    count = std::max(count, 0);
    if (count == m_maxCharsPerLine)
        return;
    m_maxCharsPerLine = count;
    relayoutLater();
}

// Geometry ------------------------------------------------------------------

void TQmRTFTextPaint::SetLayoutWidth(int pixels)
{
    TTextHeader &header = Header();
    if (pixels == header.layoutWidthPixels)
        return;
    header.layoutWidthPixels = pixels;
    header.layoutWidthTwips = mulDiv(pixels, 1440, std::max(header.pixelsPerInchX, 1));
    relayoutLater();
}

void TQmRTFTextPaint::SetPageLayout(int leftMargin, int rightMargin, int pageHeight, int pageWidth, int bottomMargin,
                                    int topMargin)
{
    constexpr int Keep = -1000;
    TTextHeader &header = Header();
    const auto set = [](qint32 &field, int value) {
        if (value != Keep)
            field = value;
    };
    set(header.leftMargin, leftMargin);
    set(header.rightMargin, rightMargin);
    set(header.pageHeight, pageHeight);
    set(header.pageWidth, pageWidth);
    set(header.bottomMargin, bottomMargin);
    set(header.topMargin, topMargin);
    header.recalcTextSize();
    if (!m_fixedLayoutWidth) {
        header.layoutWidthPixels = header.textWidthPixels;
        header.layoutWidthTwips = header.pageWidth - header.leftMargin - header.rightMargin;
    }
    relayoutLater();
}

// Layout ----------------------------------------------------------------------

void TQmRTFTextPaint::RelayoutAll()
{
    relayoutLater();
    UpdateLayout();
}

void TQmRTFTextPaint::UpdateLayout()
{
    if (m_paintFlags & paint::Suspended)
        return;
    bool changed = false;
    for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        if (paragraph->formatState & TParagraph::NeedsMeasure)
            measureParagraph(*paragraph);
        if (paragraph->formatState != 0) {
            breakParagraph(*paragraph);
            paragraph->formatState = 0;
            changed = true;
        }
    }
    if (changed)
        stackLines();
}

int TQmRTFTextPaint::LineCount() const
{
    int count = 0;
    for (const TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next())
        count += paragraph->lineCount();
    return count;
}

int TQmRTFTextPaint::DocumentHeight() const
{
    int height = 0;
    for (const TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next())
            height = std::max(height, line->top + line->height);
    }
    return height;
}

int TQmRTFTextPaint::DefaultTabWidth() const
{
    const int resolution = LayoutResolutionX();
    if (const int twips = Header().defaultTabTwips; twips > 0)
        return std::max(1, mulDiv(twips, resolution, 1440)); // as the document's \deftab says
    return std::max(1, Header().unit == TTextUnit::Inch ? mulDiv(resolution, 100, 300) : mulDiv(resolution, 100, 254));
}

TQmRTFTextPaint::PositionKey TQmRTFTextPaint::positionKey(const TParagraph *wantedParagraph,
                                                          const TTextLine *wantedLine, int index) const
{
    int paragraphNumber = 0;
    for (const TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next(), ++paragraphNumber) {
        if (paragraph != wantedParagraph)
            continue;
        int lineNumber = 0;
        for (const TTextLine *line = paragraph->firstLine(); line && line != wantedLine; line = line->next())
            ++lineNumber;
        return {paragraphNumber, lineNumber, index};
    }
    return {std::numeric_limits<int>::max(), 0, 0};
}

std::pair<TQmRTFTextPaint::PositionKey, TQmRTFTextPaint::PositionKey> TQmRTFTextPaint::orderedSelection() const
{
    const TTextRange &selection = Selection();
    const TTextPosition &from = selection.start;
    const TTextPosition &to = selection.end;
    PositionKey start = positionKey(from.paragraph, from.line, from.index);
    PositionKey end = to.isValid() ? positionKey(to.paragraph, to.line, to.index)
                                   : PositionKey{std::numeric_limits<int>::max(), 0, 0};
    if (end < start)
        std::swap(start, end);
    return {start, end};
}

// PaintLines --------------------------------------------------------------------

TQmRTFTextPaint::SavedState TQmRTFTextPaint::saveState() const
{
    return {m_paintFlags, m_scroll, m_wordWrap, m_canvas};
}

void TQmRTFTextPaint::restoreState(const SavedState &state)
{
    SetPaintFlags(state.paintFlags);
    m_scroll = state.scroll;
    SetWordWrap(state.wordWrap);
    SetCanvas(state.canvas);
}

void TQmRTFTextPaint::setOutputArea(int x, int y, int height, int width)
{
    m_origin = QPoint(x, y);
    m_paintHeight = height;
    SetLayoutWidth(width);
}

int TQmRTFTextPaint::PaintLines(QPainter *canvas, int x, TPaintMode mode, int firstLine, int height, int width, int y)
{
    switch (mode) {
    case pmBeginPrint:
        if (!m_printRunOpen)
            m_printRunState = saveState();
        SetCanvas(canvas);
        setOutputArea(x, y, height, width);
        m_scroll = {};
        SetPaintFlags(paint::flagsForPrintOptions(m_printOptions));
        m_printRunOpen = true;
        return 0;
    case pmEndPrint:
        if (m_printRunOpen) {
            m_printRunOpen = false;
            restoreState(m_printRunState);
            relayoutLater();
        }
        return 0;
    case pmMeasure:
    case pmPaint:
        break;
    }

    const SavedState saved = saveState();
    // Whatever happens below, the engine leaves as it came (outside a print run).
    struct Restore {
        TQmRTFTextPaint &engine;
        const SavedState &state;
        ~Restore()
        {
            if (!engine.m_printRunOpen)
                engine.restoreState(state);
        }
    } restore{*this, saved};

    if (!m_printRunOpen)
        m_scroll = {};
    SetWordWrap(true);
    SetCanvas(canvas);
    setOutputArea(x, y, height, width);
    SetPaintFlags(paint::flagsForPrintOptions(m_printOptions));
    return paintLineRange(mode, firstLine);
}

int TQmRTFTextPaint::paintLineRange(TPaintMode mode, int firstLine)
{
    // Laying out first means that a document that cannot be measured fails
    // before anything is drawn.
    UpdateLayout();
    if (IsEmpty())
        return 0; // an empty document paints nothing, not even its line's ground

    std::vector<PaintedLine> lines;
    const int next = linesThatFit(firstLine, lines);
    if (mode == pmPaint && m_canvas && !lines.empty()) {
        QPainter &painter = *m_canvas;
        painter.save();
        painter.setClipRect(QRect(m_origin.x(), m_origin.y(), LayoutWidth(), m_paintHeight), Qt::IntersectClip);
        // All grounds first: a line's ground must not cover the descenders
        // and underlines of the line above it.
        for (const PaintedLine &painted : lines)
            paintLineGround(painter, painted);
        for (const PaintedLine &painted : lines)
            paintLineContent(painter, painted);
        painter.restore();
    }
    return next;
}

void TQmRTFTextPaint::PaintView(QPainter *canvas, QSize size)
{
    SetCanvas(canvas);
    m_origin = {};
    m_paintHeight = size.height();
    UpdateLayout();
    QPainter &painter = *canvas;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    if (!m_transparent && !(m_paintFlags & paint::Transparent))
        painter.fillRect(QRect(QPoint(0, 0), size), toQColor(m_backgroundColor));
    std::vector<PaintedLine> lines;
    for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            const int top = line->top - m_scroll.y();
            if (top < size.height() && top + line->height > 0)
                lines.push_back({paragraph, line, QPoint(-m_scroll.x(), top), selectedIndexes(*paragraph, *line)});
        }
    }
    for (const PaintedLine &painted : lines)
        paintLineGround(painter, painted);
    for (const PaintedLine &painted : lines)
        paintLineContent(painter, painted);
    painter.restore();
    // The canvas lives only as long as the paint event.
    m_canvas = nullptr;
}

int TQmRTFTextPaint::linesThatFit(int firstLine, std::vector<PaintedLine> &lines)
{
    TParagraph *paragraph = FirstParagraph();
    TTextLine *line = paragraph->firstLine();
    for (int skipped = 0; skipped < firstLine && paragraph; ++skipped) {
        line = line->next();
        while (!line && paragraph) {
            paragraph = paragraph->next();
            line = paragraph ? paragraph->firstLine() : nullptr;
        }
    }
    if (!paragraph || firstLine < 0)
        return 0;

    const bool stopAtPages = m_printOptions & paint::PrintPageBreaks;
    const int firstTop = line->top;
    int number = firstLine;
    for (bool first = true; paragraph;
         paragraph = paragraph->next(), line = paragraph ? paragraph->firstLine() : nullptr) {
        for (; line; line = line->next()) {
            const int bottom = line->top + line->height - firstTop;
            if (!first) {
                if (bottom > m_paintHeight)
                    return number;
                const bool pageStart =
                    (line->flags & TTextLine::StartsPage) ||
                    (line == paragraph->firstLine() && (paragraph->flags & TParagraphFormat::PageBreakBefore));
                if (stopAtPages && pageStart)
                    return number;
            }
            const QPoint origin(m_origin.x() - m_scroll.x(), m_origin.y() + line->top - firstTop);
            lines.push_back({paragraph, line, origin, selectedIndexes(*paragraph, *line)});
            ++number;
            // A first line taller than the area is painted alone.
            if (first && bottom > m_paintHeight)
                return number;
            first = false;
        }
    }
    return 0;
}

// Scrolling -----------------------------------------------------------------------

int TQmRTFTextPaint::scrollTo(int &position, int target, int limit)
{
    target = std::clamp(target, 0, std::max(0, limit));
    const int moved = target - position;
    if (moved != 0) {
        position = target;
        if (m_onScroll)
            m_onScroll();
    }
    return moved;
}

int TQmRTFTextPaint::ScrollDown(int pixels)
{
    return scrollTo(m_scroll.ry(), m_scroll.y() + pixels, DocumentHeight() - m_paintHeight);
}

int TQmRTFTextPaint::ScrollUp(int pixels)
{
    return -ScrollDown(-pixels);
}

int TQmRTFTextPaint::ScrollRight(int pixels)
{
    return scrollTo(m_scroll.rx(), m_scroll.x() + pixels, LayoutWidth());
}

int TQmRTFTextPaint::ScrollLeft(int pixels)
{
    return -ScrollRight(-pixels);
}
