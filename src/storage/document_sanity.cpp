#include "storage/document_sanity.h"

#include <algorithm>

#include "model/line_kinds.h"
#include "model/shield_shapes.h"
#include "model/tincture_table.h"
#include "model/tinctures.h"

namespace tess {

namespace {

Integer asFlag(Integer v) {
    return v ? kTrue : kFalse;
}

void sanitizeLine(LineStyle& line) {
    if (line.LineKind < kLinePlain || line.LineKind > kLineBastille) line.LineKind = kLinePlain;
    line.Width = std::clamp(line.Width, kMinLineWidth, kMaxLineWidth);
    line.Depth = std::clamp(line.Depth, kMinLineDepth, kMaxLineDepth);
    line.Plumb = asFlag(line.Plumb);
}

void sanitizeOrdinary(OrdinaryRecord& piece, Long firstType, Long lastType) {
    piece.Present = asFlag(piece.Present);
    if (piece.Type < firstType || piece.Type > lastType) {
        piece.Type = 0;
        piece.Present = kFalse;
    }
}

// A part's class and tincture as the palette and the redraw leave them: a
// tincture of its class, or a built-in fur whose tincture is its code. A user
// fur's part is sound whatever its tincture: the redraw gives it the fur's
// dominant tincture, 0 while the fur file is away, and a document saved then
// must not lose the fur from its parts.
bool soundPart(const PartRecord& part) {
    switch (part.Kind) {
        case kClassMetal:
        case kClassPourpre:
        case kClassColour:
            return isTincture(part.Tincture);
        default:
            if (isUserFur(part.Kind)) return true;
            return isFurCode(part.Kind) && part.Tincture == part.Kind;
    }
}

// 9 the plain field, 10..19 and 21..25 the divided ones.
bool isPartition(Long code) {
    return (code >= 9 && code <= 19) || (code >= 21 && code <= 25);
}

Long soundClass(Long storedClass, Long tincture) {
    if (storedClass == kClassMetal || storedClass == kClassColour) return storedClass;
    return tincture == 1 || tincture == 2 ? kClassMetal : kClassColour;
}

}  // namespace

bool isShieldShape(Long shape) {
    return shape >= kShapeClassique && shape <= kShapeSuisse;
}

void sanitizeStoredDocument(StoredDocument& document, const BlazonRecord& base) {
    BlazonRecord& b = document.Blazon;
    if (!isPartition(b.Partition)) b.Partition = base.Partition;
    if (!isShieldShape(b.ShieldShape)) b.ShieldShape = base.ShieldShape;
    if (!isShieldShape(b.InsetShape)) b.InsetShape = base.InsetShape;

    sanitizeOrdinary(b.Ordinary1, 1, 9);
    sanitizeOrdinary(b.Ordinary2, 10, 22);
    if (b.Ordinary1.Repeat > 2) b.Ordinary1.Repeat = 0;
    if (b.Ordinary1.Shift < -1 || b.Ordinary1.Shift > 1) b.Ordinary1.Shift = 0;

    for (int k = 1; k <= kPartCount; ++k) {
        PartRecord& part = b.Parts[k];
        sanitizeLine(part.Line);
        // Zones 5 and 6 never hold a coat of arms.
        if (k == 5 || k == 6) part.InsertedPath.clear();
        if (!part.InsertedPath.empty()) {
            // The loader makes such a part hold its coat of arms (class 34);
            // only the tincture kept under it must be sound.
            if (!isTincture(part.Tincture) && !isFurCode(part.Tincture))
                part.Tincture = base.Parts[k].Tincture;
        } else if (!soundPart(part)) {
            part.Kind = base.Parts[k].Kind;
            part.Tincture = base.Parts[k].Tincture;
        } else if (isUserFur(part.Kind) && !isTincture(part.Tincture)) {
            part.Tincture = part.Kind;
        }
    }

    // A user fur is drawn from its tile: the fur editor makes tiles of 5 to 32
    // cells a side and row shifts of 0 to 99 %, and a forged 1 x 1 tile would
    // be laid 90,000 times at every redraw. Empty slots keep what they hold.
    for (UserFurRecord& fur : b.UserFurs) {
        if (fur.Path.empty()) continue;
        fur.TileWidth = std::clamp(fur.TileWidth, kMinEditorFurTile, kMaxEditorFurTile);
        fur.TileHeight = std::clamp(fur.TileHeight, kMinEditorFurTile, kMaxEditorFurTile);
        fur.VerticalOffset = std::min(fur.VerticalOffset, kMaxFurRowShift);
    }

    for (StoredImage& image : document.Images) {
        if (!isTincture(image.OwnTincture)) image.OwnTincture = kOr;
        image.OwnClass = soundClass(image.OwnClass, image.OwnTincture);
    }

    for (StoredCharge& charge : document.Charges) {
        if (!isTincture(charge.Tincture)) charge.Tincture = -1;
        charge.Class = soundClass(charge.Class, charge.Tincture);
        charge.Mirrored = asFlag(charge.Mirrored);
        charge.Brochant = asFlag(charge.Brochant);
        charge.Width = std::min(charge.Width, kMaxChargeSide);
        charge.Height = std::min(charge.Height, kMaxChargeSide);
    }
}

}  // namespace tess
