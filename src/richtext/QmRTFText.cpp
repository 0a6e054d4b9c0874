#include "richtext/QmRTFText.h"

#include "platform/Cp1252.h"
#include "platform/QmError.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <new>

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
    line->m_text = std::make_unique<char[]>(capacity);
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

    auto text = std::make_unique<char[]>(capacity);
    std::memcpy(text.get(), line->m_text.get(), size_t(kept));
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

TTextLine *TQmRTFText::AppendCharacter(TParagraph *paragraph, TTextLine *line, char character, const TAttr &attribute,
                                       int newLineCapacity)
{
    if (line->freeSlots() < 4)
        line = NewLine(paragraph, line, newLineCapacity);
    line->append(character, attribute);
    return line;
}

TTextLine *TQmRTFText::AppendCharacters(TParagraph *paragraph, TTextLine *line, const char *text,
                                        const TAttr *attributes, const TAttr &fallback, int count, int newLineCapacity)
{
    // A line takes characters while at least 4 slots are free before each one.
    while (count > 0) {
        if (line->freeSlots() < 4)
            line = NewLine(paragraph, line, newLineCapacity);
        const int chunk = std::min(count, line->freeSlots() - 3);
        std::memcpy(line->text() + line->length, text, size_t(chunk));
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
                    attributes[i].width = m_charWidths[quint8(line->text()[i])];
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
        quint16 highest = FirstAutomaticTag - 1;
        for (const auto &existing : m_objects)
            highest = std::max(highest, existing->tag);
        object->tag = quint16(highest + 1);
        object->selfTagged = true;
    } else if (tag != 0) {
        object->tag = tag;
    } else {
        quint16 highest = 0;
        for (const auto &existing : m_objects)
            highest = std::max(highest, existing->number);
        object->number = quint16(highest + 1);
    }
    if (object->graphic.isEmpty() && !object->selfTagged && m_provideObject)
        m_provideObject(object->tag, object->graphic);
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

TTextObject *TQmRTFText::FindObjectByTag(quint16 tag) const
{
    for (const auto &object : m_objects) {
        if (object->tag == tag)
            return object.get();
    }
    return nullptr;
}

TTextObject *TQmRTFText::FindObjectByNumber(quint16 number) const
{
    for (const auto &object : m_objects) {
        if (object->number == number)
            return object.get();
    }
    return nullptr;
}

TTextObject *TQmRTFText::FindObjectFor(char code, const TAttr &attr) const
{
    if (!attr.has(TAttr::Object))
        return nullptr;
    if (code == 1)
        return FindObjectByTag(attr.tag);
    if (code == 2)
        return FindObjectByNumber(attr.tag);
    return nullptr;
}

TTextObject *TQmRTFText::FindObjectByFileName(QByteArrayView fileName) const
{
    if (fileName.isEmpty())
        return nullptr;
    const QString wanted = qm::fromCp1252(fileName);
    for (const auto &object : m_objects) {
        if (QString::compare(qm::fromCp1252(object->fileName), wanted, Qt::CaseInsensitive) == 0)
            return object.get();
    }
    return nullptr;
}

void TQmRTFText::ClearUsedFlags()
{
    for (const auto &object : m_objects)
        object->used = false;
}

void TQmRTFText::FreeUnusedObjects()
{
    std::erase_if(m_objects, [](const std::unique_ptr<TTextObject> &object) { return !object->used; });
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
