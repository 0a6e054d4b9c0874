// Reading a large formatted RTF document, as opening a calendar, loading a
// rich-text file or pasting does.
#include "FormattedDocument.h"

#include "richtext/QmRtfReader.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void readRtf(benchmark::State &state)
{
    QByteArray rtf = qm::bench::formattedDocumentRtf(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<TQmRTFText>();
        QBuffer stream(&rtf);
        stream.open(QIODevice::ReadOnly);
        TParagraph *insertion = document->FirstParagraph();
        TQmRtfReader reader;
        state.ResumeTiming();

        if (reader.Read(&stream, document.get(), insertion) != 0)
            state.SkipWithError("the document did not read");

        state.PauseTiming();
        document.reset(); // freeing the document is not reading
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.SetLabel(QStringLiteral("%1 bytes of RTF").arg(rtf.size()).toStdString());
}

BENCHMARK(readRtf)->Arg(10 * 1000 * 1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
