#include "editor/held_charge_tool.h"

#include <array>

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "actions/charge_edits.h"
#include "actions/charge_group_moves.h"
#include "actions/charge_placing.h"
#include "actions/held_charge.h"
#include "actions/redraw_shield.h"
#include "dialogs/message_layer.h"
#include "dialogs/message_style.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/renderer.h"
#include "widgets/drag_payloads.h"
#include "widgets/ui_pictures.h"

namespace tess {

namespace {

// The texts shown when a held charge is thrown off the shield, in turn.
constexpr std::array<const char*, 6> kDropJokes = {
    "Comment pensez-vous meubler votre appartement si vous lancez tous vos meubles par la "
    "fenêtre?",
    "J'osais pas vous le dire, mais ce dessin était tout à fait ridicule.",
    "Avoir su, j'aurais inclu une petite poubelle laide à la MacIntosh!",
    "Pas de craintes, j'ai plein de petits octets de mémoire pour gérer vos incertitudes.",
    "Comme un enfant de 3 ans, dites 'Tata' à votre caca!",
    "Une chance que les côtés du blason ne sont pas d'affreuses lames tranchantes car nous "
    "aurions mangé du brin de meuble... "};

constexpr const char* kDeleteGroupQuestion =
    "Ce meuble fait partie d'un motif totalisant %1 meuble(s). Désirez-vous supprimer tous les "
    "meubles de ce motif. Sinon, seul ce meuble sera supprimé.";

// The overlay is never narrower than this while resized.
constexpr double kSmallestWidth = 6;
// The sizing pointer shows over the last four whole pixels of each side.
constexpr int kSizingBand = 5;
// A new picture comes up here.
constexpr double kFirstPlace = 2;

int whole(double v) {
    return CInt(v);
}

bool anyModifier(Qt::KeyboardModifiers m) {
    return (m & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

}  // namespace

bool askAboutHeldGroup(const DocumentSession& session, const char* question) {
    const int group = HeldChargeGroup(session.ws());
    if (group == 0) return false;
    const int count = int(session.ws().Groups.Motifs[std::size_t(group)].Count);
    return session.messages().messageBox(QString::fromUtf8(question).arg(count),
                                         kStyleYesNo + kStyleQuestion,
                                         QStringLiteral("Motif")) == MessageAnswer::Yes;
}

HeldChargeTool::HeldChargeTool(HeldChargeView& view, DocumentSession& session)
    : QObject(&view), state_(session.held()), view_(view), session_(session) {
    view_.setInput(this);
    // A new or opened document leaves nothing held.
    connect(&session_, &DocumentSession::heldChargeCleared, this, [this] { end(); });
}

// ---- coming up and going ----

bool HeldChargeTool::pickUp(int chargeNumber) {
    if (state_.isHolding()) return false;
    RedrawResult shown;
    if (!PickUpCharge(session_.ws(), session_.r(), chargeNumber, shown)) return false;
    session_.show(shown);
    const ChargeRecord& c = session_.ws().CurrentBlazon.Charges[std::size_t(chargeNumber)];
    holdTakenCharge(chargeNumber, QRectF(c.X, c.Y, c.Width, c.Height),
                    QString::fromStdString(session_.ws().Bank[std::size_t(c.ImageIndex)].FileName));
    return true;
}

void HeldChargeTool::holdTakenCharge(int chargeNumber, const QRectF& box, const QString& picture) {
    state_.holdCharge(chargeNumber, box, picture);
}

bool HeldChargeTool::holdNewPicture(const QString& path) {
    if (state_.isHolding() && !commitHeld()) return false;
    const QImage image = pictureFileImage(path);
    if (image.isNull()) {
        session_.messages().messageBox(QStringLiteral("Impossible de lire l'image %1.").arg(path),
                                       kStyleExclamation, QStringLiteral("Ajouter une image"));
        return false;
    }
    holdPicture(image.convertToFormat(QImage::Format_ARGB32), path,
                QRectF(kFirstPlace, kFirstPlace, image.width(), image.height()));
    return true;
}

void HeldChargeTool::holdPicture(const QImage& picture, const QString& path, const QRectF& box) {
    state_.holdPicture(picture, path, box);
}

bool HeldChargeTool::commitHeld() {
    if (!state_.isHolding()) return true;
    if (throwAwayIfOffCanvas()) return true;
    const QRectF box = state_.box();
    const OverlayBox placed{box.left(), box.top(), box.width(), box.height(),
                            state_.picture().toUtf8().toStdString()};
    RedrawResult shown;
    if (!CommitHeldCharge(session_.ws(), session_.r(), placed, shown)) return false;
    end();
    session_.show(shown);
    return true;
}

bool HeldChargeTool::throwAwayIfOffCanvas() {
    if (!state_.isHolding() || !state_.isOffCanvas()) return false;
    session_.messages().messageBox(QString::fromUtf8(kDropJokes[std::size_t(jokeIndex_)]),
                                   kStyleExclamation,
                                   QStringLiteral("Meuble largué aux oubliettes"));
    jokeIndex_ = (jokeIndex_ + 1) % int(kDropJokes.size());
    deleteHeld();
    return true;
}

void HeldChargeTool::deleteHeld() {
    const bool wholeGroup = askAboutHeldGroup(session_, kDeleteGroupQuestion);
    bool changed = false;
    const RedrawResult shown = DeleteHeldCharge(session_.ws(), session_.r(), wholeGroup, &changed);
    end();
    if (changed) session_.show(shown);
}

void HeldChargeTool::setBox(const QRectF& box) {
    state_.setBox(box);
}

void HeldChargeTool::stopDragging() {
    state_.setMoving(false);
    state_.setResizing(false);
}

void HeldChargeTool::end() {
    sizing_ = false;
    state_.end();
}

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
        state_.setBox(box);
        if (held != 0 && anyModifier(event.modifiers()))
            MoveHeldChargeGroup(session_.ws(), whole(dx), whole(dy), box.width(), box.height());
        view_.placeCompanions();
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
    if (anyModifier(event.modifiers()))
        MoveHeldChargeGroup(session_.ws(), 0, 0, box.width(), box.height());
    view_.render();
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
    if (dx != 0 || dy != 0) {
        const QRectF box = state_.box().translated(dx, dy);
        state_.setBox(box);
        view_.showGuides(true);
        if (state_.heldCharge() != 0 && anyModifier(event.modifiers()))
            MoveHeldChargeGroup(session_.ws(), dx, dy, box.width(), box.height());
    }
    // Every key brings the frames, guides and captions in line.
    view_.placeCompanions();
    view_.showMoveCaptions();
}

void HeldChargeTool::keyReleased(QKeyEvent& event) {
    state_.setMoving(false);
    // The group members moved along with the held charge show now.
    if (event.key() == Qt::Key_Shift) session_.show(RedrawShield(session_.ws(), session_.r()));
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
    if (SetChargeTincture(session_.ws(), session_.r().Charges, held, tincture)) view_.render();
}

}  // namespace tess
