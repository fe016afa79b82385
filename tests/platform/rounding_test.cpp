#include <gtest/gtest.h>

#include <cmath>

#include "platform/rounding.h"

namespace tess {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(CInt(132.5), 132);
    EXPECT_EQ(CInt(83.5), 84);
    EXPECT_EQ(CInt(-0.5), 0);
    EXPECT_EQ(CInt(-1.5), -2);
    EXPECT_EQ(CInt(2.4999), 2);
    EXPECT_EQ(CInt(-2.5001), -3);
}

TEST(Rounding, DamagedValuesSaturate) {
    EXPECT_EQ(CInt(1e20), 2147483647);
    EXPECT_EQ(CInt(-1e20), -2147483647 - 1);
    EXPECT_EQ(CInt(std::nan("")), 0);
}

}  // namespace
}  // namespace tess
