// Heraldic lines are drawn on every redraw (partition lines and the edges of
// the pieces), and the line-style sample on every change in its dialog.
#include <benchmark/benchmark.h>

#include "model/records.h"
#include "platform/surface.h"
#include "render/heraldic_line.h"
#include "render/line_sample.h"

namespace tess {
namespace {

constexpr Colour kLine = 0x808080u;

// A line of the kind given as argument (10 plain .. 17), the new document's
// 24 deep and 48 wide unless `style` says otherwise, across the region map.
void drawLines(benchmark::State& state, int x1, int y1, int x2, int y2, int direction,
               LineStyle style = {}) {
    Surface map(365, 440);
    style.LineKind = Long(state.range(0));
    for (auto _ : state) {
        DrawHeraldicLine(map, x1, y1, x2, y2, style, kLine, true, direction);
        benchmark::DoNotOptimize(map.data());
    }
}

void BM_HorizontalLineAcrossTheMap(benchmark::State& state) {
    drawLines(state, -5, 220, 370, 220, kLineHorizontal);
}
BENCHMARK(BM_HorizontalLineAcrossTheMap)->DenseRange(10, 17);

void BM_BendLineAcrossTheMap(benchmark::State& state) {
    drawLines(state, 50, 50, 315, 390, kLineBend);
}
BENCHMARK(BM_BendLineAcrossTheMap)->DenseRange(10, 17);

// The finest pattern the dialog allows runs the most periods.
void BM_FinestBendSinisterLine(benchmark::State& state) {
    drawLines(state, 315, 50, 50, 390, kLineBendSinister, {50, 5, 0, kTrue});
}
BENCHMARK(BM_FinestBendSinisterLine)->Arg(11)->Arg(13)->Arg(15);

void BM_LineSample(benchmark::State& state) {
    Surface preview(300, 120);
    LineStyle style;
    style.LineKind = Long(state.range(0));
    for (auto _ : state) {
        DrawLineSample(preview, style, 0x0000FFu, 60);
        benchmark::DoNotOptimize(preview.data());
    }
}
BENCHMARK(BM_LineSample)->DenseRange(10, 17);

}  // namespace
}  // namespace tess
