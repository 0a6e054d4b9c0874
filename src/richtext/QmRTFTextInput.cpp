#include "richtext/QmRTFTextInput.h"

#include "platform/Environment.h"
#include "platform/RoundHalfEven.h"
#include "richtext/QmRtfReader.h"
#include "richtext/ResultCode.h"

#include <QBuffer>

namespace {

/// Room of the first line of a paragraph that an edit creates.
constexpr int NewLineCapacity = 100;
constexpr int MinimumCaretHeight = 4;

bool isWordCharacter(QChar character)
{
    return character.isLetterOrNumber() || character == u'_';
}

/// Keeps tabs and drops every other control character, which typed text
/// must not carry into a cell.
QString typeable(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        if (character == u'\t' || (character.unicode() >= 32 && character.unicode() != 127))
            result.append(character);
    }
    return result;
}

int paragraphLength(const TParagraph &paragraph)
{
    return paragraph.characterCount();
}

} // namespace

TQmRTFTextInput::TQmRTFTextInput()
{
    SetCaret({FirstParagraph(), FirstParagraph()->firstLine(), 0});
}
TQmRTFTextInput::~TQmRTFTextInput() = default;

void TQmRTFTextInput::AfterReset()
{
    TQmRTFTextPaint::AfterReset();
    // Emptying runs this before the insertion point is set again.
    if (!Caret().isValid())
        SetCaret({FirstParagraph(), FirstParagraph()->firstLine(), 0});
    if (m_restoring)
        return;
    m_undo.clear();
    m_redo.clear();
    m_lastEdit.reset();
}

// Places ---------------------------------------------------------------------

TQmRTFTextInput::Place TQmRTFTextInput::placeOf(const TTextPosition &position) const
{
    int number = 0;
    for (const TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next(), ++number) {
        if (paragraph != position.paragraph)
            continue;
        int offset = 0;
        for (const TTextLine *line = paragraph->firstLine(); line && line != position.line; line = line->next())
            offset += line->length;
        return {number, offset + position.index};
    }
    return documentEnd();
}

TParagraph *TQmRTFTextInput::paragraphAt(int number) const
{
    TParagraph *paragraph = FirstParagraph();
    for (; number > 0 && paragraph->next(); --number)
        paragraph = paragraph->next();
    return paragraph;
}

TTextPosition TQmRTFTextInput::positionOf(Place place) const
{
    TParagraph *paragraph = paragraphAt(place.paragraph);
    TTextLine *line = paragraph->firstLine();
    int offset = std::max(place.offset, 0);
    while (line->next() && offset >= line->length) {
        offset -= line->length;
        line = line->next();
    }
    return {paragraph, line, std::min<int>(offset, line->length)};
}

TQmRTFTextInput::Place TQmRTFTextInput::documentEnd() const
{
    const TParagraph *last = LastParagraph();
    return {ParagraphCount() - 1, paragraphLength(*last)};
}

std::pair<TTextPosition, TTextPosition> TQmRTFTextInput::orderedRange() const
{
    const TTextRange &selection = Selection();
    if (!selection.start.isValid())
        return {Caret(), Caret()};
    if (placeOf(selection.end) < placeOf(selection.start))
        return {selection.end, selection.start};
    return {selection.start, selection.end};
}

// Caret and selection -----------------------------------------------------------

bool TQmRTFTextInput::HasSelection() const
{
    const TTextRange &selection = Selection();
    return selection.start.isValid() && selection.end.isValid() && placeOf(selection.start) != placeOf(selection.end);
}

void TQmRTFTextInput::moveTo(const TTextPosition &position, TSelectionMode mode)
{
    if (mode == TSelectionMode::Extend) {
        const TTextPosition anchor = Selection().start.isValid() ? Selection().start : Caret();
        SetSelection({anchor, position});
    } else {
        SetSelection({});
    }
    SetCaret(position);
    takeAttributeAtCaret();
    m_lastEdit.reset();
}

