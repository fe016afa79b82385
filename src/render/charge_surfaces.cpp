#include "render/charge_surfaces.h"

#include <utility>

namespace tess {

void ChargeSurfaces::setBankPicture(int slot, Surface picture, Surface mask) {
    if (slot < 1 || slot > kImageBankSize) return;
    RowRuns runs = stampRunsOf(mask, false);
    bank_[slot] = BankPicture{std::move(picture), std::move(mask), nextVersion_++, std::move(runs)};
}

void ChargeSurfaces::releaseBankPicture(int slot) {
    if (slot < 1 || slot > kImageBankSize) return;
    bank_[slot] = BankPicture{Surface{}, Surface{}, nextVersion_++, RowRuns{}};
}

bool ChargeSurfaces::hasBankPicture(int slot) const {
    if (slot < 1 || slot > kImageBankSize) return false;
    const BankPicture& b = bank_[slot];
    return !b.picture.empty() && b.picture.width() == b.mask.width() &&
           b.picture.height() == b.mask.height();
}

}  // namespace tess
