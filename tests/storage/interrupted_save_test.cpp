#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "actions/bank_slots.h"
#include "actions/document_pictures.h"
#include "actions/insert_blazon.h"
#include "model/image_bank.h"
#include "platform/file_steps.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

using testing::folderContents;
namespace fs = std::filesystem;
using Folder = std::map<std::string, std::string>;

// An old document on disk (two pictures, their charges, arms in part 3) and,
// in memory, a new one that differs in every file: another partition, one
// picture fewer, no arms. Whatever stops its save, opening the document must
// give exactly one of the two, down to the bytes of every file in the folder.
class InterruptedSave : public testing::DocumentTest {
  protected:
    void SetUp() override {
        const std::string inner = file("pictures/inner.bls");
        ASSERT_TRUE(save(inner).saved);
        const int lion = addPicture("lion.bmp", testing::kLion);
        star = addPicture("star.bmp", testing::kStar);
        placeCharge(1, lion, 30, 40, 16, 8, 3);
        placeCharge(2, star, 120, 90, 14, 8, 5);
        blazon().Partition = 14;
        ASSERT_TRUE(InsertBlazonInPart(ws(), r(), 3, inner).inserted);
        path = doc("armes.bls");
        ASSERT_TRUE(save(path).saved);
        oldFolder = folderContents(file("docs"));
        oldDrawn = testing::drawn(*reopen(path));

        blazon().Partition = 10;
        forgetInsertedArms(blazon().Parts[3]);
        blazon().Charges[2].InUse = 0;
        ReleaseImageSlot(ws(), r().Charges, star);
        blazon().Charges[1].X = 60;

        // One whole save, counting its steps, gives the new document.
        std::vector<std::pair<FileStep, std::string>> steps;
        setFileStepHook([&](FileStep step, const std::string& p) {
            steps.emplace_back(step, p);
            return 0;
        });
        ASSERT_TRUE(save(path).saved);
        setFileStepHook({});
        stepCount = int(steps.size());
        renameCount = int(std::count_if(steps.begin(), steps.end(),
                                        [](const auto& s) { return s.first == FileStep::Rename; }));
        newFolder = folderContents(file("docs"));
        newDrawn = testing::drawn(*reopen(path));
        ASSERT_NE(oldFolder, newFolder);
        // The new document has no arms and one picture: their old files went.
        ASSERT_TRUE(oldFolder.count("armesBx3.hpx") && oldFolder.count("armesPx2.mpc"));
        EXPECT_FALSE(newFolder.count("armesBx3.hpx") || newFolder.count("armesPx2.hpc") ||
                     newFolder.count("armesPx2.mpc"));
        restoreOld();
    }
    void TearDown() override { setFileStepHook({}); }

    void restoreOld() {
        for (const auto& entry : fs::directory_iterator(file("docs"))) fs::remove_all(entry.path());
        for (const auto& [name, content] : oldFolder) testing::writeFile(doc(name), content);
    }

    // Opens the document as a fresh program would and checks it is whole.
    void expectOneWholeDocument() {
        const auto reopened = reopen(path);
        const Folder now = folderContents(file("docs"));
        ASSERT_TRUE(now == oldFolder || now == newFolder) << "a mixed folder";
        const bool isNew = now == newFolder;
        testing::expectSameDocument(testing::drawn(*reopened), isNew ? newDrawn : oldDrawn);
        ++(isNew ? newSeen : oldSeen);
    }

    int star = 0;
    std::string path;
    Folder oldFolder, newFolder;
    testing::Drawn oldDrawn, newDrawn;
    int stepCount = 0, renameCount = 0, oldSeen = 0, newSeen = 0;
};

