#include <gtest/gtest.h>

#include <algorithm>

#include "actions/charge_arrangement.h"
#include "actions/charge_edits.h"
#include "model/motifs.h"
#include "render/charge_redraw_fixture.h"
#include "support/charge_pictures.h"

namespace tess {
namespace {

using Box = std::array<int, 4>;

Box box(const ChargeRecord& c) {
    return {c.X, c.Y, c.Width, c.Height};
}

// A 4 x 3 Gueules bank picture held as charge 5 (picked up: not in use) from
// (20, 30), shown 40 x 30 in the overlay.
class ArrangeCharge : public testing::ChargeRedraw {
  protected:
    void SetUp() override {
        ChargeRedraw::SetUp();
        ws.ui = &ui;
        addBankPicture(1, {"r..r", "rrrr", ".rr."}, kGueules);
        ChargeRecord& c = place(kHeld, 1, 20, 30, 4, 3, kGueules);
        c.Mirrored = kTrue;
        c.Brochant = kTrue;
        redraw();
        RedrawResult shown;
        ASSERT_TRUE(PickUpCharge(ws, r, kHeld, shown));
        ws.Modified = false;
    }
    MotifLayout layout(MotifPattern p, int extras) const {
        MotifLayout l;
        l.Pattern = p;
        l.ExtraPerBranch = Byte(extras);
        l.CopyX[0] = 132;
        l.CopyY[0] = 170;
        ComputeMotifLayout(l);
        return l;
    }
    bool apply(MotifPattern p, int extras, bool answerYes = false) {
        const EditOutcome outcome = ApplyMotif(ws, r, {kHeld, 40, 30}, layout(p, extras), [&] {
            ++questions;
            return answerYes;
        });
        if (!outcome.message.empty()) messages.push_back(outcome.message);
        return outcome.done;
    }
    const ChargeRecord& charge(int n) const { return ws.CurrentBlazon.Charges[n]; }
    const MotifRecord& group(int g) const { return ws.Groups.Motifs[g]; }
    std::vector<int> members(int g) const {
        return {group(g).Members.begin() + 1, group(g).Members.begin() + 1 + group(g).Count};
    }

    static constexpr int kHeld = 5;
    testing::RecordingUi ui;
    int questions = 0;
    // What the arrangements have the user told, in turn.
    std::vector<FileMessage> messages;
};

TEST_F(ArrangeCharge, PalPutsTheChargeAndOneCopyInANewGroup) {
    ASSERT_TRUE(apply(MotifPattern::Pal, 0));
    EXPECT_EQ(box(charge(kHeld)), (Box{112, 89, 40, 30}));
    EXPECT_EQ(charge(kHeld).InUse, kTrue);
    const ChargeRecord& copy = charge(1);  // the first free record
    EXPECT_EQ(box(copy), (Box{112, 221, 40, 30}));
    EXPECT_EQ(copy.InUse, kTrue);
    EXPECT_EQ(copy.ImageIndex, 1);
    EXPECT_EQ(copy.Tincture, kGueules);
    EXPECT_EQ(copy.Mirrored, kTrue);
    EXPECT_EQ(copy.Brochant, kTrue);
    EXPECT_EQ(charge(2).InUse, 0);
    EXPECT_EQ(questions, 0);
    const int g = charge(kHeld).Motif;
    ASSERT_NE(g, 0);
    EXPECT_EQ(copy.Motif, g);
    EXPECT_EQ(group(g).Phrase, "d'un pal");
    EXPECT_EQ(members(g), (std::vector<int>{kHeld, 1}));
    EXPECT_EQ(ws.SelectedCharge, 0);
    EXPECT_TRUE(ws.Modified);
    // Both are on the shield after the redraw.
    EXPECT_TRUE(hit(132, 104));
    EXPECT_TRUE(hit(132, 236));
}

// The copy's layers are its own: recolouring it leaves the source as it was.
TEST_F(ArrangeCharge, CopiesHaveTheirOwnPictures) {
    ASSERT_TRUE(apply(MotifPattern::Fasce, 0));
    EXPECT_EQ(r.Charges.workingPicture(1), r.Charges.workingPicture(kHeld));
    const Surface before = r.Charges.workingPicture(kHeld);
    ASSERT_TRUE(RetintCharge(ws, r.Charges, 1, kAzur));
    EXPECT_EQ(r.Charges.workingPicture(kHeld), before);
    EXPECT_NE(r.Charges.workingPicture(1), before);
}

// Undo gives back the one charge; the groups stay as they were, so the
// records it freed leave their stale group when arranged again.
TEST_F(ArrangeCharge, UndoGivesBackTheOneChargeWhereItWasPickedUp) {
    ASSERT_TRUE(apply(MotifPattern::Croix, 5));
    const int first = charge(kHeld).Motif;
    for (int n = 1; n <= 25; ++n) EXPECT_EQ(charge(n).InUse, kTrue) << n;
    UndoLast(ws);
    EXPECT_EQ(box(charge(kHeld)), (Box{20, 30, 4, 3}));
    EXPECT_EQ(charge(kHeld).InUse, kTrue);
    EXPECT_EQ(charge(kHeld).Motif, 0);
    for (int n = 1; n <= kChargeCount; ++n) {
        if (n != kHeld) {
            EXPECT_EQ(charge(n).InUse, 0) << n;
        }
    }
    ws.CurrentBlazon.Charges[kHeld].InUse = 0;
    ASSERT_TRUE(apply(MotifPattern::Fasce, 0));
    EXPECT_EQ(questions, 0);  // the undone charge names no group
    const int second = charge(kHeld).Motif;
    const std::vector<int> stale = members(first);  // still listing the freed records
    EXPECT_EQ(std::count(stale.begin(), stale.end(), kHeld), 0);
    EXPECT_EQ(std::count(stale.begin(), stale.end(), 1), 0);
    EXPECT_EQ(members(second), (std::vector<int>{kHeld, 1}));
}

TEST_F(ArrangeCharge, GroupQuestionJoinsOrLeavesTheFormerGroup) {
    ASSERT_TRUE(apply(MotifPattern::Pal, 0));
    const int pal = charge(kHeld).Motif;
    ws.CurrentBlazon.Charges[kHeld].InUse = 0;  // held again
    ASSERT_TRUE(apply(MotifPattern::Croix, 0, /*answerYes=*/true));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(charge(kHeld).Motif, pal);
    EXPECT_EQ(group(pal).Phrase, "d'un pal et d'une croix");
    EXPECT_EQ(group(pal).Count, 2 + 4);

    ws.CurrentBlazon.Charges[kHeld].InUse = 0;
    ASSERT_TRUE(apply(MotifPattern::Sautoir, 0, /*answerYes=*/false));
    EXPECT_EQ(questions, 2);
    const int fresh = charge(kHeld).Motif;
    EXPECT_NE(fresh, pal);
    EXPECT_EQ(group(fresh).Phrase, "d'un sautoir");
    EXPECT_EQ(group(fresh).Count, 5);
    // Never in two groups: the former one no longer lists it.
    EXPECT_EQ(group(pal).Count, 5);
    for (int m : members(pal)) EXPECT_NE(m, kHeld);
}

// Not enough free records: the box, and nothing changed, not even undo.
TEST_F(ArrangeCharge, TooFewFreeRecordsRefusesTheWholeArrangement) {
    for (int n = 1; n <= kChargeCount; ++n)
        if (n != kHeld && n <= 49) place(n, 1, 0, 0, 4, 3, kOr);
    ws.CurrentBlazon.Charges[50].InUse = 0;
    PushUndo(ws);  // a known top of the stack
    const BlazonRecord before = ws.CurrentBlazon;
    const BlazonRecord undoTop = ws.Undos[1];
    const MotifTable groups = ws.Groups;
    // 48 in use besides the held charge: one record free, three copies needed.
    ASSERT_EQ(MotifCopyCount(layout(MotifPattern::Pairle, 0)), 3);
    EXPECT_FALSE(apply(MotifPattern::Pairle, 0));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Répartition des meubles");
    EXPECT_EQ(messages[0].icon, FileMessage::Icon::Exclamation);
    EXPECT_EQ(ws.CurrentBlazon, before);
    EXPECT_EQ(ws.Undos[1], undoTop);
    EXPECT_FALSE(ws.Modified);
    EXPECT_EQ(ws.SelectedCharge, kHeld);
    EXPECT_EQ(ws.Groups.MotifCounter, groups.MotifCounter);
    // One copy fits the one free record.
    EXPECT_TRUE(apply(MotifPattern::Pal, 0));
    EXPECT_EQ(charge(50).InUse, kTrue);
}

}  // namespace
}  // namespace tess
