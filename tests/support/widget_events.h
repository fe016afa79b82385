#pragma once

#include <source_location>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QString>
#include <QTest>
#include <QWidget>

// What the window tests look for and send: a child by its object name, and
// mouse events as the platform sends them to a widget.

// What a test asked for and the window lacks fails that test, naming it at
// the line that asked; the other tests of the program still run. A test
// function cannot be left from a helper (an exception ends the whole run), so
// the helper hands back a stand-in that belongs to nothing and is never shown:
// what the test does with it reaches no window, and its next check ends it.
// The stand-in is made only once the test has failed and is left to the end
// of the run.
template <class T>
T* missing(const char* what, const char* name, const std::source_location& at) {
    const QString message =
        QStringLiteral("no %1 %2").arg(QLatin1String(what), QLatin1String(name));
    QTest::qFail(qPrintable(message), at.file_name(), int(at.line()));
    return new T;
}

// The child of `parent` named `name`; the test fails when there is none.
template <class T>
T* child(QWidget& parent, const char* name,
         const std::source_location& at = std::source_location::current()) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    return found ? found : missing<T>("child", name, at);
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
// white edge, written to `path` in `format` (by default, the one its name
// says); false when it cannot be written.
inline bool writeFigure(const QString& path, int width, int height, QRgb colour,
                        const char* format = nullptr) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 2; y < height - 2; ++y)
        for (int x = 2; x < width - 2; ++x) image.setPixel(x, y, colour);
    return image.save(path, format);
}
