#include <gtest/gtest.h>

#include "actions/charge_placing.h"
#include "model/document.h"
#include "model/image_bank.h"
#include "model/motifs.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "render/charge_surfaces.h"
#include "support/charge_pictures.h"

namespace tess {
namespace {

using testing::picture;
using Box = std::array<int, 4>;

Box box(const ChargeRecord& c) {
    return {c.X, c.Y, c.Width, c.Height};
}

class AddChargeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitTinctures(ws.Tinctures);
        ResetDocument(ws);
        ws.ui = &ui;
        // A 6 x 4 Azur figure on white.
        lion = folder.writeBmp("Lion.bmp", picture({".bbbb.", "bb##bb", ".bbbb.", "..bb.."}));
    }
    bool add(double left, double top, int slot = 0, double w = 6, double h = 4) {
        return AddCharge(ws, surfaces, OverlayBox{left, top, w, h, lion}, slot, &refusal);
    }
    const ChargeRecord& charge(int n) const { return ws.CurrentBlazon.Charges[n]; }

    testing::PictureFolder folder;
    testing::RecordingUi ui;
    // What the last refused placing has the user told.
    FileMessage refusal;
    Workspace ws;
    ChargeSurfaces surfaces;
    std::string lion;
};

TEST_F(AddChargeTest, NewPictureBecomesTheFirstFreeCharge) {
    ws.CurrentBlazon.Charges[1].InUse = kTrue;
    ws.CurrentBlazon.Charges[1].ImageIndex = 9;
    ASSERT_TRUE(add(30.5, 41.5));
    const ChargeRecord& c = charge(2);
    EXPECT_EQ(c.InUse, kTrue);
    EXPECT_EQ(c.ImageIndex, 1);
    EXPECT_EQ(box(c), (Box{30, 42, 6, 4}));  // halves to even
    EXPECT_EQ(c.Tincture, kAzur);
    EXPECT_EQ(c.Mirrored, 0);
    EXPECT_TRUE(ws.Modified);
    EXPECT_EQ(ws.Bank[1].FileName, "Lion.bmp");
    EXPECT_EQ(ws.Bank[1].DisplayName, "Lion");
    // The snapshot shows the charge in use but not yet placed.
    EXPECT_EQ(ws.Undos[1].Charges[2].InUse, kTrue);
    EXPECT_EQ(ws.Undos[1].Charges[2].ImageIndex, 0);
    // Its working picture is ready.
    EXPECT_EQ(surfaces.workingPicture(2).pixel(1, 0), 0xFF0000u);
    EXPECT_EQ(surfaces.workingPicture(2).pixel(2, 1), kBlack);
}

TEST_F(AddChargeTest, SamePictureTwiceReusesItsBankSlot) {
    ASSERT_TRUE(add(10, 10));
    ASSERT_TRUE(add(100, 10));
    EXPECT_EQ(charge(2).ImageIndex, 1);
    EXPECT_EQ(ws.Bank[2].InUse, 0);
    EXPECT_EQ(ui.waitTexts.size(), 1u);
    // Found by file name whatever the folder.
    ASSERT_TRUE(AddCharge(ws, surfaces, OverlayBox{5, 5, 6, 4, "Lion.bmp"}));
    EXPECT_EQ(charge(3).ImageIndex, 1);
}

TEST_F(AddChargeTest, FiftyChargesInUseRefuseAndChangeNothing) {
    for (int n = 1; n <= kChargeCount; ++n) ws.CurrentBlazon.Charges[n].InUse = kTrue;
    const BlazonRecord before = ws.CurrentBlazon;
    const BlazonRecord snapshot = ws.Undos[1];
    EXPECT_FALSE(add(10, 10));
    ASSERT_FALSE(refusal.empty());
    EXPECT_EQ(refusal.text, "Le maximum d'images insérables est atteint!");
    EXPECT_EQ(refusal.icon, FileMessage::Icon::Exclamation);
    EXPECT_EQ(refusal.title, "Ajouter une image");
    EXPECT_EQ(ws.CurrentBlazon, before);
    EXPECT_EQ(ws.Undos[1], snapshot);
    EXPECT_EQ(ws.Bank[1].InUse, 0);
}

TEST_F(AddChargeTest, FullBankStopsThePlacing) {
    for (int s = 1; s <= kImageBankSize; ++s) {
        ws.Bank[s].InUse = kTrue;
        ws.Bank[s].FileName = "Autre" + std::to_string(s) + ".bmp";
    }
    const BlazonRecord before = ws.CurrentBlazon;
    EXPECT_FALSE(add(10, 10));
    EXPECT_FALSE(refusal.empty());
    EXPECT_EQ(ws.CurrentBlazon, before);
    EXPECT_EQ(ws.Undos[1], before);
    EXPECT_FALSE(ws.Modified);
}

