// What the person does on the held charge itself: the presses, moves and
// releases (move, resize, the group along with a modifier key), the keys and
// a tincture dropped on it.
#include "editor/held_charge_tool.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "actions/charge_edits.h"
#include "actions/charge_group_moves.h"
#include "actions/charge_placing.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "platform/rounding.h"
#include "widgets/drag_payloads.h"

namespace tess {

namespace {

// The overlay is never narrower than this while resized.
constexpr double kSmallestWidth = 6;
// The sizing pointer shows over the last four whole pixels of each side.
constexpr int kSizingBand = 5;

int whole(double v) {
    return CInt(v);
}

bool anyModifier(Qt::KeyboardModifiers m) {
    return (m & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

}  // namespace

// ---- the pointer ----

void HeldChargeTool::pressed(QMouseEvent& event) {
    // Any press packs the held charge's group first: the group moves and the
    // menu's group questions walk its members up to the count.
    const int held = state_.heldCharge();
    if (held != 0) CompactHeldChargeGroup(session_.ws());
    if (event.button() != Qt::LeftButton) {
        emit menuRequested(event.globalPosition().toPoint());
        return;
    }
    grabX_ = whole(event.position().x());
    grabY_ = whole(event.position().y());
    if (!sizing_) {
        state_.setMoving(true);
        view_.placeCompanions();
        view_.showGuides(true);
        view_.setCaptionBold(true);
        view_.showMoveCaptions();
        return;
    }
    state_.setResizing(true);
    const ImageBankEntry& entry =
        session_.ws()
            .Bank[std::size_t(session_.ws().CurrentBlazon.Charges[std::size_t(held)].ImageIndex)];
    if (entry.Width > 0) view_.showSizeShare(whole(event.position().x() / entry.Width * 100));
}

void HeldChargeTool::moved(QMouseEvent& event) {
    const double x = event.position().x(), y = event.position().y();
    const int held = state_.heldCharge();
    if (state_.isMoving()) {
        const double dx = x - grabX_, dy = y - grabY_;
        QRectF box = state_.box();
        box.moveTo(box.left() + dx, box.top() + dy);
        // The new box places the companions.
        state_.setBox(box);
        if (held != 0 && anyModifier(event.modifiers())) moveGroup(whole(dx), whole(dy), box);
        view_.showMoveCaptions();
        return;
    }
    if (state_.isResizing() && held != 0) {
        resize(event, held);
        return;
    }
    // Hovering: the sizing pointer over the bottom-right corner of a charge.
    const QRectF box = state_.box();
    const int w = whole(box.width()), h = whole(box.height());
    const bool sizing = held != 0 && x > w - kSizingBand && y > h - kSizingBand;
    if (sizing != sizing_) {
        sizing_ = sizing;
        view_.setSizingCursor(sizing);
    }
}

void HeldChargeTool::resize(const QMouseEvent& event, int held) {
    const ChargeRecord& c = session_.ws().CurrentBlazon.Charges[std::size_t(held)];
    const ImageBankEntry& entry = session_.ws().Bank[std::size_t(c.ImageIndex)];
    const double width = std::max(event.position().x(), kSmallestWidth);
    if (entry.Width > 0) view_.showSizeShare(whole(width / entry.Width * 100));
    // The record's proportions; a damaged record without a width keeps the
    // overlay's own.
    QRectF box = state_.box();
    const double ratio =
        c.Width > 0 ? double(c.Height) / double(c.Width) : box.height() / box.width();
    box.setWidth(width);
    box.setHeight(std::max(width * ratio, 1.0));
    state_.setBox(box);
    if (anyModifier(event.modifiers())) moveGroup(0, 0, box);
    view_.render();
}

// The members move in the document without a redraw (they show when the key
// is let go or the charge is put down), but the title says at once that the
// document changed, whichever modifier key is held.
void HeldChargeTool::moveGroup(int dx, int dy, const QRectF& box) {
    MoveHeldChargeGroup(session_.ws(), dx, dy, box.width(), box.height());
    session_.showTitle();
}

void HeldChargeTool::released(QMouseEvent& event) {
    stopDragging();
    view_.setCaptionBold(false);
    emit releasedAt(view_.mapToParent(event.position().toPoint()));
    view_.showGuides(false);
}

// ---- the keys and the drop ----

void HeldChargeTool::keyPressed(QKeyEvent& event) {
    int dx = 0, dy = 0;
    switch (event.key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commitHeld();
            view_.showGuides(false);
            break;
        case Qt::Key_Delete:
            deleteHeld();
            break;
        default:
            break;
    }
    // Every key brings the frames, guides and captions in line (a new box
    // places the companions).
    if (dx != 0 || dy != 0) {
        const QRectF box = state_.box().translated(dx, dy);
        state_.setBox(box);
        view_.showGuides(true);
        if (state_.heldCharge() != 0 && anyModifier(event.modifiers())) moveGroup(dx, dy, box);
    } else {
        view_.placeCompanions();
    }
    view_.showMoveCaptions();
}

void HeldChargeTool::keyReleased(QKeyEvent& event) {
    state_.setMoving(false);
    // The group members moved along with the held charge show now.
    if (event.key() == Qt::Key_Shift) session_.redraw();
    view_.showGuides(false);
}

bool HeldChargeTool::acceptsDrop(const QMimeData* data) const {
    return state_.heldCharge() != 0 && draggedTincture(data) != 0;
}

void HeldChargeTool::dropped(const QMimeData* data) {
    const int held = state_.heldCharge();
    const int tincture = draggedTincture(data);
    if (held == 0 || tincture == 0) return;
    // The charge is not on the shield while held: no redraw, no undo step;
    // the commit's step keeps the new tincture.
    const EditOutcome outcome = RecolourHeldCharge(session_.ws(), session_.r(), tincture);
    if (outcome) view_.render();
    session_.show(outcome);
}

}  // namespace tess
