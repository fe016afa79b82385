// The heaviest redraw: the heaviest pieces and fifty charges spread over the
// three layers (some mirrored, some hanging off the edge, one covering the
// whole shield).
#include <cmath>

#include "bench_scene.h"
#include "model/document_rules.h"
#include "render/charge_recolouring.h"
#include "render/charge_steps.h"

namespace tess {
namespace {

// A round figure in its own tincture's colour with a black ring and eye, on a
// transparent background: the picture (figure on black) and its mask.
void addPicture(Scene& scene, int slot, int size, int own) {
    Surface picture(size, size, kBlack), mask(size, size, kWhite);
    const double c = (size - 1) / 2.0, radius = size / 2.0 - 1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - c, y - c);
            if (d > radius) continue;
            mask.setPixel(x, y, kBlack);
            const bool line = d > radius - 2 || d < radius / 5;
            picture.setPixel(x, y, line ? kBlack : Colour(scene.ws->Tinctures[own].Colour));
        }
    ImageBankEntry& e = scene.ws->Bank[slot];
    e.InUse = kTrue;
    e.OwnTincture = own;
    e.Width = Integer(size);
    e.Height = Integer(size);
    scene.r->Charges.setBankPicture(slot, std::move(picture), std::move(mask));
}

struct ChargedScene : Scene {
    ChargedScene() {
        heavyPieces(*this);
        addPicture(*this, 1, 40, 3);
        addPicture(*this, 2, 120, 1);
        addPicture(*this, 3, 24, 5);
        for (int n = 1; n <= kChargeCount; ++n) {
            ChargeRecord& c = doc().Charges[n];
            c.InUse = kTrue;
            c.ImageIndex = Integer(1 + n % 3);
            c.Tincture = 1 + n % 11;
            c.Width = Integer(20 + (n * 7) % 45);
            c.Height = Integer(c.Width + n % 9);
            c.X = Integer(-20 + (n * 37) % 270);  // some hang off either side
            c.Y = Integer(-15 + (n * 53) % 350);
            c.Mirrored = n % 4 == 0 ? kTrue : 0;
            c.Brochant = n % 5 == 0 ? kTrue : 0;  // layer 3 whatever the pieces
        }
        ChargeRecord& big = doc().Charges[kChargeCount];  // the whole shield, in layer 1 or 2
        big.X = big.Y = 0;
        big.Width = 265;
        big.Height = 340;
        big.Brochant = 0;
        // Layers prepared once, as placing does; redraws only stamp them.
        RedrawShield(*ws, *r);
    }
    // A charge thrown off the canvas would leave the document: keep them all.
    void keepCharges() {
        for (int n = 1; n <= kChargeCount; ++n) doc().Charges[n].InUse = kTrue;
    }
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
