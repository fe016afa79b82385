// Side files beside a document come from wherever the document came from:
// one too large for the record's 16-bit sizes, or one that is not a plain file
// at all, must be left out rather than read.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

using namespace std::chrono_literals;

class SideFileHazards : public testing::DocumentTest {
  protected:
    // A saved document with one picture, carried by one charge drawn at the
    // picture's own size (the record stores no size for it).
    std::string savedWithOnePicture() {
        const int slot = addPicture("lion.bmp", {"rr", "rr"});
        placeCharge(1, slot, 10, 10, 0, 0, 3);
        blazon().Charges[1].Width = 0;
        blazon().Charges[1].Height = 0;
        const std::string path = doc("armes.bls");
        EXPECT_TRUE(save(path).saved);
        return path;
    }
};

TEST_F(SideFileHazards, APictureTooWideForTheRecordsIsLeftOut) {
    const std::string path = savedWithOnePicture();
    Surface wide(40000, 2, kBlack), mask(40000, 2, kWhite);
    wide.clear();
    mask.clear();
    ASSERT_EQ(savePictureBmp(wide, imagePictureFile(path, 1)), "");
    ASSERT_EQ(savePictureBmp(mask, imageMaskFile(path, 1)), "");

    auto p = reopen(path);
    EXPECT_EQ(p->ws.Bank[1].InUse, 0);
    EXPECT_EQ(p->ws.CurrentBlazon.Charges[1].InUse, 0);
    for (int c = 1; c <= kChargeCount; ++c) {
        EXPECT_GE(p->ws.CurrentBlazon.Charges[c].Width, 0) << "charge " << c;
    }
}

TEST_F(SideFileHazards, AMaskThatIsNoPlainFileIsNotWaitedFor) {
    const std::string path = savedWithOnePicture();
    const std::string mask = imageMaskFile(path, 1);
    ASSERT_EQ(::unlink(mask.c_str()), 0);
    ASSERT_EQ(::mkfifo(mask.c_str(), 0600), 0);

    testing::Program fresh;
    auto opening = std::async(std::launch::async,
                              [&] { return LoadDocument(fresh.ws, fresh.r, path, {}).loaded; });
    const bool finished = opening.wait_for(5s) == std::future_status::ready;
    if (!finished) {
        // Let the blocked reader go: a writer that opens and closes gives it an end of file.
        const int fd = ::open(mask.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    EXPECT_TRUE(finished) << "opening the document waited on the mask";
    EXPECT_TRUE(opening.get());
    EXPECT_EQ(fresh.ws.Bank[1].InUse, 0);
    EXPECT_EQ(fresh.ws.CurrentBlazon.Charges[1].InUse, 0);
}

}  // namespace
}  // namespace tess
