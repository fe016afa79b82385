// Charge groups kept after the trailer, where readers that stop there never look.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/document.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "storage/document_layout.h"
#include "tests/storage/record_bytes.h"

namespace tess {
namespace {

using testing::HandRecords;

// Charges 1..4 on picture 1: 1 and 3 in group 7 (a phrase longer than one
// record), 4 in group 2, which is no longer live, and 2 in none.
struct GroupedDocument {
    GroupedDocument() {
        ResetDocument(ws);
        ws.Bank[1].InUse = kTrue;
        for (int c = 1; c <= 4; ++c) {
            ws.CurrentBlazon.Charges[c].InUse = kTrue;
            ws.CurrentBlazon.Charges[c].ImageIndex = 1;
        }
        for (int i = 0; i < 12; ++i) phrase += i ? " et d'une croix" : "d'un pal";
        MotifRecord& g = ws.Groups.Motifs[7];
        g.InUse = kTrue;
        g.Phrase = phrase;
        ws.CurrentBlazon.Charges[1].Motif = ws.CurrentBlazon.Charges[3].Motif = 7;
        ws.CurrentBlazon.Charges[4].Motif = 2;
    }
    StoredDocument stored() {
        return storedDocumentOf(ws.CurrentBlazon, ws.Bank, {1}, nullptr, &ws.Groups);
    }
    Workspace ws;
    std::string phrase;
};

TEST(DocumentGroups, LiveGroupsComeBackWithTheirMembersAndPhrase) {
    GroupedDocument doc;
    ASSERT_GT(doc.phrase.size(), 126u);
    const StoredDocument stored = doc.stored();
    ASSERT_EQ(stored.Groups, (std::vector<StoredGroup>{{7, doc.phrase}}));
    const EncodedDocument encoded = encodeDocument(stored);
    ASSERT_TRUE(encoded.ok()) << encoded.error;
    // The entry list and its trailer are as before; the group follows.
    const int trailer = 81 + 7 + 4 * 9;
    EXPECT_EQ(testing::storedString(encoded.bytes, trailer), "EOF");
    EXPECT_EQ(testing::storedString(encoded.bytes, trailer + 3), "Grp#7");
    const StoredDocument back = decodeDocument(encoded.bytes, stored.Blazon);
    EXPECT_EQ(back.Groups, stored.Groups);
    EXPECT_EQ(back.Charges, stored.Charges);
    EXPECT_EQ(back.Charges[0].Group, 7);
    EXPECT_EQ(back.Charges[3].Group, 0);  // its group was not live

    // Without groups nothing follows the trailer.
    doc.ws.Groups.Motifs[7].InUse = 0;
    EXPECT_EQ(encodeDocument(doc.stored()).bytes.size(), std::size_t(trailer + 2) * 128);
}

// One picture and two charges, then what `add` puts after the trailer.
StoredDocument withGroups(const std::function<void(HandRecords&)>& add) {
    HandRecords file;
    file.i16(14).at(81).str("Cont#81").at(88);
    for (int c = 0; c < 2; ++c) file.str("Pic#1").i16(c).at(file.records() + 8);
    file.str("EOF").str("").str("");
    add(file);
    return decodeDocument(file.bytes, BlazonRecord{});
}

// Whatever follows the trailer, the reader keeps only groups it can place.
TEST(DocumentGroups, DamagedGroupRecordsAreSkipped) {
    // Numbers outside 1..100, a number given twice, members off the list.
    StoredDocument d = withGroups([](HandRecords& f) {
        f.str("Grp#0").i16(1).str("a").i16(1).i16(1);
        f.str("Grp#101").i16(1).str("b").i16(1).i16(1);
        f.str("Grp#5").i16(1).str("c").i16(3).i16(2).i16(0).i16(9);
        f.str("Grp#5").i16(1).str("d").i16(1).i16(1);
    });
    EXPECT_EQ(d.Groups, (std::vector<StoredGroup>{{5, "c"}}));
    EXPECT_EQ(d.Charges[0].Group, 0);
    EXPECT_EQ(d.Charges[1].Group, 5);
    // Counts out of range end the section; a cut file reads what is whole.
    d = withGroups([](HandRecords& f) { f.str("Grp#3").i16(-1); });
    EXPECT_TRUE(d.Groups.empty());
    d = withGroups([](HandRecords& f) { f.str("Grp#3").i16(30000).str("x"); });
    EXPECT_TRUE(d.Groups.empty());
    d = withGroups([](HandRecords& f) { f.str("Grp#4").i16(1).str("e").i16(2).i16(1); });
    EXPECT_EQ(d.Groups.size(), 1u);
    EXPECT_EQ(d.Charges[0].Group, 4);
}

}  // namespace
}  // namespace tess
