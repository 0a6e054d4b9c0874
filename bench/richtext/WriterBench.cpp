// Writing a large formatted document as RTF, as saving a calendar or copying
// to the clipboard does.
#include "FormattedDocument.h"

#include "richtext/QmRTFWriter.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

void writeRtf(benchmark::State &state)
{
    TQmRTFText document;
    qm::bench::fillFormattedDocument(document, state.range(0));
    QByteArray rtf;
    for (auto _ : state) {
        rtf.clear();
        QBuffer stream(&rtf);
        stream.open(QIODevice::WriteOnly);
        TQmRTFWriter writer;
        writer.SetupWholeDocument(document, {});
        writer.WriteHeader(&stream);
        writer.WriteBody(&stream);
        writer.WriteFooter(&stream);
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.SetLabel(QStringLiteral("%1 bytes of RTF").arg(rtf.size()).toStdString());
}

BENCHMARK(writeRtf)->Arg(10 * 1000 * 1000)->Unit(benchmark::kMillisecond);

} // namespace
