#pragma once

#include <QObject>

class QImage;
class QLabel;
class QWidget;

namespace tess {

class DocumentSession;
class PictureBox;

// The canvas that shows the drawn shield, and the two captions under it that
// tell, while the pointer hovers, its canvas coordinates and the part beneath.
class CanvasPanel : public QObject {
    Q_OBJECT
  public:
    // The canvas shows the renderer's canvas after every redraw of `session`.
    CanvasPanel(QWidget& window, const DocumentSession& session);

    void showShield(const QImage& picture);
    // The pointer left the canvas: both captions go blank.
    void clearHoverCaptions();

    PictureBox* canvas() const { return canvas_; }
    QLabel* coordinateCaption() const { return coordinateCaption_; }
    QLabel* partCaption() const { return partCaption_; }

  private:
    PictureBox* canvas_ = nullptr;
    QLabel* coordinateCaption_ = nullptr;
    QLabel* partCaption_ = nullptr;
};

}  // namespace tess
