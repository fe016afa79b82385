#include <gtest/gtest.h>

#include "render/document_surfaces.h"
#include "storage/insert_blazon.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

using testing::Drawn;
using testing::drawn;

const std::vector<std::string> kLion = {
    "..rrrr..",
    ".rr##rr.",
    "rrrrrrrr",
};

class NewDocumentTest : public testing::DocumentTest {};

TEST_F(NewDocumentTest, LeavesNoPictureOfTheFormerDocumentInTheRenderer) {
    const Drawn blank = drawn(*program);

    // A document with every kind of picture the renderer keeps for it: a bank
    // picture with two charges, a user fur, an inserted coat of arms.
    blazon().ShieldShape = 4;
    blazon().Parts[1].Tincture = kSable;
    const std::string inner = doc("interieur.bls");
    ASSERT_TRUE(save(inner).saved);
    NewDocument(ws(), r());
    blazon().Partition = 14;
    const int lion = addPicture("lion.bmp", kLion);
    placeCharge(1, lion, 20, 20, 40, 15, kOr);
    placeCharge(2, lion, 150, 200, 32, 12, 0, true);
    addUserFur(1, {"33", "31"}, 0);
    blazon().Parts[1].Kind = 117, blazon().Parts[1].Tincture = 117;
    ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 2, inner).inserted);
    const Drawn full = drawn(*program);
    ASSERT_FALSE(full.canvas == blank.canvas);
    ASSERT_FALSE(r().Charges.workingPicture(1).empty());

    NewDocument(ws(), r());
    EXPECT_FALSE(r().Charges.hasBankPicture(lion));
    for (int c : {1, 2}) {
        EXPECT_TRUE(r().Charges.workingPicture(c).empty()) << c;
        EXPECT_TRUE(r().Charges.charge(c).layers.MaskDC.empty()) << c;
        EXPECT_EQ(r().Charges.charge(c).tag, ChargeLayersTag{}) << c;
    }
    for (int s = 0; s < kUserFurCount; ++s) {
        EXPECT_TRUE(r().UserFurTiles[s].empty()) << s;
        EXPECT_TRUE(r().UserFurPictures[s].empty()) << s;
        EXPECT_EQ(r().UserFurPaths[s], "") << s;
    }
    for (int k = 1; k <= kPartCount; ++k) {
        EXPECT_TRUE(r().InsertedPictures[k].empty()) << k;
        EXPECT_EQ(r().InsertedPaths[k], "") << k;
    }

    const Drawn after = drawn(*program);
    EXPECT_TRUE(after.canvas == blank.canvas);
    EXPECT_TRUE(after.partMap == blank.partMap);
    EXPECT_EQ(after.blazon, blank.blazon);
    EXPECT_EQ(after.warnings, blank.warnings);
    EXPECT_EQ(blazon().FilePath, "");
}

}  // namespace
}  // namespace tess