void TQmRTFTextInput::takeAttributeAtCaret()
{
    const TTextPosition caret = Caret();
    if (!IsRich() || !caret.isValid())
        return;
    // Text typed next continues the character before the caret, or, at the
    // start of a paragraph, the one after it.
    const TAttr *attr = nullptr;
    if (caret.index > 0)
        attr = &caret.line->attributes()[caret.index - 1];
    else if (const TTextLine *previous = caret.line->previous())
        attr = &previous->attributes()[previous->length - 1];
    else if (caret.line->length > 0)
        attr = &caret.line->attributes()[0];
    if (!attr)
        return;
    TAttr taken = *attr;
    taken.flags &= ~quint32(TAttr::Object | TAttr::InsertPoint | TAttr::HyperlinkRecord);
    taken.tag = 0;
    CurrentAttr() = taken;
}

void TQmRTFTextInput::MoveCaret(TCaretMove move, TSelectionMode mode)
{
    UpdateLayout();
    if (mode == TSelectionMode::Collapse && HasSelection() &&
        (move == TCaretMove::CharLeft || move == TCaretMove::CharRight)) {
        const auto [start, end] = orderedRange();
        moveTo(move == TCaretMove::CharLeft ? start : end, mode);
        return;
    }
    const TTextPosition caret = Caret();
    TParagraph *paragraph = caret.paragraph;
    TTextLine *line = caret.line;
    switch (move) {
    case TCaretMove::CharLeft:
    case TCaretMove::CharRight:
        moveTo(positionOf(characterStep(placeOf(caret), move == TCaretMove::CharLeft ? -1 : 1)), mode);
        return;
    case TCaretMove::WordLeft:
    case TCaretMove::WordRight:
        moveTo(positionOf(wordStep(placeOf(caret), move == TCaretMove::WordLeft ? -1 : 1)), mode);
        return;
    case TCaretMove::LineStart:
        moveTo({paragraph, line, 0}, mode);
        return;
    case TCaretMove::LineEnd: {
        // The caret stays in front of a line break, which belongs to its line.
        const bool endsInBreak = line->length > 0 && line->text()[line->length - 1] == LineBreakCode;
        moveTo({paragraph, line, line->length - (endsInBreak ? 1 : 0)}, mode);
        return;
    }
    case TCaretMove::LineUp:
    case TCaretMove::LineDown: {
        const int x = CaretRect().x();
        TParagraph *toParagraph = paragraph;
        TTextLine *toLine = move == TCaretMove::LineUp ? line->previous() : line->next();
        if (!toLine) {
            toParagraph = move == TCaretMove::LineUp ? paragraph->previous() : paragraph->next();
            if (!toParagraph)
                return;
            toLine = move == TCaretMove::LineUp ? toParagraph->lastLine() : toParagraph->firstLine();
        }
        moveTo(positionInLine(toParagraph, toLine, x), mode);
        return;
    }
    case TCaretMove::PageUp:
    case TCaretMove::PageDown: {
        const QRect rect = CaretRect();
        const int page = std::max(PaintHeight(), rect.height());
        const int y = rect.center().y() + (move == TCaretMove::PageUp ? -page : page);
        moveTo(positionAtPoint({rect.x(), std::max(y, 0)}), mode);
        return;
    }
    case TCaretMove::DocumentStart:
        moveTo({FirstParagraph(), FirstParagraph()->firstLine(), 0}, mode);
        return;
    case TCaretMove::DocumentEnd: {
        TParagraph *last = LastParagraph();
        TTextLine *lastLine = last->lastLine();
        moveTo({last, lastLine, lastLine->length}, mode);
        return;
    }
    }
}

TQmRTFTextInput::Place TQmRTFTextInput::characterStep(Place from, int direction) const
{
    const TParagraph *paragraph = paragraphAt(from.paragraph);
    const QString text = paragraph->text();
    if (direction < 0) {
        if (from.offset == 0)
            return from.paragraph > 0 ? Place{from.paragraph - 1, paragraphLength(*paragraph->previous())} : from;
        int offset = from.offset - 1;
        if (offset > 0 && text[offset].isLowSurrogate() && text[offset - 1].isHighSurrogate())
            --offset;
        return {from.paragraph, offset};
    }
    if (from.offset >= text.size())
        return paragraph->next() ? Place{from.paragraph + 1, 0} : from;
    int offset = from.offset + 1;
    if (offset < text.size() && text[offset].isLowSurrogate() && text[offset - 1].isHighSurrogate())
        ++offset;
    return {from.paragraph, offset};
}

