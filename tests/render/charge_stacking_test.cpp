#include <gtest/gtest.h>

#include "render/charge_redraw_fixture.h"

namespace tess {
namespace {

// Charges against the pieces: a pale (first order, Or, x 89..175) and a
// champagne (second order, Gueules, from y 230) over an Azur field. The
// charges are plain Sinople squares.
class ChargeStacking : public testing::ChargeRedraw {
  protected:
    void SetUp() override {
        ChargeRedraw::SetUp();
        addBankPicture(1, {"rr", "rr"}, kGueules);
    }
    void pale() {
        ws.CurrentBlazon.Ordinary1.Present = kTrue;
        ws.CurrentBlazon.Ordinary1.Type = 2;
    }
    void champagne() {
        ws.CurrentBlazon.Ordinary2.Present = kTrue;
        ws.CurrentBlazon.Ordinary2.Type = 12;
    }
    ChargeRecord& square(int n, int x, int y, int w, int h) {
        return place(n, 1, x, y, w, h, kSinople);
    }
    Colour at(int x, int y) const { return r.canvas.pixel(x, y); }
    int placement(int n) const { return ws.CurrentBlazon.Charges[n].Placement; }
};

TEST_F(ChargeStacking, ChargeInAPartLiesUnderThePieceThatCrossesIt) {
    pale();
    square(1, 40, 80, 70, 40);
    redraw();
    EXPECT_EQ(placement(1), 11);
    EXPECT_EQ(chargeList(1), std::vector<int>{1});
    EXPECT_EQ(at(60, 100), tincture(kSinople));
    EXPECT_EQ(at(100, 100), tincture(kOr));
    EXPECT_TRUE(hit(100, 100));  // the hit map still finds it there

    ws.CurrentBlazon.Charges[1].Brochant = kTrue;
    redraw();
    EXPECT_EQ(placement(1), 9);
    EXPECT_EQ(chargeList(6), std::vector<int>{1});
    EXPECT_EQ(at(100, 100), tincture(kSinople));
}

TEST_F(ChargeStacking, ChargeOnThePieceLiesOverIt) {
    pale();
    champagne();
    square(1, 110, 100, 40, 40);
    square(2, 110, 250, 40, 30);  // on the pale where it crosses the champagne
    redraw();
    EXPECT_EQ(placement(1), 7);
    EXPECT_EQ(placement(2), 7);
    EXPECT_EQ(chargeList(7), (std::vector<int>{1, 2}));
    EXPECT_EQ(at(130, 120), tincture(kSinople));
    EXPECT_EQ(at(130, 265), tincture(kSinople));
}

TEST_F(ChargeStacking, ChargeOnTheSecondOrderPieceLiesBetweenThePieces) {
    champagne();
    square(1, 40, 250, 70, 30);
    redraw();
    EXPECT_EQ(placement(1), 5);
    EXPECT_EQ(chargeList(5), std::vector<int>{1});
    EXPECT_EQ(at(100, 265), tincture(kSinople));

    pale();
    redraw();
    EXPECT_EQ(placement(1), 15);
    EXPECT_EQ(chargeList(5), std::vector<int>{1});
    EXPECT_EQ(at(60, 265), tincture(kSinople));
    EXPECT_EQ(at(100, 265), tincture(kOr));
}

TEST_F(ChargeStacking, ChargeInAPartLiesUnderTheSecondOrderPiece) {
    champagne();
    square(1, 40, 200, 40, 50);
    redraw();
    EXPECT_EQ(placement(1), 21);
    EXPECT_EQ(chargeList(1), std::vector<int>{1});
    EXPECT_EQ(at(60, 210), tincture(kSinople));
    EXPECT_EQ(at(60, 245), tincture(kGueules));
}

}  // namespace
}  // namespace tess
