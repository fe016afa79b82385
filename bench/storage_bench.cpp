// Saving and reopening a heavy document: fifty charges over three pictures, a
// user fur and an inserted coat of arms, with all their side files.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "actions/bank_slots.h"
#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "actions/insert_blazon.h"
#include "actions/user_fur_loading.h"
#include "bench_scene.h"
#include "platform/picture_file.h"
#include "render/charge_recolouring.h"
#include "storage/document_layout.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

// A picture of `w` x `h`: a border of one colour on white, a second colour inside.
Surface figure(int w, int h, Colour outer, Colour inner) {
    Surface s(w, h, kWhite);
    for (int y = 2; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x)
            s.setPixel(x, y, (x < 5 || y < 5 || x >= w - 5 || y >= h - 5) ? outer : inner);
    return s;
}

struct HeavyDocument : Scene {
    fs::path folder = fs::temp_directory_path() / ("tessaline-bench-" + std::to_string(getpid()));
    std::string path = (folder / "docs" / "lourd.bls").string();

    HeavyDocument() {
        fs::remove_all(folder);
        fs::create_directories(folder / "docs");
        fs::create_directories(folder / "pictures");
        setenv("TESSALINE_HOME", folder.c_str(), 1);
        int slots[3];
        const Colour colours[3][2] = {
            {0x0000FF, 0x000000}, {0x00FFFF, 0xFF0000}, {0x008000, 0xFFFFFF}};
        for (int i = 0; i < 3; ++i) {
            const std::string picture =
                (folder / "pictures" / ("p" + std::to_string(i) + ".bmp")).string();
            savePictureBmp(figure(60 + 10 * i, 50 + 12 * i, colours[i][0], colours[i][1]), picture);
            slots[i] = AddImageToBank(*ws, r->Charges, picture, 0, -1);
        }
        BlazonRecord& b = ws->CurrentBlazon;
        for (int n = 1; n <= kChargeCount; ++n) {
            ChargeRecord& c = b.Charges[n];
            const int slot = slots[n % 3];
            c.InUse = kTrue;
            c.ImageIndex = Integer(slot);
            c.X = Integer((n * 37) % 230);
            c.Y = Integer((n * 53) % 300);
            c.Width = Integer(20 + n % 25);
            c.Height = Integer(18 + n % 20);
            c.Mirrored = n % 4 == 0 ? kTrue : kFalse;
            c.Tincture = ws->Bank[slot].OwnTincture;
            PrepareChargeLayers(*ws, r->Charges, n);
            SetChargeTincture(*ws, r->Charges, n, 1 + n % 11);
        }
        // A user fur and a coat of arms in a quarter.
        const std::string fur = (folder / "pictures" / "seme.fmp").string();
        {
            std::ofstream out(fur, std::ios::binary);
            const std::int16_t header[4] = {3, 8, 8, 50};
            out.write(reinterpret_cast<const char*>(header), sizeof header);
            for (std::int32_t cell = 0; cell < 64; ++cell) {
                const std::int32_t t = cell % 3 ? 2 : 6;
                out.write(reinterpret_cast<const char*>(&t), 4);
            }
        }
        b.UserFurs[0] = {fur, 50, 8, 8, "", 0};
        LoadUserFurPattern(*ws, *r, fur, 0);
        b.Partition = 14;
        b.Parts[1].Kind = 116, b.Parts[1].Tincture = 116;
        const std::string inner = (folder / "docs" / "interieur.bls").string();
        SaveDocument(*ws, *r, inner);
        InsertBlazonInPart(*ws, *r, 4, inner);
        SaveDocument(*ws, *r, path);
    }
    ~HeavyDocument() {
        unsetenv("TESSALINE_HOME");
        fs::remove_all(folder);
    }
};

void BM_SaveFiftyChargeDocument(benchmark::State& state) {
    HeavyDocument heavy;
    for (auto _ : state) {
        const SaveOutcome out = SaveDocument(*heavy.ws, *heavy.r, heavy.path);
        if (!out.saved) state.SkipWithError(out.message.text.c_str());
    }
}
BENCHMARK(BM_SaveFiftyChargeDocument)->Unit(benchmark::kMillisecond);

void BM_OpenFiftyChargeDocument(benchmark::State& state) {
    HeavyDocument heavy;
    for (auto _ : state) {
        const LoadOutcome out = LoadDocument(*heavy.ws, *heavy.r, heavy.path, {});
        if (!out.loaded) state.SkipWithError(out.message.text.c_str());
    }
}
BENCHMARK(BM_OpenFiftyChargeDocument)->Unit(benchmark::kMillisecond);

// The record layout alone, without pictures or redraws.
void BM_EncodeAndDecodeRecords(benchmark::State& state) {
    HeavyDocument heavy;
    std::vector<int> slots;
    for (int s = 1; s <= kImageBankSize; ++s)
        if (heavy.ws->Bank[s].InUse) slots.push_back(s);
    for (auto _ : state) {
        const EncodedDocument encoded =
            encodeDocument(storedDocumentOf(heavy.ws->CurrentBlazon, heavy.ws->Bank, slots));
        StoredDocument back = decodeDocument(encoded.bytes, heavy.ws->CurrentBlazon);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(BM_EncodeAndDecodeRecords)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