TEST_F(InterruptedSave, AProcessKilledAtAnyStepLeavesTheOldDocumentOrTheNewOneWhole) {
    for (int n = 1; n <= stepCount; ++n) {
        SCOPED_TRACE("killed at step " + std::to_string(n) + " of " + std::to_string(stepCount));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int seen = 0;
            setFileStepHook([&](FileStep, const std::string&) {
                if (++seen == n) ::raise(SIGKILL);
                return 0;
            });
            SaveDocument(ws(), r(), path);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        expectOneWholeDocument();
        restoreOld();
    }
    // Both sides of the commit point were reached.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
}

TEST_F(InterruptedSave, ARenameThatFailsLeavesTheOldDocumentOrTheNewOneWhole) {
    for (int k = 1; k <= renameCount; ++k) {
        SCOPED_TRACE("rename " + std::to_string(k) + " of " + std::to_string(renameCount));
        int seen = 0;
        setFileStepHook([&](FileStep step, const std::string&) {
            return step == FileStep::Rename && ++seen == k ? EIO : 0;
        });
        const SaveOutcome out = save(path);
        setFileStepHook({});
        EXPECT_FALSE(out.message.empty());
        // Before the commit point the save failed and says so; after it the
        // document counts as saved and the open completes it.
        EXPECT_EQ(out.saved, fs::exists(saveJournalFile(path)));
        expectOneWholeDocument();
        EXPECT_FALSE(fs::exists(saveJournalFile(path)));
        restoreOld();
    }
    EXPECT_EQ(oldSeen, 1);  // the journal's own rename
    EXPECT_EQ(newSeen, renameCount - 1);
}

TEST_F(InterruptedSave, EveryFileIsOnTheDiskBeforeTheJournalThatMakesItCount) {
    std::vector<std::pair<FileStep, std::string>> steps;
    setFileStepHook([&](FileStep step, const std::string& p) {
        steps.emplace_back(step, p);
        return 0;
    });
    ASSERT_TRUE(save(path).saved);
    const std::string journal = saveJournalFile(path);
    const auto commit = std::find(steps.begin(), steps.end(), std::pair{FileStep::Rename, journal});
    ASSERT_NE(commit, steps.end());
    const auto synced = [&](const std::string& p) {
        return std::find(steps.begin(), commit, std::pair{FileStep::DataSync, p}) != commit;
    };
    EXPECT_TRUE(synced(journal));
    int renamed = 0;
    for (auto s = commit + 1; s != steps.end(); ++s)
        if (s->first == FileStep::Rename) {
            ++renamed;
            EXPECT_TRUE(synced(s->second + kStagedSuffix)) << s->second;
        }
    EXPECT_EQ(renamed, renameCount - 1);
    EXPECT_EQ(folderContents(file("docs")), newFolder);
}

TEST_F(InterruptedSave, LitterOfASaveThatNeverReachedItsJournalGoesAtTheNextOpenOrSave) {
    for (bool bySave : {false, true}) {
        testing::writeFile(doc("armes.bls") + kStagedSuffix, "moitié");
        testing::writeFile(imagePictureFile(path, 7) + kStagedSuffix, "moitié");
        testing::writeFile(saveJournalFile(path) + kStagedSuffix, "moitié");
        testing::writeFile(doc("autre.bls") + kStagedSuffix, "pas à lui");
        if (bySave) {
            ASSERT_TRUE(save(path).saved);
        } else {
            reopen(path);
        }
        Folder expected = bySave ? newFolder : oldFolder;
        expected["autre.bls" + std::string(kStagedSuffix)] = "pas à lui";
        EXPECT_EQ(folderContents(file("docs")), expected);
        restoreOld();
    }
    // A journal that is not one stays where it is (it is no save's), and the
    // old document opens as it stands.
    testing::writeFile(saveJournalFile(path), "TSJ1 abîmé");
    const auto reopened = reopen(path);
    Folder expected = oldFolder;
    expected[FileNameOfPath(saveJournalFile(path))] = "TSJ1 abîmé";
    EXPECT_EQ(folderContents(file("docs")), expected);
    testing::expectSameDocument(testing::drawn(*reopened), oldDrawn);
}

}  // namespace
}  // namespace tess
