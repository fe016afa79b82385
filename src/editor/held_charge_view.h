#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

class QMimeData;

namespace tess {

class Surface;

// The held charge's picture over the canvas: a child of the canvas, clear
// outside the figure so the shield shows through, that hands its pointer, key
// and drop events to the overlay panel. It changes nothing itself.
class HeldChargeView : public QWidget {
    Q_OBJECT
  public:
    explicit HeldChargeView(QWidget& canvas);

    void setPicture(QImage picture);
    const QImage& picture() const { return picture_; }
    void clearPicture();

    std::function<void(QMouseEvent&)> onPress;
    std::function<void(QMouseEvent&)> onMove;
    std::function<void(QMouseEvent&)> onRelease;
    std::function<void(QKeyEvent&)> onKeyPress;
    std::function<void(QKeyEvent&)> onKeyRelease;
    // Whether a drag with this payload may be dropped here; then the drop.
    std::function<bool(const QMimeData*)> acceptsDrop;
    std::function<void(const QMimeData*)> onDrop;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QImage picture_;
};

// The held charge as the overlay shows it, `width` x `height`: the bank mask
// (black figure on white) ANDed over what lies beneath, then the working
// picture (figure on black) XORed on, both stretched from the whole bank
// picture without smoothing, flipped left to right when mirrored. Over the
// canvas that leaves the figure in the working picture's colours and the
// pixels beneath unchanged elsewhere, so the result is the figure on a clear
// background. Empty when either picture is empty or the size is not positive.
QImage renderHeldCharge(const Surface& mask, const Surface& working, int width, int height,
                        bool mirrored);

}  // namespace tess
