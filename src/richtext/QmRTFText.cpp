#include "richtext/QmRTFText.h"

#include "platform/QmError.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

/// Keeps the first object filed under `key`: the one a linear search would find.
template <typename Key> void insertFirst(QHash<Key, TTextObject *> &index, const Key &key, TTextObject *object)
{
    if (!index.contains(key))
        index.insert(key, object);
}

} // namespace

// Paragraphs and lines are lists in which each element owns the next one and
// `head` owns the first.
template <typename Element>
Element *TQmRTFText::linkAfter(std::unique_ptr<Element> &head, Element *after, std::unique_ptr<Element> element)
{
    Element *linked = element.get();
    std::unique_ptr<Element> &slot = after ? after->m_next : head;
    element->m_next = std::move(slot);
    if (element->m_next)
        element->m_next->m_previous = linked;
    element->m_previous = after;
    slot = std::move(element);
    return linked;
}

template <typename Element> void TQmRTFText::unlink(std::unique_ptr<Element> &head, Element *element)
{
    std::unique_ptr<Element> &slot = element->m_previous ? element->m_previous->m_next : head;
    std::unique_ptr<Element> removed = std::move(slot);
    slot = std::move(removed->m_next);
    if (slot)
        slot->m_previous = removed->m_previous;
}

TQmRTFText::TQmRTFText()
    : m_header(std::make_unique<TTextHeader>())
    , m_insertPointAttr(TAttr::InsertPoint)
    , m_automaticTextAttr(TAttr::Automatic)
    , m_hyperlinkTextAttr(TAttr::Hyperlink)
{
    m_insertPointAttr.SetTextColor(qm::rgbColor(255, 0, 0));
    m_hyperlinkTextAttr.SetUnderline(tsTRUE);
    m_hyperlinkTextAttr.SetUnderlineColor(qm::rgbColor(0, 0, 255));
    m_currentAttr.size = 10;
    m_charWidths.fill(DefaultCharWidth);
    NewParagraph(nullptr, 40);
}

TQmRTFText::~TQmRTFText() = default;

void TQmRTFText::Clear()
{
    if (m_loading)
        return;
    m_firstParagraph.reset();

    TTextHeader &header = *m_header;
    if (m_currentAttr.fontNumber < TTextHeader::FontCount && m_currentAttr.fontNumber != 0)
        header.fonts[0] = header.fonts[m_currentAttr.fontNumber];
    m_currentAttr.fontNumber = 0;
    if (m_currentAttr.size == 0)
        m_currentAttr.size = 10;
    if (header.fonts[0].name.isEmpty())
        header.fonts[0].name = "Arial";
    header.reset();

    m_objects.clear();
    rebuildObjectIndexes();
    m_hyperlinkRecords.clear();
    header.rich = IsRich();
    NewParagraph(nullptr, 100)->markForLayout();
    AfterReset();
}

// Structure ---------------------------------------------------------------

TParagraph *TQmRTFText::LastParagraph() const
{
    TParagraph *paragraph = m_firstParagraph.get();
    while (paragraph && paragraph->next())
        paragraph = paragraph->next();
    return paragraph;
}

int TQmRTFText::ParagraphCount() const
{
    int count = 0;
    for (const TParagraph *paragraph = m_firstParagraph.get(); paragraph; paragraph = paragraph->next())
        ++count;
    return count;
}

TParagraph *TQmRTFText::NewParagraph(TParagraph *after, int capacity)
{
    std::unique_ptr<TParagraph> paragraph;
    try {
        paragraph = std::make_unique<TParagraph>();
        paragraph->m_firstLine = makeLine(capacity);
    } catch (const std::bad_alloc &) {
        throw QmError(QStringLiteral("Out of Memory in\tNewParagraph"));
    }

    if (after) {
        TParagraphFormat &format = paragraph->format();
        format.firstIndent = after->firstIndent;
        format.leftIndent = after->leftIndent;
        format.rightIndent = after->rightIndent;
        format.spaceBefore = after->spaceBefore;
        format.spaceAfter = after->spaceAfter;
        format.lineSpacing = after->lineSpacing;
        format.alignment = after->alignment;
        format.shadingColors = after->shadingColors;
        format.shading = after->shading;
        if (!after->isTableCell())
            format.tabMask = after->tabMask;
        format.flags = after->flags;
        if (!(after->borderFlags & TParagraphFormat::BorderLast)) {
            format.borderFlags = after->borderFlags;
            format.borderStyle = after->borderStyle;
            format.borderWidth = after->borderWidth;
            format.borderColor = after->borderColor;
        }
    }

    return linkAfter(m_firstParagraph, after, std::move(paragraph));
}

