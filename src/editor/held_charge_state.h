#pragma once

#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>

namespace tess {

class HeldChargeTool;

// What the overlay holds over the canvas, and nothing else: a charge taken off
// the shield (the record it was picked up from stays in the document, out of
// use, until the commit), or a picture of the list not yet placed; its box in
// canvas pixels, its picture's name, and what a press on it started. Every
// reader asks here; only the held-charge tool writes, so the overlay, the
// menus and the undo never disagree about what is held.
class HeldChargeState : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Something is up: a charge or a new picture.
    bool isHolding() const { return kind_ != Kind::Nothing; }
    // The record the held charge was picked up from, 0 for a new picture or nothing.
    int heldCharge() const { return kind_ == Kind::Charge ? charge_ : 0; }
    // The overlay's place and size; the last box stays after the overlay ends,
    // for the captions that still name it.
    QRectF box() const { return box_; }
    // The bank picture's file name, or the path of a new picture.
    const QString& picture() const { return picture_; }
    // A new picture as read from its file; empty while a charge is held.
    const QImage& newPicture() const { return newPicture_; }
    bool isMoving() const { return moving_; }
    bool isResizing() const { return resizing_; }
    // Wholly outside the canvas: the charge has been thrown off the shield.
    // Touching the canvas's edge still counts as on it.
    bool isOffCanvas() const;

  signals:
    // A charge or a new picture came up.
    void heldUp();
    void boxChanged();
    // The overlay ended: nothing is held any more.
    void ended();

  private:
    friend class HeldChargeTool;
    enum class Kind { Nothing, Charge, Picture };

    void holdCharge(int charge, const QRectF& box, const QString& picture);
    void holdPicture(const QImage& picture, const QString& path, const QRectF& box);
    void setBox(const QRectF& box);
    void setMoving(bool moving) { moving_ = moving; }
    void setResizing(bool resizing) { resizing_ = resizing; }
    void end();

    Kind kind_ = Kind::Nothing;
    int charge_ = 0;
    QRectF box_;
    QString picture_;
    QImage newPicture_;
    bool moving_ = false;
    bool resizing_ = false;
};

}  // namespace tess
