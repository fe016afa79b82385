#include "render/piece_key.h"

#include <cstring>

#include "model/part_zones.h"
#include "model/piece_types.h"
#include "model/workspace.h"
#include "render/renderer.h"
#include "render/shield_shape.h"

namespace tess {

PictureInput::PictureInput(const Surface& picture)
    : picture_(picture.empty() ? nullptr : &picture) {}

void PictureInput::keepCopy() {
    if (!picture_ || (copy_ && picture_ == copy_.get())) return;
    copy_ = std::make_shared<const Surface>(*picture_);
    picture_ = copy_.get();
}

bool PictureInput::operator==(const PictureInput& other) const {
    if (picture_ == other.picture_) return true;
    if (!picture_ || !other.picture_) return false;
    const Surface& a = *picture_;
    const Surface& b = *other.picture_;
    if (a.width() != b.width() || a.height() != b.height()) return false;
    // The pixels alone: the two may differ in the colour they would be cleared to.
    const std::size_t bytes = std::size_t(a.width()) * std::size_t(a.height()) * sizeof(Colour);
    return std::memcmp(a.data(), b.data(), bytes) == 0;
}

void PieceKey::keepCopies() {
    Arms.keepCopy();
    FurPicture.keepCopy();
    FurTile.keepCopy();
}

OrdinaryRecord PieceKey::piece() const {
    OrdinaryRecord p;
    p.Present = kTrue;
    p.Type = Type;
    p.Size = Size;
    p.Shift = Shift;
    p.Repeat = Repeat;
    return p;
}

Colour PieceKey::tinctureColour() const {
    return Colour(Colours[std::size_t(isTincture(Tincture) ? Tincture : kOr)].Current);
}

int tinctureOfColour(const TinctureColourTable& colours, Colour colour) {
    for (int t = 1; t <= kTinctureCount; ++t)
        if (Colour(colours[std::size_t(t)].Current) == colour) return t;
    for (int t = 1; t <= kTinctureCount; ++t)
        if (Colour(colours[std::size_t(t)].Factory) == colour) return t;
    return 0;
}

namespace {

// The zone's fur or tincture. A zone of a fur code shows the fur when its
// picture exists; any other zone (a user fur slot without a picture, a class
// that is no fur) shows its tincture. `firstOrder`: a user fur on the
// first-order piece runs on over the margins from its tile, with its row shift.
void setEmail(const Workspace& ws, const Renderer& r, const PartRecord& zone, bool firstOrder,
              PieceKey& k) {
    if (isBuiltInFur(zone.Kind)) {
        k.Fur = zone.Kind;
        return;
    }
    if (isUserFur(zone.Kind)) {
        const std::size_t slot = std::size_t(zone.Kind - kFirstUserFur);
        k.FurPicture = PictureInput(r.UserFurPictures[slot]);
        if (k.FurPicture.get()) {
            k.Fur = zone.Kind;
            if (firstOrder) {
                k.FurTile = PictureInput(r.UserFurTiles[slot]);
                k.FurRowShift = ws.CurrentBlazon.UserFurs[slot].VerticalOffset;
            }
            return;
        }
    }
    k.Tincture = zone.Tincture;
    for (int t = 1; t <= kTinctureCount; ++t)
        k.Colours[std::size_t(t)] = {ws.Tinctures[t].Colour, ws.Tinctures[t].DefaultColour};
    k.BlackAndWhite = ws.PrintBlackWhite;
}

}  // namespace

PieceKey firstOrderKey(const Workspace& ws, const Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    const OrdinaryRecord& piece = b.Ordinary1;
    const PartRecord& zone = b.Parts[kFirstOrderZone];
    PieceKey k{
        .Type = piece.Type, .Size = piece.Size, .Shift = piece.Shift, .Repeat = piece.Repeat};
    if (takesLineStyle(piece.Type)) k.Line = zone.Line;
    if (piece.Type == kOrle || piece.Type == kBordure) k.ShieldShape = drawnShape(b.ShieldShape);
    if (piece.Type == kEcusson) k.InsetShape = drawnShape(b.InsetShape);
    if ((piece.Type == kChef || piece.Type == kEcusson) && !zone.InsertedPath.empty()) {
        k.Arms = PictureInput(r.InsertedPictures[kFirstOrderZone]);
        if (k.Arms.get()) return k;
    }
    setEmail(ws, r, zone, true, k);
    return k;
}

PieceKey secondOrderKey(const Workspace& ws, const Renderer& r) {
    const OrdinaryRecord& piece = ws.CurrentBlazon.Ordinary2;
    const PartRecord& zone = ws.CurrentBlazon.Parts[kSecondOrderZone];
    PieceKey k{.Type = piece.Type, .Size = piece.Size};
    if (isLinedOrdinary2(piece.Type)) k.Line = zone.Line;
    setEmail(ws, r, zone, false, k);
    return k;
}

}  // namespace tess