void TQmRTFText::checkCapacity(int capacity)
{
    if (capacity > MaxLineCapacity)
        throw QmError(QStringLiteral("Line longer then\t10000 character!"));
}

std::unique_ptr<TTextLine> TQmRTFText::makeLine(int capacity) const
{
    capacity = std::max(capacity, MinLineCapacity);
    checkCapacity(capacity);
    auto line = std::make_unique<TTextLine>();
    line->m_text = std::make_unique<char16_t[]>(capacity);
    if (IsRich()) {
        line->m_attributes = std::make_unique<TAttr[]>(capacity);
        line->m_attributes[0] = m_currentAttr;
    }
    line->m_capacity = quint16(capacity);
    line->height = DefaultLineHeight;
    return line;
}

TTextLine *TQmRTFText::NewLine(TParagraph *paragraph, TTextLine *after, int capacity)
{
    return linkAfter(paragraph->m_firstLine, after, makeLine(capacity));
}

void TQmRTFText::ResizeLine(TTextLine *line, int capacity)
{
    checkCapacity(capacity);
    capacity = std::max(2, (capacity + 1) & ~1);
    const int kept = std::min<int>(line->length, capacity - 1);

    auto text = std::make_unique<char16_t[]>(capacity);
    std::copy_n(line->m_text.get(), kept, text.get());
    std::unique_ptr<TAttr[]> attributes;
    if (line->m_attributes) {
        attributes = std::make_unique<TAttr[]>(capacity);
        std::copy_n(line->m_attributes.get(), std::min<int>(capacity, line->m_capacity), attributes.get());
    }
    line->m_text = std::move(text);
    line->m_attributes = std::move(attributes);
    line->m_capacity = quint16(capacity);
    line->length = quint16(kept);
}

void TQmRTFText::DeleteParagraph(TParagraph *paragraph)
{
    unlink(m_firstParagraph, paragraph);
    if (!m_firstParagraph)
        NewParagraph(nullptr, 100)->markForLayout();
}

void TQmRTFText::DeleteLine(TParagraph *paragraph, TTextLine *line)
{
    if (paragraph->firstLine() == line && !line->next()) {
        line->length = 0;
        line->m_text[0] = 0;
        return;
    }
    unlink(paragraph->m_firstLine, line);
}

TTextLine *TQmRTFText::GetLastLine(const TParagraph *paragraph) const
{
    TTextLine *line = paragraph ? paragraph->lastLine() : nullptr;
    if (!line)
        throw QmError(QStringLiteral("l=nil in Get_LastLine"));
    return line;
}

TTextLine *TQmRTFText::AppendCharacter(TParagraph *paragraph, TTextLine *line, char16_t character,
                                       const TAttr &attribute, int newLineCapacity)
{
    if (line->freeSlots() < 4)
        line = NewLine(paragraph, line, newLineCapacity);
    line->append(character, attribute);
    return line;
}

TTextLine *TQmRTFText::AppendCharacters(TParagraph *paragraph, TTextLine *line, const char16_t *text,
                                        const TAttr *attributes, const TAttr &fallback, int count, int newLineCapacity)
{
    // A line takes characters while at least 4 slots are free before each one.
    while (count > 0) {
        if (line->freeSlots() < 4)
            line = NewLine(paragraph, line, newLineCapacity);
        const int chunk = std::min(count, line->freeSlots() - 3);
        std::copy_n(text, chunk, line->text() + line->length);
        if (TAttr *target = line->attributes()) {
            if (attributes)
                std::copy_n(attributes, chunk, target + line->length);
            else
                std::fill_n(target + line->length, chunk, fallback);
        }
        line->length = quint16(line->length + chunk);
        line->text()[line->length] = 0;
        text += chunk;
        if (attributes)
            attributes += chunk;
        count -= chunk;
    }
    return line;
}

