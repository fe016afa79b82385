// The document's picture budget, held where pictures and charges come in: the
// picture list, the placing of a charge, a paste, an arrangement; and a save
// refuses what opening would leave out. Arms in parts stand outside it.
#include <gtest/gtest.h>

#include "actions/budget_messages.h"
#include "actions/charge_arrangement.h"
#include "actions/charge_edits.h"
#include "actions/field_edits.h"
#include "actions/held_charge.h"
#include "actions/insert_blazon.h"
#include "actions/picture_commands.h"
#include "actions/piece_commands.h"
#include "model/picture_budget.h"
#include "model/placed_charges.h"
#include "storage/side_files.h"
#include "support/charge_pictures.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

class PictureBudget : public testing::DocumentTest {
  protected:
    PictureBudget() { ws().ui = &ui; }

    // A w x h red square on white, in the pictures folder.
    std::string square(const std::string& name, int w, int h) {
        Surface s(w, h, kWhite);
        s.fillRect(1, 1, w, h, Brush::solid(0x0000FF));
        const std::string path = file("pictures/" + name);
        EXPECT_EQ(savePictureBmp(s, path), "");
        return path;
    }
    bool place(const std::string& path, int w, int h, int x = 100, int y = 100) {
        return AddCharge(ws(), r().Charges,
                         OverlayBox{double(x), double(y), double(w), double(h), path}, 0, &told);
    }
    std::string lastMessage() const { return told.text; }
    std::int64_t cost() const {
        return DocumentPictureCost(program->ws.CurrentBlazon, program->ws.Bank, 0);
    }

    testing::RecordingUi ui;
    // What the last refusal has the user told.
    FileMessage told;
};

