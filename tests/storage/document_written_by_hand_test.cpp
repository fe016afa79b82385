// A document, its side pictures and a user fur written byte by byte as the
// format lays them out, with a writer of its own (not the program's records):
// the program must open it into the expected record, and saving that record
// must give the same bytes back.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "model/workspace.h"
#include "platform/picture_file.h"
#include "storage/document_file.h"
#include "storage/settings_file.h"
#include "storage/side_files.h"
#include "tests/platform/ascii_picture.h"
#include "tests/storage/document_fixture.h"
#include "tests/storage/temp_home.h"

namespace tess {
namespace {

using testing::Program;
using testing::readBytes;
using testing::TempHome;

// Records appended one after the other: each value little-endian at the start
// of a 128-byte record, the rest zero; a string is a 2-byte length then its
// bytes, given here already in Windows-1252.
class ByHand {
  public:
    ByHand& i16(int v) { return value(std::uint32_t(v), 2); }
    ByHand& i32(long v) { return value(std::uint32_t(v), 4); }
    ByHand& u8(int v) { return value(std::uint32_t(v), 1); }
    ByHand& str(const std::string& cp1252) {
        std::vector<std::uint8_t> r(128, 0);
        r[0] = std::uint8_t(cp1252.size());
        r[1] = std::uint8_t(cp1252.size() >> 8);
        for (std::size_t i = 0; i < cp1252.size(); ++i) r[2 + i] = std::uint8_t(cp1252[i]);
        bytes.insert(bytes.end(), r.begin(), r.end());
        return *this;
    }
    int records() const { return int(bytes.size() / 128); }
    std::vector<std::uint8_t> bytes;

  private:
    ByHand& value(std::uint32_t v, int n) {
        std::vector<std::uint8_t> r(128, 0);
        for (int i = 0; i < n; ++i) r[std::size_t(i)] = std::uint8_t(v >> (8 * i));
        bytes.insert(bytes.end(), r.begin(), r.end());
        return *this;
    }
};

struct PartValues {
    long tincture;
    int seedX, seedY;
    long kind;
    std::string inserted;  // Windows-1252
};

// Écartelé in the Espagnol shape, a Fasce repeated once, a Canton, three
// different lines, arms inserted in part 2, a user fur in part 3, a built-in
// fur in part 4, one picture ("étoile") carried by two charges.
std::vector<std::uint8_t> handDocument(const std::string& furPath,
                                       const std::vector<PartValues>& parts) {
    ByHand d;
    d.i16(14);                  // 1 format
    d.i32(14);                  // 2 partition: écartelé
    d.i16(0);                   // 3 first-order shift
    d.i32(4);                   // 4 shield shape: Espagnol
    d.i16(-1);                  // 5 first-order present
    d.i32(7);                   // 6 first-order Reserved2
    d.str("Fasce");             // 7 first-order name
    d.i32(3);                   // 8 first-order type
    d.i32(8);                   // 9 first-order Reserved1
    d.i16(0);                   // 10 first-order size
    d.i16(-1);                  // 11 second-order present
    d.i32(-5);                  // 12 second-order Reserved2
    d.str("Canton");            // 13
    d.i32(13);                  // 14
    d.i32(9);                   // 15 second-order Reserved1
    d.i16(-1);                  // 16 second-order size: en filet
    d.u8(1);                    // 17 repeat
    d.i16(-1);                  // 18 partition line plumb
    d.i16(0);                   // 19 first-order line plumb
    d.i32(12).i16(20).i16(40);  // 20..22 partition line
    d.i32(13).i16(16).i16(32);  // 23..25 second-order line
    d.i32(11).i16(10).i16(30);  // 26..28 first-order line
    d.i32(5);                   // 29 inset shape: Français
    EXPECT_EQ(d.records(), 29);
    for (const PartValues& p : parts)
        d.i32(p.tincture).i16(p.seedX).i16(p.seedY).i32(p.kind).str(p.inserted);
    EXPECT_EQ(d.records(), 64);
    d.str(furPath).u8(50).i16(5).i16(6);  // slot 0: height 5 before width 6
    for (int s = 1; s <= 3; ++s) d.str("").u8(0).i16(0).i16(0);
    EXPECT_EQ(d.records(), 80);
    d.str("Cont#81").str("\xE9toile").i16(12).i16(10).i32(6).i32(33).str("une \xE9toile");
    d.str("Pic#1").i16(40).i16(50).i16(0).i32(1).i32(22).i16(-1).i16(24).i16(20);
    d.str("Pic#1").i16(150).i16(60).i16(-1).i32(5).i32(33).i16(0).i16(12).i16(10);
    EXPECT_EQ(d.records(), 105);
    d.str("EOF").str("").str("");
    return d.bytes;
}

// A 6 x 5 fur: all Gueules but column 1 in Argent and cell (5, 4) of no
// tincture.
std::vector<std::uint8_t> handFurFile() {
    std::vector<std::uint8_t> f = {3, 0, 5, 0, 6, 0, 50, 0};
    for (int x = 0; x < 6; ++x)
        for (int y = 0; y < 5; ++y) {
            const std::uint8_t t = x == 1 ? 2 : (x == 5 && y == 4 ? 0 : 3);
            f.insert(f.end(), {t, 0, 0, 0});
        }
    EXPECT_EQ(f.size(), 8u + 4u * 30u);
    return f;
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    testing::writeFile(path, std::string(bytes.begin(), bytes.end()));
}

class DocumentWrittenByHand : public ::testing::Test {
  protected:
    DocumentWrittenByHand() : home("DocumentWrittenByHand") {
        std::filesystem::create_directories(home.path("docs"));
        furPath = home.path("docs/hermine rouge.fmp");
        docPath = home.path("docs/main.bls");
        writeBytes(furPath, handFurFile());
        writeBytes(docPath, handDocument(furPath, partsAsWritten()));
        // The picture (figure on black) and its mask (figure black on white), 10 x 12.
        std::vector<std::string> figure, mask;
        for (int y = 0; y < 12; ++y) {
            figure.push_back(y < 2 ? "##########" : "##kkkkkk##");
            mask.push_back(y < 2 ? ".........." : "..######..");
        }
        EXPECT_EQ(savePictureBmp(testing::picture(figure), home.path("docs/mainPx1.hpc")), "");
        EXPECT_EQ(savePictureBmp(testing::picture(mask), home.path("docs/mainPx1.mpc")), "");
        Surface arms(kCanvasWidth, kCanvasHeight, kWhite);
        arms.fill(0x00FF00);
        EXPECT_EQ(savePictureBmp(arms, home.path("docs/mainBx2.hpx")), "");
    }

