#include <gtest/gtest.h>

#include <filesystem>

#include "actions/insert_blazon.h"
#include "actions/opening.h"
#include "model/title_text.h"
#include "storage/recent_files.h"
#include "storage/settings_file.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

using testing::kLion;
using testing::kStar;
using testing::readFile;
using testing::ScriptedDialogs;
using testing::writeFile;

namespace fs = std::filesystem;

class Opening : public testing::DocumentTest {
  protected:
    // A saved document with two pictures: charges 1 and 3 show the lion,
    // charge 2 the star.
    std::string savedWithPictures(const std::string& name) {
        const int lion = addPicture("lion.bmp", kLion);
        const int star = addPicture("star.bmp", kStar);
        placeCharge(1, lion, 10, 10, 16, 6, 3);
        placeCharge(2, star, 80, 80, 10, 6, 0);
        placeCharge(3, lion, 150, 40, 8, 3, 4, true);
        const std::string path = doc(name);
        EXPECT_TRUE(save(path).saved);
        ResetDocument(ws());
        return path;
    }
    ScriptedDialogs asked;
};

TEST_F(Opening, MissingOrForeignFilesLeaveABlankDocumentWithoutPath) {
    blazon().Partition = 14;
    blazon().FilePath = doc("avant.bls");
    ws().Modified = true;
    LoadOutcome out = LoadDocument(ws(), r(), doc("absent.bls"), {});
    EXPECT_FALSE(out.loaded);
    EXPECT_EQ(out.message.title, "Ouvrir un blason");
    EXPECT_EQ(out.message.text,
              "Yeak! Invraisemblablement, ce fichier n'existe même pas. Quel fou je fais de moi!");
    EXPECT_EQ(out.message.icon, FileMessage::Icon::Exclamation);
    EXPECT_EQ(blazon().Partition, 9);
    EXPECT_EQ(blazon().FilePath, "");
    EXPECT_EQ(TitleText(ws()), "Tessaline");

    writeFile(doc("texte.bls"), "Ceci n'est pas un blason");
    out = LoadDocument(ws(), r(), doc("texte.bls"), {});
    EXPECT_EQ(out.message.title, "Fichier incompatible");
    EXPECT_EQ(out.message.text,
              "Ce fichier ne comporte pas d'informations compatibles à la construction d'un "
              "blason!");
    writeFile(doc("vide.bls"), "");
    EXPECT_EQ(LoadDocument(ws(), r(), doc("vide.bls"), {}).message.title, "Fichier incompatible");
    // A failed open never enters the recent list.
    EXPECT_EQ(ws().Recent.RecentFiles[1], "");
    // And nothing a later save does can reach the file that failed.
    EXPECT_TRUE(SaveDocument(ws(), r(), doc("autre.bls")).saved);
    EXPECT_EQ(readFile(doc("texte.bls")), "Ceci n'est pas un blason");
}

TEST_F(Opening, AMissingPictureIsAskedForOnceWithItsName) {
    const std::string path = savedWithPictures("armes.bls");
    fs::create_directories(file("ailleurs"));
    fs::rename(imagePictureFile(path, 1), file("ailleurs/armesPx1.hpc"));
    asked.answerYes = true;
    asked.chosenFolder = file("ailleurs");
    auto reopened = reopen(path, asked.dialogs());
    ASSERT_EQ(asked.questions.size(), 1u);
    EXPECT_EQ(asked.questions[0],
              "Le fichier armesPx1.hpc est manquant. Désirez-vous tenter de le retrouver?");
    EXPECT_TRUE(fs::exists(imagePictureFile(path, 1)));  // copied back into place
    for (int c : {1, 2, 3}) EXPECT_EQ(reopened->ws.CurrentBlazon.Charges[c].InUse, kTrue);
}

