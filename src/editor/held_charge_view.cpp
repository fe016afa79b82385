#include "editor/held_charge_view.h"

#include <vector>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "editor/canvas_panel.h"
#include "editor/document_session.h"
#include "editor/held_charge_state.h"
#include "editor/window_layout.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "platform/surface.h"
#include "render/renderer.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace tess {

namespace {

int whole(double v) {
    return CInt(v);
}

}  // namespace

HeldChargeView::HeldChargeView(CanvasPanel& canvasPanel, const DocumentSession& session)
    : QWidget(canvasPanel.canvas()),
      canvas_(*canvasPanel.canvas()),
      canvasPanel_(canvasPanel),
      state_(session.held()),
      session_(session) {
    setObjectName(QStringLiteral("chargeOverlay"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    hide();
    overlayFrame_ = makeFrame(&canvas_, "overlayFrame", Qt::black, 1);
    resizeHandle_ = makeLine(&canvas_, "resizeHandle", Qt::black);
    resizeHandle_->resize(7, 7);
    horizontalGuide_ = makeLine(&canvas_, "horizontalGuide", QColor(0, 0, 255));
    verticalGuide_ = makeLine(&canvas_, "verticalGuide", QColor(0, 0, 255));
    horizontalGuide_->setGeometry(0, 0, layout::kCanvas.width(), 1);
    verticalGuide_->setGeometry(0, 0, 1, layout::kCanvas.height());
    connect(&state_, &HeldChargeState::heldUp, this, [this] { showUp(); });
    connect(&state_, &HeldChargeState::boxChanged, this, [this] { placeCompanions(); });
    connect(&state_, &HeldChargeState::ended, this, [this] { hideAll(); });
}

void HeldChargeView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void HeldChargeView::mousePressEvent(QMouseEvent* event) {
    if (input_) input_->pressed(*event);
    event->accept();
}

void HeldChargeView::mouseMoveEvent(QMouseEvent* event) {
    if (input_) input_->moved(*event);
    event->accept();
}

void HeldChargeView::mouseReleaseEvent(QMouseEvent* event) {
    if (input_) input_->released(*event);
    event->accept();
}

void HeldChargeView::keyPressEvent(QKeyEvent* event) {
    if (input_) input_->keyPressed(*event);
    event->accept();
}

void HeldChargeView::keyReleaseEvent(QKeyEvent* event) {
    if (input_) input_->keyReleased(*event);
    event->accept();
}

void HeldChargeView::dragEnterEvent(QDragEnterEvent* event) {
    if (input_ && input_->acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HeldChargeView::dragMoveEvent(QDragMoveEvent* event) {
    if (input_ && input_->acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HeldChargeView::dropEvent(QDropEvent* event) {
    if (!input_ || !input_->acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    input_->dropped(event->mimeData());
    event->acceptProposedAction();
}

void HeldChargeView::showUp() {
    render();
    show();
    raise();
    overlayFrame_->show();
    // Only a charge is resized; a new picture keeps the size of its file.
    resizeHandle_->setVisible(state_.heldCharge() != 0);
    setFocus();
}

void HeldChargeView::hideAll() {
    picture_ = QImage();
    update();
    unsetCursor();
    for (QWidget* w :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(overlayFrame_),
          static_cast<QWidget*>(resizeHandle_), static_cast<QWidget*>(horizontalGuide_),
          static_cast<QWidget*>(verticalGuide_)})
        w->hide();
}

void HeldChargeView::render() {
    const QRectF box = state_.box();
    const int w = whole(box.width()), h = whole(box.height());
    const int held = state_.heldCharge();
    if (held >= 1 && held <= kChargeCount) {
        const ChargeRecord& c = session_.ws().CurrentBlazon.Charges[std::size_t(held)];
        const int slot = c.ImageIndex;
        if (slot >= 1 && slot <= kImageBankSize) {
            picture_ =
                renderHeldCharge(session_.r().Charges.bank(slot).mask,
                                 session_.r().Charges.workingPicture(held), w, h, c.Mirrored != 0);
            update();
        }
    } else {
        picture_ = state_.newPicture();
        update();
    }
    placeCompanions();
}

void HeldChargeView::placeCompanions() {
    const QRectF box = state_.box();
    const int left = whole(box.left()), top = whole(box.top());
    const int w = whole(box.width()), h = whole(box.height());
    setGeometry(left, top, std::max(w, 1), std::max(h, 1));
    overlayFrame_->setGeometry(left - 1, top - 1, w + 2, h + 2);
    resizeHandle_->move(left + w - 3, top + h - 3);
    horizontalGuide_->move(0, top + h / 2);
    verticalGuide_->move(left + w / 2, 0);
    // The canvas repaints its stored picture under the moved widgets; the
    // shield itself is not drawn again.
    canvas_.update();
}

void HeldChargeView::showGuides(bool shown) {
    horizontalGuide_->setVisible(shown);
    verticalGuide_->setVisible(shown);
}

void HeldChargeView::showMoveCaptions() {
    const QRectF box = state_.box();
    const int w = whole(box.width()), h = whole(box.height());
    canvasPanel_.coordinateCaption()->setText(
        QStringLiteral("%1; %2").arg(whole(box.left()) + w / 2).arg(whole(box.top()) + h / 2));
    canvasPanel_.partCaption()->setText(QStringLiteral("%1 x %2").arg(h).arg(w));
}

void HeldChargeView::showSizeShare(int percent) {
    canvasPanel_.partCaption()->setText(QStringLiteral("%1%").arg(percent));
}

void HeldChargeView::setCaptionBold(bool bold) {
    QLabel* caption = canvasPanel_.coordinateCaption();
    QFont font = caption->font();
    font.setBold(bold);
    caption->setFont(font);
}

void HeldChargeView::setSizingCursor(bool sizing) {
    if (sizing)
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

QImage renderHeldCharge(const Surface& mask, const Surface& working, int width, int height,
                        bool mirrored) {
    if (mask.empty() || working.empty() || width <= 0 || height <= 0) return {};
    const int bw = std::min(mask.width(), working.width());
    const int bh = std::min(mask.height(), working.height());
    QImage out(width, height, QImage::Format_ARGB32);
    // The source column of every destination column, worked out once: a
    // stretch without smoothing takes the nearest source pixel at or before.
    std::vector<int> column(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        const int dx = mirrored ? width - 1 - x : x;
        column[std::size_t(x)] = int(std::int64_t(dx) * bw / width);
    }
    for (int y = 0; y < height; ++y) {
        const int sy = int(std::int64_t(y) * bh / height);
        const Colour* m = mask.row(sy);
        const Colour* w = working.row(sy);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int sx = column[std::size_t(x)];
            // The mask is black on the figure: there the working picture
            // shows; elsewhere the AND and the XOR of black leave the canvas.
            if ((m[sx] & 0xFFFFFFu) != 0) {
                line[x] = 0;
                continue;
            }
            const Colour c = w[sx];
            line[x] = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
        }
    }
    return out;
}

}  // namespace tess
