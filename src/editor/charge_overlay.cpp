#include "editor/charge_overlay.h"

#include <QFrame>
#include <QLabel>

#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

ChargeOverlay::ChargeOverlay(QWidget& window, QWidget& canvas) : QObject(&window), canvas_(canvas) {
    chargeOverlay = new QLabel(&canvas);
    chargeOverlay->setObjectName(QStringLiteral("chargeOverlay"));
    chargeOverlay->setScaledContents(true);
    chargeOverlay->hide();
    overlayFrame = makeFrame(&canvas, "overlayFrame", Qt::black, 1);
    resizeHandle = makeLine(&canvas, "resizeHandle", Qt::black);
    resizeHandle->resize(7, 7);
    horizontalGuide = makeLine(&canvas, "horizontalGuide", QColor(0, 0, 255));
    verticalGuide = makeLine(&canvas, "verticalGuide", QColor(0, 0, 255));
    horizontalGuide->setGeometry(0, 0, layout::kCanvas.width(), 1);
    verticalGuide->setGeometry(0, 0, 1, layout::kCanvas.height());

    auto* strip = makePictureBox(&window, "alignmentStrip", layout::kAlignmentStrip);
    strip->setPicture(alignmentStripImage());
    strip->hide();
    alignmentStrip = strip;
}

bool ChargeOverlay::isShown() const {
    return chargeOverlay->isVisible();
}

QRect ChargeOverlay::box() const {
    return chargeOverlay->geometry();
}

bool ChargeOverlay::isOffCanvas() const {
    // Touching the canvas's edge still counts as on it.
    const QRect b = box();
    return b.left() > canvas_.width() || b.top() > canvas_.height() || b.left() + b.width() < 0 ||
           b.top() + b.height() < 0;
}

void ChargeOverlay::end() {
    chargeOverlay->clear();
    picture.clear();
    moving = false;
    resizing = false;
    for (QWidget* w : {static_cast<QWidget*>(chargeOverlay), static_cast<QWidget*>(overlayFrame),
                       static_cast<QWidget*>(resizeHandle), static_cast<QWidget*>(horizontalGuide),
                       static_cast<QWidget*>(verticalGuide), alignmentStrip})
        w->hide();
}

}  // namespace tess
