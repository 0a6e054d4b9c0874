#include "richtext/QmRTFWriter.h"

#include "platform/Cp1252.h"
#include "platform/RoundHalfEven.h"
#include "richtext/BitmapBits.h"
#include "richtext/BorderSpace.h"
#include "richtext/ResultCode.h"

#include <array>
#include <charconv>
#include <cstring>

namespace {

constexpr char HexDigits[] = "0123456789abcdef";
/// Characters are written in pieces as soon as more than this many bytes wait.
constexpr int CharacterChunk = 90;
/// A table row description is written in pieces of this size.
constexpr int RowDescriptionChunk = 513;
constexpr int MaxCells = 50;

void appendNumber(QByteArray &out, qint64 value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr - digits);
}

void appendWord(QByteArray &out, const char *word, qint64 value)
{
    out.append(word);
    appendNumber(out, value);
}

/// Longest RTF form of one character: "\\u-32768" and a fallback of "\\'hh".
constexpr int MaxCharacterBytes = 12;

/// What an older reader shows for `character`, which Windows-1252 lacks: the
/// letter it is built on (z for ż), else a question mark.
char fallbackFor(char16_t character)
{
    if (QChar::isSurrogate(character))
        return '?';
    const QString decomposed = QString(QChar(character)).normalized(QString::NormalizationForm_D);
    const char16_t base = decomposed.isEmpty() ? 0 : decomposed.front().unicode();
    return base != character && base >= 'A' && base <= 'z' && QChar::isLetter(base) ? char(base) : '?';
}

/// `character` as a Windows-1252 byte; false when the code page lacks it.
bool cp1252Byte(char16_t character, char &byte)
{
    byte = qm::toCp1252(QChar(character));
    return byte != '?' || character == u'?';
}

/// The RTF form of a character outside Windows-1252: \uN (N signed 16-bit,
/// as RTF writes it) and one fallback byte, RTF's default count.
int translateUnicode(char *out, char16_t character)
{
    out[0] = '\\';
    out[1] = 'u';
    const auto result = std::to_chars(out + 2, out + MaxCharacterBytes, int(qint16(character)));
    *result.ptr = fallbackFor(character);
    return int(result.ptr - out) + 1;
}

/// The RTF form of one character; returns the number of bytes stored in `out` (at most `MaxCharacterBytes`).
int translate(char *out, char16_t character, bool rtfCode)
{
    switch (character) {
    case '\\':
    case '{':
    case '}':
        if (rtfCode) {
            out[0] = char(character);
            return 1;
        }
        out[0] = '\\';
        out[1] = char(character);
        return 2;
    case 9:
        std::memcpy(out, "\\tab ", 5);
        return 5;
    case 10:
        std::memcpy(out, "\\line ", 6);
        return 6;
    default:
        break;
    }
    if (character >= 32 && character <= 126) {
        out[0] = char(character);
        return 1;
    }
    if (character <= 3)
        return 0;
    char byte;
    if (!cp1252Byte(character, byte))
        return translateUnicode(out, character);
    const quint8 code = quint8(byte);
    out[0] = '\\';
    out[1] = '\'';
    out[2] = HexDigits[code >> 4];
    out[3] = HexDigits[code & 0x0F];
    return 4;
}

QByteArray translated(QStringView text)
{
    QByteArray out;
    char piece[MaxCharacterBytes];
    for (const QChar character : text)
        out.append(piece, translate(piece, character.unicode(), false));
    return out;
}

/// Names and document strings go out as Windows-1252 bytes as they stand;
/// only characters the code page lacks are written as \uN.
void appendName(QByteArray &out, QStringView name)
{
    char piece[MaxCharacterBytes];
    for (const QChar character : name) {
        char byte;
        if (cp1252Byte(character.unicode(), byte))
            out.append(byte);
        else
            out.append(piece, translateUnicode(piece, character.unicode()));
    }
}

const char *borderWord(quint8 borderFlags)
{
    return (borderFlags & TParagraphFormat::BorderDouble) ? "\\brdrdb" : "\\brdrs";
}

