#include "editor/charge_overlay.h"

#include <array>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "actions/held_charge.h"
#include "actions/redraw_shield.h"
#include "dialogs/message_layer.h"
#include "dialogs/message_style.h"
#include "editor/canvas_panel.h"
#include "editor/editor_context.h"
#include "editor/editor_menus.h"
#include "editor/held_charge_view.h"
#include "editor/window_layout.h"
#include "model/canvas_size.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/renderer.h"
#include "widgets/controls.h"
#include "widgets/drag_payloads.h"
#include "widgets/picture_box.h"
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

// The overlay is never narrower than this while resized.
constexpr double kSmallestWidth = 6;
// The sizing pointer shows over the last four whole pixels of each side.
constexpr int kSizingBand = 5;
// A pasted copy and a new picture come up here.
constexpr double kFirstPlace = 2;
// The clipboard format that marks the charge number as our own copy.
constexpr const char* kOwnCopyType = "application/x-tessaline-charge";

int whole(double v) {
    return CInt(v);
}

bool anyModifier(Qt::KeyboardModifiers m) {
    return (m & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

}  // namespace

ChargeOverlay::ChargeOverlay(QWidget& window, CanvasPanel& canvasPanel,
                             const EditorContext& context)
    : QObject(&window), canvas_(*canvasPanel.canvas), canvasPanel_(canvasPanel), ctx_(context) {
    chargeOverlay = new HeldChargeView(canvas_);
    overlayFrame = makeFrame(&canvas_, "overlayFrame", Qt::black, 1);
    resizeHandle = makeLine(&canvas_, "resizeHandle", Qt::black);
    resizeHandle->resize(7, 7);
    horizontalGuide = makeLine(&canvas_, "horizontalGuide", QColor(0, 0, 255));
    verticalGuide = makeLine(&canvas_, "verticalGuide", QColor(0, 0, 255));
    horizontalGuide->setGeometry(0, 0, layout::kCanvas.width(), 1);
    verticalGuide->setGeometry(0, 0, 1, layout::kCanvas.height());

    auto* strip = makePictureBox(&window, "alignmentStrip", layout::kAlignmentStrip);
    strip->setPicture(alignmentStripImage());
    strip->hide();
    alignmentStrip = strip;

    chargeOverlay->onPress = [this](QMouseEvent& e) { pressed(e); };
    chargeOverlay->onMove = [this](QMouseEvent& e) { moved(e); };
    chargeOverlay->onRelease = [this](QMouseEvent& e) { released(e); };
    chargeOverlay->onKeyPress = [this](QKeyEvent& e) { keyPressed(e); };
    chargeOverlay->onKeyRelease = [this](QKeyEvent& e) { keyReleased(e); };
    chargeOverlay->acceptsDrop = [this](const QMimeData* d) { return acceptsDrop(d); };
    chargeOverlay->onDrop = [this](const QMimeData* d) { dropped(d); };
}

void ChargeOverlay::connectMenus(EditorMenus& menus) {
    menus_ = &menus;
    connect(menus.deleteHeldChargeAction, &QAction::triggered, this, [this] { deleteHeld(); });
    connect(menus.mirrorChargeAction, &QAction::triggered, this, [this] { mirrorHeld(); });
    connect(menus.chargeOverAllAction, &QAction::triggered, this, [this] { toggleOverAll(); });
    connect(menus.copyChargeAction, &QAction::triggered, this, [this] { copyHeld(); });
    for (QAction* a :
         {menus.pasteOnPartAction, menus.pasteOnFirstOrderAction, menus.pasteOnSecondOrderAction})
        connect(a, &QAction::triggered, this, [this] { paste(); });
}

// ---- the state ----

bool ChargeOverlay::isHolding() const {
    // Its own state, not the window's: a hidden window still holds its charge.
    return !chargeOverlay->isHidden();
}

int ChargeOverlay::heldCharge() const {
    return isHolding() ? ctx_.ws.SelectedCharge : 0;
}

bool ChargeOverlay::isOffCanvas() const {
    // Touching the canvas's edge still counts as on it.
    return box_.left() > kCanvasWidth || box_.top() > kCanvasHeight ||
           box_.left() + box_.width() < 0 || box_.top() + box_.height() < 0;
}

void ChargeOverlay::setBox(const QRectF& box) {
    box_ = box;
    placeCompanions();
}

void ChargeOverlay::end() {
    chargeOverlay->clearPicture();
    newPicture_ = QImage();
    picture.clear();
    moving = false;
    resizing = false;
    sizing_ = false;
    chargeOverlay->unsetCursor();
    for (QWidget* w : {static_cast<QWidget*>(chargeOverlay), static_cast<QWidget*>(overlayFrame),
                       static_cast<QWidget*>(resizeHandle), static_cast<QWidget*>(horizontalGuide),
                       static_cast<QWidget*>(verticalGuide), alignmentStrip})
        w->hide();
}

// ---- coming up and going ----

void ChargeOverlay::showOverlay(bool withHandle) {
    placeCompanions();
    chargeOverlay->show();
    chargeOverlay->raise();
    overlayFrame->show();
    resizeHandle->setVisible(withHandle);
    alignmentStrip->show();
    chargeOverlay->setFocus();
}

bool ChargeOverlay::pickUp(int chargeNumber) {
    if (isHolding()) return false;
    RedrawResult shown;
    if (!PickUpCharge(ctx_.ws, ctx_.r, chargeNumber, shown)) return false;
    ctx_.show(shown);
    const ChargeRecord& c = ctx_.ws.CurrentBlazon.Charges[std::size_t(chargeNumber)];
    picture = QString::fromStdString(ctx_.ws.Bank[std::size_t(c.ImageIndex)].FileName);
    box_ = QRectF(c.X, c.Y, c.Width, c.Height);
    render();
    showOverlay(true);
    return true;
}

bool ChargeOverlay::holdNewPicture(const QString& path) {
    if (isHolding() && !commitHeld()) return false;
    const QImage image = pictureFileImage(path);
    if (image.isNull()) {
        ctx_.messages.messageBox(QStringLiteral("Impossible de lire l'image %1.").arg(path),
                                 kStyleExclamation, QStringLiteral("Ajouter une image"));
        return false;
    }
    ctx_.ws.SelectedCharge = 0;
    picture = path;
    newPicture_ = image.convertToFormat(QImage::Format_ARGB32);
    box_ = QRectF(kFirstPlace, kFirstPlace, image.width(), image.height());
    render();
    showOverlay(false);
    return true;
}

bool ChargeOverlay::commitHeld() {
    if (!isHolding()) return true;
    if (throwAwayIfOffCanvas()) return true;
    const OverlayBox placed{box_.left(), box_.top(), box_.width(), box_.height(),
                            picture.toUtf8().toStdString()};
    const EditOutcome outcome = CommitHeldCharge(ctx_.ws, ctx_.r, placed);
    if (outcome) end();
    ctx_.show(outcome);
    return bool(outcome);
}

bool ChargeOverlay::throwAwayIfOffCanvas() {
    if (!isHolding() || !isOffCanvas()) return false;
    ctx_.messages.messageBox(QString::fromUtf8(kDropJokes[std::size_t(jokeIndex_)]),
                             kStyleExclamation, QStringLiteral("Meuble largué aux oubliettes"));
    jokeIndex_ = (jokeIndex_ + 1) % int(kDropJokes.size());
    deleteHeld();
    return true;
}

bool ChargeOverlay::askAboutGroup(const QString& question) {
    return ctx_.messages.messageBox(question, kStyleYesNo + kStyleQuestion,
                                    QStringLiteral("Motif")) == MessageAnswer::Yes;
}

void ChargeOverlay::deleteHeld() {
    bool wholeGroup = false;
    if (const int group = HeldChargeGroup(ctx_.ws); group != 0)
        wholeGroup = askAboutGroup(
            QStringLiteral("Ce meuble fait partie d'un motif totalisant %1 meuble(s). "
                           "Désirez-vous supprimer tous les meubles de ce motif. Sinon, "
                           "seul ce meuble sera supprimé.")
                .arg(int(ctx_.ws.Groups.Motifs[std::size_t(group)].Count)));
    const EditOutcome outcome = DeleteHeldCharge(ctx_.ws, ctx_.r, wholeGroup);
    end();
    ctx_.show(outcome);
}

// ---- the menu's commands ----

void ChargeOverlay::showMenu(QPoint globalAt) {
    if (!menus_) return;
    const int held = heldCharge();
    for (QAction* a :
         {menus_->mirrorChargeAction, menus_->chargeOverAllAction, menus_->makeGroupAction,
          menus_->copyChargeAction, menus_->chargePropertiesAction})
        a->setEnabled(held != 0);
    if (held != 0) {
        const ChargeRecord& c = ctx_.ws.CurrentBlazon.Charges[std::size_t(held)];
        menus_->chargeOverAllAction->setChecked(c.Brochant != 0);
        menus_->mirrorChargeAction->setChecked(c.Mirrored != 0);
    }
    ctx_.messages.popup(*menus_->heldChargeMenu, globalAt, menus_->deleteHeldChargeAction);
}

void ChargeOverlay::mirrorHeld() {
    const int held = heldCharge();
    if (held == 0) return;
    bool wholeGroup = false;
    if (const int group = HeldChargeGroup(ctx_.ws); group != 0)
        wholeGroup = askAboutGroup(
            QStringLiteral("Ce meuble fait partie d'un motif totalisant %1 meuble(s). "
                           "Désirez-vous inverser tous les meubles de ce motif? Sinon, seul ce "
                           "meuble sera inversé.")
                .arg(int(ctx_.ws.Groups.Motifs[std::size_t(group)].Count)));
    const EditOutcome outcome = MirrorHeldCharge(ctx_.ws, ctx_.r, wholeGroup);
    if (!outcome) return;
    ctx_.show(outcome);
    render();
}

void ChargeOverlay::toggleOverAll() {
    if (heldCharge() != 0) ctx_.show(ToggleHeldChargeOverAll(ctx_.ws, ctx_.r));
}

void ChargeOverlay::copyHeld() {
    if (heldCharge() == 0) return;
    ChargeClipboard copy = CopyHeldCharge(ctx_.ws, ctx_.r);
    if (!copy.valid) return;
    copy_ = std::move(copy);
    // Other programs see the charge's number as text; our own mark beside it
    // tells our copy from the same number put there by another program.
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(copy_.text));
    data->setData(QString::fromLatin1(kOwnCopyType), QByteArray::fromStdString(copy_.text));
    QApplication::clipboard()->setMimeData(data);
}

