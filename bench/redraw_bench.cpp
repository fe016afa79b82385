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

}  // namespace
}  // namespace tess
