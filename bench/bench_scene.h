#pragma once

#include <benchmark/benchmark.h>

#include <memory>

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

// Whole redraws of the scene's document, as every edit pays them.
inline void runRedraws(benchmark::State& state, Scene& scene) {
    for (auto _ : state) {
        RedrawResult result = RedrawShield(*scene.ws, *scene.r);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(scene.r->canvas.data());
    }
}

}  // namespace tess