/// For each side set in `borderFlags` (every side for a box), its word from
/// `words` (top, bottom, left, right) and the border word.
void appendSides(QByteArray &out, quint8 borderFlags, const std::array<const char *, 4> &words)
{
    const quint8 sides[] = {TParagraphFormat::BorderTop, TParagraphFormat::BorderBottom, TParagraphFormat::BorderLeft,
                            TParagraphFormat::BorderRight};
    const bool box = borderFlags & TParagraphFormat::BorderBox;
    for (int i = 0; i < 4; ++i) {
        if (box || (borderFlags & sides[i])) {
            out += words[i];
            out += borderWord(borderFlags);
        }
    }
}

bool isShaded(const TParagraphFormat &format)
{
    return format.shading != 0 || format.shadingColors != 0;
}

/// Whether `a` and `b` draw the same border; where a box ends does not count.
bool sameBorder(const TParagraphFormat &a, const TParagraphFormat &b)
{
    const quint8 ending = TParagraphFormat::BorderLast;
    return (a.borderFlags & ~ending) == (b.borderFlags & ~ending) && a.borderStyle == b.borderStyle &&
           a.borderWidth == b.borderWidth && a.borderColor == b.borderColor;
}

} // namespace

// Header and footer -------------------------------------------------------

int TQmRTFWriter::WriteHeader(QIODevice *stream)
{
    m_stream = stream;
    const TTextHeader &header = m_document->Header();
    QByteArray out("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl");
    const auto writeFont = [&out](int number, const TFontEntry &font) {
        appendWord(out, "{\\f", number);
        switch (font.pitchAndFamily & 0xF0) {
        case 0x20:
            out += "\\fswiss";
            break;
        case 0x30:
            out += "\\fmodern";
            break;
        case 0x40:
            out += "\\fscript";
            break;
        case 0x50:
            out += "\\fdecor";
            break;
        default:
            out += "\\fnil";
            break;
        }
        appendWord(out, "\\charset", font.charset);
        out += ' ';
        appendName(out, font.name);
        out += ";}";
    };
    if (m_document->IsRich()) {
        for (int i = 0; i < header.fontCount(); ++i)
            writeFont(i, header.fonts[i]);
    } else {
        const int current = m_document->CurrentAttr().fontNumber;
        writeFont(0, header.fonts[current < TTextHeader::FontCount ? current : 0]);
    }
    out += "}{\\colortbl";
    for (int i = 0; i < TTextHeader::ColorCount - 1; ++i) {
        const TColor color = header.colors[i];
        appendWord(out, "\\red", color & 0xFF);
        appendWord(out, "\\green", (color >> 8) & 0xFF);
        appendWord(out, "\\blue", (color >> 16) & 0xFF);
        out += ';';
    }
    out += '}';
    appendWord(out, "\\paperw", header.pageWidth);
    appendWord(out, "\\paperh", header.pageHeight);
    appendWord(out, "\\margl", header.leftMargin);
    appendWord(out, "\\margr", header.rightMargin);
    appendWord(out, "\\margt", header.topMargin);
    appendWord(out, "\\margb", header.bottomMargin);
    const auto writeString = [&out](const char *group, const QString &text) {
        if (text.isEmpty())
            return;
        out += group;
        appendName(out, text);
        out += '}';
    };
    writeString("{\\title ", header.title);
    writeString("{\\subject\t", header.subject);
    writeString("{\\comment\t", header.comment);
    return put(out);
}

int TQmRTFWriter::WriteFooter(QIODevice *stream)
{
    m_stream = stream;
    QByteArray out;
    // A last paragraph gets no paragraph end, so a run of RTF code it left open is closed here.
    closeRtfCode(out);
    out.append(qsizetype(m_groups.size()), '}');
    m_groups.clear();
    if (put(out) != 0)
        return m_result;
    return put("\r\n}");
}

// Paragraphs --------------------------------------------------------------

void TQmRTFWriter::openGroup(GroupKind kind)
{
    m_buffer += '{';
    m_groups.push_back({kind, m_groups.empty() ? TParagraphFormat() : m_groups.back().format});
}

