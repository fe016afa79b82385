#include "render/ordinary1_repeats.h"

#include "render/ordinary1_outline.h"
#include "render/renderer.h"

namespace tess {

namespace {

// Size of every copy and place of each, in shield coordinates.
struct CopyGeometry {
    int W = 0, H = 0;
    std::array<int, 3> X{}, Y{};
};

// Two pieces. The odd numbers are fractions of the shield rounded: 199 x 255
// is the shield over 1.333, 99 = 265 / 2.666, -17 = -265 / 16, 106 = 265 / 2.5,
// -21 = -340 / 16, 136 = 340 / 2.5, 227 = two thirds of 340.
CopyGeometry twoPieces(Long type) {
    switch (type) {
        case kPal:
            return {176, 340, {-17, 106}, {0, 0}};
        case kFasce:
            return {265, 226, {0, 0}, {-21, 136}};
        case kBande:
            return {199, 255, {99, -29}, {0, 85}};
        case kBarre:
            return {199, 255, {88, -15}, {113, -19}};
        default:
            return {353, 227, {-44, -44}, {21, 204}};  // chevrons
    }
}

// Three pieces; 159 x 204 is the shield over 1.666.
CopyGeometry threePieces(Long type) {
    switch (type) {
        case kPal:
            return {88, 340, {88, 22, 159}, {0, 0, 0}};
        case kFasce:
            return {265, 113, {0, 0, 0}, {113, 28, 204}};
        case kBande:
            return {159, 204, {132, 33, 0}, {2, 44, 159}};
        case kBarre:
            return {159, 204, {66, 0, 132}, {85, 0, 170}};
        default:
            return {353, 170, {-44, -44, -44}, {21, 204, 113}};  // chevrons
    }
}

PieceCopy shieldArea(int x, int y, int w, int h) {
    return {kBigMargin, kBigMargin, kCanvasWidth, kCanvasHeight, x, y, w, h};
}

}  // namespace

PieceCopies ordinary1Copies(const OrdinaryRecord& piece) {
    PieceCopies out;
    const int repeat = piece.Repeat;
    const Long type = piece.Type;
    const bool bands = type >= kPal && type <= kChevron;
    if (repeat == 0 || repeat > 2 || !(bands || type == kOrle)) {
        out.Copies[0] = shieldArea(0, 0, kCanvasWidth, kCanvasHeight);
        out.Count = 1;
        return out;
    }
    if (type == kOrle) {
        int n = 0;
        out.Copies[n++] = shieldArea(0, 0, kCanvasWidth, kCanvasHeight);
        // The shield over 1.4, placed at a seventh of its size, then halved.
        if (repeat == 2) out.Copies[n++] = shieldArea(38, 49, 189, 243);
        out.Copies[n++] = shieldArea(66, 85, 132, 170);
        out.Count = n;
        return out;
    }
    const CopyGeometry g = repeat == 1 ? twoPieces(type) : threePieces(type);
    for (int i = 0; i <= repeat; ++i)
        out.Copies[i] = {0,
                         0,
                         kBigWidth,
                         kBigHeight,
                         g.X[i] - kBigMargin,
                         g.Y[i] - kBigMargin,
                         g.W + 2 * kBigMargin,
                         g.H + 2 * kBigMargin};
    out.Count = repeat + 1;
    return out;
}

}  // namespace tess
