// Speed of the raster layer on the work canvas size (465 x 540).
#include <benchmark/benchmark.h>

#include "platform/surface.h"

namespace tess {
namespace {

constexpr int kWidth = 465, kHeight = 540;

// The whole surface is one region: every pixel is searched and painted.
void FloodWholeSurface(benchmark::State& state) {
    Surface s(kWidth, kHeight, kWhite);
    Colour colours[2] = {0x0000FF, kWhite};
    int turn = 0;
    for (auto _ : state) {
        s.floodSurface(kWidth / 2, kHeight / 2, Brush::solid(colours[turn]));
        turn ^= 1;
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["pixels/s"] = benchmark::Counter(double(state.iterations()) * kWidth * kHeight,
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(FloodWholeSurface);

// A field cut by lines into parts, as the region maps are: several floods
// whose regions together cover the surface.
void FloodPartitionedSurface(benchmark::State& state) {
    Surface base(kWidth, kHeight, kWhite);
    base.line(0, 270, kWidth, 270, 0x808080);
    base.line(232, 0, 232, kHeight, 0x808080);
    base.line(0, 0, kWidth, kHeight, 0x808080);
    for (auto _ : state) {
        Surface s = base;
        s.floodSurface(10, 200, Brush::solid(0x0000FF));
        s.floodSurface(400, 10, Brush::solid(0x00FF00));
        s.floodSurface(10, 500, Brush::solid(0xFF0000));
        s.floodSurface(400, 500, Brush::solid(0x00FFFF));
        s.floodSurface(100, 10, Brush::solid(0xFF00FF));
        s.floodSurface(400, 300, Brush::solid(0xFFFF00));
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["pixels/s"] = benchmark::Counter(double(state.iterations()) * kWidth * kHeight,
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(FloodPartitionedSurface);

// A field cut into small cells (a chequy, a fur's spots): many small floods,
// where what a flood costs before its first pixel counts most.
void FloodSmallCells(benchmark::State& state) {
    constexpr int kCell = 24;
    Surface s(kWidth, kHeight, kWhite);
    for (int x = kCell; x < kWidth; x += kCell) s.line(x, 0, x, kHeight, kBlack);
    for (int y = kCell; y < kHeight; y += kCell) s.line(0, y, kWidth, y, kBlack);
    Colour colours[2] = {0x0000FF, kWhite};
    int turn = 0, floods = 0;
    for (auto _ : state) {
        for (int y = 1; y < kHeight; y += kCell)
            for (int x = 1; x < kWidth; x += kCell, ++floods)
                s.floodSurface(x, y, Brush::solid(colours[turn]));
        turn ^= 1;
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["floods/s"] = benchmark::Counter(double(floods), benchmark::Counter::kIsRate);
}
BENCHMARK(FloodSmallCells);

// A hatch over the whole surface, found in border mode: the brushes that are
// not one colour go through the pattern painter. Its red lines stay inside
// the region, so every round searches the whole surface again.
void FloodBorderWithHatch(benchmark::State& state) {
    Surface s(kWidth, kHeight, kWhite);
    s.rectangle(0, 0, kWidth, kHeight, kBlack, Brush::hollow());
    for (auto _ : state) {
        s.floodBorder(kWidth / 2, kHeight / 2, kBlack,
                      Brush::hatched(HatchStyle::DiagonalCross, 0x0000FF));
        benchmark::DoNotOptimize(s.data());
    }
    state.counters["pixels/s"] = benchmark::Counter(double(state.iterations()) * kWidth * kHeight,
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(FloodBorderWithHatch);

// A charge laid by its mask and picture, stretched and mirrored.
void StampMaskAndPicture(benchmark::State& state) {
    const int w = 120, h = 140;
    Surface mask(w, h, kWhite), figure(w, h, kBlack);
    for (int y = 10; y < h - 10; ++y)
        for (int x = 10 + y % 7; x < w - 10; ++x) {
            mask.row(y)[x] = kBlack;
            figure.row(y)[x] = 0x20A0F0;
        }
    Surface canvas(kWidth, kHeight, 0x808080);
    for (auto _ : state) {
        StretchBlt(canvas, 300, 100, -180, 210, mask, 0, 0, w, h, RasterOp::And);
        StretchBlt(canvas, 300, 100, -180, 210, figure, 0, 0, w, h, RasterOp::Xor);
        benchmark::DoNotOptimize(canvas.data());
    }
    state.counters["pixels/s"] =
        benchmark::Counter(double(state.iterations()) * 180 * 210, benchmark::Counter::kIsRate);
}
BENCHMARK(StampMaskAndPicture);

}  // namespace
}  // namespace tess
