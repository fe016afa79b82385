#pragma once

#include "model/records.h"

namespace tess {

struct Workspace;
class Renderer;

inline constexpr int kShapeCount = 7;

// The shape a stored shape number is drawn as: 1..7 as they stand, anything
// else as 1 (Classique). The record keeps its value.
int drawnShape(Long shape);

// Puts the current shape's outline and mask pictures in their surfaces and
// returns the shape the shape chooser shows marked.
int SelectShieldShape(Workspace& ws, Renderer& r);
// The écusson follows the shield's shape unless part 7 holds an inserted coat
// of arms (which keeps the shape it was saved with); its mask picture is put in
// its surface.
void SelectPartMask(Workspace& ws, Renderer& r);
// Cuts the canvas to the shield: parchment outside the shape, the drawing
// inside untouched.
void ApplyShieldMask(Renderer& r);

}  // namespace tess
