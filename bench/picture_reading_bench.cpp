// Reading pictures no further than their own header says: a document whose
// fifty side pictures (and masks) are each padded to 250 MB by a hole in the
// file opens as fast as the same document unpadded; one padded picture reads
// as fast as the bare one.
#include <unistd.h>

#include <filesystem>

#include "actions/bank_slots.h"
#include "actions/charge_placing.h"
#include "actions/document_file.h"
#include "bench_scene.h"
#include "platform/picture_file.h"
#include "render/charge_recolouring.h"
#include "storage/side_files.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kPadded = 250u << 20;

struct FiftyPictures : Scene {
    fs::path folder =
        fs::temp_directory_path() / ("tessaline-bench-pictures-" + std::to_string(getpid()));
    std::string path = (folder / "docs" / "creux.bls").string();

    explicit FiftyPictures(bool padded) {
        fs::remove_all(folder);
        fs::create_directories(folder / "docs");
        fs::create_directories(folder / "pictures");
        setenv("TESSALINE_HOME", folder.c_str(), 1);
        for (int n = 1; n <= kChargeCount; ++n) {
            Surface s(40, 40, kWhite);
            s.fillRect(2, 2, 38, 38, Brush::solid(Colour(0x0000FF + n)));
            const std::string picture =
                (folder / "pictures" / ("p" + std::to_string(n) + ".bmp")).string();
            savePictureBmp(s, picture);
            const int slot = AddImageToBank(*ws, r->Charges, picture, 0, -1);
            ChargeRecord& c = ws->CurrentBlazon.Charges[n];
            c = ChargeRecord{kTrue, Integer(n * 4), Integer(n * 5), 40, 40};
            c.ImageIndex = Integer(slot);
            c.Tincture = ws->Bank[slot].OwnTincture;
            PrepareChargeLayers(*ws, r->Charges, n);
        }
        SaveDocument(*ws, *r, path);
        if (!padded) return;
        for (int n = 1; n <= kChargeCount; ++n) {
            fs::resize_file(imagePictureFile(path, n), kPadded);
            fs::resize_file(imageMaskFile(path, n), kPadded);
        }
    }
    ~FiftyPictures() {
        unsetenv("TESSALINE_HOME");
        fs::remove_all(folder);
    }
};

void openFifty(benchmark::State& state, bool padded) {
    FiftyPictures fifty(padded);
    for (auto _ : state) {
        const LoadOutcome out = LoadDocument(*fifty.ws, *fifty.r, fifty.path, {});
        if (!out.loaded || !out.message.empty()) state.SkipWithError("not opened whole");
    }
}
void BM_OpenFiftyPictures(benchmark::State& state) {
    openFifty(state, false);
}
BENCHMARK(BM_OpenFiftyPictures)->Unit(benchmark::kMillisecond);
void BM_OpenFiftyPicturesPaddedTo250MB(benchmark::State& state) {
    openFifty(state, true);
}
BENCHMARK(BM_OpenFiftyPicturesPaddedTo250MB)->Unit(benchmark::kMillisecond);

void readOne(benchmark::State& state, bool padded) {
    FiftyPictures fifty(padded);
    const std::string picture = imagePictureFile(fifty.path, 1);
    for (auto _ : state) benchmark::DoNotOptimize(readPicture(picture));
}
void BM_ReadPicture(benchmark::State& state) {
    readOne(state, false);
}
BENCHMARK(BM_ReadPicture)->Unit(benchmark::kMicrosecond);
void BM_ReadPicturePaddedTo250MB(benchmark::State& state) {
    readOne(state, true);
}
BENCHMARK(BM_ReadPicturePaddedTo250MB)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tess
