#include <gtest/gtest.h>

#include <filesystem>

#include <cerrno>

#include "platform/file_steps.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"
#include "tests/support/permissions_enforced.h"

namespace tess {
namespace {

using testing::folderContents;

namespace fs = std::filesystem;

const std::string kSaveFailure =
    "Erreur survenue dans mnuSave::OnClick. Ce n'est pas ma faute, je le jure! "
    "C'est sûrement la faute du lecteur de disquettes.";

class SaveFailure : public testing::DocumentTest {
  protected:
    void SetUp() override {
        lion = addPicture("lion.bmp", {"rrr", "r#r"});
        star = addPicture("star.bmp", {".y.", "yyy"});
        placeCharge(1, lion, 10, 10, 9, 6, 0);
        placeCharge(2, star, 90, 90, 9, 6, 0);
        path = doc("armes.bls");
        ASSERT_TRUE(save(path).saved);
        before = folderContents(file("docs"));
        // Changes made after the save.
        blazon().Partition = 14;
        blazon().Charges[1].X = 120;
        ws().Modified = true;
    }
    int lion = 0, star = 0;
    std::string path;
    std::map<std::string, std::string> before;
};

TEST_F(SaveFailure, ATextThatCannotBeStoredIsRefusedBeforeAnythingIsWritten) {
    ws().Bank[star].Phrase = std::string(127, 'p');
    const SaveOutcome out = save(path);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.message.icon, FileMessage::Icon::Exclamation);
    EXPECT_EQ(out.message.title, "Sauvegarder le blason");
    EXPECT_NE(out.message.text.find("pas été sauvegardé"), std::string::npos);
    EXPECT_EQ(folderContents(file("docs")), before);
    EXPECT_TRUE(ws().Modified);

    ws().Bank[star].Phrase = "une étoile";
    blazon().Ordinary1.Name = "Chef ★";
    EXPECT_FALSE(save(path).saved);
    EXPECT_EQ(folderContents(file("docs")), before);
}

TEST_F(SaveFailure, SaveAsIntoAFolderThatDoesNotExistKeepsTheDocumentsFile) {
    const SaveOutcome as =
        SaveDocument(ws(), r(), file("nulle part/armes.bls"), SaveCommand::SaveAs);
    EXPECT_FALSE(as.saved);
    EXPECT_EQ(as.message.title, "Erreur #76");
    EXPECT_EQ(as.message.text,
              "Erreur survenue dans mnuSaveAs::OnClick. Je jure que ce n'est pas ma faute!");
    EXPECT_EQ(blazon().FilePath, path);
    EXPECT_TRUE(ws().Modified);
}

TEST_F(SaveFailure, WhicheverFileCannotBeStagedNoOldFileChangesAndNoTemporaryStays) {
    // The files of the save come in a fixed order (previews, pictures, the
    // document last); a folder in the way of each in turn, at its temporary
    // name or at its own, fails the save at that file, whether the files
    // before it were written or already put in place.
    const std::map<std::string, std::string> saved = before;
    ASSERT_EQ(saved.size(), 7u);  // armes.bls, .blz, .blx and two pictures with their masks
    for (const char* suffix : {".~enregistrement", ""}) {
        for (const auto& [name, content] : saved) {
            SCOPED_TRACE(name + suffix);
            const fs::path blocker = fs::path(file("docs")) / (name + suffix);
            fs::remove(blocker);
            fs::create_directories(blocker / "dedans");
            before = folderContents(file("docs"));
            const SaveOutcome out = save(path);
            EXPECT_FALSE(out.saved);
            EXPECT_EQ(out.message.icon, FileMessage::Icon::Critical);
            EXPECT_EQ(out.message.title, "Erreur #75");
            EXPECT_EQ(out.message.text, kSaveFailure);
            EXPECT_EQ(folderContents(file("docs")), before);
            EXPECT_TRUE(ws().Modified);
            EXPECT_EQ(blazon().FilePath, path);
            EXPECT_EQ(blazon().Partition, 14);

            fs::remove_all(blocker);
            testing::writeFile(file("docs/" + name), content);
        }
    }
    ASSERT_EQ(folderContents(file("docs")), saved);
    EXPECT_TRUE(save(path).saved);
    EXPECT_FALSE(ws().Modified);
    EXPECT_EQ(folderContents(file("docs")).size(), saved.size());
    EXPECT_NE(folderContents(file("docs")), saved);  // the changes made after the first save
}

TEST_F(SaveFailure, AFullDiskOrAReadOnlyFolderIsSaidInItsOwnWordsNamingTheFile) {
    // The save's own box, numbered by what failed, whichever file it failed at.
    struct Case {
        FileStep step;
        int error;
        std::string title;
        std::string at;  // the file the step fails for; empty: the first of them
    };
    const std::string folder = file("docs");
    const std::string journal = saveJournalFile(path);
    const std::vector<Case> cases = {
        // The document is the last file written: the disk fills there.
        {FileStep::Write, ENOSPC, "Erreur #61", path},
        {FileStep::DataSync, EDQUOT, "Erreur #61"},
        {FileStep::Create, EROFS, "Erreur #70"},
        // The journal is written after every file: the user hears of the
        // document, never of the journal.
        {FileStep::Write, ENOSPC, "Erreur #61", journal},
        {FileStep::DataSync, EDQUOT, "Erreur #61", journal},
        {FileStep::Create, EROFS, "Erreur #70", journal + kStagedSuffix},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title + " at " + c.at);
        setFileStepHook([&](FileStep step, const std::string& p) {
            return step == c.step && (c.at.empty() || p == c.at) ? c.error : 0;
        });
        const SaveOutcome out = save(path);
        setFileStepHook({});
        EXPECT_FALSE(out.saved);
        EXPECT_EQ(out.message.title, c.title);
        EXPECT_EQ(out.message.text, kSaveFailure);
        EXPECT_EQ(folderContents(folder), before);
        EXPECT_TRUE(ws().Modified);
    }
    // A name too long for the system, and a folder truly read-only.
    const SaveOutcome tooLong = save(doc(std::string(300, 'a') + ".bls"));
    EXPECT_EQ(tooLong.message.title + " " + tooLong.message.text, "Erreur #52 " + kSaveFailure);
    {
        const testing::PermissionsEnforced asAnyUser;
        ASSERT_TRUE(asAnyUser.enforced());
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        const SaveOutcome out = save(path);
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(out.message.title + " " + out.message.text, "Erreur #70 " + kSaveFailure);
        EXPECT_EQ(folderContents(folder), before);
    }
}

}  // namespace
}  // namespace tess
