// Placed charges: the lookups that need no drawing surface.
#include "model/placed_charges.h"

#include "model/image_bank.h"
#include "model/workspace.h"

namespace tess {

const ImageBankEntry* chargePicture(const Workspace& ws, int charge) {
    if (charge < 1 || charge > kChargeCount) return nullptr;
    const int slot = ws.CurrentBlazon.Charges[charge].ImageIndex;
    if (slot < 1 || slot > kImageBankSize) return nullptr;
    const ImageBankEntry& entry = ws.Bank[slot];
    return entry.InUse != 0 ? &entry : nullptr;
}

int firstFreeCharge(const BlazonRecord& blazon) {
    for (int n = 1; n <= kChargeCount; ++n)
        if (blazon.Charges[n].InUse == 0) return n;
    return 0;
}

void FreeChargesWithoutPicture(BlazonRecord& blazon) {
    for (int n = 1; n <= kChargeCount; ++n)
        if (blazon.Charges[n].ImageIndex < 1) blazon.Charges[n].InUse = 0;
}

Byte ChargeAtPoint(Workspace& ws, int x, int y) {
    FreeChargesWithoutPicture(ws.CurrentBlazon);
    int best = 0;
    long long smallest = 0;
    for (int n = 1; n <= kChargeCount; ++n) {
        const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
        if (c.InUse == 0 || chargePicture(ws, n) == nullptr) continue;
        if (!(x > c.X && x < c.X + c.Width && y > c.Y && y < c.Y + c.Height)) continue;
        const long long area = (long long)c.Width * c.Height;
        if (best == 0 || area < smallest) {
            best = n;
            smallest = area;
        }
    }
    return Byte(best);
}

}  // namespace tess
