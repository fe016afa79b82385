#include <gtest/gtest.h>

#include "actions/user_fur_commands.h"
#include "blazon/vocabulary.h"
#include "storage/fur_file.h"
#include "storage/user_fur_tile.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

constexpr Colour kGueulesColour = 0x0000FF;

// The editor's 32 x 32 surface with a 6 x 5 tile: Gueules but for an Argent
// first column, so Gueules is the dominant tincture.
Surface editorSurface() {
    Surface s(32, 32, kWhite);
    s.clear();
    for (int y = 0; y < 5; ++y)
        for (int x = 1; x < 6; ++x) s.setPixel(x, y, kGueulesColour);
    return s;
}

class UserFurCommands : public testing::DocumentTest {
  protected:
    FurDraft draft(const std::string& name) {
        return FurDraft{file("pictures/" + name), editorSurface(), 6, 5, 50};
    }
};

TEST_F(UserFurCommands, OkMakesTheSlotsFurDrawableAndNamed) {
    ws().Modified = false;
    const FurDraft fur = draft("gueules.fmp");
    const FurStoring out = StoreUserFur(ws(), r(), 1, fur);
    ASSERT_TRUE(out.stored) << out.message.text;
    const UserFurRecord& slot = blazon().UserFurs[1];
    EXPECT_EQ(slot.Path, fur.path);
    EXPECT_EQ(slot.VerticalOffset, 50);
    EXPECT_EQ(slot.TileWidth, 6);
    EXPECT_EQ(slot.TileHeight, 5);
    EXPECT_EQ(slot.DominantTincture, kGueules);
    EXPECT_EQ(slot.Phrase, TinctureText(ws(), kGueules, kFirstUserFur + 1));
    EXPECT_TRUE(ws().Modified);
    EXPECT_EQ(testing::readBytes(fur.path),
              encodeFurFile(fur.tileSurface, 6, 5, 50, ws().Tinctures));
    EXPECT_TRUE(fileExists(furBitmapFile(fur.path)));
    EXPECT_TRUE(UserFurSlotInUse(r(), 1));
    EXPECT_EQ(FreeUserFurSlot(r()), 0);

    // Dropped on the field, the fur paints it and the blazon names it.
    blazon().Parts[1].Kind = kFirstUserFur + 1;
    blazon().Parts[1].Tincture = kFirstUserFur + 1;
    const testing::Drawn before = testing::drawn(*program);
    EXPECT_NE(before.blazon.find(slot.Phrase), std::string::npos) << before.blazon;
    const Surface& pattern = r().UserFurPictures[1];
    for (const auto& [x, y] : {std::pair{132, 170}, {60, 100}, {200, 40}})
        EXPECT_EQ(before.canvas.pixel(x, y), pattern.pixel(x, y)) << x << "," << y;

    // Saved and reopened, the fur comes back from its file the same.
    ASSERT_TRUE(save(doc("semé.bls")).saved);
    auto reopened = reopen(doc("semé.bls"));
    testing::expectSameDocument(before, testing::drawn(*reopened));
}

TEST_F(UserFurCommands, AFileUsedByAnotherSlotIsRefusedAndNothingIsWritten) {
    const std::string taken = file("pictures/hermine.fmp");
    blazon().UserFurs[0].Path = taken;
    const UserFurRecord before = blazon().UserFurs[1];
    FurDraft fur = draft("hermine.fmp");
    const FurStoring out = StoreUserFur(ws(), r(), 1, fur);
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message.text, "La fourrure hermine.fmp est déjà utilisée sur votre blason.");
    EXPECT_EQ(out.message.title, "hermine.fmp");
    EXPECT_EQ(out.message.icon, FileMessage::Icon::None);
    EXPECT_FALSE(fileExists(taken));
    EXPECT_EQ(blazon().UserFurs[1], before);
    // The same path in another case is another file; the slot's own file is its own.
    fur.path = file("pictures/Hermine.fmp");
    EXPECT_TRUE(StoreUserFur(ws(), r(), 1, fur).stored);
    fur.path = taken;
    EXPECT_TRUE(StoreUserFur(ws(), r(), 0, fur).stored);
}

