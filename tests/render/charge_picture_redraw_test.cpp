#include <gtest/gtest.h>

#include <tuple>

#include "actions/charge_placing.h"
#include "model/image_bank.h"
#include "model/placed_charges.h"
#include "platform/picture_file.h"
#include "render/charge_redraw_fixture.h"
#include "support/charge_pictures.h"

namespace tess {
namespace {

using testing::picture;
using Point = std::tuple<int, int, Colour>;

// Pictures written to files by the test, imported through the overlay as the
// window does, and drawn by whole redraws.
class ChargePictureRedraw : public testing::ChargeRedraw {
  protected:
    // A flag on white: a black pole ('#') and a red field ('r').
    Surface flag() const {
        return picture({
            ".#rrrr",
            ".#rrrr",
            ".#rrrr",
            ".#....",
        });
    }
    int place(const std::string& path, double left, double top, double w = 0, double h = 0) {
        const int n = firstFreeChargeNumber();
        EXPECT_TRUE(AddCharge(ws, r.Charges, OverlayBox{left, top, w, h, path}));
        return n;
    }
    int firstFreeChargeNumber() const {
        for (int n = 1; n <= kChargeCount; ++n)
            if (ws.CurrentBlazon.Charges[n].InUse == 0) return n;
        return 0;
    }
    testing::PictureFolder folder;
};

TEST_F(ChargePictureRedraw, BmpChargeIsStampedTransparentlyAndStretched) {
    const int n = place(folder.writeBmp("Drapeau.bmp", flag()), 100, 100);
    ChargeRecord& c = ws.CurrentBlazon.Charges[n];
    EXPECT_EQ(c.Tincture, kGueules);
    c.Width = 18;  // three times the picture
    c.Height = 12;
    redraw();
    const Colour azur = tincture(kAzur), red = tincture(kGueules);  // white is transparent
    const Point points[] = {{100, 100, azur},   {102, 111, azur}, {103, 100, kBlack},
                            {105, 111, kBlack}, {106, 100, red},  {117, 108, red},
                            {118, 100, azur},   {110, 110, azur}};
    for (auto [x, y, want] : points) EXPECT_EQ(r.canvas.pixel(x, y), want) << x << "," << y;
    EXPECT_EQ(ChargeAtPoint(ws, 105, 105), n);
}

TEST_F(ChargePictureRedraw, GifChargeIsMirrored) {
    const int n = place(folder.writeGif("Drapeau.gif", flag()), 100, 100);
    ws.CurrentBlazon.Charges[n].Mirrored = kTrue;
    redraw();
    const Colour azur = tincture(kAzur), red = tincture(kGueules);
    const Point points[] = {{105, 100, azur}, {104, 100, kBlack}, {104, 103, kBlack},
                            {100, 100, red},  {103, 102, red},    {100, 103, azur}};
    for (auto [x, y, want] : points) EXPECT_EQ(r.canvas.pixel(x, y), want) << x << "," << y;
}

TEST_F(ChargePictureRedraw, RecolouredInEveryTinctureIncludingSable) {
    const int n = place(folder.writeBmp("Drapeau.bmp", flag()), 100, 100);
    ws.CurrentBlazon.Parts[1].Tincture = kArgent;
    ws.CurrentBlazon.Parts[1].Kind = kClassMetal;
    for (int pass = 0; pass < 2; ++pass) {
        for (int t = 1; t <= kTinctureCount; ++t) {
            ASSERT_TRUE(SetChargeTincture(ws, r.Charges, n, t));
            redraw();
            EXPECT_EQ(r.canvas.pixel(102, 101), tincture(t)) << t;
            EXPECT_EQ(r.canvas.pixel(101, 101), kBlack) << t;
            EXPECT_EQ(r.canvas.pixel(100, 101), tincture(kArgent)) << t;
        }
    }
}

TEST_F(ChargePictureRedraw, JpegChargeIsImportedAndRecoloured) {
    Surface s(40, 40, kWhite);
    s.fillRect(8, 8, 32, 32, Brush::solid(0x0000FF));
    const std::string path = folder.write("Carre.jpg", s, "JPG", 100);
    const int n = place(path, 60, 60);
    const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
    EXPECT_EQ(c.Width, 40);
    ASSERT_TRUE(SetChargeTincture(ws, r.Charges, n, kSinople));
    redraw();
    EXPECT_EQ(r.canvas.pixel(80, 80), tincture(kSinople));
    EXPECT_EQ(r.canvas.pixel(61, 61), tincture(kAzur));
}

TEST_F(ChargePictureRedraw, UndoOfARecolourShowsTheOldColourAgain) {
    const int n = place(folder.writeBmp("Drapeau.bmp", flag()), 100, 100);
    redraw();
    PushUndo(ws);
    ASSERT_TRUE(SetChargeTincture(ws, r.Charges, n, kSable));
    redraw();
    EXPECT_EQ(r.canvas.pixel(102, 101), kBlack);
    UndoLast(ws);
    redraw();
    EXPECT_EQ(r.canvas.pixel(102, 101), tincture(kGueules));
}

TEST_F(ChargePictureRedraw, UndoOfAPlacingLeavesNothingOnTheShield) {
    const int n = place(folder.writeBmp("Drapeau.bmp", flag()), 100, 100);
    redraw();
    ASSERT_TRUE(hit(102, 101));
    UndoLast(ws);
    redraw();
    // The snapshot showed the charge in use without a picture: neither drawn
    // nor listed, and freed by the next hit test.
    EXPECT_FALSE(hit(102, 101));
    EXPECT_EQ(r.canvas.pixel(102, 101), tincture(kAzur));
    EXPECT_EQ(ChargeAtPoint(ws, 102, 101), 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[n].InUse, 0);
}

}  // namespace
}  // namespace tess
