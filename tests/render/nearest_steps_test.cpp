#include <gtest/gtest.h>

#include <cstdint>

#include "render/nearest_steps.h"

namespace tess {
namespace {

// Stepping up and down from any start gives the division's value at every
// index: shrinking, stretching, equal sizes, a source of one pixel or none,
// and sizes far past the canvas's.
TEST(NearestSteps, FollowTheDivisionUpAndDown) {
    const std::int64_t sizes[] = {0, 1, 2, 3, 7, 24, 40, 119, 120, 265, 340, 465, 540, 4096, 65537};
    for (std::int64_t source : sizes)
        for (std::int64_t dest : sizes) {
            if (dest == 0) continue;
            for (std::int64_t start : {std::int64_t(0), std::int64_t(1), dest / 2, dest - 1}) {
                NearestSteps up(start, source, dest);
                for (std::int64_t k = start; k < start + 2 * dest + 3; ++k, up.up())
                    ASSERT_EQ(up.value(), int(k * source / dest))
                        << k << " of " << dest << " from " << source << ", up from " << start;
                NearestSteps down(start, source, dest);
                for (std::int64_t k = start; k >= 0; --k, down.down())
                    ASSERT_EQ(down.value(), int(k * source / dest))
                        << k << " of " << dest << " from " << source << ", down from " << start;
            }
        }
}

}  // namespace
}  // namespace tess
