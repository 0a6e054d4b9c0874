// Copying a cell's document, as every cell click, cell save and cell paint does.
#include "FormattedDocument.h"

#include "richtext/QmRTFTextIo.h"

#include <benchmark/benchmark.h>

namespace {

void assignDocument(benchmark::State &state)
{
    TQmRTFTextIo source;
    qm::bench::fillFormattedDocument(source, state.range(0));
    TQmRTFTextIo target;
    for (auto _ : state)
        target.Assign(source);
    state.SetLabel(QStringLiteral("%1 paragraphs").arg(source.ParagraphCount()).toStdString());
}

BENCHMARK(assignDocument)->Arg(1000 * 1000)->Unit(benchmark::kMillisecond);

} // namespace
