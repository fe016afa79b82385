#include "editor/held_charge_view.h"

#include <vector>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/surface.h"

namespace tess {

HeldChargeView::HeldChargeView(QWidget& canvas) : QWidget(&canvas) {
    setObjectName(QStringLiteral("chargeOverlay"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    hide();
}

void HeldChargeView::setPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void HeldChargeView::clearPicture() {
    picture_ = QImage();
    update();
}

void HeldChargeView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void HeldChargeView::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(*event);
    event->accept();
}

void HeldChargeView::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(*event);
    event->accept();
}

void HeldChargeView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(*event);
    event->accept();
}

void HeldChargeView::keyPressEvent(QKeyEvent* event) {
    if (onKeyPress) onKeyPress(*event);
    event->accept();
}

void HeldChargeView::keyReleaseEvent(QKeyEvent* event) {
    if (onKeyRelease) onKeyRelease(*event);
    event->accept();
}

void HeldChargeView::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDrop && acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HeldChargeView::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsDrop && acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HeldChargeView::dropEvent(QDropEvent* event) {
    if (!acceptsDrop || !acceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    if (onDrop) onDrop(event->mimeData());
    event->acceptProposedAction();
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
