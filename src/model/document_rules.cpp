#include "model/document_rules.h"

#include "model/tinctures.h"

namespace tess {

void ResetShiftOfRepeatedPiece(BlazonRecord& b) {
    if (b.Ordinary1.Repeat > 0) b.Ordinary1.Shift = 0;
}

void GiveUserFurPartsTheirFurTincture(BlazonRecord& b) {
    for (int k = 1; k <= kPartCount; ++k) {
        const Long kind = b.Parts[k].Kind;
        if (kind >= kFirstUserFur && kind <= kLastUserFur)
            b.Parts[k].Tincture = b.UserFurs[std::size_t(kind - kFirstUserFur)].DominantTincture;
    }
}

}  // namespace tess