// Editing -----------------------------------------------------------------

namespace {

/// Characters of `paragraph` before `line`.
int charactersBefore(const TParagraph &paragraph, const TTextLine *line)
{
    int count = 0;
    for (const TTextLine *each = paragraph.firstLine(); each && each != line; each = each->next())
        count += each->length;
    return count;
}

/// The place of the `offset`-th character of `paragraph` (its end when beyond).
TTextPosition positionAt(TParagraph *paragraph, int offset)
{
    TTextLine *line = paragraph->firstLine();
    while (line->next() && offset >= line->length) {
        offset -= line->length;
        line = line->next();
    }
    return {paragraph, line, std::min<int>(offset, line->length)};
}

/// `position` moved off the low half of a surrogate pair, to `before` or after the pair.
TTextPosition outsidePair(TTextPosition position, bool before)
{
    const TTextLine &line = *position.line;
    position.index = std::clamp<int>(position.index, 0, line.length);
    if (position.index > 0 && position.index < line.length && QChar::isLowSurrogate(line.text()[position.index]) &&
        QChar::isHighSurrogate(line.text()[position.index - 1]))
        position.index += before ? -1 : 1;
    return position;
}

bool comesBefore(const TTextPosition &a, const TTextPosition &b)
{
    if (a.paragraph == b.paragraph) {
        const int first = charactersBefore(*a.paragraph, a.line) + a.index;
        return first <= charactersBefore(*b.paragraph, b.line) + b.index;
    }
    for (const TParagraph *paragraph = a.paragraph; paragraph; paragraph = paragraph->next()) {
        if (paragraph == b.paragraph)
            return true;
    }
    return false;
}

} // namespace

TTextPosition TQmRTFText::InsertText(const TTextPosition &at, QStringView text, const TAttr &attribute)
{
    const TTextPosition place = outsidePair(at, true);
    TParagraph *paragraph = place.paragraph;
    TTextLine *line = place.line;
    const int index = place.index;
    const int count = int(text.size());
    paragraph->markForLayout();
    const auto *characters = reinterpret_cast<const char16_t *>(text.utf16());
    if (line->length + count < MaxLineCapacity) {
        if (line->capacity() <= line->length + count)
            ResizeLine(line, line->length + count + 4);
        char16_t *buffer = line->text();
        std::copy_backward(buffer + index, buffer + line->length, buffer + line->length + count);
        std::copy_n(characters, count, buffer + index);
        if (TAttr *attributes = line->attributes()) {
            std::copy_backward(attributes + index, attributes + line->length, attributes + line->length + count);
            std::fill_n(attributes + index, count, attribute);
        }
        line->length = quint16(line->length + count);
        buffer[line->length] = 0;
        return {paragraph, line, index + count};
    }

    // Too long for one line: the text and the rest of the line go on in new lines.
    const QString rest = QStringView(line->chars()).sliced(index).toString();
    std::vector<TAttr> restAttributes;
    if (line->attributes())
        restAttributes.assign(line->attributes() + index, line->attributes() + line->length);
    line->length = quint16(index);
    line->text()[index] = 0;
    const int offset = charactersBefore(*paragraph, line) + index + count;
    line = AppendCharacters(paragraph, line, characters, nullptr, attribute, count, 100);
    AppendCharacters(paragraph, line, reinterpret_cast<const char16_t *>(rest.utf16()),
                     restAttributes.empty() ? nullptr : restAttributes.data(), attribute, int(rest.size()), 100);
    return positionAt(paragraph, offset);
}

