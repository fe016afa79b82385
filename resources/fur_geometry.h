#pragma once

namespace tess::resources {

// Whether a point lies on an ermine spot (moucheture), in pixels from the
// spot's centre; the spot is about 23 pixels wide and 37 high, tail down.
bool onErmineSpot(double dx, double dy);

// Whether a point of a vair row band lies on the upright bell (narrow neck at
// the top, wide base at the bottom) of a bell centred at dx = 0. `across` is
// the bell period, `t` the height in the band from 0 (top) to 1 (bottom).
// The bells and the spaces between them are the same shape, one upside down.
bool onUprightBell(double dx, double t, double across);

}  // namespace tess::resources
