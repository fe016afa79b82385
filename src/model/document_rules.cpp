#include "model/document_rules.h"

#include "model/canvas_size.h"
#include "model/part_zones.h"
#include "model/piece_types.h"
#include "model/placed_charges.h"
#include "model/placements.h"
#include "model/tincture_table.h"
#include "model/tinctures.h"
#include "model/workspace.h"

namespace tess {

void ResetShiftOfRepeatedPiece(BlazonRecord& b) {
    if (b.Ordinary1.Repeat > 0) b.Ordinary1.Shift = 0;
}

void GiveUserFurPartsTheirFurTincture(BlazonRecord& b) {
    for (int k = 1; k <= kPartCount; ++k) {
        const Long kind = b.Parts[k].Kind;
        if (isUserFur(kind))
            b.Parts[k].Tincture = b.UserFurs[std::size_t(kind - kFirstUserFur)].DominantTincture;
    }
}

DiminishedWidth diminishedWidthOf(Long type) {
    switch (type) {
        case kChef:
            return {37, 36};
        case kPal:
        case kFasce:
            return {29, 27};
        case kBande:
        case kBarre:
            return {38, 36};  // a ninth of the shield's height
        case kChevron:
            return {57, 56};  // a sixth of the shield's height
        default:
            return {};
    }
}

namespace {

// A diminished pairle, sautoir or croix is drawn 22 pixels narrower a side.
constexpr Integer kDiminishedOrdinary2 = 22;

void settleOrdinary2Size(OrdinaryRecord& piece) {
    if (isSizedOrdinary2(piece.Type) && piece.Size > 0) piece.Size = kDiminishedOrdinary2;
}

void settleOrdinary1Size(OrdinaryRecord& piece, LineStyle& line) {
    const DiminishedWidth d = diminishedWidthOf(piece.Type);
    if (piece.Size <= 0 || d.Size == 0) return;
    piece.Size = d.Size;
    if (line.Depth >= d.Size) line.Depth = d.ClampedDepth;
}

}  // namespace

void SettlePieceSizes(BlazonRecord& b) {
    if (b.Ordinary2.Present != 0 && isOrdinary2Type(b.Ordinary2.Type))
        settleOrdinary2Size(b.Ordinary2);
    if (b.Ordinary1.Present != 0 && isOrdinary1Type(b.Ordinary1.Type))
        settleOrdinary1Size(b.Ordinary1, b.Parts[kFirstOrderZone].Line);
}

void EcussonFollowsShieldShape(BlazonRecord& b) {
    if (b.Parts[kFirstOrderZone].InsertedPath.empty()) b.InsetShape = b.ShieldShape;
}

bool drawsEcusson(const BlazonRecord& b) {
    return b.Ordinary1.Present != 0 && b.Ordinary1.Type == kEcusson;
}

void GiveChargesTheirPlacements(Workspace& ws, const ChargePlacements& placements) {
    BlazonRecord& b = ws.CurrentBlazon;
    // The lists are rebuilt whole: nothing of an earlier drawing stays behind
    // the count, so a document drawn again equals itself field for field.
    for (int k = 1; k <= kPartCount; ++k) {
        b.Parts[k].ChargeCount = 0;
        b.Parts[k].ChargeList.fill(0);
    }
    for (int n = 1; n <= kChargeCount; ++n) {
        ChargeRecord& c = b.Charges[n];
        if (c.InUse == 0 || chargePicture(ws, n) == nullptr) continue;
        const int code = placements[std::size_t(n)];
        c.Placement = Byte(code);
        const int k = partOfPlacement(code);
        if (k == 0) continue;
        PartRecord& zone = b.Parts[k];
        zone.ChargeList[++zone.ChargeCount] = Byte(n);
    }
}

void ClassDrawnChargesAndTakeOutOffCanvas(Workspace& ws) {
    BlazonRecord& b = ws.CurrentBlazon;
    for (int n = 1; n <= kChargeCount; ++n) {
        ChargeRecord& c = b.Charges[n];
        if (c.InUse == 0 || c.ImageIndex < 1 || layerOfPlacement(c.Placement) == 0) continue;
        if (chargePicture(ws, n) == nullptr) continue;
        c.Class = (c.Tincture == kOr || c.Tincture == kArgent) ? kClassMetal : kClassColour;
        if (c.X + c.Width < 0 || c.X > kCanvasWidth || c.Y > kCanvasHeight || c.Y + c.Height < 0)
            c.InUse = 0;
    }
}

}  // namespace tess