TTextPosition TQmRTFText::DeleteText(const TTextPosition &from, const TTextPosition &to)
{
    const bool ordered = comesBefore(from, to);
    const TTextPosition start = outsidePair(ordered ? from : to, true);
    const TTextPosition end = outsidePair(ordered ? to : from, false);
    TParagraph *first = start.paragraph;
    const int startOffset = charactersBefore(*first, start.line) + start.index;
    const int endOffset = end.paragraph == first ? charactersBefore(*first, end.line) + end.index : INT_MAX;

    // The characters of `first` from `startOffset` to `endOffset` go.
    int offset = 0;
    for (TTextLine *line = first->firstLine(); line;) {
        TTextLine *next = line->next();
        const int lineStart = offset;
        offset += line->length;
        const int cutFrom = std::clamp(startOffset - lineStart, 0, int(line->length));
        const int cutTo = std::clamp(endOffset - lineStart, 0, int(line->length));
        if (cutTo > cutFrom) {
            char16_t *buffer = line->text();
            std::copy(buffer + cutTo, buffer + line->length, buffer + cutFrom);
            if (TAttr *attributes = line->attributes())
                std::copy(attributes + cutTo, attributes + line->length, attributes + cutFrom);
            line->length = quint16(line->length - (cutTo - cutFrom));
            buffer[line->length] = 0;
            if (line->length == 0 && (line != first->firstLine() || next))
                DeleteLine(first, line);
        }
        line = next;
    }

    if (end.paragraph != first) {
        // The paragraphs in between go, and the last one's rest joins the first.
        while (first->next() && first->next() != end.paragraph)
            DeleteParagraph(first->next());
        TParagraph *last = end.paragraph;
        const int kept = charactersBefore(*last, end.line) + end.index;
        DeleteText({last, last->firstLine(), 0}, positionAt(last, kept));
        TTextLine *tail = first->lastLine();
        std::unique_ptr<TTextLine> moved = std::move(last->m_firstLine);
        if (tail->length == 0 && tail == first->firstLine()) {
            first->m_firstLine = std::move(moved);
        } else {
            moved->m_previous = tail;
            tail->m_next = std::move(moved);
        }
        last->m_firstLine = makeLine(MinLineCapacity);
        DeleteParagraph(last);
    }
    first->markForLayout();
    return positionAt(first, startOffset);
}

void TQmRTFText::ShrinkLines(TParagraph *paragraph, int spare)
{
    for (TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
        if (line->capacity() > line->length + spare)
            ResizeLine(line, line->length + spare);
    }
}

TAttr *TQmRTFText::AttribPtr(TTextLine *line, int index)
{
    if (!line || !line->attributes())
        throw QmError(QStringLiteral("Error AttribPtr()"));
    return line->attributes() + index;
}

void TQmRTFText::MarkAllForLayout()
{
    for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next())
        paragraph->markForLayout();
}

// Memory format -----------------------------------------------------------

void TQmRTFText::SetMemoryFormat(TQmMemoryFormat format)
{
    if (format == m_memoryFormat || m_loading || !m_firstParagraph)
        return;
    if (format == fmRichText)
        convertToRich();
    else
        convertToPlain();
    m_header->rich = IsRich();
}

void TQmRTFText::convertToRich()
{
    if (m_currentAttr.size == 0)
        m_currentAttr.size = 10;
    std::vector<std::pair<TTextLine *, std::unique_ptr<TAttr[]>>> converted;
    try {
        for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
            for (TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
                auto attributes = std::make_unique<TAttr[]>(line->capacity());
                for (int i = 0; i < line->length; ++i) {
                    attributes[i] = m_currentAttr;
                    attributes[i].width = CharWidth(line->text()[i]);
                }
                converted.emplace_back(line, std::move(attributes));
            }
        }
    } catch (const std::bad_alloc &) {
        return; // the arrays made so far go with `converted`; the document stays plain
    }
    for (auto &[line, attributes] : converted)
        line->m_attributes = std::move(attributes);
    m_memoryFormat = fmRichText;
    MarkAllForLayout();
}

void TQmRTFText::convertToPlain()
{
    for (TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            line->m_attributes.reset();
            line->height = DefaultLineHeight;
        }
    }
    m_memoryFormat = fmPlainText;
}

// Objects -----------------------------------------------------------------

