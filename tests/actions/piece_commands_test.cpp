#include <gtest/gtest.h>

#include "actions/piece_commands.h"
#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/motifs.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {
namespace {

constexpr int kPal = 2, kFasce = 3, kChef = 1, kBande = 4, kChampagne = 12;

class PieceCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        InitTinctures(ws.Tinctures);
        InitSurfaces(r);
        ResetDocument(ws);
        Surface square(10, 10, kBlack);
        square.fill(kBlack);
        r.Charges.setBankPicture(1, square, square);
        ws.Bank[1].InUse = kTrue;
        ws.Bank[1].FileName = "lion.bmp";
        ws.Bank[1].Width = ws.Bank[1].Height = 10;
    }
    const OrdinaryRecord& first() const { return ws.CurrentBlazon.Ordinary1; }
    // Charge n on the middle of the shield, its place settled by a redraw.
    void placeMiddle(int n, int x) {
        ChargeRecord& c = ws.CurrentBlazon.Charges[n];
        c = ChargeRecord{.InUse = kTrue,
                         .X = Integer(x),
                         .Y = 160,
                         .Width = 10,
                         .Height = 10,
                         .ImageIndex = 1,
                         .Tincture = 1,
                         .Class = 22};
    }
    // Answers the removal question, keeping what was asked.
    std::function<bool(const std::string&, const std::string&)> answering(bool yes) {
        return [this, yes](const std::string& text, const std::string& title) {
            asked.push_back(title + "|" + text);
            return yes;
        };
    }

    Workspace ws;
    Renderer r;
    std::vector<std::string> asked;
};

TEST_F(PieceCommands, DoubleClicksCycleRepeatsAndEachIsOneUndoStep) {
    std::vector<int> repeats;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(ChoosePiece(ws, r, kPal, "Pal"));
        repeats.push_back(first().Repeat);
    }
    EXPECT_EQ(repeats, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(first().Name, "Pal");
    std::vector<int> undone;
    for (int i = 0; i < 3; ++i) {
        UndoLast(ws);
        undone.push_back(first().Present ? first().Repeat : -1);
    }
    EXPECT_EQ(undone, (std::vector<int>{2, 1, 0}));

    // Pieces that never repeat are chosen again; another piece starts afresh
    // but keeps the size.
    ChoosePiece(ws, r, kChef, "Chef");
    ChoosePiece(ws, r, kChef, "Chef");
    EXPECT_EQ(first().Repeat, 0);
    ChoosePiece(ws, r, kPal, "Pal");
    ChoosePiece(ws, r, kPal, "Pal");
    SetPieceSize(ws, r, PieceOrder::First, PieceSize::Filet);
    ChoosePiece(ws, r, kFasce, "Fasce");
    EXPECT_EQ(first().Type, kFasce);
    EXPECT_EQ(first().Repeat, 0);
    EXPECT_EQ(first().Size, -1);

    ChoosePiece(ws, r, kChampagne, "Champagne");
    EXPECT_EQ(ws.CurrentBlazon.Ordinary2.Type, kChampagne);
    EXPECT_EQ(ws.CurrentBlazon.Ordinary2.Name, "Champagne");
    EXPECT_FALSE(ChoosePiece(ws, r, 23, "?"));
    RemoveSecondOrderPiece(ws, r);
    EXPECT_EQ(ws.CurrentBlazon.Ordinary2.Present, 0);
    EXPECT_TRUE(ws.Modified);
}

