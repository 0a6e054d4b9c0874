// The actions of the keywords: what each control word does to the reader's
// state, the paragraph being filled and the document's header.
#include "richtext/QmRtfReader.h"

#include "richtext/BorderSpace.h"

#include <algorithm>

using namespace qm::rtf;

namespace {

/// A colour component: `shift` 0 red, 8 green, 16 blue.
TColor withComponent(TColor color, int shift, qint32 value)
{
    const quint32 component = quint32(std::clamp(value, 0, 255)) << shift;
    return TColor((quint32(color) & ~(quint32(0xFF) << shift)) | component);
}

} // namespace

// Keywords ------------------------------------------------------------------

void TQmRtfReader::execute(const Keyword &keyword, qint32 parameter)
{
    switch (keyword.kind) {
    case KeywordKind::Character:
        takeCharacter(parameter);
        return;
    case KeywordKind::Destination:
        enterDestination(keyword.action);
        return;
    case KeywordKind::Property:
    case KeywordKind::Special:
        applyCharacterProperty(keyword.action, parameter) || applyParagraphProperty(keyword.action, parameter) ||
            applyBorder(keyword.action, parameter) || applyHeaderProperty(keyword.action, parameter) ||
            applyObjectProperty(keyword.action, parameter) || applyStructure(keyword.action, parameter);
        return;
    }
}

void TQmRtfReader::enterDestination(Action action)
{
    Destination &destination = m_state.destination;
    switch (action) {
    case Action::FontTable:
        destination = Destination::FontTable;
        m_definedFont = -1;
        m_fontName.clear();
        return;
    case Action::ColorTable:
        destination = Destination::ColorTable;
        m_colorIndex = 0;
        return;
    case Action::Picture:
        destination = Destination::Picture;
        m_picture.reset();
        return;
    case Action::PictureFile:
        destination = Destination::PictureFile;
        m_picture.reset();
        m_inFileName = false;
        return;
    case Action::Title:
    case Action::Comment:
    case Action::Subject: {
        const Destination wanted = action == Action::Title     ? Destination::Title
                                   : action == Action::Comment ? Destination::Comment
                                                               : Destination::Subject;
        destination = headerString(wanted)->isEmpty() ? wanted : Destination::Skip;
        return;
    }
    case Action::Footnote:
        if (destination == Destination::Text)
            startFootnote();
        else
            destination = Destination::Skip;
        return;
    case Action::Field:
        destination = Destination::Field;
        m_fieldState = FieldState::FirstCharacter;
        m_fieldInstruction.clear();
        return;
    case Action::FieldInstruction:
        // What the field computes is not shown; only whether it is a link matters.
        destination = destination == Destination::Field ? Destination::FieldInstruction : Destination::Skip;
        return;
    case Action::FieldResult: {
        if (destination != Destination::Field) {
            destination = Destination::Skip;
            return;
        }
        // Word processors name a field by an upper-case word (HYPERLINK,
        // PAGE, DATE): the text it showed when it was saved is kept as text,
        // and a link's text stays a link. Any other field is one of this
        // program's numbered insertion points and keeps that meaning.
        const QString instruction = m_fieldInstruction.trimmed();
        if (instruction.isEmpty() || instruction.front() < u'A' || instruction.front() > u'Z')
            return;
        destination = Destination::Text;
        m_fieldState = FieldState::Ended;
        if (instruction.startsWith(QLatin1String("HYPERLINK")))
            m_state.attr.setFlag(TAttr::Hyperlink, true);
        return;
    }
    default:
        destination = Destination::Skip;
        return;
    }
}

