// Selecting a character attribute into the canvas and measuring characters
// with the fonts they are painted with.
#include "richtext/QmRTFTextPaint.h"

#include "platform/QmError.h"
#include "platform/RoundHalfEven.h"

using namespace qm;

namespace {

constexpr int HighestFontNumber = 99;

/// The special text class whose look overrides the attribute's, if any.
const TCharacterAttr *specialAttrFor(const TQmRTFText &document, const TAttr &attr)
{
    if (attr.has(TAttr::InsertPoint))
        return &document.InsertPointAttr();
    if (attr.has(TAttr::Hyperlink))
        return &document.HyperlinkTextAttr();
    if (attr.has(TAttr::Automatic))
        return &document.AutomaticTextAttr();
    if (attr.has(TAttr::Protected))
        return &document.ProtectedTextAttr();
    return nullptr;
}

void applyThreeState(TThreeState state, bool &value)
{
    if (state == tsTRUE)
        value = true;
    else if (state == tsFALSE)
        value = false;
}

qint16 clampToInt16(int value)
{
    return qint16(std::clamp(value, -32768, 32767));
}

} // namespace

const RunStyle &TQmRTFTextPaint::SelectAttr(const TAttr &attr)
{
    const TCharacterAttr *special = specialAttrFor(*this, attr);
    if (!attr.has(TAttr::KeepCanvasColors)) {
        m_run.textColor = special && special->UseTextColor() ? toQColor(special->TextColor())
                                                             : toQColor(GetColorEntry(attr.textColor()));
        if (special && special->UseBackgroundColor())
            m_run.brushColor = toQColor(special->BackgroundColor());
        else if (attr.backgroundColor() != 0)
            m_run.brushColor = toQColor(GetColorEntry(attr.backgroundColor()));
        else
            m_run.brushColor =
                (m_paintFlags & paint::WhiteBackground) ? QColor(Qt::white) : toQColor(m_backgroundColor);
    }

    if (attr.fontNumber > HighestFontNumber)
        throw QmError(QStringLiteral("Folium -\tSystem Error"));
    // A number past the table's names shows in the document's first font, so
    // that measuring and painting agree wherever they start.
    const TTextHeader &header = Header();
    const QString *name = nullptr;
    if (attr.fontNumber < TTextHeader::FontCount)
        name = &header.fonts[attr.fontNumber].name;
    if (!name || name->isEmpty())
        name = &header.fonts[0].name;
    m_run.fontName = name->isEmpty() ? QStringLiteral("Arial") : *name;

    m_run.bold = attr.has(TAttr::Bold);
    m_run.italic = attr.has(TAttr::Italic);
    m_run.strikeOut = attr.has(TAttr::StrikeOut);
    m_run.underline = attr.has(TAttr::Underline);
    m_run.superscript = attr.has(TAttr::Superscript) || attr.has(TAttr::HyperlinkRecord);
    m_run.subscript = attr.has(TAttr::Subscript);
    m_run.rtfCode = attr.has(TAttr::RtfCode);
    m_run.penColor = m_run.rtfCode ? QColor(Qt::red) : m_run.textColor;
    if (special) {
        applyThreeState(special->Bold(), m_run.bold);
        applyThreeState(special->Italic(), m_run.italic);
        applyThreeState(special->Underline(), m_run.underline);
        applyThreeState(special->StrikeOut(), m_run.strikeOut);
        applyThreeState(special->SuperScript(), m_run.superscript);
        applyThreeState(special->SubScript(), m_run.subscript);
        if (special->UseUnderlineColor())
            m_run.penColor = toQColor(special->UnderlineColor());
    }
    if (m_run.superscript && m_run.subscript)
        m_run.subscript = false;

    int size = attr.effectiveSize();
    if ((m_run.superscript || m_run.subscript) && size > 1)
        size = mulDiv(size, 2, 3);
    m_run.fontSize = mulDiv(size, m_fontScale, 100);
    return m_run;
}

