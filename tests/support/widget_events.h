#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

// What the window tests look for and send: a child by its object name, and
// mouse events as the platform sends them to a widget.

// The child of `parent` named `name`; the test stops when there is none.
template <class T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no child %s", name);
    return found;
}

// One mouse event at `at` in the target's pixels: the button that changed
// and the buttons held after it.
inline void sendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent e(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

// A press and its release at the same point.
inline void click(QWidget* target, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(target, QEvent::MouseButtonPress, at, button, button);
    sendMouse(target, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

// A charge picture: a figure of `colour` on a white ground with a two-pixel
// white edge, written to `path`; false when it cannot be written.
inline bool writeFigure(const QString& path, int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < height - 2; ++y)
        for (int x = 2; x < width - 2; ++x) image.setPixel(x, y, colour);
    return image.save(path);
}
