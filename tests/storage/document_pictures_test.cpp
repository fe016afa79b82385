#include <gtest/gtest.h>

#include <filesystem>

#include "actions/insert_blazon.h"
#include "model/tincture_table.h"
#include "render/document_surfaces.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

using testing::Drawn;
using testing::drawn;
using testing::expectSameDocument;
using testing::kLion;

namespace fs = std::filesystem;

// Undoing across insertions into the same part, or across furs loaded into the
// same slot: the record names the earlier file while the renderer last made
// the later one's picture.
class UndoPictures : public testing::DocumentTest {
  protected:
    // Two coats of arms that look nothing alike.
    void SetUp() override {
        blazon().Partition = 11;
        blazon().Parts[1].Tincture = kGueules;
        armsX = doc("x.bls");
        ASSERT_TRUE(save(armsX).saved);
        NewDocument(ws(), r());
        blazon().Partition = 10;
        blazon().Parts[1].Tincture = kSinople;
        blazon().Parts[2].Tincture = kSable;
        armsY = doc("y.bls");
        ASSERT_TRUE(save(armsY).saved);
        NewDocument(ws(), r());
        blazon().Partition = 14;
        blazon().Parts[2].Tincture = kAzur, blazon().Parts[2].Kind = kClassColour;
    }

    // As the window does it: the document is pushed, then changed.
    void insert(const std::string& arms) {
        PushUndo(ws());
        ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 2, arms).inserted);
    }

    std::string armsX, armsY;
};

TEST_F(UndoPictures, UndoneArmsShowAndSaveTheArmsTheRecordNames) {
    insert(armsX);
    const Drawn withX = drawn(*program);
    insert(armsY);
    ASSERT_FALSE(drawn(*program).canvas == withX.canvas);

    UndoLast(ws());
    ASSERT_EQ(blazon().Parts[2].InsertedPath, armsX);
    const Drawn undone = drawn(*program);
    EXPECT_TRUE(undone.canvas == withX.canvas) << "the canvas shows the arms undone";
    EXPECT_EQ(undone.blazon, withX.blazon);
    EXPECT_TRUE(r().InsertedPictures[2] == *loadPicture(bannerPreviewFile(armsX)));

    // Saved, the side file of part 2 is X's picture and the document reopens as X.
    const std::string path = doc("ecartele.bls");
    ASSERT_TRUE(save(path).saved);
    const auto side = loadPicture(partArmsFile(path, 2));
    ASSERT_TRUE(side);
    EXPECT_TRUE(*side == *loadPicture(bannerPreviewFile(armsX)));
    expectSameDocument(withX, drawn(*reopen(path)));

    // One more undo: no arms at all, and none when reopened.
    UndoLast(ws());
    const Drawn bare = drawn(*program);
    EXPECT_TRUE(blazon().Parts[2].InsertedPath.empty());
    EXPECT_TRUE(r().InsertedPictures[2].empty());
    ASSERT_TRUE(save(path).saved);
    expectSameDocument(bare, drawn(*reopen(path)));
}

TEST_F(UndoPictures, UndoneArmsWhoseDocumentIsGoneShowThePartsOwnTincture) {
    insert(armsX);
    insert(armsY);
    fs::remove(armsX);

    UndoLast(ws());
    const Drawn undone = drawn(*program);
    EXPECT_TRUE(blazon().Parts[2].InsertedPath.empty());
    EXPECT_EQ(blazon().Parts[2].Kind, kClassColour);
    // Part 2 is the upper right quarter.
    EXPECT_EQ(undone.canvas.pixel(200, 100), Colour(ws().Tinctures[kAzur].Colour));
    EXPECT_EQ(undone.blazon.find("x.bls"), std::string::npos) << undone.blazon;

    const std::string path = doc("sans.bls");
    ASSERT_TRUE(save(path).saved);
    EXPECT_FALSE(fs::exists(partArmsFile(path, 2)));
}

TEST_F(UndoPictures, AnUndoneUserFurShowsTheFurTheRecordNames) {
    addUserFur(0, {"4444", "4114", "4444"}, 50);
    blazon().Parts[1].Kind = 116, blazon().Parts[1].Tincture = 116;
    const Drawn withA = drawn(*program);

    // Another fur file loaded into the same slot.
    PushUndo(ws());
    addUserFur(0, {"53", "35"}, 0, "autre");
    ASSERT_FALSE(drawn(*program).canvas == withA.canvas);

    UndoLast(ws());
    const Drawn undone = drawn(*program);
    EXPECT_TRUE(undone.canvas == withA.canvas) << "the canvas shows the fur undone";
    EXPECT_EQ(undone.blazon, withA.blazon);
    EXPECT_EQ(blazon().UserFurs[0], withA.record.UserFurs[0]);
}

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
        EXPECT_TRUE(r().Charges.charge(c).layers.mask.empty()) << c;
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
