#include "platform/rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace tess {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbourAndDamagedValuesSaturate) {
    const std::pair<double, int> cases[] = {
        {132.5, 132},  {83.5, 84},      {-0.5, 0},        {-1.5, -2},        {2.4999, 2},
        {-2.5001, -3}, {1e20, INT_MAX}, {-1e20, INT_MIN}, {std::nan(""), 0},
    };
    for (auto [value, rounded] : cases) EXPECT_EQ(CInt(value), rounded) << value;
}

}  // namespace
}  // namespace tess
