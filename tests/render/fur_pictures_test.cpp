#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pixel_regions.h"
#include "resources/pictures.h"

namespace tess {
namespace {

constexpr Colour kOr = 0x00FFFFu, kArgent = 0xFFFFFFu, kAzur = 0xFF0000u, kSinople = 0x008000u,
                 kSable = 0x000000u;

struct FurCase {
    int code;
    int xo, yo;  // the repeat the fur patterns tile it with
    Colour field, figure;
};
// The field is the tincture of most pixels, the figure the other one.
const FurCase kFurs[] = {
    {108, 254, 311, kAzur, kArgent},   // contre-herminé d'argent et d'azur
    {109, 254, 311, kSinople, kOr},    // contre-herminé d'or et de sinople
    {110, 265, 330, kArgent, kAzur},   // vair
    {111, 254, 311, kArgent, kSable},  // hermine
    {112, 254, 311, kSable, kOr},      // contre-herminé d'or et de sable
    {113, 260, 335, kArgent, kAzur},   // contre-vair
    {114, 254, 311, kSable, kArgent},  // contre-hermine
    {115, 265, 336, kArgent, kAzur},   // vair en pal
};

std::map<Colour, int> histogram(const Surface& s) {
    std::map<Colour, int> h;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) ++h[s.pixel(x, y)];
    return h;
}

TEST(FurPictures, EachShowsItsTwoTincturesOnly) {
    for (const FurCase& f : kFurs) {
        const Surface& s = furPicture(f.code);
        ASSERT_EQ(s.width(), kShieldWidth) << f.code;
        ASSERT_EQ(s.height(), kShieldHeight) << f.code;
        const std::map<Colour, int> h = histogram(s);
        ASSERT_EQ(h.size(), 2u) << f.code;
        ASSERT_TRUE(h.count(f.field) && h.count(f.figure)) << f.code;
        if (f.code == 110 || f.code == 113 || f.code == 115) {
            // Vair: the bells and the spaces between are one shape, so the two
            // tinctures share the field nearly evenly.
            EXPECT_NEAR(double(h.at(kAzur)) / (kShieldWidth * kShieldHeight), 0.5, 0.03) << f.code;
        } else {
            // Ermine: sparse spots on the field.
            const double spots = double(h.at(f.figure)) / (kShieldWidth * kShieldHeight);
            EXPECT_GT(spots, 0.05) << f.code;
            EXPECT_LT(spots, 0.20) << f.code;
        }
    }
}

TEST(FurPictures, RepeatSeamlesslyAtTheirTilingOffsets) {
    // Tiled copies at (Xo, 0), (Xo, Yo), (0, Yo) join without a seam only when
    // the picture equals itself shifted by the repeat wherever both overlap.
    for (const FurCase& f : kFurs) {
        const Surface& s = furPicture(f.code);
        for (int y = 0; y < kShieldHeight; ++y)
            for (int x = 0; x + f.xo < kShieldWidth; ++x)
                ASSERT_EQ(s.pixel(x, y), s.pixel(x + f.xo, y)) << f.code << " at " << x << "," << y;
        for (int y = 0; y + f.yo < kShieldHeight; ++y)
            for (int x = 0; x < kShieldWidth; ++x)
                ASSERT_EQ(s.pixel(x, y), s.pixel(x, y + f.yo)) << f.code << " at " << x << "," << y;
    }
}

TEST(FurPictures, AreSymmetricAboutTheShieldsMiddle) {
    for (const FurCase& f : kFurs) {
        const Surface& s = furPicture(f.code);
        for (int y = 0; y < kShieldHeight; ++y)
            for (int x = 0; x < kShieldWidth; ++x)
                ASSERT_EQ(s.pixel(x, y), s.pixel(264 - x, y)) << f.code << " at " << x << "," << y;
    }
}

// Counts the 4-connected figures of one colour that lie wholly inside the picture.
int wholeFigures(const Surface& s, Colour figure) {
    int whole = 0;
    for (const auto& area : testing::areasOf(s, figure))
        whole += std::none_of(area.begin(), area.end(), [&](testing::Pixel p) {
            return p.first == 0 || p.second == 0 || p.first == s.width() - 1 ||
                   p.second == s.height() - 1;
        });
    return whole;
}

TEST(FurPictures, ErminesAreSeparateSpotsAndVairBellsStandApart) {
    // Ermine spots are islands (a head of three pellets and a tail: up to four
    // pieces each); about four per row and six rows fit the shield.
    for (int code : {108, 109, 111, 112, 114}) {
        const FurCase& f = kFurs[code - 108];
        const int figures = wholeFigures(furPicture(code), f.figure);
        EXPECT_GE(figures, 18) << code;
        EXPECT_LE(figures, 4 * 26) << code;
    }
    // Down the middle column: vair alternates its tinctures row by row, the
    // bells of contre-vair and vair en pal stand on one another.
    auto azurRowsInMiddle = [](int code) {
        int azur = 0;
        for (int y = 0; y < kShieldHeight; ++y) azur += furPicture(code).pixel(132, y) == kAzur;
        return azur;
    };
    EXPECT_NEAR(azurRowsInMiddle(110), kShieldHeight / 2, 20);
    EXPECT_EQ(azurRowsInMiddle(113), kShieldHeight);
    EXPECT_EQ(azurRowsInMiddle(115), kShieldHeight);
    // Contre-vair differs from vair en pal: its bells meet base to base.
    EXPECT_NE(furPicture(113), furPicture(115));
}

TEST(FurPictures, OtherCodesGiveAPlainFieldOfOr) {
    for (int code : {0, 107, 116, 119}) {
        const std::map<Colour, int> h = histogram(furPicture(code));
        ASSERT_EQ(h.size(), 1u);
        EXPECT_EQ(h.begin()->first, kOr);
    }
}

}  // namespace
}  // namespace tess