bool ChargeOverlay::canPaste() const {
    return CanPasteCharge(ctx_.ws, ctx_.r, copy_, ownClipboardText());
}

std::string ChargeOverlay::ownClipboardText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasText() || !data->hasFormat(QString::fromLatin1(kOwnCopyType))) return {};
    // Both must agree: a text changed under our mark is not our copy.
    const QByteArray mark = data->data(QString::fromLatin1(kOwnCopyType));
    return data->text().toUtf8() == mark ? mark.toStdString() : std::string();
}

void ChargeOverlay::paste() {
    if (!canPaste()) return;
    // What the overlay holds goes down first, by the one commit path; when
    // that is refused the paste waits rather than lose it.
    if (isHolding() && !commitHeld()) return;
    FileMessage refusal;
    const int n = PasteCharge(ctx_.ws, ctx_.r, copy_, &refusal);
    if (n == 0) {
        ctx_.messages.show(refusal);
        return;
    }
    const ChargeRecord& c = ctx_.ws.CurrentBlazon.Charges[std::size_t(n)];
    picture = QString::fromStdString(copy_.bankFileName);
    box_ = QRectF(kFirstPlace, kFirstPlace, c.Width, c.Height);
    render();
    showOverlay(true);
}

void ChargeOverlay::forgetCopy() {
    if (copy_.valid && !copy_.text.empty() && ownClipboardText() == copy_.text)
        QApplication::clipboard()->clear();
    copy_ = ChargeClipboard{};
}

