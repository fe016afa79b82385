// Every narrow piece must stay one whole piece, whatever line its edges carry:
// two edges whose patterns run into each other, or a seed that lands on a line
// or beside the band, leave the piece empty, in pieces, or painted over the
// field, on the canvas and on the key map alike.
#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "model/line_kinds.h"
#include "ordinary_redraw_fixture.h"
#include "render/key_colours.h"
#include "render/renderer.h"

namespace tess {
namespace {

struct NarrowPiece {
    const char* Name;
    Long Type;
    Integer Size;  // as the menus store it: 1 or 34 diminished, -1 en filet
    Integer Shift;
    bool Heraldic;  // whether the piece's edges are drawn by the line engine
};

void PrintTo(const NarrowPiece& p, std::ostream* out) {
    *out << p.Name;
}

std::string nameOf(const ::testing::TestParamInfo<NarrowPiece>& info) {
    return info.param.Name;
}

// The part of the key map a pixel belongs to, 0 on a line.
int partOn(const Surface& map, int x, int y) {
    return partOfKeyColour(map.pixel(x, y));
}

// How many separate areas of `key` on `picture` show in the window (x0, y0,
// w, h). Counted on the piece's whole picture, margins included, so that a
// tooth the canvas border cuts off its band is not taken for a piece of its
// own; every copy of a repeated piece is this picture scaled.
int partsShowing(const Surface& picture, Colour key, int x0, int y0, int w, int h) {
    const int pw = picture.width(), ph = picture.height();
    std::vector<char> seen(std::size_t(pw * ph), 0);
    std::vector<int> stack;
    int parts = 0;
    for (int y = 0; y < ph; ++y)
        for (int x = 0; x < pw; ++x) {
            if (seen[std::size_t(y * pw + x)] || picture.pixel(x, y) != key) continue;
            bool shows = false;
            stack.push_back(y * pw + x);
            seen[std::size_t(y * pw + x)] = 1;
            while (!stack.empty()) {
                const int at = stack.back();
                stack.pop_back();
                const int u = at % pw, v = at / pw;
                shows |= u >= x0 && u < x0 + w && v >= y0 && v < y0 + h;
                for (const auto& [du, dv] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nu = u + du, nv = v + dv;
                    if (nu < 0 || nv < 0 || nu >= pw || nv >= ph) continue;
                    const std::size_t n = std::size_t(nv * pw + nu);
                    if (seen[n] || picture.pixel(nu, nv) != key) continue;
                    seen[n] = 1;
                    stack.push_back(int(n));
                }
            }
            parts += shows;
        }
    return parts;
}

// Empty when the piece (part `piece`) and the field (part 1) never touch on
// the key map without a line between them: a seed lying on a line floods the
// line, which then touches the field unparted.
std::string touchFault(const Surface& map, int piece) {
    auto apart = [&](int a, int b) { return (a == piece && b == 1) || (a == 1 && b == piece); };
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            const int here = partOn(map, x, y);
            if ((x + 1 < map.width() && apart(here, partOn(map, x + 1, y))) ||
                (y + 1 < map.height() && apart(here, partOn(map, x, y + 1))))
                return "piece and field touch at (" + std::to_string(x) + ", " + std::to_string(y) +
                       ")";
        }
    return {};
}

// Whether the piece's zone on the key map reaches the map's frame at two
// places well apart: every narrow piece runs across the shield, so a zone that
// meets the frame at one end only has lost the rest of its band.
bool spansTheShield(const Surface& map, int piece) {
    int left = map.width(), right = -1, top = map.height(), bottom = -1;
    auto frame = [&](int x, int y) {
        if (partOn(map, x, y) != piece) return;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    };
    for (int x = 0; x < map.width(); ++x) frame(x, 0), frame(x, map.height() - 1);
    for (int y = 0; y < map.height(); ++y) frame(0, y), frame(map.width() - 1, y);
    return right >= 0 && std::hypot(right - left, bottom - top) >= 100;
}

class NarrowPieceEdges : public testing::OrdinaryRedraw,
                         public ::testing::WithParamInterface<NarrowPiece> {
  protected:
    bool secondOrder() const { return GetParam().Type >= kAdextre; }
    int zonePart() const { return secondOrder() ? 5 : 7; }

    // Empty when the redrawn piece is sound.
    std::string fault() {
        const int piece = zonePart();
        const Colour key = kPartKeyColours[std::size_t(piece)];
        const Surface& map = r.partMap;
        int shown = 0;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x) shown += partOn(map, x, y) == piece;
        if (shown == 0) return "no piece on the key map";

        // The field beside the piece keeps its part where its seeds lie.
        Surface outline(secondOrder() ? kCanvasWidth : kBigWidth,
                        secondOrder() ? kCanvasHeight : kBigHeight, kWorkBackground);
        std::vector<SeedPoint> fieldSeeds;
        int pieceSeeds = 1;
        if (secondOrder()) {
            const Ordinary2Seeds s =
                drawOrdinary2Outline(outline, ws.CurrentBlazon.Ordinary2, zone(5).Line);
            fieldSeeds.assign(s.Field.begin(), s.Field.begin() + s.FieldCount);
        } else {
            const Ordinary1Seeds s =
                drawOrdinary1Outline(outline, ws.CurrentBlazon.Ordinary1, zone(7).Line);
            for (const SeedPoint& f : s.Field)
                fieldSeeds.push_back({f.x - kBigMargin, f.y - kBigMargin});
            pieceSeeds = s.Piece[0].x == s.Piece[1].x && s.Piece[0].y == s.Piece[1].y ? 1 : 2;
        }
        for (const SeedPoint& f : fieldSeeds)
            if (map.contains(f.x, f.y) && partOn(map, f.x, f.y) != 1)
                return "field seed (" + std::to_string(f.x) + ", " + std::to_string(f.y) +
                       ") lies in part " + std::to_string(partOn(map, f.x, f.y));

        if (std::string touch = touchFault(map, piece); !touch.empty()) return touch;
        if (!spansTheShield(map, piece)) return "the piece does not run across the shield";

        // One area on the piece's own picture where it shows (the raised
        // chevron's two seeds may find two).
        const Surface& picture = secondOrder() ? r.Ordinary2.keyPicture : r.Ordinary1.keyPicture;
        const int margin = secondOrder() ? 0 : kBigMargin;
        const int parts = partsShowing(picture, key, margin, margin, kCanvasWidth, kCanvasHeight);
        if (parts < 1 || parts > pieceSeeds) return std::to_string(parts) + " separate parts show";
        return {};
    }
};

