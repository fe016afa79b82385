#include "blazon/vocabulary.h"

#include <gtest/gtest.h>

#include "blazon_document.h"

namespace tess {
namespace {

using testing::BlazonDocument;

// Each tincture code takes its own prefix, kept when the tincture is renamed;
// furs have their own phrase; other codes give nothing, or above 130 a mark.
TEST(TinctureText, PrefixesFursAndUnknownCodes) {
    BlazonDocument d;
    const std::tuple<Long, Long, const char*> cases[] = {
        {4, 33, "D'Azur"},
        {3, 33, "De Gueules"},
        {7, 33, "D'Orangé"},
        {11, 33, "De Bis"},
        {112, 112, "Contre-herminé d'or et de sable"},
        {131, 0, "de [couleur non-reconnue]"},
        {200, 0, "de [couleur non-reconnue]"}};
    for (auto [tincture, kind, text] : cases)
        EXPECT_EQ(TinctureText(d.ws, tincture, kind), text) << tincture << " " << kind;
    for (auto [tincture, kind] :
         {std::pair<Long, Long>{0, 22}, {-1, 33}, {12, 33}, {107, 33}, {116, 33}, {130, 33}})
        EXPECT_EQ(TinctureText(d.ws, tincture, kind), "") << tincture;
    d.ws.Tinctures[4].Name = "Bleu";
    d.ws.Tinctures[3].Name = "Écarlate";
    EXPECT_EQ(TinctureText(d.ws, 4, 33), "D'Bleu");
    EXPECT_EQ(TinctureText(d.ws, 3, 33), "De Écarlate");
}

// A user fur is strewn with what its file is named after, without the four
// characters (not bytes) of its extension; any other class adds nothing,
// including a user fur's own code given as the tincture.
TEST(TinctureText, UserFurStrewing) {
    BlazonDocument d;
    const std::tuple<int, const char*, Long, Long, const char*> cases[] = {
        {1, "C:\\Fourrures\\Hermine.fmp", 1, 117, "D'Or semé de hermine"},
        {1, "C:\\Fourrures\\Bandes.fmp", 1, 117, "D'Or semé de bandes"},
        {1, "/home/u/Yeux.fmp", 2, 117, "D'Argent semé d'yeux"},
        {1, "/home/u/ÉCLAIRS.FMP", 2, 117, "D'Argent semé de éclairs"},
        {1, "/home/u/ÉCLAIRS.FMP", 2, 115, "D'Argent"},
        {1, "/home/u/ÉCLAIRS.FMP", 2, 120, "D'Argent"},
        {0, "C:\\f\\a.fm", 5, 116, "De Sinople semé d'"},
        {0, "C:\\f\\", 5, 116, "De Sinople semé de "},
        {0, "", 0, 116, " semé de "},
        {0, "/f/Ondes.éàù", 5, 116, "De Sinople semé d'ondes"},
    };
    for (auto [slot, path, tincture, kind, text] : cases) {
        d.doc().UserFurs[slot].Path = path;
        EXPECT_EQ(TinctureText(d.ws, tincture, kind), text) << path << " " << kind;
    }
}

TEST(NumberWord, WordsThenDigits) {
    const std::pair<int, const char*> cases[] = {{1, "un"},     {3, "trois"}, {17, "dix-sept"},
                                                 {20, "vingt"}, {21, " 21"},  {0, " 0"},
                                                 {255, " 255"}, {256, " 256"}};
    for (auto [n, word] : cases) EXPECT_EQ(NumberWord(n), word) << n;
}

// Compound partitions hand back their second half; the others leave it alone.
TEST(PartitionName, CompoundPartitionsHandBackTheirSecondHalf) {
    BlazonDocument d;
    const std::tuple<Long, const char*, const char*> cases[] = {
        {9, "", "unchanged"},
        {20, "", "unchanged"},
        {15, "Écartelé en sautoir", "unchanged"},
        {23, "Parti", "mi-coupé en dextre "},
        {24, "Coupé", "mi-parti en chef "}};
    for (auto [partition, name, second] : cases) {
        std::string half = "unchanged";
        d.doc().Partition = partition;
        EXPECT_EQ(PartitionName(d.doc(), half), name) << partition;
        EXPECT_EQ(half, second) << partition;
    }
    for (Long kind : {9, 10, 18}) EXPECT_EQ(PartitionLineName(kind), "") << kind;
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
