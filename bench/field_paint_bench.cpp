// The field painted from its part key map, alone: the step every redraw pays
// over the whole canvas before any piece or charge.
#include "bench_scene.h"
#include "render/field_paint.h"

namespace tess {
namespace {

void runFieldPaints(benchmark::State& state, Scene& scene) {
    RedrawShield(*scene.ws, *scene.r);  // the part key map to paint from
    for (auto _ : state) {
        PaintField(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(scene.r->canvas.data());
    }
}

void BM_PaintPlainField(benchmark::State& state) {
    Scene scene;
    runFieldPaints(state, scene);
}
BENCHMARK(BM_PaintPlainField);

void BM_PaintQuarteredWithTwoFurs(benchmark::State& state) {
    Scene scene;
    BlazonRecord& b = scene.doc();
    b.Partition = 14;  // Écartelé
    b.Parts[1] = {.Kind = 108, .Tincture = 108};
    b.Parts[2] = {.Kind = 33, .Tincture = 3};
    b.Parts[3] = {.Kind = 22, .Tincture = 1};
    b.Parts[4] = {.Kind = 110, .Tincture = 110};
    runFieldPaints(state, scene);
}
BENCHMARK(BM_PaintQuarteredWithTwoFurs);

void BM_PaintBlackAndWhiteTierce(benchmark::State& state) {
    Scene scene;
    BlazonRecord& b = scene.doc();
    b.Partition = 18;  // Tiercé en bande
    b.Parts[1] = {.Kind = 33, .Tincture = 3};
    b.Parts[2] = {.Kind = 22, .Tincture = 1};
    b.Parts[3] = {.Kind = 33, .Tincture = 5};
    scene.ws->PrintBlackWhite = true;
    runFieldPaints(state, scene);
}
BENCHMARK(BM_PaintBlackAndWhiteTierce);

}  // namespace
}  // namespace tess
