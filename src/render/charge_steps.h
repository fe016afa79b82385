#pragma once

#include "model/placements.h"

namespace tess {

struct Workspace;
class Renderer;

// The steps of a redraw that belong to the charges.

// Finds the part under every charge in use (its placement) on the key maps that
// hold the pieces' zones (LayKeyMaps), queueing the off-shield warnings. The
// document takes the placements through GiveChargesTheirPlacements.
ChargePlacements FindChargePlacements(Workspace& ws, Renderer& r);
// Draws the charges of one stacking layer (1, 2 or 3) on the canvas; layer 1
// also enters the charges of all three layers on the charge hit map.
void DrawChargesLayer(Workspace& ws, Renderer& r, int layer);

}  // namespace tess
