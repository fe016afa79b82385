#include "editor/canvas_panel.h"

#include <QLabel>

#include "editor/document_session.h"
#include "editor/window_layout.h"
#include "platform/qimage_bridge.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace tess {

CanvasPanel::CanvasPanel(QWidget& window, const DocumentSession& session) : QObject(&window) {
    canvas_ = makePictureBox(&window, "canvas", layout::kCanvas);
    canvas_->setFocusPolicy(Qt::StrongFocus);
    coordinateCaption_ =
        makeCaption(&window, "coordinateCaption", QString(), layout::kCoordinateCaption);
    partCaption_ = makeCaption(&window, "partCaption", QString(), layout::kPartCaption,
                               Qt::AlignRight | Qt::AlignVCenter);
    connect(&session, &DocumentSession::redrawn, this,
            [this, &session] { showShield(toQImage(session.r().canvas)); });
}

void CanvasPanel::showShield(const QImage& picture) {
    canvas_->setPicture(picture);
}

void CanvasPanel::clearHoverCaptions() {
    // Setting an empty text repaints; most moves find them blank already.
    if (!coordinateCaption_->text().isEmpty()) coordinateCaption_->clear();
    if (!partCaption_->text().isEmpty()) partCaption_->clear();
}

}  // namespace tess
