#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/tincture_table.h"
#include "platform/ascii_picture.h"
#include "platform/picture_file.h"
#include "storage/error_numbers.h"
#include "storage/fur_file.h"
#include "storage/user_fur_tile.h"
#include "tests/storage/files.h"
#include "tests/storage/fur_file_bytes.h"
#include "tests/support/permissions_enforced.h"
#include "tests/support/scratch_folder.h"

namespace tess {
namespace {

using testing::furFileBytes;
using testing::readBytes;

TEST(UserFurTile, CellsAreReadColumnByColumnInTheCurrentColours) {
    TinctureTable tinctures = FactoryTinctures();
    tinctures[3].Colour = 0x123456;  // an adjusted Gueules
    const auto file = furFileBytes({"123", "4b.", "632"}, 0);
    const Surface tile = readUserFurTile(file, 3, 3, tinctures);
    EXPECT_EQ(tile.pixel(0, 0), tinctures[1].Colour);
    EXPECT_EQ(tile.pixel(1, 0), tinctures[2].Colour);
    EXPECT_EQ(tile.pixel(2, 0), 0x123456u);
    EXPECT_EQ(tile.pixel(0, 1), tinctures[4].Colour);
    EXPECT_EQ(tile.pixel(1, 1), tinctures[11].Colour);
    EXPECT_EQ(tile.pixel(2, 1), kBlack);  // cell 0: no tincture
    EXPECT_EQ(tile.pixel(0, 2), tinctures[6].Colour);
}

TEST(UserFurTile, ShortFilesAndStrangeCellsLeaveTheirPixels) {
    const TinctureTable tinctures = FactoryTinctures();
    auto file = furFileBytes({"55", "55"}, 0);
    file[8] = 12;                // cell (0,0): no tincture has number 12
    file.resize(8 + 4 * 3 + 2);  // cell (1,1), the last, cut in the middle
    const Surface tile = readUserFurTile(file, 2, 2, tinctures);
    EXPECT_EQ(tile.pixel(0, 0), kBlack);
    EXPECT_EQ(tile.pixel(0, 1), tinctures[5].Colour);
    EXPECT_EQ(tile.pixel(1, 0), tinctures[5].Colour);
    EXPECT_EQ(tile.pixel(1, 1), kBlack);
    // A document asking for a larger tile than the file holds reads what there is.
    const Surface large = readUserFurTile(furFileBytes({"1"}, 0), 4, 4, tinctures);
    EXPECT_EQ(large.pixel(0, 0), tinctures[1].Colour);
    EXPECT_EQ(large.pixel(3, 3), kBlack);
}

// Tile of width `w`, height 2: column x holds colour x + 1, so a pixel tells
// which column of the tile lies there.
Surface columnTile(int w, int h = 2) {
    Surface tile(w, h, kBlack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) tile.row(y)[x] = Colour(x + 1);
    return tile;
}

// The tile column shown at the left edge of each tile row.
std::vector<int> leftColumns(const Surface& area, int h, int rows) {
    std::vector<int> columns;
    for (int row = 0; row < rows; ++row) columns.push_back(int(area.pixel(0, row * h)) - 1);
    return columns;
}

TEST(UserFurTile, RowsShiftLeftByTheRoundedRunningOffset) {
    // Shift 0: every row starts with the tile's first column.
    EXPECT_EQ(leftColumns(tileUserFur(columnTile(20), 0), 2, 4), (std::vector<int>{0, 0, 0, 0}));
    // Shift 50 on a 20-wide tile: offsets 0, 10, 20, 30 (columns 0, 10, 0, 10).
    EXPECT_EQ(leftColumns(tileUserFur(columnTile(20), 50), 2, 4), (std::vector<int>{0, 10, 0, 10}));
    // Shift 25 on a 10-wide tile: 2.5 per row, rounded half to even each row:
    // 0, 2, 4, 6, 8.
    EXPECT_EQ(leftColumns(tileUserFur(columnTile(10), 25), 2, 5),
              (std::vector<int>{0, 2, 4, 6, 8}));
}

// Every pixel of the area is one of the tile's columns (1..w), none left as it was.
TEST(UserFurTile, TheWholeAreaIsCoveredWhateverTheShift) {
    for (int w : {1, 5, 13, 32, 64})
        for (int shift : {0, 5, 33, 40, 95, 255}) {
            const Surface area = tileUserFur(columnTile(w, 3), shift);
            ASSERT_EQ(area.width(), 265);
            ASSERT_EQ(area.height(), 340);
            for (int y = 0; y < 340; ++y)
                for (int x = 0; x < 265; ++x) {
                    const Colour c = area.pixel(x, y);
                    ASSERT_TRUE(c >= 1 && c <= Colour(w))
                        << w << " " << shift << " " << x << "," << y;
                }
        }
}

TEST(UserFurTile, TileSizesOutsideTheDrawableRangeAreRefused) {
    EXPECT_TRUE(isDrawableFurTile(1, 1));
    EXPECT_TRUE(isDrawableFurTile(32, 5));
    EXPECT_FALSE(isDrawableFurTile(0, 20));
    EXPECT_FALSE(isDrawableFurTile(20, -4));
    EXPECT_FALSE(isDrawableFurTile(30000, 30000));
}

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
    EXPECT_FALSE(readFurFileHeader({3, 0, 5, 0, 5}));  // cut inside the header
    EXPECT_EQ(encodeFurFile(Surface(32, 32, kWhite), 32, 32, 0, FactoryTinctures()).size(),
              8u + 4 * 32 * 32);  // the largest tile is kept whole
}

class FurFileOnDisk : public testing::ScratchFolder {};

TEST_F(FurFileOnDisk, AFreshTileIsStoredAsArgentCellByCell) {
    Surface fresh(32, 32, kWhite);
    fresh.clear();
    const std::string path = file("motif");
    ASSERT_EQ(SaveFurFiles(path, fresh, 5, 5, 40, FactoryTinctures()), "");
    std::vector<std::uint8_t> expected = {3, 0, 5, 0, 5, 0, 40, 0};
    for (int cell = 0; cell < 25; ++cell) expected.insert(expected.end(), {2, 0, 0, 0});
    EXPECT_EQ(readBytes(path), expected);
    // A path without extension: the bitmap is "motix", the whole surface.
    const auto bitmap = loadPicture(file("motix"));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), 32);
}

