#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "resources/pictures.h"
#include "resources/window_pictures.h"
#include "support/heap_in_use.h"

namespace tess {
namespace {

struct Extent {
    int first;
    int last;  // first > last: no pixel inside
    bool operator==(const Extent&) const = default;
};
constexpr Extent kNone{1, 0};
constexpr Extent kSeeBelow{-1, -1};

// The telling rows of the seven shapes: first and last x inside.
const int kRows[16] = {1, 4, 21, 50, 100, 140, 170, 200, 220, 240, 260, 280, 300, 320, 330, 338};
const Extent kExtents[16][7] = {
    {{1, 263}, {1, 263}, {1, 263}, {1, 263}, {1, 263}, {132, 132}, kNone},
    {{1, 263}, {3, 261}, {1, 263}, {1, 263}, {1, 263}, {130, 134}, kSeeBelow},
    {{1, 263}, {7, 257}, {1, 263}, {1, 263}, {1, 263}, {116, 148}, kSeeBelow},
    {{1, 263}, {8, 256}, {1, 263}, {1, 263}, {1, 263}, {94, 170}, {2, 262}},
    {{1, 263}, {8, 256}, {1, 263}, {1, 263}, {1, 263}, {55, 209}, {2, 262}},
    {{1, 263}, {8, 256}, {1, 263}, {1, 263}, {2, 262}, {24, 240}, {2, 262}},
    {{1, 263}, {8, 256}, {1, 263}, {1, 263}, {5, 259}, {2, 262}, {5, 259}},
    {{1, 263}, {8, 256}, {1, 263}, {1, 263}, {12, 252}, {25, 239}, {12, 252}},
    {{1, 263}, {8, 256}, {1, 263}, {1, 263}, {20, 244}, {41, 223}, {20, 244}},
    {{2, 262}, {9, 255}, {1, 263}, {3, 261}, {30, 234}, {56, 208}, {30, 234}},
    {{5, 259}, {11, 252}, {1, 263}, {7, 257}, {42, 222}, {72, 192}, {42, 222}},
    {{8, 256}, {15, 249}, {1, 263}, {17, 247}, {59, 205}, {87, 177}, {59, 205}},
    {{15, 249}, {22, 241}, {1, 263}, {33, 231}, {80, 184}, {103, 161}, {80, 184}},
    {{43, 221}, {50, 212}, {1, 263}, {59, 205}, {106, 158}, {118, 146}, {106, 158}},
    {{119, 145}, {118, 141}, {1, 263}, {82, 182}, {120, 144}, {126, 138}, {120, 144}},
    {{132, 132}, {131, 132}, {1, 263}, {120, 144}, {132, 132}, {132, 132}, {132, 132}},
};

bool inside(int shape, int x, int y) {
    return shieldMaskPicture(shape).pixel(x, y) == kWhite;
}

// Runs of inside pixels on one row of a mask.
std::vector<Extent> runs(int shape, int y) {
    std::vector<Extent> r;
    for (int x = 0; x < kShieldWidth; ++x) {
        if (!inside(shape, x, y)) continue;
        if (r.empty() || r.back().last != x - 1)
            r.push_back({x, x});
        else
            r.back().last = x;
    }
    return r;
}

TEST(ShieldPictures, MasksMatchEveryTellingRow) {
    for (int shape = 1; shape <= 7; ++shape)
        for (int i = 0; i < 16; ++i) {
            const Extent want = kExtents[i][shape - 1];
            if (want.first == kSeeBelow.first) continue;  // the Suisse points, below
            const std::vector<Extent> got = runs(shape, kRows[i]);
            SCOPED_TRACE("shape " + std::to_string(shape) + " row " + std::to_string(kRows[i]));
            EXPECT_EQ(got, want.first > want.last ? std::vector<Extent>{} : std::vector{want});
        }
}

TEST(ShieldPictures, SuisseTopHasThreePointsAndTwoArcs) {
    // The three tips.
    EXPECT_TRUE(inside(7, 2, 3));
    EXPECT_TRUE(inside(7, 132, 2));
    EXPECT_TRUE(inside(7, 262, 3));
    EXPECT_FALSE(inside(7, 2, 2));
    EXPECT_FALSE(inside(7, 262, 2));
    EXPECT_TRUE(runs(7, 1).empty());
    // Rows 4 and 21 cross the three points; row 30 as drawn in words.
    for (int y : {4, 21}) {
        const std::vector<Extent> r = runs(7, y);
        ASSERT_EQ(r.size(), 3u) << "row " << y;
        EXPECT_EQ(r[0].first, 2);
        EXPECT_LE(r[1].first, 132);
        EXPECT_GE(r[1].last, 132);
        EXPECT_EQ(r[2].last, 262);
    }
    EXPECT_EQ(runs(7, 30), (std::vector<Extent>{{2, 42}, {89, 175}, {222, 262}}));
    EXPECT_EQ(runs(7, 33), (std::vector<Extent>{{2, 262}}));
}

TEST(ShieldPictures, BorderIsNeverInsideAndRowsAreSolid) {
    for (int shape = 1; shape <= 7; ++shape) {
        for (int x = 0; x < kShieldWidth; ++x) {
            EXPECT_FALSE(inside(shape, x, 0));
            EXPECT_FALSE(inside(shape, x, kShieldHeight - 1));
        }
        for (int y = 0; y < kShieldHeight; ++y) {
            EXPECT_FALSE(inside(shape, 0, y));
            EXPECT_FALSE(inside(shape, kShieldWidth - 1, y));
            // One span per row below the Suisse points: no holes, no islands.
            if (y >= 33) {
                EXPECT_LE(runs(shape, y).size(), 1u) << shape << " row " << y;
            }
        }
    }
}

TEST(ShieldPictures, EdgesMoveSmoothlyFromRowToRow) {
    // A jagged edge or a stray notch shows as a row whose extent jumps back and
    // forth; the curves may only narrow steadily towards the base.
    for (int shape : {1, 2, 4, 5}) {
        int lastFirst = 0;
        for (int y = 40; y <= 338; ++y) {
            const std::vector<Extent> r = runs(shape, y);
            ASSERT_EQ(r.size(), 1u) << shape << " row " << y;
            EXPECT_GE(r[0].first, lastFirst) << shape << " row " << y;
            lastFirst = r[0].first;
        }
    }
}

TEST(ShieldPictures, OutlineIsBlackExactlyWhereTheMaskIsWhite) {
    for (int shape = 1; shape <= 7; ++shape) {
        const Surface& mask = shieldMaskPicture(shape);
        const Surface& outline = shieldOutlinePicture(shape);
        ASSERT_EQ(mask.width(), kShieldWidth);
        ASSERT_EQ(mask.height(), kShieldHeight);
        ASSERT_EQ(outline.width(), kShieldWidth);
        ASSERT_EQ(outline.height(), kShieldHeight);
        for (int y = 0; y < kShieldHeight; ++y)
            for (int x = 0; x < kShieldWidth; ++x) {
                const Colour m = mask.pixel(x, y), o = outline.pixel(x, y);
                ASSERT_TRUE(m == kWhite || m == kBlack) << shape << " " << x << "," << y;
                ASSERT_EQ(o == kBlack, m == kWhite) << shape << " " << x << "," << y;
                if (o != kBlack) {
                    // Parchment outside; the rectangle's outside is its grey frame.
                    ASSERT_EQ(o, shape == 3 ? kFrameGrey : kParchment)
                        << shape << " " << x << "," << y;
                }
            }
    }
}

TEST(ShieldPictures, BlankIsTheBannerOutlineAndOddShapesDrawAsClassique) {
    const Surface& blank = blankPicture();
    EXPECT_EQ(&blank, &shieldOutlinePicture(3));
    EXPECT_EQ(blank.pixel(0, 0), kFrameGrey);
    EXPECT_EQ(blank.pixel(132, 170), kBlack);
    EXPECT_EQ(&shieldMaskPicture(0), &shieldMaskPicture(1));
    EXPECT_EQ(&shieldMaskPicture(8), &shieldMaskPicture(1));
    EXPECT_EQ(&shieldOutlinePicture(-3), &shieldOutlinePicture(1));
}

// The start-up animation's frames serve the intro alone: once it has dropped
// them, none stays behind for the session (all ten come to 2.5 MB).
TEST(ShieldPictures, TheIntroFramesAreKeptByNoOneOnceDropped) {
    // What the frames are drawn from, which the shield keeps anyway.
    (void)furPicture(111);
    (void)shieldMaskPicture(1);
    const std::size_t before = heapInUse();
    for (int n = 1; n <= kIntroFrameCount; ++n) {
        const Surface frame = introFrame(n);
        ASSERT_EQ(frame.width(), 320);
    }
    EXPECT_LT(heapInUse(), before + 64 * 1024);
}

}  // namespace
}  // namespace tess
