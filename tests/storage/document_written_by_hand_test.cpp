// A document, its side pictures and a user fur written byte by byte as the
// format lays them out, with a writer of its own (not the program's records):
// the program must open it into the expected record, and saving that record
// must give the same bytes back. Every value differs from its neighbours so
// that a field read from or written to the wrong record shows.

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/document_layout.h"
#include "storage/side_files.h"
#include "tests/platform/ascii_picture.h"
#include "tests/storage/document_fixture.h"
#include "tests/storage/record_bytes.h"

namespace tess {
namespace {

using testing::HandRecords;
using testing::Program;
using testing::readBytes;

struct PartValues {
    long tincture;
    int seedX, seedY;
    long kind;
    std::string inserted;  // Windows-1252
};

// Écartelé in the Espagnol shape, a Fasce diminuée repeated once, a Canton en
// filet, three different lines, arms inserted in part 2, user fur 2 in part 3,
// a built-in fur in part 4, one picture ("étoile") carried by two charges.
std::vector<std::uint8_t> handDocument(const std::string& furPath,
                                       const std::vector<PartValues>& parts) {
    HandRecords d;
    d.i16(14).i32(14).i16(0).i32(4);                 // format, partition, shift, shape
    d.i16(-1).i32(7).str("Fasce").i32(3).i32(8);     // 5..9 first order: present .. Reserved1
    d.i16(29);                                       // 10 its size
    d.i16(-1).i32(-5).str("Canton").i32(13).i32(9);  // 11..15 second order
    d.i16(-1).u8(1);                                 // 16 its size, 17 repeat
    d.i16(-1).i16(0);                                // 18, 19 plumb of partition, first order
    d.i32(12).i16(20).i16(40);                       // 20..22 partition line
    d.i32(13).i16(16).i16(32);                       // 23..25 second-order line
    d.i32(11).i16(10).i16(30);                       // 26..28 first-order line
    d.i32(5);                                        // 29 inset shape: Français
    for (const PartValues& p : parts)
        d.i32(p.tincture).i16(p.seedX).i16(p.seedY).i32(p.kind).str(p.inserted);
    for (int s = 0; s <= 3; ++s) {
        if (s == 2)
            d.str(furPath).u8(50).i16(5).i16(6);  // height 5 before width 6
        else
            d.str("").u8(0).i16(0).i16(0);
    }
    EXPECT_EQ(d.records(), 80);
    d.str("Cont#81").str("\xE9toile").i16(12).i16(10).i32(6).i32(33).str("une \xE9toile");
    d.str("Pic#1").i16(40).i16(50).i16(0).i32(1).i32(22).i16(-1).i16(24).i16(20);
    d.str("Pic#1").i16(150).i16(60).i16(-1).i32(5).i32(33).i16(0).i16(12).i16(10);
    d.str("EOF").str("").str("");
    return d.bytes;
}

const std::vector<PartValues> kPartsAsWritten = {
    {3, 0, 0, 33, "NoBls"},    {2, 0, 0, 34, "  /ailleurs/lion.bls "},
    {118, 0, 0, 118, "NoBls"}, {110, 0, 0, 110, "NoBls"},
    {4, 7, 8, 33, "NoBls"},    {112, 0, 0, 112, "NoBls"},
    {1, 0, 0, 22, "NoBls"}};

class DocumentWrittenByHand : public testing::ScratchFolder {
  protected:
    DocumentWrittenByHand() : ScratchFolder(true) {
        furPath = file("docs/hermine rouge.fmp");
        docPath = file("docs/main.bls");
        // A 6 x 5 fur: all Gueules but column 1 in Argent and cell (5, 4) of no tincture.
        testing::writeBytes(
            furPath, testing::furFileBytes({"323333", "323333", "323333", "323333", "32333."}, 50));
        testing::writeBytes(docPath, handDocument(furPath, kPartsAsWritten));
        // The picture (figure on black) and its mask (figure black on white), 10 x 12.
        std::vector<std::string> figure, mask;
        for (int y = 0; y < 12; ++y) {
            figure.push_back(y < 2 ? "##########" : "##kkkkkk##");
            mask.push_back(y < 2 ? ".........." : "..######..");
        }
        EXPECT_EQ(savePictureBmp(testing::picture(figure), file("docs/mainPx1.hpc")), "");
        EXPECT_EQ(savePictureBmp(testing::picture(mask), file("docs/mainPx1.mpc")), "");
        Surface arms(kCanvasWidth, kCanvasHeight, kWhite);
        arms.fill(0x00FF00);
        EXPECT_EQ(savePictureBmp(arms, file("docs/mainBx2.hpx")), "");
    }

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
    EXPECT_EQ(b.Ordinary1, (OrdinaryRecord{kTrue, 3, 8, 7, "Fasce", 29, 1, 0}));
    EXPECT_EQ(b.Ordinary2, (OrdinaryRecord{kTrue, 13, 9, -5, "Canton", -1, 0, 0}));
    EXPECT_EQ(b.Parts[1].Line, (LineStyle{20, 40, 12, kTrue}));
    EXPECT_EQ(b.Parts[5].Line, (LineStyle{16, 32, 13, kFalse}));
    EXPECT_EQ(b.Parts[7].Line, (LineStyle{10, 30, 11, kFalse}));

