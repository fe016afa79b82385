#include <gtest/gtest.h>

#include "actions/insert_arms_command.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

class InsertArmsCommandTest : public testing::DocumentTest {
  protected:
    std::function<std::string()> choose(const std::string& path) {
        return [this, path] {
            ++chosen;
            return path;
        };
    }
    int chosen = 0;
    testing::ScriptedDialogs asked;
};

TEST_F(InsertArmsCommandTest, ASavedDocumentGoesIntoTheSecondPartOfAParti) {
    blazon().Parts[1].Tincture = kSinople;
    blazon().Parts[1].Kind = kClassColour;
    const std::string inner = doc("Sinople.bls");
    ASSERT_TRUE(save(inner).saved);
    ResetDocument(ws());
    blazon().Partition = 22;  // parti, mi-coupé en sénestre
    testing::drawn(*program);
    ws().Modified = false;

    const InsertOutcome out = InsertArmsCommand(ws(), r(), 2, choose(inner), asked.dialogs());
    ASSERT_TRUE(out.inserted) << out.message.text;
    EXPECT_TRUE(ws().Modified);
    EXPECT_EQ(blazon().Parts[2].Kind, kClassInserted);
    EXPECT_EQ(blazon().Parts[2].InsertedPath, inner);
    EXPECT_NE(out.redraw.blazonText.find("Sinople"), std::string::npos) << out.redraw.blazonText;
    // The part shows the document's banner preview.
    const Surface preview = *loadPicture(bannerPreviewFile(inner));
    const Surface& canvas = r().canvas;
    const int seedX = blazon().Parts[2].SeedX, seedY = blazon().Parts[2].SeedY;
    EXPECT_EQ(canvas.pixel(seedX, seedY), preview.pixel(seedX, seedY));
}

TEST_F(InsertArmsCommandTest, OnlyPartsThatCanHoldArmsAreOffered) {
    const std::string inner = doc("inner.bls");
    ASSERT_TRUE(save(inner).saved);
    blazon().Partition = 10;  // parti: no part holds a coat of arms
    const auto undos = ws().Undos;
    ws().Modified = false;
    EXPECT_FALSE(InsertArmsCommand(ws(), r(), 1, choose(inner), asked.dialogs()).inserted);
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(ws().Undos, undos);
    EXPECT_FALSE(ws().Modified);

    // The écusson's entry: only under a chief or an escutcheon.
    for (const Long type : {2L, 1L, 9L}) {
        blazon().Ordinary1.Present = kTrue;
        blazon().Ordinary1.Type = type;
        const bool inserted =
            InsertArmsCommand(ws(), r(), kFirstOrderZone, choose(inner), asked.dialogs()).inserted;
        EXPECT_EQ(inserted, type != 2) << type;
    }

    // A cancelled choice keeps the undo step and the mark, and changes nothing else.
    blazon().Partition = 14;
    const BlazonRecord before = blazon();
    EXPECT_FALSE(InsertArmsCommand(ws(), r(), 3, choose(""), asked.dialogs()).inserted);
    EXPECT_EQ(ws().Undos[1], before);
    EXPECT_EQ(blazon(), before);
}

TEST_F(InsertArmsCommandTest, AMissingPreviewDeclinedInsertsNothing) {
    const std::string inner = doc("perdu.bls");
    ASSERT_TRUE(save(inner).saved);
    std::filesystem::remove(bannerPreviewFile(inner));
    blazon().Partition = 14;
    const InsertOutcome out = InsertArmsCommand(ws(), r(), 1, choose(inner), asked.dialogs());
    EXPECT_FALSE(out.inserted);
    EXPECT_EQ(asked.questions.size(), 1u);
    EXPECT_EQ(blazon().Parts[1].InsertedPath, "");
}

// A file that is not a document says so, as opening it would, whether or not
// a preview lies beside it; it is never asked for as a missing preview. A
// link to a document that is gone is named.
TEST_F(InsertArmsCommandTest, WhatIsNotADocumentIsSaidSoNotAskedFor) {
    blazon().Partition = 14;
    testing::writeFile(doc("notes.bls"), "Ceci n'est pas un blason.");
    testing::writeFile(doc("vide.bls"), "");
    const std::string moved = doc("perdu.bls");
    ASSERT_TRUE(save(moved).saved);
    testing::writeFile(moved, std::string(1, '\x0d') + "plus un blason");  // its previews stay
    std::filesystem::create_symlink(doc("parti.bls"), doc("lien.bls"));
    const FileMessage brokenLink = FileMessage::exclamation(
        "Insérer un blason",
        "« lien.bls » est un lien vers un fichier qui n'existe plus. Choisissez un fichier "
        "enregistré sur le disque.");
    const std::vector<std::pair<std::string, FileMessage>> cases = {
        {doc("notes.bls"), incompatibleDocumentMessage()},
        {doc("vide.bls"), incompatibleDocumentMessage()},
        {moved, incompatibleDocumentMessage()},
        {doc("lien.bls"), brokenLink},
    };
    for (const auto& [path, message] : cases) {
        SCOPED_TRACE(path);
        const InsertOutcome out = InsertArmsCommand(ws(), r(), 1, choose(path), asked.dialogs());
        EXPECT_FALSE(out.inserted);
        EXPECT_EQ(out.message.title, message.title);
        EXPECT_EQ(out.message.text, message.text);
        EXPECT_TRUE(asked.questions.empty());
        EXPECT_EQ(blazon().Parts[1].InsertedPath, "");
    }
}

}  // namespace
}  // namespace tess
