#pragma once

#include <QColor>
#include <QImage>

#include "model/tincture_table.h"

namespace tess {

// The pictures the main window's painted controls show. Only their cell
// geometry binds (the handlers find cells by fixed pixel ranges); the drawings
// themselves are ours.

inline constexpr QSize kToolbarSize(640, 40);
inline constexpr QSize kShapeChooserSize(45, 98);
inline constexpr QSize kSizeChooserSize(28, 63);
inline constexpr QSize kDeportSize(28, 58);
inline constexpr QSize kCenteringSize(20, 304);
inline constexpr QSize kTincturePaletteSize(40, 127);
inline constexpr QSize kFurPaletteSize(50, 85);
inline constexpr QSize kWarningIconSize(24, 24);
inline constexpr QSize kUserFurSwatchSize(22, 22);

// The toolbar: five file buttons, undo, sixteen partitions and help.
const QImage& toolbarPicture();

// The seven shield shapes in their cells, shape `marked` in yellow and the
// others dark red (the shape chooser after a redraw).
QImage shapeChooserPicture(int marked);

// The three size bands (entière, diminuée, en filet) in `colour`, band
// `marked` (0..2, -1 none) in `markColour`.
QImage sizeChooserPicture(QColor colour, QColor markColour, int marked);

// The three shift bands (towards dexter or chief, normal, towards sinister or base).
const QImage& deportPicture();

// The alignment strip: seven horizontal then six vertical cells.
const QImage& centeringPicture();

// The eleven tinctures in their current colours, two columns.
QImage tincturePalettePicture(const TinctureTable& tinctures);

// The eight built-in furs, two columns of four.
const QImage& furPalettePicture();

// The warning sign shown while the rule of tinctures is broken.
const QImage& warningIconPicture();

// Small icon 1..22 of the honourable-piece list.
QImage pieceIcon(int icon);

}  // namespace tess
