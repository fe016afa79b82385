// Arranging a charge: the layout engine as the preview runs it, and the
// applying of the largest arrangement through to the redrawn shield.
#include <cmath>

#include "actions/charge_arrangement.h"
#include "bench_scene.h"
#include "model/motif_layout.h"
#include "render/charge_recolouring.h"
#include "render/motif_drawing.h"

namespace tess {
namespace {

// The largest arrangement: a cross with five extras per branch, 25 copies.
MotifLayout largest() {
    MotifLayout l;
    l.Pattern = MotifPattern::Croix;
    l.ExtraPerBranch = kMaxExtraPerBranch;
    l.CopyX[0] = 132;
    l.CopyY[0] = 170;
    l.AreaSize = 200;
    return l;
}

// A 40 x 40 round Gueules figure with a black ring, held as charge 1.
struct ArrangedScene : Scene {
    ArrangedScene() {
        heavyPieces(*this);
        Surface picture(40, 40, kBlack), mask(40, 40, kWhite);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const double d = std::hypot(x - 19.5, y - 19.5);
                if (d > 19) continue;
                mask.setPixel(x, y, kBlack);
                picture.setPixel(x, y, d > 17 ? kBlack : Colour(ws->Tinctures[3].Colour));
            }
        ImageBankEntry& e = ws->Bank[1];
        e.InUse = kTrue;
        e.OwnTincture = 3;
        e.Width = e.Height = 40;
        r->Charges.setBankPicture(1, std::move(picture), std::move(mask));
        ChargeRecord& c = doc().Charges[1];
        c = ChargeRecord{.InUse = kTrue,
                         .X = 100,
                         .Y = 100,
                         .Width = 30,
                         .Height = 30,
                         .ImageIndex = 1,
                         .Tincture = 3};
        PrepareChargeLayers(*ws, r->Charges, 1);
        RedrawShield(*ws, *r);
    }
};

// The preview's engine call: layout, inverted guide and 25 half-size copies.
void BM_LayoutLargestArrangement(benchmark::State& state) {
    ArrangedScene scene;
    Surface preview(132, 170, kWhite);
    MotifLayout layout = largest();
    for (auto _ : state) {
        LayoutChargeMotif(*scene.ws, scene.r->Charges, preview, layout, 1, true, 2);
        benchmark::DoNotOptimize(preview.data());
    }
}
BENCHMARK(BM_LayoutLargestArrangement)->Unit(benchmark::kMicrosecond);

// Applying it: 24 copies with their own layers, the group, the undo step and
// the redraw of the heavy shield. Each round is undone outside the timing.
void BM_ApplyLargestArrangement(benchmark::State& state) {
    ArrangedScene scene;
    MotifLayout layout = largest();
    ComputeMotifLayout(layout);
    for (auto _ : state) {
        auto result = ApplyMotif(*scene.ws, *scene.r, {1, 30, 30}, layout, [] { return false; });
        benchmark::DoNotOptimize(result);
        state.PauseTiming();
        UndoLast(*scene.ws);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyLargestArrangement)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