    // Every undo slot holds the opened document as read, before the redraw
    // derived its seeds and placements.
    for (int u = 1; u <= kUndoDepth; ++u) EXPECT_EQ(p.ws.Undos[u], p.ws.Undos[1]) << u;
    for (int k = 1; k <= kPartCount; ++k) {
        SCOPED_TRACE("part " + std::to_string(k));
        const PartRecord& read = p.ws.Undos[1].Parts[k];
        const PartValues& written = kPartsAsWritten[std::size_t(k - 1)];
        EXPECT_EQ(read.Kind, written.kind);
        EXPECT_EQ(read.Tincture, written.tincture);
        EXPECT_EQ(read.SeedX, written.seedX);
        EXPECT_EQ(read.SeedY, written.seedY);
        EXPECT_EQ(read.InsertedPath, k == 2 ? "/ailleurs/lion.bls" : "");
    }

    EXPECT_EQ(b.Parts[3].Tincture, 3) << "a user fur's part shows its dominant tincture";
    EXPECT_EQ(b.UserFurs[2],
              (UserFurRecord{furPath, 50, 6, 5, "De Gueules semé de hermine rouge", 3}));
    for (int s : {0, 1, 3}) EXPECT_EQ(b.UserFurs[s].Path, "");
    // The tile in the current colours; the cell of no tincture left as a new tile has it.
    const Surface& tile = p.r.UserFurTiles[2];
    ASSERT_EQ(tile.width(), 6);
    ASSERT_EQ(tile.height(), 5);
    EXPECT_EQ(tile.pixel(0, 0), Colour(p.ws.Tinctures[3].Colour));
    EXPECT_EQ(tile.pixel(1, 3), Colour(p.ws.Tinctures[2].Colour));
    EXPECT_EQ(tile.pixel(5, 4), kBlack);

    // The bank takes the picture's size from its side file; the entry's own is read all the same.
    const StoredDocument stored = decodeDocument(readBytes(docPath), BlazonRecord{});
    EXPECT_EQ(stored.Images, (std::vector<StoredImage>{{"étoile", 12, 10, 6, 33, "une étoile"}}));
    const ImageBankEntry& image = p.ws.Bank[1];
    EXPECT_EQ(image.InUse, kTrue);
    EXPECT_EQ(image.DisplayName, "étoile");
    EXPECT_EQ(image.Phrase, "une étoile");
    EXPECT_EQ(image.Width, 10);
    EXPECT_EQ(image.Height, 12);
    EXPECT_EQ(image.OwnTincture, 6);
    EXPECT_EQ(image.OwnClass, 33);
    EXPECT_EQ(p.ws.Bank[2].InUse, 0);
    // In use, X, Y, width, height, picture slot, tincture, class, mirrored, brochant.
    const auto charge = [&](int n) {
        const ChargeRecord& c = p.ws.Undos[1].Charges[n];
        return std::vector<long>{c.InUse,      c.X,        c.Y,     c.Width,    c.Height,
                                 c.ImageIndex, c.Tincture, c.Class, c.Mirrored, c.Brochant};
    };
    EXPECT_EQ(charge(1), (std::vector<long>{kTrue, 40, 50, 20, 24, 1, 1, 22, kTrue, 0}));
    EXPECT_EQ(charge(2), (std::vector<long>{kTrue, 150, 60, 10, 12, 1, 5, 33, 0, kTrue}));
    EXPECT_EQ(b.Charges[3].InUse, 0);

    EXPECT_EQ(b.FilePath, docPath);
    EXPECT_EQ(b.Folder, file("docs") + "/");
    EXPECT_FALSE(p.ws.Modified);
    EXPECT_EQ(p.ws.Recent.RecentFiles[1], docPath);
    EXPECT_EQ(p.r.InsertedPictures[2].pixel(100, 100), Colour(0x00FF00));
}

TEST_F(DocumentWrittenByHand, SavingItGivesTheSameBytesBack) {
    Program p;
    ASSERT_TRUE(LoadDocument(p.ws, p.r, docPath, {}).loaded);
    const std::string copy = file("docs/copie.bls");
    const SaveOutcome saved = SaveDocument(p.ws, p.r, copy);
    ASSERT_TRUE(saved.saved) << saved.message.text;

    // What a save changes by design: the seeds of the field parts (written by
    // every redraw), the user fur's part holding its dominant tincture, the
    // inserted path trimmed.
    std::vector<PartValues> parts = kPartsAsWritten;
    for (int k = 1; k <= 4; ++k) {
        parts[std::size_t(k - 1)].seedX = p.ws.CurrentBlazon.Parts[k].SeedX;
        parts[std::size_t(k - 1)].seedY = p.ws.CurrentBlazon.Parts[k].SeedY;
    }
    parts[1].inserted = "/ailleurs/lion.bls";
    parts[2].tincture = 3;
    testing::expectSameRecords(readBytes(copy), handDocument(furPath, parts));

    for (const char* side : {"copie.blz", "copie.blx", "copiePx1.hpc", "copieBx2.hpx"})
        EXPECT_TRUE(std::filesystem::exists(file(std::string("docs/") + side))) << side;
    EXPECT_FALSE(std::filesystem::exists(file("docs/copiePx2.hpc")));
    const auto mask = loadPicture(file("docs/copiePx1.mpc"));
    ASSERT_TRUE(mask);
    EXPECT_EQ(mask->width(), 10);
    EXPECT_EQ(mask->height(), 12);
    EXPECT_EQ(mask->pixel(0, 0), kWhite);
    EXPECT_EQ(mask->pixel(4, 6), kBlack);
}

}  // namespace
}  // namespace tess
