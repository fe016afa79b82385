#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/tincture_table.h"
#include "platform/surface.h"

namespace tess {
namespace {

// A surface drawn as rows of characters, each standing for a colour.
Surface picture(const std::vector<std::string>& rows, const std::map<char, Colour>& legend) {
    Surface s(int(rows.front().size()), int(rows.size()), kWhite);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, legend.at(rows[y][x]));
    return s;
}

constexpr Colour kAzurColour = 0xFF0000;
constexpr Colour kOrColour = 0x00FFFF;
constexpr Colour kGueulesColour = 0x0000FF;

TEST(TinctureTable, FactoryTableNamesAndPaintsEveryTincture) {
    const TinctureTable table = FactoryTinctures();
    EXPECT_EQ(table[kOr].Name, "Or");
    EXPECT_EQ(table[kOrange].Name, "Orang\u00e9");
    EXPECT_EQ(table[kBis].Name, "Bis");
    for (int k = 1; k <= kTinctureCount; ++k) {
        EXPECT_EQ(Colour(table[k].DefaultColour), FactoryColour(k)) << k;
        EXPECT_EQ(table[k].Colour, table[k].DefaultColour) << k;
        // Every factory colour finds its own tincture back.
        EXPECT_EQ(FindTinctureByColour(table, FactoryColour(k)), k) << k;
    }
    EXPECT_EQ(FactoryColour(0), 0u);
    EXPECT_EQ(FactoryColour(12), 0u);
}

TEST(TinctureTable, FreshWorkspaceTableIsTheFactoryTable) {
    const TinctureTable table = FactoryTinctures();
    TinctureTable zeroed{};
    InitTinctures(zeroed);
    for (int k = 1; k <= kTinctureCount; ++k) {
        EXPECT_EQ(zeroed[k].Name, table[k].Name);
        EXPECT_EQ(zeroed[k].Colour, table[k].Colour);
    }
}

TEST(FindTinctureByColour, CurrentColoursComeBeforeFactoryColours) {
    TinctureTable table = FactoryTinctures();
    table[kGueules].Colour = 0x000080;  // Sanguine's factory colour
    EXPECT_EQ(FindTinctureByColour(table, 0x000080), kGueules);
    EXPECT_EQ(FindTinctureByColour(table, 0x0000FF), kGueules);  // through its factory colour
    EXPECT_EQ(FindTinctureByColour(table, 0x123456), 0);
}

TEST(FindTinctureByColour, LowerNumberWinsAmongEqualColours) {
    TinctureTable table = FactoryTinctures();
    table[kSinople].Colour = 0x00A000;
    table[kBrun].Colour = 0x00A000;
    EXPECT_EQ(FindTinctureByColour(table, 0x00A000), kSinople);
    table[kSable].Colour = 0x010101;
    EXPECT_EQ(FindTinctureByColour(table, 0x000000), kSable);
    EXPECT_EQ(FindTinctureByColour(table, 0x010101), kSable);
}

TEST(FindTinctureByColour, ComparesTheWholeValue) {
    const TinctureTable table = FactoryTinctures();
    EXPECT_EQ(FindTinctureByColour(table, 0x01FFFFFF), 0);
    EXPECT_EQ(FindTinctureByColour(table, kNoColour), 0);
}

TEST(NearestTincture, SmallestSumOfChannelDifferences) {
    EXPECT_EQ(NearestTincture(0x0000FE), kGueules);
    EXPECT_EQ(NearestTincture(0x808080), kPourpre);
    EXPECT_EQ(NearestTincture(0x000040), kSable);  // Sable and Sanguine tie: lower wins
    EXPECT_EQ(NearestTincture(0xFFFFFE), kArgent);
}

TEST(NearestTincture, IgnoresTheCurrentColours) {
    // Only factory colours are measured, so user colours cannot move the match.
    for (int k = 1; k <= kTinctureCount; ++k) EXPECT_EQ(NearestTincture(FactoryColour(k)), k);
}

TEST(NearestTincture, AgreesWithAPlainSearchOnManyColours) {
    std::uint32_t seed = 12345;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const Colour c = seed >> 8;
        int best = 1000, expected = 0;
        for (int t = 1; t <= kTinctureCount; ++t) {
            const Colour f = FactoryColour(t);
            const int d = std::abs(redOf(c) - redOf(f)) + std::abs(greenOf(c) - greenOf(f)) +
                          std::abs(blueOf(c) - blueOf(f));
            if (d < best) best = d, expected = t;
        }
        ASSERT_EQ(NearestTincture(c), expected) << std::hex << c;
    }
}

