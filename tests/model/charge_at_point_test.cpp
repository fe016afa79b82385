#include <gtest/gtest.h>

#include "model/image_bank.h"
#include "model/placed_charges.h"
#include "model/workspace.h"
#include "support/placed_charge.h"

namespace tess {
namespace {

class ChargeAtPointTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ws.Bank[1].InUse = kTrue;
        ws.Bank[1].Width = 40;
        ws.Bank[1].Height = 40;
    }
    void place(int n, int x, int y, int w, int h, int slot = 1) {
        testing::placeCharge(ws.CurrentBlazon, n, slot, x, y, w, h);
    }
    Workspace ws;
};

TEST_F(ChargeAtPointTest, EdgesAreNotHits) {
    place(1, 20, 30, 40, 40);
    for (auto [x, y, hit] :
         {std::tuple{20, 50, 0}, {40, 30, 0}, {60, 50, 0}, {40, 70, 0}, {21, 31, 1}, {59, 69, 1}})
        EXPECT_EQ(ChargeAtPoint(ws, x, y), hit) << x << "," << y;
}

TEST_F(ChargeAtPointTest, SmallestBoxWinsAndTiesGoToTheLowerNumber) {
    place(3, 0, 0, 150, 150);
    place(5, 10, 10, 100, 100);
    EXPECT_EQ(ChargeAtPoint(ws, 50, 50), 5);
    place(2, 20, 20, 50, 50);
    place(4, 30, 30, 50, 50);
    EXPECT_EQ(ChargeAtPoint(ws, 50, 50), 2);
    // Small boxes are compared exactly: the later, smaller one wins.
    place(9, 40, 40, 30, 30);
    place(8, 35, 35, 40, 40);
    EXPECT_EQ(ChargeAtPoint(ws, 50, 50), 9);
}

TEST_F(ChargeAtPointTest, SkipsChargesOutOfUseOrWithoutAPicture) {
    place(1, 0, 0, 100, 100);
    place(2, 10, 10, 20, 20);
    ws.CurrentBlazon.Charges[2].InUse = 0;  // held in the overlay
    EXPECT_EQ(ChargeAtPoint(ws, 15, 15), 1);

    place(3, 10, 10, 20, 20, 7);  // its picture was deleted from the bank
    EXPECT_EQ(ChargeAtPoint(ws, 15, 15), 1);
}

TEST_F(ChargeAtPointTest, FreesARecordInUseWithoutAPicture) {
    place(6, 10, 10, 20, 20, 0);
    EXPECT_EQ(ChargeAtPoint(ws, 200, 200), 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[6].InUse, 0);
    EXPECT_EQ(firstFreeCharge(ws.CurrentBlazon), 1);
}

}  // namespace
}  // namespace tess
