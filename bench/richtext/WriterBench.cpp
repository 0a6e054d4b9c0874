// Writing a large formatted document as RTF, as saving a calendar or copying
// to the clipboard does.
#include "FormattedDocument.h"

#include <benchmark/benchmark.h>

namespace {

void writeRtf(benchmark::State &state)
{
    TQmRTFText document;
    qm::bench::fillFormattedDocument(document, state.range(0));
    QByteArray rtf;
    for (auto _ : state)
        rtf = qm::bench::writeRtf(document);
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.SetLabel(QStringLiteral("%1 bytes of RTF").arg(rtf.size()).toStdString());
}

BENCHMARK(writeRtf)->Arg(10 * 1000 * 1000)->Unit(benchmark::kMillisecond);

} // namespace
