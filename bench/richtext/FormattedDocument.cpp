#include "FormattedDocument.h"

#include "richtext/QmRTFWriter.h"

#include <QBuffer>

#include <array>

namespace qm::bench {
namespace {

/// A small generator of its own, so that the document is the same on every platform.
class Sequence
{
public:
    int next(int bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return int((m_state >> 33) % quint64(bound));
    }

private:
    quint64 m_state = 20260331;
};

const std::array<const char *, 16> Words = {"calendar", "meeting", "birthday", "holiday", "the",   "and",
                                            "review",   "dentist", "school",   "garden",  "lunch", "with",
                                            "Monday",   "Anna",    "project",  "caf\xE9"};

} // namespace

void fillFormattedDocument(TQmRTFText &document, qint64 rtfBytes)
{
    const int fonts[] = {document.GetFontNr("Arial"), document.GetFontNr("Times New Roman"),
                         document.GetFontNr("Courier New"), document.GetFontNr("Verdana")};
    const quint8 sizes[] = {8, 10, 12, 14, 18};
    constexpr int HeaderBytes = 1000;
    constexpr int RunOverhead = 20; // "\plain\f1\fs24\cf3\b " on average

    Sequence random;
    qint64 written = HeaderBytes;
    TParagraph *paragraph = document.FirstParagraph();
    while (written < rtfBytes) {
        paragraph->alignment = quint8(random.next(4) == 0 ? random.next(4) : 0);
        paragraph->leftIndent = random.next(5) == 0 ? 360 * random.next(4) : 0;
        paragraph->firstIndent = paragraph->leftIndent;
        TTextLine *line = document.GetLastLine(paragraph);
        const int runs = 3 + random.next(10);
        for (int run = 0; run < runs; ++run) {
            TAttr attr;
            attr.fontNumber = quint8(fonts[random.next(4)]);
            attr.size = sizes[random.next(5)];
            attr.setTextColor(random.next(15));
            attr.setFlag(TAttr::Bold, random.next(3) == 0);
            attr.setFlag(TAttr::Italic, random.next(4) == 0);
            const int words = 1 + random.next(8);
            for (int word = 0; word < words; ++word) {
                const QByteArray text = QByteArray(Words[random.next(int(Words.size()))]) + ' ';
                for (char character : text) {
                    TTextLine *target =
                        document.AppendCharacter(paragraph, line, char16_t(quint8(character)), attr, 60);
                    if (target != line)
                        written += RunOverhead; // every line starts a run of its own
                    line = target;
                }
                written += text.size() + (text.contains('\xE9') ? 3 : 0); // "\'e9"
            }
            written += RunOverhead;
        }
        document.ShrinkLines(paragraph);
        written += 8; // "\par" and its line end
        if (written < rtfBytes)
            paragraph = document.NewParagraph(paragraph, 60);
    }
}

QByteArray writeRtf(const TQmRTFText &document)
{
    QByteArray rtf;
    QBuffer stream(&rtf);
    stream.open(QIODevice::WriteOnly);
    TQmRTFWriter writer;
    writer.SetupWholeDocument(document, {});
    if (writer.WriteHeader(&stream) != 0 || writer.WriteBody(&stream) != 0 || writer.WriteFooter(&stream) != 0)
        return {};
    return rtf;
}

QByteArray formattedDocumentRtf(qint64 rtfBytes)
{
    TQmRTFText document;
    fillFormattedDocument(document, rtfBytes);
    return writeRtf(document);
}

} // namespace qm::bench
