#pragma once

#include <array>
#include <memory>

#include "model/records.h"
#include "model/tinctures.h"
#include "platform/surface.h"

namespace tess {

struct Workspace;
class Renderer;

// A picture read from a file beside the document (inserted arms, a user fur),
// compared by its pixels: a file can be read again under the same name with
// other contents. A key made for a redraw only points at the renderer's
// picture; a kept key holds its own copy, so that a later change of the
// picture makes the keys differ. An empty picture counts as none.
class PictureInput {
  public:
    PictureInput() = default;
    explicit PictureInput(const Surface& picture);
    const Surface* get() const { return picture_; }
    // The key holds its own copy from now on.
    void keepCopy();
    bool operator==(const PictureInput& other) const;

  private:
    const Surface* picture_ = nullptr;
    std::shared_ptr<const Surface> copy_;
};

// The two colours of a tincture a drawing may read: the current one fills,
// and a colour is told back to its tincture by the current ones first, then
// by the factory ones (the hatching of a black-and-white page).
struct TinctureColours {
    Long Current = 0;
    Long Factory = 0;
    bool operator==(const TinctureColours&) const = default;
};
using TinctureColourTable = std::array<TinctureColours, kTinctureCount + 1>;

// Everything the pictures of one piece are drawn from, and nothing else. The
// pieces' drawing reads the document and the renderer's read pictures only
// through this key, so equal keys draw equal pictures, and a redraw whose key
// equals the kept one keeps the pictures. An input left out of the key cannot
// be read by the drawing at all: it shows as a wrong picture at once, never
// as a stale one.
//
// Only what the piece's type and émail use is filled in; the rest keeps its
// zero, so that an input the piece ignores does not make it drawn again.
struct PieceKey {
    // The piece's record, its size settled; Repeat says how the first-order
    // piece is laid.
    Long Type = 0;
    Integer Size = 0;
    Integer Shift = 0;
    Byte Repeat = 0;
    // The edge of the pieces drawn with heraldic lines.
    LineStyle Line{};
    // The shapes the orle and the bordure (the shield's) and the écusson (its
    // own) are cut to, as drawn (1..7).
    int ShieldShape = 0;
    int InsetShape = 0;
    // The zone's émail: arms inserted in part 7 (shown by a chief or an
    // écusson), else a built-in fur (its code), a user fur (its code, picture,
    // tile and row shift), or a tincture with the colours and the page mode.
    PictureInput Arms;
    Long Fur = 0;
    PictureInput FurPicture;
    PictureInput FurTile;
    int FurRowShift = 0;
    Long Tincture = 0;
    TinctureColourTable Colours{};
    bool BlackAndWhite = false;

    bool operator==(const PieceKey&) const = default;
    // The key holds its own copies of the pictures it names (a kept key).
    void keepCopies();
    // The piece's record as the outline drawing reads it.
    OrdinaryRecord piece() const;
    // The current colour of the zone's tincture (Or for no tincture number).
    Colour tinctureColour() const;
};

// The keys of the two pieces as the current document and renderer give them,
// read after the redraw has settled the document's sizes and shapes.
PieceKey firstOrderKey(const Workspace& ws, const Renderer& r);
PieceKey secondOrderKey(const Workspace& ws, const Renderer& r);

// The tincture 1..11 whose colour is `colour`, the current colours first, then
// the factory ones; 0 for none (as the tincture table finds it).
int tinctureOfColour(const TinctureColourTable& colours, Colour colour);

}  // namespace tess
