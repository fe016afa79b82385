// The small icons of the honourable pieces list: a shield of argent with the
// piece in gueules.
#include <array>
#include <vector>

#include "resources/heraldic_figures.h"
#include "resources/sketch.h"
#include "resources/window_pictures.h"

namespace tess {

namespace {

constexpr Colour kGueules = 0x0000FFu;

Surface drawPieceIcon(int type) {
    constexpr int kW = 13, kH = 16;
    static const std::vector<char> shield = resources::shieldSilhouette(1, kW, kH);
    Surface s(16, 16, kPanelColour);
    resources::paintSilhouette(
        s, 2, 0, shield, kW, kH,
        [&](int x, int y) {
            return resources::pieceCovers(type, (x + 0.5) / kW, (y + 0.5) / kH) ? kGueules : kWhite;
        },
        kBlack);
    return s;
}

}  // namespace

const Surface& honourablePieceIcon(int type) {
    static const std::array<Surface, 23> all = [] {
        std::array<Surface, 23> a;
        for (int t = 0; t <= 22; ++t) a[t] = drawPieceIcon(t);
        return a;
    }();
    return all[type >= 1 && type <= 22 ? type : 0];
}

}  // namespace tess
