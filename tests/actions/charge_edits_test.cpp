#include <gtest/gtest.h>

#include <QPoint>

#include "actions/bank_slots.h"
#include "actions/charge_edits.h"
#include "actions/charge_group_moves.h"
#include "actions/charge_placing.h"
#include "actions/held_charge.h"
#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/motifs.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "render/renderer.h"
#include "support/charge_document.h"

namespace tess {
namespace {

using testing::picture;

// The held charge's commands below the window: what each changes in the
// record, the undo stack, the groups and the copy kept for paste.
class ChargeEdits : public testing::ChargeDocument {
  protected:
    void SetUp() override {
        ChargeDocument::SetUp();
        // A 6 x 4 figure: red on the left, blue on the right, white around.
        path = folder.writeBmp("lion.bmp", picture({"......", ".rrbb.", ".rrbb.", "......"}));
    }
    // A charge of the picture placed at (x, y) in its own size; its number.
    int place(int x, int y) {
        const int n = firstFree();
        EXPECT_TRUE(AddCharge(ws, r.Charges, OverlayBox{double(x), double(y), 6, 4, path}));
        RedrawShield(ws, r);
        return n;
    }
    int firstFree() const {
        for (int n = 1; n <= kChargeCount; ++n)
            if (ws.CurrentBlazon.Charges[std::size_t(n)].InUse == 0) return n;
        return 0;
    }
    ChargeRecord& charge(int n) { return ws.CurrentBlazon.Charges[std::size_t(n)]; }
    int group(std::initializer_list<int> members) {
        const int g = NewMotif(ws);
        for (int n : members) AddChargeToMotif(ws, g, n);
        return g;
    }
    bool pickUp(int n) {
        RedrawResult shown;
        return PickUpCharge(ws, r, n, shown);
    }