// The editor's palette paints factory colours: a tincture whose current colour
// was set to another's factory colour does not take over what was painted.
TEST(FurFile, CellsAreMatchedToFactoryColoursFirst) {
    TinctureTable tinctures = FactoryTinctures();
    tinctures[3].Colour = 0x000080;  // Gueules shown in Sanguine's factory colour
    Surface tile(5, 5, 0x000080);
    tile.clear();
    tile.setPixel(0, 0, 0x0000FF);  // Gueules' factory colour
    const auto bytes = encodeFurFile(tile, 5, 5, 0, tinctures);
    EXPECT_EQ(bytes[8], 3);
    EXPECT_EQ(bytes[12], 8);
}

TEST_F(FurFileOnDisk, AFailedSaveLeavesTheOldPairWhole) {
    const TinctureTable tinctures = FactoryTinctures();
    Surface surface(32, 32, kWhite);
    surface.clear();
    const std::string path = file("hermine.fmp");
    ASSERT_EQ(SaveFurFiles(path, surface, 6, 6, 0, tinctures), "");
    const auto oldFur = readBytes(path);
    const auto oldBitmap = readBytes(file("hermine.fmx"));
    surface.setPixel(0, 0, 0x0000FF);

    // The bitmap cannot be replaced: the fur file is not touched either.
    std::filesystem::create_directories(file("semis.fmx"));
    testing::writeFile(file("semis.fmp"), "ancienne");
    EXPECT_NE(SaveFurFiles(file("semis.fmp"), surface, 5, 5, 0, tinctures), "");
    EXPECT_EQ(testing::readFile(file("semis.fmp")), "ancienne");
    {
        const testing::PermissionsEnforced asAnyUser;
        ASSERT_TRUE(asAnyUser.enforced());
        std::filesystem::permissions(
            folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        int number = 0;
        EXPECT_NE(SaveFurFiles(path, surface, 5, 5, 0, tinctures, &number), "");
        EXPECT_EQ(number, kPermissionDeniedError);
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    }
    EXPECT_EQ(readBytes(path), oldFur);
    EXPECT_EQ(readBytes(file("hermine.fmx")), oldBitmap);
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);
}

// What the editor refuses to open, each with a French reason, and what it takes.
TEST_F(FurFileOnDisk, OpeningChecksTheHeader) {
    auto header = [](int h, int w, int shift) {
        return std::vector<std::uint8_t>{
            3, 0, std::uint8_t(h), 0, std::uint8_t(w), 0, std::uint8_t(shift), 0};
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool opens;
    } cases[] = {
        {"court.fmp", {3, 0, 5, 0, 5}, false},
        {"vide.fmp", {}, false},
        {"petit.fmp", header(4, 20, 0), false},
        {"large.fmp", header(20, 33, 0), false},
        {"decale.fmp", header(20, 20, 100), false},
        {"bornes.fmp", header(5, 32, 99), true},
        // The format number is never tested, nor the table's length.
        {"format.fmp", {9, 9, 32, 0, 5, 0, 0, 0}, true},
    };
    for (const auto& c : cases) {
        testing::writeBytes(file(c.name), c.bytes);
        const FurFileOpening opening = OpenFurFileHeader(file(c.name));
        EXPECT_EQ(bool(opening.header), c.opens) << c.name;
        EXPECT_EQ(opening.error.empty(), c.opens) << c.name;
        if (!c.opens) {
            EXPECT_NE(opening.error.find(c.name), std::string::npos) << opening.error;
        }
    }
    EXPECT_EQ(OpenFurFileHeader(file("bornes.fmp")).header->TileWidth, 32);
    EXPECT_FALSE(OpenFurFileHeader(file("absente.fmp")).header);
}

TEST_F(FurFileOnDisk, SavingWritesBothFilesWhole) {
    const TinctureTable tinctures = FactoryTinctures();
    Surface surface(32, 32, kWhite);
    surface.setPixel(1, 0, 0x0000FF);
    const std::string path = file("semé.fmp");
    // Over a larger old fur: the new file is exactly the new fur.
    testing::writeFile(path, std::string(4104, '\1'));
    ASSERT_EQ(SaveFurFiles(path, surface, 5, 5, 50, tinctures), "");
    EXPECT_EQ(readBytes(path), encodeFurFile(surface, 5, 5, 50, tinctures));
    const auto bitmap = loadPicture(file("semé.fmx"));
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(*bitmap == surface);
    // The name a fur is saved under, known again by its last letters "fmp".
    const std::pair<const char*, const char*> names[] = {{"motif", "motif.fmp"},
                                                         {"motif.fmp", "motif.fmp"},
                                                         {"motif.FMP", "motif.FMP.fmp"},
                                                         {"motiffmp", "motiffmp.fmp"}};
    for (const auto& [typed, saved] : names) EXPECT_EQ(withFurExtension(typed), saved);
}

}  // namespace
}  // namespace tess