bool TQmRtfReader::applyCharacterProperty(Action action, qint32 parameter)
{
    TAttr &attr = m_state.attr;
    const bool on = parameter != 0;
    switch (action) {
    case Action::Plain:
        attr = TAttr();
        m_state.codePage = 0;
        break;
    case Action::Font:
        if (m_state.destination == Destination::FontTable)
            m_definedFont = parameter >= 0 && parameter < TTextHeader::FontCount ? parameter : -1;
        else if (parameter >= 0 && parameter < TTextHeader::FontCount) {
            attr.fontNumber = m_fontMap[size_t(parameter)];
            m_state.codePage = m_fontCodePages[size_t(parameter)];
        }
        break;
    case Action::FontSize:
        attr.size = parameter / 2 > 0 ? clampTo<quint8>(parameter / 2) : 10;
        break;
    case Action::Bold:
        attr.setFlag(TAttr::Bold, on);
        break;
    case Action::Italic:
        attr.setFlag(TAttr::Italic, on);
        break;
    case Action::Underline:
        attr.setFlag(TAttr::Underline, on);
        break;
    case Action::StrikeOut:
        attr.setFlag(TAttr::StrikeOut, on);
        break;
    case Action::DoubleUnderline:
        attr.setFlag(TAttr::Hyperlink, on);
        break;
    case Action::Shadow:
        attr.setFlag(TAttr::Protected, on);
        break;
    case Action::Hidden:
        attr.setFlag(TAttr::Hidden, on);
        break;
    case Action::Superscript:
        if (m_state.destination == Destination::Text)
            attr.setFlag(TAttr::Superscript, on);
        break;
    case Action::Subscript:
        attr.setFlag(TAttr::Subscript, on);
        break;
    case Action::NoSuperSub:
        attr.setFlag(TAttr::Superscript | TAttr::Subscript, false);
        break;
    case Action::InsertPoint:
        // Every \inspnt starts an insertion point, \inspnt0 too: it is how
        // insertion point number 0 is written, and \plain ends one.
        attr.setFlag(TAttr::InsertPoint, true);
        attr.setFlag(TAttr::Automatic, false);
        attr.tag = clampTo<quint16>(parameter, 0);
        break;
    case Action::AutomaticText:
        attr.setFlag(TAttr::Automatic, on);
        if (on)
            attr.setFlag(TAttr::InsertPoint, false);
        break;
    case Action::RtfCode:
        attr.setFlag(TAttr::RtfCode, on);
        if (on && m_state.destination == Destination::Text) {
            m_rtfCodeRun = true;
            m_rtfCodeMatched = 0;
        }
        break;
    case Action::TextColor:
        if (const int number = colorNumber(parameter); number >= 0)
            attr.setTextColor(number);
        break;
    case Action::BackgroundColor:
        if (const int number = colorNumber(parameter); number >= 0)
            attr.setBackgroundColor(number);
        break;
    case Action::FontFamily:
        m_fontFamily = parameter;
        break;
    case Action::FontCharset:
        m_fontCharset = parameter;
        break;
    case Action::CodePage:
    case Action::MacCodePage:
        if (parameter > 0)
            m_documentCodePage = parameter;
        break;
    case Action::UnicodeCharacter:
        // RTF writes the code units above 32767 as negative numbers.
        if (parameter >= -32768 && parameter <= 65535)
            put(parameter < 0 ? parameter + 65536 : parameter);
        m_skipFallback = m_state.unicodeSkip;
        break;
    case Action::UnicodeSkip:
        m_state.unicodeSkip = std::clamp(parameter, 0, 255);
        break;
    default:
        return false;
    }
    return true;
}

bool TQmRtfReader::applyParagraphProperty(Action action, qint32 parameter)
{
    TParagraphFormat &format = m_state.format;
    const bool indentsApply = !m_state.inTable;
    switch (action) {
    case Action::LeftIndent:
        if (indentsApply)
            format.leftIndent = std::max(parameter, 0);
        break;
    case Action::RightIndent:
        if (indentsApply)
            format.rightIndent = parameter;
        break;
    case Action::FirstIndent:
        if (indentsApply)
            m_state.firstIndentOffset = parameter;
        break;
    case Action::SpaceBefore:
        format.spaceBefore = parameter;
        break;
    case Action::SpaceAfter:
        format.spaceAfter = parameter;
        break;
    case Action::LineSpacing:
        format.lineSpacing = parameter;
        break;
    case Action::Alignment:
        format.alignment = quint8(parameter);
        break;
    case Action::ParagraphDefaults:
        setParagraphDefaults();
        break;
    case Action::PageBreak:
    case Action::KeepTogether:
        if (m_state.destination == Destination::Text)
            m_paragraph->flags |=
                action == Action::PageBreak ? TParagraphFormat::PageBreakBefore : TParagraphFormat::KeepTogether;
        return true;
    case Action::TabPosition:
        format.tabMask |= m_document->AddTab(parameter, m_state.nextTabKind);
        m_state.nextTabKind = tkLeft;
        break;
    case Action::TabKind:
        m_state.nextTabKind = TTabKind(parameter);
        return true;
    default:
        return false;
    }
    formatChanged();
    return true;
}

