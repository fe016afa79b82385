#include "model/picture_budget.h"

#include <algorithm>

namespace tess {

std::int64_t DocumentPictureCost(const BlazonRecord& blazon, const ImageBank& bank,
                                 int heldCharge) {
    std::int64_t cost = 0;
    for (int s = 1; s <= kImageBankSize; ++s)
        if (bank[s].InUse != 0) cost += bankPictureCost(bank[s].Width, bank[s].Height);
    for (int c = 1; c <= kChargeCount; ++c) {
        const ChargeRecord& charge = blazon.Charges[c];
        if (charge.InUse == 0 && c != heldCharge) continue;
        const int slot = charge.ImageIndex;
        if (slot < 1 || slot > kImageBankSize || bank[slot].InUse == 0) continue;
        cost += chargeCost(bank[slot].Width, bank[slot].Height);
    }
    return cost;
}

std::int64_t PictureBudgetLeft(const BlazonRecord& blazon, const ImageBank& bank, int heldCharge) {
    return std::max<std::int64_t>(
        0, kDocumentPicturePixels - DocumentPictureCost(blazon, bank, heldCharge));
}

std::int64_t newPicturePixels(std::int64_t left) {
    return std::max<std::int64_t>(0, left) / newPictureCost(1, 1);
}

int largestNewSquareSide(std::int64_t left) {
    const std::int64_t pixels = newPicturePixels(left);
    std::int64_t side = 0;
    while (side < kMaxPictureSide && (side + 1) * (side + 1) <= pixels) ++side;
    return int(side);
}

}  // namespace tess
