#include "editor/canvas_panel.h"

#include <QLabel>

#include "editor/window_layout.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace tess {

CanvasPanel::CanvasPanel(QWidget& window) : QObject(&window) {
    canvas = makePictureBox(&window, "canvas", layout::kCanvas);
    canvas->setFocusPolicy(Qt::StrongFocus);
    coordinateCaption =
        makeCaption(&window, "coordinateCaption", QString(), layout::kCoordinateCaption);
    partCaption = makeCaption(&window, "partCaption", QString(), layout::kPartCaption,
                              Qt::AlignRight | Qt::AlignVCenter);
}

void CanvasPanel::showShield(const QImage& picture) {
    canvas->setPicture(picture);
}

void CanvasPanel::clearHoverCaptions() {
    // Setting an empty text repaints; most moves find them blank already.
    if (!coordinateCaption->text().isEmpty()) coordinateCaption->clear();
    if (!partCaption->text().isEmpty()) partCaption->clear();
}

}  // namespace tess
