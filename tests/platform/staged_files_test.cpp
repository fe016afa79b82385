#include "platform/staged_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/scratch_folder.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using StagedFilesTest = testing::ScratchFolder;

constexpr const char* kSuffix = ".~provisoire";

// A set of old files and the new content each should get.
const std::vector<std::pair<std::string, Bytes>> kNewFiles = {{"armes.blz", Bytes(3000, 1)},
                                                              {"armes.blx", Bytes(10, 2)},
                                                              {"armesPx1.hpc", Bytes{}},
                                                              {"armesPx1.mpc", Bytes(70000, 4)},
                                                              {"armes.bls", Bytes{5, 5, 5}}};

TEST_F(StagedFilesTest, CommitPutsEveryFileInPlaceAndLeavesNoTemporary) {
    put("armes.blz", Bytes(9000, 9));  // longer than its replacement: no old tail stays
    put("armes.bls", Bytes{8});
    ::chmod(file("armes.bls").c_str(), 0640);
    StagedFiles staged(kSuffix);
    for (const auto& [name, bytes] : kNewFiles) ASSERT_EQ(staged.add(file(name), bytes), "");
    EXPECT_EQ(staged.size(), kNewFiles.size());
    EXPECT_EQ(read("armes.bls"), Bytes{8});  // nothing replaced before commit
    ASSERT_EQ(staged.commit(), "");
    EXPECT_EQ(staged.size(), 0u);

    std::map<std::string, Bytes> expected(kNewFiles.begin(), kNewFiles.end());
    EXPECT_EQ(contents(), expected);
    struct stat info {};
    ASSERT_EQ(::stat(file("armes.bls").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);  // a replaced file keeps its mode
}

// Whatever stands in the way of the n-th file, nothing old changes and no
// temporary stays, whether the batch is discarded or merely dropped.
TEST_F(StagedFilesTest, AFailureWhileStagingAnyFileLeavesEveryOldFileAsItWas) {
    for (bool atTemporary : {true, false}) {
        for (std::size_t n = 0; n < kNewFiles.size(); ++n) {
            SCOPED_TRACE((atTemporary ? "temporary of " : "place of ") + kNewFiles[n].first);
            fs::remove_all(folder_);
            fs::create_directories(folder_);
            for (const auto& [name, bytes] : kNewFiles) put(name, Bytes(100, 0xEE));
            const std::string blocked = kNewFiles[n].first + (atTemporary ? kSuffix : "");
            fs::remove(folder_ / blocked);
            fs::create_directories(folder_ / blocked / "contenu");
            const auto before = contents();
            {
                StagedFiles staged(kSuffix);
                std::string error;
                for (const auto& [name, bytes] : kNewFiles)
                    if (error.empty()) error = staged.add(file(name), bytes);
                EXPECT_NE(error, "");
                EXPECT_NE(error.find(kNewFiles[n].first), std::string::npos) << error;
                EXPECT_EQ(staged.size(), n);
                if (n % 2) staged.discard();
            }
            EXPECT_EQ(contents(), before);
        }
    }
}

TEST_F(StagedFilesTest, AFailedRenameStopsInOrderAndDropsTheRest) {
    // A folder appearing after the files were staged: found only by the rename.
    for (const auto& [name, bytes] : kNewFiles) put(name, Bytes{7});
    StagedFiles staged(kSuffix);
    for (const auto& [name, bytes] : kNewFiles) ASSERT_EQ(staged.add(file(name), bytes), "");
    fs::remove(folder_ / "armesPx1.hpc");
    fs::create_directories(folder_ / "armesPx1.hpc" / "contenu");
    EXPECT_NE(staged.commit(), "");

    EXPECT_EQ(contents(), (std::map<std::string, Bytes>{// the last two still the old ones
                                                        {"armes.blz", kNewFiles[0].second},
                                                        {"armes.blx", kNewFiles[1].second},
                                                        {"armesPx1.hpc", {'d', 'i', 'r'}},
                                                        {"armesPx1.mpc", {7}},
                                                        {"armes.bls", {7}}}));
}

TEST_F(StagedFilesTest, LeftoversOfAnInterruptedSaveAreReplacedAndLinksNotFollowed) {
    put("outside", Bytes{1, 2, 3});
    put(std::string("armes.bls") + kSuffix, Bytes(50, 6));  // a stale temporary
    fs::create_symlink(folder_ / "outside", folder_ / (std::string("armes.blz") + kSuffix));
    StagedFiles staged(kSuffix);
    ASSERT_EQ(staged.add(file("armes.blz"), Bytes{4}), "");
    ASSERT_EQ(staged.add(file("armes.bls"), Bytes{5}), "");
    ASSERT_EQ(staged.commit(), "");
    EXPECT_EQ(contents(), (std::map<std::string, Bytes>{
                              {"outside", {1, 2, 3}}, {"armes.blz", {4}}, {"armes.bls", {5}}}));
}

TEST_F(StagedFilesTest, AMissingFolderFailsTheAddAndAnEmptyBatchCommits) {
    StagedFiles staged(kSuffix);
    EXPECT_NE(staged.add(file("nulle part/armes.bls"), Bytes{1}), "");
    EXPECT_EQ(staged.size(), 0u);
    EXPECT_EQ(staged.commit(), "");
    EXPECT_TRUE(contents().empty());
}

}  // namespace
}  // namespace tess