    std::vector<PartValues> partsAsWritten() const {
        return {{3, 0, 0, 33, "NoBls"},    {2, 0, 0, 34, "  /ailleurs/lion.bls "},
                {116, 0, 0, 116, "NoBls"}, {110, 0, 0, 110, "NoBls"},
                {4, 7, 8, 33, "NoBls"},    {112, 0, 0, 112, "NoBls"},
                {1, 0, 0, 22, "NoBls"}};
    }

    TempHome home;
    std::string furPath, docPath;
};

TEST_F(DocumentWrittenByHand, OpensIntoTheRecordItDescribes) {
    Program p;
    const LoadOutcome opened = LoadDocument(p.ws, p.r, docPath, {});
    ASSERT_TRUE(opened.loaded) << opened.message.text;
    const BlazonRecord& b = p.ws.CurrentBlazon;

    EXPECT_EQ(b.Partition, 14);
    EXPECT_EQ(b.ShieldShape, 4);
    EXPECT_EQ(b.InsetShape, 5);
    EXPECT_EQ(b.Ordinary1.Present, kTrue);
    EXPECT_EQ(b.Ordinary1.Type, 3);
    EXPECT_EQ(b.Ordinary1.Name, "Fasce");
    EXPECT_EQ(b.Ordinary1.Reserved1, 8);
    EXPECT_EQ(b.Ordinary1.Reserved2, 7);
    EXPECT_EQ(b.Ordinary1.Repeat, 1);
    EXPECT_EQ(b.Ordinary1.Shift, 0);
    EXPECT_EQ(b.Ordinary2.Present, kTrue);
    EXPECT_EQ(b.Ordinary2.Type, 13);
    EXPECT_EQ(b.Ordinary2.Name, "Canton");
    EXPECT_EQ(b.Ordinary2.Reserved1, 9);
    EXPECT_EQ(b.Ordinary2.Reserved2, -5);
    EXPECT_EQ(b.Ordinary2.Size, -1);
    EXPECT_EQ(b.Parts[1].Line, (LineStyle{20, 40, 12, kTrue}));
    EXPECT_EQ(b.Parts[5].Line, (LineStyle{16, 32, 13, kFalse}));
    EXPECT_EQ(b.Parts[7].Line, (LineStyle{10, 30, 11, kFalse}));

    EXPECT_EQ(b.Parts[1].Kind, 33);
    EXPECT_EQ(b.Parts[1].Tincture, 3);
    EXPECT_EQ(b.Parts[2].Kind, kClassInserted);
    EXPECT_EQ(b.Parts[2].Tincture, 2);
    EXPECT_EQ(b.Parts[2].InsertedPath, "/ailleurs/lion.bls");
    EXPECT_EQ(b.Parts[3].Kind, 116);
    EXPECT_EQ(b.Parts[3].Tincture, 3) << "a user fur's part shows its dominant tincture";
    EXPECT_EQ(b.Parts[4].Kind, 110);
    EXPECT_EQ(b.Parts[5].Tincture, 4);
    EXPECT_EQ(b.Parts[5].SeedX, 7);
    EXPECT_EQ(b.Parts[5].SeedY, 8);
    EXPECT_EQ(b.Parts[7].Kind, 22);
    for (int k = 1; k <= kPartCount; ++k)
        if (k != 2) {
            EXPECT_EQ(b.Parts[k].InsertedPath, "") << "part " << k;
        }

    const UserFurRecord& fur = b.UserFurs[0];
    EXPECT_EQ(fur.Path, furPath);
    EXPECT_EQ(fur.VerticalOffset, 50);
    EXPECT_EQ(fur.TileHeight, 5);
    EXPECT_EQ(fur.TileWidth, 6);
    EXPECT_EQ(fur.DominantTincture, 3);
    EXPECT_EQ(fur.Phrase, "De Gueules semé de hermine rouge");
    // The tile in the current colours: Argent column, Gueules cells, the cell
    // of no tincture left as the new tile has it.
    const Surface& tile = p.r.UserFurTiles[0];
    ASSERT_EQ(tile.width(), 6);
    ASSERT_EQ(tile.height(), 5);
    EXPECT_EQ(tile.pixel(0, 0), Colour(p.ws.Tinctures[3].Colour));
    EXPECT_EQ(tile.pixel(1, 3), Colour(p.ws.Tinctures[2].Colour));
    EXPECT_EQ(tile.pixel(5, 4), kBlack);
    for (int s = 1; s < kUserFurCount; ++s) EXPECT_EQ(b.UserFurs[s].Path, "");

    EXPECT_EQ(p.ws.Bank[1].InUse, kTrue);
    EXPECT_EQ(p.ws.Bank[1].DisplayName, "étoile");
    EXPECT_EQ(p.ws.Bank[1].Phrase, "une étoile");
    EXPECT_EQ(p.ws.Bank[1].Width, 10);
    EXPECT_EQ(p.ws.Bank[1].Height, 12);
    EXPECT_EQ(p.ws.Bank[1].OwnTincture, 6);
    EXPECT_EQ(p.ws.Bank[1].OwnClass, 33);
    EXPECT_EQ(p.ws.Bank[2].InUse, 0);

    const ChargeRecord& c1 = b.Charges[1];
    EXPECT_EQ(c1.InUse, kTrue);
    EXPECT_EQ(c1.ImageIndex, 1);
    EXPECT_EQ(c1.X, 40);
    EXPECT_EQ(c1.Y, 50);
    EXPECT_EQ(c1.Brochant, 0);
    EXPECT_EQ(c1.Tincture, 1);
    EXPECT_EQ(c1.Class, 22);
    EXPECT_EQ(c1.Mirrored, kTrue);
    EXPECT_EQ(c1.Height, 24);
    EXPECT_EQ(c1.Width, 20);
    const ChargeRecord& c2 = b.Charges[2];
    EXPECT_EQ(c2.InUse, kTrue);
    EXPECT_EQ(c2.ImageIndex, 1);
    EXPECT_EQ(c2.X, 150);
    EXPECT_EQ(c2.Brochant, kTrue);
    EXPECT_EQ(c2.Tincture, 5);
    EXPECT_EQ(c2.Width, 10);
    EXPECT_EQ(b.Charges[3].InUse, 0);

    EXPECT_EQ(b.FilePath, docPath);
    EXPECT_EQ(b.Folder, home.path("docs") + "/");
    EXPECT_FALSE(p.ws.Modified);
    EXPECT_EQ(p.ws.Recent.RecentFiles[1], docPath);
    // Every undo slot holds the opened document (as read, before the redraw
    // derived its seeds and placements).
    for (int u = 1; u <= kUndoDepth; ++u) {
        EXPECT_EQ(p.ws.Undos[u], p.ws.Undos[1]) << "undo slot " << u;
        EXPECT_EQ(p.ws.Undos[u].Charges[2].X, 150) << "undo slot " << u;
        EXPECT_EQ(p.ws.Undos[u].Parts[2].InsertedPath, "/ailleurs/lion.bls") << "undo slot " << u;
    }
    EXPECT_EQ(p.r.InsertedPictures[2].pixel(100, 100), Colour(0x00FF00));
}

TEST_F(DocumentWrittenByHand, SavingItGivesTheSameBytesBack) {
    Program p;
    ASSERT_TRUE(LoadDocument(p.ws, p.r, docPath, {}).loaded);
    const std::string copy = home.path("docs/copie.bls");
    const SaveOutcome saved = SaveDocument(p.ws, p.r, copy);
    ASSERT_TRUE(saved.saved) << saved.message.text;

    // What a save changes by design: the seeds of the field parts (written by
    // every redraw), the user fur's part holding its dominant tincture, the
    // inserted path trimmed.
    std::vector<PartValues> parts = partsAsWritten();
    for (int k = 1; k <= 4; ++k) {
        parts[std::size_t(k - 1)].seedX = p.ws.CurrentBlazon.Parts[k].SeedX;
        parts[std::size_t(k - 1)].seedY = p.ws.CurrentBlazon.Parts[k].SeedY;
    }
    parts[1].inserted = "/ailleurs/lion.bls";
    parts[2].tincture = 3;
    const std::vector<std::uint8_t> expected = handDocument(furPath, parts);
    const std::vector<std::uint8_t> written = readBytes(copy);
    ASSERT_EQ(written.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(int(written[i]), int(expected[i]))
            << "record " << i / 128 + 1 << ", byte " << i % 128;

    for (const char* side :
         {"copie.blz", "copie.blx", "copiePx1.hpc", "copiePx1.mpc", "copieBx2.hpx"})
        EXPECT_TRUE(std::filesystem::exists(home.path(std::string("docs/") + side))) << side;
    EXPECT_FALSE(std::filesystem::exists(home.path("docs/copiePx2.hpc")));
    const auto mask = loadPicture(home.path("docs/copiePx1.mpc"));
    ASSERT_TRUE(mask);
    EXPECT_EQ(mask->width(), 10);
    EXPECT_EQ(mask->height(), 12);
    EXPECT_EQ(mask->pixel(0, 0), kWhite);
    EXPECT_EQ(mask->pixel(4, 6), kBlack);
}

TEST(SettingsWrittenByHand, EightStringRecordsAndNothingElse) {
    TempHome home("SettingsWrittenByHand");
    Settings settings;
    settings.RecentFiles[1] = "/blasons/Lion.bls";
    settings.RecentFiles[2] = "/blasons/Aigle écartelé.bls";
    settings.LastDocFolder = "/blasons/";
    settings.LastFurFolder = "/fourrures/";
    ASSERT_EQ(SaveSettingsFile(settings), "");
    ByHand expected;
    expected.str("/blasons/Lion.bls")
        .str(
            "/blasons/Aigle \xE9"
            "cartel\xE9.bls");
    expected.str("############").str("############");
    expected.str("/blasons/").str("").str("/fourrures/").str("");
    EXPECT_EQ(readBytes(home.path("QRX.inf")), expected.bytes);

    // Read back from those bytes: free entries are empty again.
    Settings back;
    back.LastImageFolder = "/avant/";
    LoadSettingsFile(back);
    EXPECT_EQ(back.RecentFiles, settings.RecentFiles);
    EXPECT_EQ(back.LastDocFolder, "/blasons/");
    EXPECT_EQ(back.LastImageFolder, "");
    EXPECT_EQ(back.LastFurFolder, "/fourrures/");
}

}  // namespace
}  // namespace tess
