#include "widgets/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace tess {

int mouseButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int mouseButtonsNumber(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftNumber(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

PictureBox::PictureBox(QWidget* parent, const char* name, QSize size) : QWidget(parent) {
    setObjectName(QString::fromUtf8(name));
    resize(size);
    setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown)
        onMouseDown(mouseButtonNumber(event->button()), shiftNumber(event->modifiers()),
                    event->position().x(), event->position().y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove)
        onMouseMove(mouseButtonsNumber(event->buttons()), shiftNumber(event->modifiers()),
                    event->position().x(), event->position().y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp)
        onMouseUp(mouseButtonNumber(event->button()), shiftNumber(event->modifiers()),
                  event->position().x(), event->position().y());
    if (onClick && rect().contains(event->position().toPoint())) onClick();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onDoubleClick)
        onDoubleClick();
    else
        mousePressEvent(event);
}

}  // namespace tess