bool TQmRTFWriter::hasGroup(GroupKind kind) const
{
    return std::any_of(m_groups.begin(), m_groups.end(), [kind](const Group &group) { return group.kind == kind; });
}

void TQmRTFWriter::closeThrough(GroupKind kind)
{
    if (!hasGroup(kind))
        return;
    GroupKind closed;
    do {
        closed = m_groups.back().kind;
        m_groups.pop_back();
        m_buffer += '}';
    } while (closed != kind);
}

int TQmRTFWriter::flush(bool space)
{
    if (m_buffer.isEmpty())
        return m_result;
    if (space)
        m_buffer += ' ';
    const int result = put(m_buffer);
    m_buffer.clear();
    return result;
}

std::vector<TQmRTFWriter::CellLayout> TQmRTFWriter::rowLayout(const TParagraph *first) const
{
    std::vector<CellLayout> row;
    for (const TParagraph *cell = first; cell && cell->isTableCell() && int(row.size()) < MaxCells;
         cell = cell->next()) {
        row.push_back({cell->borderFlags, cell->borderStyle, cell->borderWidth, cell->borderColor, cell->shadingColors,
                       cell->shading, cell->cellPlacement[0] + cell->cellPlacement[1]});
        if (cell->flags & TParagraphFormat::RowEnd)
            break;
    }
    return row;
}

int TQmRTFWriter::writeRowDescription(const std::vector<CellLayout> &row)
{
    const TParagraph &paragraph = *m_paragraph;
    const TTextHeader &header = m_document->Header();
    const int rowWidth = header.pageWidth - header.leftMargin - header.rightMargin;
    appendWord(m_buffer, "\\pard\\trowd\\trgaph", qm::borderSpace::twipsOf(paragraph.borderColor));
    appendWord(m_buffer, "\\trleft", paragraph.leftIndent);
    for (const CellLayout &cell : row) {
        if (cell.borderFlags & TParagraphFormat::Bordered) {
            appendSides(m_buffer, cell.borderFlags, {"\\clbrdrt", "\\clbrdrb", "\\clbrdrl", "\\clbrdrr"});
            appendWord(m_buffer, "\\brdrw", cell.borderWidth * 20);
            if (cell.borderColor != 0)
                appendWord(m_buffer, "\\brdrcf", cell.borderColor & 0x0F);
            if (cell.borderStyle & TParagraphFormat::BorderDotted)
                m_buffer += "\\brdrdot";
            if (cell.borderStyle & TParagraphFormat::BorderHairline)
                m_buffer += "\\brdrhair";
        }
        if (cell.shading != 0 || cell.shadingColors != 0) {
            m_buffer += "\\clshdng";
            appendWord(m_buffer, "\\clcfpat", cell.shadingColors & 0x0F);
            if (cell.shading != 100)
                appendWord(m_buffer, "\\clcbpat", cell.shadingColors >> 4);
        }
        appendWord(m_buffer, "\\cellx",
                   qm::mulDiv(rowWidth - paragraph.rightIndent, cell.placement, 255) + paragraph.leftIndent);
        if (m_buffer.size() >= RowDescriptionChunk && flush(false) != qm::result::Success)
            return m_result;
    }
    m_buffer += "\\intbl";
    return m_result;
}

