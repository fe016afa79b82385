// The line-style window redraws its sample on every move of a scroll bar, so
// one update must stay well under a frame (the aim: below 1 ms). The arcs of
// nébulé and engrelé at the least width are the most drawing per sample.
#include <benchmark/benchmark.h>

#include "dialogs/line_style_preview.h"
#include "model/line_kinds.h"
#include "platform/qimage_bridge.h"

namespace tess {
namespace {

// One change as the window makes it: the rules, the sample, the picture shown.
void BM_LineSampleUpdate(benchmark::State& state) {
    LineStylePreview preview;
    preview.start(LineStyle{.Depth = 50, .Width = 10, .LineKind = Long(state.range(0))}, 0);
    Surface sample(LineStylePreview::kSampleWidth, LineStylePreview::kSampleHeight, kBlack);
    for (auto _ : state) {
        preview.update(sample);
        benchmark::DoNotOptimize(toQImage(sample).constBits());
    }
}
BENCHMARK(BM_LineSampleUpdate)
    ->DenseRange(kLinePlain, kLineBastille)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
