// The shape, size and shift choosers and the alignment strip beside the canvas.
#include <array>
#include <cmath>

#include "resources/sketch.h"
#include "resources/window_pictures.h"

namespace tess {

namespace {

using resources::drawLine;
using resources::fillRect;
using resources::frameRect;
using resources::paintSilhouette;
using resources::shieldSilhouette;

constexpr Colour kDarkRed = 0x000080u;  // also the maroon of the option shields
constexpr Colour kYellow = 0x00FFFFu;
constexpr Colour kRed = 0x0000FFu;
constexpr Colour kGreen = 0x008000u;
constexpr Colour kDarkGreen = 0x006400u;
constexpr Colour kNavy = 0x800000u;

Surface drawShapeChooser() {
    Surface s(45, 98, kPanelColour);
    struct Cell {
        int shape, left, top;
    };
    // Left column 1, 2, 7, 3 from the top; right column 5, 4, 6; the cell
    // rows end at y 20, 45, 72 and 97.
    constexpr std::array<Cell, 7> kCells = {
        {{1, 1, 1}, {2, 1, 23}, {7, 1, 49}, {3, 1, 76}, {5, 20, 1}, {4, 20, 23}, {6, 20, 49}}};
    constexpr int kW = 16, kH = 20;
    for (const Cell& c : kCells) {
        const Colour inside = c.shape == 1 ? kYellow : kDarkRed;
        paintSilhouette(
            s, c.left, c.top, shieldSilhouette(c.shape, kW, kH), kW, kH,
            [&](int, int) { return inside; }, kBlack);
    }
    return s;
}

// Three small shields 13 x 17 at x 3..15 (the size choosers: 4..16), tops at y 1, 20 and 40.
constexpr std::array<int, 3> kOptionTops = {1, 20, 40};
constexpr int kOptionW = 13, kOptionH = 17;

Surface drawSizeChooser(int order) {
    const Colour body = order == 2 ? kDarkGreen : kDarkRed;
    const Colour mark = order == 2 ? kGreen : kRed;
    const Colour chosen = order == 2 ? kWhite : kYellow;
    Surface s(28, 63, kPanelColour);
    const std::vector<char> shield = shieldSilhouette(1, kOptionW, kOptionH);
    constexpr int kLeft = 4, kMiddle = 10;
    for (int i = 0; i < 3; ++i) {
        // The pale: five, three and one pixel wide, edged in black.
        const int half = 2 - i;
        const Colour pale = i == 0 ? chosen : mark;
        paintSilhouette(
            s, kLeft, kOptionTops[i], shield, kOptionW, kOptionH,
            [&](int x, int) {
                const int d = std::abs(kLeft + x - kMiddle);
                return d <= half ? pale : d == half + 1 ? kBlack : body;
            },
            kBlack);
    }
    return s;
}

Surface drawShiftChooser() {
    Surface s(25, 64, kPanelColour);
    const std::vector<char> shield = shieldSilhouette(1, kOptionW, kOptionH);
    constexpr int kLeft = 3;
    // The crosses' centres: up and to the dexter, the middle, down and to the sinister.
    constexpr std::array<std::array<int, 2>, 3> kCross = {{{6, 5}, {9, 27}, {12, 50}}};
    for (int i = 0; i < 3; ++i) {
        const int cx = kCross[i][0], cy = kCross[i][1];
        const Colour cross = i == 1 ? kYellow : kRed;
        paintSilhouette(
            s, kLeft, kOptionTops[i], shield, kOptionW, kOptionH,
            [&](int x, int y) {
                const int dx = std::abs(kLeft + x - cx), dy = std::abs(kOptionTops[i] + y - cy);
                if (dx == 0 || dy == 0) return cross;
                return dx == 1 || dy == 1 ? kBlack : kDarkRed;
            },
            kBlack);
    }
    return s;
}

void arrowHead(Surface& s, int x, int y, int dx, int dy) {
    // A filled head pointing along (dx, dy), three pixels deep.
    for (int k = 0; k < 3; ++k)
        for (int w = -k; w <= k; ++w)
            s.setPixel(x - dx * k + (dy != 0 ? w : 0), y - dy * k + (dx != 0 ? w : 0), kBlack);
}

Surface drawAlignmentStrip() {
    Surface s(20, 302, kPanelColour);
    // Headings: a double arrow across, then one down.
    drawLine(s, 3, 8, 16, 8, kBlack);
    arrowHead(s, 2, 8, -1, 0);
    arrowHead(s, 17, 8, 1, 0);
    drawLine(s, 9, 156, 9, 179, kBlack);
    drawLine(s, 10, 156, 10, 179, kBlack);
    arrowHead(s, 9, 155, 0, -1);
    arrowHead(s, 10, 155, 0, -1);
    arrowHead(s, 9, 180, 0, 1);
    arrowHead(s, 10, 180, 0, 1);

    // Across: each cell a field with the charge's place in it, against the
    // dotted middle line (the field's inside is columns 3..16).
    constexpr std::array<std::array<int, 2>, 7> kAcross = {
        {{17, 35}, {36, 54}, {55, 74}, {75, 92}, {93, 112}, {113, 131}, {132, 149}}};
    constexpr std::array<std::array<int, 2>, 7> kBlockX = {
        {{3, 6}, {5, 8}, {6, 9}, {8, 11}, {10, 13}, {11, 14}, {13, 16}}};
    for (int i = 0; i < 7; ++i) {
        const int top = kAcross[i][0] + 2, bottom = kAcross[i][1] - 2;
        fillRect(s, 3, top + 1, 16, bottom - 1, kWhite);
        frameRect(s, 2, top, 17, bottom, kBlack);
        for (int y = top + 1; y < bottom; y += 2) s.setPixel(9, y, kButtonEdge);
        fillRect(s, kBlockX[i][0], top + 3, kBlockX[i][1], bottom - 3, kNavy);
    }
    // Down: the same with the field upright (inside rows top+1 .. bottom-1).
    constexpr std::array<std::array<int, 2>, 6> kDown = {
        {{186, 205}, {206, 223}, {224, 242}, {243, 261}, {262, 280}, {281, 300}}};
    for (int i = 0; i < 6; ++i) {
        const int top = kDown[i][0] + 1, bottom = kDown[i][1] - 1;
        const int inTop = top + 1, inBottom = bottom - 1, h = inBottom - inTop + 1;
        const int middle = inTop + h / 2;  // first row below the middle line
        int from = 0;
        switch (i) {
            case 0:
                from = inTop;
                break;
            case 1:
                from = inTop + h / 4 - 2;
                break;
            case 2:
                from = middle - 4;
                break;
            case 3:
                from = middle - 2;
                break;
            case 4:
                from = middle;
                break;
            case 5:
                from = inTop + 3 * h / 4 - 2;
                break;
        }
        fillRect(s, 5, inTop, 14, inBottom, kWhite);
        frameRect(s, 4, top, 15, bottom, kBlack);
        for (int x = 5; x <= 14; x += 2) s.setPixel(x, middle - 1, kButtonEdge);
        fillRect(s, 7, from, 12, from + 3, kNavy);
    }
    return s;
}

}  // namespace

const Surface& shapeChooserPicture() {
    static const Surface s = drawShapeChooser();
    return s;
}

const Surface& sizeChooserPicture(int order) {
    static const Surface first = drawSizeChooser(1);
    static const Surface second = drawSizeChooser(2);
    return order == 2 ? second : first;
}

const Surface& shiftChooserPicture() {
    static const Surface s = drawShiftChooser();
    return s;
}

const Surface& alignmentStripPicture() {
    static const Surface s = drawAlignmentStrip();
    return s;
}

}  // namespace tess
