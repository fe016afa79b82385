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

// Argument: the line kind, 10 (plain) to 17.
LineStyle styleOf(const benchmark::State& state) {
    LineStyle style;
    style.LineKind = Long(state.range(0));
    return style;  // the new document's 24 deep, 48 wide
}

void BM_HorizontalLineAcrossTheMap(benchmark::State& state) {
    Surface map(365, 440);
    const LineStyle style = styleOf(state);
    for (auto _ : state) {
        DrawHeraldicLine(map, -5, 220, 370, 220, style, kLine, true, kLineHorizontal);
        benchmark::DoNotOptimize(map.data());
    }
}
BENCHMARK(BM_HorizontalLineAcrossTheMap)->DenseRange(10, 17);

void BM_BendLineAcrossTheMap(benchmark::State& state) {
    Surface map(365, 440);
    const LineStyle style = styleOf(state);
    for (auto _ : state) {
        DrawHeraldicLine(map, 50, 50, 315, 390, style, kLine, true, kLineBend);
        benchmark::DoNotOptimize(map.data());
    }
}
BENCHMARK(BM_BendLineAcrossTheMap)->DenseRange(10, 17);

// The finest pattern the dialog allows runs the most periods.
void BM_FinestBendSinisterLine(benchmark::State& state) {
    Surface map(365, 440);
    const LineStyle style{50, 5, Long(state.range(0)), kTrue};
    for (auto _ : state) {
        DrawHeraldicLine(map, 315, 50, 50, 390, style, kLine, true, kLineBendSinister);
        benchmark::DoNotOptimize(map.data());
    }
}
BENCHMARK(BM_FinestBendSinisterLine)->Arg(11)->Arg(13)->Arg(15);

void BM_LineSample(benchmark::State& state) {
    Surface preview(300, 120);
    LineStyle style = styleOf(state);
    for (auto _ : state) {
        DrawLineSample(preview, style, 0x0000FFu, 60);
        benchmark::DoNotOptimize(preview.data());
    }
}
BENCHMARK(BM_LineSample)->DenseRange(10, 17);

}  // namespace
}  // namespace tess
