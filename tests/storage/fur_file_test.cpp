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
TEST(FurFile, TheTableRunsColumnByColumn) {
    // clang-format off
    const Surface tile = testing::picture({"yrb..",
                                           "#....",
                                           ".....",
                                           "....k",
                                           ".....",
                                           "....."});
    // 5 wide, 6 high, as the header says it: height first.
    const auto bytes = encodeFurFile(tile, 5, 6, 25, FactoryTinctures());
    EXPECT_EQ(bytes, testing::furFileBytes({"13422",
                                            "62222",
                                            "22222",
                                            "22220",
                                            "22222",
                                            "22222"}, 25));
    // clang-format on
    const auto header = readFurFileHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Format, 3);
    EXPECT_EQ(header->TileHeight, 6);
    EXPECT_EQ(header->TileWidth, 5);
    EXPECT_EQ(header->RowShift, 25);
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
