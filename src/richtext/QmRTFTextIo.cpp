#include "richtext/QmRTFTextIo.h"

#include "platform/QmError.h"
#include "platform/RoundHalfEven.h"
#include "richtext/QmRTFWriter.h"
#include "richtext/QmRtfReader.h"
#include "richtext/ResultCode.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

namespace {

/// Larger ANSI texts are loaded in plain-text format, which needs no attributes.
constexpr qint64 PlainTextThreshold = 500000;
constexpr int CopyLineCapacity = 100;

/// Sets the document's loading flag for the life of the guard.
class LoadingGuard
{
public:
    explicit LoadingGuard(TQmRTFText &document)
        : m_document(document)
    {
        m_document.SetLoading(true);
    }
    ~LoadingGuard() { m_document.SetLoading(false); }
    LoadingGuard(const LoadingGuard &) = delete;
    LoadingGuard &operator=(const LoadingGuard &) = delete;

private:
    TQmRTFText &m_document;
};

bool isIn(const TQmRTFText &document, const TParagraph *wanted)
{
    for (const TParagraph *paragraph = document.FirstParagraph(); paragraph; paragraph = paragraph->next()) {
        if (paragraph == wanted)
            return true;
    }
    return false;
}

quint16 keyOf(const TTextObject &object, char16_t code)
{
    return code == 1 ? object.tag : object.number;
}

} // namespace

TQmRTFTextIo::TQmRTFTextIo()
    : m_insertion{FirstParagraph(), FirstParagraph()->firstLine(), 0}
{}

void TQmRTFTextIo::Clear()
{
    if (IsLoading())
        return;
    m_insertion = {};
    m_selection = {};
    TQmRTFText::Clear();
    TParagraph *first = FirstParagraph();
    m_insertion = {first, first->firstLine(), 0};
    CurrentAttr() = TAttr();
    first->spaceBefore = 0;
    first->spaceAfter = 0;
}

bool TQmRTFTextIo::IsEmpty() const
{
    const TParagraph *first = FirstParagraph();
    return !first->next() && first->isEmpty();
}

// Copying -----------------------------------------------------------------

void TQmRTFTextIo::Assign(const TQmRTFTextIo &source, int characterLimit)
{
    if (&source == this)
        return;
    Clear();
    copyHeader(source.Header());
    AppendParagraphs(source, true, characterLimit);
    TTextHeader &header = Header();
    if (m_layoutWidthOverride > 0) {
        header.layoutWidthPixels = m_layoutWidthOverride;
        header.layoutWidthTwips = qm::mulDiv(m_layoutWidthOverride, 1440, header.pixelsPerInchX);
    } else {
        header.layoutWidthPixels = header.textWidthPixels;
        header.layoutWidthTwips = header.pageWidth - header.leftMargin - header.rightMargin;
    }
    AfterReset();
}

void TQmRTFTextIo::copyHeader(const TTextHeader &source)
{
    TTextHeader &header = Header();
    header.reset();
    for (int i = 0; i < TTextHeader::FontCount; ++i) {
        if (!source.fonts[i].name.isEmpty())
            header.fonts[i] = source.fonts[i];
    }
    header.colors = source.colors;
    header.tabs = source.tabs;
    header.tabOrder = source.tabOrder;
    header.defaultTabKind = source.defaultTabKind;
    header.unit = source.unit;
    header.pageWidth = source.pageWidth;
    header.pageHeight = source.pageHeight;
    header.pageFlags = source.pageFlags;
    header.leftMargin = source.leftMargin;
    header.rightMargin = source.rightMargin;
    header.topMargin = source.topMargin;
    header.bottomMargin = source.bottomMargin;
    header.recalcTabPixels();
    header.recalcTextSize();
}

void TQmRTFTextIo::AppendParagraphs(const TQmRTFText &source, bool wholeCopy, int characterLimit)
{
    TParagraph *target = LastParagraph();
    if (!target->isEmpty() && !target->isTableCell())
        target = NewParagraph(target, CopyLineCapacity);
    int remaining = characterLimit;
    for (const TParagraph *from = source.FirstParagraph(); from; from = from->next()) {
        copyParagraph(source, *from, target, wholeCopy, remaining);
        if (from->next() && remaining > 0) {
            target = NewParagraph(target, CopyLineCapacity);
            target->flags &= ~TParagraphFormat::PageBreakBefore;
        }
    }
}