void TQmRTFWriter::writeBorderGroup()
{
    const TParagraph &paragraph = *m_paragraph;
    openGroup(GroupKind::Border);
    const quint8 flags = paragraph.borderFlags;
    if (flags & TParagraphFormat::BorderBox) {
        m_buffer += "\\box";
        m_buffer += borderWord(flags);
    } else {
        appendSides(m_buffer, flags, {"\\brdrt", "\\brdrb", "\\brdrl", "\\brdrr"});
    }
    if (paragraph.borderStyle & TParagraphFormat::BorderBar)
        m_buffer += "\\brdrbar";
    if (paragraph.borderStyle & TParagraphFormat::BorderTableLines)
        m_buffer += "\\brdrtablin";
    appendWord(m_buffer, "\\brdrw", paragraph.borderWidth * 20);
    if (paragraph.borderColor != 0) {
        appendWord(m_buffer, "\\brsp", qm::borderSpace::twipsOf(paragraph.borderColor));
        appendWord(m_buffer, "\\brdrcf", paragraph.borderColor & 0x0F);
    } else if (flags & (TParagraphFormat::BorderBox | TParagraphFormat::BorderLeft | TParagraphFormat::BorderRight)) {
        // Reading gives these sides at least the smallest distance unless it is given as 0.
        m_buffer += "\\brsp0";
    }
    if (paragraph.borderStyle & TParagraphFormat::BorderDotted)
        m_buffer += "\\brdrdot";
    if (paragraph.borderStyle & TParagraphFormat::BorderHairline)
        m_buffer += "\\brdrhair";
    TParagraphFormat &open = openFormat();
    open.borderFlags = paragraph.borderFlags;
    open.borderStyle = paragraph.borderStyle;
    open.borderWidth = paragraph.borderWidth;
    open.borderColor = paragraph.borderColor;
}

void TQmRTFWriter::writeShading()
{
    const TParagraph &paragraph = *m_paragraph;
    openGroup(GroupKind::Shading);
    if (paragraph.shading != 0)
        appendWord(m_buffer, "\\shading", paragraph.shading * 100);
    else if (paragraph.shadingColors & 0x0F)
        m_buffer += "\\shading10000";
    else
        m_buffer += "\\shading1";
    appendWord(m_buffer, "\\cfpat", paragraph.shadingColors & 0x0F);
    if (paragraph.shading != 100)
        appendWord(m_buffer, "\\cbpat", paragraph.shadingColors >> 4);
}

void TQmRTFWriter::writeTabStops()
{
    const TTextHeader &header = m_document->Header();
    openGroup(GroupKind::TabStops);
    for (int i = 0; i < TTextHeader::TabCount; ++i) {
        if (!(m_paragraph->tabMask & (quint64(1) << i)))
            continue;
        switch (header.tabs[i].kind) {
        case tkRight:
            m_buffer += "\\tqr";
            break;
        case tkCenter:
            m_buffer += "\\tqc";
            break;
        case tkDecimal:
            m_buffer += "\\tqdec";
            break;
        default:
            break;
        }
        appendWord(m_buffer, "\\tx", header.tabs[i].twips);
    }
    openFormat().tabMask = m_paragraph->tabMask;
}

void TQmRTFWriter::writeParagraphValues()
{
    const TParagraph &paragraph = *m_paragraph;
    TParagraphFormat &open = openFormat();
    if (open.alignment != paragraph.alignment) {
        static const char *const words[] = {"\\ql", "\\qr", "\\qc", "\\qj"};
        m_buffer += words[paragraph.alignment & 3];
        open.alignment = paragraph.alignment;
    }
    if (!paragraph.isTableCell() &&
        (open.leftIndent != paragraph.leftIndent || open.firstIndent != paragraph.firstIndent ||
         open.rightIndent != paragraph.rightIndent)) {
        appendWord(m_buffer, "\\li", paragraph.leftIndent);
        appendWord(m_buffer, "\\fi", paragraph.firstIndent - paragraph.leftIndent);
        appendWord(m_buffer, "\\ri", paragraph.rightIndent);
        open.leftIndent = paragraph.leftIndent;
        open.firstIndent = paragraph.firstIndent;
        open.rightIndent = paragraph.rightIndent;
    }
    const qint32 spaceAfter = paragraph.isTableCell() ? paragraph.spaceBefore : paragraph.spaceAfter;
    if (paragraph.isTableCell() || open.spaceBefore != paragraph.spaceBefore ||
        open.lineSpacing != paragraph.lineSpacing || open.spaceAfter != spaceAfter) {
        appendWord(m_buffer, "\\sb", paragraph.spaceBefore);
        m_buffer += "\\sl";
        if (paragraph.lineSpacing != 0)
            appendNumber(m_buffer, paragraph.lineSpacing);
        appendWord(m_buffer, "\\sa", spaceAfter);
        open.spaceBefore = paragraph.spaceBefore;
        open.lineSpacing = paragraph.lineSpacing;
        open.spaceAfter = spaceAfter;
    }
}

