#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

#include "model/motif_layout.h"

namespace tess {
namespace {

using Points = std::vector<std::pair<int, int>>;

MotifLayout laidOut(MotifPattern p, int extras, int x0 = 132, int y0 = 170, int area = 132) {
    MotifLayout l;
    l.Pattern = p;
    l.ExtraPerBranch = Byte(extras);
    l.CopyX[0] = Integer(x0);
    l.CopyY[0] = Integer(y0);
    l.AreaSize = Integer(area);
    ComputeMotifLayout(l);
    return l;
}
Points keys(const MotifLayout& l) {
    Points p;
    for (int i = 1; i <= l.KeyCount; ++i) p.emplace_back(l.KeyX[i], l.KeyY[i]);
    return p;
}
Points extras(const MotifLayout& l) {
    Points p;
    for (int j = 1; j <= l.ExtraPerBranch * l.BranchCount; ++j)
        p.emplace_back(l.CopyX[j], l.CopyY[j]);
    return p;
}

// The worked values of each pattern round the shield's centre with a side of
// 132: spacings and half steps rounded to the even neighbour, circle points
// from the program's own pi.
TEST(MotifLayout, WorkedArrangements) {
    struct Case {
        MotifPattern pattern;
        int extras;
        Points keys;
        Points extras_;
    };
    const std::vector<Case> cases = {
        {MotifPattern::Pal, 3, {{132, 104}, {132, 236}}, {{132, 137}, {132, 170}, {132, 203}}},
        // 132 / 5 = 26.4: the last gap to key 2 is 28.
        {MotifPattern::Fasce,
         4,
         {{66, 170}, {198, 170}},
         {{92, 170}, {118, 170}, {144, 170}, {170, 170}}},
        {MotifPattern::Bande, 1, {{66, 104}, {198, 236}}, {{132, 170}}},
        {MotifPattern::Barre, 1, {{66, 236}, {198, 104}}, {{132, 170}}},
        {MotifPattern::Chevron,
         3,
         {{132, 104}, {66, 236}, {198, 236}},
         {{82, 203}, {182, 203}, {99, 170}, {165, 170}, {116, 137}, {148, 137}}},
        // 66 / 4 = 16.5 gives 16, not 17.
        {MotifPattern::Pairle,
         3,
         {{66, 104}, {198, 104}, {132, 170}, {132, 236}},
         {{82, 120},
          {182, 120},
          {132, 220},
          {98, 136},
          {166, 136},
          {132, 204},
          {114, 152},
          {150, 152},
          {132, 188}}},
        {MotifPattern::Croix,
         1,
         {{66, 170}, {198, 170}, {132, 104}, {132, 236}, {132, 170}},
         {{99, 170}, {165, 170}, {132, 137}, {132, 203}}},
        {MotifPattern::Sautoir,
         1,
         {{66, 104}, {198, 104}, {66, 236}, {198, 236}, {132, 170}},
         {{99, 137}, {165, 137}, {99, 203}, {165, 203}}},
        {MotifPattern::Carre,
         1,
         {{66, 104}, {198, 104}, {66, 236}, {198, 236}},
         {{132, 104}, {198, 170}, {66, 170}, {132, 236}}},
        {MotifPattern::Cercle,
         1,
         {{132, 236}, {198, 170}, {132, 104}, {66, 170}},
         {{179, 217}, {179, 123}, {85, 123}, {85, 217}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(MotifPatternName(c.pattern)));
        const MotifLayout l = laidOut(c.pattern, c.extras);
        EXPECT_EQ(keys(l), c.keys);
        EXPECT_EQ(extras(l), c.extras_);
    }
}

// Over every pattern, extra count and a spread of areas and centres (some far
// off the shield): the copy count follows the pattern's shape, every key and
// extra lies on the area (or, for the circle, on its inscribed circle) as far
// as the 16-bit range lets it, and the stored values never wrap.
TEST(MotifLayout, EveryArrangementStaysWithinItsArea) {
    const int shape[][2] = {{2, 1}, {2, 1}, {2, 1}, {2, 1}, {3, 2},
                            {4, 3}, {5, 4}, {5, 4}, {4, 4}, {4, 4}};
    for (int p = 1; p <= kMotifPatternCount; ++p)
        for (int e = 0; e <= kMaxExtraPerBranch; ++e)
            for (int area : {12, 13, 80, 132, 265, 999, 30000})
                for (auto [x0, y0] : {std::pair{132, 170}, {-400, 5}, {30000, -30000}}) {
                    const MotifLayout l = laidOut(MotifPattern(p), e, x0, y0, area);
                    ASSERT_EQ(l.KeyCount, shape[p - 1][0]);
                    ASSERT_EQ(l.BranchCount, shape[p - 1][1]);
                    ASSERT_EQ(MotifCopyCount(l), (l.KeyCount - 1) + e * l.BranchCount);
                    const bool clipped = std::abs(x0) + area > 32000 || std::abs(y0) + area > 32000;
                    Points all = keys(l);
                    const Points more = extras(l);
                    all.insert(all.end(), more.begin(), more.end());
                    for (auto [x, y] : all) {
                        if (clipped) {
                            // Saturated, never wrapped round to the other side.
                            EXPECT_EQ(x > 0, x0 > 0);
                            EXPECT_EQ(y > 0, y0 > 0);
                            continue;
                        }
                        const double h = area / 2.0 + 1;
                        EXPECT_LE(std::abs(x - x0), h) << p << ' ' << e << ' ' << area;
                        EXPECT_LE(std::abs(y - y0), h) << p << ' ' << e << ' ' << area;
                    }
                }
}

}  // namespace
}  // namespace tess
