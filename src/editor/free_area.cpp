#include "editor/free_area.h"

#include <QMouseEvent>
#include <QWidget>

#include "editor/canvas_panel.h"
#include "editor/file_commands_panel.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "editor/toolbar_panel.h"

namespace tess {

FreeArea::FreeArea(QWidget& window, FileCommands& files, HeldChargeTool& tool, CanvasPanel& canvas,
                   ToolbarPanel& toolbar)
    : QObject(&window),
      window_(window),
      files_(files),
      tool_(tool),
      canvas_(canvas),
      toolbar_(toolbar) {
    window_.installEventFilter(this);
}

bool FreeArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    switch (event->type()) {
        // A double click is a press as well.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto& e = static_cast<QMouseEvent&>(*event);
            pressed(e.button(), e.position());
            return true;
        }
        case QEvent::MouseMove:
            moved();
            return true;
        default:
            return false;
    }
}

void FreeArea::pressed(Qt::MouseButton button, QPointF at) {
    if (button == Qt::RightButton) {
        files_.popupFileMenu(window_.mapToGlobal(at.toPoint()));
        return;
    }
    // A charge held in the overlay goes back on the shield with the overlay's
    // size and place; a new picture not yet placed is let go.
    if (tool_.state().heldCharge() != 0)
        tool_.commitHeld();
    else
        tool_.end();
}

void FreeArea::moved() {
    toolbar_.hideButtonFrame();
    canvas_.clearHoverCaptions();
    tool_.throwAwayIfOffCanvas();
}

}  // namespace tess