int TQmRTFWriter::ParagraphStart()
{
    const TParagraph &paragraph = *m_paragraph;
    const TParagraph *previous = m_previousParagraph;
    const bool previousEndedRow = previous && previous->isTableCell() && (previous->flags & TParagraphFormat::RowEnd);
    const bool startsRow = paragraph.isTableCell() && (!previous || !previous->isTableCell() || previousEndedRow);

    m_buffer.clear();
    if (m_groups.empty())
        openGroup(GroupKind::Body);
    // A border group ends where its border does; a box that ended on the
    // previous paragraph is not continued by one that looks the same.
    const bool previousEndedBox = previous && (previous->borderFlags & TParagraphFormat::BorderLast);
    if ((openFormat().isBordered() && (!sameBorder(openFormat(), paragraph) || previousEndedRow || previousEndedBox)) ||
        (startsRow && !(previous && previous->isTableCell())))
        closeThrough(GroupKind::Border);
    std::vector<CellLayout> row;
    if (startsRow) {
        row = rowLayout(&paragraph);
        const bool sameLayout = row.size() <= m_row.size() && std::equal(row.begin(), row.end(), m_row.begin());
        if (!sameLayout)
            closeThrough(GroupKind::TableRow);
    }
    // Leaving a table ends its row description, or the text after it would be read as cells.
    if (!paragraph.isTableCell())
        closeThrough(GroupKind::TableRow);
    if (openFormat().tabMask != paragraph.tabMask)
        closeThrough(GroupKind::TabStops);
    if (flush(false) != 0)
        return m_result;

    if (paragraph.flags & TParagraphFormat::PageBreakBefore)
        m_buffer += "\\page";
    if (paragraph.isTableCell()) {
        if (hasGroup(GroupKind::TableRow)) {
            m_buffer += "\\intbl";
        } else {
            openGroup(GroupKind::TableRow);
            if (row.empty())
                row = rowLayout(&paragraph);
            if (writeRowDescription(row) != qm::result::Success)
                return m_result;
            m_row = std::move(row);
        }
    } else {
        if (paragraph.isBordered() && !(openFormat().isBordered() && sameBorder(openFormat(), paragraph)))
            writeBorderGroup();
        if (isShaded(paragraph))
            writeShading();
        if (paragraph.flags & TParagraphFormat::KeepTogether)
            m_buffer += "\\keep";
        if (flush(true) != 0)
            return m_result;
    }
    if (openFormat().tabMask != paragraph.tabMask)
        writeTabStops();
    writeParagraphValues();
    return flush(true);
}

int TQmRTFWriter::ParagraphEnd()
{
    const TParagraph &paragraph = *m_paragraph;
    QByteArray out;
    closeRtfCode(out);
    if (paragraph.isTableCell()) {
        out += "\\cell";
        if ((paragraph.flags & TParagraphFormat::RowEnd) && !(paragraph.flags & TParagraphFormat::RowMarker))
            out += "\\row";
        out += "\n\r";
    } else if (!m_lastParagraph) {
        out += m_previousRunHidden ? "\\plain\\par\n\r" : "\\par\n\r";
        m_previousRunHidden = false;
    }
    if (put(out) != 0)
        return m_result;
    // Formatting written inside a shading group ends with it, as reading it back ends it.
    closeThrough(GroupKind::Shading);
    return flush(false);
}

// Runs --------------------------------------------------------------------

void TQmRTFWriter::closeRtfCode(QByteArray &out)
{
    if (m_inRtfCode)
        out += "\\wprtf0";
    m_inRtfCode = false;
}

