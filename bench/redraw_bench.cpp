// One full redraw of the shield, as every edit pays it.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/redraw_shield.h"
#include "render/renderer.h"

namespace tess {
namespace {

struct Scene {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    std::unique_ptr<Renderer> r = std::make_unique<Renderer>();
    Scene() {
        InitTinctures(ws->Tinctures);
        InitSurfaces(*r);
        ResetDocument(*ws);
    }
};

void runRedraws(benchmark::State& state, Scene& scene) {
    for (auto _ : state) {
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(scene.r->Picture1.data());
    }
}

void BM_RedrawPlainField(benchmark::State& state) {
    Scene scene;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawPlainField);

void BM_RedrawQuarteredWithTwoFursAndGrid(benchmark::State& state) {
    Scene scene;
    BlazonRecord& b = scene.ws->CurrentBlazon;
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
    BlazonRecord& b = scene.ws->CurrentBlazon;
    b.Partition = 18;  // Tiercé en bande
    b.ShieldShape = 6;
    b.Parts[1] = {.Kind = 33, .Tincture = 3};
    b.Parts[2] = {.Kind = 22, .Tincture = 1};
    b.Parts[3] = {.Kind = 33, .Tincture = 5};
    scene.ws->PrintBlackWhite = true;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawBlackAndWhiteTierce);

// The heaviest pieces: a crenellated tiercé with two furred parts, a furred
// champagne and three furred bends with heraldic edges, under the grid.
void BM_RedrawHeavyPieces(benchmark::State& state) {
    Scene scene;
    BlazonRecord& b = scene.ws->CurrentBlazon;
    b.Partition = 18;  // Tiercé en bande
    b.Parts[1].Kind = b.Parts[1].Tincture = 108;
    b.Parts[2].Kind = 33;
    b.Parts[2].Tincture = 3;
    b.Parts[3].Kind = b.Parts[3].Tincture = 110;
    b.Parts[1].Line.LineKind = 13;  // crénelé
    b.Ordinary2.Present = kTrue;
    b.Ordinary2.Type = 12;  // champagne
    b.Parts[5].Kind = b.Parts[5].Tincture = 113;
    b.Parts[5].Line.LineKind = 11;
    b.Ordinary1.Present = kTrue;
    b.Ordinary1.Type = 4;  // bande
    b.Ordinary1.Repeat = 2;
    b.Parts[7].Kind = b.Parts[7].Tincture = 109;
    b.Parts[7].Line.LineKind = 13;
    scene.ws->GridVisible = true;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawHeavyPieces);

}  // namespace
}  // namespace tess
