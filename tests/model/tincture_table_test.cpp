#include "model/tincture_table.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ascii_picture.h"
#include "support/factory_colours.h"

namespace tess {
namespace {

constexpr Colour kAzurColour = 0xFF0000;
constexpr Colour kOrColour = 0x00FFFF;

// The factory colours and names stand as written by hand, a fresh table and a
// zeroed one made fresh both hold them, and every colour finds its tincture.
TEST(TinctureTable, FactoryColoursAndNamesAreTheHeraldicOnes) {
    TinctureTable zeroed{};
    InitTinctures(zeroed);
    for (const TinctureTable& table : {FactoryTinctures(), zeroed})
        for (int k = 1; k <= kTinctureCount; ++k) {
            const testing::FactoryTincture& expected = testing::kFactoryTinctures[k - 1];
            EXPECT_EQ(Colour(table[k].Colour), expected.colour) << k;
            EXPECT_EQ(Colour(table[k].DefaultColour), expected.colour) << k;
            EXPECT_EQ(FactoryColour(k), expected.colour) << k;
            EXPECT_EQ(table[k].Name, expected.name) << k;
            EXPECT_EQ(FindTinctureByColour(table, expected.colour), k) << k;
        }
    EXPECT_EQ(FactoryColour(0), 0u);
    EXPECT_EQ(FactoryColour(12), 0u);
}

TEST(FindTinctureByColour, CurrentColoursFirstThenFactoryColoursLowerNumberFirst) {
    TinctureTable table = FactoryTinctures();
    EXPECT_EQ(FindTinctureByColour(table, 0x01FFFFFF), 0);  // the whole value is compared
    EXPECT_EQ(FindTinctureByColour(table, kNoColour), 0);
    table[kGueules].Colour = 0x000080;  // Sanguine's factory colour
    EXPECT_EQ(FindTinctureByColour(table, 0x000080), kGueules);
    EXPECT_EQ(FindTinctureByColour(table, 0x0000FF), kGueules);  // through its factory colour
    EXPECT_EQ(FindTinctureByColour(table, 0x123456), 0);
    table[kSinople].Colour = 0x00A000;
    table[kBrun].Colour = 0x00A000;
    EXPECT_EQ(FindTinctureByColour(table, 0x00A000), kSinople);
    table[kSable].Colour = 0x010101;
    EXPECT_EQ(FindTinctureByColour(table, 0x000000), kSable);
    EXPECT_EQ(FindTinctureByColour(table, 0x010101), kSable);
}

// Only factory colours are measured, so user colours cannot move the match;
// on a tie (Sable and Sanguine for 0x000040) the lower number wins.
TEST(NearestTincture, SmallestSumOfChannelDifferencesAgreesWithAPlainSearch) {
    EXPECT_EQ(NearestTincture(0x0000FE), kGueules);
    EXPECT_EQ(NearestTincture(0x808080), kPourpre);
    EXPECT_EQ(NearestTincture(0x000040), kSable);
    EXPECT_EQ(NearestTincture(0xFFFFFE), kArgent);
    for (int k = 1; k <= kTinctureCount; ++k) EXPECT_EQ(NearestTincture(FactoryColour(k)), k);
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

// Tiles whose row 0 and column 0 are never read: the area is columns and rows
// 1 to the size, inclusive, counted column by column.
TEST(FindDominantTincture, MostFrequentColourOfTheAreaWins) {
    const std::map<char, Colour> legend = {{'a', kAzurColour}, {'o', kOrColour}, {'g', 0x0000FF},
                                           {'n', 0x0000FE},    {'x', 0x123456},  {'.', kWhite}};
    struct Case {
        const char* what;
        std::vector<std::string> rows;
        int width, height;
        int expected;
    };
    const Case cases[] = {
        {"most frequent", {"xxxxx", "xaoaa", "xaoaa", "xoooa"}, 4, 3, kAzur},
        // Four each: Or is met first row by row, Azur column by column.
        {"tie", {"xxxx", "xxoo", "xaoa", "xaoa"}, 3, 3, kAzur},
        {"last column and row", {"ooooo", "ooooa", "oooaa", "oaaaa", "ooooo"}, 4, 3, kAzur},
        {"smaller area", {"ooooo", "ooooa", "oooaa", "oaaaa", "ooooo"}, 3, 2, kOr},
        {"no tincture's colour: the nearest plus 100", {"nnn", "nnn", "nna"}, 2, 2, 103},
        {"area past the surface", {"xxx", "xgg", "xgg"}, 40, 40, kGueules},
        {"empty area: colour 0", {"xxx", "xgg", "xgg"}, 0, 0, kSable},
        {"no surface", {}, 5, 5, kSable},
    };
    const TinctureTable table = FactoryTinctures();
    for (const Case& c : cases)
        EXPECT_EQ(FindDominantTincture(table, testing::picture(c.rows, legend), c.width, c.height),
                  c.expected)
            << c.what;

    TinctureTable renamed = FactoryTinctures();
    renamed[kSinople].Colour = 0x123456;  // the current colours count
    EXPECT_EQ(FindDominantTincture(renamed, testing::picture({"xxx", "xxx", "xxx"}, legend), 2, 2),
              kSinople);
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

}  // namespace
}  // namespace tess
