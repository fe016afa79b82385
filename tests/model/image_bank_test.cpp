#include <gtest/gtest.h>

#include "actions/bank_slots.h"
#include "actions/charge_placing.h"
#include "model/document.h"
#include "model/image_bank.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "platform/paths.h"
#include "render/charge_surfaces.h"
#include "support/charge_pictures.h"

namespace tess {
namespace {

using testing::ascii;
using testing::picture;
using Rows = std::vector<std::string>;

const Colour kGrey = 0xC0C0C0;
const std::map<char, Colour> kLegend = {
    {'.', kGrey}, {'#', kBlack}, {'r', 0x0000FF}, {'y', 0x00FFFF}, {'w', kWhite}, {'o', 0x123456},
};

class ImageBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitTinctures(ws.Tinctures);
        ResetDocument(ws);
        ws.ui = &ui;
    }
    std::string bmp(const std::string& name, const std::vector<std::string>& rows) {
        return folder.writeBmp(name, picture(rows, kLegend));
    }
    int import(const std::string& path, int charge = 0) {
        FileMessage refusal;
        const int slot = AddImageToBank(ws, surfaces, path, charge, -1, &refusal);
        if (!refusal.empty()) refusals.push_back(refusal);
        return slot;
    }
    testing::PictureFolder folder;
    testing::RecordingUi ui;
    // What each refused import has the user told, in turn.
    std::vector<FileMessage> refusals;
    Workspace ws;
    ChargeSurfaces surfaces;
};

TEST_F(ImageBankTest, GreyBackgroundAndRedFigure) {
    const int s = import(bmp("Lion.bmp", {"..r#.", ".rrr.", "..r.."}), 4);
    ASSERT_EQ(s, 1);
    const ImageBankEntry& e = ws.Bank[1];
    EXPECT_EQ(e.KeyColour, Long(kGrey));
    EXPECT_EQ(e.OwnTincture, kGueules);
    EXPECT_EQ(e.OwnClass, kClassColour);
    EXPECT_EQ(e.Width, 5);
    EXPECT_EQ(e.Height, 3);
    EXPECT_EQ(e.Loaded, kTrue);
    EXPECT_EQ(e.Phrase, "Lion");
    EXPECT_EQ(e.DisplayName, "Lion");
    EXPECT_EQ(ws.CurrentBlazon.Charges[4].ImageIndex, 1);
    EXPECT_EQ(ascii(surfaces.bank(1).picture, kLegend), (Rows{"##r##", "#rrr#", "##r##"}));
    EXPECT_EQ(ascii(surfaces.bank(1).mask, kLegend), (Rows{"ww##w", "w###w", "ww#ww"}));
    ASSERT_EQ(ui.waitTexts.size(), 1u);
    EXPECT_EQ(ui.waitTexts[0], "\rCréation de la transparence");
    EXPECT_EQ(ui.waitHidden, 1);
}

TEST_F(ImageBankTest, ColourOfNoTinctureBecomesOr) {
    const int s = import(folder.writeGif("Etoile.gif", picture({"..o", ".oo", "o#o"}, kLegend)));
    ASSERT_EQ(s, 1);
    EXPECT_EQ(ws.Bank[1].OwnTincture, kOr);
    EXPECT_EQ(ws.Bank[1].OwnClass, kClassMetal);
    EXPECT_EQ(ascii(surfaces.bank(1).picture, kLegend), (Rows{"##y", "#yy", "y#y"}));
}

TEST_F(ImageBankTest, OnlyTheFirstFiftyColoursAreCounted) {
    // Columns 0..49 each one colour met once; column 50 the most frequent
    // colour, met after the fiftieth: not counted. Then a red column.
    Surface s(53, 3, kGrey);
    for (int x = 0; x < 50; ++x) s.setPixel(x, 1, rgb(x + 1, 2, 3));
    for (int y = 0; y < 3; ++y) s.setPixel(50, y, 0xFF0000);
    s.setPixel(51, 0, 0x0000FF);
    s.setPixel(51, 1, 0x0000FF);
    const int slot = import(folder.writeBmp("Many.bmp", s));
    ASSERT_EQ(slot, 1);
    EXPECT_EQ(ws.Bank[1].OwnTincture, kOr);  // rgb(1,2,3): the first of the ties
    EXPECT_EQ(surfaces.bank(1).picture.pixel(0, 1), Colour(ws.Tinctures[kOr].Colour));
}

