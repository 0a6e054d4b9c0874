// Opening and saving a calendar document whose 42 cells each hold three lines
// of formatted text: what the user waits for on Open and Save.
#include "calendar/CalendarModel.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Run {
    QByteArray text;
    int font; // 0 Arial, 1 Times New Roman
    quint8 size;
    quint32 flags;
    int color;
};

/// Three short paragraphs of runs in two fonts, sizes, colours and styles:
/// a day cell filled as far as it shows.
void fillCell(TQmRTFTextIo &text, int cell)
{
    const int fonts[] = {text.GetFontNr("Arial"), text.GetFontNr("Times New Roman")};
    const std::initializer_list<Run> lines[] = {
        {{"9:00 ", 0, 8, TAttr::Bold, 0}, {"Dentist", 1, 10, 0, 1}, {" (Dr. Lee)", 0, 8, TAttr::Italic, 0}},
        {{"Lunch with ", 1, 10, 0, 0}, {"Anna", 1, 12, TAttr::Bold, 4}, {" at the caf\xe9", 1, 10, TAttr::Italic, 0}},
        {{"Call ", 0, 8, 0, 0}, {"school", 0, 8, TAttr::Underline, 2}, {" #" + QByteArray::number(cell), 0, 8, 0, 9}},
    };
    TParagraph *paragraph = text.FirstParagraph();
    for (int line = 0; line < 3; ++line) {
        if (line > 0)
            paragraph = text.NewParagraph(paragraph, 60);
        TTextLine *target = text.GetLastLine(paragraph);
        for (const Run &run : lines[line]) {
            TAttr attr;
            attr.fontNumber = quint8(fonts[run.font]);
            attr.size = run.size;
            attr.flags = run.flags;
            attr.setTextColor(run.color);
            for (char character : run.text)
                target = text.AppendCharacter(paragraph, target, character, attr, 60);
        }
    }
}

void fillCells(CalendarModel &calendar)
{
    for (int cell = 1; cell <= qm::kCellCount; ++cell)
        fillCell(calendar.Cells(cell).RtfText(), cell);
}

void openDocument(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("filled.QMF"));
    CalendarModel calendar;
    fillCells(calendar);
    calendar.SaveCalendarToFile(path);
    for (auto _ : state) {
        calendar.ClearAllCells();
        calendar.LoadCalendarFromFile(path);
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

// On a disk, most of the time is the flush that makes the new file durable
// before it replaces the old one; on a memory file system it is the writing.
void saveDocument(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("filled.QMF"));
    CalendarModel calendar;
    fillCells(calendar);
    for (auto _ : state)
        calendar.SaveCalendarToFile(path);
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

// Saving without the file: the encoding alone, apart from the disk's flush.
void encodeDocument(benchmark::State &state)
{
    CalendarModel calendar;
    fillCells(calendar);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar.CalendarDocumentBytes());
}

BENCHMARK(openDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(saveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(encodeDocument)->Unit(benchmark::kMillisecond);

} // namespace
