#include "editor/held_charge_tool.h"

#include <array>

#include "actions/charge_edits.h"
#include "actions/held_charge.h"
#include "dialogs/message_layer.h"
#include "dialogs/message_style.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "model/workspace.h"
#include "render/renderer.h"
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

// A new picture comes up here.
constexpr double kFirstPlace = 2;

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
    const EditOutcome outcome = CommitHeldCharge(session_.ws(), session_.r(), placed);
    // A refused charge stays held, so nothing is lost; a refused new picture
    // is let go, still in the picture list.
    if (outcome || state_.heldCharge() == 0) end();
    session_.show(outcome);
    return bool(outcome);
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
    const EditOutcome outcome = DeleteHeldCharge(session_.ws(), session_.r(), wholeGroup);
    end();
    session_.show(outcome);
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

}  // namespace tess
