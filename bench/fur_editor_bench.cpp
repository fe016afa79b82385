// The fur editor at work: a fill on the enlarged view with the preview and
// the enlarged tile drawn again, as each press does (meant to stay under 2 ms),
// and "Ok" storing a fur through to the redraw of the shield (under 10 ms,
// the two fur files written and flushed included).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "actions/user_fur_commands.h"
#include "bench/bench_scene.h"
#include "dialogs/fur_editor_dialog.h"

namespace tess {
namespace {

void pressOn(QWidget* w, QPointF at, Qt::MouseButton button) {
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton,
                   Qt::NoModifier);
    QCoreApplication::sendEvent(w, &up);
}

void BM_FillWithPreview(benchmark::State& state) {
    FurEditorDialog editor;
    editor.show();
    QWidget* view = editor.findChild<QWidget*>(QStringLiteral("enlargedView"));
    QWidget* palette = editor.findChild<QWidget*>(QStringLiteral("palette"));
    QWidget* toolbar = editor.findChild<QWidget*>(QStringLiteral("toolbar"));
    pressOn(toolbar, QPointF(140, 12), Qt::LeftButton);  // "Remplir"
    pressOn(palette, QPointF(5, 30), Qt::LeftButton);    // Gueules on the left button
    // The largest tile, so each fill runs over the whole surface; the buttons
    // alternate so every fill changes every pixel.
    editor.findChild<QWidget*>(QStringLiteral("widthSlider"))->setProperty("value", 32);
    editor.findChild<QWidget*>(QStringLiteral("heightSlider"))->setProperty("value", 32);
    bool left = true;
    for (auto _ : state) {
        pressOn(view, QPointF(80, 80), left ? Qt::LeftButton : Qt::RightButton);
        left = !left;
    }
}
BENCHMARK(BM_FillWithPreview)->Unit(benchmark::kMicrosecond);

// On the temporary folder's disk, then in memory (/dev/shm), which tells the
// program's own work from the disk's flush of the two files.
void BM_OkThroughRedraw(benchmark::State& state, const char* where) {
    QTemporaryDir folder(QString::fromLatin1(where) + QStringLiteral("/tessaline-bench-XXXXXX"));
    if (!folder.isValid()) {
        state.SkipWithError("no such folder");
        return;
    }
    Scene scene;
    scene.doc().Parts[1].Kind = scene.doc().Parts[1].Tincture = kFirstUserFur + 2;
    Surface surface(32, 32, kWhite);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) surface.setPixel(x, y, (x + y) % 3 ? 0x0000FF : 0xFFFFFF);
    const FurDraft draft{(folder.path() + "/semis.fmp").toStdString(), surface, 20, 20, 25};
    for (auto _ : state) {
        const FurStoring out = StoreUserFur(*scene.ws, *scene.r, 2, draft);
        if (!out.stored) state.SkipWithError(out.message.text.c_str());
    }
}
BENCHMARK_CAPTURE(BM_OkThroughRedraw, Disk, "/tmp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OkThroughRedraw, Memory, "/dev/shm")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tess

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