TEST_F(ImageBankTest, EqualCountsGoToTheColourMetFirstByColumns) {
    ASSERT_EQ(import(bmp("Tie.bmp", {".ry", ".yr"})), 1);
    EXPECT_EQ(ws.Bank[1].OwnTincture, kGueules);
}

TEST_F(ImageBankTest, PictureOfOnlyItsTransparentColour) {
    ASSERT_EQ(import(bmp("Vide.bmp", {"..", ".."})), 1);
    EXPECT_EQ(ws.Bank[1].OwnTincture, kOr);
    EXPECT_EQ(ascii(surfaces.bank(1).picture, kLegend), (Rows{"##", "##"}));
    EXPECT_EQ(ascii(surfaces.bank(1).mask, kLegend), (Rows{"ww", "ww"}));
}

TEST_F(ImageBankTest, UnsavedDocumentLeavesACopyInTheProgramFolder) {
    const std::string path = bmp("Tour.bmp", {".r"});
    ASSERT_EQ(import(path), 1);
    EXPECT_TRUE(fileExists(folder.home() + "/Pic1.tmp"));
    ws.CurrentBlazon.Folder = "/some/folder/";
    ASSERT_EQ(import(path), 2);
    EXPECT_FALSE(fileExists(folder.home() + "/Pic2.tmp"));
    EXPECT_EQ(bankTempCopyPath(12), folder.home() + "/Pic12.tmp");
}

TEST_F(ImageBankTest, ReusedSlotStartsWithoutTheOldNameAndPhrase) {
    ASSERT_EQ(import(bmp("Lion.bmp", {".r"})), 1);
    ws.Bank[1].Phrase = "un lion rampant";
    ReleaseImageSlot(ws, surfaces, 1);
    EXPECT_FALSE(fileExists(folder.home() + "/Pic1.tmp"));
    EXPECT_FALSE(surfaces.hasBankPicture(1));
    ASSERT_EQ(import(bmp("Aigle.bmp", {".y"})), 1);
    EXPECT_EQ(ws.Bank[1].Phrase, "Aigle");
    EXPECT_EQ(ws.Bank[1].DisplayName, "Aigle");
}

TEST_F(ImageBankTest, ShortNamesAreKeptWhole) {
    EXPECT_EQ(pictureDisplayName("a.b"), "a.b");
    EXPECT_EQ(pictureDisplayName("abcd"), "abcd");
    EXPECT_EQ(pictureDisplayName("Écu.bmp"), "Écu");
    ASSERT_EQ(import(bmp("b.x", {".r"})), 1);
    EXPECT_EQ(ws.Bank[1].Phrase, "b.x");
}

TEST_F(ImageBankTest, FullBankRefusesWithItsMessage) {
    for (int s = 1; s <= kImageBankSize; ++s) ws.Bank[s].InUse = kTrue;
    EXPECT_EQ(AllocImageSlot(ws, surfaces), 0);
    EXPECT_EQ(import(bmp("Lion.bmp", {".r"})), 0);
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].text,
              "Nombre maximum d'images atteint... ce maximum était de 255...ça te tentait!!");
    EXPECT_EQ(refusals[0].icon, FileMessage::Icon::Exclamation);
    EXPECT_EQ(refusals[0].title, "Maximum atteint");
}

TEST_F(ImageBankTest, UnreadableFileIsRefusedAndFreesItsSlot) {
    std::ofstream(folder.picture("Faux.bmp")) << "not a picture";
    EXPECT_EQ(import(folder.picture("Faux.bmp")), 0);
    EXPECT_EQ(import(folder.picture("Absent.bmp")), 0);
    EXPECT_EQ(ws.Bank[1].InUse, 0);
    EXPECT_EQ(refusals.size(), 2u);
}

TEST_F(ImageBankTest, AllocationReleasesTheOldPictures) {
    ASSERT_EQ(import(bmp("Lion.bmp", {".r"})), 1);
    ws.Bank[1].InUse = 0;  // as the reset leaves it
    const auto version = surfaces.bank(1).version;
    EXPECT_EQ(AllocImageSlot(ws, surfaces), 1);
    EXPECT_FALSE(surfaces.hasBankPicture(1));
    EXPECT_NE(surfaces.bank(1).version, version);
    EXPECT_EQ(ws.Bank[1].KeyColour, Long(kBankBlankKey));
    EXPECT_EQ(ws.Bank[1].Loaded, 0);
}

}  // namespace
}  // namespace tess