TQmRTFTextInput::Place TQmRTFTextInput::wordStep(Place from, int direction) const
{
    const TParagraph *paragraph = paragraphAt(from.paragraph);
    const QString text = paragraph->text();
    int offset = from.offset;
    if (direction < 0) {
        if (offset == 0)
            return characterStep(from, direction);
        while (offset > 0 && !isWordCharacter(text[offset - 1]))
            --offset;
        while (offset > 0 && isWordCharacter(text[offset - 1]))
            --offset;
        return {from.paragraph, offset};
    }
    if (offset >= text.size())
        return characterStep(from, direction);
    while (offset < text.size() && isWordCharacter(text[offset]))
        ++offset;
    while (offset < text.size() && !isWordCharacter(text[offset]))
        ++offset;
    return {from.paragraph, offset};
}

TTextPosition TQmRTFTextInput::positionInLine(TParagraph *paragraph, TTextLine *line, int x) const
{
    const std::vector<int> advances = CharacterAdvances(*line);
    int left = line->left;
    int index = 0;
    for (; index < line->length; ++index) {
        const int advance = advances[size_t(index)];
        if (line->text()[index] == LineBreakCode || x < left + advance / 2)
            break;
        left += advance;
    }
    if (index > 0 && index < line->length && QChar::isLowSurrogate(line->text()[index]))
        --index;
    return {paragraph, line, index};
}

TTextPosition TQmRTFTextInput::positionAtPoint(QPoint point)
{
    UpdateLayout();
    TParagraph *paragraph = LastParagraph();
    TTextLine *line = paragraph->lastLine();
    for (TParagraph *each = FirstParagraph(); each; each = each->next()) {
        for (TTextLine *eachLine = each->firstLine(); eachLine; eachLine = eachLine->next()) {
            if (point.y() < eachLine->top + eachLine->height)
                return positionInLine(each, eachLine, point.x());
        }
    }
    return positionInLine(paragraph, line, point.x());
}

void TQmRTFTextInput::MoveCaretToPoint(QPoint point, TSelectionMode mode)
{
    moveTo(positionAtPoint(point), mode);
}

void TQmRTFTextInput::SelectWordAt(QPoint point)
{
    const Place at = placeOf(positionAtPoint(point));
    const QString text = paragraphAt(at.paragraph)->text();
    int start = at.offset;
    int end = at.offset;
    while (start > 0 && isWordCharacter(text[start - 1]))
        --start;
    while (end < text.size() && isWordCharacter(text[end]))
        ++end;
    if (start == end && end < text.size())
        end = characterStep(at, 1).offset;
    const TTextPosition caret = positionOf({at.paragraph, end});
    SetSelection({positionOf({at.paragraph, start}), caret});
    SetCaret(caret);
    takeAttributeAtCaret();
    m_lastEdit.reset();
}

void TQmRTFTextInput::SelectAll()
{
    TParagraph *last = LastParagraph();
    TTextLine *lastLine = last->lastLine();
    const TTextPosition end{last, lastLine, lastLine->length};
    SetSelection({{FirstParagraph(), FirstParagraph()->firstLine(), 0}, end});
    SetCaret(end);
    m_lastEdit.reset();
}

void TQmRTFTextInput::RemoveSelection()
{
    SetSelection({});
    m_lastEdit.reset();
}

QRect TQmRTFTextInput::CaretRect()
{
    UpdateLayout();
    const TTextPosition caret = Caret();
    if (!caret.isValid())
        return {0, 0, 1, DefaultLineHeight};
    const TTextLine &line = *caret.line;
    const std::vector<int> advances = CharacterAdvances(line);
    int x = line.left;
    for (int i = 0; i < caret.index && i < line.length; ++i)
        x += advances[size_t(i)];
    return {x, line.top, 1, std::max<int>(line.height, MinimumCaretHeight)};
}