void TQmRtfReader::setParagraphDefaults()
{
    TParagraphFormat &format = m_state.format;
    const TParagraphFormat kept = format;
    format = TParagraphFormat();
    format.spaceBefore = kept.spaceBefore;
    format.spaceAfter = kept.spaceAfter;
    format.lineSpacing = kept.lineSpacing;
    m_state.firstIndentOffset = 0;
    m_state.nextTabKind = tkLeft;
    m_pendingBorderSides = 0;
    m_state.inTable = false;
    m_state.describingRow = false;
    if (m_state.destination == Destination::Text)
        closeBorderOfPreviousParagraph();
}

bool TQmRtfReader::applyBorder(Action action, qint32 parameter)
{
    TParagraphFormat &target = m_state.describingRow ? m_describedCell.format : m_state.format;
    switch (action) {
    case Action::BorderSide:
        applyBorderWord(target, parameter);
        break;
    case Action::BorderNone:
        m_pendingBorderSides = 0;
        break;
    case Action::BorderWidth:
        target.borderWidth = clampTo<quint8>(parameter / 20, 0);
        break;
    case Action::BorderSpace:
        target.borderColor =
            quint8((target.borderColor & 0x0F) | clampTo<quint8>(qm::borderSpace::stepsIn(parameter), 0, 15) << 4);
        break;
    case Action::BorderColor:
        if (const int number = colorNumber(parameter); number >= 0)
            target.borderColor = quint8((target.borderColor & 0xF0) | number);
        break;
    case Action::Shading:
        target.shading = clampTo<quint8>(parameter / 100, 0, 100);
        target.shadingColors = 0;
        break;
    case Action::PatternColor:
        if (const int number = colorNumber(parameter); number >= 0)
            target.shadingColors = quint8((target.shadingColors & 0xF0) | number);
        break;
    case Action::PatternBackground:
        if (const int number = colorNumber(parameter); number >= 0)
            target.shadingColors = quint8((target.shadingColors & 0x0F) | number << 4);
        break;
    default:
        return false;
    }
    if (!m_state.describingRow)
        formatChanged();
    return true;
}

void TQmRtfReader::applyBorderWord(TParagraphFormat &target, qint32 word)
{
    using F = TParagraphFormat;
    switch (word) {
    case brBox:
        m_pendingBorderSides |= F::BorderBox;
        return;
    case brTop:
        m_pendingBorderSides |= F::BorderTop;
        return;
    case brLeft:
        m_pendingBorderSides |= F::BorderLeft;
        return;
    case brBottom:
        m_pendingBorderSides |= F::BorderBottom;
        return;
    case brRight:
        m_pendingBorderSides |= F::BorderRight;
        return;
    case brSingle:
    case brDouble:
    case brDotted:
    case brHairline:
        break;
    case brBar:
        target.borderStyle |= F::BorderBar;
        return;
    case brTableLines:
        target.borderStyle |= F::BorderTableLines;
        return;
    default:
        return;
    }

    // A line style draws the sides named before it; a side without one draws nothing.
    if (word == brDotted)
        target.borderStyle |= F::BorderDotted;
    else if (word == brHairline)
        target.borderStyle |= F::BorderHairline;
    const quint8 sides = std::exchange(m_pendingBorderSides, 0);
    if (sides == 0)
        return;
    target.borderFlags |= F::Bordered | sides;
    if (word == brDouble)
        target.borderFlags |= F::BorderDouble;
    // Sides that stand away from the text get at least the smallest distance.
    if ((sides & (F::BorderBox | F::BorderLeft | F::BorderRight)) && (target.borderColor & 0xF0) == 0)
        target.borderColor |= 0x10;
}

