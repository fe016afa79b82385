// A fur laid on the first-order piece: whole-surface work of 465 x 540 pixels,
// paid by every redraw whose piece bears a fur.
#include <benchmark/benchmark.h>

#include "render/fur_patterns.h"
#include "render/renderer.h"
#include "storage/user_fur_tile.h"

namespace tess {
namespace {

void BM_FurOnPiece(benchmark::State& state, Long fur) {
    Renderer r;
    InitSurfaces(r);
    Surface tile(kCanvasWidth, kCanvasHeight, 0);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) tile.row(y)[x] = (x / 9 + y / 7) % 2 ? 0xFF0000 : 0;
    r.UserFurPictures[1] = tile;
    Surface shape(kBigWidth, kBigHeight, kWhite);
    shape.fillRect(150, 100, 315, 440, Brush::solid(kBlack));
    Surface dest(kBigWidth, kBigHeight, kBlack);
    for (auto _ : state) {
        FillOrdinaryWithFur(r, dest, shape, fur);
        benchmark::DoNotOptimize(dest.data());
    }
    state.counters["pixels/s"] = benchmark::Counter(double(kBigWidth) * kBigHeight,
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK_CAPTURE(BM_FurOnPiece, BuiltIn, 110);
BENCHMARK_CAPTURE(BM_FurOnPiece, UserFur, 117);

// A user fur's tile laid over the shield area, as each opening of a document
// and each fur change pays it; the smallest tile a document may ask for is
// the dearest to lay.
void BM_TileUserFur(benchmark::State& state) {
    const int side = int(state.range(0));
    Surface tile(side, side, 0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) tile.row(y)[x] = Colour((x + y) % 3 * 0x400000);
    for (auto _ : state) {
        Surface area = tileUserFur(tile, 37);
        benchmark::DoNotOptimize(area.data());
    }
}
BENCHMARK(BM_TileUserFur)->Arg(5)->Arg(32)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
