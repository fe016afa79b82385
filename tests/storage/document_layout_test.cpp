#include <gtest/gtest.h>

#include <string>

#include "model/document.h"
#include "model/workspace.h"
#include "storage/document_layout.h"
#include "storage/document_sanity.h"
#include "tests/storage/record_bytes.h"

namespace tess {
namespace {

using testing::expectSameRecords;
using testing::HandRecords;

BlazonRecord resetRecord() {
    static const BlazonRecord blank = [] {
        Workspace ws;
        ResetDocument(ws);
        return ws.CurrentBlazon;
    }();
    return blank;
}

// A record with every stored field set to a value of its own, and the two
// fields the file does not keep changed from the blank record's.
BlazonRecord everyFieldSet() {
    BlazonRecord b = resetRecord();
    b.Partition = 22;
    b.ShieldShape = 4;
    b.InsetShape = 6;
    b.Ordinary1 = {kTrue, 9, 123456, -77, "Écusson", 1, 2, -1};
    b.Ordinary2 = {kTrue, 21, 5, 6, "Sautoir", -1, 2, 1};
    b.Parts[1].Line = {30, 60, 12, kTrue};
    b.Parts[5].Line = {20, 40, 14, kTrue};
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

TEST(DocumentLayout, BlankDocumentIsEightyRecordsAndTheTrailer) {
    const EncodedDocument encoded = encodeDocument({resetRecord(), {}, {}});
    ASSERT_TRUE(encoded.ok()) << encoded.error;
    ASSERT_EQ(encoded.bytes.size(), 83u * 128);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(testing::storedString(encoded.bytes, 30 + 5 * (k - 1) + 4), "NoBls");
    EXPECT_EQ(testing::storedString(encoded.bytes, 81), "EOF");

    const StoredDocument back = decodeDocument(encoded.bytes, resetRecord());
    EXPECT_EQ(back.Blazon, resetRecord());
    EXPECT_TRUE(back.Images.empty());
    EXPECT_TRUE(back.Charges.empty());
}

TEST(DocumentLayout, EveryFieldLiesInItsOwnRecord) {
    HandRecords h;
    h.i16(14).i32(22).i16(-1).i32(4);  // format, partition, first-order shift, shape
    h.i16(-1)
        .i32(-77)
        .str(
            "\xC9"
            "cusson")
        .i32(9)
        .i32(123456)
        .i16(1);                                             // first order, Reserved2 first
    h.i16(-1).i32(6).str("Sautoir").i32(21).i32(5).i16(-1);  // second order
    h.u8(2).i16(-1).i16(-1);  // first-order repeat; plumb of partition and first-order lines
    h.i32(12).i16(30).i16(60).i32(14).i16(20).i16(40).i32(17).i16(15).i16(
        90);   // kind, depth, width
    h.i32(6);  // inset shape
    for (int k = 1; k <= kPartCount; ++k)
        h.i32(k + 1)
            .i16(10 * k)
            .i16(-3 * k)
            .i32(k == 2  ? 34
                 : k % 2 ? 33
                         : 22)
            .str(k == 2   ? "/home/h\xE9raut/Blasons/Lion d'or.bls"
                 : k == 7 ? "/tmp/\xE9"
                            "cu.bls"
                          : "NoBls");
    h.str("").u8(0).i16(0).i16(0);  // user furs: path, row shift, height, width
    h.str("/home/h\xE9raut/sem\xE9.fmp").u8(35).i16(9).i16(12);
    h.str("").u8(0).i16(0).i16(0);
    h.str("/f.fmp").u8(95).i16(5).i16(32);
    h.str("EOF").str("").str("");
    expectSameRecords(encodeDocument({everyFieldSet(), {}, {}}).bytes, h.bytes);
}

TEST(DocumentLayout, EveryStoredFieldRoundTrips) {
    const BlazonRecord b = everyFieldSet();
    const EncodedDocument encoded = encodeDocument({b, {}, {}});
    ASSERT_TRUE(encoded.ok());
    const BlazonRecord back = decodeDocument(encoded.bytes, resetRecord()).Blazon;
    // What the file does not keep comes from the record the reader started from.
    BlazonRecord expected = b;
    expected.Parts[5].Line.Plumb = resetRecord().Parts[5].Line.Plumb;
    expected.Ordinary2.Repeat = resetRecord().Ordinary2.Repeat;
    expected.Ordinary2.Shift = resetRecord().Ordinary2.Shift;
    EXPECT_EQ(back, expected);
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

// A list of `images` picture entries and then `charges` charge entries
// tagged `chargeTag`, charge c at X = c.
HandRecords entryList(int images, int charges, const std::string& chargeTag = "Pic#1") {
    HandRecords file;
    file.i16(14).at(81);
    for (int i = 0; i < images; ++i)
        file.str("Cont#" + std::to_string(file.records() + 1)).at(file.records() + 7);
    for (int c = 0; c < charges; ++c) file.str(chargeTag).i16(c).at(file.records() + 8);
    file.str("EOF").str("").str("");
    return file;
}

TEST(DocumentLayout, ListsBeyondTheTablesAreCutWithoutLosingTheirPlace) {
    StoredDocument d = decodeDocument(entryList(300, 60).bytes, resetRecord());
    EXPECT_EQ(d.Images.size(), 255u);
    ASSERT_EQ(d.Charges.size(), 50u);
    // The charges are still read from their own records after the skipped pictures.
    EXPECT_EQ(d.Charges[49].X, 49);
}

TEST(DocumentLayout, ChargeTagsNamingNoPictureSlotAreSkipped) {
    for (const char* tag :
         {"Pic#0", "Pic#256", "Pic#", "Pic#-3", "Pic#abc", "P", "Pic#99999999999999999999"}) {
        const StoredDocument d = decodeDocument(entryList(1, 2, tag).bytes, resetRecord());
        EXPECT_TRUE(d.Charges.empty()) << tag;
        EXPECT_EQ(d.Images.size(), 1u) << tag;
    }
    // Digits then anything: the number is its leading digits.
    const StoredDocument d = decodeDocument(entryList(1, 1, "Pic#1 ").bytes, resetRecord());
    ASSERT_EQ(d.Charges.size(), 1u);
    EXPECT_EQ(d.Charges[0].PictureNumber, 1);
}

TEST(DocumentLayout, AnUnknownTagOrTheTrailerEndsTheList) {
    for (const char* tag : {"EOF", "E", "Xyz", " C", "c", ""}) {
        HandRecords file;
        file.i16(14).at(81).str("Cont#81").at(88).str(tag).str("Cont#89");
        const StoredDocument d = decodeDocument(file.bytes, resetRecord());
        EXPECT_EQ(d.Images.size(), 1u) << '"' << tag << '"';
    }
}

// What the reader takes in is made sound before anything draws it.
TEST(DocumentSanity, ValuesTheProgramWritesComeThroughUnchanged) {
    const BlazonRecord base = resetRecord();
    StoredDocument d{
        base, {{"lion", 40, 40, 3, 33, "un lion"}}, {{1, -20, 300, -1, 2, 22, -1, 80, 60}}};
    BlazonRecord& b = d.Blazon;
    b.Partition = 25;
    b.ShieldShape = 7;
    b.InsetShape = 2;
    b.Ordinary1 = {kTrue, 6, 0, 0, "Chevron", -1, 2, 0};
    b.Ordinary2 = {kTrue, 22, 0, 0, "Croix", 34, 0, 0};
    b.Parts[1] = {kClassColour, 5, 0, 0, "", {10, 100, 17, kTrue}};
    b.Parts[2] = {kClassInserted, 1, 0, 0, "/a.bls", {}};
    b.Parts[3] = {118, 4, 0, 0, "", {}};  // a user fur holding its dominant tincture
    b.Parts[4] = {111, 111, 0, 0, "", {}};
    b.UserFurs[0] = {"/f.fmp", 99, 5, 32};
    b.UserFurs[1] = {"", 0, 0, 0};  // a slot never used
    const StoredDocument before = d;
    sanitizeStoredDocument(d, base);
    EXPECT_EQ(d.Blazon, before.Blazon);
    EXPECT_EQ(d.Images, before.Images);
    EXPECT_EQ(d.Charges, before.Charges);
}

TEST(DocumentSanity, CodesOutsideTheirTablesFallBackToSoundValues) {
    const BlazonRecord base = resetRecord();
    // Pictures and charges whose class is no class take their tincture's: Or
    // and Argent are metals, any other tincture a colour.
    StoredDocument d{base,
                     {{"x", 1, 1, 99, 7, ""}, {"a", 1, 1, 2, 0, ""}, {"g", 1, 1, 3, 34, ""}},
                     {{1, 0, 0, 5, 12, 40, 3, -7, 9000}, {2, 0, 0, 0, 2, 99, 0, 1, 1}}};
    BlazonRecord& b = d.Blazon;
    b.Partition = 20;
    b.ShieldShape = 0;
    b.InsetShape = 8;
    b.Ordinary1 = {5, 12, 0, 0, "?", 0, 7, 4};
    b.Ordinary2 = {kTrue, 3, 0, 0, "?", 0, 0, 0};
    b.Parts[1] = {kClassColour, 12, 0, 0, "", {0, -5, 40, 3}};
    b.Parts[2] = {kClassInserted, 3, 0, 0, "", {}};
    b.Parts[3] = {108, 3, 0, 0, "", {}};
    b.Parts[5] = {kClassInserted, 3, 0, 0, "/a.bls", {}};
    b.Parts[7] = {kClassMetal, 999, 0, 0, "/b.bls", {32767, 32767, 10, 0}};
    b.UserFurs[2] = {"/f.fmp", 200, 1, 1};
    b.UserFurs[3] = {"/g.fmp", 100, -3, 30000};
    sanitizeStoredDocument(d, base);

    EXPECT_EQ(b.Partition, 9);
    EXPECT_EQ(b.ShieldShape, 1);
    EXPECT_EQ(b.InsetShape, 1);
    EXPECT_EQ(b.Ordinary1, (OrdinaryRecord{kFalse, 0, 0, 0, "?", 0, 0, 0}));
    EXPECT_EQ(b.Ordinary2, (OrdinaryRecord{kFalse, 0, 0, 0, "?", 0, 0, 0}));
    EXPECT_EQ(b.Parts[1].Kind, base.Parts[1].Kind);
    EXPECT_EQ(b.Parts[1].Tincture, base.Parts[1].Tincture);
    EXPECT_EQ(b.Parts[1].Line, (LineStyle{kMinLineDepth, kMinLineWidth, 10, kTrue}));
    // Class 34 without a coat of arms, a fur with another fur's code, arms in
    // the second-order zone: all back to the blank record's part.
    EXPECT_EQ(b.Parts[2].Kind, base.Parts[2].Kind);
    EXPECT_EQ(b.Parts[3].Kind, base.Parts[3].Kind);
    EXPECT_EQ(b.Parts[5].InsertedPath, "");
    EXPECT_EQ(b.Parts[5].Kind, base.Parts[5].Kind);
    // A part with arms keeps them; only its tincture is mended.
    EXPECT_EQ(b.Parts[7].InsertedPath, "/b.bls");
    EXPECT_EQ(b.Parts[7].Tincture, base.Parts[7].Tincture);
    EXPECT_EQ(b.Parts[7].Line, (LineStyle{kMaxLineDepth, kMaxLineWidth, 10, 0}));

    EXPECT_EQ(d.Images[0].OwnTincture, 1);
    EXPECT_EQ(d.Images[0].OwnClass, kClassMetal);
    EXPECT_EQ(d.Images[1].OwnTincture, 2);
    EXPECT_EQ(d.Images[1].OwnClass, kClassMetal);
    EXPECT_EQ(d.Images[2].OwnClass, kClassColour);
    const StoredCharge& c = d.Charges[0];
    EXPECT_EQ(c.Tincture, -1);
    EXPECT_EQ(c.Class, kClassColour);
    EXPECT_EQ(c.Brochant, kTrue);
    EXPECT_EQ(c.Mirrored, kTrue);
    EXPECT_EQ(c.Width, kMaxChargeSide);
    EXPECT_EQ(d.Charges[1].Class, kClassMetal);  // Argent
    // User furs within what the fur editor makes: a 1 x 1 tile is not laid
    // 90,000 times at every redraw.
    EXPECT_EQ(b.UserFurs[2], (UserFurRecord{"/f.fmp", 99, 5, 5}));
    EXPECT_EQ(b.UserFurs[3], (UserFurRecord{"/g.fmp", 99, 5, 32}));
}

}  // namespace
}  // namespace tess
