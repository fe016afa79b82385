// The tincture and fur palettes and the warning sign.
#include <array>
#include <map>
#include <utility>

#include "resources/pictures.h"
#include "resources/sketch.h"
#include "resources/window_pictures.h"

namespace tess {

namespace {

using resources::fillRect;
using resources::frameRect;

// Rows of the palette cells, both ends included, as the handler tests them.
struct Band {
    int top;
    int bottom;
};

Surface drawTincturePalette() {
    constexpr std::array<Band, 6> kRows = {
        {{0, 25}, {26, 47}, {48, 66}, {67, 85}, {86, 105}, {106, 126}}};
    // The swatch points the painter floods from; each swatch is centred on its
    // point as far as the cell allows.
    constexpr std::array<int, 6> kPointY = {12, 36, 55, 73, 92, 110};
    Surface s(41, 127, kPanelColour);
    for (int r = 0; r < 6; ++r) {
        const int top = std::max(kRows[r].top + 1, kPointY[r] - 7);
        const int bottom = std::min(kRows[r].bottom - 1, kPointY[r] + 7);
        for (int column = 0; column < (r == 5 ? 1 : 2); ++column) {
            const int left = column == 0 ? 2 : 23, right = column == 0 ? 18 : 39;
            fillRect(s, left, top, right, bottom, kWhite);
            frameRect(s, left, top, right, bottom, kBlack);
        }
    }
    return s;
}

// A fur shrunk for the palette: each cell of the sample takes the colour that
// covers most of the pixels behind it.
Colour majorityColour(const Surface& fur, int x0, int y0, int size) {
    std::map<Colour, int> counts;
    for (int y = y0; y < y0 + size; ++y)
        for (int x = x0; x < x0 + size; ++x) ++counts[fur.pixel(x, y)];
    Colour best = fur.pixel(x0, y0);
    int bestCount = 0;
    for (auto [c, n] : counts)
        if (n > bestCount) best = c, bestCount = n;
    return best;
}

// A tiny ermine spot (5 x 8) for the palette, where the real spots would be
// specks: three pellets, a stem and a three-pointed tail.
constexpr std::array<const char*, 8> kTinySpot = {
    "..#..",  //
    "#.#.#",  //
    "..#..",  //
    "..#..",  //
    ".###.",  //
    ".###.",  //
    "#####",  //
    "#.#.#",  //
};

void drawSwatch(Surface& s, int code, int l, int t, int r, int b) {
    const Surface& fur = furPicture(code);
    const bool ermine = code != 110 && code != 113 && code != 115;
    if (ermine) {
        // The field is the tincture of most of the picture, the spots the other.
        std::map<Colour, int> counts;
        for (int y = 0; y < fur.height(); y += 2)
            for (int x = 0; x < fur.width(); x += 2) ++counts[fur.pixel(x, y)];
        Colour field = counts.begin()->first, spot = counts.rbegin()->first;
        if (counts.begin()->second < counts.rbegin()->second) std::swap(field, spot);
        fillRect(s, l, t, r, b, field);
        for (int row = 0, y = t + 1; y <= b; ++row, y += 10)
            for (int x = l + (row % 2 ? 6 : 1); x <= r; x += 10)
                for (int j = 0; j < 8; ++j)
                    for (int i = 0; i < 5; ++i)
                        if (kTinySpot[j][i] == '#' && x + i <= r && y + j <= b)
                            s.setPixel(x + i, y + j, spot);
    } else {
        // A sixth of the size, from the middle of the picture.
        constexpr int kShrink = 6;
        const int x0 = 132 - (r - l + 1) * kShrink / 2;
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= r; ++x)
                s.setPixel(x, y,
                           majorityColour(fur, x0 + (x - l) * kShrink, (y - t) * kShrink, kShrink));
    }
    frameRect(s, l - 1, t - 1, r + 1, b + 1, kBlack);
}

Surface drawFurPalette() {
    Surface s(50, 85, kPanelColour);
    // Cells: columns x <= 18 and x > 18; rows y < 21, 21..35, 36..60, > 60.
    constexpr std::array<Band, 4> kRows = {{{0, 20}, {21, 35}, {36, 60}, {61, 84}}};
    constexpr std::array<std::array<int, 2>, 4> kCodes = {
        {{110, 113}, {115, 111}, {114, 112}, {108, 109}}};
    for (int r = 0; r < 4; ++r) {
        drawSwatch(s, kCodes[r][0], 2, kRows[r].top + 2, 16, kRows[r].bottom - 2);
        drawSwatch(s, kCodes[r][1], 21, kRows[r].top + 2, 47, kRows[r].bottom - 2);
    }
    return s;
}

Surface drawWarning() {
    Surface s(24, 24, kPanelColour);
    const std::vector<resources::Point> outer = {{12, 0.5}, {23.5, 22.5}, {0.5, 22.5}};
    const std::vector<resources::Point> inner = {{12, 3.6}, {21.0, 21.0}, {3.0, 21.0}};
    resources::fillPolygon(s, outer, kBlack);
    resources::fillPolygon(s, inner, rgb(255, 210, 0));
    fillRect(s, 11, 8, 12, 15, kBlack);
    fillRect(s, 11, 17, 12, 18, kBlack);
    return s;
}

}  // namespace

const Surface& tincturePalettePicture() {
    static const Surface s = drawTincturePalette();
    return s;
}

const Surface& furPalettePicture() {
    static const Surface s = drawFurPalette();
    return s;
}

const Surface& warningPicture() {
    static const Surface s = drawWarning();
    return s;
}

}  // namespace tess