int TQmRTFWriter::writeAttributes(const TAttr &attr)
{
    const bool rtfCode = attr.has(TAttr::RtfCode);
    if (m_inRtfCode && rtfCode)
        return m_result;
    QByteArray &out = m_run;
    out.truncate(0); // keeps the capacity: this runs for every run of text
    closeRtfCode(out);
    appendWord(out, "\\plain\\f", attr.fontNumber);
    appendWord(out, "\\fs", attr.size == 0 ? 20 : 2 * attr.size);
    appendWord(out, "\\cf", attr.textColor());
    if (attr.backgroundColor() != 0)
        appendWord(out, "\\cb", attr.backgroundColor());
    const struct {
        quint32 flag;
        const char *word;
    } styles[] = {{TAttr::Bold, "\\b"},          {TAttr::Underline, "\\ul"},
                  {TAttr::Hyperlink, "\\uldb"},  {TAttr::Superscript, "\\super"},
                  {TAttr::Subscript, "\\sub"},   {TAttr::Italic, "\\i"},
                  {TAttr::StrikeOut, "\\strike"}};
    for (const auto &style : styles) {
        if (attr.has(style.flag))
            out += style.word;
    }
    if (attr.has(TAttr::Protected) && !m_options.omitProtection)
        out += "\\shad";
    m_previousRunHidden = attr.has(TAttr::Hidden);
    if (m_previousRunHidden)
        out += "\\v";
    if (rtfCode) {
        out += "\\wprtf1";
        m_inRtfCode = true;
    }
    if (attr.has(TAttr::InsertPoint) && !m_options.omitInsertPoints)
        appendWord(out, "\\inspnt", attr.tag);
    if (attr.has(TAttr::Automatic) && !m_options.omitAutomaticText)
        out += "\\inaut";
    out += ' ';
    return put(out);
}

int TQmRTFWriter::writeCharacters(const char16_t *text, int count, bool rtfCode)
{
    char buffer[CharacterChunk + MaxCharacterBytes];
    int used = 0;
    for (int i = 0; i < count; ++i) {
        used += translate(buffer + used, text[i], rtfCode);
        if (used > CharacterChunk) {
            if (put(QByteArrayView(buffer, used)) != 0)
                return m_result;
            used = 0;
        }
    }
    return put(QByteArrayView(buffer, used));
}

int TQmRTFWriter::WriteLine(const TTextLine &line, int from, int to)
{
    const char16_t *text = line.text();
    const TAttr *attributes = line.attributes();
    if (!attributes)
        return writeCharacters(text + from, to - from, false);

    int index = from;
    while (index < to) {
        const TAttr &attr = attributes[index];
        const char16_t code = text[index];
        if (writeAttributes(attr) != 0)
            return m_result;
        if (attr.has(TAttr::Object) && (code == 1 || code == 2)) {
            if (writeObject(code, attr) != 0)
                return m_result;
            ++index;
            continue;
        }
        if (attr.has(TAttr::HyperlinkRecord)) {
            if (writeFootnote(attr) != 0)
                return m_result;
            ++index;
            continue;
        }
        int end = index + 1;
        if (!attr.has(TAttr::InsertPoint)) {
            while (end < to && attributes[end].sameRun(attr))
                ++end;
        }
        const bool dropped = (attr.has(TAttr::InsertPoint) && m_options.omitInsertPoints) ||
                             (attr.has(TAttr::Automatic) && m_options.omitAutomaticText);
        if (!dropped && writeCharacters(text + index, end - index, attr.has(TAttr::RtfCode)) != 0)
            return m_result;
        index = end;
    }
    return m_result;
}

// Objects and footnotes ---------------------------------------------------

int TQmRTFWriter::writeObject(char16_t code, const TAttr &attr)
{
    const TTextObject *object = m_document->FindObjectFor(code, attr);
    if (!object)
        return m_result;
    QByteArray out;
    if (!object->fileName.isEmpty()) {
        if (m_options.linkedPicturesInBrackets) {
            out = "\\{bmc ";
            appendName(out, object->fileName);
            out += "\\}";
        } else {
            out = "{\\*\\picfile";
            if (!object->graphic.isEmpty()) {
                appendWord(out, "\\picw", object->graphic.width());
                appendWord(out, "\\pich", object->graphic.height());
            }
            appendWord(out, "\\picwgoal", object->width);
            appendWord(out, "\\pichgoal", object->height);
            out += " \"";
            appendName(out, object->fileName);
            out += "\"}";
        }
        return put(out);
    }
    if (object->graphic.isEmpty()) {
        if (object->tag == 0 || !object->provided)
            return m_result;
        appendWord(out, "\\wpobjtag", object->tag);
        appendWord(out, "\\wpobjw", object->width);
        appendWord(out, "\\wpobjh", object->height);
        out += " \\'01";
        return put(out);
    }
    return writePicture(*object);
}

