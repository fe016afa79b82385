#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

namespace tess {

// A painted control: shows its picture at its top-left corner and hands its
// mouse events to the window's handlers in its own pixel coordinates. The
// handlers get (button, shift, x, y) with the buttons and modifier keys
// numbered as the handlers read them: 1 left, 2 right, 4 middle; 1 Shift,
// 2 Ctrl, 4 Alt.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    using MouseHandler = std::function<void(int button, int shift, double x, double y)>;

    explicit PictureBox(QWidget* parent, const char* name, QSize size);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // The drag sources carry their value here as decimal text.
    QString Tag;

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    std::function<void()> onDoubleClick;
    std::function<void()> onClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
};

int mouseButtonNumber(Qt::MouseButton button);
int mouseButtonsNumber(Qt::MouseButtons buttons);
int shiftNumber(Qt::KeyboardModifiers modifiers);

}  // namespace tess
