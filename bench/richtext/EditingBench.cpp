// A keystroke in a long text: what the user waits for between two keys.
#include "FormattedDocument.h"

#include "richtext/QmRTFTextInput.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int LayoutWidthPixels = 600;

void typeAndDeleteAtTheEnd(benchmark::State &state)
{
    TQmRTFTextInput editor;
    qm::bench::fillFormattedDocument(editor, state.range(0));
    editor.SetLayoutWidth(LayoutWidthPixels);
    editor.UpdateLayout();
    editor.MoveCaret(TCaretMove::DocumentEnd, TSelectionMode::Collapse);
    // Typing continues the last undo step; each Backspace keeps a new one.
    for (auto _ : state) {
        editor.TypeCharacter(u'x');
        editor.TypeCharacter(TQmRTFTextInput::BackspaceCode);
    }
    state.SetLabel(QStringLiteral("%1 paragraphs").arg(editor.ParagraphCount()).toStdString());
}

BENCHMARK(typeAndDeleteAtTheEnd)->Arg(10 * 1000)->Arg(700 * 1000)->Unit(benchmark::kMillisecond);

} // namespace
