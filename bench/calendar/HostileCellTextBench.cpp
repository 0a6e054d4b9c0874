// Cell texts made to be slow: a table row of many cells that never ends, many
// linked pictures, and one word of many characters. Reading them, laying them
// out and painting what fits into a cell must grow linearly with their
// length: compare the times at 10,000 and 100,000 elements.
#include "richtext/QmRTFTextPaint.h"
#include "richtext/QmRtfReader.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QByteArray tableRowWithoutEnd(int cells)
{
    QByteArray rtf = "{\\rtf1\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl ";
    for (int i = 0; i < cells; ++i)
        rtf += "x\\cell ";
    return rtf + '}';
}

QByteArray linkedPictures(int count)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < count; ++i)
        rtf += "{\\*\\picfile\\picwgoal100\\pichgoal100 \"pictures/p" + QByteArray::number(i) + ".bmp\"}";
    return rtf + '}';
}

QByteArray oneLongWord(int characters)
{
    return "{\\rtf1 " + QByteArray(characters, 'w') + '}';
}

void readLayOutAndPaint(benchmark::State &state, QByteArray (*make)(int))
{
    QByteArray rtf = make(int(state.range(0)));
    QImage cell(120, 90, QImage::Format_RGB32);
    for (auto _ : state) {
        TQmRTFTextPaint document;
        QBuffer stream(&rtf);
        stream.open(QIODevice::ReadOnly);
        TParagraph *insertion = document.FirstParagraph();
        TQmRtfReader reader;
        if (reader.Read(&stream, &document, insertion) != 0)
            state.SkipWithError("the text did not read");
        QPainter painter(&cell);
        document.PaintLines(&painter, 0, TQmRTFTextPaint::pmPaint, 0, cell.height(), cell.width(), 0);
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(readLayOutAndPaint, tableRowCells, &tableRowWithoutEnd)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(readLayOutAndPaint, linkedPictures, &linkedPictures)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(readLayOutAndPaint, longWordCharacters, &oneLongWord)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
