#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <utility>

#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {

// A workspace and its renderer as the program starts them, a new document
// open. Both live on the heap: they are too large for a benchmark's stack.
// The windows' benchmarks set the scene up in their document session's own.
struct Scene {
    Scene() : ownWs_(std::make_unique<Workspace>()), ownR_(std::make_unique<Renderer>()) {
        start(*ownWs_, *ownR_);
    }
    Scene(Workspace& workspace, Renderer& renderer) { start(workspace, renderer); }
    BlazonRecord& doc() { return ws->CurrentBlazon; }

  private:
    std::unique_ptr<Workspace> ownWs_;
    std::unique_ptr<Renderer> ownR_;

    void start(Workspace& workspace, Renderer& renderer) {
        ws = &workspace;
        r = &renderer;
        InitTinctures(ws->Tinctures);
        InitSurfaces(*r);
        ResetDocument(*ws);
    }

  public:
    Workspace* ws = nullptr;
    Renderer* r = nullptr;
};

// The heaviest pieces, under the grid: a crenellated tiercé en bande with two
// furred parts, a furred champagne and three furred bends with heraldic edges.
inline void heavyPieces(Scene& scene) {
    BlazonRecord& b = scene.doc();
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
}

// A round figure in its own tincture's colour with a black ring and eye, on a
// transparent background: the picture (figure on black) and its mask, in bank
// slot `slot`.
inline void addRoundPicture(Scene& scene, int slot, int size, int own) {
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

// Fifty charges spread over the three layers (some mirrored, some hanging off
// the edge, one covering the whole shield), their layers prepared once as
// placing does, so redraws only stamp them.
inline void fiftyCharges(Scene& scene) {
    addRoundPicture(scene, 1, 40, 3);
    addRoundPicture(scene, 2, 120, 1);
    addRoundPicture(scene, 3, 24, 5);
    for (int n = 1; n <= kChargeCount; ++n) {
        ChargeRecord& c = scene.doc().Charges[n];
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
    ChargeRecord& big = scene.doc().Charges[kChargeCount];  // the whole shield, in layer 1 or 2
    big.X = big.Y = 0;
    big.Width = 265;
    big.Height = 340;
    big.Brochant = 0;
    RedrawShield(*scene.ws, *scene.r);
}

// A charge thrown off the canvas would leave the document: all fifty are put
// back before each redraw.
inline void keepCharges(Scene& scene) {
    for (int n = 1; n <= kChargeCount; ++n) scene.doc().Charges[n].InUse = kTrue;
}

// Whole redraws of the scene's document, as every edit pays them.
inline void runRedraws(benchmark::State& state, Scene& scene) {
    for (auto _ : state) {
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(scene.r->canvas.data());
    }
}

}  // namespace tess