void TQmRTFTextInput::ScrollToCaret()
{
    const QRect caret = CaretRect();
    const int top = ScrollPosition().y();
    if (caret.top() < top)
        ScrollUp(top - caret.top());
    else if (caret.bottom() + 1 > top + PaintHeight())
        ScrollDown(caret.bottom() + 1 - top - PaintHeight());
}

QString TQmRTFTextInput::SelectedText() const
{
    if (!HasSelection())
        return {};
    const auto [start, end] = orderedRange();
    const Place from = placeOf(start);
    const Place to = placeOf(end);
    QString text;
    int number = from.paragraph;
    for (const TParagraph *paragraph = start.paragraph; paragraph && number <= to.paragraph;
         paragraph = paragraph->next(), ++number) {
        if (number > from.paragraph)
            text.append(u'\n');
        int offset = 0;
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            for (int i = 0; i < line->length; ++i, ++offset) {
                const bool inside =
                    (number > from.paragraph || offset >= from.offset) && (number < to.paragraph || offset < to.offset);
                const bool picture = line->attributes() && line->attributes()[i].has(TAttr::Object);
                if (inside && !picture)
                    text.append(QChar(line->text()[i]));
            }
        }
    }
    return text;
}

std::optional<QByteArray> TQmRTFTextInput::SelectionData(TQmLoadFormat format)
{
    if (!HasSelection())
        return QByteArray();
    const TTextRange selection = Selection();
    const TQmLoadFormat saveFormat = SaveFormat();
    const auto [start, end] = orderedRange();
    // The writers walk forward from the start.
    SetSelection({start, end});
    SetSaveFormat(format);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const int result = SaveSelectionToStream(&buffer);
    SetSaveFormat(saveFormat);
    SetSelection(selection);
    if (result != qm::result::Success)
        return std::nullopt;
    return data;
}

// Changes ------------------------------------------------------------------------

void TQmRTFTextInput::finishEdit(const TTextPosition &caret)
{
    SetCaret(caret);
    SetInsertionPosition(caret);
    SetSelection({});
    UpdateLayout();
    ScrollToCaret();
}

TTextPosition TQmRTFTextInput::deleteSelected()
{
    TTextPosition at = Caret();
    if (HasSelection()) {
        const auto [start, end] = orderedRange();
        at = DeleteText(start, end);
    }
    SetSelection({});
    return at;
}

TTextPosition TQmRTFTextInput::insertAtCaret(QStringView text, const TAttr &attr)
{
    return InsertText(deleteSelected(), text, attr);
}

bool TQmRTFTextInput::TypeText(QStringView text)
{
    const QString typed = typeable(text);
    if (typed.isEmpty() || !ChangeAllowed())
        return false;
    recordUndo(EditKind::Typing);
    CurrentAttr().flags &= ~quint32(TAttr::InsertPoint | TAttr::Object);
    if (!m_inserting && !HasSelection()) {
        // Overwriting stops at the end of the line's text.
        const Place from = placeOf(Caret());
        const QString paragraph = paragraphAt(from.paragraph)->text();
        int to = from.offset;
        for (qsizetype typedCount = 0;
             typedCount < typed.size() && to < paragraph.size() && paragraph[to] != QChar(LineBreakCode); ++typedCount)
            ++to;
        if (to > from.offset)
            SetCaret(DeleteText(Caret(), positionOf({from.paragraph, to})));
    }
    finishEdit(insertAtCaret(typed, CurrentAttr()));
    return true;
}

bool TQmRTFTextInput::TypeCharacter(char16_t code)
{
    switch (code) {
    case BackspaceCode:
        return deleteCharacter(-1);
    case DeleteCode:
        return deleteCharacter(1);
    case EnterCode:
        return insertParagraphEnd(false);
    case PageBreakCode:
        return insertParagraphEnd(true);
    default:
        return TypeText(QStringView(&code, 1));
    }
}

bool TQmRTFTextInput::DeleteSelection()
{
    if (!ChangeAllowed() || !HasSelection())
        return false;
    recordUndo(EditKind::Other);
    finishEdit(deleteSelected());
    return true;
}

