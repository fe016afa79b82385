#include <gtest/gtest.h>

#include "platform/ascii_picture.h"
#include "platform/surface.h"

namespace tess {
namespace {

using testing::ascii;
using testing::picture;
using Rows = std::vector<std::string>;

// A figure is laid down by its mask (black figure on white) with AND, then its
// picture (figure in colour on black) with XOR.
const Rows kMask = {"#..", "##.", "###"};
const Rows kFigure = {"r##", "bg#", "rrb"};

TEST(Stamp, MaskAndPictureLeaveTheBackgroundAndDrawTheFigureExactly) {
    Surface s(5, 4, 0x00FFFF);
    BitBlt(s, 1, 0, 3, 3, picture(kMask), 0, 0, RasterOp::And);
    BitBlt(s, 1, 0, 3, 3, picture(kFigure), 0, 0, RasterOp::Xor);
    EXPECT_EQ(ascii(s), (Rows{"yryyy", "ybgyy", "yrrby", "yyyyy"}));
}

// The figure stretched into the box (x, y, w, h), as charges are laid.
void stamp(Surface& s, int x, int y, int w, int h) {
    StretchBlt(s, x, y, w, h, picture(kMask), 0, 0, 3, 3, RasterOp::And);
    StretchBlt(s, x, y, w, h, picture(kFigure), 0, 0, 3, 3, RasterOp::Xor);
}

TEST(Stamp, StretchedOrMirroredStampMapsMaskAndPictureToTheSamePixels) {
    Surface mirrored(5, 3, 0x00FFFF);
    stamp(mirrored, 4, 0, -3, 3);  // the box is 4-3 .. 3, the source's left column on x = 3
    EXPECT_EQ(ascii(mirrored), (Rows{"yyyry", "yygby", "ybrry"}));
    Surface s(7, 6, 0x00FFFF);
    stamp(s, 0, 0, 6, 6);
    EXPECT_EQ(ascii(s), (Rows{"rryyyyy", "rryyyyy", "bbggyyy", "bbggyyy", "rrrrbby", "rrrrbby"}));
    // Shrunk and mirrored with uneven ratios, the two steps still agree: no
    // pixel of the figure's black frame may appear.
    Surface t(9, 9, 0x00FFFF);
    stamp(t, 7, 1, -5, 7);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) ASSERT_NE(t.pixel(x, y), kBlack) << x << "," << y;
}

TEST(BitBlt, CopiesReachingPastTheSourceLeaveTheDestinationAsItWas) {
    const Surface src = picture({"rb", "gy"});
    Surface s(4, 4, kBlack);
    BitBlt(s, 0, 0, 4, 4, src, 1, 0, RasterOp::Copy);
    EXPECT_EQ(ascii(s), (Rows{"b###", "y###", "####", "####"}));
    Surface t(4, 3, kBlack);
    BitBlt(t, 1, 0, 3, 3, src, -1, -1, RasterOp::Copy);
    EXPECT_EQ(ascii(t), (Rows{"####", "##rb", "##gy"}));
    Surface u(4, 3, kBlack);
    StretchBlt(u, 0, 0, 4, 3, src, 1, 1, 2, 2, RasterOp::Copy);  // reads columns 1..2, rows 1..2
    EXPECT_EQ(ascii(u), (Rows{"yy##", "yy##", "####"}));
}

TEST(BitBlt, ClipsToTheDestinationAndHandlesEveryOperation) {
    const Surface src = picture({"r#", "..", "bg"});
    Surface s(3, 2, kBlack);
    BitBlt(s, -1, -1, 2, 3, src, 0, 0, RasterOp::Copy);
    EXPECT_EQ(ascii(s), (Rows{".##", "g##"}));

    Surface a(1, 1, 0x00FFFF);
    BitBlt(a, 0, 0, 1, 1, picture({"g"}), 0, 0, RasterOp::And);
    EXPECT_EQ(a.pixel(0, 0), 0x00FF00u);
    BitBlt(a, 0, 0, 1, 1, picture({"r"}), 0, 0, RasterOp::Or);
    EXPECT_EQ(a.pixel(0, 0), 0x00FFFFu);
    BitBlt(a, 0, 0, 1, 1, picture({"y"}), 0, 0, RasterOp::Xor);
    EXPECT_EQ(a.pixel(0, 0), 0u);

    Surface b(3, 3);
    BitBlt(b, 1, 1, 5, 5, Surface(), 0, 0, RasterOp::Blackness);  // the source is not read
    EXPECT_EQ(ascii(b), (Rows{"...", ".##", ".##"}));
}

TEST(BitBlt, CopyingWithinOneSurfaceReadsTheOriginalPixels) {
    Surface s = picture({"rgb.."});
    BitBlt(s, 1, 0, 3, 1, s, 0, 0, RasterOp::Copy);
    EXPECT_EQ(ascii(s), (Rows{"rrgb."}));
}

TEST(StretchBlt, ShrinkingPicksWholeSourcePixelsAndNegativeHeightFlips) {
    const Surface src = picture({"rgby", "....", "####", "kkkk"});
    Surface s(2, 2);
    StretchBlt(s, 0, 0, 2, 2, src, 0, 0, 4, 4, RasterOp::Copy);
    EXPECT_EQ(ascii(s), (Rows{"rb", "##"}));
    Surface f(4, 4);
    StretchBlt(f, 0, 4, 4, -4, src, 0, 0, 4, 4, RasterOp::Copy);
    EXPECT_EQ(ascii(f), (Rows{"kkkk", "####", "....", "rgby"}));
}

}  // namespace
}  // namespace tess