TTextObject *TQmRTFText::CreateObject(qm::Graphic graphic, quint16 tag)
{
    auto object = std::make_unique<TTextObject>();
    object->graphic = std::move(graphic);
    if (tag == AutomaticTag) {
        object->tag = quint16(std::max<int>(m_highestTag, FirstAutomaticTag - 1) + 1);
        object->selfTagged = true;
    } else if (tag != 0) {
        object->tag = tag;
    } else {
        object->number = quint16(m_highestNumber + 1);
    }
    if (object->graphic.isEmpty() && !object->selfTagged && m_provideObject)
        m_provideObject(object->tag, object->graphic);
    TTextObject *created = object.get();
    m_objects.push_back(std::move(object));
    // A later object with a key already in use does not hide the first one.
    if (created->tag != 0)
        insertFirst(m_objectsByTag, created->tag, created);
    if (created->number != 0)
        insertFirst(m_objectsByNumber, created->number, created);
    m_highestTag = std::max(m_highestTag, created->tag);
    m_highestNumber = std::max(m_highestNumber, created->number);
    return created;
}

void TQmRTFText::rebuildObjectIndexes()
{
    m_objectsByTag.clear();
    m_objectsByNumber.clear();
    m_objectsByFileName.clear();
    m_objectsNamed = 0;
    m_highestTag = 0;
    m_highestNumber = 0;
    for (const auto &object : m_objects) {
        if (object->tag != 0)
            insertFirst(m_objectsByTag, object->tag, object.get());
        if (object->number != 0)
            insertFirst(m_objectsByNumber, object->number, object.get());
        m_highestTag = std::max(m_highestTag, object->tag);
        m_highestNumber = std::max(m_highestNumber, object->number);
    }
}

TTextObject *TQmRTFText::FindObjectByTag(quint16 tag) const
{
    return tag == 0 ? nullptr : m_objectsByTag.value(tag);
}

TTextObject *TQmRTFText::FindObjectByNumber(quint16 number) const
{
    return number == 0 ? nullptr : m_objectsByNumber.value(number);
}

TTextObject *TQmRTFText::FindObjectFor(char16_t code, const TAttr &attr) const
{
    if (!attr.has(TAttr::Object))
        return nullptr;
    if (code == 1)
        return FindObjectByTag(attr.tag);
    if (code == 2)
        return FindObjectByNumber(attr.tag);
    return nullptr;
}

TTextObject *TQmRTFText::FindObjectByFileName(const QString &fileName) const
{
    if (fileName.isEmpty())
        return nullptr;
    for (; m_objectsNamed < m_objects.size(); ++m_objectsNamed) {
        TTextObject *object = m_objects[m_objectsNamed].get();
        if (!object->fileName.isEmpty())
            insertFirst(m_objectsByFileName, object->fileName.toCaseFolded(), object);
    }
    return m_objectsByFileName.value(fileName.toCaseFolded());
}

void TQmRTFText::ClearUsedFlags()
{
    for (const auto &object : m_objects)
        object->used = false;
}

void TQmRTFText::FreeUnusedObjects()
{
    std::erase_if(m_objects, [](const std::unique_ptr<TTextObject> &object) { return !object->used; });
    rebuildObjectIndexes();
}

void TQmRTFText::ReleaseUnreferencedObjects()
{
    ClearUsedFlags();
    for (const TParagraph *paragraph = FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        for (const TTextLine *line = paragraph->firstLine(); line; line = line->next()) {
            if (!line->attributes())
                continue;
            for (int i = 0; i < line->length; ++i) {
                if (TTextObject *object = FindObjectFor(line->text()[i], line->attributes()[i]))
                    object->used = true;
            }
        }
    }
    FreeUnusedObjects();
}

// Hyperlink records -------------------------------------------------------

THyperlinkRecord &TQmRTFText::NewHyperlinkRecord()
{
    quint16 highest = 0;
    for (const THyperlinkRecord &record : m_hyperlinkRecords)
        highest = std::max(highest, record.key);
    THyperlinkRecord &record = m_hyperlinkRecords.emplace_back();
    record.key = quint16(highest + 1);
    return record;
}

THyperlinkRecord *TQmRTFText::FindHyperlinkRecord(quint16 key)
{
    auto found = std::ranges::find(m_hyperlinkRecords, key, &THyperlinkRecord::key);
    return found == m_hyperlinkRecords.end() ? nullptr : &*found;
}

const THyperlinkRecord *TQmRTFText::FindHyperlinkRecord(quint16 key) const
{
    return const_cast<TQmRTFText *>(this)->FindHyperlinkRecord(key);
}