bool TQmRTFTextInput::deleteCharacter(int direction)
{
    if (HasSelection())
        return DeleteSelection();
    if (!ChangeAllowed())
        return false;
    const Place from = placeOf(Caret());
    // Backspace does not leave a table cell.
    if (direction < 0 && from.offset == 0 && Caret().paragraph->isTableCell())
        return false;
    const Place to = characterStep(from, direction);
    if (to == from)
        return false;
    recordUndo(EditKind::Other);
    finishEdit(DeleteText(positionOf(std::min(from, to)), positionOf(std::max(from, to))));
    return true;
}

TTextPosition TQmRTFTextInput::splitParagraph(const TTextPosition &at)
{
    TParagraph *paragraph = at.paragraph;
    const Place place = placeOf(at);
    QString tail;
    std::vector<TAttr> tailAttributes;
    int offset = 0;
    for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
        for (int i = 0; i < line->length; ++i, ++offset) {
            if (offset < place.offset)
                continue;
            tail.append(QChar(line->text()[i]));
            if (line->attributes())
                tailAttributes.push_back(line->attributes()[i]);
        }
    }
    DeleteText(positionOf(place), positionOf({place.paragraph, paragraphLength(*paragraph)}));
    TParagraph *next = NewParagraph(paragraph, NewLineCapacity);
    next->flags &= ~quint8(TParagraphFormat::PageBreakBefore);
    AppendCharacters(next, next->firstLine(), reinterpret_cast<const char16_t *>(tail.utf16()),
                     tailAttributes.empty() ? nullptr : tailAttributes.data(), CurrentAttr(), int(tail.size()),
                     NewLineCapacity);
    paragraph->markForLayout();
    next->markForLayout();
    return {next, next->firstLine(), 0};
}

bool TQmRTFTextInput::insertParagraphEnd(bool pageBreak)
{
    if (!ChangeAllowed())
        return false;
    recordUndo(EditKind::Other);
    const TTextPosition at = deleteSelected();
    TParagraph *paragraph = at.paragraph;
    if (pageBreak && placeOf(at).offset == 0) {
        paragraph->flags ^= TParagraphFormat::PageBreakBefore;
        paragraph->markForLayout();
        finishEdit(at);
        return true;
    }
    if (!pageBreak && paragraph->isTableCell()) {
        const QChar lineBreak(LineBreakCode);
        finishEdit(InsertText(at, QStringView(&lineBreak, 1), CurrentAttr()));
        return true;
    }
    const TTextPosition start = splitParagraph(at);
    if (pageBreak)
        start.paragraph->flags |= TParagraphFormat::PageBreakBefore;
    finishEdit(start);
    return true;
}

bool TQmRTFTextInput::pasteWith(TQmTextReader &reader, const QByteArray &data)
{
    if (data.isEmpty() || !ChangeAllowed())
        return false;
    recordUndo(EditKind::Other);
    const TTextPosition at = deleteSelected();
    // The pasted paragraphs go between the text before the caret and the
    // text after it, which then joins the last of them.
    TParagraph *insertion = at.paragraph;
    const TParagraphFormat format = insertion->format();
    TParagraph *rest = splitParagraph(at).paragraph;
    rest->format() = format;
    QByteArray bytes = data;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    SetLoading(true);
    try {
        reader.Read(&buffer, this, insertion);
    } catch (const std::exception &) {
        // What was read before the error stays, as when a document is loaded.
    }
    SetLoading(false);
    TTextLine *line = insertion->lastLine();
    const TTextPosition end{insertion, line, line->length};
    const Place caret = placeOf(end);
    DeleteText(end, {rest, rest->firstLine(), 0});
    finishEdit(positionOf(caret));
    return true;
}

bool TQmRTFTextInput::PasteRtf(QByteArrayView rtf)
{
    const qsizetype zero = rtf.indexOf('\0');
    TQmRtfReader reader;
    reader.SetKeepHeader(true);
    return pasteWith(reader, (zero < 0 ? rtf : rtf.first(zero)).toByteArray());
}

