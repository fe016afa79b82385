// The heaviest redraw: the heaviest pieces and fifty charges spread over the
// three layers (some mirrored, some hanging off the edge, one covering the
// whole shield).
#include "bench_scene.h"
#include "model/document_rules.h"
#include "render/charge_recolouring.h"
#include "render/charge_steps.h"

namespace tess {
namespace {

struct ChargedScene : Scene {
    ChargedScene() {
        heavyPieces(*this);
        fiftyCharges(*this);
    }
    void keepCharges() { tess::keepCharges(*this); }
};

void BM_RedrawHeavyWithFiftyCharges(benchmark::State& state) {
    ChargedScene scene;
    for (auto _ : state) {
        scene.keepCharges();
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(scene.r->canvas.data());
    }
}
BENCHMARK(BM_RedrawHeavyWithFiftyCharges);

// The charges' own share: drawing the three layers, after placing the
// charges on the parts or not.
void BM_DrawFiftyChargesInThreeLayers(benchmark::State& state) {
    ChargedScene scene;
    const bool classify = state.range(0) != 0;
    for (auto _ : state) {
        scene.keepCharges();
        if (classify)
            GiveChargesTheirPlacements(*scene.ws, FindChargePlacements(*scene.ws, *scene.r));
        for (int layer = 1; layer <= 3; ++layer) DrawChargesLayer(*scene.ws, *scene.r, layer);
        benchmark::DoNotOptimize(scene.r->canvas.data());
    }
}
BENCHMARK(BM_DrawFiftyChargesInThreeLayers)->ArgName("classify")->Arg(0)->Arg(1);

// One charge prepared afresh (after an undo, a new picture in its slot).
void BM_PrepareChargeLayers(benchmark::State& state) {
    ChargedScene scene;
    for (auto _ : state) PrepareChargeLayers(*scene.ws, scene.r->Charges, 2);
}
BENCHMARK(BM_PrepareChargeLayers);

void BM_RetintCharge(benchmark::State& state) {
    ChargedScene scene;
    int t = 1;
    for (auto _ : state) RetintCharge(*scene.ws, scene.r->Charges, 2, t = t % 11 + 1);
}
BENCHMARK(BM_RetintCharge);

}  // namespace
}  // namespace tess
