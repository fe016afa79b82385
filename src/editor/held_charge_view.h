#pragma once

#include <QImage>
#include <QWidget>

class QFrame;
class QMimeData;

namespace tess {

class DocumentSession;
class CanvasPanel;
class HeldChargeState;
class Surface;

// What the held charge's pointer, keys and drops go to: the held-charge tool.
class HeldChargeInput {
  public:
    virtual void pressed(QMouseEvent& event) = 0;
    virtual void moved(QMouseEvent& event) = 0;
    virtual void released(QMouseEvent& event) = 0;
    virtual void keyPressed(QKeyEvent& event) = 0;
    virtual void keyReleased(QKeyEvent& event) = 0;
    // Whether a drag with this payload may be dropped here; then the drop.
    virtual bool acceptsDrop(const QMimeData* data) const = 0;
    virtual void dropped(const QMimeData* data) = 0;

  protected:
    ~HeldChargeInput() = default;
};

// The held charge as the canvas shows it: its picture (a child of the canvas,
// clear outside the figure so the shield shows through), the frame round it,
// the resize handle at its corner, the two guide lines through its middle and,
// while it moves, its centre and size in the captions under the canvas. It
// follows the held-charge state and changes nothing: its pointer, key and drop
// events go to the held-charge tool. While the charge moves the shield is
// not redrawn: only the canvas repaints its stored picture under the widgets.
class HeldChargeView : public QWidget {
    Q_OBJECT
  public:
    HeldChargeView(CanvasPanel& canvasPanel, const DocumentSession& session);

    // Where the pointer, key and drop events go; none: they are only accepted.
    void setInput(HeldChargeInput* input) { input_ = input; }

    const QImage& picture() const { return picture_; }
    QFrame* overlayFrame() const { return overlayFrame_; }
    QFrame* resizeHandle() const { return resizeHandle_; }
    QFrame* horizontalGuide() const { return horizontalGuide_; }
    QFrame* verticalGuide() const { return verticalGuide_; }

    // The held picture drawn again at the box's size: the charge's working
    // picture through its mask (mirrored when the record is), or the new
    // picture as read; then the companions in line with it.
    void render();
    // The picture, frame, handle and guides moved to the box.
    void placeCompanions();
    void showGuides(bool shown);
    // The box's centre and its height by width in the captions.
    void showMoveCaptions();
    // The resize's width as a share of the bank picture's.
    void showSizeShare(int percent);
    // The coordinates caption in bold while a press moves the charge.
    void setCaptionBold(bool bold);
    // The sizing pointer over the bottom-right corner.
    void setSizingCursor(bool sizing);

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
    void showUp();
    void hideAll();

    QWidget& canvas_;
    CanvasPanel& canvasPanel_;
    const HeldChargeState& state_;
    const DocumentSession& session_;
    HeldChargeInput* input_ = nullptr;
    QImage picture_;
    QFrame* overlayFrame_ = nullptr;
    QFrame* resizeHandle_ = nullptr;
    QFrame* horizontalGuide_ = nullptr;
    QFrame* verticalGuide_ = nullptr;
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
