#include <benchmark/benchmark.h>

#include "blazon/blazon_text.h"
#include "blazon/tincture_warnings.h"
#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"

namespace tess {
namespace {

// The heaviest blazon: an écartelé with furs and an inserted coat of arms, both
// pieces, and all fifty charges spread over every zone in mixed groups, many
// of them against the rule of tinctures.
void buildHeavyDocument(Workspace& ws) {
    InitTinctures(ws.Tinctures);
    ResetDocument(ws);
    const char* phrases[] = {"étoile", "lion", "besant", "croisette", "merlette"};
    for (int slot = 1; slot <= 5; ++slot) {
        ws.Bank[slot].InUse = kTrue;
        ws.Bank[slot].Phrase = phrases[slot - 1];
    }
    BlazonRecord& doc = ws.CurrentBlazon;
    doc.Partition = 14;
    doc.PartCount = 4;
    doc.Parts[2].Kind = doc.Parts[2].Tincture = 111;
    doc.Parts[3].InsertedPath = "C:\\Mes documents\\MesVarodez\\Écuelles.bls";
    doc.Parts[3].Kind = kClassInserted;
    doc.UserFurs[1].Path = "/home/u/Ondes.fmp";
    doc.Parts[4].Kind = 117;
    doc.Parts[4].Tincture = 2;
    doc.Ordinary2 = {kTrue, 21, 0, 0, "Sautoir", -1, 0, 0};
    doc.Ordinary1 = {kTrue, 3, 0, 0, "Fasce", 0, 0, -1};
    doc.Parts[7].Line.LineKind = 11;

    const Byte zones[] = {1, 2, 3, 4, 5, 7, 9, 11, 21, 15};
    for (int n = 1; n <= kChargeCount; ++n) {
        ChargeRecord& c = doc.Charges[n];
        c.InUse = kTrue;
        c.ImageIndex = static_cast<Integer>(1 + n % 5);
        c.Tincture = 1 + n % 7;
        c.Class = c.Tincture <= 2 ? kClassMetal : kClassColour;
        c.Placement = zones[n % 10];
        const int zone = c.Placement == 9   ? 6
                         : c.Placement > 20 ? c.Placement - 20
                         : c.Placement > 10 ? c.Placement - 10
                                            : c.Placement;
        PartRecord& part = doc.Parts[zone];
        part.ChargeList[++part.ChargeCount] = static_cast<Byte>(n);
    }
}

void BM_BuildBlazonText(benchmark::State& state) {
    Workspace ws;
    buildHeavyDocument(ws);
    for (auto _ : state) {
        ws.Warnings.clear();
        std::string text = BuildBlazonText(ws);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_BuildBlazonText);

void BM_ShowTinctureWarnings(benchmark::State& state) {
    Workspace ws;
    buildHeavyDocument(ws);
    BuildBlazonText(ws);
    for (auto _ : state) {
        std::string text = TinctureWarningsText(ws);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ShowTinctureWarnings);

}  // namespace
}  // namespace tess