const std::map<char, Colour> kLegend = {
    {'a', kAzurColour}, {'o', kOrColour}, {'g', kGueulesColour}, {'n', 0x0000FE}, {'x', 0x123456},
};

TEST(FindDominantTincture, MostFrequentColourWins) {
    const TinctureTable table = FactoryTinctures();
    const Surface tile = picture({"xxxxx",  //
                                  "xaoaa",  //
                                  "xaoaa",  //
                                  "xoooa"},
                                 kLegend);
    EXPECT_EQ(FindDominantTincture(table, tile, 4, 3), kAzur);
}

TEST(FindDominantTincture, EqualCountsGoToTheColourMetFirstColumnByColumn) {
    const TinctureTable table = FactoryTinctures();
    // Or leads row by row, Azur leads column by column.
    const Surface tile = picture({"xxxxx",  //
                                  "xaooo",  //
                                  "xaoaa",  //
                                  "xaoaa",  //
                                  "xoaoa"},
                                 kLegend);
    EXPECT_EQ(FindDominantTincture(table, tile, 4, 4), kAzur);
}

TEST(FindDominantTincture, ReadsColumnAndRowOneToTheSizeInclusive) {
    const TinctureTable table = FactoryTinctures();
    // Row 0 and column 0 are Gueules and never read; the last column and row are.
    const Surface tile = picture({"ggggg",  //
                                  "goooa",  //
                                  "gooaa",  //
                                  "gaaaa",  //
                                  "ggggg"},
                                 kLegend);
    EXPECT_EQ(FindDominantTincture(table, tile, 4, 3), kAzur);
    EXPECT_EQ(FindDominantTincture(table, tile, 3, 2), kOr);
}

TEST(FindDominantTincture, UsesTheCurrentColours) {
    TinctureTable table = FactoryTinctures();
    table[kSinople].Colour = 0x123456;
    const Surface tile = picture({"xxx", "xxx", "xxx"}, kLegend);
    EXPECT_EQ(FindDominantTincture(table, tile, 2, 2), kSinople);
}

TEST(FindDominantTincture, ColourOfNoTinctureGivesTheNearestPlusOneHundred) {
    const TinctureTable table = FactoryTinctures();
    const Surface tile = picture({"nnn", "nnn", "nna"}, kLegend);
    EXPECT_EQ(FindDominantTincture(table, tile, 2, 2), 103);
}

TEST(FindDominantTincture, ColoursPastTheFifteenthAreNotCounted) {
    const TinctureTable table = FactoryTinctures();
    // Column 1 holds fifteen distinct colours, one pixel each; columns 2..4 are
    // all in a sixteenth colour that would otherwise win by far.
    Surface tile(5, 16, kBlack);
    for (int y = 1; y <= 15; ++y) tile.setPixel(1, y, y == 1 ? kOrColour : Colour(0x010000 * y));
    for (int x = 2; x <= 4; ++x)
        for (int y = 1; y <= 15; ++y) tile.setPixel(x, y, kAzurColour);
    EXPECT_EQ(FindDominantTincture(table, tile, 4, 15), kOr);

    // Exactly fifteen colours are measured like any other area.
    for (int y = 2; y <= 15; ++y) tile.setPixel(1, y, kAzurColour);
    EXPECT_EQ(FindDominantTincture(table, tile, 4, 15), kAzur);
}

TEST(FindDominantTincture, AreaLargerThanTheSurfaceSkipsWhatLiesOutside) {
    const TinctureTable table = FactoryTinctures();
    const Surface tile = picture({"xxx", "xgg", "xgg"}, kLegend);
    EXPECT_EQ(FindDominantTincture(table, tile, 40, 40), kGueules);
    // Nothing to count: the empty area reports colour 0, Sable.
    EXPECT_EQ(FindDominantTincture(table, tile, 0, 0), kSable);
    EXPECT_EQ(FindDominantTincture(table, Surface(), 5, 5), kSable);
}

}  // namespace
}  // namespace tess
