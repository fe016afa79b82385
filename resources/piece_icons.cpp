// The small icons: the honourable pieces list (a shield of argent with the
// piece in gueules) and the program's own icon.
#include <array>
#include <cmath>
#include <utility>
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

// Écartelé d'azur et d'argent, edged in gold, a star of gold in the first quarter.
Surface drawProgramIcon() {
    constexpr int kW = 26, kH = 32;
    constexpr Colour kAzur = 0xFF0000u, kOr = 0x00FFFFu, kGold = 0x3CBEE6u;
    Surface s(32, 32, kPanelColour);
    const std::vector<char> shield = resources::shieldSilhouette(1, kW, kH);
    resources::paintSilhouette(
        s, 3, 0, shield, kW, kH,
        [&](int x, int y) { return (x < kW / 2) == (y < kH / 2) ? kAzur : kWhite; }, kGold);
    const double cx = 3 + kW / 4.0 + 0.5, cy = kH / 4.0 + 0.5;
    std::vector<resources::Point> star;
    for (int k = 0; k < 10; ++k) {
        const double a = -1.5707963 + k * 0.6283185, r = k % 2 ? 2.2 : 5.2;
        star.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    resources::fillPolygon(s, star, kOr);
    // A sable ermine spot in each quarter of argent, as a hint of the fur.
    constexpr const char* kSpot[8] = {"..#..", "#.#.#", "..#..", "..#..",
                                      ".###.", ".###.", "#####", "#.#.#"};
    for (auto [left, top] : {std::pair{19, 4}, std::pair{6, 20}})
        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 5; ++i)
                if (kSpot[j][i] == '#') s.setPixel(left + i, top + j, kBlack);
    return s;
}

}  // namespace

const Surface& programIcon() {
    static const Surface s = drawProgramIcon();
    return s;
}

const Surface& honourablePieceIcon(int type) {
    static const std::array<Surface, 23> all = [] {
        std::array<Surface, 23> a;
        for (int t = 0; t <= 22; ++t) a[t] = drawPieceIcon(t);
        return a;
    }();
    return all[type >= 1 && type <= 22 ? type : 0];
}

}  // namespace tess
