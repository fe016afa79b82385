#include <gtest/gtest.h>

#include "blazon/vocabulary.h"
#include "blazon_document.h"

namespace tess {
namespace {

using testing::BlazonDocument;

TEST(TinctureText, TincturesTakeTheirCodesPrefix) {
    BlazonDocument d;
    EXPECT_EQ(TinctureText(d.ws, 4, 33), "D'Azur");
    EXPECT_EQ(TinctureText(d.ws, 3, 33), "De Gueules");
    EXPECT_EQ(TinctureText(d.ws, 7, 33), "D'Orangé");
    EXPECT_EQ(TinctureText(d.ws, 11, 33), "De Bis");
}

TEST(TinctureText, RenamedTinctureKeepsThePrefixOfItsCode) {
    BlazonDocument d;
    d.ws.Tinctures[4].Name = "Bleu";
    d.ws.Tinctures[3].Name = "Écarlate";
    EXPECT_EQ(TinctureText(d.ws, 4, 33), "D'Bleu");
    EXPECT_EQ(TinctureText(d.ws, 3, 33), "De Écarlate");
}

TEST(TinctureText, FursAndUnknownCodes) {
    BlazonDocument d;
    EXPECT_EQ(TinctureText(d.ws, 112, 112), "Contre-herminé d'or et de sable");
    EXPECT_EQ(TinctureText(d.ws, 0, 22), "");
    EXPECT_EQ(TinctureText(d.ws, -1, 33), "");
    EXPECT_EQ(TinctureText(d.ws, 12, 33), "");
    EXPECT_EQ(TinctureText(d.ws, 107, 33), "");
    EXPECT_EQ(TinctureText(d.ws, 116, 33), "");
    EXPECT_EQ(TinctureText(d.ws, 130, 33), "");
    EXPECT_EQ(TinctureText(d.ws, 131, 0), "de [couleur non-reconnue]");
    EXPECT_EQ(TinctureText(d.ws, 200, 0), "de [couleur non-reconnue]");
}

TEST(TinctureText, UserFurStrewing) {
    BlazonDocument d;
    d.doc().UserFurs[1].Path = "C:\\Fourrures\\Hermine.fmp";
    EXPECT_EQ(TinctureText(d.ws, 1, 117), "D'Or semé de hermine");
    d.doc().UserFurs[1].Path = "C:\\Fourrures\\Bandes.fmp";
    EXPECT_EQ(TinctureText(d.ws, 1, 117), "D'Or semé de bandes");
    d.doc().UserFurs[1].Path = "/home/u/Yeux.fmp";
    EXPECT_EQ(TinctureText(d.ws, 2, 117), "D'Argent semé d'yeux");
    d.doc().UserFurs[1].Path = "/home/u/ÉCLAIRS.FMP";
    EXPECT_EQ(TinctureText(d.ws, 2, 117), "D'Argent semé de éclairs");
    // Any other class, including a user fur's own code as the tincture, adds nothing.
    EXPECT_EQ(TinctureText(d.ws, 2, 115), "D'Argent");
    EXPECT_EQ(TinctureText(d.ws, 2, 120), "D'Argent");
}

TEST(TinctureText, ShortOrMissingUserFurNamesGiveNoName) {
    BlazonDocument d;
    d.doc().UserFurs[0].Path = "C:\\f\\a.fm";
    EXPECT_EQ(TinctureText(d.ws, 5, 116), "De Sinople semé d'");
    d.doc().UserFurs[0].Path = "C:\\f\\";
    EXPECT_EQ(TinctureText(d.ws, 5, 116), "De Sinople semé de ");
    d.doc().UserFurs[0].Path = "";
    EXPECT_EQ(TinctureText(d.ws, 0, 116), " semé de ");
    // The extension is four characters, not four bytes.
    d.doc().UserFurs[0].Path = "/f/Ondes.éàù";
    EXPECT_EQ(TinctureText(d.ws, 5, 116), "De Sinople semé d'ondes");
}

TEST(NumberWord, WordsThenDigits) {
    EXPECT_EQ(NumberWord(1), "un");
    EXPECT_EQ(NumberWord(3), "trois");
    EXPECT_EQ(NumberWord(17), "dix-sept");
    EXPECT_EQ(NumberWord(20), "vingt");
    EXPECT_EQ(NumberWord(21), " 21");
    EXPECT_EQ(NumberWord(0), " 0");
    EXPECT_EQ(NumberWord(255), " 255");
    EXPECT_EQ(NumberWord(256), " 256");
}

TEST(PartitionName, CompoundPartitionsHandBackTheirSecondHalf) {
    BlazonDocument d;
    std::string second = "unchanged";
    d.doc().Partition = 9;
    EXPECT_EQ(PartitionName(d.doc(), second), "");
    d.doc().Partition = 20;
    EXPECT_EQ(PartitionName(d.doc(), second), "");
    d.doc().Partition = 15;
    EXPECT_EQ(PartitionName(d.doc(), second), "Écartelé en sautoir");
    EXPECT_EQ(second, "unchanged");
    d.doc().Partition = 23;
    EXPECT_EQ(PartitionName(d.doc(), second), "Parti");
    EXPECT_EQ(second, "mi-coupé en dextre ");
    d.doc().Partition = 24;
    EXPECT_EQ(PartitionName(d.doc(), second), "Coupé");
    EXPECT_EQ(second, "mi-parti en chef ");
}

TEST(PartitionLineName, PlainAndUnknownKindsGiveNothing) {
    EXPECT_EQ(PartitionLineName(10), "");
    EXPECT_EQ(PartitionLineName(9), "");
    EXPECT_EQ(PartitionLineName(18), "");
    EXPECT_EQ(PartitionLineName(16), " contre-bretessé");
}

TEST(OrdinaryName, DiminishedFormsOfTheFirstOrder) {
    BlazonDocument d;
    d.firstOrder(8, 1).secondOrder(13);
    EXPECT_EQ(OrdinaryName(d.doc(), 8), "filière");
    EXPECT_EQ(OrdinaryName(d.doc(), 13), "Canton");
    EXPECT_EQ(OrdinaryName(d.doc(), 9), "Bordure");  // no diminished form: the stored name
    d.doc().Ordinary1.Size = 0;
    EXPECT_EQ(OrdinaryName(d.doc(), 8), "Bordure");
    d.doc().Ordinary1.Size = -1;
    EXPECT_EQ(OrdinaryName(d.doc(), 6), "Bordure");
    EXPECT_EQ(OrdinaryName(d.doc(), 22), "Canton");
}

TEST(DeportPhrase, DirectionFollowsThePiece) {
    BlazonDocument d;
    EXPECT_EQ(DeportPhrase(d.doc(), 0, 2), "");
    EXPECT_EQ(DeportPhrase(d.doc(), -1, 6), " déporté en chef");
    EXPECT_EQ(DeportPhrase(d.doc(), 1, 3), " déporté en pointe");
    EXPECT_EQ(DeportPhrase(d.doc(), 1, 2), " déporté en sénestre");
    EXPECT_EQ(DeportPhrase(d.doc(), -1, 4), " déporté en dextre");
    EXPECT_EQ(DeportPhrase(d.doc(), 2, 4), "");
    d.doc().Ordinary1.Repeat = 1;
    EXPECT_EQ(DeportPhrase(d.doc(), 1, 4), " déportés en sénestre");
}

}  // namespace
}  // namespace tess
