#pragma once

#include "model/records.h"

namespace tess::testing {

// Puts charge `n` in use: bank picture `slot` drawn in the box (x, y, w, h).
inline ChargeRecord& placeCharge(BlazonRecord& b, int n, int slot, int x, int y, int w, int h) {
    ChargeRecord& c = b.Charges[n];
    c.InUse = kTrue;
    c.ImageIndex = Integer(slot);
    c.X = Integer(x);
    c.Y = Integer(y);
    c.Width = Integer(w);
    c.Height = Integer(h);
    return c;
}

}  // namespace tess::testing