TEST_F(UserFurCommands, AFailedWriteLeavesTheSlotAsItWas) {
    ASSERT_TRUE(StoreUserFur(ws(), r(), 2, draft("premier.fmp")).stored);
    const UserFurRecord before = blazon().UserFurs[2];
    const Surface picture = r().UserFurPictures[2];
    std::filesystem::create_directories(file("pictures/second.fmx"));  // in the bitmap's way
    const FurStoring out = StoreUserFur(ws(), r(), 2, draft("second.fmp"));
    EXPECT_FALSE(out.stored);
    EXPECT_EQ(out.message.icon, FileMessage::Icon::Critical);
    EXPECT_EQ(out.message.title, "Erreur #75");
    EXPECT_EQ(out.message.text, "Erreur #75 survenue dans Command5_Click");
    EXPECT_EQ(blazon().UserFurs[2], before);
    EXPECT_TRUE(r().UserFurPictures[2] == picture);
    EXPECT_FALSE(fileExists(file("pictures/second.fmp")));
}

struct Asked {
    std::vector<std::string> texts;
    std::vector<std::string> titles;
    std::vector<bool> answers;  // "Oui" once all are used
    FurQuestion question() {
        return [this](const std::string& text, const std::string& title) {
            texts.push_back(text);
            titles.push_back(title);
            return texts.size() > answers.size() || answers[texts.size() - 1];
        };
    }
};

TEST_F(UserFurCommands, DeletingAsksPerPartThenResetsThemToOr) {
    ASSERT_TRUE(StoreUserFur(ws(), r(), 1, draft("semis.fmp")).stored);
    const Long code = kFirstUserFur + 1;
    blazon().Partition = 14;
    blazon().PartCount = 4;
    for (int k : {1, 3}) blazon().Parts[k].Kind = blazon().Parts[k].Tincture = code;
    blazon().Parts[2].Kind = kClassColour;  // the fur's code in the tincture only: no question
    blazon().Parts[2].Tincture = code;
    testing::drawn(*program);
    const BlazonRecord before = blazon();

    Asked declined{.answers = {true, false}};
    EXPECT_FALSE(DeleteUserFur(ws(), r(), 1, declined.question()));
    EXPECT_EQ(blazon(), before);
    ASSERT_EQ(declined.texts.size(), 2u);
    EXPECT_EQ(declined.texts[1],
              "La fourrure semis.fmp est présentement utilisée sur la partie 3. Êtes-vous sûr "
              "de vouloir la supprimer ?");
    EXPECT_EQ(declined.titles[0], "Supprimer semis.fmp");

    ws().Modified = false;
    const auto undos = ws().Undos;
    Asked agreed;
    ASSERT_TRUE(DeleteUserFur(ws(), r(), 1, agreed.question()));
    EXPECT_EQ(agreed.texts.size(), 2u);
    for (int k : {1, 2, 3}) {
        EXPECT_EQ(blazon().Parts[k].Kind, kClassMetal) << k;
        EXPECT_EQ(blazon().Parts[k].Tincture, kOr) << k;
    }
    const UserFurRecord& slot = blazon().UserFurs[1];
    EXPECT_EQ(slot.Path, "");
    EXPECT_EQ(slot.TileWidth, 20);
    EXPECT_EQ(slot.TileHeight, 20);
    EXPECT_EQ(slot.VerticalOffset, 0);
    EXPECT_FALSE(UserFurSlotInUse(r(), 1));
    EXPECT_TRUE(ws().Modified);
    EXPECT_EQ(ws().Undos, undos);  // no undo step

    // A fur no part uses goes at once, without a question.
    ASSERT_TRUE(StoreUserFur(ws(), r(), 3, draft("libre.fmp")).stored);
    Asked none;
    EXPECT_TRUE(DeleteUserFur(ws(), r(), 3, none.question()));
    EXPECT_TRUE(none.texts.empty());
}

TEST_F(UserFurCommands, ThePiecesAreAskedAfterTheFieldByName) {
    ASSERT_TRUE(StoreUserFur(ws(), r(), 0, draft("piece.fmp")).stored);
    const Long code = kFirstUserFur;
    blazon().Ordinary1.Present = kTrue;
    blazon().Ordinary1.Type = 1;
    blazon().Ordinary1.Name = "Chef";
    blazon().Parts[7].Kind = blazon().Parts[7].Tincture = code;
    blazon().Parts[1].Kind = blazon().Parts[1].Tincture = code;
    Asked asked{.answers = {true, false}};
    EXPECT_FALSE(DeleteUserFur(ws(), r(), 0, asked.question()));
    ASSERT_EQ(asked.texts.size(), 2u);
    EXPECT_EQ(asked.texts[1],
              "La fourrure piece.fmp est présentement utilisée sur Chef. Êtes-vous sûr de "
              "vouloir la supprimer ?");
}

}  // namespace
}  // namespace tess
