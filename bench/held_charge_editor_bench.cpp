// The held charge: one step of an overlay move (the companions re-placed and
// the canvas repainted from its stored picture, no redraw), and the commit of
// a charge on the heavy document through to the canvas's new image.
#include <benchmark/benchmark.h>

#include <cmath>

#include <QApplication>
#include <QMouseEvent>

#include "actions/charge_edits.h"
#include "bench_scene.h"
#include "dialogs/message_layer.h"
#include "editor/canvas_panel.h"
#include "editor/document_session.h"
#include "editor/held_charge_tool.h"
#include "editor/held_charge_view.h"
#include "platform/qimage_bridge.h"
#include "render/charge_recolouring.h"
#include "widgets/picture_box.h"

namespace tess {
namespace {

// A round figure in its own tincture on a transparent background.
void addPicture(Scene& scene, int slot, int size, int own) {
    Surface picture(size, size, kBlack), mask(size, size, kWhite);
    const double c = (size - 1) / 2.0, radius = size / 2.0 - 1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (std::hypot(x - c, y - c) > radius) continue;
            mask.setPixel(x, y, kBlack);
            picture.setPixel(x, y, Colour(scene.ws->Tinctures[own].Colour));
        }
    ImageBankEntry& e = scene.ws->Bank[slot];
    e.InUse = kTrue;
    e.FileName = "rond" + std::to_string(slot) + ".bmp";
    e.OwnTincture = own;
    e.Width = Integer(size);
    e.Height = Integer(size);
    scene.r->Charges.setBankPicture(slot, std::move(picture), std::move(mask));
}

// The heavy pieces with twenty charges on them.
struct ChargedScene : Scene {
    ChargedScene() { charge(); }
    ChargedScene(Workspace& workspace, Renderer& renderer) : Scene(workspace, renderer) {
        charge();
    }
    void charge() {
        heavyPieces(*this);
        addPicture(*this, 1, 40, 3);
        addPicture(*this, 2, 80, 1);
        for (int n = 1; n <= 20; ++n) {
            ChargeRecord& c = doc().Charges[n];
            c.InUse = kTrue;
            c.ImageIndex = Integer(1 + n % 2);
            c.Tincture = 1 + n % 11;
            c.Width = Integer(30 + (n * 7) % 40);
            c.Height = c.Width;
            c.X = Integer((n * 37) % 220);
            c.Y = Integer((n * 53) % 300);
            c.Mirrored = n % 4 == 0 ? kTrue : 0;
        }
        RedrawShield(*ws, *r);
    }
};

struct NoMessages : MessageLayer {
    MessageAnswer messageBox(const QString&, int, const QString&) override {
        return MessageAnswer::Ok;
    }
    void showWait(const QString&) override {}
    void hideWait() override {}
    QAction* popup(QMenu&, const QPoint&, QAction*) override { return nullptr; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }

  protected:
    Byte askQuestion(const QString&, const QString&) override { return 0; }
};

void sendMouse(QWidget* w, QEvent::Type type, QPointF at) {
    QMouseEvent e(type, at, w->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(w, &e);
}

void BM_OverlayMoveStep(benchmark::State& state) {
    NoMessages messages;
    const auto session = std::make_unique<DocumentSession>(messages);
    ChargedScene scene(session->ws(), session->r());
    QWidget window;
    window.resize(700, 500);
    CanvasPanel canvasPanel(window, *session);
    auto* view = new HeldChargeView(canvasPanel, *session);
    auto* tool = new HeldChargeTool(*view, *session);
    window.show();
    canvasPanel.showShield(toQImage(scene.r->canvas));
    if (!tool->pickUp(3)) {
        state.SkipWithError("no charge to pick up");
        return;
    }
    sendMouse(view, QEvent::MouseButtonPress, QPointF(10, 10));
    int step = 0;
    for (auto _ : state) {
        // Back and forth, so the overlay stays on the canvas.
        sendMouse(view, QEvent::MouseMove, QPointF((step++ & 1) ? 9 : 11, 10));
        QCoreApplication::sendPostedEvents();
        canvasPanel.canvas()->repaint();
    }
    sendMouse(view, QEvent::MouseButtonRelease, QPointF(10, 10));
}
BENCHMARK(BM_OverlayMoveStep);

// The commit alone: the pick-up that precedes it is not timed.
void BM_CommitOnHeavyDocument(benchmark::State& state) {
    ChargedScene scene;
    for (auto _ : state) {
        state.PauseTiming();
        RedrawResult picked;
        PickUpCharge(*scene.ws, *scene.r, 5, picked);
        const OverlayBox box{60, 80, 50, 50, scene.ws->Bank[2].FileName};
        state.ResumeTiming();
        const EditOutcome shown = CommitHeldCharge(*scene.ws, *scene.r, box);
        QImage image = toQImage(scene.r->canvas);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_CommitOnHeavyDocument);

// What the commit pays besides: the whole redraw of the same document.
void BM_RedrawOfTheSameDocument(benchmark::State& state) {
    ChargedScene scene;
    runRedraws(state, scene);
}
BENCHMARK(BM_RedrawOfTheSameDocument);

}  // namespace
}  // namespace tess

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
