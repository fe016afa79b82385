#include "editor/canvas_input.h"
#include "widgets/utf8_text.h"

#include <array>

#include <QAction>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include "actions/canvas_hits.h"
#include "actions/field_edits.h"
#include "actions/redraw_shield.h"
#include "blazon/vocabulary.h"
#include "dialogs/message_layer.h"
#include "editor/canvas_panel.h"
#include "editor/charge_overlay.h"
#include "editor/editor_context.h"
#include "editor/editor_menus.h"
#include "editor/held_charge_view.h"
#include "model/document.h"
#include "model/part_zones.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "widgets/drag_payloads.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

// The partition of each key of the digit row, by position: "1".."9", "0",
// then the two keys after it.
constexpr std::array<Long, 12> kDigitRowPartitions = {
    kPlainField,        kParti,         kCoupe,
    kTranche,           kTaille,        kEcartele,
    kEcarteleEnSautoir, kTierceEnPal,   kTierceEnFasce,
    kTierceEnBande,     kTierceEnBarre, kTierceEnPairle};

// The digit row's position (0 for "1" .. 9 for "0", 10 and 11 the two keys
// after it) from the key's place on the keyboard when the platform tells it
// (X keycodes 10..21), else from the key's symbol: the digits, the unshifted
// symbols of a French keyboard's row, and "-", ")", "=".
int digitRowPosition(const QKeyEvent& e) {
    const QString platform = QGuiApplication::platformName();
    const quint32 scan = e.nativeScanCode();
    if ((platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) &&
        scan >= 10 && scan <= 21)
        return int(scan) - 10;
    const int key = e.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_1;
    switch (key) {
        case Qt::Key_0:
        case Qt::Key_Agrave:
            return 9;
        case Qt::Key_Ampersand:
            return 0;
        case Qt::Key_Eacute:
            return 1;
        case Qt::Key_QuoteDbl:
            return 2;
        case Qt::Key_Apostrophe:
            return 3;
        case Qt::Key_ParenLeft:
            return 4;
        case Qt::Key_Egrave:
            return 6;
        case Qt::Key_Underscore:
            return 7;
        case Qt::Key_Ccedilla:
            return 8;
        // Without the key's place a "-" is read as the key after "0" (its
        // place on most keyboards), not as the French row's "6".
        case Qt::Key_Minus:
        case Qt::Key_ParenRight:
            return 10;
        case Qt::Key_Equal:
            return 11;
        default:
            return -1;
    }
}

// The partition a Ctrl key chooses, 0 for none. The keypad chooses nothing.
Long partitionOfKey(const QKeyEvent& e) {
    if (e.modifiers() & Qt::KeypadModifier) return 0;
    switch (e.key()) {
        case Qt::Key_Backspace:
            return kPartiMiCoupeSenestre;
        case Qt::Key_Insert:
            return kPartiMiCoupeDextre;
        case Qt::Key_Home:
            return kCoupeMiPartiChef;
        case Qt::Key_PageUp:
            return kCoupeMiPartiPointe;
        default:
            break;
    }
    const int position = digitRowPosition(e);
    return position < 0 ? 0 : kDigitRowPartitions[std::size_t(position)];
}

}  // namespace

CanvasInput::CanvasInput(CanvasPanel& panel, ChargeOverlay& overlay, EditorMenus& menus,
                         const EditorContext& context)
    : QObject(&panel), panel_(panel), overlay_(overlay), menus_(menus), ctx_(context) {
    panel_.canvas->setAcceptDrops(true);
    panel_.canvas->installEventFilter(this);
}

bool CanvasInput::onOverlay(QPointF at) const {
    const QWidget* view = overlay_.chargeOverlay;
    return view && view->isVisible() && view->geometry().contains(at.toPoint());
}

bool CanvasInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != panel_.canvas) return false;
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
            overlay_.moving = false;
            overlay_.resizing = false;
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
    if (CanvasDropAccepted(ctx_.r, tincture, fur, at.x(), at.y()))
        event.acceptProposedAction();
    else
        event.ignore();
    hover(at.x(), at.y());
}

void CanvasInput::dropped(QDropEvent& event) {
    const QPointF at = event.position();
    const EditOutcome outcome = DropOnCanvas(ctx_.ws, ctx_.r, draggedTincture(event.mimeData()),
                                             draggedFur(event.mimeData()), at.x(), at.y());
    if (!outcome) {
        event.ignore();
        return;
    }
    event.acceptProposedAction();
    ctx_.show(outcome);
}

