#include <gtest/gtest.h>

#include "model/tincture_table.h"
#include "platform/ascii_picture.h"
#include "platform/picture_file.h"
#include "storage/fur_file.h"
#include "storage/user_fur_tile.h"
#include "tests/storage/fur_file_bytes.h"
#include "tests/storage/temp_home.h"

namespace tess {
namespace {

using testing::readBytes;

// The editor's palette paints the factory colours: 'y' Or, '.' Argent,
// 'r' Gueules, 'b' Azur, '#' Sable; 'k' grey is no tincture.
Surface tileOf(const std::vector<std::string>& rows) {
    return testing::picture(rows);
}

TEST(FurFile, TheTableRunsColumnByColumn) {
    const TinctureTable tinctures = FactoryTinctures();
    // clang-format off
    const Surface tile = tileOf({"yrb..",
                                 "#....",
                                 ".....",
                                 "....k",
                                 ".....",
                                 "....."});
    // clang-format on
    // 5 wide, 6 high, as the header says it: height first.
    const auto bytes = encodeFurFile(tile, 5, 6, 25, tinctures);
    // clang-format off
    EXPECT_EQ(bytes, testing::furFileBytes({"13422",
                                            "62222",
                                            "22222",
                                            "22220",
                                            "22222",
                                            "22222"}, 25));
    // clang-format on
    ASSERT_EQ(bytes.size(), 8u + 4 * 5 * 6);
    const auto header = readFurFileHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Format, 3);
    EXPECT_EQ(header->TileHeight, 6);
    EXPECT_EQ(header->TileWidth, 5);
    EXPECT_EQ(header->RowShift, 25);
    // Cell (1, 0) of a 6-high tile lies at byte 8 + 4 * 6.
    EXPECT_EQ(bytes[8 + 4 * 6], 3);
    EXPECT_EQ(bytes[8 + 4 * 1], 6);            // (0, 1): Sable
    EXPECT_EQ(bytes[8 + 4 * 2], 2);            // (0, 2): Argent, the untouched white
    EXPECT_EQ(bytes[8 + 4 * (4 * 6 + 3)], 0);  // (4, 3): grey is no tincture
    // What the document loader reads back paints the same tincture colours.
    const Surface back = readUserFurTile(bytes, 5, 6, tinctures);
    EXPECT_EQ(back.pixel(2, 0), Colour(tinctures[4].Colour));
    EXPECT_EQ(back.pixel(0, 1), Colour(tinctures[6].Colour));
}

TEST(FurFile, SizesOfTheSmallestAndLargestTiles) {
    const TinctureTable tinctures = FactoryTinctures();
    const Surface white(32, 32, kWhite);
    EXPECT_EQ(encodeFurFile(white, 5, 5, 0, tinctures).size(), 108u);
    EXPECT_EQ(encodeFurFile(white, 32, 32, 0, tinctures).size(), 4104u);
    EXPECT_FALSE(readFurFileHeader({3, 0, 5, 0, 5}));
}

TEST(FurFile, TheBitmapLiesBesideTheFurFile) {
    EXPECT_EQ(furBitmapFile("/f/mine.fmp"), "/f/mine.fmx");
    EXPECT_EQ(furBitmapFile("/f/motif"), "/f/motix");
}

TEST(FurFile, SavingWritesBothFilesWhole) {
    testing::TempHome home("fur-save");
    const TinctureTable tinctures = FactoryTinctures();
    Surface surface(32, 32, kWhite);
    surface.setPixel(1, 0, 0x0000FF);
    const std::string path = home.path("semé.fmp");
    // Over a larger old fur: the new file is exactly the new fur.
    testing::writeFile(path, std::string(4104, '\1'));
    ASSERT_EQ(SaveFurFiles(path, surface, 5, 5, 50, tinctures), "");
    EXPECT_EQ(readBytes(path), encodeFurFile(surface, 5, 5, 50, tinctures));
    const auto bitmap = loadPicture(home.path("semé.fmx"));
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(*bitmap == surface);
}

}  // namespace
}  // namespace tess
