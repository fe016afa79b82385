#pragma once

#include <string>

namespace tess {

struct Workspace;
class Renderer;

// What lies under a canvas point, read only from the hidden maps the last
// redraw left (never from geometry): a point off the canvas reads "no value"
// from every map, so it is outside the shield, on no charge and on no part.
struct CanvasHit {
    bool insideShield = false;  // the shield outline reads 0 there
    bool onChargeMap = false;   // the charge hit map reads 255 there
    int part = 0;               // part zone 1..7 whose key colour is there, 0 none (a line)
};

// The point is rounded half to even, as every map read is.
CanvasHit HitAt(const Renderer& r, double x, double y);

// The hover caption of the part or charge under the point: "[4] lion", "Partie 2",
// "Division", a piece's name (with "Filet en " when narrowed); empty outside
// the shield or over nothing. A stale charge hit (no charge found) gives
// `keepCaption` true: the caption shown stays as it is.
struct HoverText {
    std::string coordinates;  // "-12; 40", empty outside the shield
    std::string caption;
    bool keepCaption = false;
};
HoverText HoverAt(Workspace& ws, const Renderer& r, double x, double y);

// A real value as the captions write it: whole numbers without a decimal
// part ("-12"), others with up to seven significant digits ("-12.5").
std::string singleText(double v);

}  // namespace tess