TEST_F(Opening, ADeclinedPictureDropsItsChargesOnly) {
    const std::string path = savedWithPictures("armes.bls");
    fs::remove(imagePictureFile(path, 1));
    auto reopened = reopen(path, asked.dialogs());
    EXPECT_EQ(asked.questions.size(), 1u);
    const BlazonRecord& b = reopened->ws.CurrentBlazon;
    // The star keeps its own side files, whatever slot it lands in.
    EXPECT_EQ(b.Charges[1].InUse, kTrue);
    EXPECT_EQ(reopened->ws.Bank[b.Charges[1].ImageIndex].DisplayName, "star");
    EXPECT_EQ(b.Charges[2].InUse, 0);
    EXPECT_EQ(b.Charges[3].InUse, 0);
    // A missing mask drops its picture without asking.
    fs::remove(imageMaskFile(path, 2));
    asked.questions.clear();
    auto again = reopen(path, asked.dialogs());
    EXPECT_EQ(asked.questions.size(), 1u);  // the .hpc of picture 1 only
    EXPECT_EQ(again->ws.CurrentBlazon.Charges[1].InUse, 0);
}

TEST_F(Opening, MissingInsertedArmsOrFurFilesAreSkipped) {
    const std::string inner = doc("inner.bls");
    ASSERT_TRUE(save(inner).saved);
    blazon().Partition = 14;
    blazon().Parts[3].Tincture = 10;
    ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 3, inner).inserted);
    const std::string fur = addUserFur(1, {"12", "21"}, 0);
    const std::string path = doc("outer.bls");
    ASSERT_TRUE(save(path).saved);
    fs::remove(partArmsFile(path, 3));
    fs::remove(fur);
    auto reopened = reopen(path, asked.dialogs());
    const PartRecord& part = reopened->ws.CurrentBlazon.Parts[3];
    EXPECT_EQ(part.InsertedPath, "");
    EXPECT_EQ(part.Kind, kClassPourpre);  // back to its own tincture
    EXPECT_TRUE(reopened->r.InsertedPictures[3].empty());
    // The fur keeps its path (a later save does not forget it), without a picture.
    EXPECT_EQ(reopened->ws.CurrentBlazon.UserFurs[1].Path, fur);
    EXPECT_TRUE(reopened->r.UserFurPictures[1].empty());
    // A link in its place to a file that is gone is named, not passed over.
    fs::create_symlink(file("nulle-part.fmp"), fur);
    const LoadOutcome linked = LoadDocument(ws(), r(), path, asked.dialogs());
    EXPECT_EQ(linked.message.text, "« " + FileNameOfPath(fur) +
                                       " » est un lien vers un fichier qui n'existe plus. Le "
                                       "blason s'ouvre sans cette fourrure.");
}

TEST_F(Opening, RecentFilesAskBeforeLosingWorkAndNameMissingFiles) {
    const std::string path = savedWithPictures("recent.bls");
    ASSERT_TRUE(AddRecentFile(ws().Recent, path));
    ws().Recent.RecentFiles[2] = doc("disparu.bls");
    blazon().Partition = 12;
    blazon().FilePath = doc("courant.bls");
    ws().Modified = true;

    OpenOutcome out = OpenRecentFile(ws(), r(), 2, asked.dialogs());
    EXPECT_FALSE(out.changed);
    EXPECT_EQ(out.message.title, "Erreur d'accès");
    EXPECT_EQ(out.message.text, "Erreur d'accès au fichier " + doc("disparu.bls") +
                                    ". Veuillez vérifier si ce fichier existe toujours.");
    EXPECT_EQ(out.message.icon, FileMessage::Icon::Critical);
    EXPECT_EQ(ws().Recent.RecentFiles[2], doc("disparu.bls"));
    EXPECT_TRUE(asked.questions.empty());

    out = OpenRecentFile(ws(), r(), 1, asked.dialogs());  // answered "Non"
    EXPECT_FALSE(out.changed);
    ASSERT_EQ(asked.questions.size(), 1u);
    EXPECT_EQ(asked.questions[0],
              "\rÊtes-vous sûr de vouloir débuter un autre blason sans sauvegarder courant.bls ?");
    EXPECT_EQ(blazon().Partition, 12);
    EXPECT_TRUE(ws().Modified);

    asked.answerYes = true;
    out = OpenRecentFile(ws(), r(), 1, asked.dialogs());
    EXPECT_TRUE(out.loaded);
    EXPECT_EQ(blazon().FilePath, path);
    EXPECT_EQ(TitleText(ws()), "Tessaline [recent.bls]");
    EXPECT_EQ(ws().Recent.LastDocFolder, file("docs") + "/");
    EXPECT_EQ(blazon().Charges[3].Mirrored, kTrue);
}

