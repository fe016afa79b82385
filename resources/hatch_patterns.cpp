// The three dot hatchings of a black-and-white page (the other tinctures use
// the drawing layer's line hatchings).
#include <string_view>

#include "resources/pictures.h"

namespace tess {

namespace {

using Pattern = std::array<Colour, 64>;

Pattern fromRows(const std::array<std::string_view, 8>& rows) {
    Pattern p{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) p[y * 8 + x] = rows[y][x] == 'X' ? kBlack : kWhite;
    return p;
}

}  // namespace

const std::array<Colour, 64>& hatchPattern(int tincture) {
    // Or: a dot every four pixels.
    static const Pattern orDots = fromRows({"X...X...", "........", "........", "........",
                                            "X...X...", "........", "........", "........"});
    // Orangé: dots and dashes.
    static const Pattern orangeDashes = fromRows({"X...XXX.", "........", "........", "........",
                                                  "XXX.X...", "........", "........", "........"});
    // Bis: a dot grid.
    static const Pattern bisGrid = fromRows({"X...X...", ".X.X.X.X", "........", ".X.X.X.X",
                                             "X...X...", ".X.X.X.X", "........", ".X.X.X.X"});
    static const Pattern solid = [] {
        Pattern p;
        p.fill(kBlack);
        return p;
    }();
    switch (tincture) {
        case 1:
            return orDots;
        case 7:
            return orangeDashes;
        case 11:
            return bisGrid;
        default:
            return solid;
    }
}

}  // namespace tess
