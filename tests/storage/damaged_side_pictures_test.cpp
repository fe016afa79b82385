// A side picture that is there but gives no picture (emptied, text, cut
// short, a mask missing or of another size) is named when the document
// opens, with the count of the charges left out with it, and so are charges
// the picture budget leaves out; the other pictures and their charges open as
// they are.
#include <gtest/gtest.h>

#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"
#include "tests/support/permissions_enforced.h"

namespace tess {
namespace {

class DamagedSidePictures : public testing::DocumentTest {
  protected:
    // Lion (picture 1) shown by charges 1 and 2, star (picture 2) by charge 3,
    // tower (picture 3) by none.
    std::string saved() {
        const int lion = addPicture("lion.bmp", testing::kLion);
        const int star = addPicture("star.bmp", testing::kStar);
        addPicture("tower.bmp", testing::kTower);
        placeCharge(1, lion, 30, 40, 8, 4, 3);
        placeCharge(2, lion, 120, 40, 8, 4, 0);
        placeCharge(3, star, 60, 200, 7, 4, 4);
        const std::string path = doc("armes.bls");
        EXPECT_TRUE(save(path).saved);
        return path;
    }
    // Puts `content` in place of the side file, or one of these: "half" (the
    // file cut in half), "unpadded" (without the 3 bytes padding its last
    // row), "gone", "shorter" (the lion with one row less), "large" (a
    // readable 1000 x 700 picture), "secret" (a file no one may read).
    void damage(const std::string& file, const std::string& content) {
        const std::string bytes = testing::readFile(file);
        if (content == "half") return testing::writeFile(file, bytes.substr(0, bytes.size() / 2));
        if (content == "unpadded")
            return testing::writeFile(file, bytes.substr(0, bytes.size() - 3));
        if (content == "gone") {
            std::filesystem::remove(file);
            return;
        }
        if (content == "secret")
            return std::filesystem::permissions(file, std::filesystem::perms::none);
        if (content == "shorter" || content == "large") {
            const bool large = content == "large";
            const Surface picture(large ? 1000 : 8, large ? 700 : 3, kWhite);
            ASSERT_EQ(savePictureBmp(picture, file), "");
            return;
        }
        testing::writeFile(file, content);
    }
};

TEST_F(DamagedSidePictures, AreNamedWithTheChargesLeftOut) {
    const std::string one =
        ". Le blason s'ouvre sans elle et sans les 2 meubles qui la montraient. Pour la "
        "retrouver, remettez une image lisible sous ce nom à côté du blason, puis rouvrez-le "
        "avant de le sauvegarder.";
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> damage;  // side file, its content
        std::string message;
        int chargesLeft;
    };
    const std::string path = doc("armes.bls");
    const std::vector<Case> cases = {
        {"emptied picture",
         {{imagePictureFile(path, 1), ""}},
         "Cette image est trop grande ou abîmée : « armesPx1.hpc »" + one,
         1},
        {"text",
         {{imagePictureFile(path, 1), "Ceci n'est pas une image."}},
         "Cette image est trop grande ou abîmée : « armesPx1.hpc »" + one,
         1},
        {"cut short",
         {{imagePictureFile(path, 1), "half"}},
         "Cette image est trop grande ou abîmée : « armesPx1.hpc »" + one,
         1},
        {"emptied mask",
         {{imageMaskFile(path, 1), ""}},
         "Cette image est trop grande ou abîmée : « armesPx1.mpc »" + one,
         1},
        {"two pictures",
         {{imagePictureFile(path, 1), ""}, {imagePictureFile(path, 2), "half"}},
         "Ces images sont trop grandes ou abîmées : « armesPx1.hpc », « armesPx2.hpc ». Le "
         "blason s'ouvre sans elles et sans les 3 meubles qui les montraient. Pour les "
         "retrouver, remettez des images lisibles sous ces noms à côté du blason, puis "
         "rouvrez-le avant de le sauvegarder.",
         0},
        {"a mask of another height",
         {{imageMaskFile(path, 1), "shorter"}},
         "Cette image est trop grande ou abîmée : « armesPx1.hpc »" + one,
         1},
        {"a missing mask",
         {{imageMaskFile(path, 1), "gone"}},
         "Ce masque est manquant : « armesPx1.mpc ». Le blason s'ouvre sans son image et sans "
         "les 2 meubles qui la montraient. Pour la retrouver, remettez ce masque à côté du "
         "blason, puis rouvrez-le avant de le sauvegarder.",
         1},
        {"short only by its last row's padding",
         {{imagePictureFile(path, 2), "unpadded"}, {imageMaskFile(path, 2), "unpadded"}},
         "",
         3},
        {"a readable picture too large for its two charges together",
         {{imagePictureFile(path, 1), "large"}, {imageMaskFile(path, 1), "large"}},
         "Trop d'images pour un seul blason : ensemble, elles dépassent ce qu'un blason peut "
         "contenir, et un meuble a été laissé de côté. Son image « lion » reste dans la liste "
         "des meubles.",
         2},
        {"a picture no charge shows",
         {{imagePictureFile(path, 3), "half"}},
         "Cette image est trop grande ou abîmée : « armesPx3.hpc ». Le blason s'ouvre sans "
         "elle. Pour la retrouver, remettez une image lisible sous ce nom à côté du blason, puis "
         "rouvrez-le avant de le sauvegarder.",
         3},
        // Last: the saves of the rows after it would keep the file's mode.
        {"a picture one may not read",
         {{imagePictureFile(path, 2), "secret"}},
         "Vous n'avez pas le droit de lire cette image : « armesPx2.hpc ». Le blason s'ouvre "
         "sans elle et sans le meuble qui la montrait. Pour la retrouver, donnez-vous le droit "
         "de la lire, puis rouvrez le blason avant de le sauvegarder.",
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program = std::make_unique<testing::Program>();
        ASSERT_EQ(saved(), path);
        for (const auto& [file, content] : c.damage) damage(file, content);
        testing::ScriptedDialogs asked;
        testing::Program fresh;
        const testing::PermissionsEnforced asAnyUser;
        ASSERT_TRUE(asAnyUser.enforced());
        const LoadOutcome out = LoadDocument(fresh.ws, fresh.r, path, asked.dialogs());
        ASSERT_TRUE(out.loaded);
        EXPECT_TRUE(asked.questions.empty()) << "a damaged file was asked for as missing";
        EXPECT_EQ(out.message.text, c.message);
        if (!c.message.empty()) {
            EXPECT_EQ(out.message.title, "Ouvrir un blason");
        }
        int inUse = 0;
        for (int n = 1; n <= kChargeCount; ++n)
            inUse += fresh.ws.CurrentBlazon.Charges[n].InUse != 0;
        EXPECT_EQ(inUse, c.chargesLeft);
    }
}

}  // namespace
}  // namespace tess
