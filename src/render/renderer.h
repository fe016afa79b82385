#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/canvas_size.h"
#include "model/image_bank.h"
#include "model/partitions.h"
#include "model/records.h"
#include "model/tinctures.h"
#include "platform/surface.h"
#include "render/charge_surfaces.h"
#include "render/hit_boxes.h"
#include "render/piece_key.h"
#include "render/row_runs.h"

namespace tess {

struct Workspace;

// Geometry of the drawing surfaces: beside the shield canvas, the two work
// surfaces that carry it with a margin (50 on the key map while the partition
// is drawn, 100 on the first-order piece's work surface).
inline constexpr int kModelMargin = 50;
inline constexpr int kModelWidth = kCanvasWidth + 2 * kModelMargin;    // 365
inline constexpr int kModelHeight = kCanvasHeight + 2 * kModelMargin;  // 440
inline constexpr int kBigMargin = 100;
inline constexpr int kBigWidth = kCanvasWidth + 2 * kBigMargin;    // 465
inline constexpr int kBigHeight = kCanvasHeight + 2 * kBigMargin;  // 540

// The background of the hidden work surfaces. It must equal no part key
// colour, no factory tincture, neither black nor white nor the line colour:
// the floods and the mask steps of the pieces tell regions apart by it.
inline constexpr Colour kWorkBackground = 0xC8D0D4u;

// A piece laid over the shield with all its copies, 265 x 340, in the terms a
// redraw applies it in: the canvas takes (pixel AND mask) XOR picture, and a
// key map takes `zone` wherever it is not white (the piece's key colour inside
// it, the line colour on its edges) and keeps its own pixel elsewhere.
struct LaidPiece {
    Surface mask;
    Surface picture;
    Surface zone;
    // Where the mask is not white, as stamp runs; and where the zone is not
    // white, as runs of its colour. Nothing changes elsewhere (the picture is
    // black wherever the mask is white).
    RowRuns CanvasRuns;
    RowRuns ZoneRuns;
    // Which laying this is (newDrawingNumber), so that the key maps laid from
    // it know whether it was laid again since.
    std::uint64_t Drawing = 0;
};

// The three pictures a piece is drawn as: its mask (piece black, rest white),
// its key picture (piece in its key colour, rest black) and its coloured
// picture (piece in its émail, rest black); and the piece laid from them. All
// of them are kept from one redraw to the next and drawn again only when the
// piece's key, what they were drawn from, changes.
struct OrdinarySurfaces {
    Surface keyPicture;
    Surface colouredPicture;
    Surface mask;
    // Per mask row, the columns [first, last) outside which the mask is white,
    // so laying the piece skips the rows' untouched ends; none: whole rows.
    std::vector<std::pair<int, int>> MaskSpans;
    LaidPiece Laid;
    // What all of the above were drawn from; none until `Made`.
    PieceKey Key;
    bool Made = false;
};

// What the field's key map on partitionWork was drawn from: the partition, as
// drawn (an unknown code as the plain field), and the style of its lines when
// it has heraldic ones.
struct PartitionKey {
    Long Partition = 0;
    LineStyle Line{};
    bool operator==(const PartitionKey&) const = default;
};

// The drawing numbers the three key maps were laid from.
struct KeyMapsSource {
    std::uint64_t Field = 0;
    std::uint64_t Second = 0;
    std::uint64_t First = 0;
    bool operator==(const KeyMapsSource&) const = default;
};

// A number no other drawing of a kept picture has had in this run.
std::uint64_t newDrawingNumber();

// The columns of each row that the cut to the shield's shape leaves alone
// (its inside), for one pair of the program's shape pictures, which never
// change: found when the shape is first cut and kept while it stays.
struct ShapeCut {
    const Surface* Mask = nullptr;
    const Surface* Outline = nullptr;
    int Width = 0;
    std::vector<std::pair<int, int>> Inside;
};

// Every drawing surface of the shield, made once by InitGraphics and dropped by
// ReleaseResources. Records never hold surfaces: what belongs to a part, a
// charge, a fur slot or a bank slot is kept here in a table under its number,
// so an undo copy of the document can never bring back a stale picture.
class Renderer {
  public:
    // The visible canvas, 265 x 340 in shield coordinates.
    Surface canvas;
    // The hidden part key map, 265 x 340: after a redraw, each part and piece
    // zone of the canvas in its key colour, pixel for pixel, which the window's
    // hit tests read. The second-order piece is prepared on it.
    Surface partMap;
    // The field's key map with a 50-pixel margin (365 x 440, shield at
    // (50, 50)): each part in its key colour, the lines in the line colour.
    // Kept between redraws and drawn again when its key changes.
    Surface partitionWork;
    PartitionKey PartitionDrawn;
    bool PartitionMade = false;
    std::uint64_t PartitionDrawing = 0;  // which drawing of it (newDrawingNumber)
    // The same map's shield as runs of one colour, each worth the part whose
    // key colour it holds (0 for none: a line, a pocket no part reached);
    // found once per drawing of the map.
    RowRuns PartitionRuns;
    bool PartitionRunsMade = false;
    // Work surface of the first-order piece, 465 x 540, shield at (100, 100).
    Surface firstOrderWork;
    // Scratch of the first-order piece's drawing, made on first use.
    Surface pieceScratch;

