// What one editing step costs the model: the undo snapshot taken before every
// change, an undo, and measuring a user fur's tile.
#include <benchmark/benchmark.h>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/surface.h"

namespace tess {
namespace {

// A document as full as documents get: every charge and zone named.
void fill(Workspace& ws) {
    ResetDocument(ws);
    BlazonRecord& b = ws.CurrentBlazon;
    b.FilePath = "/home/anne/MesVarodez/une armoirie assez longue.bls";
    for (int c = 1; c <= kChargeCount; ++c) {
        b.Charges[c].InUse = -1;
        b.Charges[c].ImageName = "un nom d'image bien plus long que le tampon court.bmp";
    }
    for (int p = 1; p <= kPartCount; ++p) b.Parts[p].InsertedPath = "/home/anne/inserted.bls";
}

void BM_PushUndo(benchmark::State& state) {
    Workspace ws;
    fill(ws);
    for (auto _ : state) {
        PushUndo(ws);
        benchmark::DoNotOptimize(ws.Undos[1].Partition);
    }
}
BENCHMARK(BM_PushUndo);

void BM_UndoLast(benchmark::State& state) {
    Workspace ws;
    fill(ws);
    for (int k = 1; k <= kUndoDepth; ++k) ws.Undos[k] = ws.CurrentBlazon;
    for (auto _ : state) {
        UndoLast(ws);
        benchmark::DoNotOptimize(ws.CurrentBlazon.Partition);
    }
}
BENCHMARK(BM_UndoLast);

void BM_FindDominantTincture(benchmark::State& state) {
    const TinctureTable table = FactoryTinctures();
    const int size = int(state.range(0));
    Surface tile(size + 1, size + 1);
    for (int y = 0; y <= size; ++y)
        for (int x = 0; x <= size; ++x) tile.setPixel(x, y, FactoryColour(1 + (x * 7 + y) % 11));
    for (auto _ : state) benchmark::DoNotOptimize(FindDominantTincture(table, tile, size, size));
}
BENCHMARK(BM_FindDominantTincture)->Arg(32)->Arg(265);

}  // namespace
}  // namespace tess