TEST_F(PictureBudget, TheListTakesOnlyWhatTheDocumentCanReopen) {
    struct Case {
        std::string path;
        std::string message;  // empty: added
    };
    const std::string room =
        " est trop grande pour ce blason : une fois sauvegardé, il ne pourrait plus être "
        "rouvert en entier. Ce blason peut encore recevoir une image d'au plus 1000 x 1000 "
        "points : réduisez l'image, ou retirez des meubles ou des images du blason, puis "
        "ajoutez-la de nouveau.";
    const std::vector<Case> cases = {
        {square("douze.bmp", 1200, 1200), "L'image « douze.bmp » (1200 x 1200 points)" + room},
        {square("large.bmp", 1001, 1000), "L'image « large.bmp » (1001 x 1000 points)" + room},
        {square("fil.bmp", kMaxPictureSide + 1, 1), "L'image « fil.bmp » (4097 x 1 points)" + room},
        {square("juste.bmp", 1000, 1000), ""},
        {square("ligne.bmp", kMaxPictureSide, 1), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        told = {};
        const bool added = AddPictureToList(ws(), c.path, &told) == PictureAddOutcome::Added;
        EXPECT_EQ(added, c.message.empty());
        EXPECT_EQ(lastMessage(), c.message);
    }
    // Placed, the 1000 x 1000 picture takes the whole budget: nothing more comes in.
    ASSERT_TRUE(place(file("pictures/juste.bmp"), 1000, 1000));
    EXPECT_EQ(cost(), kDocumentPicturePixels);
    EXPECT_EQ(AddPictureToList(ws(), square("point.bmp", 1, 1), &told), PictureAddOutcome::Refused);
    EXPECT_EQ(lastMessage(),
              "L'image « point.bmp » (1 x 1 points) est trop grande pour ce blason : une fois "
              "sauvegardé, il ne pourrait plus être rouvert en entier. Ce blason ne peut plus "
              "recevoir d'image : retirez des meubles ou des images du blason, puis ajoutez-la de "
              "nouveau.");
    told = {};
    EXPECT_FALSE(place(file("pictures/ligne.bmp"), 4096, 1)) << "the bank took it past the budget";
    EXPECT_EQ(cost(), kDocumentPicturePixels);
}

TEST_F(PictureBudget, ChargesPastedAndArrangedStopAtTheBudget) {
    // 500 x 500: the picture and its first charge take 1.5 million pixels, each
    // further charge a million: five charges fit, a sixth does not.
    const std::string path = square("carre.bmp", 500, 500);
    for (int n = 0; n < 5; ++n) ASSERT_TRUE(place(path, 500, 500, 10 * n, 10 * n));
    const BlazonRecord before = blazon();
    EXPECT_FALSE(place(path, 500, 500));
    EXPECT_EQ(lastMessage(), chargeOverBudgetText());
    EXPECT_EQ(blazon(), before);

    // A copy pasted would be a sixth charge.
    RedrawResult shown;
    RedrawShield(ws(), r());
    ASSERT_TRUE(PickUpCharge(ws(), r(), 1, shown));
    const ChargeClipboard copy = CopyHeldCharge(ws(), r());
    ASSERT_TRUE(CommitHeldCharge(ws(), r(), OverlayBox{10, 10, 500, 500, path}));
    told = {};
    EXPECT_EQ(PasteCharge(ws(), r(), copy, &told), 0);
    EXPECT_EQ(lastMessage(), chargeOverBudgetText());
    EXPECT_EQ(ws().SelectedCharge, 0);

    // Four copies in a pale would take four more.
    ASSERT_TRUE(PickUpCharge(ws(), r(), 5, shown));
    MotifLayout pale;
    pale.Pattern = MotifPattern::Pal;
    pale.CopyX[0] = 132;
    pale.CopyY[0] = 170;
    ComputeMotifLayout(pale);
    ASSERT_GT(MotifCopyCount(pale), 0);
    const EditOutcome arranged = ApplyMotif(ws(), r(), {5, 40, 40}, pale, {});
    told = arranged.message;
    EXPECT_FALSE(arranged);
    EXPECT_EQ(lastMessage(), copiesOverBudgetText());
    EXPECT_LE(DocumentPictureCost(blazon(), ws().Bank, ws().SelectedCharge),
              kDocumentPicturePixels);
}

// Arms stand outside the budget, as documents have always opened: a document
// at its budget takes arms, new or replacing others, and its save reopens
// whole, arms and their side files included, save after save.
TEST_F(PictureBudget, ArmsStandOutsideTheBudgetAndReopenWithIt) {
    struct Case {
        const char* name;
        int pictures, width, height, chargesEach;
        std::vector<int> armsParts;
    };
    const std::vector<Case> cases = {
        {"1000 x 1000 with its charge, arms in the chief", 1, 1000, 1000, 1, {7}},
        {"fifty 141 x 141 with their charges, arms in every part that takes them",
         50,
         141,
         141,
         1,
         {1, 2, 3, 4, 7}},
        {"a second charge filling the budget exactly, arms in four parts",
         1,
         1000,
         600,
         2,
         {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program = std::make_unique<testing::Program>();
        ws().ui = &ui;
        const std::string arms = doc("interieur.bls");
        ASSERT_TRUE(save(arms).saved);
        ChoosePartition(ws(), r(), 14, UndoStep::None);
        ChoosePiece(ws(), r(), 1, "Chef");
        for (int p = 0; p < c.pictures; ++p) {
            const std::string path = square("p" + std::to_string(p) + ".bmp", c.width, c.height);
            for (int n = 0; n < c.chargesEach; ++n)
                ASSERT_TRUE(place(path, c.width, c.height, p % 10 * 10, p / 10 * 20 + n))
                    << lastMessage();
        }
        ASSERT_GE(cost() * 1000, kDocumentPicturePixels * 994);
        // Arms coming in, then arms replacing them.
        for (int k : c.armsParts)
            for (int time = 0; time < 2; ++time)
                ASSERT_TRUE(InsertBlazonInPart(ws(), r(), k, arms).inserted) << "part " << k;
        const std::string path = doc("armes.bls");
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round == 0 ? "saved by the editor" : "saved once reopened");
            const SaveOutcome saved = save(path);
            ASSERT_TRUE(saved.saved) << saved.message.text;
            for (int k : c.armsParts) EXPECT_TRUE(std::filesystem::exists(partArmsFile(path, k)));
            program = std::make_unique<testing::Program>();
            ws().ui = &ui;
            const LoadOutcome out = LoadDocument(ws(), r(), path, {});
            ASSERT_TRUE(out.loaded);
            EXPECT_EQ(out.message.text, "");
            int charges = 0;
            for (int n = 1; n <= kChargeCount; ++n) charges += blazon().Charges[n].InUse != 0;
            EXPECT_EQ(charges, c.pictures * c.chargesEach);
            for (int k : c.armsParts) {
                EXPECT_EQ(blazon().Parts[k].InsertedPath, arms) << "part " << k;
                EXPECT_FALSE(r().InsertedPictures[k].empty()) << "part " << k;
            }
        }
    }
}

TEST_F(PictureBudget, ASaveNeverWritesWhatOpeningWouldLeaveOut) {
    // Charges deleted, a larger picture placed in their room, then the
    // deletions undone: the record brings the charges back, the bank keeps
    // the new picture, and the whole no longer fits.
    const std::string path = square("carre.bmp", 500, 500);
    for (int n = 0; n < 5; ++n) ASSERT_TRUE(place(path, 500, 500, 10 * n, 10 * n));
    RedrawShield(ws(), r());
    RedrawResult shown;
    for (int n = 2; n <= 5; ++n) {
        ASSERT_TRUE(PickUpCharge(ws(), r(), n, shown));
        DeleteHeldCharge(ws(), r(), false);
    }
    ASSERT_TRUE(place(square("autre.bmp", 600, 500), 600, 500));
    for (int n = 0; n < 5; ++n) UndoLast(ws());
    ASSERT_GT(cost(), kDocumentPicturePixels);

    const std::string target = doc("armes.bls");
    const SaveOutcome out = save(target);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.message.text, saveOverBudgetText());
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(ws().CurrentBlazon.FilePath.empty());
}

}  // namespace
}  // namespace tess
