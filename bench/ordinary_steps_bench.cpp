// The pieces' share of the heavy redraw, step by step: the two pieces' pictures
// and their laying onto the canvas and the key maps, on the document of
// BM_RedrawHeavyPieces (three furred bends with crenellated edges, a furred
// champagne with an indented edge).
#include <benchmark/benchmark.h>

#include <memory>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/ordinary_laying.h"
#include "render/ordinary_pictures.h"
#include "render/ordinary_steps.h"
#include "render/redraw_shield.h"
#include "render/renderer.h"

namespace tess {
namespace {

struct HeavyPieces {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    std::unique_ptr<Renderer> r = std::make_unique<Renderer>();
    HeavyPieces() {
        InitTinctures(ws->Tinctures);
        InitSurfaces(*r);
        ResetDocument(*ws);
        BlazonRecord& b = ws->CurrentBlazon;
        b.Partition = 18;
        b.Parts[1].Kind = b.Parts[1].Tincture = 108;
        b.Parts[2].Kind = 33;
        b.Parts[2].Tincture = 3;
        b.Parts[3].Kind = b.Parts[3].Tincture = 110;
        b.Parts[1].Line.LineKind = 13;
        b.Ordinary2.Present = kTrue;
        b.Ordinary2.Type = 12;
        b.Parts[5].Kind = b.Parts[5].Tincture = 113;
        b.Parts[5].Line.LineKind = 11;
        b.Ordinary1.Present = kTrue;
        b.Ordinary1.Type = 4;
        b.Ordinary1.Repeat = 2;
        b.Parts[7].Kind = b.Parts[7].Tincture = 109;
        b.Parts[7].Line.LineKind = 13;
        ws->GridVisible = true;
        RedrawShield(*ws, *r);  // the pictures and maps as a redraw leaves them
    }
};

void BM_HeavyDrawOrdinary1(benchmark::State& state) {
    HeavyPieces s;
    for (auto _ : state) {
        DrawOrdinary1(*s.ws, *s.r);
        benchmark::DoNotOptimize(s.r->Ordinary1.ImageDC.data());
    }
}
BENCHMARK(BM_HeavyDrawOrdinary1);

void BM_HeavyDrawOrdinary2(benchmark::State& state) {
    HeavyPieces s;
    for (auto _ : state) {
        DrawOrdinary2(*s.ws, *s.r);
        benchmark::DoNotOptimize(s.r->Ordinary2.ImageDC.data());
    }
}
BENCHMARK(BM_HeavyDrawOrdinary2);

// Both pieces onto the canvas and the part key map, and each onto its
// classification map, as one redraw lays them.
void BM_HeavyLayPieces(benchmark::State& state) {
    HeavyPieces s;
    Renderer& r = *s.r;
    const BlazonRecord& b = s.ws->CurrentBlazon;
    for (auto _ : state) {
        layOrdinary2(b, r, {.KeyMap = &r.PartMapDC});
        layOrdinary1(b, r, {.KeyMap = &r.OrdinaryMapDC});
        layOrdinary2(b, r, {&r.Picture1, &r.Model});
        layOrdinary1(b, r, {&r.Picture1, &r.Model});
        benchmark::DoNotOptimize(r.Picture1.data());
    }
}
BENCHMARK(BM_HeavyLayPieces);

// The first piece's pictures alone, from the marking a redraw left on BigOne.
void BM_HeavyBuildFirstPictures(benchmark::State& state) {
    HeavyPieces s;
    Renderer& r = *s.r;
    const PieceEmail email{kBlack, &r.FurPatternDCs[1], 0, 0, ~kLineColour & kWhite};
    for (auto _ : state) {
        buildPiecePictures(r.BigOne, kPartKeyColours[7], &email, r.Ordinary1);
        benchmark::DoNotOptimize(r.Ordinary1.ImageDC.data());
    }
}
BENCHMARK(BM_HeavyBuildFirstPictures);

}  // namespace
}  // namespace tess
