// A side picture that is there but gives no picture (emptied, text, cut
// short) is named when the document opens, with the count of the charges
// left out with it; the other pictures and their charges open as they are.
#include <gtest/gtest.h>

#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

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
    static std::string half(const std::string& file) {
        const std::string bytes = testing::readFile(file);
        return bytes.substr(0, bytes.size() / 2);
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
        {"a picture no charge shows",
         {{imagePictureFile(path, 3), "half"}},
         "Cette image est trop grande ou abîmée : « armesPx3.hpc ». Le blason s'ouvre sans "
         "elle. Pour la retrouver, remettez une image lisible sous ce nom à côté du blason, puis "
         "rouvrez-le avant de le sauvegarder.",
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program = std::make_unique<testing::Program>();
        ASSERT_EQ(saved(), path);
        for (const auto& [file, content] : c.damage)
            testing::writeFile(file, content == "half" ? half(file) : content);
        testing::ScriptedDialogs asked;
        testing::Program fresh;
        const LoadOutcome out = LoadDocument(fresh.ws, fresh.r, path, asked.dialogs());
        ASSERT_TRUE(out.loaded);
        EXPECT_TRUE(asked.questions.empty()) << "a damaged file was asked for as missing";
        EXPECT_EQ(out.message.title, "Ouvrir un blason");
        EXPECT_EQ(out.message.text, c.message);
        int inUse = 0;
        for (int n = 1; n <= kChargeCount; ++n)
            inUse += fresh.ws.CurrentBlazon.Charges[n].InUse != 0;
        EXPECT_EQ(inUse, c.chargesLeft);
    }
}

}  // namespace
}  // namespace tess