void ChargeOverlay::forgetCopyOf(int bankSlot) {
    // The slot may take another picture later: a copy of the old one must not
    // paste it.
    if (copy_.valid && copy_.record.ImageIndex == bankSlot) forgetCopy();
}

// ---- drawing ----

void ChargeOverlay::render() {
    const int w = whole(box_.width()), h = whole(box_.height());
    const int held = ctx_.ws.SelectedCharge;
    if (held >= 1 && held <= kChargeCount) {
        const ChargeRecord& c = ctx_.ws.CurrentBlazon.Charges[std::size_t(held)];
        const int slot = c.ImageIndex;
        if (slot >= 1 && slot <= kImageBankSize)
            chargeOverlay->setPicture(renderHeldCharge(ctx_.r.Charges.bank(slot).mask,
                                                       ctx_.r.Charges.workingPicture(held), w, h,
                                                       c.Mirrored != 0));
    } else {
        chargeOverlay->setPicture(newPicture_);
    }
    placeCompanions();
}

void ChargeOverlay::placeCompanions() {
    const int left = whole(box_.left()), top = whole(box_.top());
    const int w = whole(box_.width()), h = whole(box_.height());
    chargeOverlay->setGeometry(left, top, std::max(w, 1), std::max(h, 1));
    overlayFrame->setGeometry(left - 1, top - 1, w + 2, h + 2);
    resizeHandle->move(left + w - 3, top + h - 3);
    horizontalGuide->move(0, top + h / 2);
    verticalGuide->move(left + w / 2, 0);
    // The canvas repaints its stored picture under the moved widgets; the
    // shield itself is not drawn again.
    canvas_.update();
}