    // Shield-sized copies of the field's key map, with the second-order and
    // the first-order zone respectively: the charges' places are read there.
    Surface fieldPartMap;
    Surface ordinaryMap;
    // What the three key maps were laid from, by the drawing numbers of the
    // field's map and of the laid pieces (0 for a piece not laid): while they
    // stay, the maps are laid already.
    KeyMapsSource KeyMapsLaidFrom;
    bool KeyMapsMade = false;
    // Black, with a red (&H0000FF) box over every charge drawn by the last
    // redraw; the boxes, in the order they were drawn.
    Surface chargeHitMap;
    std::vector<HitBox> HitBoxesDrawn;
    bool HitBoxesMade = false;

    // The pictures of the current shield shape and of the écusson's shape
    // (the program's own pictures, never drawn on).
    const Surface* currentShapeOutline = nullptr;
    const Surface* currentShapeMask = nullptr;
    const Surface* currentInsetMask = nullptr;
    ShapeCut ShapeCutKept;

    // The pieces: first order on 465 x 540 surfaces, second order on 265 x 340.
    OrdinarySurfaces Ordinary1;
    OrdinarySurfaces Ordinary2;

    // Each built-in fur tiled over 465 x 540 (index: fur code - 108).
    std::array<Surface, kBuiltInFurCount> builtInFurPictures;

    // User fur slots 0..3: the tile and the 265 x 340 picture of
    // the fur tiled over the shield (fur code 116 + slot), tagged with the fur
    // file they were made from.
    std::array<Surface, kUserFurCount> UserFurTiles;
    std::array<Surface, kUserFurCount> UserFurPictures;
    std::array<std::string, kUserFurCount> UserFurPaths;

    // The picture of a coat of arms inserted in part 1..7 (parts 1..4 and 7
    // only; 0, 5 and 6 stay empty), tagged with the document it shows. A record
    // brought back by an undo may name another document than the picture
    // shows: such pictures are made again before drawing or saving.
    std::array<Surface, kPartCount + 1> InsertedPictures;
    std::array<std::string, kPartCount + 1> InsertedPaths;

    // Image-bank slots 1..255 (picture and mask) and charges 1..50 (working
    // picture and recolouring layers, tagged with what they were made from).
    ChargeSurfaces Charges;

    // The two 265 x 340 surfaces of the charge arrangement engine.
    Surface motifWork1;
    Surface motifWork2;

    // Left x of the partition marker on the toolbar, per partition code 9..25.
    std::array<Integer, kLastPartition + 1> ToolbarX{};

    bool Initialised = false;

    // The fur picture of a fur code (108..115 built in, 116..119 user); null
    // for any other code and for a user slot without a picture.
    const Surface* furPicture(Long furCode) const;
    // The surfaces the window reads between redraws; an empty picture before
    // the first redraw.
    const Surface& shapeOutline() const;
    const Surface& shapeMask() const;
    const Surface& insetMask() const;
};

// The surfaces alone (InitGraphics without the tincture set-up).
void InitSurfaces(Renderer& r);
// Fills the partition marker positions.
void InitRowOffsets(Renderer& r);

}  // namespace tess