TEST_F(Opening, TheQuestionForANeverSavedDocumentHasAnEmptyName) {
    EXPECT_EQ(openOtherDocumentQuestion(ws()),
              "\rÊtes-vous sûr de vouloir débuter un autre blason sans sauvegarder  ?");
}

TEST_F(Opening, InsertingChecksTheFileBeforeTheParts) {
    blazon().ShieldShape = 4;
    const std::string inner = doc("forme4.bls");
    ASSERT_TRUE(save(inner).saved);
    ResetDocument(ws());
    blazon().Partition = 23;
    blazon().Parts[2].Tincture = 5;

    // Part 2: the banner preview; the écusson takes shape 4 all the same.
    ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 2, inner).inserted);
    EXPECT_EQ(blazon().Parts[2].Kind, kClassInserted);
    EXPECT_EQ(blazon().Parts[2].Tincture, 5);
    EXPECT_EQ(blazon().Parts[2].InsertedPath, inner);
    EXPECT_EQ(blazon().InsetShape, 4);
    EXPECT_TRUE(r().InsertedPictures[2] == *loadPicture(bannerPreviewFile(inner)));
    // Part 7: the preview in the document's own shape.
    ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 7, inner).inserted);
    EXPECT_TRUE(r().InsertedPictures[7] == *loadPicture(shieldPreviewFile(inner)));

    const BlazonRecord before = blazon();
    // A path that does not exist: nothing, not even a message.
    InsertOutcome out = InsertBlazonInPart(ws(), r(), 3, doc("rien.bls"));
    EXPECT_FALSE(out.inserted);
    EXPECT_TRUE(out.message.empty());
    // Not a document, a shape out of range, a missing preview: a message and no change.
    writeFile(doc("faux.bls"), "pas un blason");
    EXPECT_EQ(InsertBlazonInPart(ws(), r(), 3, doc("faux.bls")).message.title,
              "Fichier incompatible");
    std::string forged = readFile(inner);
    forged[3 * 128] = 9;
    writeFile(doc("forme9.bls"), forged);
    EXPECT_EQ(InsertBlazonInPart(ws(), r(), 3, doc("forme9.bls")).message.title,
              "Fichier incompatible");
    fs::remove(bannerPreviewFile(inner));
    out = InsertBlazonInPart(ws(), r(), 3, inner);
    EXPECT_EQ(out.message.text, "Erreur survenue dans main::AddBls");
    EXPECT_EQ(out.message.title, "Erreur #53");
    writeFile(bannerPreviewFile(inner), "pas une image");
    EXPECT_EQ(InsertBlazonInPart(ws(), r(), 3, inner).message.title, "Erreur #481");
    EXPECT_EQ(blazon(), before);
}

TEST_F(Opening, InsertingFromTheCommandLooksForTheMissingPreviewFirst) {
    const std::string inner = doc("perdu.bls");
    ASSERT_TRUE(save(inner).saved);
    fs::create_directories(file("ailleurs"));
    fs::rename(bannerPreviewFile(inner), file("ailleurs/perdu.blx"));
    blazon().Partition = 14;
    InsertOutcome out = InsertBlazonFromFile(ws(), r(), 1, inner, asked.dialogs());
    EXPECT_FALSE(out.inserted);
    ASSERT_EQ(asked.questions.size(), 1u);
    EXPECT_EQ(asked.questions[0],
              "Le fichier perdu.blx est manquant. Désirez-vous tenter de le retrouver?");
    asked.answerYes = true;
    asked.chosenFolder = file("ailleurs");
    out = InsertBlazonFromFile(ws(), r(), 1, inner, asked.dialogs());
    EXPECT_TRUE(out.inserted);
    EXPECT_EQ(blazon().Parts[1].InsertedPath, inner);  // the document, not its preview
}

}  // namespace
}  // namespace tess
