#include <gtest/gtest.h>

#include "blazon/blazon_text.h"
#include "blazon/tincture_warnings.h"
#include "blazon_document.h"

namespace tess {
namespace {

using testing::BlazonDocument;
using testing::kBesant;
using testing::kEtoile;
using testing::kFreedPicture;
using testing::kLion;

// The tooltip text of the queued warnings: a run of charges off the shield
// reads as one sentence, restarted after another kind; unknown kinds and
// pictures gone from the bank say nothing of their own.
TEST(TinctureWarnings, TextOfTheQueuedWarnings) {
    BlazonDocument d;
    d.charge(1, kFreedPicture, 1, 0).charge(2, kEtoile, 1, 0).charge(3, kEtoile, 1, 1);
    d.charge(4, kLion, 1, 0).charge(5, kLion, 1, 0).charge(6, kLion, 1, 0).charge(9, kBesant, 1, 0);
    const std::pair<std::vector<std::pair<int, int>>, std::string> cases[] = {
        {{}, ""},
        {{{5, 13}}, "La partie 1 est de même émail que la partie 3."},
        {{{5, 13}, {5, 23}},
         "La partie 1 est de même émail que la partie 3; "
         "La partie 2 est de même émail que la partie 3."},
        {{{7, 2}, {7, 4}, {7, 9}},
         "Le meuble [2] étoile semble avoir peur de poser pour le blason; "
         "Le meuble [4] lion également! Le meuble [9] besant également! "},
        {{{7, 5}, {2, 3}, {7, 6}},
         "Le meuble [5] lion semble avoir peur de poser pour le blason; "
         "Le meuble [3] étoile est de même émail que la partie sur laquelle il repose; "
         "Le meuble [6] lion semble avoir peur de poser pour le blason."},
        {{{3, 1}, {7, 1}, {7, 60}},
         "Le meuble [1]  semble avoir peur de poser pour le blason; Le meuble [60]  également! "},
    };
    for (const auto& [warnings, text] : cases) {
        d.ws.Warnings.clear();
        for (auto [kind, item] : warnings) AddWarning(d.ws.Warnings, kind, item);
        EXPECT_EQ(TinctureWarningsText(d.ws), text);
    }
}

// The blazon adds its warnings after those the drawing queued, and the list
// keeps only the first twenty-five of a crowded shield.
TEST(TinctureWarnings, BlazonAppendsToTheRedrawsListUpToItsLimit) {
    BlazonDocument d;
    d.tincture(1, 2);
    for (int n = 1; n <= 30; ++n) d.charge(n, kEtoile, 1, 1);
    AddWarning(d.ws.Warnings, 5, 12);
    AddWarning(d.ws.Warnings, 7, 30);

    EXPECT_EQ(BuildBlazonText(d.ws), "D'Argent chargé de  30 étoile d'or.");
    ASSERT_EQ(d.ws.Warnings.count(), 25);
    EXPECT_EQ(d.ws.Warnings.Entries[1].Kind, 5);
    EXPECT_EQ(d.ws.Warnings.Entries[2].Kind, 7);
    for (int i = 3; i <= 25; ++i) {
        EXPECT_EQ(d.ws.Warnings.Entries[i].Kind, 2);
        EXPECT_EQ(d.ws.Warnings.Entries[i].Item, i - 2);
    }
    const std::string text = TinctureWarningsText(d.ws);
    EXPECT_NE(text.find("Le meuble [23] étoile est de même émail"), std::string::npos);
    EXPECT_EQ(text.find("Le meuble [24]"), std::string::npos);
    EXPECT_EQ(text.back(), '.');
}

// Every charge of a zone is checked, also those of a group already written.
TEST(TinctureWarnings, EveryChargeOfAGroupIsChecked) {
    BlazonDocument d;
    // Charge 8 carries a code no zone list should hold: it rests on no part.
    d.firstOrder(3).charge(2, kBesant, 1, 7).charge(5, kBesant, 1, 7).charge(8, kBesant, 1, 17);
    EXPECT_EQ(BuildBlazonText(d.ws), "D'Azur;  à fasce d'or chargé de trois besant d'or.");
    ASSERT_EQ(d.ws.Warnings.count(), 2);
    EXPECT_EQ(d.ws.Warnings.Entries[1].Item, 2);
    EXPECT_EQ(d.ws.Warnings.Entries[2].Item, 5);
}

}  // namespace
}  // namespace tess
