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

}  // namespace
}  // namespace tess
