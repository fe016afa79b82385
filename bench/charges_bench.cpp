// The heaviest redraw: a busy field with both pieces and fifty charges spread
// over the three layers (some mirrored, some hanging off the edge, one covering
// the whole shield).
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/charge_recolouring.h"
#include "render/charge_steps.h"
#include "render/redraw_shield.h"
#include "render/renderer.h"

namespace tess {
namespace {

// A round figure in its own tincture's colour with a black ring and eye, on a
// transparent background: the picture (figure on black) and its mask.
void addPicture(Workspace& ws, Renderer& r, int slot, int size, int own) {
    Surface picture(size, size, kBlack), mask(size, size, kWhite);
    const double c = (size - 1) / 2.0, radius = size / 2.0 - 1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - c, y - c);
            if (d > radius) continue;
            mask.setPixel(x, y, kBlack);
            const bool line = d > radius - 2 || d < radius / 5;
            picture.setPixel(x, y, line ? kBlack : Colour(ws.Tinctures[own].Colour));
        }
    ImageBankEntry& e = ws.Bank[slot];
    e.InUse = kTrue;
    e.OwnTincture = own;
    e.Width = Integer(size);
    e.Height = Integer(size);
    r.Charges.setBankPicture(slot, std::move(picture), std::move(mask));
}

void heavyField(BlazonRecord& b) {
    b.Partition = 18;                                              // tiercé en bande
    b.Parts[1].Line = {.Depth = 16, .Width = 32, .LineKind = 13};  // crénelé
    b.Parts[1].Kind = 108;
    b.Parts[1].Tincture = 108;
    b.Parts[2].Kind = 33;
    b.Parts[2].Tincture = 3;
    b.Parts[3].Kind = 110;
    b.Parts[3].Tincture = 110;
    b.Ordinary2.Present = kTrue;
    b.Ordinary2.Type = 12;  // champagne
    b.Parts[5].Kind = 112;
    b.Parts[5].Tincture = 112;
    b.Ordinary1.Present = kTrue;
    b.Ordinary1.Type = 4;  // bande
    b.Ordinary1.Repeat = 2;
    b.Parts[7].Kind = 114;
    b.Parts[7].Tincture = 114;
    b.Parts[7].Line = {.Depth = 12, .Width = 24, .LineKind = 11};
}

struct Scene {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    std::unique_ptr<Renderer> r = std::make_unique<Renderer>();
    Scene() {
        InitTinctures(ws->Tinctures);
        InitSurfaces(*r);
        ResetDocument(*ws);
        heavyField(ws->CurrentBlazon);
        ws->GridVisible = true;
        addPicture(*ws, *r, 1, 40, 3);
        addPicture(*ws, *r, 2, 120, 1);
        addPicture(*ws, *r, 3, 24, 5);
        for (int n = 1; n <= kChargeCount; ++n) {
            ChargeRecord& c = ws->CurrentBlazon.Charges[n];
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
        ChargeRecord& big = ws->CurrentBlazon.Charges[kChargeCount];
        big.X = 0;
        big.Y = 0;
        big.Width = 265;
        big.Height = 340;
        big.Brochant = 0;
        // Layers prepared once, as placing does; redraws only stamp them.
        RedrawShield(*ws, *r);
    }
};

void BM_RedrawHeavyWithFiftyCharges(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        // A charge thrown off the canvas would leave the document: keep them.
        for (int n = 1; n <= kChargeCount; ++n) scene.ws->CurrentBlazon.Charges[n].InUse = kTrue;
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(scene.r->Picture1.data());
    }
}
BENCHMARK(BM_RedrawHeavyWithFiftyCharges);

// The same field without charges, to see what the charges add.
void BM_RedrawHeavyWithoutCharges(benchmark::State& state) {
    Scene scene;
    for (int n = 1; n <= kChargeCount; ++n) scene.ws->CurrentBlazon.Charges[n].InUse = 0;
    for (auto _ : state) {
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RedrawHeavyWithoutCharges);

// The charges' own share: placing them and drawing the three layers.
void BM_ClassifyAndDrawFiftyCharges(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        for (int n = 1; n <= kChargeCount; ++n) scene.ws->CurrentBlazon.Charges[n].InUse = kTrue;
        ClassifyCharges(*scene.ws, *scene.r);
        for (int layer = 1; layer <= 3; ++layer) DrawChargesLayer(*scene.ws, *scene.r, layer);
        benchmark::DoNotOptimize(scene.r->Picture1.data());
    }
}
BENCHMARK(BM_ClassifyAndDrawFiftyCharges);

void BM_DrawFiftyChargesInThreeLayers(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        for (int n = 1; n <= kChargeCount; ++n) scene.ws->CurrentBlazon.Charges[n].InUse = kTrue;
        for (int layer = 1; layer <= 3; ++layer) DrawChargesLayer(*scene.ws, *scene.r, layer);
        benchmark::DoNotOptimize(scene.r->Picture1.data());
    }
}
BENCHMARK(BM_DrawFiftyChargesInThreeLayers);

// One charge prepared afresh (after an undo, a new picture in its slot).
void BM_PrepareChargeLayers(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) PrepareChargeLayers(*scene.ws, scene.r->Charges, 2);
}
BENCHMARK(BM_PrepareChargeLayers);

void BM_RetintCharge(benchmark::State& state) {
    Scene scene;
    int t = 1;
    for (auto _ : state) RetintCharge(*scene.ws, scene.r->Charges, 2, t = t % 11 + 1);
}
BENCHMARK(BM_RetintCharge);

}  // namespace
}  // namespace tess
