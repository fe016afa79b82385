#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "model/document.h"
#include "model/image_bank.h"
#include "model/tincture_table.h"
#include "model/workspace.h"

namespace tess {
namespace {

// A document with something in every field the reset has to clear.
void scribble(Workspace& ws) {
    BlazonRecord& b = ws.CurrentBlazon;
    b.InsetShape = 5;
    b.Folder = "/home/a/";
    b.FilePath = "/home/a/arms.bls";
    b.Partition = 14;
    b.ShieldShape = 3;
    for (int p = 1; p <= kPartCount; ++p) {
        b.Parts[p].Kind = 116;
        b.Parts[p].Tincture = 116;
        b.Parts[p].InsertedPath = "/x/inserted.bls";
        b.Parts[p].Line = LineStyle{10, 20, 15, -1};
    }
    b.Ordinary1 = OrdinaryRecord{-1, 1, 7, 8, "Chef", 1, 2, 1};
    b.Ordinary2 = OrdinaryRecord{-1, 22, 0, 0, "Croix", -1, 0, 0};
    b.Charges.fill(ChargeRecord{-1, 40, 50, 30, 20, 3, 7, "lion.bmp", 4, 33, -1, -1, 2});
    b.UserFurs.fill(UserFurRecord{"/f/fur.fmp", 50, 8, 9, "d'azur", 4});
    for (int g = 1; g <= kMotifCount; ++g) {
        ws.Groups.Motifs[g].InUse = -1;
        ws.Groups.Motifs[g].Count = 3;
        ws.Groups.Motifs[g].Phrase = "en orle";
        ws.Groups.Motifs[g].Members[1] = 9;
    }
    ws.Groups.MotifCounter = 40;
    ws.Bank.fill(ImageBankEntry{-1, "a.bmp", "a", "un lion", 30, 20, -1, 3, 33, 0xFF00FF});
    ws.ImageKeyCounter = 12;
    ws.SelectedCharge = 7;
}

// The blank document and the empty tables beside it. A charge keeps its
// position, placement and class, a user fur its tile, a group its members.
void expectBlank(const Workspace& ws) {
    const BlazonRecord& b = ws.CurrentBlazon;
    EXPECT_EQ(b.InsetShape, 1);
    EXPECT_EQ(b.Partition, 9);
    EXPECT_EQ(b.ShieldShape, 1);
    EXPECT_EQ(b.Folder, "");
    EXPECT_EQ(b.FilePath, "");
    const Long kinds[] = {0, 33, 22, 33, 22, 33, 112, 22};
    const Long tinctures[] = {0, kAzur, kOr, kGueules, kOr, kGueules, 112, kOr};
    for (int p = 1; p <= kPartCount; ++p) {
        SCOPED_TRACE("part " + std::to_string(p));
        EXPECT_EQ(b.Parts[p].Kind, kinds[p]);
        EXPECT_EQ(b.Parts[p].Tincture, tinctures[p]);
        EXPECT_EQ(b.Parts[p].InsertedPath, "");
        EXPECT_EQ(b.Parts[p].Line, (LineStyle{24, 48, 10, 0}));
    }
    for (const OrdinaryRecord& piece : {b.Ordinary1, b.Ordinary2}) {
        EXPECT_EQ(piece.Present, 0);
        EXPECT_EQ(piece.Size, 0);
    }
    EXPECT_EQ(b.Ordinary1.Shift, 0);
    EXPECT_EQ(b.Ordinary1.Repeat, 0);
    for (int c = 1; c <= kChargeCount; ++c) {
        const ChargeRecord& charge = b.Charges[c];
        ChargeRecord blank;
        blank.X = charge.X, blank.Y = charge.Y;
        blank.Placement = charge.Placement, blank.Class = charge.Class;
        EXPECT_EQ(charge, blank) << "charge " << c;
    }
    for (const UserFurRecord& fur : b.UserFurs) {
        EXPECT_EQ(fur.Path, "");
        EXPECT_EQ(fur.Phrase, "");
        EXPECT_EQ(fur.DominantTincture, 0);
    }
    EXPECT_EQ(ws.SelectedCharge, 0);
    EXPECT_EQ(ws.ImageKeyCounter, 0);
    EXPECT_EQ(ws.Groups.MotifCounter, 0);
    for (int g = 1; g <= kMotifCount; ++g) {
        EXPECT_EQ(ws.Groups.Motifs[g].InUse, 0);
        EXPECT_EQ(ws.Groups.Motifs[g].Count, 0);
    }
    auto cleared = [](const ImageBankEntry& e) {
        return std::tie(e.InUse, e.Loaded, e.Width, e.Height, e.OwnTincture, e.FileName,
                        e.DisplayName, e.Phrase);
    };
    const ImageBankEntry blank;
    for (int i = 1; i <= kImageBankSize; ++i) EXPECT_EQ(cleared(ws.Bank[i]), cleared(blank)) << i;
    for (int k = 1; k <= kUndoDepth; ++k) EXPECT_EQ(ws.Undos[k], b) << k;
}

TEST(ResetDocument, FreshOrUsedWorkspaceBecomesTheBlankDocument) {
    Workspace fresh, used;
    scribble(used);
    for (Workspace* ws : {&fresh, &used}) {
        ResetDocument(*ws);
        expectBlank(*ws);
    }
}

TEST(ResetDocument, KeepsThePieceTypesSoAFormerChefStillTakesArms) {
    Workspace ws;
    scribble(ws);  // a Chef and a Croix
    ResetDocument(ws);
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Type, 1);
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Name, "Chef");
    EXPECT_EQ(ws.CurrentBlazon.Ordinary2.Type, 22);
    EXPECT_TRUE(PartCanHoldBlazon(ws.CurrentBlazon, 7));
    EXPECT_TRUE(OrdinaryCanBeNarrowed(ws.CurrentBlazon, 2));
}

