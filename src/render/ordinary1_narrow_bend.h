#pragma once

#include "model/records.h"
#include "platform/surface.h"

namespace tess {

// A diminished bande or barre whose edges carry a pattern. It is the one
// narrow piece whose two edges can meet: its edges lie 44 pixels apart across
// the rows but only about 34 square to them, which the depth kept below its
// size does not allow for, and the stepped diagonal patterns run a little off
// their line's slope. Its seed can then fall on a line, in a notch of the
// field, or in one part of a band cut in two.
bool isNarrowPatternedBend(const OrdinaryRecord& piece, const LineStyle& line);

// Draws such a piece's edges on `work` (clear) and marks the piece in `key`.
// A drawing whose edges keep apart and whose seed finds the band is kept as it
// is, and so is what the shield shows of one whose edges touch only in the
// margins. Edges that cut the band on the shield are drawn at the deepest
// depth that parts them, or else keeps their meetings off the shield (only for
// drawing: the document keeps its depth). Wherever the seed misses the band,
// or the edges still meet, the piece is every part lying between its two
// edges, each edge's far side being found alone on `scratch`.
void markNarrowBend(Surface& work, Surface& scratch, const OrdinaryRecord& piece,
                    const LineStyle& line, Colour key);

}  // namespace tess
