#include "platform/record_file.h"

#include <gtest/gtest.h>

#include "support/permissions_enforced.h"
#include "support/scratch_folder.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;

// Bytes [from, from + n) of a stream, to compare layouts at a glance.
Bytes slice(const Bytes& b, std::size_t from, std::size_t n) {
    return Bytes(b.begin() + from, b.begin() + from + n);
}

TEST(RecordFile, EachValueFillsOneRecordLittleEndian) {
    RecordWriter w;
    w.putInteger(14);
    w.putByte(0xAB);
    w.putLong(-2);
    w.putInteger(-1);
    ASSERT_TRUE(w.putString("Écu"));
    w.putLong(0x01020304);
    ASSERT_EQ(w.recordCount(), 6);
    const Bytes& b = w.bytes();
    ASSERT_EQ(b.size(), 6u * 128);
    EXPECT_EQ(slice(b, 0, 3), (Bytes{14, 0, 0}));
    EXPECT_EQ(slice(b, 128, 2), (Bytes{0xAB, 0}));
    EXPECT_EQ(slice(b, 256, 5), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(slice(b, 384, 3), (Bytes{0xFF, 0xFF, 0}));
    EXPECT_EQ(slice(b, 512, 6), (Bytes{3, 0, 0xC9, 'c', 'u', 0}));
    EXPECT_EQ(slice(b, 640, 4), (Bytes{4, 3, 2, 1}));
    for (int record = 0; record < 6; ++record)  // the rest of every record is zero
        for (std::size_t i = 8; i < 128; ++i) ASSERT_EQ(b[record * 128 + i], 0);

    const RecordReader r(b);
    EXPECT_EQ(r.getInteger(1), 14);
    EXPECT_EQ(r.getByte(2), 0xAB);
    EXPECT_EQ(r.getLong(3), -2);
    EXPECT_EQ(r.getInteger(4), -1);
    EXPECT_EQ(r.getString(5), "Écu");
    EXPECT_EQ(r.getLong(6), 0x01020304);
}

TEST(RecordFile, StringsAreRefusedWholeBeforeAnythingIsAdded) {
    RecordWriter w;
    EXPECT_FALSE(w.putString("Lion ♌"));
    EXPECT_FALSE(w.putString(std::string(127, 'a')));
    EXPECT_EQ(w.recordCount(), 0);
    EXPECT_TRUE(w.putString(std::string(125, 'a') + "é"));  // 126 bytes: the most a record holds
    EXPECT_EQ(RecordReader(w.bytes()).getString(1), std::string(125, 'a') + "é");
}

TEST(RecordFile, RecordsPastTheEndOrCutShortReadAsZeroOrEmpty) {
    RecordWriter w;
    w.putLong(0x7FFF1234);
    ASSERT_TRUE(w.putString("Sinople"));
    Bytes cut = w.bytes();
    cut.resize(128 + 5);  // the text's record ends after three of its letters
    const RecordReader r(cut);
    EXPECT_EQ(r.recordCount(), 2);
    EXPECT_EQ(r.getString(2), "Sin");
    EXPECT_EQ(r.getLong(3), 0);
    EXPECT_EQ(r.getString(40), "");
    EXPECT_EQ(r.getInteger(0), 0);
    EXPECT_EQ(r.getInteger(-5), 0);
    const RecordReader empty(Bytes{});
    EXPECT_EQ(empty.getLong(1), 0);
    EXPECT_EQ(empty.recordCount(), 0);
}

TEST(RecordFile, DamagedStringLengthsStayInsideTheRecord) {
    Bytes b(256, 'x');
    b[0] = 0xFF, b[1] = 0x7F;      // 32767
    b[128] = 0xFF, b[129] = 0xFF;  // -1
    const RecordReader r(b);
    EXPECT_EQ(r.getString(1), std::string(126, 'x'));
    EXPECT_EQ(r.getString(2), "");
}

TEST(ByteStream, ValuesAreLittleEndianWithoutPadding) {
    ByteWriter w;
    w.putInteger(3);
    w.putLong(-1);
    w.putByte(7);
    w.putInteger(-300);
    EXPECT_EQ(w.bytes(), (Bytes{3, 0, 0xFF, 0xFF, 0xFF, 0xFF, 7, 0xD4, 0xFE}));
    ByteReader r(w.bytes());
    EXPECT_EQ(r.getInteger(), 3);
    EXPECT_EQ(r.getLong(), -1);
    EXPECT_EQ(r.getByte(), 7);
    EXPECT_EQ(r.remaining(), 2u);
    EXPECT_EQ(r.getLong(), std::nullopt);  // runs out: the stream is spent
    EXPECT_EQ(r.getByte(), std::nullopt);
    EXPECT_EQ(r.remaining(), 0u);
}

using FileTest = testing::ScratchFolder;

// A replace is all or nothing: the file is whole, old or new, and no
// temporary is left whatever stands in the way.
TEST_F(FileTest, WritesReplaceTheFileWholeOrNotAtAll) {
    const std::string path = file("Lion.bls");
    ASSERT_EQ(writeFileAtomically(path, Bytes{}), "");
    EXPECT_EQ(readFileBytes(path), Bytes{});
    ASSERT_EQ(writeFileAtomically(path, Bytes(1000, 1)), "");
    ASSERT_EQ(writeFileAtomically(path, Bytes{1, 2, 3}), "");
    EXPECT_EQ(contents(), (std::map<std::string, Bytes>{{"Lion.bls", {1, 2, 3}}}));

    fs::create_directories(folder_ / "taken" / "inside");  // a folder where the file should go
    EXPECT_NE(writeFileAtomically(file("taken"), Bytes{1}), "");
    EXPECT_NE(writeFileAtomically(file("missing/x.bls"), Bytes{1}), "");
    {
        const testing::PermissionsEnforced asAnyUser;
        ASSERT_TRUE(asAnyUser.enforced());
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_NE(writeFileAtomically(path, Bytes{9}), "");
        fs::permissions(folder_, fs::perms::owner_all);
    }
    EXPECT_EQ(contents(),
              (std::map<std::string, Bytes>{{"Lion.bls", {1, 2, 3}}, {"taken", {'d', 'i', 'r'}}}));
}

TEST_F(FileTest, ReadingRefusesMissingFoldersAndOversizedFiles) {
    EXPECT_EQ(readFileBytes(file("absent")), std::nullopt);
    EXPECT_EQ(readFileBytes(folder_.string()), std::nullopt);
    const std::string path = file("big");
    ASSERT_EQ(writeFileAtomically(path, Bytes(5000, 7)), "");
    EXPECT_EQ(readFileBytes(path, 4999), std::nullopt);
    EXPECT_EQ(readFileBytes(path, 5000)->size(), 5000u);
}

}  // namespace
}  // namespace tess