void ChargeOverlay::showMoveCaptions() {
    const int w = whole(box_.width()), h = whole(box_.height());
    canvasPanel_.coordinateCaption->setText(
        QStringLiteral("%1; %2").arg(whole(box_.left()) + w / 2).arg(whole(box_.top()) + h / 2));
    canvasPanel_.partCaption->setText(QStringLiteral("%1 x %2").arg(h).arg(w));
}

void ChargeOverlay::showGuides(bool shown) {
    horizontalGuide->setVisible(shown);
    verticalGuide->setVisible(shown);
}

// ---- the pointer ----

void ChargeOverlay::pressed(QMouseEvent& event) {
    // Any press packs the held charge's group first: the group moves and the
    // menu's group questions walk its members up to the count.
    const int held = heldCharge();
    if (held != 0)
        if (const int group = HeldChargeGroup(ctx_.ws); group != 0) CompactMotif(ctx_.ws, group);
    if (event.button() != Qt::LeftButton) {
        showMenu(event.globalPosition().toPoint());
        return;
    }
    grabX_ = whole(event.position().x());
    grabY_ = whole(event.position().y());
    if (!sizing_) {
        moving = true;
        placeCompanions();
        showGuides(true);
        QFont bold = canvasPanel_.coordinateCaption->font();
        bold.setBold(true);
        canvasPanel_.coordinateCaption->setFont(bold);
        showMoveCaptions();
        return;
    }
    resizing = true;
    const ImageBankEntry& entry =
        ctx_.ws.Bank[std::size_t(ctx_.ws.CurrentBlazon.Charges[std::size_t(held)].ImageIndex)];
    if (entry.Width > 0)
        canvasPanel_.partCaption->setText(
            QStringLiteral("%1%").arg(whole(event.position().x() / entry.Width * 100)));
}