void TQmRTFTextIo::copyParagraph(const TQmRTFText &source, const TParagraph &from, TParagraph *&target, bool wholeCopy,
                                 int &remaining)
{
    TTextLine *line = GetLastLine(target);
    const int count = from.characterCount();
    const int wanted = line->length + (count > CopyLineCapacity ? CopyLineCapacity : count + 4);
    if (line->capacity() < wanted)
        ResizeLine(line, std::min(wanted, MaxLineCapacity));

    const bool omitAutomatic = !wholeCopy && m_writerOptions.omitAutomaticText;
    const bool omitInsertPoints = !wholeCopy && m_writerOptions.omitInsertPoints;
    quint32 special = TAttr::HyperlinkRecord | TAttr::Object;
    if (omitAutomatic)
        special |= TAttr::Automatic;
    if (omitInsertPoints)
        special |= TAttr::InsertPoint;
    for (const TTextLine *fromLine = from.firstLine(); fromLine && remaining > 0; fromLine = fromLine->next()) {
        const TAttr *attributes = fromLine->attributes();
        const int end = int(std::min<qint64>(fromLine->length, remaining));
        remaining -= end;
        for (int i = 0; i < end; ++i) {
            // Ordinary characters go over in one piece.
            int plain = i;
            while (plain < end && !(attributes && attributes[plain].has(special)))
                ++plain;
            if (plain > i) {
                line = AppendCharacters(target, line, fromLine->text() + i, attributes ? attributes + i : nullptr,
                                        source.CurrentAttr(), plain - i, CopyLineCapacity);
                i = plain - 1;
                continue;
            }
            const char16_t code = fromLine->text()[i];
            TAttr attr = attributes[i];
            if ((omitAutomatic && attr.has(TAttr::Automatic)) || (omitInsertPoints && attr.has(TAttr::InsertPoint)))
                continue;
            if (attr.has(TAttr::HyperlinkRecord)) {
                if (const THyperlinkRecord *record = source.FindHyperlinkRecord(attr.tag)) {
                    THyperlinkRecord &copy = NewHyperlinkRecord();
                    const quint16 key = copy.key;
                    copy = *record;
                    copy.key = key;
                    attr.tag = key;
                } else {
                    attr.flags &= ~quint32(TAttr::HyperlinkRecord);
                }
            }
            if (attr.has(TAttr::Object) && (code == 1 || code == 2)) {
                const int key = copyObject(source, code, attr);
                if (key < 0)
                    continue; // a placeholder without object shows nothing
                attr.tag = quint16(key);
            }
            line = AppendCharacter(target, line, code, attr, CopyLineCapacity);
        }
    }

    const bool pageBreak = target->flags & TParagraphFormat::PageBreakBefore;
    target->format() = from.format();
    if (from.isTableCell())
        target->spaceAfter = 0;
    if (pageBreak)
        target->flags |= TParagraphFormat::PageBreakBefore;
    target->markForLayout();
}

int TQmRTFTextIo::copyObject(const TQmRTFText &source, char16_t code, const TAttr &attr)
{
    const TTextObject *object = source.FindObjectFor(code, attr);
    if (!object)
        return -1;
    const bool linked = !object->fileName.isEmpty();
    const bool provided = !linked && object->graphic.isEmpty() && object->tag != 0 && code == 1;

    const TTextObject *existing = linked     ? FindObjectByFileName(object->fileName)
                                  : provided ? FindObjectByTag(object->tag)
                                             : nullptr;
    if (existing && keyOf(*existing, code) != 0)
        return keyOf(*existing, code);

    const quint16 tag = provided ? object->tag : code == 1 ? AutomaticTag : 0;
    TTextObject *copy = CreateObject(object->graphic.deepCopy(), tag);
    copy->width = object->width;
    copy->height = object->height;
    copy->provided = object->provided;
    copy->fileName = object->fileName;
    return keyOf(*copy, code);
}

// Loading -----------------------------------------------------------------

int TQmRTFTextIo::readWith(TQmTextReader &reader, QIODevice *stream)
{
    TParagraph *insertion = isIn(*this, m_insertion.paragraph) ? m_insertion.paragraph : nullptr;
    int result;
    {
        LoadingGuard loading(*this);
        result = reader.Read(stream, this, insertion);
    }
    TTextLine *line = GetLastLine(insertion);
    m_insertion = {insertion, line, line->length};
    return result;
}

int TQmRTFTextIo::LoadFromStream(QIODevice *stream)
{
    m_result = qm::result::Success;
    TQmLoadFormat format = m_loadFormat;
    try {
        if (m_readerOverride) {
            m_result = readWith(*m_readerOverride, stream);
            return format;
        }
        if (format != FormatRTF && format != FormatANSI && format != FormatHTML)
            format = qm::detectTextFormat(stream);
        if (format == FormatRTF) {
            TQmRtfReader reader;
            m_result = readWith(reader, stream);
        } else {
            // HTML is taken as the text it is.
            if (!stream->isSequential() && stream->size() - stream->pos() > PlainTextThreshold)
                SetMemoryFormat(fmPlainText);
            TQmTextReader reader;
            m_result = readWith(reader, stream);
        }
    } catch (const std::exception &) {
        m_result = qm::result::Failure;
    }
    MarkAllForLayout();
    return format;
}