void CanvasInput::pressed(QMouseEvent& event) {
    const QPointF at = event.position();
    if (event.button() == Qt::RightButton) {
        openContextMenu(at.x(), at.y(), event.globalPosition().toPoint());
        return;
    }
    if (event.button() != Qt::LeftButton) return;
    const CanvasHit hit = HitAt(ctx_.r, at.x(), at.y());
    if (hit.onChargeMap && !overlay_.isHolding()) {
        // A stale hit (no charge found) picks nothing up.
        const int n = ChargeAtPoint(ctx_.ws, CInt(at.x()), CInt(at.y()));
        if (n != 0) overlay_.pickUp(n);
        return;
    }
    if (overlay_.isHolding()) overlay_.commitHeld();
}

void CanvasInput::hover(double x, double y) {
    const HoverText t = HoverAt(ctx_.ws, ctx_.r, x, y);
    if (t.coordinates.empty()) {
        panel_.clearHoverCaptions();
        panel_.canvas->setToolTip(QString());
        return;
    }
    panel_.coordinateCaption->setText(fromUtf8(t.coordinates));
    if (t.keepCaption) return;
    const QString caption = fromUtf8(t.caption);
    panel_.partCaption->setText(caption);
    panel_.canvas->setToolTip(caption);
}

void CanvasInput::openContextMenu(double x, double y, QPoint globalAt) {
    const CanvasHit hit = HitAt(ctx_.r, x, y);
    // Offered exactly when a paste would place a charge: our own copy is on
    // the system clipboard and its picture is still in the bank.
    const bool paste = overlay_.canPaste();
    for (QAction* item : {menus_.pasteOnPartAction, menus_.pasteOnFirstOrderAction,
                          menus_.pasteOnSecondOrderAction})
        item->setEnabled(paste);
    const BlazonRecord& b = ctx_.ws.CurrentBlazon;
    if (hit.part == kFirstOrderZone) {
        menus_.deleteFirstOrderAction->setText(QStringLiteral("Supprimer (") +
                                               fromUtf8(OrdinaryName(b, b.Ordinary1.Type)) +
                                               QStringLiteral(")"));
        menus_.insertArmsOnPieceAction->setEnabled(b.Ordinary1.Type == kChef ||
                                                   b.Ordinary1.Type == kEcusson);
        ctx_.messages.popup(*menus_.firstOrderPieceMenu, globalAt, menus_.deleteFirstOrderAction);
    } else if (hit.part == kSecondOrderZone) {
        const Long type = b.Ordinary2.Type;
        menus_.secondOrderLinesAction->setEnabled(type == kAdextre || type == kSenestre ||
                                                  type == kChampagne);
        menus_.deleteSecondOrderAction->setText(QStringLiteral("Supprimer (") +
                                                fromUtf8(b.Ordinary2.Name) + QStringLiteral(")"));
        ctx_.messages.popup(*menus_.secondOrderPieceMenu, globalAt, menus_.deleteSecondOrderAction);
    } else if (isFieldPart(hit.part)) {
        menus_.insertArmsOnPartAction->setEnabled(PartCanHoldBlazon(b, hit.part));
        menus_.insertArmsOnPartAction->setText(QStringLiteral("Insérer un blason pour la partie ") +
                                               QString::number(hit.part));
        PopupPart = hit.part;
        menus_.insertArmsOnPartAction->setData(hit.part);
        ctx_.messages.popup(*menus_.partMenu, globalAt, nullptr);
    }
    // A line, or any colour no part has: no menu.
}

void CanvasInput::redrawOnly() {
    ctx_.show(RedrawShield(ctx_.ws, ctx_.r));
}

bool CanvasInput::keyPressed(QKeyEvent& event) {
    // Ctrl is read from this very event: a flag kept between events would be
    // left set by a Ctrl released over another control.
    if (!(event.modifiers() & Qt::ControlModifier)) return false;
    switch (event.key()) {
        case Qt::Key_O:
            menus_.openAction->trigger();
            return true;
        case Qt::Key_N:
            menus_.newAction->trigger();
            return true;
        case Qt::Key_S:
            menus_.saveAction->trigger();
            return true;
        case Qt::Key_Q:
            if (quit) quit();
            return true;
        case Qt::Key_R:
            redrawOnly();
            return true;
        case Qt::Key_G:
            // The menu's own command, so its check mark follows.
            menus_.gridAction->trigger();
            return true;
        case Qt::Key_V:
            // The paste itself does nothing unless our own copy can be placed.
            overlay_.paste();
            return true;
        case Qt::Key_A:
            if (help) help();
            return true;
        default:
            break;
    }
    const Long partition = partitionOfKey(event);
    if (partition == 0) return false;
    // Without an undo step, unlike the toolbar's buttons.
    ctx_.show(ChoosePartition(ctx_.ws, ctx_.r, partition, UndoStep::None));
    return true;
}

}  // namespace tess