int TQmRTFWriter::writePicture(const TTextObject &object)
{
    const qm::Graphic &graphic = object.graphic;
    QByteArray out("{\\pict");
    QByteArray data;
    if (graphic.isMetafile()) {
        appendWord(out, "\\wmetafile", 8);
        appendWord(out, "\\picw", graphic.width());
        appendWord(out, "\\pich", graphic.height());
    } else if (!m_options.writeBitmapAsDib) {
        qm::bitmap::DeviceBits bits = qm::bitmap::toDeviceBits(graphic.bitmap());
        appendWord(out, "\\wbitmap", 0);
        appendWord(out, "\\wbmbitspixel", bits.bitsPerPixel);
        appendWord(out, "\\wbmplanes", bits.planes);
        appendWord(out, "\\wbmwidthbytes", bits.widthBytes);
        appendWord(out, "\\picw", bits.width);
        appendWord(out, "\\pich", bits.height);
        data = std::move(bits.bits);
    } else {
        const QImage &image = graphic.bitmap();
        const int bitsPerPixel = qm::bitmap::dibBitsPerPixel(image);
        appendWord(out, "\\dibitmap", 0);
        appendWord(out, "\\wbmbitspixel", bitsPerPixel);
        appendWord(out, "\\wbmplanes", 1);
        appendWord(out, "\\wbmwidthbytes", (qint64(image.width()) * bitsPerPixel + 7) / 8);
        appendWord(out, "\\picw", image.width());
        appendWord(out, "\\pich", image.height());
        data = qm::bitmap::toDib(image);
    }
    appendWord(out, "\\picwgoal", object.width);
    appendWord(out, "\\pichgoal", object.height);
    out += "\r\n";
    if (put(out) != 0)
        return m_result;
    if (writeHex(graphic.isMetafile() ? graphic.metafileRecords() : QByteArrayView(data)) != 0)
        return m_result;
    return put("}");
}

int TQmRTFWriter::writeHex(QByteArrayView data)
{
    constexpr qsizetype Chunk = 32 * 1024;
    QByteArray hex(2 * std::min(Chunk, data.size()), '\0');
    for (qsizetype start = 0; start < data.size(); start += Chunk) {
        const QByteArrayView piece = data.sliced(start, std::min(Chunk, data.size() - start));
        char *out = hex.data();
        for (char byte : piece) {
            *out++ = HexDigits[quint8(byte) >> 4];
            *out++ = HexDigits[quint8(byte) & 0x0F];
        }
        if (put(QByteArrayView(hex.constData(), 2 * piece.size())) != 0)
            return m_result;
    }
    return m_result;
}

int TQmRTFWriter::writeFootnote(const TAttr &attr)
{
    const THyperlinkRecord *record = m_document->FindHyperlinkRecord(attr.tag);
    if (!record)
        return m_result;
    const QByteArray mark = translated(QStringView(&record->mark, 1));
    QByteArray out = "{\\cs16\\super " + mark;
    if (record->number == 0 || record->automatic) {
        out += "{\\*\\footnote \\pard\\plain \\s15\\widctlpar \\f4\\fs20\\lang1031 {\\cs16\\super " + mark;
    } else {
        appendWord(out, "{\\*\\footnote \\wpfnnr", record->number);
        out += " \\pard\\plain \\s15\\widctlpar \\f4\\fs20\\lang1031 {\\cs16\\super\t" + mark;
    }
    out += "} " + translated(record->text) + "}}";
    return put(out);
}
