#include <gtest/gtest.h>

#include <filesystem>

#include "actions/insert_blazon.h"
#include "storage/document_layout.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"
#include "tests/storage/record_bytes.h"

namespace tess {
namespace {

using testing::Drawn;
using testing::drawn;
using testing::expectSameDocument;
using testing::kLion;
using testing::kStar;
using testing::kTower;
using testing::readBytes;

namespace fs = std::filesystem;

class DocumentRoundTrip : public testing::DocumentTest {};

// Saved under a name without extension, which the save adds.
TEST_F(DocumentRoundTrip, NewDocumentSavedAtOnce) {
    const SaveOutcome saved = save(doc("sans extension"));
    ASSERT_TRUE(saved.saved) << saved.message.text;
    EXPECT_TRUE(saved.message.empty());
    const std::string path = doc("sans extension.bls");
    EXPECT_EQ(saved.path, path);
    EXPECT_EQ(readBytes(path).size(), 83u * 128);
    EXPECT_TRUE(fs::exists(doc("sans extension.blz")));
    EXPECT_TRUE(fs::exists(doc("sans extension.blx")));
    for (const auto& entry : fs::directory_iterator(file("docs")))
        EXPECT_EQ(entry.path().string().find("Px"), std::string::npos) << entry.path();
    // The document now belongs to its file and has no unsaved mark.
    EXPECT_EQ(blazon().FilePath, path);
    EXPECT_EQ(blazon().Folder, file("docs") + "/");
    EXPECT_EQ(ws().Recent.LastDocFolder, file("docs") + "/");
    EXPECT_FALSE(ws().Modified);

    const Drawn before = drawn(*program);
    auto reopened = reopen(path);
    expectSameDocument(before, drawn(*reopened));
}

TEST_F(DocumentRoundTrip, EveryPartitionWithLinesAndPieces) {
    for (Long partition : {9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25}) {
        SCOPED_TRACE("partition " + std::to_string(partition));
        ResetDocument(ws());
        BlazonRecord& b = blazon();
        b.Partition = partition;
        b.ShieldShape = 1 + partition % 7;
        b.Parts[1].Line = {20, 40, 10 + partition % 8, partition % 2 ? kTrue : kFalse};
        b.Parts[5].Line = {12, 30, 11, kFalse};
        b.Parts[7].Line = {16, 50, 13, kTrue};
        const Long tinctures[] = {0, 3, 10, 109, 2, 5, 0, 1};
        const Long kinds[] = {0, kClassColour, kClassPourpre, 109, kClassMetal, kClassColour,
                              0, kClassMetal};
        for (int k : {1, 2, 3, 4, 5, 7})
            b.Parts[k].Tincture = tinctures[k], b.Parts[k].Kind = kinds[k];
        const Integer size = Integer(partition % 3 - 1);
        b.Ordinary1 = {kTrue, 1 + partition % 9, 0, 0, "Pièce", size, Byte(partition % 2), 0};
        b.Ordinary2 = {kTrue, 10 + partition % 13, 0,
                       0,     "Seconde",           Integer(partition % 2 ? 34 : 0)};
        const std::string path = doc("partition" + std::to_string(partition) + ".bls");
        ASSERT_TRUE(save(path).saved);
        const Drawn before = drawn(*program);
        auto reopened = reopen(path);
        expectSameDocument(before, drawn(*reopened));
    }
}

TEST_F(DocumentRoundTrip, FiftyChargesMirroredAndRecoloured) {
    const int lion = addPicture("lion.bmp", kLion);
    const int star = addPicture("etoile.bmp", kStar);
    const int tower = addPicture("tour.bmp", kTower);
    ws().Bank[star].Phrase = "une étoile à six rais";
    blazon().Partition = 11;
    for (int n = 1; n <= kChargeCount; ++n) {
        const int slot = n % 3 == 0 ? lion : n % 3 == 1 ? star : tower;
        placeCharge(n, slot, (n * 37) % 240, (n * 53) % 320, 8 + n % 20, 4 + n % 17,
                    n % 4 == 0 ? 0 : 1 + n % 11, n % 5 == 0, n % 7 == 0);
    }
    const std::string path = doc("cinquante.bls");
    ASSERT_TRUE(save(path).saved);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(fs::exists(imagePictureFile(path, n)));
        EXPECT_TRUE(fs::exists(imageMaskFile(path, n)));
    }
    EXPECT_FALSE(fs::exists(imagePictureFile(path, 4)));
    const Drawn before = drawn(*program);
    auto reopened = reopen(path);
    expectSameDocument(before, drawn(*reopened));
    // The bank comes back with its names and phrases; pictures are the side files.
    const ImageBankEntry& entry = reopened->ws.Bank[star];
    EXPECT_EQ(entry.DisplayName, ws().Bank[star].DisplayName);
    EXPECT_EQ(entry.Phrase, "une étoile à six rais");
    EXPECT_EQ(entry.FileName, "cinquantePx2.hpc");
    EXPECT_EQ(reopened->ws.CurrentBlazon.Charges[1].ImageName, "cinquantePx2.hpc");
    EXPECT_TRUE(reopened->r.Charges.bank(tower).picture == r().Charges.bank(tower).picture);
    EXPECT_TRUE(reopened->r.Charges.bank(tower).mask == r().Charges.bank(tower).mask);
    // The undo stack holds the loaded document only.
    EXPECT_EQ(reopened->ws.Undos[25], reopened->ws.Undos[1]);
    EXPECT_EQ(reopened->ws.Undos[1].Charges[50].InUse, kTrue);
}

TEST_F(DocumentRoundTrip, ABankWithGapsReopensWhole) {
    addPicture("a.bmp", kLion);
    const int star = addPicture("b.bmp", kStar);
    const int tower = addPicture("c.bmp", kTower);
    ws().Bank[1].InUse = 0;  // the first picture was deleted
    r().Charges.releaseBankPicture(1);
    placeCharge(1, tower, 10, 10, 20, 16, 4);
    placeCharge(2, star, 100, 100, 28, 16, 0);
    const std::string path = doc("trous.bls");
    ASSERT_TRUE(save(path).saved);
    EXPECT_EQ(testing::storedString(readBytes(path), 81 + 2 * 7),
              "Pic#2");  // tower is now picture 2

    auto reopened = reopen(path);
    const BlazonRecord& b = reopened->ws.CurrentBlazon;
    ASSERT_EQ(b.Charges[1].InUse, kTrue);
    ASSERT_EQ(b.Charges[2].InUse, kTrue);
    EXPECT_EQ(reopened->ws.Bank[b.Charges[1].ImageIndex].DisplayName, ws().Bank[tower].DisplayName);
    EXPECT_EQ(reopened->ws.Bank[b.Charges[2].ImageIndex].DisplayName, ws().Bank[star].DisplayName);
    // The picture list shows the bank in slot order, keyed from 1, each entry
    // naming its side picture.
    std::vector<std::string> list;
    for (const PictureListItem& item : reopened->ws.Pictures)
        list.push_back(item.Key + " " + item.Text + " " + FileNameOfPath(item.Path));
    EXPECT_EQ(list, (std::vector<std::string>{"im1 b trousPx1.hpc", "im2 c trousPx2.hpc"}));
    const Drawn before = drawn(*program);
    const Drawn after = drawn(*reopened);
    EXPECT_EQ(before.blazon, after.blazon);
    EXPECT_TRUE(before.canvas == after.canvas);
}

TEST_F(DocumentRoundTrip, UserFursComeBackWithTheirTinctureAndPhrase) {
    addUserFur(0, {"4444", "4114", "4444"}, 50);
    addUserFur(2, {"53", "35"}, 0);
    blazon().Partition = 10;
    blazon().Parts[1].Kind = 116, blazon().Parts[1].Tincture = 116;
    blazon().Parts[2].Kind = 118, blazon().Parts[2].Tincture = 118;
    const Drawn before = drawn(*program);
    EXPECT_EQ(blazon().UserFurs[0].DominantTincture, 4);
    EXPECT_EQ(blazon().UserFurs[2].DominantTincture, 5);
    const std::string path = doc("fourrures.bls");
    ASSERT_TRUE(save(path).saved);
    auto reopened = reopen(path);
    EXPECT_TRUE(reopened->r.UserFurPictures[0] == r().UserFurPictures[0]);
    EXPECT_TRUE(reopened->r.UserFurTiles[2] == r().UserFurTiles[2]);
    const Drawn after = drawn(*reopened);
    EXPECT_EQ(after.record.UserFurs[0].DominantTincture, 4);
    EXPECT_EQ(after.record.UserFurs[0].Phrase, "D'Azur semé de fur0");
    EXPECT_EQ(after.record.UserFurs[2].Phrase, "De Sinople semé de fur2");
    EXPECT_FALSE(after.blazon.empty());
    expectSameDocument(before, after);
}

TEST_F(DocumentRoundTrip, AUserFurWhoseFileWasAwayKeepsItsPartsThroughASave) {
    const std::string fur = addUserFur(1, {"33", "31"}, 0);
    blazon().Partition = 10;
    blazon().Parts[2].Kind = 117, blazon().Parts[2].Tincture = 117;
    const std::string path = doc("absente.bls");
    ASSERT_TRUE(save(path).saved);

    // Opened and saved again while the fur file is away (an unplugged disk).
    const std::string away = fur + ".ailleurs";
    std::filesystem::rename(fur, away);
    {
        auto without = reopen(path);
        EXPECT_EQ(without->ws.CurrentBlazon.Parts[2].Kind, 117);
        ASSERT_TRUE(SaveDocument(without->ws, without->r, path).saved);
    }
    std::filesystem::rename(away, fur);

    auto back = reopen(path);
    const BlazonRecord& b = back->ws.CurrentBlazon;
    EXPECT_EQ(b.Parts[2].Kind, 117);
    EXPECT_EQ(b.UserFurs[1].Path, fur);
    EXPECT_EQ(b.UserFurs[1].DominantTincture, 3);
    EXPECT_EQ(b.Parts[2].Tincture, 3);
}

TEST_F(DocumentRoundTrip, InsertedCoatsOfArmsComeBackFromTheirSideFiles) {
    // A first coat of arms, saved in shape 4.
    blazon().Partition = 11;
    blazon().ShieldShape = 4;
    const std::string inner = doc("interieur.bls");
    ASSERT_TRUE(save(inner).saved);
    ResetDocument(ws());
    blazon().Partition = 14;
    ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 2, inner).inserted);
    blazon().Ordinary1 = {kTrue, 9, 0, 0, "Écusson", 0, 0, 0};
    ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 7, inner).inserted);
    EXPECT_EQ(blazon().InsetShape, 4);
    const std::string path = doc("ecartele.bls");
    ASSERT_TRUE(save(path).saved);
    EXPECT_TRUE(fs::exists(partArmsFile(path, 2)));
    EXPECT_TRUE(fs::exists(partArmsFile(path, 7)));
    EXPECT_FALSE(fs::exists(partArmsFile(path, 1)));

    // The inserted document may even be gone: its pictures travel with ours.
    fs::remove(inner);
    const Drawn before = drawn(*program);
    auto reopened = reopen(path);
    EXPECT_EQ(reopened->ws.CurrentBlazon.Parts[2].Kind, kClassInserted);
    EXPECT_TRUE(reopened->r.InsertedPictures[7] == r().InsertedPictures[7]);
    expectSameDocument(before, drawn(*reopened));
}

