#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

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

struct DocumentCase {
    const char* name;
    void (*build)(BlazonDocument&);
    std::string blazon;
    std::string warnings = {};  // the tooltip text; empty when none is raised
};

void PrintTo(const DocumentCase& c, std::ostream* os) {
    *os << c.name;
}

const std::string kSameAsItsPart = " est de même émail que la partie sur laquelle il repose";

const std::vector<DocumentCase>& documentCases() {
    static const std::vector<DocumentCase> cases = {
        // The field.
        {"PlainField", [](auto& d) {}, "D'Azur."},
        {"Parti", [](auto& d) { d.field(10, 4, 1); }, "Parti 1) d'azur et 2) d'or."},
        {"CoupeDentele", [](auto& d) { d.field(11, 3, 2).line(1, 11); },
         "Coupé dentelé 1) de gueules et 2) d'argent."},
        {"TrancheNebule", [](auto& d) { d.field(12, 6, 1).line(1, 12); },
         "Tranché nébulé 1) de sable et 2) d'or."},
        {"TailleCrenele", [](auto& d) { d.field(13, 5, 2).line(1, 13); },
         "Taillé crênelé 1) de sinople et 2) d'argent."},
        {"EcarteleHasNoLineWord", [](auto& d) { d.field(14, 4, 1, 3, 2).line(1, 11); },
         "Écartelé 1) d'azur,  2) d'or,  3) de gueules et 4) d'argent."},
        {"EcarteleEnSautoir", [](auto& d) { d.field(15, 1, 4, 2, 6); },
         "Écartelé en sautoir 1) d'or,  2) d'azur,  3) d'argent et 4) de sable."},
        {"TierceEnPalEngrele", [](auto& d) { d.field(16, 4, 1, 3).line(1, 14); },
         "Tiercé en pal engrelé 1) d'azur,  2) d'or et 3) de gueules."},
        {"TierceEnFasceBretesse", [](auto& d) { d.field(17, 7, 2, 8).line(1, 15); },
         "Tiercé en fasce bretessé 1) d'orangé,  2) d'argent et 3) de sanguine."},
        {"TierceEnBandeContreBretesse", [](auto& d) { d.field(18, 9, 1, 11).line(1, 16); },
         "Tiercé en bande contre-bretessé 1) de brun,  2) d'or et 3) de bis."},
        {"TierceEnBarreBastille", [](auto& d) { d.field(19, 10, 2, 5).line(1, 17); },
         "Tiercé en barre bastillé 1) de pourpre,  2) d'argent et 3) de sinople."},
        {"TierceEnPairleHasNoLineWord", [](auto& d) { d.field(21, 1, 3, 4).line(1, 12); },
         "Tiercé en pairle 1) d'or,  2) de gueules et 3) d'azur."},
        {"PartiMiCoupeEnSenestre", [](auto& d) { d.field(22, 4, 1, 3).line(1, 11); },
         "Parti 1) d'azur,  mi-coupé en sénestre  2) d'or et 3) de gueules."},
        {"SecondHalfFollowsTheChargesOfPartOne",
         [](auto& d) { d.field(22, 4, 1, 3).charge(1, kEtoile, 1, 1); },
         "Parti 1) d'azur chargé de étoile d'or,  mi-coupé en sénestre  2) d'or et 3) de gueules."},
        {"PartiMiCoupeEnDextreWithInsertedArms",
         [](auto& d) { d.field(23, 4, 0, 3).inserted(2, "C:\\Blasons\\Lyon.bls"); },
         "Parti 1) d'azur,  mi-coupé en dextre  2) de Lyon et 3) de gueules."},
        {"CoupeMiPartiEnChefRefusesArmsInPartOne",
         [](auto& d) { d.field(24, 4, 1, 3).inserted(1, "/home/u/Lyon.bls"); },
         "Coupé 1) d'azur,  mi-parti en chef  2) d'or et 3) de gueules."},
        {"CoupeMiPartiEnPointe",
         [](auto& d) { d.field(25, 2, 6, 0).inserted(3, "/home/u/Évian.bls"); },
         "Coupé 1) d'argent,  mi-parti en pointe  2) de sable et 3) de Évian."},
        {"EcarteleWithInsertedArms",
         [](auto& d) { d.field(14, 4, 1, 1, 0).inserted(4, "/home/u/MesVarodez/Paris.bls"); },
         "Écartelé 1) d'azur,  2) d'or,  3) d'or et 4) de Paris."},
        {"PlainFieldNeverNamesInsertedArms",
         [](auto& d) { d.tincture(1, 3).inserted(1, "C:\\Lyon.bls"); }, "De Gueules."},

        // Furs.
        {"PlainFur", [](auto& d) { d.fur(1, 111); }, "D'hermine."},
        {"PartiOfFurs", [](auto& d) { d.partition(10, 2).fur(1, 110).fur(2, 112); },
         "Parti 1) de vair et 2) contre-herminé d'or et de sable."},
        {"TierceOfFurs", [](auto& d) { d.partition(17, 3).fur(1, 108).fur(2, 113).fur(3, 115); },
         "Tiercé en fasce 1) contre-herminé d'argent et d'azur,  2) de contre-vair et 3) de vair "
         "en pal."},
        {"CoupeOfFurs", [](auto& d) { d.partition(11, 2).fur(1, 109).fur(2, 114); },
         "Coupé 1) contre-herminé d'or et de sinople et 2) de contre-hermine."},
        {"UserFurOnPlainField", [](auto& d) { d.userFur(1, 1, "C:\\Fourrures\\Hermine.fmp", 1); },
         "D'Or semé de hermine."},
        {"UserFursOnParti",
         [](auto& d) {
             d.partition(10, 2).userFur(1, 0, "/home/u/Ondes.fmp", 4);
             d.userFur(2, 3, "C:\\f\\Étoiles.fmp", 2);
         },
         "Parti 1) d'azur semé d'ondes et 2) d'argent semé de étoiles."},
        {"UserFurOnBothPieces",
         [](auto& d) {
             d.secondOrder(13).userFur(5, 2, "C:\\f\\Hermine.fmp", 2);
             d.firstOrder(3).userFur(7, 0, "/home/u/Ondes.fmp", 1);
         },
         "D'Azur;  à canton d'argent semé de hermine;  à fasce d'or semé d'ondes"},

        // Second-order pieces.
        {"AdextreDentele",
         [](auto& d) { d.tincture(1, 1).secondOrder(10).line(5, 11).tincture(5, 5); },
         "D'Or;  à adextre dentelé de sinople."},
        {"Senestre", [](auto& d) { d.secondOrder(11).line(5, 17).tincture(5, 2); },
         "D'Azur;  à sénestre bastillé d'argent."},
        {"Champagne", [](auto& d) { d.secondOrder(12).fur(5, 111); },
         "D'Azur;  à champagne d'hermine."},
        {"CantonHasNoLineWordAndNoFilet",
         [](auto& d) { d.secondOrder(13, -1).line(5, 11).tincture(5, 1); },
         "D'Azur;  à canton d'or."},
        {"FrancQuartier", [](auto& d) { d.secondOrder(14).tincture(5, 2); },
         "D'Azur;  à franc-quartier d'argent."},
        {"Corniere", [](auto& d) { d.secondOrder(15); }, "D'Azur;  à cornière de gueules."},
        {"Esquarre", [](auto& d) { d.secondOrder(16).tincture(5, 1); },
         "D'Azur;  à esquarre d'or."},
        {"Giron", [](auto& d) { d.secondOrder(17).tincture(5, 2); }, "D'Azur;  à giron d'argent."},
        {"Pile", [](auto& d) { d.tincture(1, 2).secondOrder(18).tincture(5, 6); },
         "D'Argent;  à pile de sable."},
        {"Pointe", [](auto& d) { d.secondOrder(19).tincture(5, 1); }, "D'Azur;  à pointe d'or."},
        {"PairleEnFilet", [](auto& d) { d.secondOrder(20, -1).tincture(5, 1); },
         "D'Azur;  à filet en pairle d'or."},
        {"Sautoir", [](auto& d) { d.tincture(1, 1).secondOrder(21, 34); },
         "D'Or;  à sautoir de gueules."},
        {"CroixEnFilet", [](auto& d) { d.tincture(1, 2).secondOrder(22, -1); },
         "D'Argent;  à filet en croix de gueules."},

        // First-order pieces.
        {"ChefDentele", [](auto& d) { d.firstOrder(1).line(7, 11); },
         "D'Azur;  à chef dentelé d'or"},
        {"ChefIsNeverEnFiletNorShifted", [](auto& d) { d.firstOrder(1, -1, 0, 1); },
         "D'Azur;  à chef d'or"},
        {"Comble", [](auto& d) { d.firstOrder(1, 1).tincture(7, 2); },
         "D'Azur;  à comble d'argent"},
        {"ChefWithInsertedArms",
         [](auto& d) { d.firstOrder(1).inserted(7, "C:\\Blasons\\Lyon.bls"); },
         "D'Azur;  à chef de Lyon"},
        {"PalShiftedDextre",
         [](auto& d) { d.tincture(1, 1).firstOrder(2, 0, 0, -1).tincture(7, 3); },
         "D'Or;  à pal de gueules déporté en dextre"},
        {"ThreePalsNebules",
         [](auto& d) { d.tincture(1, 1).firstOrder(2, 0, 2).line(7, 12).tincture(7, 3); },
         "D'Or;  à trois pals nébulés de gueules"},
        {"Vergette", [](auto& d) { d.firstOrder(2, 1); }, "D'Azur;  à vergette d'or"},
        {"FasceShiftedTowardsThePoint", [](auto& d) { d.firstOrder(3, 0, 0, 1); },
         "D'Azur;  à fasce d'or déporté en pointe"},
        {"TwoFascesEnFilet", [](auto& d) { d.firstOrder(3, -1, 1).line(7, 13).tincture(7, 2); },
         "D'Azur;  à deux filets en fasces crênelés d'argent"},
        {"RepeatedPieceIsNeverShifted", [](auto& d) { d.firstOrder(3, 0, 1, 1); },
         "D'Azur;  à deux fasces d'or"},
        {"Trangle", [](auto& d) { d.firstOrder(3, 1); }, "D'Azur;  à trangle d'or"},
        {"BandeShiftedSenestre", [](auto& d) { d.firstOrder(4, 0, 0, 1).line(7, 14); },
         "D'Azur;  à bande engrelé d'or déporté en sénestre"},
        {"Cotice", [](auto& d) { d.firstOrder(4, 1); }, "D'Azur;  à cotice d'or"},
        {"BarreEnFilet", [](auto& d) { d.firstOrder(5, -1); }, "D'Azur;  à filet en barre d'or"},
        {"Traverse", [](auto& d) { d.firstOrder(5, 1, 0, -1); },
         "D'Azur;  à traverse d'or déporté en dextre"},
        {"ChevronHasNoLineWord",
         [](auto& d) { d.firstOrder(6, 0, 0, -1).line(7, 11).tincture(7, 2); },
         "D'Azur;  à chevron d'argent déporté en chef"},
        {"Etai", [](auto& d) { d.firstOrder(6, 1); }, "D'Azur;  à étai d'or"},
        {"OrleHasNoDiminishedFormNorShift", [](auto& d) { d.firstOrder(7, 1, 0, 1).line(7, 11); },
         "D'Azur;  à orle d'or"},
        {"BordureEnFilet", [](auto& d) { d.firstOrder(8, -1).fur(7, 111); },
         "D'Azur;  à filet en bordure d'hermine"},
        {"Filiere", [](auto& d) { d.firstOrder(8, 1); }, "D'Azur;  à filière d'or"},
        {"EcussonWithInsertedArms",
         [](auto& d) { d.tincture(1, 3).firstOrder(9, 1, 0, 1).inserted(7, "/home/u/Paris.bls"); },
         "De Gueules;  à écusson de Paris"},
        {"InsertedArmsOnAPalAreNotNamed",
         [](auto& d) { d.firstOrder(2).inserted(7, "C:\\Lyon.bls").tincture(7, 1); },
         "D'Azur;  à pal d'or"},
        {"BothPiecesOnAPartition",
         [](auto& d) {
             d.field(10, 4, 3).secondOrder(13).tincture(5, 2).firstOrder(4).tincture(7, 1);
         },
         "Parti 1) d'azur et 2) de gueules; à canton d'argent;  à bande d'or"},

        // Charges lying on a zone.
        {"GroupsInListOrder",
         [](auto& d) {
             d.charge(1, kEtoile, 1, 1).charge(2, kLion, 2, 1).charge(3, kEtoile, 1, 1);
         },
         "D'Azur chargé de deux étoile d'or,  chargé de lion d'argent."},
        {"SamePictureInTwoTinctures",
         [](auto& d) {
             d.charge(4, kEtoile, 3, 1).charge(7, kEtoile, 1, 1).charge(9, kEtoile, 3, 1);
         },
         "D'Azur chargé de deux étoile de gueules,  chargé de étoile d'or.",
         "Le meuble [4] étoile" + kSameAsItsPart + "; Le meuble [9] étoile" + kSameAsItsPart + "."},
        {"MetalOnMetal", [](auto& d) { d.field(10, 0, 2).charge(3, kEtoile, 1, 2); },
         "Parti 1) d'azur et 2) d'argent chargé de étoile d'or.",
         "Le meuble [3] étoile" + kSameAsItsPart + "."},
        {"PourpreIsExempt",
         [](auto& d) { d.field(10, 10, 4).charge(1, kLion, 3, 1).charge(2, kLion, 10, 2); },
         "Parti 1) de pourpre chargé de lion de gueules et 2) d'azur chargé de lion de pourpre."},
        {"PourprePartOfAnOlderFile",
         [](auto& d) {
             d.tincture(1, 10).charge(1, kLion, 3, 1).doc().Parts[1].Kind = kClassColour;
         },
         "De Pourpre chargé de lion de gueules."},
        {"ChargeWithoutTincture", [](auto& d) { d.charge(5, kLion, -1, 1); },
         "D'Azur chargé de lion ."},
        {"FurPartTakesAnyCharge", [](auto& d) { d.fur(1, 110).charge(1, kLion, 1, 1); },
         "De vair chargé de lion d'or."},
        {"ChargesOnEveryQuarter",
         [](auto& d) {
             d.field(14, 4, 1, 3, 2).charge(1, kEtoile, 2, 1).charge(2, kLion, 3, 2);
             d.charge(3, kBesant, 1, 3).charge(4, kLion, 2, 4);
         },
         "Écartelé 1) d'azur chargé de étoile d'argent,  2) d'or chargé de lion de gueules,  3) de "
         "gueules chargé de besant d'or et 4) d'argent chargé de lion d'argent.",
         "Le meuble [4] lion" + kSameAsItsPart + "."},
        {"ChargePartlyUnderEachPiece",
         [](auto& d) {
             d.field(11, 1, 4).secondOrder(12).tincture(5, 2).firstOrder(3).tincture(7, 3);
             d.charge(1, kLion, 2, 11).charge(2, kBesant, 5, 22);
         },
         "Coupé 1) d'or chargé de lion d'argent et 2) d'azur chargé de besant de sinople; à "
         "champagne d'argent;  à fasce de gueules",
         "Le meuble [1] lion" + kSameAsItsPart + "; Le meuble [2] besant" + kSameAsItsPart + "."},
        {"ChargesOnTheSecondOrderPiece",
         [](auto& d) {
             d.secondOrder(13).tincture(5, 1).charge(6, kEtoile, 3, 5).charge(8, kEtoile, 2, 15);
         },
         "D'Azur;  à canton d'or chargé de étoile de gueules,  chargé de étoile d'argent.",
         "Le meuble [8] étoile" + kSameAsItsPart + "."},
        {"ChargesOnTheFirstOrderPiece",
         [](auto& d) {
             d.firstOrder(3)
                 .charge(1, kBesant, 3, 7)
                 .charge(2, kBesant, 3, 7)
                 .charge(3, kBesant, 3, 7);
         },
         "D'Azur;  à fasce d'or chargé de trois besant de gueules."},
        {"MetalChargeOnMetalPiece", [](auto& d) { d.firstOrder(6).charge(12, kBesant, 2, 7); },
         "D'Azur;  à chevron d'or chargé de besant d'argent.",
         "Le meuble [12] besant" + kSameAsItsPart + "."},
        {"TwentyOneCharges",
         [](auto& d) {
             for (int n = 1; n <= 21; ++n) d.charge(n, kEtoile, 1, 1);
         },
         "D'Azur chargé de  21 étoile d'or."},

        // An arrangement names its group's phrase once per described charge;
        // a group no longer live names nothing.
        {"ArrangedCharges",
         [](auto& d) {
             d.charge(1, kEtoile, 1, 1).charge(2, kEtoile, 1, 1).charge(3, kLion, 2, 1);
             d.charge(4, kBesant, 2, 1);
             d.ws.Groups.Motifs[4] = {kTrue, "d'un pal et d'une croix", 0, {}};
             d.ws.Groups.Motifs[6] = {kTrue, "d'un cercle", 0, {}};
             d.ws.Groups.Motifs[9] = {0, "d'une fasce", 0, {}};
             d.doc().Charges[1].Motif = d.doc().Charges[2].Motif = 4;
             d.doc().Charges[3].Motif = 6;
             d.doc().Charges[4].Motif = 9;
         },
         "D'Azur chargé de deux étoile d'or en forme d'un pal et d'une croix,  chargé de lion "
         "d'argent en forme d'un cercle,  chargé de besant d'argent."},

        // Charges set over everything.
        {"OneChargeOverAll", [](auto& d) { d.tincture(1, 1).charge(1, kLion, 1, 9); },
         "D'Or;  à lion d'or broché sur le tout"},
        {"TwoChargesOverAll", [](auto& d) { d.charge(2, kLion, 1, 9).charge(5, kEtoile, 2, 9); },
         "D'Azur;  à lion d'or et à étoile d'argent brochés sur le tout"},
        {"ThreeChargesOverAllAfterAChargedPiece",
         [](auto& d) {
             d.firstOrder(3).charge(1, kBesant, 3, 7).charge(2, kLion, 1, 9);
             d.charge(3, kLion, 1, 9).charge(4, kEtoile, -1, 9);
         },
         "D'Azur;  à fasce d'or chargé de besant de gueules,  à lion d'or, à lion d'or et à étoile "
         " brochés sur le tout"},
        {"OverAllAfterAPartition", [](auto& d) { d.field(11, 4, 3).charge(1, kLion, 2, 9); },
         "Coupé 1) d'azur et 2) de gueules; à lion d'argent broché sur le tout"},

        // Charges whose bank picture was taken away.
        {"FreedPictureOnAPart",
         [](auto& d) { d.tincture(1, 1).charge(1, kFreedPicture, 2, 1).charge(2, kEtoile, 4, 1); },
         "D'Or chargé de étoile d'azur."},
        {"FreedPictureOverAll",
         [](auto& d) { d.charge(1, kLion, 1, 9).charge(2, kFreedPicture, 2, 9); },
         "D'Azur;  à lion d'or broché sur le tout"},
        {"OnlyFreedPicturesOverAll", [](auto& d) { d.charge(1, kFreedPicture, 2, 9); }, "D'Azur."},
    };
    return cases;
}

class WholeDocument : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(WholeDocument, ReadsItsExactBlazonAndWarnings) {
    const DocumentCase& c = GetParam();
    BlazonDocument d;
    c.build(d);
    d.ws.Warnings.clear();
    EXPECT_EQ(BuildBlazonText(d.ws), c.blazon);
    EXPECT_EQ(TinctureWarningsText(d.ws), c.warnings);
}

INSTANTIATE_TEST_SUITE_P(Blazon, WholeDocument, ::testing::ValuesIn(documentCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tess
