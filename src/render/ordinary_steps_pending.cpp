// The pieces are not drawn yet: a present piece leaves the field as it is.
// The pieces' own drawing replaces this file.
#include "render/ordinary_steps.h"

namespace tess {

void PaintOrdinaryOptionMarks(Workspace&, Renderer&, RedrawResult&) {}
void DrawOrdinary2(Workspace&, Renderer&) {}
void DrawOrdinary1(Workspace&, Renderer&) {}
void CompositeOrdinary2(Workspace&, Renderer&) {}
void CompositeOrdinary1(Workspace&, Renderer&) {}

}  // namespace tess