    std::string path;
};

TEST_F(ChargeEdits, PickingUpTakesTheChargeOffWithoutAStep) {
    const int n = place(100, 50);
    ws.Modified = false;
    const auto undos = ws.Undos;
    const ChargeRecord before = charge(n);
    ASSERT_TRUE(pickUp(n));
    EXPECT_EQ(ws.SelectedCharge, n);
    EXPECT_EQ(charge(n).InUse, 0);
    EXPECT_EQ(ws.HeldUndoRecord, before);
    EXPECT_TRUE(ws.Undos == undos);
    EXPECT_FALSE(ws.Modified);
    // The shield is drawn without it: its box is no charge on the hit map.
    EXPECT_NE(r.chargeHitMap.pixel(102, 51), 0x0000FFu);

    // Nothing else can be picked up: a second one while holding, numbers out
    // of range, a free record, a charge whose picture left the bank.
    const int other = place(10, 10);
    for (int refused : {other, 0, -1, kChargeCount + 1}) EXPECT_FALSE(pickUp(refused)) << refused;
    LetGoOfHeldCharge(ws);
    EXPECT_FALSE(pickUp(firstFree()));
    charge(other).ImageIndex = 0;
    EXPECT_FALSE(pickUp(other));
    EXPECT_EQ(ws.SelectedCharge, 0);
}

TEST_F(ChargeEdits, TheCommitPutsTheChargeBackAsOneStep) {
    const int n = place(50, 60);
    ASSERT_TRUE(SetChargeTincture(ws, r.Charges, n, kAzur));
    const ChargeRecord pickedUp = charge(n);
    ASSERT_TRUE(pickUp(n));
    ASSERT_TRUE(CommitHeldCharge(ws, r, OverlayBox{120.4, 80.5, 12.5, 8.4, "lion.bmp"}));
    EXPECT_EQ(ws.SelectedCharge, 0);
    EXPECT_EQ(charge(n).InUse, kTrue);
    // Rounded to whole pixels, halves to the even neighbour.
    EXPECT_EQ(charge(n).X, 120);
    EXPECT_EQ(charge(n).Y, 80);
    EXPECT_EQ(charge(n).Width, 12);
    EXPECT_EQ(charge(n).Height, 8);
    EXPECT_EQ(charge(n).Tincture, kAzur);
    EXPECT_TRUE(ws.Modified);
    // The step keeps the charge where it was picked up, in the size it is
    // put down with.
    ChargeRecord putDown = pickedUp;
    putDown.Width = 12;
    putDown.Height = 8;
    EXPECT_EQ(ws.Undos[1].Charges[std::size_t(n)], putDown);
    EXPECT_EQ(r.chargeHitMap.pixel(125, 84), 0x0000FFu);

    // Nothing held: a new picture takes the first free record.
    ASSERT_TRUE(CommitHeldCharge(ws, r, OverlayBox{10, 10, 6, 4, path}));
    EXPECT_EQ(charge(n + 1).InUse, kTrue);
    EXPECT_EQ(charge(n + 1).Width, 6);
}

TEST_F(ChargeEdits, ARefusedCommitLosesNothing) {
    // A held charge whose picture cannot be found: the record stays as held.
    const int n = place(50, 60);
    ASSERT_TRUE(pickUp(n));
    const ChargeRecord held = charge(n);
    const auto undos = ws.Undos;
    EXPECT_FALSE(CommitHeldCharge(ws, r, OverlayBox{1, 1, 30, 20, folder.picture("absent.bmp")}));
    EXPECT_EQ(charge(n), held);
    EXPECT_EQ(ws.SelectedCharge, n);
    EXPECT_TRUE(ws.Undos == undos);
    LetGoOfHeldCharge(ws);

    // A new picture with every record in use.
    for (int i = 1; i <= kChargeCount; ++i)
        if (i != n) charge(i) = charge(n);
    const BlazonRecord before = ws.CurrentBlazon;
    const EditOutcome refused = CommitHeldCharge(ws, r, OverlayBox{1, 1, 6, 4, path});
    EXPECT_FALSE(refused);
    ASSERT_FALSE(refused.message.empty());
    EXPECT_EQ(refused.message.text, "Le maximum d'images insérables est atteint!");
    EXPECT_EQ(refused.message.title, "Ajouter une image");
    EXPECT_EQ(ws.CurrentBlazon, before);
}

TEST_F(ChargeEdits, LettingGoPutsBackTheRecordAsTheUndoCopiesHoldIt) {
    const int n = place(50, 60);
    const ChargeRecord pickedUp = charge(n);
    ASSERT_TRUE(pickUp(n));
    charge(n).Width = 99;  // what a resize with a modifier key writes
    LetGoOfHeldCharge(ws);
    EXPECT_EQ(charge(n), pickedUp);
    EXPECT_EQ(ws.SelectedCharge, 0);
    // Nothing held: nothing to put back.
    LetGoOfHeldCharge(ws);
    EXPECT_EQ(charge(n), pickedUp);
}

TEST_F(ChargeEdits, MirroringIsOneStepForTheChargeOrItsWholeGroup) {
    const int a = place(60, 100), b = place(80, 100), c = place(100, 100);
    const int g = group({a, b, c});
    EXPECT_EQ(r.canvas.pixel(61, 101), Colour(0x0000FF));  // a's left is red
    EXPECT_FALSE(MirrorHeldCharge(ws, r, false));          // nothing held
    ASSERT_TRUE(pickUp(b));
    ws.Modified = false;

    // Alone: the held charge flips, its group does not.
    ASSERT_TRUE(MirrorHeldCharge(ws, r, false));
    EXPECT_EQ(charge(b).Mirrored, kTrue);
    EXPECT_EQ(charge(a).Mirrored, kFalse);
    EXPECT_TRUE(ws.Modified);
    EXPECT_EQ(ws.Undos[1].Charges[std::size_t(b)].Mirrored, kFalse);

    // The whole group: each member once, even one listed twice.
    ws.Groups.Motifs[std::size_t(g)].Members[4] = Byte(a);
    const BlazonRecord before = ws.CurrentBlazon;
    ASSERT_TRUE(MirrorHeldCharge(ws, r, true));
    EXPECT_EQ(charge(a).Mirrored, kTrue);
    EXPECT_EQ(charge(b).Mirrored, kFalse);
    EXPECT_EQ(charge(c).Mirrored, kTrue);
    EXPECT_EQ(ws.Undos[1].Charges[std::size_t(a)], before.Charges[std::size_t(a)]);
    // A member's mirror shows at once on the shield: blue on its left.
    EXPECT_EQ(r.canvas.pixel(61, 101), Colour(0xFF0000));

    // Without a group the whole-group answer flips the charge alone.
    LetGoOfHeldCharge(ws);
    const int loner = place(100, 150);
    ASSERT_TRUE(pickUp(loner));
    ASSERT_TRUE(MirrorHeldCharge(ws, r, true));
    EXPECT_EQ(charge(loner).Mirrored, kTrue);
    EXPECT_EQ(charge(a).Mirrored, kTrue);
}

TEST_F(ChargeEdits, BrocheTogglesWithoutAStep) {
    const int n = place(10, 10);
    EXPECT_FALSE(ToggleHeldChargeOverAll(ws, r));
    ASSERT_TRUE(pickUp(n));
    const auto undos = ws.Undos;
    ASSERT_TRUE(ToggleHeldChargeOverAll(ws, r));
    EXPECT_EQ(charge(n).Brochant, kTrue);
    ASSERT_TRUE(ToggleHeldChargeOverAll(ws, r));
    EXPECT_EQ(charge(n).Brochant, kFalse);
    EXPECT_TRUE(ws.Undos == undos);
}

TEST_F(ChargeEdits, AGroupFollowsTheHeldChargeInStepAndSize) {
    const int a = place(10, 10), b = place(30, 10), c = place(50, 10), alone = place(70, 10);
    group({a, b, c});
    ASSERT_TRUE(pickUp(b));
    MoveHeldChargeGroup(ws, 5, -3, 12.5, 7.5);
    for (int n : {a, b, c}) {
        EXPECT_EQ(charge(n).Y, 7) << n;
        EXPECT_EQ(charge(n).Width, 12) << n;  // 12.5 to the even 12
        EXPECT_EQ(charge(n).Height, 8) << n;  // 7.5 to the even 8
    }
    EXPECT_EQ(charge(a).X, 15);
    EXPECT_EQ(charge(c).X, 55);
    EXPECT_EQ(charge(alone).X, 70);
    // A charge of no group moves nothing.
    LetGoOfHeldCharge(ws);
    ASSERT_TRUE(pickUp(alone));
    const BlazonRecord before = ws.CurrentBlazon;
    MoveHeldChargeGroup(ws, 5, 5, 6, 4);
    EXPECT_EQ(ws.CurrentBlazon, before);
}

// The alignment strip puts the held charge's box somewhere: its group follows
// by the box's offset from the held record and takes the box's size, with no
// undo step; the moved records mark the document.
TEST_F(ChargeEdits, TheAlignedGroupFollowsTheHeldBoxWithoutAStep) {
    const int a = place(10, 10), b = place(30, 10), c = place(50, 20), alone = place(70, 10);
    group({a, b, c});
    ASSERT_TRUE(pickUp(b));
    const auto undos = ws.Undos;
    ws.Modified = false;
    AlignHeldChargeGroup(ws, 1, 61, 12.5, 8);
    EXPECT_EQ(QPoint(charge(a).X, charge(a).Y), QPoint(-19, 61));
    EXPECT_EQ(QPoint(charge(b).X, charge(b).Y), QPoint(1, 61));
    EXPECT_EQ(QPoint(charge(c).X, charge(c).Y), QPoint(21, 71));
    for (int n : {a, b, c}) {
        EXPECT_EQ(charge(n).Width, 12) << n;  // 12.5 to the even 12
        EXPECT_EQ(charge(n).Height, 8) << n;
    }
    EXPECT_EQ(QPoint(charge(alone).X, charge(alone).Y), QPoint(70, 10));
    EXPECT_TRUE(ws.Undos == undos);
    EXPECT_TRUE(ws.Modified);

    // Nothing for a charge of no group, nor with nothing held.
    LetGoOfHeldCharge(ws);
    ASSERT_TRUE(pickUp(alone));
    BlazonRecord before = ws.CurrentBlazon;
    AlignHeldChargeGroup(ws, 100, 100, 6, 4);
    EXPECT_EQ(ws.CurrentBlazon, before);
    LetGoOfHeldCharge(ws);
    before = ws.CurrentBlazon;
    AlignHeldChargeGroup(ws, 100, 100, 6, 4);
    EXPECT_EQ(ws.CurrentBlazon, before);
}

// Any press on the held charge packs its group first; no step, no mark.
TEST_F(ChargeEdits, APressPacksTheHeldChargesGroupWithoutAStep) {
    const int a = place(10, 10), b = place(30, 10), c = place(50, 10);
    const int g = group({a, b, c});
    MotifRecord& motif = ws.Groups.Motifs[std::size_t(g)];
    motif.Members[2] = 0;  // a hole, as a damaged document leaves one
    ASSERT_TRUE(pickUp(a));
    const auto undos = ws.Undos;
    ws.Modified = false;
    CompactHeldChargeGroup(ws);
    EXPECT_EQ(int(motif.Members[1]), a);
    EXPECT_EQ(int(motif.Members[2]), c);
    EXPECT_EQ(int(motif.Count), 2);
    EXPECT_TRUE(ws.Undos == undos);
    EXPECT_FALSE(ws.Modified);

    // With nothing held the group is left as it stands.
    LetGoOfHeldCharge(ws);
    motif.Members[1] = 0;
    CompactHeldChargeGroup(ws);
    EXPECT_EQ(int(motif.Members[1]), 0);
    EXPECT_EQ(int(motif.Members[2]), c);
}

TEST_F(ChargeEdits, ACopyPastesOnlyWhileOursAndItsPictureRemain) {
    const int n = place(40, 40);
    ASSERT_TRUE(SetChargeTincture(ws, r.Charges, n, kSinople));
    EXPECT_FALSE(CopyHeldCharge(ws, r).valid);  // nothing held
    ASSERT_TRUE(pickUp(n));
    const ChargeClipboard copy = CopyHeldCharge(ws, r);
    ASSERT_TRUE(copy.valid);
    EXPECT_EQ(copy.text, std::to_string(n));
    EXPECT_EQ(copy.bankFileName, ws.Bank[std::size_t(charge(n).ImageIndex)].FileName);
    EXPECT_TRUE(copy.workingPicture == r.Charges.workingPicture(n));

    const struct {
        const char* clipboard;
        bool pastes;
    } texts[] = {{"1", true}, {"01", false}, {"1 ", false},
                 {"", false}, {"12", false}, {"abc", false}};
    for (const auto& t : texts)
        EXPECT_EQ(CanPasteCharge(ws, r, copy, t.clipboard), t.pastes) << t.clipboard;
    EXPECT_FALSE(CanPasteCharge(ws, r, ChargeClipboard{}, "1"));

    // The picture gone from the bank, the copy pastes nothing.
    ASSERT_TRUE(CommitHeldCharge(ws, r, OverlayBox{40, 40, 6, 4, "lion.bmp"}));
    const int slot = charge(n).ImageIndex;
    ASSERT_TRUE(pickUp(n));
    DeleteHeldCharge(ws, r, false);
    ReleaseImageSlot(ws, r.Charges, slot);
    EXPECT_FALSE(CanPasteCharge(ws, r, copy, copy.text));
    EXPECT_EQ(PasteCharge(ws, r, copy), 0);
    EXPECT_EQ(ws.SelectedCharge, 0);
}

TEST_F(ChargeEdits, APasteHoldsACopyInTheFirstFreeRecordWithoutItsGroup) {
    const int first = place(10, 10), second = place(30, 10), third = place(50, 10);
    const int g = group({first, second, third});
    ASSERT_TRUE(SetChargeTincture(ws, r.Charges, third, kGueules));
    charge(third).Mirrored = kTrue;
    charge(third).Brochant = kTrue;
    ASSERT_TRUE(pickUp(third));
    const ChargeClipboard copy = CopyHeldCharge(ws, r);
    // Holding, nothing is pasted.
    EXPECT_EQ(PasteCharge(ws, r, copy), 0);
    ASSERT_TRUE(CommitHeldCharge(ws, r, OverlayBox{50, 10, 6, 4, "lion.bmp"}));
    // Charge 1 freed, but its group still lists it.
    ClearCharge(ws, r, first);
    ASSERT_EQ(ws.Groups.Motifs[std::size_t(g)].Members[1], Byte(first));
    const auto undos = ws.Undos;

    const int n = PasteCharge(ws, r, copy);
    EXPECT_EQ(n, first);
    EXPECT_EQ(ws.SelectedCharge, n);
    const ChargeRecord& pasted = charge(n);
    EXPECT_EQ(pasted.InUse, 0);  // held, off the shield
    EXPECT_EQ(pasted.Tincture, kGueules);
    EXPECT_EQ(pasted.Mirrored, kTrue);
    EXPECT_EQ(pasted.Brochant, kTrue);
    EXPECT_EQ(pasted.Width, 6);
    EXPECT_EQ(int(pasted.Motif), 0);
    const auto& members = ws.Groups.Motifs[std::size_t(g)].Members;
    EXPECT_EQ(std::count(members.begin() + 1, members.end(), Byte(first)), 0);
    EXPECT_TRUE(r.Charges.workingPicture(n) == r.Charges.workingPicture(third));
    EXPECT_TRUE(ws.Undos == undos);
    // Letting go empties the record it took.
    LetGoOfHeldCharge(ws);
    EXPECT_EQ(charge(n).InUse, 0);
    EXPECT_EQ(charge(n).Tincture, -1);
}

TEST_F(ChargeEdits, APasteWithEveryRecordTakenSaysSo) {
    const int n = place(10, 10);
    ASSERT_TRUE(pickUp(n));
    const ChargeClipboard copy = CopyHeldCharge(ws, r);
    ASSERT_TRUE(CommitHeldCharge(ws, r, OverlayBox{10, 10, 6, 4, "lion.bmp"}));
    for (int i = 1; i <= kChargeCount; ++i) charge(i) = charge(n);
    const BlazonRecord before = ws.CurrentBlazon;
    FileMessage refusal;
    EXPECT_EQ(PasteCharge(ws, r, copy, &refusal), 0);
    ASSERT_FALSE(refusal.empty());
    EXPECT_EQ(refusal.text, "Le maximum d'images insérables est atteint!");
    EXPECT_EQ(refusal.icon, FileMessage::Icon::Exclamation);
    EXPECT_EQ(ws.CurrentBlazon, before);
    EXPECT_EQ(ws.SelectedCharge, 0);
}

}  // namespace
}  // namespace tess
