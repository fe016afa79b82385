// One full redraw of the shield, as every edit pays it.
#include "bench_scene.h"

namespace tess {
namespace {

void BM_RedrawPlainField(benchmark::State& state) {
    Scene scene;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawPlainField);

void BM_RedrawQuarteredWithTwoFursAndGrid(benchmark::State& state) {
    Scene scene;
    BlazonRecord& b = scene.doc();
    b.Partition = 14;  // Écartelé
    b.Parts[1] = {.Kind = 108, .Tincture = 108};
    b.Parts[2] = {.Kind = 33, .Tincture = 3};
    b.Parts[3] = {.Kind = 22, .Tincture = 1};
    b.Parts[4] = {.Kind = 110, .Tincture = 110};
    scene.ws->GridVisible = true;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawQuarteredWithTwoFursAndGrid);

void BM_RedrawBlackAndWhiteTierce(benchmark::State& state) {
    Scene scene;
    BlazonRecord& b = scene.doc();
    b.Partition = 18;  // Tiercé en bande
    b.ShieldShape = 6;
    b.Parts[1] = {.Kind = 33, .Tincture = 3};
    b.Parts[2] = {.Kind = 22, .Tincture = 1};
    b.Parts[3] = {.Kind = 33, .Tincture = 5};
    scene.ws->PrintBlackWhite = true;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawBlackAndWhiteTierce);

void BM_RedrawHeavyPieces(benchmark::State& state) {
    Scene scene;
    heavyPieces(scene);
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawHeavyPieces);

// The same after an edit of each piece and of the partition's lines, as when
// a fur or a line style is dropped on them: their pictures and the field's
// key map are drawn again, the charges' maps laid again.
void BM_RedrawHeavyPiecesEachEdited(benchmark::State& state) {
    Scene scene;
    heavyPieces(scene);
    BlazonRecord& b = scene.doc();
    int step = 0;
    for (auto _ : state) {
        const bool odd = ++step & 1;
        b.Parts[7].Kind = b.Parts[7].Tincture = odd ? 110 : 109;
        b.Parts[5].Kind = b.Parts[5].Tincture = odd ? 108 : 113;
        b.Parts[1].Line.LineKind = odd ? 11 : 13;
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(scene.r->canvas.data());
    }
}
BENCHMARK(BM_RedrawHeavyPiecesEachEdited);

}  // namespace
}  // namespace tess
