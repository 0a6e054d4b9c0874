#include "richtext/QmRtfReader.h"

#include "platform/RoundHalfEven.h"
#include "richtext/BorderSpace.h"
#include "richtext/ResultCode.h"

#include <QScopeGuard>

#include <algorithm>
#include <limits>
#include <new>
#include <string_view>

using namespace qm::rtf;

namespace {

constexpr int MaxControlWordLetters = 29;
constexpr int MaxParameterDigits = 19;
/// Parameters are held to this size, far beyond any length or number the
/// words of the table take, so that sums of page values never overflow.
constexpr qint64 MaxParameter = 0xFFFFFF;
/// Longest font name and linked file name collected.
constexpr int MaxNameBytes = 255;
/// The sequence that ends an RTF-code run.
constexpr std::string_view RtfCodeEnd = "\\wprtf0";

int hexDigitValue(int byte)
{
    if (byte >= '0' && byte <= '9')
        return byte - '0';
    if (byte >= 'a' && byte <= 'f')
        return byte - 'a' + 10;
    if (byte >= 'A' && byte <= 'F')
        return byte - 'A' + 10;
    return -1;
}

bool isDigit(int byte)
{
    return byte >= '0' && byte <= '9';
}

bool isLetter(int byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

} // namespace

// Reading -------------------------------------------------------------------

int TQmRtfReader::Read(QIODevice *stream, TQmRTFText *document, TParagraph *&insertion)
{
    begin(stream, document, insertion, QStringLiteral("Wrong Arguments in\tTQmRTFReader"));
    const bool wasLoading = document->IsLoading();
    document->SetLoading(true);
    const auto restoreLoading = qScopeGuard([&] { document->SetLoading(wasLoading); });

    setUp(insertion);
    try {
        run();
    } catch (...) {
        if (m_result == qm::result::Success)
            m_result = qm::result::Failure;
        insertion = m_paragraph;
        throw;
    }
    finish();
    insertion = m_paragraph;
    return m_result;
}

void TQmRtfReader::setUp(TParagraph *insertion)
{
    m_state = State();
    m_state.attr = m_document->CurrentAttr();
    m_state.format = insertion->format();
    m_state.firstIndentOffset = insertion->firstIndent - insertion->leftIndent;
    m_groups.clear();
    m_excessDepth = 0;
    m_ignorable = false;
    m_stopped = false;
    m_paragraphFormatted = false;

    m_documentCodePage = 1252;
    m_codePages.clear();
    m_skipFallback = 0;
    m_pendingLeadByte = false;
    m_fontMap.fill(0);
    m_fontCodePages.fill(0);
    m_definedFont = -1;
    m_fontName.clear();
    m_fontFamily = 0;
    m_fontCharset = 0;
    m_colorIndex = 0;
    m_fileColors.clear();
    m_pendingBorderSides = 0;

    m_cellCount = 0;
    m_describedCell = Cell();
    m_cellIndex = 0;
    m_rowGap = 0;
    m_rowLeft = 0;
    m_pageWidth = m_header->pageWidth;
    m_leftMargin = m_header->leftMargin;
    m_rightMargin = m_header->rightMargin;

    m_picture.reset();
    m_inFileName = false;
    m_objectTag = 0;
    m_objectWidth = 0;
    m_objectHeight = 0;
    m_footnote = nullptr;
    m_fieldState = FieldState::Ended;
    m_fieldInstruction.clear();
    m_fieldLine = nullptr;
    m_fieldIndex = 0;
    m_rtfCodeRun = false;
    m_rtfCodeMatched = 0;
}

void TQmRtfReader::run()
{
    while (!m_stopped) {
        const int byte = nextByte();
        if (byte < 0)
            return;
        if (isPlainText(byte)) {
            appendText(char16_t(byte));
            continue;
        }
        if (m_excessDepth == 0) {
            if (m_state.destination == Destination::Picture) {
                if (const int digit = hexDigitValue(byte); digit >= 0) {
                    m_picture.addDigit(digit);
                    continue;
                }
            }
            if (m_rtfCodeRun) {
                readRtfCodeByte(byte);
                continue;
            }
            if (m_inFileName && m_state.destination == Destination::PictureFile && byte != '}') {
                putPictureFileName(byte);
                continue;
            }
        }
        switch (byte) {
        case 0:
        case '\t':
        case '\n':
        case '\r':
            break;
        case '\\':
            readControl();
            break;
        case '{':
            pushGroup();
            break;
        case '}':
            popGroup();
            break;
        default:
            if (m_excessDepth > 0)
                break;
            if (m_state.hexPending)
                takeHexDigit(byte);
            else
                takeByte(byte);
            break;
        }
    }
}

void TQmRtfReader::finish()
{
    if (m_rtfCodeRun) {
        for (int i = 0; i < m_rtfCodeMatched; ++i)
            put(RtfCodeEnd[size_t(i)]);
        m_rtfCodeMatched = 0;
    }
    if (!m_keepHeader)
        m_header->recalcTextSize();
    m_paragraph->markForLayout();
}

// Lexer ---------------------------------------------------------------------

void TQmRtfReader::readControl()
{
    m_state.hexPending = false;
    int byte = nextByte();
    if (byte < 0) {
        m_result = qm::result::Failure;
        m_stopped = true;
        return;
    }

    char letters[MaxControlWordLetters];
    int length = 0;
    bool hasParameter = false;
    qint64 value = 0;
    if (!isLetter(byte)) {
        letters[length++] = char(byte); // a control symbol
    } else {
        for (; isLetter(byte); byte = nextByte()) {
            if (length < MaxControlWordLetters)
                letters[length++] = char(byte);
        }
        const bool negative = byte == '-';
        if (negative)
            byte = nextByte();
        for (int digits = 0; isDigit(byte); byte = nextByte()) {
            if (digits++ < MaxParameterDigits)
                value = std::min<qint64>(value * 10 + (byte - '0'), MaxParameter);
            hasParameter = true;
        }
        if (byte < 0) {
            m_result = qm::result::Failure;
            m_stopped = true;
            return;
        }
        if (negative)
            value = -value;
        if (byte != ' ')
            pushBack();
    }

    const Keyword *keyword = findKeyword(std::string_view(letters, size_t(length)));
    const bool ignorable = std::exchange(m_ignorable, false);
    if (keyword && keyword->action == Action::Binary) {
        // Binary data is never RTF, also in a group that is skipped.
        skipBinary(qint32(std::max<qint64>(value, 0)));
        return;
    }
    if (m_excessDepth > 0 || m_state.destination == Destination::Skip)
        return;
    if (!keyword) {
        if (ignorable)
            m_state.destination = Destination::Skip;
        return;
    }
    const qint32 parameter = keyword->fixed || !hasParameter ? keyword->defaultParameter : qint32(value);
    try {
        execute(*keyword, parameter);
    } catch (...) {
        m_result = qm::result::KeywordError;
        throw;
    }
}

void TQmRtfReader::readRtfCodeByte(int byte)
{
    if (byte == RtfCodeEnd[size_t(m_rtfCodeMatched)]) {
        if (++m_rtfCodeMatched == int(RtfCodeEnd.size())) {
            m_rtfCodeRun = false;
            m_rtfCodeMatched = 0;
            m_state.attr.setFlag(TAttr::RtfCode, false);
        }
        return;
    }
    for (int i = 0; i < m_rtfCodeMatched; ++i)
        put(RtfCodeEnd[size_t(i)]);
    // The end sequence has no other backslash, so a mismatching backslash
    // can only start a new match.
    m_rtfCodeMatched = byte == '\\' ? 1 : 0;
    if (m_rtfCodeMatched == 0)
        takeByte(byte);
}

void TQmRtfReader::takeHexDigit(int byte)
{
    const int digit = hexDigitValue(byte);
    if (digit < 0) {
        m_state.hexPending = false;
        takeByte(byte);
        return;
    }
    m_state.hexValue = quint8(m_state.hexValue << 4 | digit);
    if (++m_state.hexDigits == 2) {
        m_state.hexPending = false;
        takeByte(m_state.hexValue);
    }
}

void TQmRtfReader::takeByte(int byte)
{
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    if (byte < 0x80 && !m_pendingLeadByte) {
        put(byte);
        return;
    }
    const int number = m_state.codePage != 0 ? m_state.codePage : m_documentCodePage;
    const QStringView characters = codePage(number).decode(quint8(byte));
    m_pendingLeadByte = characters.isEmpty();
    for (const QChar character : characters)
        put(character.unicode());
}

void TQmRtfReader::takeCharacter(int character)
{
    if (m_skipFallback > 0) {
        --m_skipFallback;
        return;
    }
    put(character);
}

qm::rtf::CodePage &TQmRtfReader::codePage(int number)
{
    auto found = m_codePages.find(number);
    if (found == m_codePages.end())
        found = m_codePages.try_emplace(number, number).first;
    return found->second;
}

void TQmRtfReader::skipBinary(qint32 count)
{
    // The bytes are data, never RTF: a picture keeps them, anything else drops them.
    const bool picture = m_state.destination == Destination::Picture && m_excessDepth == 0;
    for (qint32 i = 0; i < count; ++i) {
        const int byte = nextByte();
        if (byte < 0)
            return;
        if (picture)
            m_picture.addByte(char(byte));
    }
}

void TQmRtfReader::pushGroup()
{
    m_ignorable = false;
    if (m_excessDepth > 0 || int(m_groups.size()) >= MaxGroupDepth) {
        ++m_excessDepth;
        return;
    }
    m_groups.push_back(m_state);
    m_state.hexPending = false;
    m_skipFallback = 0;
}

void TQmRtfReader::popGroup()
{
    m_ignorable = false;
    if (m_excessDepth > 0) {
        --m_excessDepth;
        return;
    }
    if (m_groups.empty()) {
        m_stopped = true; // an unbalanced brace ends the text
        return;
    }

    m_skipFallback = 0;
    const Destination closed = m_state.destination;
    const Destination restored = m_groups.back().destination;
    if (closed == Destination::Picture && restored != Destination::Picture)
        endPicture(restored);
    else if (closed == Destination::PictureFile && restored != Destination::PictureFile)
        endLinkedPicture(restored);
    const bool hadBorder = m_state.format.isBordered();

    m_state = m_groups.back();
    m_groups.pop_back();

    if (closed == Destination::Field && restored != Destination::Field)
        m_fieldState = FieldState::Ended;
    if (closed == Destination::Text && restored == Destination::Text && m_paragraph->isEmpty()) {
        // The group that closes right after a paragraph end held the
        // formatting of the paragraphs before; the new paragraph falls back
        // to the formatting outside it, unless it already has its own.
        if (hadBorder && !m_state.format.isBordered())
            closeBorderOfPreviousParagraph();
        if (!m_paragraphFormatted)
            storeFormat(m_paragraph);
    }
    if (m_groups.empty())
        m_stopped = true; // the document's group is closed
}

// Destinations --------------------------------------------------------------

void TQmRtfReader::put(int character)
{
    switch (m_state.destination) {
    case Destination::Text:
        putText(character);
        return;
    case Destination::FontTable:
        putFontName(character);
        return;
    case Destination::ColorTable:
        if (character == ';')
            nextColor();
        return;
    case Destination::PictureFile:
        putPictureFileName(character);
        return;
    case Destination::Title:
    case Destination::Comment:
    case Destination::Subject:
        if (character > 0 && character <= 0xFFFF && character != '\n' && character != '\r')
            headerString(m_state.destination)->append(QChar(character));
        return;
    case Destination::FieldInstruction:
        if (character > 0 && character <= 0xFFFF && m_fieldInstruction.size() < MaxNameBytes)
            m_fieldInstruction.append(QChar(character));
        return;
    case Destination::Footnote:
        putFootnote(character);
        return;
    case Destination::Field:
        putField(character);
        return;
    case Destination::Skip:
    case Destination::Picture:
        return;
    }
}

void TQmRtfReader::putText(int character)
{
    switch (character) {
    case LineBreakCode:
        insert('\n', m_state.attr, LineCapacity);
        return;
    case 1:
        insertProvidedObject();
        return;
    case 0: // never text
    case 2:
    case 3:
    case '\n': // line ends in the RTF text are layout of the file only
    case '\r':
        return;
    default:
        if (character <= 0xFFFF)
            appendText(char16_t(character));
        return;
    }
}

void TQmRtfReader::putFontName(int character)
{
    if (character == ';') {
        defineFont();
        return;
    }
    if (character == ' ' && m_fontName.isEmpty())
        return;
    if (character > 0 && character <= 0xFFFF && m_fontName.size() < MaxNameBytes)
        m_fontName.append(QChar(character));
}

void TQmRtfReader::defineFont()
{
    if (m_definedFont >= 0 && !m_fontName.isEmpty()) {
        TTextHeader &header = *m_header;
        const int newEntry = header.fontCount();
        const int number = m_document->GetFontNr(m_fontName);
        if (number == newEntry) {
            header.fonts[size_t(number)].pitchAndFamily = m_fontFamily;
            header.fonts[size_t(number)].charset = m_fontCharset;
        }
        m_fontMap[size_t(m_definedFont)] = quint8(number);
        m_fontCodePages[size_t(m_definedFont)] = qm::rtf::CodePage::forCharset(m_fontCharset, 0);
        if (m_definedFont == 0) {
            // File font 0 is the text's font until the text names another,
            // also outside the groups that are open now.
            m_state.attr.fontNumber = quint8(number);
            for (State &saved : m_groups)
                saved.attr.fontNumber = quint8(number);
        }
    }
    m_definedFont = -1;
    m_fontName.clear();
    m_fontFamily = 0;
    m_fontCharset = 0;
}

void TQmRtfReader::nextColor()
{
    // Entries beyond the table are counted no further, so a long table cannot overflow the index.
    if (m_colorIndex < MaxFileColors) {
        m_fileColors.resize(size_t(m_colorIndex) + 1, qm::clBlack);
        ++m_colorIndex;
    }
    if (m_colorIndex < TTextHeader::ColorCount - 1 && !m_keepHeader)
        m_header->colors[size_t(m_colorIndex)] = qm::clBlack;
}

int TQmRtfReader::colorNumber(qint32 number) const
{
    if (number < 0)
        return -1;
    if (number < TTextHeader::ColorCount - 1)
        return number;
    if (size_t(number) >= m_fileColors.size())
        return -1;
    const TColor wanted = m_fileColors[size_t(number)];
    const auto component = [](TColor color, int shift) { return int((quint32(color) >> shift) & 0xFF); };
    int nearest = 0;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (int i = 0; i < TTextHeader::ColorCount - 1; ++i) {
        qint64 distance = 0;
        for (const int shift : {0, 8, 16}) {
            const qint64 difference = component(wanted, shift) - component(m_header->colors[size_t(i)], shift);
            distance += difference * difference;
        }
        if (distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void TQmRtfReader::putPictureFileName(int character)
{
    if (character == '"') {
        m_inFileName = !m_inFileName && m_picture.fileName.isEmpty();
        return;
    }
    if (m_inFileName && character > 0 && character <= 0xFFFF && character != '\n' && character != '\r' &&
        m_picture.fileName.size() < MaxNameBytes)
        m_picture.fileName.append(QChar(character));
}

void TQmRtfReader::putFootnote(int character)
{
    if (!m_footnote || character <= 0 || character > 0xFFFF)
        return;
    // The text repeats the mark in front of it, and a blank separates them.
    if (m_footnote->text.isEmpty() && (character == quint8(m_footnote->mark) || character == ' '))
        return;
    m_footnote->text.append(QChar(character));
}

void TQmRtfReader::putField(int character)
{
    switch (m_fieldState) {
    case FieldState::FirstCharacter: {
        if (character <= 3 || character > 0xFFFF || character == '\n' || character == '\r')
            return;
        TAttr attr = m_state.attr;
        attr.setFlag(TAttr::Automatic, false);
        attr.setFlag(TAttr::InsertPoint, true);
        attr.tag = 0;
        insert(char16_t(character), attr, LineCapacity);
        m_fieldLine = m_line;
        m_fieldIndex = m_line->length - 1;
        m_fieldState = FieldState::Digits;
        return;
    }
    case FieldState::Digits: {
        if (!isDigit(character)) {
            m_fieldState = FieldState::Ended;
            return;
        }
        TAttr attr = m_state.attr;
        attr.setFlag(TAttr::InsertPoint, false);
        attr.setFlag(TAttr::Automatic, true);
        insert(char16_t(character), attr, LineCapacity);
        if (TAttr *point = m_fieldLine->attributes()) {
            quint16 &number = point[m_fieldIndex].tag;
            number = clampTo<quint16>(qint64(number) * 10 + (character - '0'));
        }
        return;
    }
    case FieldState::Ended:
        return;
    }
}

QString *TQmRtfReader::headerString(Destination destination)
{
    switch (destination) {
    case Destination::Title:
        return &m_header->title;
    case Destination::Comment:
        return &m_header->comment;
    default:
        return &m_header->subject;
    }
}

// Objects and footnotes -----------------------------------------------------

void TQmRtfReader::insertPlaceholder(const TTextObject &object)
{
    TAttr attr = m_state.attr;
    attr.setFlag(TAttr::Object, true);
    attr.tag = object.tag != 0 ? object.tag : object.number;
    insert(object.tag != 0 ? u'\1' : u'\2', attr, LineCapacity);
}

void TQmRtfReader::insertProvidedObject()
{
    TTextObject *object = m_document->CreateObject(qm::Graphic(), m_objectTag);
    object->width = m_objectWidth;
    object->height = m_objectHeight;
    object->provided = true;
    insertPlaceholder(*object);
}

void TQmRtfReader::endPicture(Destination restored)
{
    if (restored == Destination::Text) {
        qm::Graphic graphic;
        try {
            graphic = m_picture.graphic();
        } catch (const std::bad_alloc &) {
            // A picture that cannot be built leaves its object without graphic.
        }
        TTextObject *object = m_document->CreateObject(std::move(graphic), 0);
        object->width = m_picture.objectWidth();
        object->height = m_picture.objectHeight();
        insertPlaceholder(*object);
    }
    m_picture.reset();
}

void TQmRtfReader::endLinkedPicture(Destination restored)
{
    m_inFileName = false;
    if (restored != Destination::Text || m_picture.fileName.isEmpty()) {
        m_picture.reset();
        return;
    }
    TTextObject *object = m_document->FindObjectByFileName(m_picture.fileName);
    if (!object) {
        object = m_document->CreateObject(qm::Graphic(), TQmRTFText::AutomaticTag);
        object->fileName = m_picture.fileName;
    }
    object->width = m_picture.objectWidth();
    object->height = m_picture.objectHeight();
    if (object->graphic.isEmpty()) {
        if (const auto &provide = m_document->ProvideObject())
            provide(object->tag, object->graphic);
        else
            object->graphic = qm::rtf::Picture::loadFile(object->fileName, m_picture.width, m_picture.height);
    }
    insertPlaceholder(*object);
    m_picture.reset();
}

void TQmRtfReader::startFootnote()
{
    THyperlinkRecord &footnote = m_document->NewHyperlinkRecord();
    m_footnote = &footnote;
    m_state.destination = Destination::Footnote;

    // The character in front of the footnote is its mark; a footnote
    // without one gets the default mark.
    TTextLine *line = m_line->length > 0 ? m_line : m_line->previous();
    TAttr *attr = line && line->length > 0 && line->attributes() ? line->attributes() + line->length - 1 : nullptr;
    if (attr && !attr->has(TAttr::Object | TAttr::HyperlinkRecord)) {
        footnote.mark = line->text()[line->length - 1];
    } else {
        TAttr markAttr = m_state.attr;
        insert(footnote.mark, markAttr, LineCapacity);
        attr = m_line->attributes() ? m_line->attributes() + m_line->length - 1 : nullptr;
    }
    if (attr) {
        attr->setFlag(TAttr::HyperlinkRecord, true);
        attr->tag = footnote.key;
    }
}

// Paragraphs and tables -----------------------------------------------------

void TQmRtfReader::storeFormat(TParagraph *paragraph) const
{
    const TParagraphFormat &format = m_state.format;
    paragraph->alignment = format.alignment;
    paragraph->leftIndent = format.leftIndent;
    paragraph->firstIndent = clampTo<qint32>(qint64(format.leftIndent) + m_state.firstIndentOffset);
    if (!m_state.inTable)
        paragraph->rightIndent = format.rightIndent;
    paragraph->spaceBefore = format.spaceBefore;
    paragraph->spaceAfter = format.spaceAfter;
    paragraph->lineSpacing = format.lineSpacing;
    paragraph->shadingColors = format.shadingColors;
    paragraph->shading = format.shading;
    if (!paragraph->isTableCell())
        paragraph->tabMask = format.tabMask;
    paragraph->borderFlags = format.borderFlags;
    paragraph->borderStyle = format.borderStyle;
    paragraph->borderWidth = format.borderWidth;
    paragraph->borderColor = format.borderColor;
}

void TQmRtfReader::formatChanged()
{
    if (m_state.destination != Destination::Text)
        return;
    storeFormat(m_paragraph);
    m_paragraphFormatted = true;
}

void TQmRtfReader::closeBorderOfPreviousParagraph()
{
    TParagraph *previous = m_paragraph->previous();
    if (previous && previous->isBordered())
        previous->borderFlags |= TParagraphFormat::BorderLast;
}

void TQmRtfReader::endParagraph()
{
    storeFormat(m_paragraph);
    startNextParagraph();
}

void TQmRtfReader::startNextParagraph()
{
    TQmTextReader::endParagraph(LineCapacity);
    m_paragraph->flags = 0;
    storeFormat(m_paragraph);
    m_paragraphFormatted = false;
}

void TQmRtfReader::addCell(qint32 rightEdge)
{
    Cell cell = std::exchange(m_describedCell, Cell());
    cell.rightEdge = rightEdge;
    if (cell.merged && m_cellCount > 0)
        m_cells[size_t(m_cellCount - 1)].rightEdge = rightEdge;
    else if (m_cellCount < MaxCells)
        m_cells[size_t(m_cellCount++)] = cell;
}

void TQmRtfReader::endCell()
{
    TParagraph *paragraph = m_paragraph;
    storeFormat(paragraph);
    paragraph->flags |= TParagraphFormat::TableCell;
    paragraph->leftIndent = m_rowLeft;
    paragraph->firstIndent = m_rowLeft;

    const int gap = m_rowGap == 0 ? 0 : std::clamp(qm::borderSpace::stepsIn(m_rowGap), 1, 15);
    if (m_cellCount > 0) {
        const Cell &cell = m_cells[size_t(std::min(m_cellIndex, m_cellCount - 1))];
        paragraph->borderFlags = cell.format.borderFlags;
        paragraph->borderStyle = cell.format.borderStyle;
        paragraph->borderWidth = cell.format.borderWidth;
        paragraph->borderColor = quint8((cell.format.borderColor & 0x0F) | gap << 4);
        paragraph->shadingColors = cell.format.shadingColors;
        paragraph->shading = cell.format.shading;
        const int placement = cellPlacement(cell.rightEdge, paragraph->rightIndent);
        paragraph->cellPlacement[0] = quint8(std::min(placement, 255));
        paragraph->cellPlacement[1] = quint8(placement - paragraph->cellPlacement[0]);
    } else {
        paragraph->borderColor = quint8((paragraph->borderColor & 0x0F) | gap << 4);
        paragraph->cellPlacement[0] = 255;
    }
    m_cellIndex = std::min(m_cellIndex + 1, MaxCells);
    startNextParagraph();
}

int TQmRtfReader::cellPlacement(qint32 rightEdge, qint32 rightIndent) const
{
    const qint64 rowWidth = qint64(m_pageWidth) - m_leftMargin - m_rightMargin - rightIndent;
    if (rowWidth <= 0 || rowWidth > std::numeric_limits<int>::max())
        return 255;
    // The writer places the edge at mulDiv(row width, placement, 255): take
    // the placement that gives this edge back, so that rows survive a round trip.
    const qint64 offset = qint64(rightEdge) - m_rowLeft;
    const qint64 nearest = std::clamp<qint64>(qm::roundRatio(offset * 255, rowWidth), 0, 510);
    for (const qint64 placement : {nearest, nearest - 1, nearest + 1}) {
        if (placement >= 0 && placement <= 510 && qm::mulDiv(int(rowWidth), int(placement), 255) == offset)
            return int(placement);
    }
    return int(nearest);
}

void TQmRtfReader::endRow()
{
    TParagraph *last = m_paragraph->previous();
    if (m_paragraph->isEmpty() && last && last->isTableCell())
        last->flags |= TParagraphFormat::RowEnd;
    m_cellIndex = 0;
}
