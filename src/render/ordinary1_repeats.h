#pragma once

#include <array>

#include "model/records.h"

namespace tess {

// One copy of a piece: the source box of the piece's pictures, stretched into
// the destination box of the canvas.
struct PieceCopy {
    int SourceX = 0, SourceY = 0, SourceW = 0, SourceH = 0;
    int DestX = 0, DestY = 0, DestW = 0, DestH = 0;
};

struct PieceCopies {
    std::array<PieceCopy, 3> Copies{};
    int Count = 0;
};

// The copies a first-order piece is laid as. One piece is its shield area laid
// as it stands. Two or three pals, fesses, bends or chevrons are each the whole
// picture, margins included, shrunk into a box of its own, so every copy still
// runs out to the canvas's edges; two or three orles are concentric copies of
// the shield area. A repeat the pieces have no copies for (a chief, a bordure,
// an écusson, or more than three pieces, which only a damaged file holds) is
// laid as one piece.
PieceCopies ordinary1Copies(const OrdinaryRecord& piece);

}  // namespace tess
