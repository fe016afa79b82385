#pragma once

#include <vector>

#include "model/placements.h"
#include "platform/surface.h"
#include "render/hit_boxes.h"
#include "render/row_runs.h"

namespace tess {

struct Workspace;
class ChargeSurfaces;

// The two key maps a charge's place is read from: the field's parts with the
// second-order piece's zone, and the field's parts with the first-order
// piece's zone. Both are 265 x 340; a point off them matches no key colour.
struct PlacementMaps {
    const Surface& partMap;
    const Surface& ordinaryMap;
    bool firstOrderPresent = false;
};

// The placement of a box (left x, top y, width w, height h) from nine samples:
// its four corners and centre on each map, the top-left one found by walking
// down the left edge (diagonally right while the box starts left of the
// canvas) until it reaches the map. A charge set over everything is 9 without
// sampling. Queues the off-shield warning (kind 7) for `charge` when three of
// the five points are off the canvas.
int SampleChargeArea(Workspace& ws, const PlacementMaps& maps, int charge, int x, int y, int w,
                     int h);

// The placement of every charge in use with a picture, in charge order (its
// warnings queued in that order); 0 for the others.
ChargePlacements findChargePlacements(Workspace& ws, const PlacementMaps& maps);

// The boxes of the charges the three layers draw, layer by layer, each in
// charge order: what the hit map shows. Charges whose layers are stale are
// prepared again first.
std::vector<HitBox> chargeHitBoxes(Workspace& ws, ChargeSurfaces& surfaces);
// The hit map: black, with each box in turn red inside a one-pixel black
// outline.
void drawHitBoxes(Surface& hitMap, const std::vector<HitBox>& boxes);

// Draws the charges of one layer (1, 2, 3) onto the canvas, each stamped
// through its bank mask (AND) then its working picture (XOR), stretched to its
// box and mirrored when asked. Charges whose layers are stale are prepared
// again first.
void drawChargesLayer(Workspace& ws, ChargeSurfaces& surfaces, Surface& canvas, int layer);

// The transparent stamp of a picture stretched into the box (dx, dy, dw, dh),
// a negative width flipping it: the mask with AND, then the picture with XOR,
// as the two stretching copies give them, in one pass. Mask and picture share
// their size; their whole area is the source. With the mask's stamp runs
// (`maskRuns`), each run of a row is laid as a whole and a row shown on
// several rows is stretched once; runs that leave the mask's white out say
// that the picture is black wherever the mask is white.
void stampStretched(Surface& dst, int dx, int dy, int dw, int dh, const Surface& mask,
                    const Surface& picture, const RowRuns* maskRuns = nullptr);

// Stamps charge `n` into the w x h box at the origin of `target` (the
// selected-charge overlay): its bank mask with AND, then its working picture
// with XOR, both stretched from the whole bank picture, flipped when the
// charge is mirrored. Drawing twice gives the same image. Layers are prepared
// first when stale; false (nothing drawn) when the charge has no picture.
bool drawChargeInBox(Workspace& ws, ChargeSurfaces& surfaces, Surface& target, int n, int w, int h);

}  // namespace tess