// The model calls nothing above it: the windows follow the reset on their own
// (the editor's tests check that they do), and the title is the caller's.
TEST(ResetDocument, LeavesTheWindowsAndTheTitleMarkToTheCaller) {
    Workspace ws;
    scribble(ws);
    ws.Pictures.push_back({"im12", "a", "/p/a.bmp"});
    ws.Modified = true;
    ResetDocument(ws);
    EXPECT_EQ(ws.SelectedCharge, 0);
    EXPECT_TRUE(ws.Pictures.empty());
    EXPECT_TRUE(ws.Modified);
}

TEST(UndoStack, KeepsTheNewestTwentyFiveAndUndoWalksBackThenStaysOnTheOldest) {
    Workspace ws;
    ResetDocument(ws);
    auto name = [](int n) { return "state " + std::to_string(n); };
    for (int n = 1; n <= 26; ++n) {  // each state has its number in a name and the partition
        ws.CurrentBlazon.FilePath = ws.CurrentBlazon.Charges[1].ImageName = name(n);
        ws.CurrentBlazon.Partition = n;
        PushUndo(ws);
        ws.CurrentBlazon.Partition = 100 + n;  // the change made after the snapshot
    }
    for (int k = 1; k <= kUndoDepth; ++k) {
        EXPECT_EQ(ws.Undos[k].Partition, 27 - k) << k;
        EXPECT_EQ(ws.Undos[k].FilePath, name(27 - k)) << k;
    }
    for (int u = 1; u <= 30; ++u) {
        UndoLast(ws);
        EXPECT_EQ(ws.CurrentBlazon.Partition, std::max(27 - u, 2)) << "undo " << u;
        EXPECT_EQ(ws.CurrentBlazon.Charges[1].ImageName, name(std::max(27 - u, 2))) << u;
    }
}

TEST(UndoStack, UndoRightAfterAResetGivesTheBlankDocumentAgain) {
    Workspace ws;
    ResetDocument(ws);
    const BlazonRecord blank = ws.CurrentBlazon;
    ws.CurrentBlazon.Partition = 14;
    ws.CurrentBlazon.Charges[1].ImageName = "lion.bmp";
    ws.Modified = true;
    UndoLast(ws);
    EXPECT_EQ(ws.CurrentBlazon, blank);
    UndoLast(ws);
    EXPECT_EQ(ws.CurrentBlazon, blank);
    EXPECT_TRUE(ws.Modified);  // the title mark is the caller's
    ws.Modified = false;
    PushUndo(ws);
    EXPECT_FALSE(ws.Modified);
}

TEST(UndoStack, CopiesAreIndependentOfTheCurrentRecord) {
    Workspace ws;
    ResetDocument(ws);
    ws.CurrentBlazon.Parts[2].InsertedPath = "/arms/first.bls";
    ws.CurrentBlazon.Charges[3].ImageName = "aigle.bmp";
    ws.CurrentBlazon.UserFurs[1].Phrase = "de sable";
    PushUndo(ws);
    const BlazonRecord pushed = ws.CurrentBlazon;

    ws.CurrentBlazon.Parts[2].InsertedPath.append("-changed");
    ws.CurrentBlazon.Charges[3].ImageName[0] = 'X';
    ws.CurrentBlazon.UserFurs[1].Phrase.clear();
    ws.CurrentBlazon.Charges[3].InUse = -1;
    EXPECT_EQ(ws.Undos[1], pushed);

    UndoLast(ws);
    EXPECT_EQ(ws.CurrentBlazon, pushed);
    // The restored record is a copy too: changing it leaves the stack alone.
    ws.CurrentBlazon.Parts[2].InsertedPath = "other";
    EXPECT_EQ(ws.Undos[1].Parts[2].InsertedPath, "");
}

TEST(UndoStack, UndoKeepsTheFileTheDocumentIsSavedTo) {
    Workspace ws;
    ResetDocument(ws);
    // Drawn, then saved for the first time (the snapshot has no file), then
    // saved as another name: undoing must not lead the next save back to the old file.
    ws.CurrentBlazon.Partition = 14;
    for (auto [folder, path] :
         {std::pair{"/home/a/", "/home/a/arms.bls"}, {"/home/b/", "/home/b/copy.bls"}}) {
        PushUndo(ws);
        ws.CurrentBlazon.Partition = 22;
        ws.CurrentBlazon.Folder = folder;
        ws.CurrentBlazon.FilePath = path;
        UndoLast(ws);
        EXPECT_EQ(ws.CurrentBlazon.Partition, 14);
        EXPECT_EQ(ws.CurrentBlazon.Folder, folder);
        EXPECT_EQ(ws.CurrentBlazon.FilePath, path);
    }
}

}  // namespace
}  // namespace tess
