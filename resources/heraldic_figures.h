#pragma once

namespace tess::resources {

// Small heraldic drawings for icons, in shield units: u across from 0 (dexter,
// the viewer's left) to 1, v down from 0 (chief) to 1 (base), the field's
// proportions those of the 265 x 340 shield.

// The part (1..4) of partition code 9..25 at (u, v); 1 for the plain field.
int partitionPartAt(int partition, double u, double v);

// Whether honourable piece type 1..22 covers (u, v).
bool pieceCovers(int type, double u, double v);

}  // namespace tess::resources
