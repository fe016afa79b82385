#include <gtest/gtest.h>

#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "render/charge_recolouring.h"
#include "render/charge_redraw_fixture.h"
#include "render/charge_surfaces.h"

namespace tess {
namespace {

using testing::ascii;
using testing::bankMask;
using testing::bankPicture;
using testing::picture;

// A Gueules figure ('r') with a black outline ('#'), two pieces apart: the
// bank picture (figure on black) and its mask (figure black on white).
const std::vector<std::string> kFigure = {
    "##.....",  //
    "#r#..#.",  //
    "#rr#.r#",  //
    "####.##",
};

class Recolouring : public ::testing::Test {
  protected:
    void SetUp() override {
        InitTinctures(ws.Tinctures);
        addPicture(1, kFigure, kGueules);
        place(3, 1, 4);
        place(5, 1, 4);
    }
    void addPicture(int slot, const std::vector<std::string>& figure, int own) {
        ws.Bank[slot].InUse = kTrue;
        ws.Bank[slot].OwnTincture = own;
        surfaces.setBankPicture(slot, bankPicture(figure), bankMask(figure));
    }
    void place(int n, int slot, int tincture) {
        testing::placeCharge(ws.CurrentBlazon, n, slot, 0, 0, 0, 0).Tincture = tincture;
    }
    std::vector<std::string> working(int n) { return ascii(surfaces.workingPicture(n)); }