TEST_P(NarrowPieceEdges, StayOneWholePieceWhateverTheLine) {
    const NarrowPiece p = GetParam();
    // Pieces whose edges are plain lines whatever the style need each kind
    // and form once or twice; the others every step of the dialog's ranges.
    const std::vector<int> widths =
        p.Heraldic ? std::vector<int>{10, 19, 28, 37, 46, 55, 64, 73, 82, 91, 100}
                   : std::vector<int>{10, 100};
    const std::vector<int> depths = p.Heraldic
                                        ? std::vector<int>{10, 15, 20, 25, 30, 35, 40, 45, 50}
                                        : std::vector<int>{10, 50};
    int checked = 0;
    for (int kind = kLinePlain; kind <= kLineBastille; ++kind)
        for (Integer plumb : {kFalse, kTrue})
            for (int width : widths)
                for (int depth : depths) {
                    if (secondOrder()) {
                        second(p.Type, p.Size);
                    } else {
                        first(p.Type, p.Size, p.Shift);
                    }
                    zone(zonePart()).Line = {Integer(depth), Integer(width), kind, plumb};
                    redraw();
                    const std::string f = fault();
                    ASSERT_TRUE(f.empty()) << "kind " << kind << ", plumb " << plumb << ", width "
                                           << width << ", depth " << depth << ": " << f;
                    ++checked;
                }
    EXPECT_EQ(checked, 8 * 2 * int(widths.size() * depths.size()));
}

// One piece and shift per test, so that the runs share out across processors.
INSTANTIATE_TEST_SUITE_P(
    Pieces, NarrowPieceEdges,
    ::testing::Values(NarrowPiece{"ChefDiminished", kChef, 1, 0, true},
                      NarrowPiece{"PalDiminished", kPal, 1, 0, true},
                      NarrowPiece{"PalDiminishedDexter", kPal, 1, -1, true},
                      NarrowPiece{"PalDiminishedSinister", kPal, 1, 1, true},
                      NarrowPiece{"FasceDiminished", kFasce, 1, 0, true},
                      NarrowPiece{"FasceDiminishedRaised", kFasce, 1, -1, true},
                      NarrowPiece{"FasceDiminishedLowered", kFasce, 1, 1, true},
                      NarrowPiece{"BandeDiminished", kBande, 1, 0, true},
                      NarrowPiece{"BandeDiminishedRaised", kBande, 1, -1, true},
                      NarrowPiece{"BandeDiminishedLowered", kBande, 1, 1, true},
                      NarrowPiece{"BarreDiminished", kBarre, 1, 0, true},
                      NarrowPiece{"BarreDiminishedRaised", kBarre, 1, -1, true},
                      NarrowPiece{"BarreDiminishedLowered", kBarre, 1, 1, true},
                      NarrowPiece{"ChevronDiminished", kChevron, 1, 0, false},
                      NarrowPiece{"ChevronDiminishedRaised", kChevron, 1, -1, false},
                      NarrowPiece{"ChevronDiminishedLowered", kChevron, 1, 1, false},
                      NarrowPiece{"PalEnFilet", kPal, -1, 1, false},
                      NarrowPiece{"FasceEnFilet", kFasce, -1, -1, false},
                      NarrowPiece{"BandeEnFilet", kBande, -1, 0, false},
                      NarrowPiece{"BarreEnFilet", kBarre, -1, 1, false},
                      NarrowPiece{"ChevronEnFilet", kChevron, -1, 0, false},
                      NarrowPiece{"ChevronEnFiletRaised", kChevron, -1, -1, false},
                      NarrowPiece{"PairleDiminished", kPairle, 34, 0, false},
                      NarrowPiece{"PairleEnFilet", kPairle, -1, 0, false},
                      NarrowPiece{"SautoirDiminished", kSautoir, 34, 0, false},
                      NarrowPiece{"SautoirEnFilet", kSautoir, -1, 0, false},
                      NarrowPiece{"CroixDiminished", kCroix, 34, 0, false},
                      NarrowPiece{"CroixEnFilet", kCroix, -1, 0, false}),
    nameOf);

}  // namespace
}  // namespace tess
