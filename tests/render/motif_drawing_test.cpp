#include <gtest/gtest.h>

#include "model/motif_layout.h"
#include "render/motif_drawing.h"

namespace tess {
namespace {

constexpr Colour kRed = 0x0000FF;

MotifLayout fasce() {
    MotifLayout l;
    l.Pattern = MotifPattern::Fasce;
    l.CopyX[0] = 132;
    l.CopyY[0] = 170;
    ComputeMotifLayout(l);
    return l;
}

// The guide is inverted at the reduced scale (its last pixel left out, as
// every line), and a second drawing takes it away again.
TEST(MotifDrawing, GuideIsInvertedAtTheDivisor) {
    Surface preview(132, 170, kWhite);
    DrawChargeMotif(preview, fasce(), MotifStamp{}, true, 2);
    for (int x = 0; x < 132; ++x)
        EXPECT_EQ(preview.pixel(x, 85), (x >= 33 && x < 99) ? kBlack : kWhite) << x;
    DrawChargeMotif(preview, fasce(), MotifStamp{}, true, 2);
    EXPECT_EQ(preview, Surface(132, 170, kWhite));
}

// Boxes come from the copy's centre rounded to the even neighbour: a charge 45
// wide centred on x = 66 starts at 43.5 -> 44 at full scale, and at half size
// (22.5 -> 22 wide) at 21.75 -> 22.
TEST(MotifDrawing, CopiesAreStampedFromTheirCentres) {
    const Surface mask(45, 2, kBlack), picture(45, 2, kRed);
    const MotifStamp stamp{.mask = &mask, .picture = &picture, .width = 45, .height = 2};
    const auto row = [](const Surface& s, int y) {
        std::string r;
        for (int x = 0; x < s.width(); ++x) r += s.pixel(x, y) == kRed ? '#' : '.';
        return r;
    };
    Surface full(265, 340, kWhite);
    DrawChargeMotif(full, fasce(), stamp, false, 1);
    EXPECT_EQ(row(full, 169), std::string(44, '.') + std::string(45, '#') +
                                  std::string(176 - 89, '.') + std::string(45, '#') +
                                  std::string(265 - 221, '.'));
    EXPECT_EQ(row(full, 171), std::string(265, '.'));

    Surface half(132, 170, kWhite);
    DrawChargeMotif(half, fasce(), stamp, false, 2);
    EXPECT_EQ(row(half, 84), std::string(22, '.') + std::string(22, '#') + std::string(44, '.') +
                                 std::string(22, '#') + std::string(22, '.'));
}

}  // namespace
}  // namespace tess
