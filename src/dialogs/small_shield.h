#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace tess {

// A shield of shape 1..7 in `fill`, scaled to fit `box` (kept upright and
// centred), on a transparent ground. Built from the program's own shield masks.
QImage shieldFigure(int shape, QSize box, QColor fill);

// The little tinctured shield at the top left of the question and wait box,
// 75 x 64 pixels.
const QImage& smallShieldPicture();

}  // namespace tess
