#include <gtest/gtest.h>

#include <fstream>

#include "actions/charge_placing.h"
#include "actions/picture_commands.h"
#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "platform/ascii_picture.h"
#include "platform/paths.h"
#include "render/renderer.h"
#include "support/charge_document.h"

namespace tess {
namespace {

using testing::picture;

class PictureCommands : public testing::ChargeDocument {
  protected:
    Surface figure() const { return picture({".bbbb.", "bb##bb", ".bbbb.", "..bb.."}); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& item : ws.Pictures) out.push_back(item.Key + ":" + item.Text);
        return out;
    }
    // The list's first picture placed as a charge at (100, 100).
    int place(const std::string& path) {
        EXPECT_TRUE(AddCharge(ws, r.Charges, OverlayBox{100, 100, 6, 4, path}));
        return PictureBankSlot(ws, ws.Pictures.front().Text);
    }
};

TEST_F(PictureCommands, AddKeepsOneEntryPerNameAndRefusesWhatCannotBeAdded) {
    const std::string a1 = folder.writeBmp("a1.bmp", figure());
    const std::string noise = folder.picture("noise.bmp");
    std::ofstream(noise) << "not a picture";
    struct Case {
        std::string path;
        PictureAddOutcome outcome;
        std::string message;  // its first characters; empty for none
        FileMessage::Icon icon;
        std::string title = "";  // checked when given
    };
    const std::string addFailure = "Erreur survenu dans la procédure CDialog de mnuImAdd";
    const std::vector<Case> cases = {
        {a1, PictureAddOutcome::Added, "", FileMessage::Icon::None},
        {folder.writeGif("a1.gif", figure()), PictureAddOutcome::Duplicate,
         "Cette image est déjà présente dans la liste.", FileMessage::Icon::Exclamation},
        {noise, PictureAddOutcome::Refused, addFailure, FileMessage::Icon::Critical, "Erreur #481"},
        {folder.picture("absente.bmp"), PictureAddOutcome::Refused, addFailure,
         FileMessage::Icon::Critical, "Erreur #53"},
        {folder.writeBmp("Löwe☥.bmp", figure()), PictureAddOutcome::Refused, "Le nom « Löwe☥",
         FileMessage::Icon::Exclamation},
        {folder.writeBmp("x", figure()), PictureAddOutcome::Added, "", FileMessage::Icon::None},
        {folder.writeBmp("a.b", figure()), PictureAddOutcome::Added, "", FileMessage::Icon::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        FileMessage refusal;
        EXPECT_EQ(AddPictureToList(ws, c.path, &refusal), c.outcome);
        if (c.message.empty()) {
            EXPECT_TRUE(refusal.empty());
            continue;
        }
        ASSERT_FALSE(refusal.empty());
        EXPECT_EQ(refusal.text.substr(0, c.message.size()), c.message);
        EXPECT_EQ(refusal.icon, c.icon);
        EXPECT_TRUE(c.title.empty() || refusal.title == c.title) << refusal.title;
    }
    EXPECT_EQ(texts(), (std::vector<std::string>{"im1:a1", "im2:x", "im3:a.b"}));
    // The list's counters stop at 255: one more overflows.
    const auto listed = ws.Pictures;
    while (ws.Pictures.size() < 255)
        ws.Pictures.push_back({"k", std::to_string(ws.Pictures.size()), a1});
    FileMessage full;
    EXPECT_EQ(AddPictureToList(ws, folder.writeBmp("b.bmp", figure()), &full),
              PictureAddOutcome::Refused);
    EXPECT_EQ(full.title + " " + full.text, "Erreur #6 " + addFailure);
    ws.Pictures = listed;
    EXPECT_EQ(ws.Recent.LastImageFolder, FolderOfPath(a1));
    EXPECT_FALSE(ws.Modified);
    ResetDocument(ws);
    EXPECT_TRUE(ws.Pictures.empty());
    AddPictureToList(ws, a1);
    EXPECT_EQ(texts(), (std::vector<std::string>{"im1:a1"}));
}

TEST_F(PictureCommands, DeleteWaitsUntilNoRecordNamesThePicture) {
    const std::string a1 = folder.writeBmp("a1.bmp", figure());
    AddPictureToList(ws, a1);
    const int slot = place(a1);
    ASSERT_EQ(slot, 1);
    ws.CurrentBlazon.Charges[1].InUse = kFalse;  // held: out of use, still naming it
    const EditOutcome refused = DeletePictureFromList(ws, r, 0);
    EXPECT_FALSE(refused);
    ASSERT_FALSE(refused.message.empty());
    EXPECT_EQ(refused.message.text,
              "L'image est présentement en utilisation et ne peut être supprimée de la banque.");
    EXPECT_EQ(refused.message.title, "a1");
    EXPECT_EQ(ws.Pictures.size(), 1u);

    // Thrown away: the undo stack still shows the charge on slot 1.
    ws.CurrentBlazon.Charges[1].InUse = kTrue;
    PushUndo(ws);
    ws.CurrentBlazon.Charges[1] = ChargeRecord{};
    ws.Modified = false;
    EXPECT_TRUE(DeletePictureFromList(ws, r, 0));
    EXPECT_TRUE(ws.Pictures.empty());
    EXPECT_EQ(ws.Bank[slot].InUse, 0);
    EXPECT_FALSE(r.Charges.hasBankPicture(slot));
    EXPECT_TRUE(ws.Modified);
    // A later picture takes the slot; undoing back never shows it in the old place.
    const std::string b = folder.writeBmp("b.bmp", figure());
    AddPictureToList(ws, b);
    EXPECT_EQ(ws.Pictures.front().Key, "im2");
    EXPECT_EQ(place(b), slot);
    UndoLast(ws);
    UndoLast(ws);
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].InUse, 0);
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].ImageIndex, 0);
}

TEST_F(PictureCommands, PhraseIsStoredAsTypedAndNamesTheCharge) {
    const std::string a1 = folder.writeBmp("a1.bmp", figure());
    AddPictureToList(ws, a1);
    const int slot = place(a1);
    const auto props = PicturePropertiesOf(ws, slot);
    ASSERT_TRUE(props);
    EXPECT_EQ(props->nameCaption, "Nom: a1");
    EXPECT_EQ(props->sizeCaption, "Dimensions: 4 x 6");
    EXPECT_EQ(props->useCaption, "Utilisé 1 fois sur le blason");
    EXPECT_FALSE(PicturePropertiesOf(ws, slot + 1));

    const BlazonRecord undoBefore = ws.Undos[1];
    ws.Modified = false;
    const auto shown = SetPicturePhrase(ws, r, slot, " lion ");
    ASSERT_TRUE(shown);
    ASSERT_TRUE(shown.redraw);
    EXPECT_NE(shown.redraw->blazonText.find(" lion "), std::string::npos)
        << shown.redraw->blazonText;
    EXPECT_EQ(ws.Bank[slot].Phrase, " lion ");
    EXPECT_TRUE(ws.Modified);
    EXPECT_EQ(ws.Undos[1], undoBefore);

    const EditOutcome refused = SetPicturePhrase(ws, r, slot, "lion ☥");
    EXPECT_FALSE(refused);
    EXPECT_EQ(ws.Bank[slot].Phrase, " lion ");
    EXPECT_EQ(refused.message.icon, FileMessage::Icon::Exclamation);
    EXPECT_TRUE(SetPicturePhrase(ws, r, slot, ""));
}

}  // namespace
}  // namespace tess
