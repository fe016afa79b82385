// A tincture dropped on a part of the heavy document (with its fifty charges or
// without), from the drop event to the canvas image the widget paints: the
// drop's edit, the whole redraw, the picture converted and the canvas repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "bench_scene.h"
#include "dialogs/dialog_host.h"
#include "dialogs/message_layer.h"
#include "editor/canvas_input.h"
#include "editor/canvas_menus.h"
#include "editor/canvas_panel.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/file_commands_panel.h"
#include "editor/held_charge_tool.h"
#include "editor/held_charge_view.h"
#include "model/tinctures.h"
#include "platform/qimage_bridge.h"
#include "render/key_colours.h"
#include "widgets/drag_payloads.h"
#include "widgets/help_opener.h"
#include "widgets/picture_box.h"

namespace tess {
namespace {

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

// One drop as the platform delivers it, then the repaint. Kept out of line so
// that an instruction count can be taken per drop (callgrind --toggle-collect).
[[gnu::noinline]] void dropAndRepaint(CanvasPanel& panel, QMimeData* payload, QPoint at) {
    // The platform enters before it drops; the enter and its move are only
    // map reads, the drop carries the cost.
    QDragEnterEvent enter(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel.canvas(), &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel.canvas(), &drop);
    panel.canvas()->repaint();
}

void BM_DropOnPartOfHeavyDocument(benchmark::State& state) {
    NoMessages messages;
    const auto session = std::make_unique<DocumentSession>(messages);
    Scene scene(session->ws(), session->r());
    heavyPieces(scene);
    if (state.range(0) != 0) {
        fiftyCharges(scene);
        // The charge over the whole shield would take every drop: it covers
        // the lower two thirds instead, leaving part 1 a place of its own.
        ChargeRecord& big = scene.doc().Charges[kChargeCount];
        big.Y = 120;
        big.Height = 220;
    }
    RedrawShield(*scene.ws, *scene.r);
    QWidget window;
    window.resize(720, 488);
    CanvasPanel canvasPanel(window, *session);
    auto* tool = new HeldChargeTool(*new HeldChargeView(canvasPanel, *session), *session);
    DialogHost dialogs(window);
    ClipboardCommands clipboard(*tool, *session, &window);
    CanvasMenus menus(window, clipboard, dialogs, *session);
    FileCommands files(session->ws(), session->r(), messages, dialogs, &window, {});
    HelpOpener help(std::string(), [](const QString&) {});
    CanvasInput input(canvasPanel, *tool, menus, clipboard, files, help, *session);
    window.show();

    // A point of part 1 on the part map, away from its edges, with no charge.
    QPoint at(-1, -1);
    const Surface& map = scene.r->partMap;
    const Surface& hits = scene.r->chargeHitMap;
    auto free = [&](int x, int y) {
        return map.pixel(x, y) == kPartKeyColours[1] && hits.pixel(x, y) == kBlack;
    };
    for (int y = 10; y < map.height() - 10 && at.x() < 0; ++y)
        for (int x = 10; x < map.width() - 10 && at.x() < 0; ++x)
            if (free(x, y) && free(x + 4, y + 4) && free(x + 4, y) && free(x, y + 4))
                at = {x + 2, y + 2};
    if (at.x() < 0) {
        state.SkipWithError("no point of part 1");
        return;
    }
    QMimeData* payloads[] = {makeTinctureDrag(3), makeTinctureDrag(4)};
    int step = 0;
    // One drop before timing, which must land.
    {
        QDragEnterEvent enter(at, Qt::CopyAction, payloads[0], Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvasPanel.canvas(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, payloads[0], Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvasPanel.canvas(), &drop);
        if (scene.doc().Parts[1].Kind != kClassColour) {
            state.SkipWithError("the drop did not land");
            return;
        }
    }
    for (auto _ : state) dropAndRepaint(canvasPanel, payloads[step++ & 1], at);
    for (QMimeData* p : payloads) delete p;
    if (scene.doc().Parts[1].Kind != kClassColour ||
        scene.ws->Undos[1].Parts[1].Kind != kClassColour)
        state.SkipWithError("the drops did not land");
}
BENCHMARK(BM_DropOnPartOfHeavyDocument)
    ->ArgName("charges")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

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
