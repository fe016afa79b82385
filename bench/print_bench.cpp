// The print and export page: composing it, and exporting it to disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QGuiApplication>

#include "actions/print_page.h"
#include "bench/bench_scene.h"
#include "platform/page_text.h"

namespace tess {
namespace {

// The page's text is measured and drawn with the application's fonts.
const PageText& pageText() {
    static int argc = 1;
    static char name[] = "bench_print";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = ::setenv("QT_QPA_PLATFORM", "offscreen", 0) == 0;
    static QGuiApplication app(argc, argv);
    static const std::unique_ptr<PageText> text = makePageText();
    (void)offscreen;
    return *text;
}

// The heaviest pieces with a long blazon, so the text is wrapped on several lines.
void PageBuildAtZoom200WithBlazon(benchmark::State& state) {
    const PageText& text = pageText();
    Scene scene;
    heavyPieces(scene);
    for (auto _ : state) {
        PrintPage page =
            BuildPrintImage(*scene.ws, *scene.r, {.zoom = 200, .withBlazon = true}, text);
        benchmark::DoNotOptimize(page.page.data());
    }
}
BENCHMARK(PageBuildAtZoom200WithBlazon)->Unit(benchmark::kMillisecond);

// A hatched page at half size: every canvas pixel is merged into the page.
void HatchedPageBuildAtZoom50(benchmark::State& state) {
    const PageText& text = pageText();
    Scene scene;
    heavyPieces(scene);
    for (auto _ : state) {
        PrintPage page =
            BuildPrintImage(*scene.ws, *scene.r, {.zoom = 50, .blackWhite = true}, text);
        benchmark::DoNotOptimize(page.page.data());
    }
}
BENCHMARK(HatchedPageBuildAtZoom50)->Unit(benchmark::kMillisecond);

// From the action to the bitmap on disk (written beside its name, then renamed).
void ExportAtZoom200WithBlazon(benchmark::State& state) {
    const PageText& text = pageText();
    Scene scene;
    heavyPieces(scene);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("tessaline-bench-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "page.bmp").string();
    for (auto _ : state) {
        PageOutcome out =
            ExportPicture(*scene.ws, *scene.r, {.zoom = 200, .withBlazon = true}, path, text);
        if (!out.done) state.SkipWithError(out.message.text.c_str());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(ExportAtZoom200WithBlazon)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess
