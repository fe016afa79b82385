#include <gtest/gtest.h>

#include "model/motifs.h"
#include "model/workspace.h"

namespace tess {
namespace {

class Motifs : public ::testing::Test {
  protected:
    std::vector<int> members(int group) const {
        const MotifRecord& m = ws.Groups.Motifs[group];
        return std::vector<int>(m.Members.begin() + 1, m.Members.begin() + 1 + m.Count);
    }
    Workspace ws;
};

TEST_F(Motifs, NewMotifCountsUpFromOneAndWrapsAfterAHundred) {
    EXPECT_EQ(NewMotif(ws), 1);
    EXPECT_EQ(NewMotif(ws), 2);
    for (int g = 1; g <= kMotifCount; ++g) ws.Groups.Motifs[g].InUse = 0;
    ws.Groups.MotifCounter = 100;
    EXPECT_EQ(NewMotif(ws), 1);
    EXPECT_EQ(ws.Groups.Motifs[1].InUse, kTrue);
    EXPECT_EQ(ws.Groups.Motifs[1].Count, 0);
}

// Wrapping never lands on a live group, nor on a free one that a charge still
// names (emptied by a delete, then an undo gave its charges back).
TEST(NewMotif, NeverTakesAGroupInUseOrStillNamed) {
    Workspace live, named;
    live.Groups.Motifs[1].InUse = kTrue;
    live.Groups.Motifs[1].Count = 1;
    live.Groups.Motifs[1].Members[1] = 7;  // even when no charge names it back
    named.CurrentBlazon.Charges[4].Motif = 1;
    for (Workspace* ws : {&live, &named}) {
        ws->Groups.MotifCounter = 100;
        EXPECT_EQ(NewMotif(*ws), 2);
        EXPECT_EQ(ws->Groups.MotifCounter, 2);
    }
    EXPECT_EQ(live.Groups.Motifs[1].Members[1], 7);
    EXPECT_EQ(named.Groups.Motifs[1].InUse, 0);
}

TEST_F(Motifs, NewMotifWithEveryGroupLiveReclaimsOnlyOneNoChargeNames) {
    for (int g = 1; g <= kMotifCount; ++g) {
        ws.Groups.Motifs[g].InUse = kTrue;
        ws.Groups.Motifs[g].Count = 1;
        ws.Groups.Motifs[g].Members[1] = 1;
    }
    for (int c = 1; c <= kChargeCount; ++c) ws.CurrentBlazon.Charges[c].Motif = Byte(c);
    ws.Groups.MotifCounter = 10;
    EXPECT_EQ(NewMotif(ws), 51);
    EXPECT_EQ(ws.Groups.Motifs[51].Count, 0);
    EXPECT_EQ(ws.Groups.Motifs[51].Members[1], 0);
}

TEST_F(Motifs, AddChargeToMotifAddsOnceAndNamesTheGroup) {
    const Byte g = NewMotif(ws);
    EXPECT_EQ(AddChargeToMotif(ws, g, 7), 1);
    EXPECT_EQ(ws.CurrentBlazon.Charges[7].Motif, g);
    EXPECT_EQ(AddChargeToMotif(ws, g, 7), 0);
    EXPECT_EQ(members(g), std::vector<int>{7});
    EXPECT_EQ(AddChargeToMotif(ws, g, 3), 2);
    EXPECT_EQ(members(g), (std::vector<int>{7, 3}));
}

TEST_F(Motifs, AddChargeToMotifNoGroupNoChargeOrAFullGroupAddsNothing) {
    EXPECT_EQ(AddChargeToMotif(ws, 0, 5), 0);
    EXPECT_EQ(AddChargeToMotif(ws, 3, 0), 0);
    EXPECT_EQ(AddChargeToMotif(ws, 101, 5), 0);
    EXPECT_EQ(AddChargeToMotif(ws, 3, 51), 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[5].Motif, 0);
    MotifRecord& m = ws.Groups.Motifs[4];
    m.InUse = kTrue;
    for (int i = 1; i <= kMotifCount; ++i) m.Members[i] = Byte((i - 1) % 49 + 2);
    EXPECT_EQ(AddChargeToMotif(ws, 4, 1), 100);
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].Motif, 0);
}

TEST_F(Motifs, CompactMotifPacksInOrderAndReleasesAnEmptyGroup) {
    MotifRecord& m = ws.Groups.Motifs[5];
    m.InUse = kTrue;
    const Byte places[] = {4, 0, 9, 0, 2};
    for (int i = 0; i < 5; ++i) m.Members[i + 1] = places[i];
    EXPECT_EQ(CompactMotif(ws, 5), 3);
    EXPECT_EQ(members(5), (std::vector<int>{4, 9, 2}));
    EXPECT_EQ(m.Members[4], 0);
    EXPECT_EQ(m.InUse, kTrue);

    m.Members.fill(0);
    EXPECT_EQ(CompactMotif(ws, 5), 0);
    EXPECT_EQ(m.InUse, 0);
    EXPECT_EQ(CompactMotif(ws, 0), 0);
}

TEST_F(Motifs, RemoveChargeFromMotifLastMemberReleasesTheGroup) {
    const Byte g = NewMotif(ws);
    AddChargeToMotif(ws, g, 12);
    AddChargeToMotif(ws, g, 20);
    EXPECT_EQ(RemoveChargeFromMotif(ws, g, 12), 1);
    EXPECT_EQ(ws.CurrentBlazon.Charges[12].Motif, 0);
    EXPECT_EQ(members(g), std::vector<int>{20});
    EXPECT_EQ(RemoveChargeFromMotif(ws, g, 20), 0);
    EXPECT_EQ(ws.Groups.Motifs[g].InUse, 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[20].Motif, 0);
}

TEST_F(Motifs, ClearMotifLeavesTheChargesNamingTheGroup) {
    const Byte g = NewMotif(ws);
    AddChargeToMotif(ws, g, 2);
    ws.Groups.Motifs[g].Phrase = "en pal";
    ClearMotif(ws, g);
    EXPECT_EQ(ws.Groups.Motifs[g].InUse, 0);
    EXPECT_EQ(ws.Groups.Motifs[g].Count, 0);
    EXPECT_EQ(ws.Groups.Motifs[g].Members[1], 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[2].Motif, g);
}

TEST_F(Motifs, MoveMotifChargesMovesAndSizesEveryMember) {
    const Byte g = NewMotif(ws);
    const int xs[] = {10, 50, 90};
    for (int i = 0; i < 3; ++i) {
        ChargeRecord& c = ws.CurrentBlazon.Charges[i + 1];
        c.X = Integer(xs[i]);
        c.Y = 40;
        c.Width = 30;
        c.Height = 20;
        AddChargeToMotif(ws, g, i + 1);
    }
    ws.CurrentBlazon.Charges[4].X = 5;
    MoveMotifCharges(ws, g, 10, -5, 44, 33);
    for (int i = 0; i < 3; ++i) {
        const ChargeRecord& c = ws.CurrentBlazon.Charges[i + 1];
        EXPECT_EQ(c.X, xs[i] + 10);
        EXPECT_EQ(c.Y, 35);
        EXPECT_EQ(c.Height, 44);
        EXPECT_EQ(c.Width, 33);
    }
    EXPECT_EQ(ws.CurrentBlazon.Charges[4].X, 5);

    EXPECT_TRUE(ws.Modified);

    ws.Modified = false;
    const BlazonRecord before = ws.CurrentBlazon;
    MoveMotifCharges(ws, 0, 10, 10, 1, 1);
    MoveMotifCharges(ws, g, 0, 0, 44, 33);
    EXPECT_EQ(ws.CurrentBlazon, before);
    EXPECT_FALSE(ws.Modified);
}

TEST_F(Motifs, MoveMotifChargesSaturatesInsteadOfWrapping) {
    const Byte g = NewMotif(ws);
    ws.CurrentBlazon.Charges[1].X = 32000;
    AddChargeToMotif(ws, g, 1);
    MoveMotifCharges(ws, g, 5000, 0, 10, 10);
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].X, 32767);
}

}  // namespace
}  // namespace tess
