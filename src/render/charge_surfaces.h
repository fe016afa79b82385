#pragma once

#include <array>
#include <cstdint>

#include "model/image_bank.h"
#include "model/records.h"
#include "platform/surface.h"
#include "render/row_runs.h"

namespace tess {

// A bank picture as drawing reads it. `version` is unique over the run and
// changes whenever the pictures are replaced, so that a charge prepared from an
// earlier picture in the same slot is seen to be stale.
struct BankPicture {
    Surface picture;  // the figure on black (its transparent colour turned black)
    Surface mask;     // the figure black on white
    std::uint64_t version = 0;
    // The mask's rows as stamp runs, found when the picture is set. Its white
    // runs are left out: every working picture made from this slot is black
    // wherever the mask is white (its layers are written only where the mask
    // is black), so the stamp leaves the pixel there, and the scan of the
    // picture that would find that out is spared at every redraw.
    RowRuns maskRuns;
};

// The four recolouring layers of one charge, all the size of its bank picture.
// `composite` is the charge's working picture: its figure in its tincture on
// black, stamped on the shield through the bank mask.
struct ChargeLayers {
    Surface fillLayer;    // every figure pixel in the fill colour, black elsewhere
    Surface mask;         // white on the recolourable pixels and the background
    Surface detailLayer;  // the figure's other pixels in their colours, black elsewhere
    Surface composite;    // fillLayer AND mask XOR detailLayer
    Integer SeedX = 0;
    Integer SeedY = 0;
    Long Tincture = 0;
};

// What a charge's layers were made from. A charge whose record no longer
// matches (after an undo, a reused bank slot, a deleted picture, an adjusted
// tincture colour) is prepared again before it is drawn.
struct ChargeLayersTag {
    int slot = 0;                   // bank slot, 0: never prepared
    std::uint64_t bankVersion = 0;  // of that slot's pictures
    Long tincture = 0;              // the fill tincture 1..11
    Colour colour = 0;              // its colour when last painted
    // The picture's own tincture and its colour pick the recolourable pixels;
    // adjusting that colour changes which pixels take the fill.
    Long ownTincture = 0;
    Colour ownColour = 0;
    bool operator==(const ChargeLayersTag&) const = default;
};

struct ChargePictures {
    ChargeLayers layers;
    ChargeLayersTag tag;
};

// The renderer's surfaces of the image bank (keyed by slot 1..255) and of the
// placed charges (keyed by charge number 1..50). Records hold only numbers.
class ChargeSurfaces {
  public:
    const BankPicture& bank(int slot) const { return bank_[slot]; }
    // Replaces a slot's pictures; charges prepared from the old ones go stale.
    void setBankPicture(int slot, Surface picture, Surface mask);
    void releaseBankPicture(int slot);
    // True when the slot holds a picture and a mask of the same, non-empty size.
    bool hasBankPicture(int slot) const;

    ChargePictures& charge(int n) { return charges_[n]; }
    const ChargePictures& charge(int n) const { return charges_[n]; }
    // The charge's working picture (empty until prepared).
    const Surface& workingPicture(int n) const { return charges_[n].layers.composite; }
    // Releases one charge's layers (a deleted charge); others are untouched.
    void releaseCharge(int n) { charges_[n] = ChargePictures{}; }

  private:
    std::array<BankPicture, kImageBankSize + 1> bank_{};
    std::array<ChargePictures, kChargeCount + 1> charges_{};
    std::uint64_t nextVersion_ = 1;
};

}  // namespace tess