TEST_F(DocumentRoundTrip, SavingAgainRemovesPicturesNoLongerInTheBank) {
    const int a = addPicture("a.bmp", kLion);
    const int b = addPicture("b.bmp", kStar);
    placeCharge(1, a, 10, 10, 8, 4, 0);
    placeCharge(2, b, 50, 50, 7, 4, 0);
    const std::string path = doc("menage.bls");
    ASSERT_TRUE(save(path).saved);
    ASSERT_TRUE(fs::exists(imagePictureFile(path, 2)));
    blazon().Charges[2].InUse = 0;
    ws().Bank[b].InUse = 0;
    ASSERT_TRUE(save(path).saved);
    EXPECT_TRUE(fs::exists(imagePictureFile(path, 1)));
    EXPECT_FALSE(fs::exists(imagePictureFile(path, 2)));
    EXPECT_FALSE(fs::exists(imageMaskFile(path, 2)));
    // Only the document and its side files are in the folder: no staging left.
    for (const auto& entry : fs::directory_iterator(file("docs")))
        EXPECT_EQ(entry.path().string().find('~'), std::string::npos) << entry.path();
    // Saved over an existing file: it enters the recent list.
    EXPECT_EQ(ws().Recent.RecentFiles[1], path);
}

}  // namespace
}  // namespace tess