TEST_F(PieceCommands, RemovingTheFirstPieceAsksOnceAndTakesItsChargesAlong) {
    ChoosePiece(ws, r, kFasce, "Fasce");
    placeMiddle(3, 100);
    placeMiddle(5, 150);
    ws.CurrentBlazon.Charges[5].InUse = kFalse;  // held in the overlay
    const Byte group = NewMotif(ws);
    AddChargeToMotif(ws, group, 3);
    RedrawShield(ws, r);
    ASSERT_EQ(ws.CurrentBlazon.Charges[3].Placement, 7);

    const BlazonRecord before = ws.CurrentBlazon;
    const BlazonRecord undoBefore = ws.Undos[1];
    EXPECT_FALSE(RemoveFirstOrderPiece(ws, r, answering(false)));
    EXPECT_EQ(ws.CurrentBlazon, before);
    EXPECT_EQ(ws.Undos[1], undoBefore);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0],
              "Supprimer la pièce honorable|lion.bmp demeure sur la pièce. Supprimer cette pièce "
              "supprimera tous les meubles qui y sont apposés. Désirez-vous néanmoins supprimer "
              "cette pièce ?");

    placeMiddle(4, 120);
    RedrawShield(ws, r);
    EXPECT_EQ(FirstOrderRemovalQuestion(ws).substr(0, 30), "Des meubles dont lion.bmp deme");
    EXPECT_TRUE(RemoveFirstOrderPiece(ws, r, answering(true)));
    EXPECT_EQ(first().Present, 0);
    for (int n : {3, 4}) {
        const ChargeRecord& c = ws.CurrentBlazon.Charges[n];
        EXPECT_EQ(std::tuple(c.InUse, c.ImageIndex, c.Width, c.Placement, c.Motif, c.Tincture),
                  std::tuple(0, 0, 0, 0, 0, -1));
    }
    EXPECT_EQ(ws.Groups.Motifs[group].Count, 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[5].ImageIndex, 1);  // the held charge stays
    EXPECT_EQ(ws.Undos[1].Charges[4].InUse, kTrue);

    // Nothing on it: no question.
    asked.clear();
    ChoosePiece(ws, r, kPal, "Pal");
    EXPECT_TRUE(RemoveFirstOrderPiece(ws, r, nullptr));
    EXPECT_TRUE(asked.empty());
}

TEST_F(PieceCommands, LineStyleSubjectsAndTheirStoring) {
    BlazonRecord& b = ws.CurrentBlazon;
    b.Partition = 13;  // taillé
    b.Ordinary1 = {.Present = kTrue, .Type = kBande, .Size = 29};
    b.Ordinary2 = {.Present = kTrue, .Type = kChampagne, .Size = -1};
    b.Parts[7].Line.Depth = 30;
    struct Case {
        EdgeLine edge;
        int part;
        bool diagonal;
        int pieceWidth;
    };
    for (const Case& c :
         {Case{EdgeLine::Partition, 1, true, 0}, Case{EdgeLine::FirstOrderPiece, 7, true, 29},
          Case{EdgeLine::SecondOrderPiece, 5, false, 0}}) {
        const LineStyleSubject s = LineStyleSubjectOf(b, c.edge);
        EXPECT_EQ(s.part, c.part);
        EXPECT_EQ(s.diagonal, c.diagonal);
        EXPECT_EQ(s.pieceWidth, c.pieceWidth);
        EXPECT_EQ(s.style, b.Parts[c.part].Line);
    }
    b.Partition = 11;
    EXPECT_FALSE(LineStyleSubjectOf(b, EdgeLine::Partition).diagonal);

    const LineStyle nebule{.Depth = 10, .Width = 64, .LineKind = 12, .Plumb = kTrue};
    const BlazonRecord undoBefore = ws.Undos[1];
    ASSERT_TRUE(ApplyLineStyle(ws, r, 1, nebule, UndoStep::None));
    EXPECT_EQ(b.Parts[1].Line, nebule);
    EXPECT_EQ(ws.Undos[1], undoBefore);
    EXPECT_TRUE(ws.Modified);
    ASSERT_TRUE(ApplyLineStyle(ws, r, 5, nebule, UndoStep::Take));
    EXPECT_EQ(ws.Undos[1].Parts[1].Line, nebule);
    EXPECT_NE(ws.Undos[1].Parts[5].Line, nebule);
    EXPECT_FALSE(ApplyLineStyle(ws, r, 2, nebule, UndoStep::Take));
}

}  // namespace
}  // namespace tess