    Workspace ws;
    ChargeSurfaces surfaces;
};

TEST_F(Recolouring, PrepareAndRetintKeepTheOutlineAndTheBackgroundBlack) {
    PrepareChargeLayers(ws, surfaces, 3);
    EXPECT_EQ(working(3), (std::vector<std::string>{
                              "#######",  //
                              "#b#####",  //
                              "#bb##b#",  //
                              "#######",
                          }));
    EXPECT_EQ(surfaces.charge(3).layers.SeedX, 1);
    EXPECT_EQ(surfaces.charge(3).layers.SeedY, 1);
    EXPECT_TRUE(RetintCharge(ws, surfaces, 3, kOr));
    EXPECT_EQ(ws.CurrentBlazon.Charges[3].Tincture, kOr);
    // Only the piece holding the seed: the other touches it through background only.
    EXPECT_EQ(working(3), (std::vector<std::string>{
                              "#######",  //
                              "#y#####",  //
                              "#yy##b#",  //
                              "#######",
                          }));
}

// Which pixels take the fill follows the colour of the picture's own tincture:
// kept layers made under another colour of it are made again, as a fresh set
// of surfaces would make them.
TEST_F(Recolouring, KeptLayersFollowTheOwnTinctureColour) {
    const std::vector<std::string> green = {"#g#", "ggg"};
    addPicture(2, green, kGueules);
    place(7, 2, 4);
    const Colour factory = Colour(ws.Tinctures[kGueules].Colour);
    ws.Tinctures[kGueules].Colour = 0x00FF00;
    ASSERT_TRUE(refreshChargeLayers(ws, surfaces, 7));
    ws.Tinctures[kGueules].Colour = factory;
    ASSERT_TRUE(refreshChargeLayers(ws, surfaces, 7));

    ChargeSurfaces fresh;
    fresh.setBankPicture(2, bankPicture(green), bankMask(green));
    ASSERT_TRUE(refreshChargeLayers(ws, fresh, 7));
    EXPECT_EQ(working(7), ascii(fresh.workingPicture(7)));
}

TEST_F(Recolouring, SableAndBlackTincturesRecolourToo) {
    PrepareChargeLayers(ws, surfaces, 3);
    RetintCharge(ws, surfaces, 3, kSable);
    EXPECT_EQ(ascii(surfaces.workingPicture(3))[2], "#####b#");
    RetintCharge(ws, surfaces, 3, kAzur);
    EXPECT_EQ(ascii(surfaces.workingPicture(3))[2], "#bb##b#");

    // A tincture adjusted to black behaves the same.
    ws.Tinctures[kSinople].Colour = 0;
    RetintCharge(ws, surfaces, 3, kSinople);
    EXPECT_EQ(working(3)[1], "#######");
    RetintCharge(ws, surfaces, 3, kGueules);
    EXPECT_EQ(working(3)[1], "#r#####");
}

TEST_F(Recolouring, EveryTinctureReachesTheRecolourableFieldInItsCurrentColour) {
    PrepareChargeLayers(ws, surfaces, 3);
    ws.Tinctures[kAzur].Colour = 0x804020;
    for (int t = 1; t <= kTinctureCount; ++t) {
        RetintCharge(ws, surfaces, 3, t);
        const Surface& w = surfaces.workingPicture(3);
        EXPECT_EQ(w.pixel(1, 2), Colour(ws.Tinctures[t].Colour)) << t;
        EXPECT_EQ(w.pixel(2, 2), Colour(ws.Tinctures[t].Colour)) << t;
        EXPECT_EQ(w.pixel(3, 2), kBlack) << t;
        EXPECT_EQ(w.pixel(4, 1), kBlack) << t;
    }
}

TEST_F(Recolouring, ChargeWithoutTinctureIsPreparedInOr) {
    ws.CurrentBlazon.Charges[3].Tincture = -1;
    PrepareChargeLayers(ws, surfaces, 3);
    EXPECT_EQ(working(3)[2], "#yy##y#");
    EXPECT_EQ(ws.CurrentBlazon.Charges[3].Tincture, -1);
    EXPECT_EQ(surfaces.charge(3).layers.Tincture, kOr);
}

TEST_F(Recolouring, ReleasingOneChargeLeavesTheOthers) {
    PrepareChargeLayers(ws, surfaces, 3);
    PrepareChargeLayers(ws, surfaces, 5);
    surfaces.releaseCharge(3);
    EXPECT_TRUE(surfaces.workingPicture(3).empty());
    RetintCharge(ws, surfaces, 5, kSinople);
    EXPECT_EQ(surfaces.workingPicture(5).pixel(1, 1), 0x008000u);
}

TEST_F(Recolouring, PictureWithoutItsOwnColourKeepsItsColours) {
    ws.Bank[1].OwnTincture = kSinople;
    PrepareChargeLayers(ws, surfaces, 3);
    EXPECT_EQ(working(3)[2], "#rr##r#");
    RetintCharge(ws, surfaces, 3, kOr);
    EXPECT_EQ(working(3)[2], "#rr##r#");
}

TEST_F(Recolouring, FigureInItsTinctureFactoryColourRecoloursAfterAnAdjustment) {
    // Gueules has been adjusted: the picture, drawn in factory red, was taken
    // as Gueules all the same (factory colours are matched too).
    ws.Tinctures[kGueules].Colour = 0x1010C0;
    PrepareChargeLayers(ws, surfaces, 3);
    EXPECT_EQ(working(3)[2], "#bb##b#");
    RetintCharge(ws, surfaces, 3, kOr);
    EXPECT_EQ(working(3)[2], "#yy##b#");
}

TEST_F(Recolouring, OutOfRangeTinctureIsRefused) {
    PrepareChargeLayers(ws, surfaces, 3);
    EXPECT_FALSE(RetintCharge(ws, surfaces, 3, 0));
    EXPECT_FALSE(RetintCharge(ws, surfaces, 3, 12));
    EXPECT_EQ(ws.CurrentBlazon.Charges[3].Tincture, kAzur);
}

TEST_F(Recolouring, StaleLayersArePreparedAgain) {
    PrepareChargeLayers(ws, surfaces, 3);
    EXPECT_TRUE(refreshChargeLayers(ws, surfaces, 3));
    const ChargeLayersTag tag = surfaces.charge(3).tag;

    // An undo brings back another tincture: the whole figure takes it.
    RetintCharge(ws, surfaces, 3, kOr);
    ws.CurrentBlazon.Charges[3].Tincture = kAzur;
    refreshChargeLayers(ws, surfaces, 3);
    EXPECT_EQ(surfaces.charge(3).tag, tag);
    EXPECT_EQ(working(3)[2], "#bb##b#");

    // The slot takes another picture: the charge shows the new one.
    addPicture(1, {"r.", "rr"}, kGueules);
    EXPECT_TRUE(refreshChargeLayers(ws, surfaces, 3));
    EXPECT_EQ(working(3), (std::vector<std::string>{"b#", "bb"}));

    // The picture leaves the bank: nothing to draw.
    ws.Bank[1].InUse = 0;
    EXPECT_FALSE(refreshChargeLayers(ws, surfaces, 3));
}

TEST_F(Recolouring, RetintOnLayersOfAnotherPicturePreparesAfresh) {
    PrepareChargeLayers(ws, surfaces, 3);
    addPicture(2, {"r#r", "rrr"}, kGueules);
    ws.CurrentBlazon.Charges[3].ImageIndex = 2;
    RetintCharge(ws, surfaces, 3, kOr);
    EXPECT_EQ(working(3), (std::vector<std::string>{"y#y", "yyy"}));
}

// The stamp lays a working picture through its bank mask's runs without the
// white ones: the working picture must be black wherever the mask is white,
// even from a bank picture that is not (a file's picture may hold anything
// under its transparent pixels) and a mask with another colour than black and
// white, after a preparation and after each retint.
TEST_F(Recolouring, WorkingPictureIsBlackWhereverTheBankMaskIsWhite) {
    Surface pictureWithBackground = picture({"rgyb", "ggrr", "rbyg"});
    const Surface mask = picture({"#..#", ".##.", "#.k#"});
    ws.Bank[2].InUse = kTrue;
    ws.Bank[2].OwnTincture = kGueules;
    surfaces.setBankPicture(2, pictureWithBackground, mask);
    place(7, 2, kAzur);
    auto blackUnderWhite = [&] {
        const Surface& w = surfaces.workingPicture(7);
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                if (mask.pixel(x, y) == kWhite && w.pixel(x, y) != kBlack) return false;
        return true;
    };
    PrepareChargeLayers(ws, surfaces, 7);
    ASSERT_FALSE(surfaces.workingPicture(7).empty());
    EXPECT_TRUE(blackUnderWhite());
    for (int t = 1; t <= kTinctureCount; ++t) {
        RetintCharge(ws, surfaces, 7, t);
        EXPECT_TRUE(blackUnderWhite()) << t;
    }
}

TEST(ReplaceColour, ReplacesInsideTheGivenRectangleOnly) {
    Surface s = picture({"rr.", "r.r"});
    ReplaceColour(s, 0x0000FF, 0x00FFFF, 2, 2);
    EXPECT_EQ(ascii(s), (std::vector<std::string>{"yy.", "y.r"}));
    ReplaceColour(s, 0x00FFFF, 0, 2, 0);
    EXPECT_EQ(ascii(s)[0], "yy.");
}

}  // namespace
}  // namespace tess
