#include "editor/canvas_input.h"
#include "widgets/utf8_text.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "actions/canvas_hits.h"
#include "actions/field_edits.h"
#include "dialogs/message_layer.h"
#include "editor/canvas_menus.h"
#include "editor/canvas_panel.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/file_commands_panel.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "editor/partition_keys.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "widgets/drag_payloads.h"
#include "widgets/help_opener.h"
#include "widgets/picture_box.h"

namespace tess {

CanvasInput::CanvasInput(CanvasPanel& panel, HeldChargeTool& tool, CanvasMenus& menus,
                         ClipboardCommands& clipboard, FileCommands& files, HelpOpener& help,
                         DocumentSession& session)
    : QObject(&panel),
      panel_(panel),
      tool_(tool),
      menus_(menus),
      clipboard_(clipboard),
      files_(files),
      help_(help),
      session_(session) {
    panel_.canvas()->setAcceptDrops(true);
    panel_.canvas()->installEventFilter(this);
    // Letting go of the held charge after a move or a resize: the captions
    // show the pointer's place and what lies under it again, not the held
    // charge's centre and size.
    connect(&tool_, &HeldChargeTool::releasedAt, this,
            [this](QPoint at) { hover(at.x(), at.y()); });
}

bool CanvasInput::onOverlay(QPointF at) const {
    const QWidget* view = tool_.view();
    return view->isVisible() && view->geometry().contains(at.toPoint());
}

bool CanvasInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != panel_.canvas()) return false;
    // A drag the overlay refused comes up to the canvas: a drop on the
    // overlay is the overlay's alone, so the canvas refuses it too.
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
        event->type() == QEvent::Drop) {
        auto& e = static_cast<QDropEvent&>(*event);
        if (onOverlay(e.position())) {
            e.ignore();
            return true;
        }
    }
    switch (event->type()) {
        case QEvent::DragEnter: {
            // Only our own payloads: a foreign drag is refused at the door.
            auto& e = static_cast<QDragEnterEvent&>(*event);
            if (draggedTincture(e.mimeData()) == 0 && draggedFur(e.mimeData()) == 0) {
                e.ignore();
                return true;
            }
            dragMoved(e);
            return true;
        }
        case QEvent::DragMove:
            dragMoved(static_cast<QDragMoveEvent&>(*event));
            return true;
        case QEvent::Drop:
            dropped(static_cast<QDropEvent&>(*event));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressed(static_cast<QMouseEvent&>(*event));
            return true;
        case QEvent::MouseMove: {
            const auto& e = static_cast<QMouseEvent&>(*event);
            hover(e.position().x(), e.position().y());
            return true;
        }
        case QEvent::MouseButtonRelease:
            tool_.stopDragging();
            return true;
        case QEvent::KeyPress:
            return keyPressed(static_cast<QKeyEvent&>(*event));
        default:
            return false;
    }
}

void CanvasInput::dragMoved(QDragMoveEvent& event) {
    const QPointF at = event.position();
    const int tincture = draggedTincture(event.mimeData());
    const int fur = draggedFur(event.mimeData());
    if (CanvasDropAccepted(session_.r(), tincture, fur, at.x(), at.y()))
        event.acceptProposedAction();
    else
        event.ignore();
    hover(at.x(), at.y());
}

void CanvasInput::dropped(QDropEvent& event) {
    const QPointF at = event.position();
    const EditOutcome outcome =
        DropOnCanvas(session_.ws(), session_.r(), draggedTincture(event.mimeData()),
                     draggedFur(event.mimeData()), at.x(), at.y());
    if (!outcome) {
        event.ignore();
        return;
    }
    event.acceptProposedAction();
    session_.show(outcome);
}

void CanvasInput::pressed(QMouseEvent& event) {
    const QPointF at = event.position();
    if (event.button() == Qt::RightButton) {
        openContextMenu(at.x(), at.y(), event.globalPosition().toPoint());
        return;
    }
    if (event.button() != Qt::LeftButton) return;
    const CanvasHit hit = HitAt(session_.r(), at.x(), at.y());
    if (hit.onChargeMap && !tool_.state().isHolding()) {
        // A stale hit (no charge found) picks nothing up.
        const int n = ChargeAtPoint(session_.ws(), CInt(at.x()), CInt(at.y()));
        if (n != 0) tool_.pickUp(n);
        return;
    }
    if (tool_.state().isHolding()) tool_.commitHeld();
}

void CanvasInput::hover(double x, double y) {
    const HoverText t = HoverAt(session_.ws(), session_.r(), x, y);
    if (t.coordinates.empty()) {
        panel_.clearHoverCaptions();
        panel_.canvas()->setToolTip(QString());
        return;
    }
    panel_.coordinateCaption()->setText(fromUtf8(t.coordinates));
    if (t.keepCaption) return;
    const QString caption = fromUtf8(t.caption);
    panel_.partCaption()->setText(caption);
    panel_.canvas()->setToolTip(caption);
}

void CanvasInput::openContextMenu(double x, double y, QPoint globalAt) {
    // A line, or any colour no part has: no menu.
    menus_.popup(HitAt(session_.r(), x, y).part, globalAt);
}

bool CanvasInput::keyPressed(QKeyEvent& event) {
    // Ctrl is read from this very event: a flag kept between events would be
    // left set by a Ctrl released over another control.
    if (!(event.modifiers() & Qt::ControlModifier)) return false;
    switch (event.key()) {
        // The file menu's own items, so their watchers and check marks follow.
        case Qt::Key_O:
            files_.item(FileItem::Open)->trigger();
            return true;
        case Qt::Key_N:
            files_.item(FileItem::New)->trigger();
            return true;
        case Qt::Key_S:
            files_.item(FileItem::Save)->trigger();
            return true;
        case Qt::Key_Q:
            panel_.canvas()->window()->close();
            return true;
        case Qt::Key_R:
            session_.redraw();
            return true;
        case Qt::Key_G:
            files_.item(FileItem::Grid)->trigger();
            return true;
        case Qt::Key_V:
            // The paste itself does nothing unless our own copy can be placed.
            clipboard_.paste();
            return true;
        case Qt::Key_A:
            // The last help topic asked for again (the contents before any).
            help_.repeatLast();
            return true;
        default:
            break;
    }
    const Long partition = partitionOfKey(event);
    if (partition == 0) return false;
    // Without an undo step, unlike the toolbar's buttons.
    session_.show(ChoosePartition(session_.ws(), session_.r(), partition, UndoStep::None));
    return true;
}

}  // namespace tess
