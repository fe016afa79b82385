// The partitions as the key maps show them after whole redraws.
#include <array>
#include <map>

#include "pixel_regions.h"
#include "render/field_partition.h"
#include "render_fixture.h"

namespace tess::testing {
namespace {

// Each partition drawn as its parts fall on an 8 x 8 grid of points over the
// shield (x = 16 + 33 i, y = 21 + 42 j), one row of eight after another; '.'
// marks points too near a line to say.
const std::map<Long, std::string> kPartitionPictures = {
    {9, "11111111 11111111 11111111 11111111 11111111 11111111 11111111 11111111"},
    {10, "11112222 11112222 11112222 11112222 11112222 11112222 11112222 11112222"},
    {11, "11111111 11111111 11111111 11111111 22222222 22222222 22222222 22222222"},
    {12, ".1111111 2.111111 22.11111 222.1111 2222.111 22222.11 222222.1 2222222."},
    {13, "1111111. 111111.2 11111.22 1111.222 111.2222 11.22222 1.222222 .2222222"},
    {14, "11112222 11112222 11112222 11112222 33334444 33334444 33334444 33334444"},
    {15, ".111111. 4.1111.2 44.11.22 444..222 444..222 44.33.22 4.3333.2 .333333."},
    {16, "11.22.33 11.22.33 11.22.33 11.22.33 11.22.33 11.22.33 11.22.33 11.22.33"},
    {17, "11111111 11111111 ........ 22222222 22222222 ........ 33333333 33333333"},
    {18, "22111111 .2211111 3.22.111 33.22.11 333.22.1 3333.22. 33333.22 333333.2"},
    {19, "111111.2 11111.22 1111.223 111.2233 11.22333 1.223333 .2233333 22333333"},
    {21, ".111111. 3.1111.2 33.11.22 333..222 33332222 33332222 33332222 33332222"},
    {22, "11112222 11112222 11112222 11112222 11113333 11113333 11113333 11113333"},
    {23, "33331111 33331111 33331111 33331111 22221111 22221111 22221111 22221111"},
    {24, "22223333 22223333 22223333 22223333 11111111 11111111 11111111 11111111"},
    {25, "11111111 11111111 11111111 11111111 33332222 33332222 33332222 33332222"},
};

int partCountOf(const std::string& picture) {
    int most = 0;
    for (char c : picture)
        if (c >= '1' && c <= '9') most = std::max(most, c - '0');
    return most;
}

class PartitionTest : public RenderTest {};

TEST_F(PartitionTest, EveryPartitionSplitsTheFieldIntoExactlyItsParts) {
    for (const auto& [code, picture] : kPartitionPictures) {
        SCOPED_TRACE("partition " + std::to_string(code));
        doc().Partition = code;
        redraw();
        const int count = partCountOf(picture);
        EXPECT_EQ(doc().PartCount, count);

        for (int j = 0; j < 8; ++j)
            for (int i = 0; i < 8; ++i) {
                const char want = picture[std::size_t(9 * j + i)];
                if (want == '.') continue;
                EXPECT_EQ(partAt(16 + 33 * i, 21 + 42 * j), want - '0')
                    << "at grid point " << i << "," << j;
            }

        // Nothing but the parts' key colours and the line colour, each part
        // one area holding its own seed, on all three copies of the map.
        std::set<Colour> colours;
        forEachPixel([&](int x, int y) { colours.insert(r.partMap.pixel(x, y)); });
        std::set<Colour> expected;
        for (int k = 1; k <= count; ++k) expected.insert(kPartKeyColours[k]);
        if (code != kPlainField) expected.insert(kLineColour);
        EXPECT_EQ(colours, expected);
        for (int k = 1; k <= count; ++k) {
            EXPECT_EQ(partAt(doc().Parts[k].SeedX, doc().Parts[k].SeedY), k);
            EXPECT_EQ(areasOf(r.partMap, kPartKeyColours[k]).size(), 1u) << "part " << k;
        }
        EXPECT_TRUE(samePixels(r.fieldPartMap, r.partMap));
        EXPECT_TRUE(samePixels(r.ordinaryMap, r.partMap));
    }
}

TEST_F(PartitionTest, UnknownCodesAreDrawnAsThePlainField) {
    for (Long code : {0L, 8L, 20L, 26L, -3L, 1000L}) {
        doc().Partition = code;
        const RedrawResult result = redraw();
        EXPECT_EQ(doc().Partition, code);
        EXPECT_EQ(doc().PartCount, 1);
        EXPECT_EQ(partAt(132, 170), 1);
        EXPECT_EQ(partAt(0, 0), 1);
        EXPECT_EQ(result.partitionMarkerX, 182);
        EXPECT_FALSE(result.Menus.partitionLines.Enabled);
    }
}

TEST_F(PartitionTest, NeighbouringPartsOfOneClassAreWarned) {
    using Warnings = std::vector<std::pair<Long, Long>>;
    // Parts as (kind, tincture), in turn on one document: a part left out
    // keeps what the case before gave it.
    const Long M = kClassMetal, C = kClassColour, I = kClassInserted;
    struct Case {
        Long partition;
        std::array<std::pair<Long, Long>, 4> parts;
        Warnings want;
    };
    const Case cases[] = {
        {10, {{{C, 3}, {C, 4}}}, {{5, 12}}},                            // Parti: two colours
        {10, {{{M, 1}, {C, 4}}}, {}},                                   // Or beside Azur
        {21, {{{M, 1}, {M, 2}, {M, 1}}}, {{5, 12}, {5, 13}, {5, 23}}},  // pairle of metals
        {16, {{{M, 1}, {C, 4}, {M, 1}}}, {}},                           // parts 1 and 3 apart
        {16, {{{110, 110}, {110, 110}, {M, 1}}}, {{5, 12}}},            // two parts of one fur
        {23, {{{M, 1}, {I, 4}, {I, 4}}}, {}},                           // two inserted arms
        {23, {{{M, 1}, {C, 4}, {C, 3}}}, {{5, 23}}},                    // Azur beside Gueules
        {17, {{{M, 1}, {I, 4}, {I, 4}}}, {{5, 23}}},                    // tiercés warn even so
        {14, {{{C, 3}, {C, 3}, {C, 3}, {C, 3}}}, {}},                   // quartered: never
        {15, {{{C, 3}, {C, 3}, {C, 3}, {C, 3}}}, {}},
    };
    for (const Case& c : cases) {
        doc().Partition = c.partition;
        for (int k = 1; k <= 4; ++k)
            if (c.parts[k - 1].first != 0) setPart(k, c.parts[k - 1].first, c.parts[k - 1].second);
        redraw();
        EXPECT_EQ(warningsOf(ws), c.want) << "partition " << c.partition;
    }
}

TEST_F(PartitionTest, EachRedrawHoldsOnlyItsOwnWarnings) {
    doc().Partition = 11;
    setPart(1, kClassColour, 3);
    setPart(2, kClassColour, 4);
    for (int i = 0; i < 3; ++i) {
        const RedrawResult result = redraw();
        EXPECT_EQ(ws.Warnings.count(), 1);
        EXPECT_TRUE(result.warningVisible);
    }
    setPart(2, kClassMetal, 2);
    const RedrawResult result = redraw();
    EXPECT_EQ(ws.Warnings.count(), 0);
    EXPECT_FALSE(result.warningVisible);
    EXPECT_TRUE(result.warningText.empty());
}

TEST_F(PartitionTest, HeraldicLinesFollowPartOnesStyle) {
    // An indented line (kind 11, "denché" style) must still keep the parts
    // apart, and must change the map from the plain line's.
    doc().Partition = 11;
    redraw();
    const Surface plain = r.partMap;
    doc().Parts[1].Line.LineKind = 11;
    redraw();
    EXPECT_NE(r.partMap, plain);
    EXPECT_EQ(areasOf(r.partMap, kPartKeyColours[1]).size(), 1u);
    EXPECT_EQ(areasOf(r.partMap, kPartKeyColours[2]).size(), 1u);
    // The line style of part 1 has no effect on a partition of plain lines.
    doc().Partition = 14;
    redraw();
    const Surface quartered = r.partMap;
    doc().Parts[1].Line.LineKind = 10;
    redraw();
    EXPECT_EQ(r.partMap, quartered);
}

}  // namespace
}  // namespace tess::testing
