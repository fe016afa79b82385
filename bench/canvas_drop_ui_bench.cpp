// A tincture dropped on a part of the heavy document, from the drop event to
// the canvas image the widget paints: the drop's edit, the whole redraw, the
// picture converted and the canvas repainted.
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

void BM_DropOnPartOfHeavyDocument(benchmark::State& state) {
    NoMessages messages;
    const auto session = std::make_unique<DocumentSession>(messages);
    Scene scene(session->ws(), session->r());
    heavyPieces(scene);
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

    // A point of part 1 on the part map, away from its edges.
    QPoint at(-1, -1);
    const Surface& map = scene.r->partMap;
    for (int y = 10; y < map.height() - 10 && at.x() < 0; ++y)
        for (int x = 10; x < map.width() - 10 && at.x() < 0; ++x)
            if (map.pixel(x, y) == kPartKeyColours[1] &&
                map.pixel(x + 4, y + 4) == kPartKeyColours[1])
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
    for (auto _ : state) {
        // The platform enters before it drops; the enter and its move are
        // only map reads, the drop carries the cost.
        QMimeData* payload = payloads[step++ & 1];
        QDragEnterEvent enter(at, Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvasPanel.canvas(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, payload, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvasPanel.canvas(), &drop);
        canvasPanel.canvas()->repaint();
    }
    for (QMimeData* p : payloads) delete p;
    if (scene.doc().Parts[1].Kind != kClassColour ||
        scene.ws->Undos[1].Parts[1].Kind != kClassColour)
        state.SkipWithError("the drops did not land");
}
BENCHMARK(BM_DropOnPartOfHeavyDocument)->Unit(benchmark::kMillisecond);

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
