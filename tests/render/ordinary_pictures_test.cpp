// The pieces' three pictures, built row span by row span, checked against a
// plain whole-surface reading of the marking, over many random markings laid
// one after another on the same pictures; and the spans they keep checked to
// bound the marking.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "render/key_colours.h"
#include "render/ordinary_pictures.h"
#include "render/renderer.h"

namespace tess {
namespace {

constexpr Colour kKey = kPartKeyColours[7];

// A marking: runs of the piece, its edges, white pockets and untouched work
// background along each row, some rows left untouched.
Surface randomMarking(std::mt19937& rng, int w, int h) {
    Surface s(w, h, kWorkBackground);
    const Colour kinds[] = {kKey, kLineColour, kWhite, kWorkBackground};
    for (int y = 0; y < h; ++y) {
        if (rng() % 4 == 0) continue;
        for (int x = int(rng() % unsigned(w)); x < w;) {
            const int run = 1 + int(rng() % 9);
            const Colour c = kinds[rng() % 4];
            for (int i = x; i < std::min(w, x + run); ++i) s.row(y)[i] = c;
            x += run + int(rng() % 12);
        }
    }
    return s;
}

Surface randomPicture(std::mt19937& rng, int w, int h) {
    Surface p(w, h, kBlack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.row(y)[x] = rng() & 0xFFFFFF;
    return p;
}

// What each picture must hold, read pixel by pixel from the marking.
struct Expected {
    Colour mask, key, image;
};
Expected expected(const Surface& work, const PieceEmail& email, int x, int y) {
    const Colour c = work.pixel(x, y);
    const bool inside = c == kKey, edge = c == kLineColour;
    const Surface* p = email.Picture;
    const bool shown = p && p->contains(x - email.PictureX, y - email.PictureY);
    const Colour v = shown ? p->pixel(x - email.PictureX, y - email.PictureY) : kBlack;
    Colour image = kBlack;
    if (inside) image = p ? v : email.Fill;
    if (edge) image = p && shown && email.EdgeBits ? v & *email.EdgeBits : kLineColour;
    return {inside ? kBlack
            : edge ? kLineColour
                   : kWhite,
            inside ? kKey
            : edge ? kLineColour
                   : kBlack,
            image};
}

TEST(PiecePictures, SpanByRowBuildingMatchesTheWholeSurfaceReading) {
    std::mt19937 rng(5);
    for (int series = 0; series < 40; ++series) {
        const int w = 1 + int(rng() % 70), h = 1 + int(rng() % 30);
        OrdinarySurfaces pics;
        for (int step = 0; step < 12; ++step) {
            const Surface work = randomMarking(rng, w, h);
            const Surface picture =
                randomPicture(rng, 1 + int(rng() % (w + 10)), 1 + int(rng() % (h + 10)));
            PieceEmail email{Colour(rng() & 0xFFFFFF)};
            const int kind = int(rng() % 4);  // none, colour, picture, picture cut
            if (kind >= 2) {
                email.Picture = &picture;
                email.PictureX = int(rng() % unsigned(w + 20)) - 10;
                email.PictureY = int(rng() % unsigned(h + 20)) - 10;
            }
            if (kind == 3) email.EdgeBits = rng() % 2 ? kLineColour : ~kLineColour & kWhite;
            if (kind == 0)
                pics.colouredPicture = Surface(w, h, kBlack);  // the caller paints it whole
            buildPiecePictures(work, kKey, kind == 0 ? nullptr : &email, pics);
            ASSERT_EQ(int(pics.MaskSpans.size()), h);
            // The spans bound the marking: clearing them clears it all.
            Surface cleared = work;
            clearMarking(cleared, pics);
            ASSERT_EQ(cleared, Surface(w, h, kWorkBackground)) << series << "/" << step;
            for (int y = 0; y < h; ++y) {
                const auto [first, last] = pics.MaskSpans[std::size_t(y)];
                for (int x = 0; x < w; ++x) {
                    const Expected e = expected(work, email, x, y);
                    ASSERT_EQ(pics.mask.pixel(x, y), e.mask)
                        << series << "/" << step << " " << x << "," << y;
                    ASSERT_EQ(pics.keyPicture.pixel(x, y), e.key) << series << "/" << step;
                    if (kind != 0) {
                        ASSERT_EQ(pics.colouredPicture.pixel(x, y), e.image)
                            << series << "/" << step << " " << x << "," << y;
                    }
                    // The laying skips the ends of a row past its span.
                    if (x < first || x >= last) {
                        ASSERT_EQ(e.mask, kWhite) << series << "/" << step;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tess
