#include "render/field_partition.h"

#include <vector>

#include "model/part_zones.h"
#include "model/workspace.h"
#include "render/heraldic_line.h"
#include "render/key_colours.h"
#include "render/pixel_rows.h"
#include "render/renderer.h"

namespace tess {

namespace {

struct PartitionLine {
    bool Heraldic;  // through the line engine with part 1's style, else plain
    int X1, Y1, X2, Y2;
    bool EdgeFlag;
    int Direction;
};

struct Seed {
    int X, Y;
};

// Which neighbouring pairs are compared for the rule of tinctures.
enum PairMask { kPair12 = 1, kPair13 = 2, kPair23 = 4 };

struct PartitionLayout {
    std::vector<PartitionLine> Lines;  // coordinates on the 365 x 440 key map
    std::vector<Seed> Seeds;           // shield coordinates, part 1 first
    int Pairs;
    bool Pair23SparesInserted;  // two inserted coats of arms are no fault
};

PartitionLine H(int x1, int y1, int x2, int y2, bool edge, int dir) {
    return {true, x1, y1, x2, y2, edge, dir};
}
PartitionLine P(int x1, int y1, int x2, int y2) {
    return {false, x1, y1, x2, y2, true, 0};
}

// The lines run past the borders of the key map (or on from the shield's corners)
// so that no flood leaks from one part to another through the margin.
const PartitionLayout& layoutOf(Long code) {
    static const PartitionLayout kPlain{{}, {{2, 2}}, 0, false};
    static const PartitionLayout k10{
        {H(182, -10, 182, 442, true, 2)}, {{2, 2}, {263, 2}}, kPair12, false};
    static const PartitionLayout k11{
        {H(-5, 220, 370, 220, true, 1)}, {{2, 2}, {2, 338}}, kPair12, false};
    static const PartitionLayout k12{
        {H(50, 50, 315, 390, true, 3)}, {{263, 2}, {2, 338}}, kPair12, false};
    static const PartitionLayout k13{
        {H(315, 50, 50, 390, true, 4)}, {{5, 5}, {260, 335}}, kPair12, false};
    static const PartitionLayout k14{{P(182, -1, 182, 445), P(-5, 220, 370, 220)},
                                     {{2, 2}, {263, 2}, {2, 338}, {263, 338}},
                                     0,
                                     false};
    static const PartitionLayout k15{
        {P(50, 50, 315, 390), P(50, 50, -5, -5), P(315, 390, 370, 445), P(315, 50, 50, 390),
         P(315, 50, 370, -5), P(50, 390, -5, 445)},
        {{132, 2}, {263, 170}, {132, 338}, {2, 170}},
        0,
        false};
    static const PartitionLayout k16{{H(138, 0, 138, 442, true, 2), H(226, 0, 226, 442, false, 2)},
                                     {{2, 2}, {132, 2}, {260, 2}},
                                     kPair12 | kPair23,
                                     false};
    static const PartitionLayout k17{{H(0, 163, 368, 163, true, 1), H(0, 276, 367, 276, false, 1)},
                                     {{2, 2}, {2, 170}, {2, 338}},
                                     kPair12 | kPair23,
                                     false};
    static const PartitionLayout k18{
        {H(50, -10, 367, 382, true, 3), H(50, 110, 365, 500, false, 3)},
        {{263, 2}, {2, 2}, {2, 338}},
        kPair12 | kPair23,
        false};
    static const PartitionLayout k19{
        {H(315, -10, 50, 330, true, 4), H(315, 110, 50, 450, false, 4)},
        {{2, 2}, {264, 1}, {264, 339}},
        kPair12 | kPair23,
        false};
    static const PartitionLayout k21{
        {P(50, 50, 182, 220), P(315, 50, 182, 220), P(182, 220, 182, 445), P(50, 50, -5, -5),
         P(315, 50, 370, -5)},
        {{132, 2}, {263, 170}, {2, 170}},
        kPair12 | kPair13 | kPair23,
        false};
    static const PartitionLayout k22{{P(182, -2, 182, 442), P(182, 220, 367, 220)},
                                     {{2, 2}, {263, 2}, {263, 338}},
                                     kPair12 | kPair13 | kPair23,
                                     true};
    static const PartitionLayout k23{{P(182, -2, 182, 442), P(182, 220, -2, 220)},
                                     {{263, 2}, {2, 338}, {2, 2}},
                                     kPair12 | kPair13 | kPair23,
                                     true};
    static const PartitionLayout k24{{P(-2, 220, 367, 220), P(182, 0, 182, 220)},
                                     {{132, 338}, {2, 2}, {263, 2}},
                                     kPair12 | kPair13 | kPair23,
                                     true};
    static const PartitionLayout k25{{P(-2, 220, 367, 220), P(182, 442, 182, 220)},
                                     {{2, 2}, {263, 338}, {2, 338}},
                                     kPair12 | kPair13 | kPair23,
                                     true};
    switch (code) {
        case kParti:
            return k10;
        case kCoupe:
            return k11;
        case kTranche:
            return k12;
        case kTaille:
            return k13;
        case kEcartele:
            return k14;
        case kEcarteleEnSautoir:
            return k15;
        case kTierceEnPal:
            return k16;
        case kTierceEnFasce:
            return k17;
        case kTierceEnBande:
            return k18;
        case kTierceEnBarre:
            return k19;
        case kTierceEnPairle:
            return k21;
        case kPartiMiCoupeSenestre:
            return k22;
        case kPartiMiCoupeDextre:
            return k23;
        case kCoupeMiPartiChef:
            return k24;
        case kCoupeMiPartiPointe:
            return k25;
        default:
            return kPlain;
    }
}

void drawLines(const PartitionLayout& layout, const LineStyle& style, Surface& model) {
    for (const PartitionLine& l : layout.Lines) {
        if (l.Heraldic)
            DrawHeraldicLine(model, l.X1, l.Y1, l.X2, l.Y2, style, kLineColour, l.EdgeFlag,
                             l.Direction);
        else
            model.line(l.X1, l.Y1, l.X2, l.Y2, kLineColour);
    }
}

void queueWarnings(const PartitionLayout& layout, Workspace& ws) {
    const auto& parts = ws.CurrentBlazon.Parts;
    if (layout.Pairs & kPair12 && parts[1].Kind == parts[2].Kind)
        AddWarning(ws.Warnings, kWarnNeighbourPartsAlike, 12);
    if (layout.Pairs & kPair13 && parts[1].Kind == parts[3].Kind)
        AddWarning(ws.Warnings, kWarnNeighbourPartsAlike, 13);
    if (layout.Pairs & kPair23 && parts[2].Kind == parts[3].Kind) {
        const bool inserted = parts[2].Kind == kClassInserted || parts[3].Kind == kClassInserted;
        if (!(layout.Pair23SparesInserted && inserted))
            AddWarning(ws.Warnings, kWarnNeighbourPartsAlike, 23);
    }
}

struct InsertRect {
    int X, Y, W, H;  // destination on the canvas
    int SourceH;     // rows taken from the inserted picture (all 265 columns)
};

// The quarter or half of the canvas that holds the part's seed.
bool insertRect(int part, Long partition, InsertRect& out) {
    switch (part) {
        case 1:
            out = {0, 1, 133, 170, 340};
            return true;
        case 4:
            out = {133, 171, 132, 170, 340};
            return true;
        case 2:
            switch (partition) {
                case kEcartele:
                case kPartiMiCoupeSenestre:
                    out = {133, 1, 132, 170, 340};
                    return true;
                case kPartiMiCoupeDextre:
                    out = {1, 171, 132, 171, 340};
                    return true;
                case kCoupeMiPartiChef:
                    out = {1, 0, 132, 170, 339};
                    return true;
                case kCoupeMiPartiPointe:
                    out = {133, 171, 132, 170, 340};
                    return true;
                default:
                    return false;
            }
        case 3:
            switch (partition) {
                case kEcartele:
                    out = {1, 171, 132, 170, 340};
                    return true;
                case kPartiMiCoupeSenestre:
                    out = {133, 171, 133, 170, 340};
                    return true;
                case kPartiMiCoupeDextre:
                    out = {1, 1, 132, 170, 340};
                    return true;
                case kCoupeMiPartiChef:
                    out = {133, 0, 133, 170, 339};
                    return true;
                case kCoupeMiPartiPointe:
                    out = {1, 171, 132, 170, 340};
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

}  // namespace

void DrawFieldPartition(Workspace& ws, Renderer& r) {
    BlazonRecord& b = ws.CurrentBlazon;
    const PartitionLayout& layout = layoutOf(b.Partition);
    b.PartCount = Byte(layout.Seeds.size());
    for (std::size_t i = 0; i < layout.Seeds.size(); ++i) {
        b.Parts[i + 1].SeedX = Integer(layout.Seeds[i].X);
        b.Parts[i + 1].SeedY = Integer(layout.Seeds[i].Y);
    }
    queueWarnings(layout, ws);

    // The key map depends on the partition and its lines' style alone: kept
    // while they stay, it costs nothing but the count, seeds and warnings.
    PartitionKey key;
    key.Partition = isPartitionCode(b.Partition) ? b.Partition : kPlainField;
    for (const PartitionLine& l : layout.Lines)
        if (l.Heraldic) key.Line = b.Parts[1].Line;
    Surface& map = r.partitionWork;
    const bool sized = map.width() == kModelWidth && map.height() == kModelHeight;
    if (r.PartitionMade && sized && r.PartitionDrawn == key) return;

    // The key map is drawn with a 50-pixel margin round the shield, so that
    // lines can run past the shield's edges and close every part.
    map.setBackground(kWorkBackground);
    if (!sized) map.resize(kModelWidth, kModelHeight);
    // A field without lines is one part over the whole map: the flood from its
    // seed would reach every pixel, so the map takes the key at once.
    const bool onePart = layout.Lines.empty() && layout.Seeds.size() == 1;
    if (onePart)
        fillSurface(map, kPartKeyColours[1]);
    else
        clearSurface(map);
    drawLines(layout, b.Parts[1].Line, map);
    // Parts are flooded in order, so a later part that finds an earlier key
    // colour at its seed takes that area over.
    for (int k = 1; k <= b.PartCount && !onePart; ++k)
        map.floodSurface(b.Parts[k].SeedX + kModelMargin, b.Parts[k].SeedY + kModelMargin,
                         Brush::solid(kPartKeyColours[k]));
    r.PartitionDrawn = key;
    r.PartitionMade = true;
    r.PartitionDrawing = newDrawingNumber();
    r.PartitionRunsMade = false;
}

const Colour* fieldKeyRow(const Renderer& r, int y) {
    return r.partitionWork.row(y + kModelMargin) + kModelMargin;
}

const RowRuns& fieldKeyRuns(Renderer& r) {
    if (!r.PartitionRunsMade) {
        r.PartitionRuns =
            rowRunsOf(r.partitionWork, kModelMargin, kModelMargin, kCanvasWidth, kCanvasHeight,
                      [](Colour c) { return Colour(partOfKeyColour(c)); });
        r.PartitionRunsMade = true;
    }
    return r.PartitionRuns;
}

void DrawBlazonInPart(Workspace& ws, Renderer& r, int part) {
    if (part < 1 || part > 4) return;
    InsertRect rect;
    if (!insertRect(part, ws.CurrentBlazon.Partition, rect)) return;
    const Surface& inserted = r.InsertedPictures[std::size_t(part)];
    if (inserted.empty()) return;
    StretchBlt(r.canvas, rect.X, rect.Y, rect.W, rect.H, inserted, 0, 0, kCanvasWidth, rect.SourceH,
               RasterOp::Copy);
}

}  // namespace tess
