// The line-style dialog's sample: both edges of a band where they differ, and
// the limits it writes back into the style it shows.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "model/line_kinds.h"
#include "render/line_sample.h"

namespace tess {
namespace {

constexpr Colour kRed = 0x0000FFu;
constexpr int kWidth = 200, kHeight = 100, kMiddle = 50;

struct Sample {
    Surface pic{kWidth, kHeight};
    LineStyle style;
};

Sample sampleOf(int kind, int width = 48, int depth = 24) {
    Sample s;
    s.style = {Integer(depth), Integer(width), Long(kind), kFalse};
    DrawLineSample(s.pic, s.style, kRed, kMiddle);
    return s;
}

Surface polyline(std::initializer_list<std::pair<int, int>> points) {
    Surface pic(kWidth, kHeight);
    const std::pair<int, int>* previous = nullptr;
    for (const auto& point : points) {
        if (previous) pic.line(previous->first, previous->second, point.first, point.second, kRed);
        previous = &point;
    }
    return pic;
}

std::vector<bool> rowInk(const Surface& pic, int y) {
    std::vector<bool> ink;
    for (int x = 0; x < pic.width(); ++x) ink.push_back(pic.pixel(x, y) == kRed);
    return ink;
}

bool fullRow(const Surface& pic, int y) {
    for (bool on : rowInk(pic, y))
        if (!on) return false;
    return true;
}

TEST(LineSample, EmptyStyleIsRaisedToTheLimitsAndShownPlain) {
    const Sample s = sampleOf(0, 0, 0);
    EXPECT_EQ(s.style.Width, 5);
    EXPECT_EQ(s.style.Depth, 10);
    EXPECT_EQ(s.style.LineKind, 10);
    EXPECT_EQ(s.pic, polyline({{-2, kMiddle}, {kWidth + 2, kMiddle}}));
    // Values within the limits are left as they are.
    const Sample kept = sampleOf(kLineBretesse, 6, 11);
    EXPECT_EQ(kept.style, (LineStyle{11, 6, kLineBretesse, kFalse}));
}

TEST(LineSample, DenteleStartsLeftOfThePictureAndRunsAcrossIt) {
    // 48 wide and 24 deep: vertices at (-2, M + 12), (22, M - 12), (46, M + 12)
    // and so on, the last period starting at x = 190.
    const int lo = kMiddle + 12, hi = kMiddle - 12;
    EXPECT_EQ(sampleOf(kLineDentele).pic, polyline({{-2, lo},
                                                    {22, hi},
                                                    {46, lo},
                                                    {70, hi},
                                                    {94, lo},
                                                    {118, hi},
                                                    {142, lo},
                                                    {166, hi},
                                                    {190, lo},
                                                    {214, hi},
                                                    {238, lo}}));
}

TEST(LineSample, CreneleAndBastilleShowWhichEdgeIsCrenellated) {
    // d = 12: the plain edge lies 10 pixels beyond the wave's reach.
    const Sample crenele = sampleOf(kLineCrenele);
    EXPECT_TRUE(fullRow(crenele.pic, kMiddle + 12 + 10));
    EXPECT_FALSE(fullRow(crenele.pic, kMiddle - 12 - 10));
    const Sample bastille = sampleOf(kLineBastille);
    EXPECT_TRUE(fullRow(bastille.pic, kMiddle - 12 - 10));
    EXPECT_FALSE(fullRow(bastille.pic, kMiddle + 12 + 10));
    // The same square wave between them.
    for (int y = kMiddle - 12; y <= kMiddle + 12; ++y)
        EXPECT_EQ(rowInk(crenele.pic, y), rowInk(bastille.pic, y)) << "row " << y;
}

TEST(LineSample, BretesseShiftsItsLowerEdgeHalfAPeriodAndContreBretesseDoesNot) {
    // Two square waves centred 20 above and below the axis, 24 deep (d = 12):
    // compare the merlon tops of the two edges.
    const int upperTop = kMiddle - 20 - 12, lowerTop = kMiddle + 20 - 12, h = 24;
    const Sample contre = sampleOf(kLineContreBretesse);
    EXPECT_EQ(rowInk(contre.pic, upperTop), rowInk(contre.pic, lowerTop));
    const Sample bretesse = sampleOf(kLineBretesse);
    const std::vector<bool> upper = rowInk(bretesse.pic, upperTop);
    const std::vector<bool> lower = rowInk(bretesse.pic, lowerTop);
    EXPECT_NE(upper, lower);
    for (int x = 0; x + h < kWidth; ++x) EXPECT_EQ(lower[x], upper[x + h]) << "x " << x;
}

TEST(LineSample, EngreleArcsAllHangBelowTheAxis) {
    const Sample s = sampleOf(kLineEngrele, 20, 16);
    for (int y = 0; y < kMiddle; ++y)
        for (bool on : rowInk(s.pic, y)) EXPECT_FALSE(on) << "row " << y;
    int inkBelow = 0;
    for (int y = kMiddle; y < kHeight; ++y)
        for (bool on : rowInk(s.pic, y)) inkBelow += on;
    EXPECT_GT(inkBelow, kWidth);
}

TEST(LineSample, NebuleWindsAboveAndBelowTheAxis) {
    const Sample s = sampleOf(kLineNebule, 20, 16);
    EXPECT_TRUE(rowInk(s.pic, kMiddle - 7) != std::vector<bool>(kWidth, false));
    EXPECT_TRUE(rowInk(s.pic, kMiddle + 7) != std::vector<bool>(kWidth, false));
}

TEST(LineSample, UnknownKindDrawsNothingButStillKeepsTheLimits) {
    const Sample s = sampleOf(18, 3, 4);
    EXPECT_EQ(s.pic, Surface(kWidth, kHeight));
    EXPECT_EQ(s.style, (LineStyle{10, 5, 18, kFalse}));
}

}  // namespace
}  // namespace tess