FontKey TQmRTFTextPaint::runFontKey() const
{
    // The layout resolution is the font's pixels per inch: n points are n/72 inch.
    return FontKey{m_run.fontName, mulDiv(m_run.fontSize, LayoutResolutionY(), 72), m_run.bold, m_run.italic};
}

std::shared_ptr<const CachedFont> TQmRTFTextPaint::selectedFont()
{
    return m_fonts.font(runFontKey());
}

bool TQmRTFTextPaint::isZeroWidth(const TAttr &attr) const
{
    if (attr.has(TAttr::Hidden) && !(m_paintFlags & paint::ShowHiddenText))
        return true;
    if (attr.has(TAttr::InsertPoint) && (InsertPointAttr().Hidden() || WriterOptions().omitInsertPoints))
        return true;
    return attr.has(TAttr::Automatic) && (AutomaticTextAttr().Hidden() || WriterOptions().omitAutomaticText);
}

void TQmRTFTextPaint::measureCharacter(char32_t code, TAttr &attr, const CachedFont &font) const
{
    if (attr.has(TAttr::Object) && (code == 1 || code == 2)) {
        const TTextObject *object = FindObjectFor(code, attr);
        const int width = object ? mulDiv(object->width, LayoutResolutionX(), 1440) : 0;
        const int height = object ? mulDiv(object->height, LayoutResolutionY(), 1440) : 0;
        attr.width = clampToInt16(std::max(width, 0));
        attr.height = clampToInt16(std::max(height, 0));
        attr.ascent = attr.height;
        return;
    }
    attr.height = font.height;
    attr.ascent = font.ascent;
    if (isZeroWidth(attr) || code == '\n')
        attr.width = 0;
    else if (code == '\t')
        attr.width = clampToInt16(DefaultTabWidth());
    else
        attr.width = font.width(code);
}

void TQmRTFTextPaint::measureParagraph(TParagraph &paragraph)
{
    if (!IsRich()) {
        // Plain text is shown in the current attribute; its widths are the
        // document's width table.
        SelectAttr(CurrentAttr());
        m_plainFont = selectedFont();
        CharWidths() = m_plainFont->latinWidths();
        CharWidths()[quint8('\t')] = clampToInt16(DefaultTabWidth());
        CharWidths()[quint8('\n')] = 0;
        return;
    }
    std::shared_ptr<const CachedFont> font;
    const TAttr *runAttr = nullptr;
    // A character outside the Basic Multilingual Plane is measured whole on
    // its first half; the second half adds no width. The halves may stand in
    // two lines of the model.
    TAttr *highHalf = nullptr;
    char16_t highCode = 0;
    for (TTextLine *line = paragraph.firstLine(); line; line = line->next()) {
        TAttr *attributes = line->attributes();
        for (int i = 0; i < line->length; ++i) {
            TAttr &attr = attributes[i];
            if (!runAttr || !attr.sameRun(*runAttr)) {
                SelectAttr(attr);
                font = selectedFont();
            }
            runAttr = &attr;
            const char16_t code = line->text()[i];
            if (QChar::isLowSurrogate(code) && highHalf) {
                measureCharacter(QChar::surrogateToUcs4(highCode, code), *highHalf, *font);
                measureCharacter(code, attr, *font);
                attr.width = 0;
                highHalf = nullptr;
                continue;
            }
            measureCharacter(code, attr, *font);
            highHalf = QChar::isHighSurrogate(code) ? &attr : nullptr;
            highCode = code;
        }
    }
}

qint16 TQmRTFTextPaint::plainWidth(char16_t code) const
{
    if (code < CharWidths().size() || !m_plainFont)
        return CharWidth(code);
    return QChar::isLowSurrogate(code) ? 0 : m_plainFont->width(code);
}

void TQmRTFTextPaint::measureEmptyLine(TTextLine &line)
{
    // A line without measurable text (empty, or only spaces) is as tall as
    // the font of its first slot, so that blank lines keep their proportion
    // at every zoom.
    SelectAttr(line.attributes()[0]);
    const std::shared_ptr<const CachedFont> font = selectedFont();
    line.height = quint16(std::max<int>(font->height, 0));
    line.baseline = quint16(std::max<int>(font->ascent, 0));
}
