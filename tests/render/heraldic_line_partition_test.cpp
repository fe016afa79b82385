// Every partition drawn with heraldic lines must keep its parts apart, whatever
// line the user chose: a single leak floods the whole field in one tincture.
#include <gtest/gtest.h>

#include <string>

#include "model/line_kinds.h"
#include "render/field_partition.h"
#include "render/key_colours.h"
#include "render_fixture.h"

namespace tess::testing {
namespace {

// Which part a key colour belongs to (0 for any other colour).
int partOfKey(Colour c, int partCount) {
    for (int k = 1; k <= partCount; ++k)
        if (kPartKeyColours[k] == c) return k;
    return 0;
}

// Empty when every part holds its seed alone: the seed keeps its own key
// colour (a later part flooding the same region would have repainted it), and
// two touching pixels of different colours always have a line between them (a
// seed lying on a line floods the line, which then touches its unpainted part).
std::string separationFault(const Surface& map, const BlazonRecord& b) {
    for (int k = 1; k <= b.PartCount; ++k) {
        const int x = b.Parts[k].SeedX + kModelMargin, y = b.Parts[k].SeedY + kModelMargin;
        const int found = partOfKey(map.pixel(x, y), b.PartCount);
        if (found != k)
            return "seed " + std::to_string(k) + " lies in part " + std::to_string(found);
    }
    auto apart = [](Colour a, Colour b) { return a != b && a != kLineColour && b != kLineColour; };
    for (int y = 0; y < map.height(); ++y) {
        const Colour* row = map.row(y);
        const Colour* below = y + 1 < map.height() ? map.row(y + 1) : row;
        for (int x = 0; x < map.width(); ++x) {
            if (apart(row[x], below[x]) || (x + 1 < map.width() && apart(row[x], row[x + 1])))
                return "regions touch at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
    }
    return {};
}

// One partition per test, so that the runs share out across processors.
class HeraldicPartitionTest : public RenderTest, public ::testing::WithParamInterface<Long> {};

TEST_P(HeraldicPartitionTest, EveryLineKeepsEveryPartApart) {
    const Long code = GetParam();
    ASSERT_TRUE(hasHeraldicLines(code));
    int checked = 0;
    for (int kind = kLinePlain; kind <= kLineBastille; ++kind) {
        for (Integer plumb : {kFalse, kTrue}) {
            // Odd and even steps, both ends of the useful range.
            for (int width = 10; width <= 100; width += 9) {
                for (int depth = 10; depth <= 50; depth += 5) {
                    BlazonRecord& b = doc();
                    b.Partition = code;
                    b.Parts[1].Line = {Integer(depth), Integer(width), kind, plumb};
                    DrawFieldPartition(ws, r);
                    const std::string fault = separationFault(r.partitionWork, b);
                    ASSERT_TRUE(fault.empty())
                        << "kind " << kind << ", plumb " << plumb << ", width " << width
                        << ", depth " << depth << ": " << fault;
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 8 * 2 * 11 * 9);
}

// Parti, coupé, tranché, taillé and the four tiercés but the pairle.
INSTANTIATE_TEST_SUITE_P(Partitions, HeraldicPartitionTest,
                         ::testing::Values(10, 11, 12, 13, 16, 17, 18, 19),
                         [](const ::testing::TestParamInfo<Long>& info) {
                             return "Partition" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace tess::testing
