#include <gtest/gtest.h>

#include "actions/redraw_shield.h"
#include "blazon_document.h"
#include "render/renderer.h"

namespace tess {
namespace {

using testing::BlazonDocument;
using testing::kEtoile;

// Every redraw ends with the blazon and the warnings of the document it drew:
// the part count, the user-fur tinctures and the charges' places all come from
// that very drawing.
class RedrawBlazon : public ::testing::Test {
  protected:
    RedrawBlazon() {
        InitSurfaces(r);
        Surface square(10, 10);
        square.fill(kBlack);
        r.Charges.setBankPicture(kEtoile, square, square);
        d.ws.Bank[kEtoile].Width = 10;
        d.ws.Bank[kEtoile].Height = 10;
    }

    ChargeRecord& place(int n, int x, int y, Long tincture) {
        ChargeRecord& c = d.doc().Charges[n];
        c.InUse = kTrue;
        c.ImageIndex = kEtoile;
        c.X = Integer(x);
        c.Y = Integer(y);
        c.Width = c.Height = 30;
        c.Tincture = tincture;
        return c;
    }

    BlazonDocument d;
    Renderer r;
};

TEST_F(RedrawBlazon, BlazonAndWarningsFollowEachRedraw) {
    d.doc().Partition = 11;
    d.tincture(1, 1).tincture(2, 2);
    RedrawResult first = RedrawShield(d.ws, r);
    EXPECT_EQ(first.blazonText, "Coupé 1) d'or et 2) d'argent.");
    EXPECT_TRUE(first.warningVisible);
    EXPECT_EQ(first.warningText, "La partie 1 est de même émail que la partie 2.");

    d.tincture(2, 4);
    RedrawResult second = RedrawShield(d.ws, r);
    EXPECT_EQ(second.blazonText, "Coupé 1) d'or et 2) d'azur.");
    EXPECT_FALSE(second.warningVisible);
    EXPECT_EQ(d.ws.Warnings.count(), 0);
}

TEST_F(RedrawBlazon, PartCountComesFromTheDrawing) {
    d.field(14, 4, 1, 3, 2).firstOrder(9).tincture(7, 1);
    d.doc().PartCount = 1;
    EXPECT_EQ(RedrawShield(d.ws, r).blazonText,
              "Écartelé 1) d'azur,  2) d'or,  3) de gueules et 4) d'argent; à écusson d'or");
}

TEST_F(RedrawBlazon, UserFurIsBlazonedInItsDominantTincture) {
    d.userFur(1, 2, "/home/u/Ondes.fmp", 4);
    d.doc().Parts[1].Tincture = 0;  // the redraw copies the fur's dominant tincture
    EXPECT_EQ(RedrawShield(d.ws, r).blazonText, "D'Azur semé d'ondes.");
}

TEST_F(RedrawBlazon, ChargesAreBlazonedWhereTheDrawingFindsThem) {
    d.doc().Partition = 10;
    d.tincture(1, 4).tincture(2, 2);
    ChargeRecord& star = place(1, 180, 120, 1);
    RedrawResult onPart = RedrawShield(d.ws, r);
    EXPECT_EQ(onPart.blazonText, "Parti 1) d'azur et 2) d'argent chargé de étoile d'or.");
    EXPECT_EQ(onPart.warningText,
              "Le meuble [1] étoile est de même émail que la partie sur laquelle il repose.");

    star.X = 20;
    EXPECT_EQ(RedrawShield(d.ws, r).blazonText,
              "Parti 1) d'azur chargé de étoile d'or et 2) d'argent.");

    star.Brochant = kTrue;
    RedrawResult overAll = RedrawShield(d.ws, r);
    EXPECT_EQ(overAll.blazonText,
              "Parti 1) d'azur et 2) d'argent; à étoile d'or broché sur le tout");
    EXPECT_FALSE(overAll.warningVisible);
}

}  // namespace
}  // namespace tess
