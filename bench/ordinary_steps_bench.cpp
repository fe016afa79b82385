// The pieces' share of the heavy redraw, step by step: the two pieces' pictures
// drawn again (as when the piece changed), and the laid pieces onto the canvas
// and the key maps (what every redraw pays), on the document of
// BM_RedrawHeavyPieces (three furred bends with crenellated edges, a furred
// champagne with an indented edge).
#include "bench_scene.h"
#include "render/key_colours.h"
#include "render/key_maps.h"
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
        s.r->Ordinary1.Made = false;
        DrawOrdinary1(*s.ws, *s.r);
        benchmark::DoNotOptimize(s.r->Ordinary1.colouredPicture.data());
    }
}
BENCHMARK(BM_HeavyDrawOrdinary1);

void BM_HeavyDrawOrdinary2(benchmark::State& state) {
    HeavyPieces s;
    for (auto _ : state) {
        s.r->Ordinary2.Made = false;
        DrawOrdinary2(*s.ws, *s.r);
        benchmark::DoNotOptimize(s.r->Ordinary2.colouredPicture.data());
    }
}
BENCHMARK(BM_HeavyDrawOrdinary2);

// Both laid pieces onto the canvas, and their zones onto the three key maps,
// as one redraw lays them.
void BM_HeavyLayPieces(benchmark::State& state) {
    HeavyPieces s;
    Renderer& r = *s.r;
    for (auto _ : state) {
        LayKeyMaps(*s.ws, r);
        CompositeOrdinary2(*s.ws, r);
        CompositeOrdinary1(*s.ws, r);
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
