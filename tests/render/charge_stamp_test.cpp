#include <gtest/gtest.h>

#include <random>

#include "render/charge_layers.h"

namespace tess {
namespace {

Surface randomSurface(std::mt19937& rng, int w, int h, bool maskLike) {
    Surface s(w, h, kBlack);
    std::uniform_int_distribution<Colour> any(0, 0xFFFFFF);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.setPixel(x, y, maskLike ? (coin(rng) ? kBlack : kWhite) : any(rng));
    return s;
}

TEST(StampStretched, MatchesTheMaskThenPictureCopies) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> size(1, 30), pos(-60, 90), box(-120, 120);
    for (int round = 0; round < 3000; ++round) {
        const int sw = size(rng), sh = size(rng);
        const Surface mask = randomSurface(rng, sw, sh, true);
        const Surface picture = randomSurface(rng, sw, sh, false);
        const Surface canvas = randomSurface(rng, 80, 70, false);
        const int dx = pos(rng), dy = pos(rng), dw = box(rng), dh = box(rng);
        Surface expected = canvas;
        StretchBlt(expected, dx, dy, dw, dh, mask, 0, 0, sw, sh, RasterOp::And);
        StretchBlt(expected, dx, dy, dw, dh, picture, 0, 0, sw, sh, RasterOp::Xor);
        Surface fused = canvas;
        stampStretched(fused, dx, dy, dw, dh, mask, picture);
        ASSERT_EQ(fused, expected)
            << dx << "," << dy << " " << dw << "x" << dh << " from " << sw << "x" << sh;
    }
}

}  // namespace
}  // namespace tess
