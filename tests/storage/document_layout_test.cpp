#include <gtest/gtest.h>

#include <string>

#include "model/document.h"
#include "model/workspace.h"
#include "storage/document_layout.h"
#include "tests/storage/record_bytes.h"

namespace tess {
namespace {

using testing::HandRecords;
using testing::storedInteger;
using testing::storedLong;
using testing::storedString;

BlazonRecord resetRecord() {
    static const BlazonRecord blank = [] {
        Workspace ws;
        ResetDocument(ws);
        return ws.CurrentBlazon;
    }();
    return blank;
}

int recordCount(const std::vector<std::uint8_t>& bytes) {
    return int(bytes.size() / 128);
}

// A record with every stored field set to a value of its own.
BlazonRecord everyFieldSet() {
    BlazonRecord b = resetRecord();
    b.Partition = 22;
    b.ShieldShape = 4;
    b.InsetShape = 6;
    b.Ordinary1 = {kTrue, 9, 123456, -77, "Écusson", 1, 2, -1};
    b.Ordinary2.Present = kTrue;
    b.Ordinary2.Type = 21;
    b.Ordinary2.Reserved1 = 5;
    b.Ordinary2.Reserved2 = 6;
    b.Ordinary2.Name = "Sautoir";
    b.Ordinary2.Size = -1;
    b.Parts[1].Line = {30, 60, 12, kTrue};
    b.Parts[5].Line = {20, 40, 14, kFalse};
    b.Parts[7].Line = {15, 90, 17, kTrue};
    for (int k = 1; k <= kPartCount; ++k) {
        b.Parts[k].Tincture = k + 1;
        b.Parts[k].Kind = k % 2 ? kClassColour : kClassMetal;
        b.Parts[k].SeedX = Integer(10 * k);
        b.Parts[k].SeedY = Integer(-3 * k);
    }
    b.Parts[2].Kind = kClassInserted;
    b.Parts[2].InsertedPath = "/home/héraut/Blasons/Lion d'or.bls";
    b.Parts[7].InsertedPath = "/tmp/écu.bls";
    b.UserFurs[1] = {"/home/héraut/semé.fmp", 35, 12, 9, "", 0};
    b.UserFurs[3] = {"/f.fmp", 95, 32, 5, "", 0};
    return b;
}

// The fields a document keeps, compared one by one so a failure names the field.
void expectStoredFieldsEqual(const BlazonRecord& a, const BlazonRecord& b) {
    EXPECT_EQ(a.Partition, b.Partition);
    EXPECT_EQ(a.ShieldShape, b.ShieldShape);
    EXPECT_EQ(a.InsetShape, b.InsetShape);
    EXPECT_EQ(a.Ordinary1, b.Ordinary1);
    EXPECT_EQ(a.Ordinary2.Present, b.Ordinary2.Present);
    EXPECT_EQ(a.Ordinary2.Type, b.Ordinary2.Type);
    EXPECT_EQ(a.Ordinary2.Name, b.Ordinary2.Name);
    EXPECT_EQ(a.Ordinary2.Size, b.Ordinary2.Size);
    EXPECT_EQ(a.Ordinary2.Reserved1, b.Ordinary2.Reserved1);
    EXPECT_EQ(a.Ordinary2.Reserved2, b.Ordinary2.Reserved2);
    for (int k = 1; k <= kPartCount; ++k) {
        SCOPED_TRACE("part " + std::to_string(k));
        EXPECT_EQ(a.Parts[k].Tincture, b.Parts[k].Tincture);
        EXPECT_EQ(a.Parts[k].Kind, b.Parts[k].Kind);
        EXPECT_EQ(a.Parts[k].SeedX, b.Parts[k].SeedX);
        EXPECT_EQ(a.Parts[k].SeedY, b.Parts[k].SeedY);
        EXPECT_EQ(a.Parts[k].InsertedPath, b.Parts[k].InsertedPath);
    }
    for (int k : {1, 7}) EXPECT_EQ(a.Parts[k].Line, b.Parts[k].Line);
    EXPECT_EQ(a.Parts[5].Line.LineKind, b.Parts[5].Line.LineKind);
    EXPECT_EQ(a.Parts[5].Line.Depth, b.Parts[5].Line.Depth);
    EXPECT_EQ(a.Parts[5].Line.Width, b.Parts[5].Line.Width);
    for (int s = 0; s < kUserFurCount; ++s) {
        EXPECT_EQ(a.UserFurs[s].Path, b.UserFurs[s].Path);
        EXPECT_EQ(a.UserFurs[s].VerticalOffset, b.UserFurs[s].VerticalOffset);
        EXPECT_EQ(a.UserFurs[s].TileWidth, b.UserFurs[s].TileWidth);
        EXPECT_EQ(a.UserFurs[s].TileHeight, b.UserFurs[s].TileHeight);
    }
}

TEST(DocumentLayout, BlankDocumentIsEightyRecordsAndTheTrailer) {
    const EncodedDocument encoded = encodeDocument({resetRecord(), {}, {}});
    ASSERT_TRUE(encoded.ok()) << encoded.error;
    const auto& bytes = encoded.bytes;
    ASSERT_EQ(recordCount(bytes), 83);
    EXPECT_EQ(bytes[0], 14);
    EXPECT_EQ(storedInteger(bytes, 1), 14);
    EXPECT_EQ(storedLong(bytes, 2), 9);
    EXPECT_EQ(storedLong(bytes, 4), 1);
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(storedString(bytes, 30 + 5 * (k - 1) + 4), "NoBls");
    for (int s = 0; s < 4; ++s) EXPECT_EQ(storedString(bytes, 65 + 4 * s), "");
    EXPECT_EQ(storedString(bytes, 81), "EOF");
    EXPECT_EQ(storedString(bytes, 82), "");
    EXPECT_EQ(storedString(bytes, 83), "");

    const StoredDocument back = decodeDocument(bytes, resetRecord());
    EXPECT_EQ(back.Blazon, resetRecord());
    EXPECT_TRUE(back.Images.empty());
    EXPECT_TRUE(back.Charges.empty());
}

TEST(DocumentLayout, HeaderRecordsHoldTheirFieldsAtTheirNumbers) {
    const BlazonRecord b = everyFieldSet();
    const EncodedDocument encoded = encodeDocument({b, {}, {}});
    ASSERT_TRUE(encoded.ok());
    const auto& bytes = encoded.bytes;
    EXPECT_EQ(storedLong(bytes, 2), 22);
    EXPECT_EQ(storedInteger(bytes, 3), -1);  // Ordinary1.Shift
    EXPECT_EQ(storedLong(bytes, 4), 4);      // ShieldShape
    EXPECT_EQ(storedInteger(bytes, 5), -1);  // Ordinary1.Present
    EXPECT_EQ(storedLong(bytes, 6), -77);    // Reserved2 before the name
    EXPECT_EQ(storedString(bytes, 7),
              "\xC9"
              "cusson");  // Windows-1252
    EXPECT_EQ(storedLong(bytes, 8), 9);
    EXPECT_EQ(storedLong(bytes, 9), 123456);
    EXPECT_EQ(storedInteger(bytes, 10), 1);
    EXPECT_EQ(storedString(bytes, 13), "Sautoir");
    EXPECT_EQ(storedLong(bytes, 14), 21);
    EXPECT_EQ(storedInteger(bytes, 16), -1);
    EXPECT_EQ(bytes[16 * 128], 2);            // record 17: Ordinary1.Repeat, one byte
    EXPECT_EQ(storedInteger(bytes, 18), -1);  // partition line plumb
    EXPECT_EQ(storedInteger(bytes, 19), -1);  // first-order line plumb
    EXPECT_EQ(storedLong(bytes, 20), 12);
    EXPECT_EQ(storedInteger(bytes, 21), 30);  // depth before width
    EXPECT_EQ(storedInteger(bytes, 22), 60);
    EXPECT_EQ(storedLong(bytes, 23), 14);
    EXPECT_EQ(storedLong(bytes, 26), 17);
    EXPECT_EQ(storedInteger(bytes, 28), 90);
    EXPECT_EQ(storedLong(bytes, 29), 6);  // InsetShape
    // Part 2's block: tincture, seed, class, inserted path.
    EXPECT_EQ(storedLong(bytes, 35), 3);
    EXPECT_EQ(storedInteger(bytes, 36), 20);
    EXPECT_EQ(storedInteger(bytes, 37), -6);
    EXPECT_EQ(storedLong(bytes, 38), 34);
    EXPECT_EQ(storedString(bytes, 39), "/home/h\xE9raut/Blasons/Lion d'or.bls");
    // User fur 1: path, row shift (a byte), height, then width.
    EXPECT_EQ(storedString(bytes, 69), "/home/h\xE9raut/sem\xE9.fmp");
    EXPECT_EQ(bytes[69 * 128], 35);
    EXPECT_EQ(storedInteger(bytes, 71), 9);   // TileHeight
    EXPECT_EQ(storedInteger(bytes, 72), 12);  // TileWidth
}

TEST(DocumentLayout, EveryStoredFieldRoundTrips) {
    const BlazonRecord b = everyFieldSet();
    const EncodedDocument encoded = encodeDocument({b, {}, {}});
    ASSERT_TRUE(encoded.ok());
    const StoredDocument back = decodeDocument(encoded.bytes, resetRecord());
    expectStoredFieldsEqual(back.Blazon, b);
    // What the file does not keep comes from the record the reader started from.
    EXPECT_EQ(back.Blazon.Parts[5].Line.Plumb, resetRecord().Parts[5].Line.Plumb);
    EXPECT_EQ(back.Blazon.Ordinary2.Repeat, resetRecord().Ordinary2.Repeat);
    EXPECT_EQ(back.Blazon.FilePath, "");
}

TEST(DocumentLayout, EntriesFollowEachOtherFromRecordEightyOne) {
    Workspace ws;
    ResetDocument(ws);
    BlazonRecord b = resetRecord();
    for (int slot : {1, 2}) {
        ws.Bank[slot].InUse = kTrue;
        ws.Bank[slot].DisplayName = "lion" + std::to_string(slot);
        ws.Bank[slot].Width = Integer(40 + slot);
        ws.Bank[slot].Height = Integer(50 + slot);
        ws.Bank[slot].OwnTincture = 3;
        ws.Bank[slot].OwnClass = 33;
        ws.Bank[slot].Phrase = "un lion";
    }
    for (int c : {1, 2, 3}) {
        b.Charges[c].InUse = kTrue;
        b.Charges[c].ImageIndex = Integer(c == 2 ? 2 : 1);
        b.Charges[c].X = Integer(10 * c);
        b.Charges[c].Tincture = 4;
        b.Charges[c].Class = 33;
        b.Charges[c].Width = 30;
        b.Charges[c].Height = 31;
    }
    const StoredDocument document = storedDocumentOf(b, ws.Bank, {1, 2});
    const EncodedDocument encoded = encodeDocument(document);
    ASSERT_TRUE(encoded.ok());
    const auto& bytes = encoded.bytes;
    EXPECT_EQ(storedString(bytes, 81), "Cont#81");
    EXPECT_EQ(storedString(bytes, 82), "lion1");
    EXPECT_EQ(storedInteger(bytes, 83), 51);  // height before width
    EXPECT_EQ(storedInteger(bytes, 84), 41);
    EXPECT_EQ(storedString(bytes, 87), "un lion");
    EXPECT_EQ(storedString(bytes, 88), "Cont#88");
    EXPECT_EQ(storedString(bytes, 95), "Pic#1");
    EXPECT_EQ(storedInteger(bytes, 96), 10);
    EXPECT_EQ(storedString(bytes, 104), "Pic#2");
    EXPECT_EQ(storedString(bytes, 113), "Pic#1");
    EXPECT_EQ(storedInteger(bytes, 120), 31);  // height
    EXPECT_EQ(storedInteger(bytes, 121), 30);  // width
    EXPECT_EQ(storedString(bytes, 122), "EOF");
    EXPECT_EQ(recordCount(bytes), 124);

    const StoredDocument back = decodeDocument(bytes, resetRecord());
    EXPECT_EQ(back.Images, document.Images);
    EXPECT_EQ(back.Charges, document.Charges);
}

TEST(DocumentLayout, PicturesAreNumberedInSlotOrderWithoutGaps) {
    Workspace ws;
    BlazonRecord b = resetRecord();
    for (int slot : {3, 7, 200}) {
        ws.Bank[slot].InUse = kTrue;
        ws.Bank[slot].DisplayName = "p" + std::to_string(slot);
    }
    const int charges[][2] = {{1, 200}, {2, 3}, {4, 7}, {5, 9}};  // charge, slot
    for (auto [c, slot] : charges) {
        b.Charges[c].InUse = kTrue;
        b.Charges[c].ImageIndex = Integer(slot);
    }
    b.Charges[6].ImageIndex = 3;  // not in use: the held charge is not saved
    std::vector<int> numberOfSlot;
    const StoredDocument document = storedDocumentOf(b, ws.Bank, {3, 7, 200}, &numberOfSlot);
    ASSERT_EQ(document.Images.size(), 3u);
    EXPECT_EQ(document.Images[0].DisplayName, "p3");
    EXPECT_EQ(document.Images[2].DisplayName, "p200");
    EXPECT_EQ(numberOfSlot[3], 1);
    EXPECT_EQ(numberOfSlot[7], 2);
    EXPECT_EQ(numberOfSlot[200], 3);
    EXPECT_EQ(numberOfSlot[9], 0);
    // Charge 5 shows a slot that has no picture: it is left out.
    ASSERT_EQ(document.Charges.size(), 3u);
    EXPECT_EQ(document.Charges[0].PictureNumber, 3);
    EXPECT_EQ(document.Charges[1].PictureNumber, 1);
    EXPECT_EQ(document.Charges[2].PictureNumber, 2);
}

TEST(DocumentLayout, TextsThatDoNotFitAreRefusedBeforeAnyByteExists) {
    BlazonRecord b = resetRecord();
    b.Ordinary1.Name = std::string(126, 'a');
    EXPECT_TRUE(encodeDocument({b, {}, {}}).ok());
    // 126 characters of two UTF-8 bytes each still fit: one byte each on disk.
    b.Ordinary1.Name.clear();
    for (int i = 0; i < 126; ++i) b.Ordinary1.Name += "é";
    EXPECT_TRUE(encodeDocument({b, {}, {}}).ok());

    b.Parts[3].InsertedPath = "/" + std::string(126, 'x');
    EncodedDocument refused = encodeDocument({b, {}, {}});
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_NE(refused.error.find("126"), std::string::npos) << refused.error;

    b.Parts[3].InsertedPath.clear();
    b.UserFurs[2].Path = "/tmp/фурр.fmp";
    refused = encodeDocument({b, {}, {}});
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_NE(refused.error.find("caractère"), std::string::npos) << refused.error;

    b.UserFurs[2].Path.clear();
    refused = encodeDocument({b, {StoredImage{"lion", 1, 1, 1, 22, std::string(200, 'p')}}, {}});
    EXPECT_FALSE(refused.ok());
}

TEST(DocumentLayout, HandWrittenDocumentReadsIntoTheRecord) {
    HandRecords file;
    file.integer(1, 14).longValue(2, 14).integer(3, 1).longValue(4, 5).integer(5, -1);
    file.longValue(6, 0).string(7, "Chef").longValue(8, 1).longValue(9, 0).integer(10, 0);
    file.integer(11, -1).longValue(12, 0).string(13, "Canton").longValue(14, 13);
    file.longValue(15, 0).integer(16, 34).byte(17, 0).integer(18, -1).integer(19, 0);
    file.longValue(20, 11).integer(21, 20).integer(22, 40);
    file.longValue(23, 13).integer(24, 12).integer(25, 36);
    file.longValue(26, 16).integer(27, 14).integer(28, 44).longValue(29, 3);
    const std::int32_t kinds[8] = {0, 33, 22, 31, 116, 22, 112, 34};
    const std::int32_t tinctures[8] = {0, 4, 1, 10, 5, 2, 112, 6};
    for (int k = 1; k <= 7; ++k) {
        const int r = 30 + 5 * (k - 1);
        file.longValue(r, tinctures[k]).integer(r + 1, std::int16_t(k)).integer(r + 2, 7);
        file.longValue(r + 3, kinds[k]);
        file.string(r + 4, k == 7 ? "  /docs/Armes de Bl\xE9zy.bls " : "NoBls");
    }
    file.string(65, "").byte(66, 0).integer(67, 20).integer(68, 20);
    file.string(69, "").byte(70, 0).integer(71, 20).integer(72, 20);
    file.string(73, "").byte(74, 0).integer(75, 20).integer(76, 20);
    file.string(77, "/fourrures/hermine.fmp").byte(78, 50).integer(79, 10).integer(80, 16);
    file.string(81, "Cont#81").string(82, "\xE9toile").integer(83, 24).integer(84, 25);
    file.longValue(85, 1).longValue(86, 22).string(87, "une \xE9toile");
    file.string(88, "Pic#1").integer(89, 100).integer(90, 120).integer(91, -1);
    file.longValue(92, 6).longValue(93, 33).integer(94, -1).integer(95, 48).integer(96, 50);
    file.string(97, "EOF").string(98, "").string(99, "");

    const StoredDocument d = decodeDocument(file.bytes(), resetRecord());
    const BlazonRecord& b = d.Blazon;
    EXPECT_EQ(b.Partition, 14);
    EXPECT_EQ(b.Ordinary1.Shift, 1);
    EXPECT_EQ(b.ShieldShape, 5);
    EXPECT_EQ(b.Ordinary1.Name, "Chef");
    EXPECT_EQ(b.Ordinary2.Type, 13);
    EXPECT_EQ(b.Ordinary2.Size, 34);
    EXPECT_EQ(b.Parts[1].Line, (LineStyle{20, 40, 11, kTrue}));
    EXPECT_EQ(b.Parts[5].Line, (LineStyle{12, 36, 13, kFalse}));
    EXPECT_EQ(b.Parts[7].Line, (LineStyle{14, 44, 16, kFalse}));
    EXPECT_EQ(b.InsetShape, 3);
    EXPECT_EQ(b.Parts[3].Kind, 31);
    EXPECT_EQ(b.Parts[4].Kind, 116);
    EXPECT_EQ(b.Parts[4].SeedX, 4);
    EXPECT_EQ(b.Parts[1].InsertedPath, "");
    EXPECT_EQ(b.Parts[7].InsertedPath, "/docs/Armes de Blézy.bls");
    EXPECT_EQ(b.UserFurs[3].Path, "/fourrures/hermine.fmp");
    EXPECT_EQ(b.UserFurs[3].VerticalOffset, 50);
    EXPECT_EQ(b.UserFurs[3].TileHeight, 10);
    EXPECT_EQ(b.UserFurs[3].TileWidth, 16);
    ASSERT_EQ(d.Images.size(), 1u);
    EXPECT_EQ(d.Images[0], (StoredImage{"étoile", 24, 25, 1, 22, "une étoile"}));
    ASSERT_EQ(d.Charges.size(), 1u);
    EXPECT_EQ(d.Charges[0], (StoredCharge{1, 100, 120, -1, 6, 33, -1, 48, 50}));
}

// A list of `images` picture entries and then `charges` charge entries, each
// charge showing picture `pictureOfCharge`.
HandRecords entryList(int images, int charges, const std::string& chargeTag = "Pic#1") {
    HandRecords file;
    file.integer(1, 14);
    int r = 81;
    for (int i = 0; i < images; ++i, r += 7) file.string(r, "Cont#" + std::to_string(r));
    for (int c = 0; c < charges; ++c, r += 9)
        file.string(r, chargeTag).integer(r + 1, std::int16_t(c));
    file.string(r, "EOF").string(r + 1, "").string(r + 2, "");
    return file;
}

TEST(DocumentLayout, ListsBeyondTheTablesAreCutWithoutLosingTheirPlace) {
    StoredDocument d = decodeDocument(entryList(300, 60).bytes(), resetRecord());
    EXPECT_EQ(d.Images.size(), 255u);
    ASSERT_EQ(d.Charges.size(), 50u);
    // The charges are still read from their own records after the skipped pictures.
    EXPECT_EQ(d.Charges[49].X, 49);
}

TEST(DocumentLayout, ChargeTagsNamingNoPictureSlotAreSkipped) {
    for (const char* tag :
         {"Pic#0", "Pic#256", "Pic#", "Pic#-3", "Pic#abc", "P", "Pic#99999999999999999999"}) {
        HandRecords file = entryList(1, 2, tag);
        const StoredDocument d = decodeDocument(file.bytes(), resetRecord());
        EXPECT_TRUE(d.Charges.empty()) << tag;
        EXPECT_EQ(d.Images.size(), 1u) << tag;
    }
    // Digits then anything: the number is its leading digits.
    const StoredDocument d = decodeDocument(entryList(1, 1, "Pic#1 ").bytes(), resetRecord());
    ASSERT_EQ(d.Charges.size(), 1u);
    EXPECT_EQ(d.Charges[0].PictureNumber, 1);
}

TEST(DocumentLayout, AnUnknownTagOrTheTrailerEndsTheList) {
    for (const char* tag : {"EOF", "E", "Xyz", " C", "c", ""}) {
        HandRecords file;
        file.integer(1, 14).string(81, "Cont#81").string(88, tag).string(89, "Cont#89");
        const StoredDocument d = decodeDocument(file.bytes(), resetRecord());
        EXPECT_EQ(d.Images.size(), 1u) << '"' << tag << '"';
    }
}

TEST(DocumentLayout, TruncationAtAnyByteNeverFails) {
    Workspace ws;
    BlazonRecord b = everyFieldSet();
    for (int slot = 1; slot <= 3; ++slot) ws.Bank[slot].InUse = kTrue;
    for (int c = 1; c <= 5; ++c) {
        b.Charges[c].InUse = kTrue;
        b.Charges[c].ImageIndex = Integer(1 + c % 3);
    }
    const auto bytes = encodeDocument(storedDocumentOf(b, ws.Bank, {1, 2, 3})).bytes;
    for (std::size_t cut = 0; cut <= bytes.size(); cut += (cut % 128 < 4 ? 1 : 61)) {
        const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + long(cut));
        const StoredDocument d = decodeDocument(part, resetRecord());
        EXPECT_LE(d.Images.size(), 3u);
        EXPECT_LE(d.Charges.size(), 5u);
    }
}

}  // namespace
}  // namespace tess