void TQmRTFTextIo::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw QmError::cannotOpenFile(fileName, file.errorString());
    Clear();
    Header().lastLoadedFormat = LoadFromStream(&file);
}

// Saving ------------------------------------------------------------------

std::unique_ptr<TQmTextWriter> TQmRTFTextIo::chooseWriter() const
{
    TQmLoadFormat format;
    const int last = Header().lastLoadedFormat;
    if (m_saveFormat == FormatRTF || m_saveFormat == FormatANSI || m_saveFormat == FormatHTML)
        format = m_saveFormat;
    else if (last == FormatRTF || last == FormatANSI)
        format = TQmLoadFormat(last);
    else
        format = IsRich() ? FormatRTF : FormatANSI;
    if (format == FormatRTF && !m_forceRtf && IsEmpty())
        format = FormatANSI;
    // HTML is written as the plain text it holds.
    if (format == FormatRTF)
        return std::make_unique<TQmRTFWriter>();
    return std::make_unique<TQmTextWriter>();
}

int TQmRTFTextIo::writeDocument(QIODevice *stream, TQmTextWriter *writer, Scope scope) const
{
    if (!writer || !stream || IsLoading())
        return qm::result::Failure;
    if (scope == Scope::Selection)
        writer->Setup(*this, m_selection, m_writerOptions);
    else
        writer->SetupWholeDocument(*this, m_writerOptions);
    if (const int result = writer->WriteHeader(stream))
        return result;
    if (const int result = writer->WriteBody(stream))
        return result;
    return writer->WriteFooter(stream);
}

int TQmRTFTextIo::WriteDocument(QIODevice *stream, TQmTextWriter *writer)
{
    return m_result = writeDocument(stream, writer, Scope::WholeDocument);
}

int TQmRTFTextIo::save(QIODevice *stream, Scope scope)
{
    try {
        if (m_writerOverride) {
            m_result = writeDocument(stream, m_writerOverride, scope);
        } else {
            const std::unique_ptr<TQmTextWriter> writer = chooseWriter();
            m_result = writeDocument(stream, writer.get(), scope);
        }
    } catch (const std::exception &) {
        m_result = qm::result::Failure;
    }
    return m_result;
}

int TQmRTFTextIo::SaveToStream(QIODevice *stream)
{
    return save(stream, Scope::WholeDocument);
}

int TQmRTFTextIo::SaveSelectionToStream(QIODevice *stream)
{
    if (!m_selection.start.isValid())
        return m_result = qm::result::Success;
    return save(stream, Scope::Selection);
}

void TQmRTFTextIo::SaveToFile(const QString &fileName)
{
    const TQmLoadFormat saveFormat = m_saveFormat;
    const QString upper = fileName.toUpper();
    if (upper.contains(QLatin1String(".RTF")))
        m_saveFormat = FormatRTF;
    else if (upper.contains(QLatin1String(".HTM")))
        m_saveFormat = FormatHTML;
    struct Restore {
        TQmRTFTextIo &document;
        TQmLoadFormat format;
        ~Restore()
        {
            document.m_saveFormat = format;
            document.m_forceRtf = false;
        }
    } restore{*this, saveFormat};

    QSaveFile file(fileName);
    // Unbuffered, so that a write cut short by a full disk fails the writer
    // and the file is never committed truncated.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw QmError::cannotCreateFile(fileName, file.errorString());
    m_forceRtf = true;
    if (SaveToStream(&file) == qm::result::Success && file.commit())
        return;
    m_result = qm::result::Failure;
    // QSaveFile has left the old file, if any, as it was.
    throw QmError::cannotCreateFile(fileName, file.errorString());
}

// Calendar document payload -----------------------------------------------

QByteArray TQmRTFTextIo::writeDataProperty() const
{
    if (IsEmpty())
        return {};
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    // Writing into memory fails only while the document is being loaded;
    // a cut payload would be stored as the cell's text.
    if (writeDocument(&buffer, &writer, Scope::WholeDocument) != qm::result::Success)
        throw QmError(QStringLiteral("Stream write error"));
    data.append(4, '\0');
    return data;
}

void TQmRTFTextIo::readDataProperty(QByteArrayView data)
{
    Clear();
    QByteArray bytes = data.toByteArray();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TQmRtfReader reader;
    try {
        m_result = readWith(reader, &buffer);
    } catch (...) {
        Clear();
        throw;
    }
    MarkAllForLayout();
    AfterReset();
}
