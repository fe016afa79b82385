#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <random>

#include "storage/document_layout.h"
#include "storage/side_files.h"
#include "tests/storage/document_fixture.h"

namespace tess {
namespace {

using testing::folderContents;
using testing::readBytes;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A document with a bit of everything, saved; the hostile versions are written
// beside it under another name that shares its side files by a link-free copy.
class HostileDocuments : public testing::DocumentTest {
  protected:
    void SetUp() override {
        const int lion = addPicture("lion.bmp", {"rrrr", "r##r", "rrrr"});
        const int star = addPicture("star.bmp", {".y.", "yyy", "y.y"});
        for (int n = 1; n <= 6; ++n)
            placeCharge(n, n % 2 ? lion : star, 20 * n, 30 * n, 12, 9, n % 3 ? n : 0, n == 4);
        addUserFur(1, {"14", "41"}, 25);
        blazon().Partition = 14;
        blazon().Parts[2].Kind = 117, blazon().Parts[2].Tincture = 117;
        blazon().Ordinary1 = {kTrue, 1, 0, 0, "Chef", 1, 0, 0};
        const std::string inner = doc("inner.bls");
        EXPECT_TRUE(save(inner).saved);
        EXPECT_TRUE(fs::exists(inner));
        blazon().Parts[3].InsertedPath = inner;
        blazon().Parts[3].Kind = kClassInserted;
        r().InsertedPictures[3] = r().canvas;
        original = doc("hostile.bls");
        EXPECT_TRUE(save(original).saved);
        good = readBytes(original);
        sideFiles = folderContents(file("docs"));
        sideFiles.erase("hostile.bls");
    }

    // Opens `bytes` as the document and checks that nothing but the document
    // itself changed in its folder.
    void open(const std::vector<std::uint8_t>& bytes) {
        testing::writeBytes(original, bytes);
        testing::Program& p = *program;
        LoadDocument(p.ws, p.r, original, {});
        auto after = folderContents(file("docs"));
        after.erase("hostile.bls");
        ASSERT_EQ(after, sideFiles) << "opening a document wrote into its folder";
        // Whatever came in, the record is one the drawing code can take.
        const BlazonRecord& b = p.ws.CurrentBlazon;
        ASSERT_TRUE(b.ShieldShape >= 1 && b.ShieldShape <= 7);
        for (int c = 1; c <= kChargeCount; ++c)
            ASSERT_TRUE(!b.Charges[c].InUse || p.ws.Bank[b.Charges[c].ImageIndex].InUse) << c;
    }

    std::string original;
    std::vector<std::uint8_t> good;
    std::map<std::string, std::string> sideFiles;
};

// Cut at every record boundary, at each byte of every record's length or value
// prefix, and once more inside each record.
TEST_F(HostileDocuments, TruncatedAtEveryRecordBoundaryAndInsideRecords) {
    for (std::size_t cut = 0; cut <= good.size(); cut += (cut % 128 < 4 ? 1 : 61)) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        open(std::vector<std::uint8_t>(good.begin(), good.begin() + long(cut)));
        EXPECT_TRUE(cut > 0 || program->ws.CurrentBlazon.FilePath.empty());
    }
}

// Whatever damage a document came with, one save writes it sound: a second
// save of what the first wrote changes no byte of any file.
TEST_F(HostileDocuments, ADamagedDocumentSavedOnceIsSavedNormalised) {
    std::mt19937 rng{77};
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        auto bytes = good;
        // Damage a few values of the header, the parts, the furs and the entries.
        for (int hit = 0; hit < 6; ++hit)
            bytes[std::size_t(rng() % (bytes.size() / 128)) * 128 + rng() % 4] =
                std::uint8_t(rng());
        open(bytes);
        const std::string copy = doc("normal.bls");
        ASSERT_TRUE(save(copy).saved);
        const auto once = folderContents(file("docs"));
        auto reopened = reopen(copy);
        ASSERT_TRUE(SaveDocument(reopened->ws, reopened->r, copy).saved);
        EXPECT_EQ(folderContents(file("docs")), once);
        for (const auto& entry : fs::directory_iterator(file("docs")))
            if (entry.path().filename().string().rfind("normal", 0) == 0) fs::remove(entry.path());
    }
}

TEST_F(HostileDocuments, HugeLengthsWrongTagsAndExtremeValues) {
    auto patched = [&](int record, std::vector<std::uint8_t> value) {
        auto bytes = good;
        for (std::size_t i = 0; i < value.size(); ++i)
            bytes[std::size_t(record - 1) * 128 + i] = value[i];
        return bytes;
    };
    for (int record = 1; record <= int(good.size() / 128); ++record) {
        SCOPED_TRACE("record " + std::to_string(record));
        open(patched(record, {0xFF, 0xFF, 0xFF, 0x7F}));  // huge length, huge value
        open(patched(record, {0x00, 0x00, 0x00, 0x80}));  // most negative
        open(patched(record, {0x01, 0x00, 'X'}));         // a one-letter wrong tag
    }
}

// One seed of the good document with a handful of bytes changed, so that every
// run of the tests exercises the reader; the fuzzer explores the rest.
TEST_F(HostileDocuments, MutatedNeverCrashNorHangNorWrite) {
    std::mt19937 rng{1};
    for (int round = 0; round < 600; ++round) {
        auto bytes = good;
        for (int i = 1 + int(rng() % 8); i > 0; --i) {
            // A random byte, a flipped bit, all ones or zeros, or a cut.
            const std::size_t at = rng() % bytes.size();
            const unsigned kind = rng() % 4, r = rng();
            if (kind == 0) bytes[at] = std::uint8_t(r);
            if (kind == 1) bytes[at] ^= std::uint8_t(1u << (r % 8));
            if (kind == 2) bytes[at] = r % 2 ? 0xFF : 0x00;
            if (kind == 3) bytes.resize(at + 1);
        }
        bytes[0] = 14;
        open(bytes);
    }
}

// Side files beside a document come from wherever the document came from:
// one too large for the record's 16-bit sizes, or one that is not a plain file
// at all, must be left out rather than read.
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
