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
