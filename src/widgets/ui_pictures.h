#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

#include "actions/redraw_result.h"
#include "model/tinctures.h"

namespace tess {

// The program's pictures as the windows show them. The stored pictures are
// the program's own; the ones a redraw marks (choosers, option pictures) or
// the colour file paints (the tincture palette) are repainted here from a
// fresh copy, by flooding their closed cells, as the redraw result says.

QImage toolbarImage();
QImage furPaletteImage();
QImage alignmentStripImage();
QImage warningImage();
QImage pieceIconImage(int type);
QIcon programIconImage();
// The intro's ten frames, in showing order.
std::vector<QImage> introFrameImages();

// A picture file the user chose (a list picture, a side file), read as the
// program reads every picture: never waiting on a pipe, never past its own
// picture, never beyond the largest picture allowed. Null when refused.
QImage pictureFileImage(const QString& path);

// The eleven swatches in the current tincture colours.
QImage tincturePaletteImage(const TinctureTable& tinctures);
// The shape chooser with shape `marked` yellow and the six others dark red.
QImage shapeChooserImage(int marked);
// The size chooser of order 1 or 2 with size `marked` (0..2, -1 none) in the
// chosen colour.
QImage sizeChooserImage(int order, int marked);
// The shift chooser with shift `marked` (0..2, -1 none) in the chosen colour.
QImage shiftChooserImage(int marked);

}  // namespace tess
