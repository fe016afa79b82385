#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace tess {

// The overlay that carries a charge while it is held: the charge's picture
// over the canvas, its frame, the resize handle at its corner, the two guide
// lines through it and the alignment strip beside the canvas. Its positions
// are canvas pixels (the overlay's widgets are children of the canvas).
class ChargeOverlay : public QObject {
    Q_OBJECT
  public:
    ChargeOverlay(QWidget& window, QWidget& canvas);

    bool isShown() const;
    // The overlay's place and size on the canvas.
    QRect box() const;
    // Wholly outside the canvas: the charge has been thrown off the shield.
    bool isOffCanvas() const;
    // Everything hidden and the picture dropped.
    void end();

    QLabel* chargeOverlay = nullptr;
    QFrame* overlayFrame = nullptr;
    QFrame* resizeHandle = nullptr;
    QFrame* horizontalGuide = nullptr;
    QFrame* verticalGuide = nullptr;
    QWidget* alignmentStrip = nullptr;
    // The overlay's picture: its path or its file name.
    QString picture;
    // What a press on the overlay started.
    bool moving = false;
    bool resizing = false;

  private:
    QWidget& canvas_;
};

}  // namespace tess