bool TQmRTFTextInput::PasteText(QStringView text)
{
    TQmTextReader reader;
    return pasteWith(reader, text.toUtf8());
}

quint16 TQmRTFTextInput::InsertGraphic(const qm::Graphic &graphic, int width, int height)
{
    if (graphic.isEmpty() || !ChangeAllowed())
        return 0;
    recordUndo(EditKind::Other);
    const int screen = qm::Environment::screenPixelsPerInch();
    TTextObject *object = CreateObject(graphic.deepCopy(), 0);
    object->width = width > 0 ? width : qm::mulDiv(graphic.width(), 1440, screen);
    object->height = height > 0 ? height : qm::mulDiv(graphic.height(), 1440, screen);
    TAttr attr = CurrentAttr();
    attr.flags |= TAttr::Object;
    attr.flags &= ~quint32(TAttr::InsertPoint | TAttr::Automatic);
    attr.tag = object->number;
    attr.width = qint16(Header().twipsToPixelsX(object->width));
    attr.height = qint16(Header().twipsToPixelsY(object->height));
    const QChar placeholder(NumberedObjectCode);
    finishEdit(insertAtCaret(QStringView(&placeholder, 1), attr));
    return object->number;
}

bool TQmRTFTextInput::ChangeAttr(const TAttr &source, quint16 mask)
{
    if (!ChangeAllowed())
        return false;
    if (HasSelection())
        recordUndo(EditKind::Other);
    else
        SetSelection({});
    ApplyAttr(source, mask);
    ScrollToCaret();
    return true;
}

bool TQmRTFTextInput::SetAlignment(quint8 alignment)
{
    if (!ChangeAllowed())
        return false;
    recordUndo(EditKind::Other);
    const auto [start, end] = orderedRange();
    for (TParagraph *paragraph = start.paragraph; paragraph; paragraph = paragraph->next()) {
        paragraph->alignment = alignment;
        paragraph->markForLayout();
        if (paragraph == end.paragraph)
            break;
    }
    UpdateLayout();
    return true;
}

// History --------------------------------------------------------------------------

TQmRTFTextInput::Snapshot TQmRTFTextInput::snapshot() const
{
    Snapshot step;
    step.document = std::make_unique<TQmRTFTextIo>();
    step.document->Assign(*this);
    for (const TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next())
        step.characters += paragraph->characterCount();
    step.currentAttr = CurrentAttr();
    step.caret = placeOf(Caret());
    if (Selection().start.isValid())
        step.anchor = placeOf(Selection().start);
    return step;
}

void TQmRTFTextInput::restore(Snapshot &step)
{
    m_restoring = true;
    Assign(*step.document);
    m_restoring = false;
    CurrentAttr() = step.currentAttr;
    const TTextPosition caret = positionOf(step.caret);
    SetCaret(caret);
    SetInsertionPosition(caret);
    SetSelection(step.anchor ? TTextRange{positionOf(*step.anchor), caret} : TTextRange{});
    UpdateLayout();
    ScrollToCaret();
    m_lastEdit.reset();
}

void TQmRTFTextInput::recordUndo(EditKind kind)
{
    if (kind == EditKind::Typing && m_lastEdit == EditKind::Typing && !m_undo.empty())
        return;
    m_undo.push_back(snapshot());
    qsizetype characters = 0;
    for (const Snapshot &step : m_undo)
        characters += step.characters;
    while (m_undo.size() > 1 && (m_undo.size() > size_t(UndoLimit) || characters > UndoCharacterBudget)) {
        characters -= m_undo.front().characters;
        m_undo.erase(m_undo.begin());
    }
    m_redo.clear();
    m_lastEdit = kind;
}

bool TQmRTFTextInput::Undo()
{
    if (m_undo.empty() || !ChangeAllowed())
        return false;
    m_redo.push_back(snapshot());
    restore(m_undo.back());
    m_undo.pop_back();
    return true;
}

bool TQmRTFTextInput::Redo()
{
    if (m_redo.empty() || !ChangeAllowed())
        return false;
    m_undo.push_back(snapshot());
    restore(m_redo.back());
    m_redo.pop_back();
    return true;
}
