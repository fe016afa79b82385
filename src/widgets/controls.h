#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace tess {

class PictureBox;

// The small makers every panel builds its controls with, so that captions,
// lines and frames look and behave alike across the window.

// A caption shown letter for letter (never read as markup) that keeps its
// mouse presses: they must not reach the window's free area behind it.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, QRect box,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
PictureBox* makePictureBox(QWidget* parent, const char* name, QRect box);
// A one-pixel line in `colour`, hidden, transparent to the mouse.
QFrame* makeLine(QWidget* parent, const char* name, QColor colour);
// An empty rectangle with a `width`-pixel border, hidden, transparent to the mouse.
QFrame* makeFrame(QWidget* parent, const char* name, QColor colour, int width);
void setTextColour(QWidget* w, QColor colour);
void setBackgroundColour(QWidget* w, QColor colour);

}  // namespace tess
