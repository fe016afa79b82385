// The pieces' share of the heavy redraw, step by step: the two pieces' pictures
// and their laying onto the canvas and the key maps, on the document of
// BM_RedrawHeavyPieces (three furred bends with crenellated edges, a furred
// champagne with an indented edge).
#include "bench_scene.h"
#include "render/key_colours.h"
#include "render/ordinary_laying.h"
#include "render/ordinary_pictures.h"
#include "render/ordinary_steps.h"

namespace tess {
namespace {

struct HeavyPieces : Scene {
    HeavyPieces() {
        heavyPieces(*this);
        RedrawShield(*ws, *r);  // the pictures and maps as a redraw leaves them
    }
};

void BM_HeavyDrawOrdinary1(benchmark::State& state) {
    HeavyPieces s;
    for (auto _ : state) {
        DrawOrdinary1(*s.ws, *s.r);
        benchmark::DoNotOptimize(s.r->Ordinary1.colouredPicture.data());
    }
}
BENCHMARK(BM_HeavyDrawOrdinary1);

void BM_HeavyDrawOrdinary2(benchmark::State& state) {
    HeavyPieces s;
    for (auto _ : state) {
        DrawOrdinary2(*s.ws, *s.r);
        benchmark::DoNotOptimize(s.r->Ordinary2.colouredPicture.data());
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
        layOrdinary2(b, r, {.KeyMap = &r.fieldPartMap});
        layOrdinary1(b, r, {.KeyMap = &r.ordinaryMap});
        layOrdinary2(b, r, {&r.canvas, &r.partMap});
        layOrdinary1(b, r, {&r.canvas, &r.partMap});
        benchmark::DoNotOptimize(r.canvas.data());
    }
}
BENCHMARK(BM_HeavyLayPieces);

// The first piece's pictures alone, from the marking a redraw left on firstOrderWork.
void BM_HeavyBuildFirstPictures(benchmark::State& state) {
    HeavyPieces s;
    Renderer& r = *s.r;
    const PieceEmail email{kBlack, &r.builtInFurPictures[1], 0, 0, ~kLineColour & kWhite};
    for (auto _ : state) {
        buildPiecePictures(r.firstOrderWork, kPartKeyColours[7], &email, r.Ordinary1);
        benchmark::DoNotOptimize(r.Ordinary1.colouredPicture.data());
    }
}
BENCHMARK(BM_HeavyBuildFirstPictures);

}  // namespace
}  // namespace tess