bool TQmRtfReader::applyHeaderProperty(Action action, qint32 parameter)
{
    // The page is remembered even when the header is kept: table cells are
    // placed relative to the page the text was written for.
    switch (action) {
    case Action::PaperWidth:
        m_pageWidth = parameter;
        break;
    case Action::MarginLeft:
        m_leftMargin = parameter;
        break;
    case Action::MarginRight:
        m_rightMargin = parameter;
        break;
    case Action::PaperHeight:
    case Action::MarginTop:
    case Action::MarginBottom:
    case Action::DefaultTab:
        break;
    case Action::Red:
    case Action::Green:
    case Action::Blue:
        // Every colour of the file is remembered, for the colours beyond the document's table.
        if (m_state.destination == Destination::ColorTable && m_colorIndex < MaxFileColors) {
            const int shift = action == Action::Red ? 0 : action == Action::Green ? 8 : 16;
            m_fileColors.resize(std::max(m_fileColors.size(), size_t(m_colorIndex) + 1), qm::clBlack);
            TColor &color = m_fileColors[size_t(m_colorIndex)];
            color = withComponent(color, shift, parameter);
        }
        break;
    case Action::HeaderFlag:
        return true; // facing pages and landscape have no place in the header
    default:
        return false;
    }
    if (m_keepHeader)
        return true;

    TTextHeader &header = *m_header;
    switch (action) {
    case Action::PaperWidth:
        header.pageWidth = parameter;
        break;
    case Action::PaperHeight:
        header.pageHeight = parameter;
        break;
    case Action::MarginLeft:
        header.leftMargin = parameter;
        break;
    case Action::MarginRight:
        header.rightMargin = parameter;
        break;
    case Action::MarginTop:
        header.topMargin = parameter;
        break;
    case Action::MarginBottom:
        header.bottomMargin = parameter;
        break;
    case Action::DefaultTab:
        header.defaultTabTwips = std::max(parameter, 0);
        break;
    default: // a colour component
        if (m_state.destination == Destination::ColorTable && m_colorIndex < TTextHeader::ColorCount - 1) {
            const int shift = action == Action::Red ? 0 : action == Action::Green ? 8 : 16;
            TColor &color = header.colors[size_t(m_colorIndex)];
            color = withComponent(color, shift, parameter);
        }
        break;
    }
    return true;
}

bool TQmRtfReader::applyObjectProperty(Action action, qint32 parameter)
{
    qm::rtf::Picture &picture = m_picture;
    switch (action) {
    case Action::PictureKind:
        picture.setKind(parameter);
        break;
    case Action::PictureWidth:
        picture.width = parameter;
        break;
    case Action::PictureHeight:
        picture.height = parameter;
        break;
    case Action::PictureGoalWidth:
        picture.goalWidth = parameter;
        break;
    case Action::PictureGoalHeight:
        picture.goalHeight = parameter;
        break;
    case Action::PictureScaleX:
        picture.scaleX = parameter;
        break;
    case Action::PictureScaleY:
        picture.scaleY = parameter;
        break;
    case Action::BitsPerPixel:
        picture.bitsPerPixel = parameter;
        break;
    case Action::Planes:
        picture.planes = parameter;
        break;
    case Action::WidthBytes:
        picture.widthBytes = parameter;
        break;
    case Action::ObjectTag:
        m_objectTag = clampTo<quint16>(parameter, 0);
        break;
    case Action::ObjectWidth:
        m_objectWidth = parameter;
        break;
    case Action::ObjectHeight:
        m_objectHeight = parameter;
        break;
    case Action::FootnoteNumber:
        if (m_footnote)
            m_footnote->number = clampTo<quint16>(parameter, 0);
        break;
    default:
        return false;
    }
    return true;
}

bool TQmRtfReader::applyStructure(Action action, qint32 parameter)
{
    const bool inText = m_state.destination == Destination::Text;
    switch (action) {
    case Action::ParagraphEnd:
        if (inText)
            endParagraph();
        break;
    case Action::Ignorable:
        m_ignorable = true;
        break;
    case Action::HexCharacter:
        m_state.hexPending = true;
        m_state.hexDigits = 0;
        m_state.hexValue = 0;
        break;
    case Action::RowDefaults:
        m_pendingBorderSides = 0;
        m_cellCount = 0;
        m_cellIndex = 0;
        m_describedCell = Cell();
        m_rowGap = 0;
        m_rowLeft = 0;
        m_state.describingRow = true;
        break;
    case Action::CellEdge:
        addCell(parameter);
        m_pendingBorderSides = 0;
        break;
    case Action::CellMerge:
        m_describedCell.merged = true;
        break;
    case Action::CellGap:
        m_rowGap = std::max(parameter, 0);
        break;
    case Action::RowLeft:
        m_rowLeft = std::max(parameter, 0);
        break;
    case Action::InTable:
        m_state.inTable = true;
        m_state.describingRow = false;
        break;
    case Action::CellEnd:
        if (inText && m_state.inTable)
            endCell();
        break;
    case Action::RowEnd:
        if (inText)
            endRow();
        break;
    default: // recognised and ignored
        break;
    }
    return true;
}
