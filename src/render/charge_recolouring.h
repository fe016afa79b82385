#pragma once

#include "model/records.h"
#include "platform/surface.h"
#include "render/charge_surfaces.h"

namespace tess {

struct Workspace;

// Builds the charge's four layers from its bank picture and paints its working
// picture in the charge's tincture (Or when it has none; the record keeps -1).
// The bank picture's pixels in the current (or factory) colour of its own
// tincture are the recolourable field; every other figure pixel keeps its
// colour. A charge
// without a usable bank picture loses its layers and is not drawn.
void PrepareChargeLayers(Workspace& ws, ChargeSurfaces& surfaces, int charge);

// Sets the charge's tincture and repaints the piece of its figure that holds
// the seed (the first recolourable pixel) in that tincture's current colour,
// then recomposes the working picture. The piece is found by figure membership
// on the bank mask, not by colour, so black figures recolour too. Layers made
// for another picture are prepared afresh instead. Tinctures outside 1..11 are
// refused (false, nothing changed).
bool RetintCharge(Workspace& ws, ChargeSurfaces& surfaces, int charge, int tincture);

// Releases one charge's layers (a deleted charge); the others are untouched.
void ReleaseChargeLayers(ChargeSurfaces& surfaces, int charge);

// What the layers of a charge would be tagged with if prepared now.
ChargeLayersTag currentLayersTag(const Workspace& ws, const ChargeSurfaces& surfaces, int charge);

// Prepares the charge again when its layers were made for another picture,
// tincture or colour than its record now names. True when it can be drawn.
bool refreshChargeLayers(Workspace& ws, ChargeSurfaces& surfaces, int charge);

// Every pixel equal to `from` in columns 0..width-1, rows 0..height-1 becomes `to`.
void ReplaceColour(Surface& surface, Colour from, Colour to, int height, int width);

}  // namespace tess
