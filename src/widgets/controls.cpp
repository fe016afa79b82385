#include "widgets/controls.h"

#include <QFrame>
#include <QLabel>

#include "widgets/picture_box.h"

namespace tess {

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, QRect box,
                    Qt::Alignment align) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(box);
    label->setAlignment(align);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

PictureBox* makePictureBox(QWidget* parent, const char* name, QRect box) {
    auto* p = new PictureBox(parent, name, box.size());
    p->move(box.topLeft());
    return p;
}

QFrame* makeLine(QWidget* parent, const char* name, QColor colour) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(name));
    setBackgroundColour(f, colour);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

QFrame* makeFrame(QWidget* parent, const char* name, QColor colour, int width) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setStyleSheet(QStringLiteral("QFrame#%1 { border: %2px solid %3; background: transparent; }")
                         .arg(QString::fromUtf8(name))
                         .arg(width)
                         .arg(colour.name()));
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

void setTextColour(QWidget* w, QColor colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

void setBackgroundColour(QWidget* w, QColor colour) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

}  // namespace tess
