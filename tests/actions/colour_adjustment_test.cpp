#include <gtest/gtest.h>

#include "actions/colour_adjustment.h"
#include "model/tincture_file.h"
#include "platform/record_file.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

TEST(ColourStep, OneUnitOfGreenOnTheWholeNumber) {
    const struct {
        Colour from;
        int step;
        Colour to;
    } cases[] = {
        {0x00FFFF, +1, 0x0100FF},                            // Or: green carries into blue
        {0x00FFFF, -1, 0x00FEFF}, {0xFFFFFF, +1, 0xFFFFFF},  // Argent cannot go up
        {0xFFFFFF, -1, 0xFFFEFF}, {0x000000, -1, 0x000000},  // Sable cannot go down
        {0x010000, -1, 0x00FF00},                            // a green of 0 borrows from blue
        {0x0000FF, +1, 0x0001FF},                            // red never changes
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepAdjustedColour(c.from, c.step), c.to) << std::hex << c.from << " " << c.step;
}

class ColourAdjustmentTest : public testing::DocumentTest {};

TEST_F(ColourAdjustmentTest, OkRewritesTheColourFileAndRecoloursThatTinctureOnly) {
    const int lion = addPicture("lion.bmp", testing::kLion);
    placeCharge(1, lion, 20, 20, 8, 4, kAzur);
    placeCharge(2, lion, 60, 20, 8, 4, kGueules);
    placeCharge(3, lion, 100, 20, 8, 4, kAzur);
    ws().Modified = false;
    const auto undoBefore = ws().Undos;

    const ColourAdjustment done = ApplyTinctureColour(ws(), r(), kAzur, 0x800000);
    EXPECT_EQ(done.fileError, "");
    EXPECT_EQ(Colour(ws().Tinctures[kAzur].Colour), 0x800000u);
    EXPECT_EQ(r().Charges.charge(1).tag.colour, 0x800000u);
    EXPECT_EQ(r().Charges.charge(3).tag.colour, 0x800000u);
    EXPECT_EQ(r().Charges.charge(2).tag.colour, 0x0000FFu);
    // A setting of the program, not a change of the document.
    EXPECT_FALSE(ws().Modified);
    EXPECT_EQ(ws().Undos, undoBefore);

    const auto file = readFileBytes(tinctureColourFilePath());
    ASSERT_TRUE(file);
    ASSERT_GE(file->size(), 3u * 128 + 4);
    EXPECT_EQ((*file)[3 * 128], 0x00);
    EXPECT_EQ((*file)[3 * 128 + 2], 0x80);
    // The next start reads it back.
    TinctureTable again = FactoryTinctures();
    LoadTinctureColours(again);
    EXPECT_EQ(Colour(again[kAzur].Colour), 0x800000u);
}

}  // namespace
}  // namespace tess
