#pragma once

#include "model/records.h"
#include "model/shield_shapes.h"

namespace tess {

struct Workspace;
class Renderer;

// The shape a stored shape number is drawn as: 1..7 as they stand, anything
// else as 1 (Classique). The record keeps its value.
int drawnShape(Long shape);

// Puts the current shape's outline and mask pictures in their surfaces and
// returns the shape the shape chooser shows marked.
int SelectShieldShape(Workspace& ws, Renderer& r);
// The écusson's mask picture, of the shape the document gives it, is put in
// its surface.
void SelectPartMask(const Workspace& ws, Renderer& r);
// Cuts the canvas to the shield: parchment outside the shape, the drawing
// inside untouched.
void ApplyShieldMask(Renderer& r);

}  // namespace tess