void ChargeOverlay::moved(QMouseEvent& event) {
    const double x = event.position().x(), y = event.position().y();
    const int held = heldCharge();
    if (moving) {
        const double dx = x - grabX_, dy = y - grabY_;
        box_.moveTo(box_.left() + dx, box_.top() + dy);
        if (held != 0 && anyModifier(event.modifiers()))
            MoveHeldChargeGroup(ctx_.ws, whole(dx), whole(dy), box_.width(), box_.height());
        placeCompanions();
        showMoveCaptions();
        return;
    }
    if (resizing && held != 0) {
        const ChargeRecord& c = ctx_.ws.CurrentBlazon.Charges[std::size_t(held)];
        const ImageBankEntry& entry = ctx_.ws.Bank[std::size_t(c.ImageIndex)];
        const double width = std::max(x, kSmallestWidth);
        if (entry.Width > 0)
            canvasPanel_.partCaption->setText(
                QStringLiteral("%1%").arg(whole(width / entry.Width * 100)));
        // The record's proportions; a damaged record without a width keeps
        // the overlay's own.
        const double ratio =
            c.Width > 0 ? double(c.Height) / double(c.Width) : box_.height() / box_.width();
        box_.setWidth(width);
        box_.setHeight(std::max(width * ratio, 1.0));
        if (anyModifier(event.modifiers()))
            MoveHeldChargeGroup(ctx_.ws, 0, 0, box_.width(), box_.height());
        render();
        return;
    }
    // Hovering: the sizing pointer over the bottom-right corner of a charge.
    const int w = whole(box_.width()), h = whole(box_.height());
    const bool sizing = held != 0 && x > w - kSizingBand && y > h - kSizingBand;
    if (sizing != sizing_) {
        sizing_ = sizing;
        if (sizing)
            chargeOverlay->setCursor(Qt::SizeFDiagCursor);
        else
            chargeOverlay->unsetCursor();
    }
}

void ChargeOverlay::released(QMouseEvent& event) {
    moving = false;
    resizing = false;
    QFont normal = canvasPanel_.coordinateCaption->font();
    normal.setBold(false);
    canvasPanel_.coordinateCaption->setFont(normal);
    if (hoverAfterRelease)
        hoverAfterRelease(chargeOverlay->mapToParent(event.position().toPoint()));
    showGuides(false);
}

// ---- the keys and the drop ----

void ChargeOverlay::keyPressed(QKeyEvent& event) {
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
            showGuides(false);
            break;
        case Qt::Key_Delete:
            deleteHeld();
            break;
        default:
            break;
    }
    if (dx != 0 || dy != 0) {
        box_.translate(dx, dy);
        showGuides(true);
        if (heldCharge() != 0 && anyModifier(event.modifiers()))
            MoveHeldChargeGroup(ctx_.ws, dx, dy, box_.width(), box_.height());
    }
    // Every key brings the frames, guides and captions in line.
    placeCompanions();
    showMoveCaptions();
}

void ChargeOverlay::keyReleased(QKeyEvent& event) {
    moving = false;
    // The group members moved along with the held charge show now.
    if (event.key() == Qt::Key_Shift) ctx_.show(RedrawShield(ctx_.ws, ctx_.r));
    showGuides(false);
}

bool ChargeOverlay::acceptsDrop(const QMimeData* data) const {
    return heldCharge() != 0 && draggedTincture(data) != 0;
}

void ChargeOverlay::dropped(const QMimeData* data) {
    const int held = heldCharge();
    const int tincture = draggedTincture(data);
    if (held == 0 || tincture == 0) return;
    // The charge is not on the shield while held: no redraw, no undo step;
    // the commit's step keeps the new tincture.
    const EditOutcome outcome = RecolourHeldCharge(ctx_.ws, ctx_.r, tincture);
    if (outcome) render();
    ctx_.show(outcome);
}

}  // namespace tess
