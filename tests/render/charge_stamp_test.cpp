#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "render/charge_layers.h"
#include "render/row_runs.h"

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

// A mask in runs of black, white and now and then another colour, with a
// picture black where the mask is white unless `dirty` (a working picture
// that was not made with this mask).
void maskAndPicture(std::mt19937& rng, int w, int h, bool dirty, Surface& mask, Surface& picture) {
    mask = Surface(w, h, kWhite);
    picture = randomSurface(rng, w, h, false);
    std::uniform_int_distribution<int> run(1, 6), kind(0, 9);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w;) {
            const int k = kind(rng);
            const Colour c = k < 4 ? kBlack : k < 9 ? kWhite : Colour(0x808080);
            for (int end = std::min(w, x + run(rng)); x < end; ++x) {
                mask.setPixel(x, y, c);
                if (c == kWhite && !dirty) picture.setPixel(x, y, kBlack);
            }
        }
}

// Pixel by pixel, and by the mask's runs (each row run laid at once, a row
// shown on several rows stretched once): the same as the two copies, whether
// the picture is black under the mask's white or not, the box mirrored or not.
// A picture black under the mask's white is also stamped by the runs without
// the white ones, as the bank keeps them.
TEST(StampStretched, MatchesTheMaskThenPictureCopies) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> size(1, 40), pos(-60, 90), box(-150, 150);
    for (int round = 0; round < 6000; ++round) {
        const int sw = size(rng), sh = size(rng);
        Surface mask, picture;
        if (round % 2 == 0) {
            mask = randomSurface(rng, sw, sh, true);
            picture = randomSurface(rng, sw, sh, false);
        } else {
            maskAndPicture(rng, sw, sh, round % 3 == 0, mask, picture);
        }
        const RowRuns runs = stampRunsOf(mask, true);
        const bool clean = round % 2 == 1 && round % 3 != 0;
        const RowRuns withoutWhite = stampRunsOf(mask, false);
        const Surface canvas = randomSurface(rng, 80, 70, false);
        const int dx = pos(rng), dy = pos(rng), dw = box(rng), dh = box(rng);
        Surface expected = canvas;
        StretchBlt(expected, dx, dy, dw, dh, mask, 0, 0, sw, sh, RasterOp::And);
        StretchBlt(expected, dx, dy, dw, dh, picture, 0, 0, sw, sh, RasterOp::Xor);
        for (const RowRuns* byRuns :
             {static_cast<const RowRuns*>(nullptr), &runs, clean ? &withoutWhite : nullptr}) {
            Surface fused = canvas;
            stampStretched(fused, dx, dy, dw, dh, mask, picture, byRuns);
            ASSERT_EQ(fused, expected) << (byRuns ? "by runs " : "") << dx << "," << dy << " " << dw
                                       << "x" << dh << " from " << sw << "x" << sh;
        }
    }
}

}  // namespace
}  // namespace tess
