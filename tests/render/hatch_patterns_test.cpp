#include <gtest/gtest.h>

#include <string>

#include "resources/pictures.h"

namespace tess {
namespace {

std::string asText(const std::array<Colour, 64>& p) {
    std::string s;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const Colour c = p[y * 8 + x];
            s += c == kBlack ? 'X' : c == kWhite ? '.' : '?';
        }
        s += '\n';
    }
    return s;
}

TEST(HatchPatterns, OrIsADotEveryFourPixels) {
    EXPECT_EQ(asText(hatchPattern(1)),
              "X...X...\n"
              "........\n"
              "........\n"
              "........\n"
              "X...X...\n"
              "........\n"
              "........\n"
              "........\n");
}

TEST(HatchPatterns, OrangeIsDotsAndDashes) {
    EXPECT_EQ(asText(hatchPattern(7)),
              "X...XXX.\n"
              "........\n"
              "........\n"
              "........\n"
              "XXX.X...\n"
              "........\n"
              "........\n"
              "........\n");
}

TEST(HatchPatterns, BisIsADotGrid) {
    EXPECT_EQ(asText(hatchPattern(11)),
              "X...X...\n"
              ".X.X.X.X\n"
              "........\n"
              ".X.X.X.X\n"
              "X...X...\n"
              ".X.X.X.X\n"
              "........\n"
              ".X.X.X.X\n");
}

TEST(HatchPatterns, OtherTincturesHaveNoDotsButSolidBlack) {
    for (int t : {0, 2, 3, 6, 10, 12, 108})
        for (Colour c : hatchPattern(t)) EXPECT_EQ(c, kBlack) << t;
}

}  // namespace
}  // namespace tess