// Picked up: out of use, resized in the overlay, recoloured, mirrored. Put
// back under its number, or as the selected charge, it keeps all that.
TEST_F(AddChargeTest, HeldChargeComesBackUnderItsNumber) {
    ASSERT_TRUE(add(50, 60));
    ChargeRecord& held = ws.CurrentBlazon.Charges[1];
    auto pickUp = [&] {
        held.InUse = 0;
        held.Width = 12;
        held.Height = 8;
        held.Mirrored = kTrue;
        ASSERT_TRUE(SetChargeTincture(ws, surfaces, 1, kSable));
    };
    pickUp();
    ASSERT_TRUE(AddCharge(ws, surfaces, OverlayBox{120, 80, 12, 8, "Lion.bmp"}, 1));
    EXPECT_EQ(held.InUse, kTrue);
    EXPECT_EQ(box(held), (Box{120, 80, 12, 8}));
    EXPECT_EQ(held.Tincture, kSable);
    EXPECT_EQ(held.Mirrored, kTrue);
    EXPECT_EQ(surfaces.workingPicture(1).pixel(1, 0), kBlack);
    // Undo brings it back where it was picked up, with the size of the commit.
    UndoLast(ws);
    EXPECT_EQ(box(charge(1)), (Box{50, 60, 12, 8}));
    EXPECT_EQ(charge(1).InUse, kTrue);

    pickUp();
    ws.SelectedCharge = 1;
    ASSERT_TRUE(add(30, 30));  // no number given: the held record is the first free one
    EXPECT_EQ(box(held), (Box{30, 30, 12, 8}));
    EXPECT_EQ(held.Tincture, kSable);
    EXPECT_EQ(held.Mirrored, kTrue);
}

TEST_F(AddChargeTest, SlotSevenIsUsedWhetherFreeOrNot) {
    ASSERT_TRUE(add(10, 10, 7));
    EXPECT_EQ(charge(7).InUse, kTrue);
    EXPECT_EQ(charge(1).InUse, 0);
    ASSERT_TRUE(add(20, 20, 7));
    EXPECT_EQ(charge(7).X, 20);
    EXPECT_EQ(charge(1).InUse, 0);
}

TEST_F(AddChargeTest, SetChargeTinctureMarksOnlyRealChanges) {
    ASSERT_TRUE(add(10, 10));
    ws.Modified = false;
    EXPECT_TRUE(SetChargeTincture(ws, surfaces, 1, kAzur));
    EXPECT_FALSE(ws.Modified);
    EXPECT_FALSE(SetChargeTincture(ws, surfaces, 1, 12));
    EXPECT_FALSE(SetChargeTincture(ws, surfaces, 0, 1));
    EXPECT_FALSE(ws.Modified);
    EXPECT_TRUE(SetChargeTincture(ws, surfaces, 1, kOr));
    EXPECT_TRUE(ws.Modified);
    EXPECT_EQ(surfaces.workingPicture(1).pixel(1, 0), 0x00FFFFu);
}

TEST_F(AddChargeTest, ARecordLeftByAThrownOffChargeStartsBlank) {
    ASSERT_TRUE(add(10, 10));
    ASSERT_TRUE(add(20, 10));
    const Byte g = NewMotif(ws);
    AddChargeToMotif(ws, g, 1);
    AddChargeToMotif(ws, g, 2);
    // Charge 1, recoloured, mirrored, set over everything and enlarged, is
    // dragged off the canvas: the redraw takes it out of use, nothing more.
    ChargeRecord& old = ws.CurrentBlazon.Charges[1];
    ASSERT_TRUE(SetChargeTincture(ws, surfaces, 1, kSable));
    old.Mirrored = kTrue;
    old.Brochant = kTrue;
    old.Width = 200;
    old.Height = 150;
    old.InUse = 0;

    // A new picture placed takes that record as a charge of its own.
    ASSERT_TRUE(add(40, 50));
    const ChargeRecord& c = charge(1);
    EXPECT_EQ(c.InUse, kTrue);
    EXPECT_EQ(box(c), (Box{40, 50, 6, 4}));
    EXPECT_EQ(c.Tincture, kAzur);
    EXPECT_EQ(c.Mirrored, 0);
    EXPECT_EQ(c.Brochant, 0);
    EXPECT_EQ(c.Motif, 0);
    EXPECT_EQ(surfaces.workingPicture(1).pixel(1, 0), 0xFF0000u);
    // The old arrangement no longer carries it along.
    const MotifRecord& group = ws.Groups.Motifs[g];
    EXPECT_EQ(group.InUse, kTrue);
    ASSERT_EQ(group.Count, 1);
    EXPECT_EQ(group.Members[1], 2);
    EXPECT_EQ(charge(2).Motif, g);
}

}  // namespace
}  // namespace tess
