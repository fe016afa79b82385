#include "editor/held_charge_state.h"

#include "model/canvas_size.h"

namespace tess {

bool HeldChargeState::isOffCanvas() const {
    return box_.left() > kCanvasWidth || box_.top() > kCanvasHeight ||
           box_.left() + box_.width() < 0 || box_.top() + box_.height() < 0;
}

void HeldChargeState::holdCharge(int charge, const QRectF& box, const QString& picture) {
    kind_ = Kind::Charge;
    charge_ = charge;
    box_ = box;
    picture_ = picture;
    newPicture_ = QImage();
    emit heldUp();
}

void HeldChargeState::holdPicture(const QImage& picture, const QString& path, const QRectF& box) {
    kind_ = Kind::Picture;
    charge_ = 0;
    box_ = box;
    picture_ = path;
    newPicture_ = picture;
    emit heldUp();
}

void HeldChargeState::setBox(const QRectF& box) {
    box_ = box;
    emit boxChanged();
}

void HeldChargeState::end() {
    kind_ = Kind::Nothing;
    charge_ = 0;
    picture_.clear();
    newPicture_ = QImage();
    moving_ = false;
    resizing_ = false;
    emit ended();
}

}  // namespace tess
