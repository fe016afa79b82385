#include <gtest/gtest.h>

#include <functional>
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
    std::function<void(BlazonDocument&)> build;
    std::string blazon;
    std::string warnings;  // the tooltip text; empty when none is raised
};

void PrintTo(const DocumentCase& c, std::ostream* os) {
    *os << c.name;
}

const std::vector<DocumentCase>& documentCases() {
    static const std::vector<DocumentCase> cases = {
        // The field.
        {"PlainField", [](BlazonDocument& d) {}, "D'Azur.", ""},
        {"Parti", [](BlazonDocument& d) { d.partition(10, 2).tincture(1, 4).tincture(2, 1); },
         "Parti 1) d'azur et 2) d'or.", ""},
        {"CoupeDentele",
         [](BlazonDocument& d) { d.partition(11, 2).line(1, 11).tincture(1, 3).tincture(2, 2); },
         "Coupé dentelé 1) de gueules et 2) d'argent.", ""},
        {"TrancheNebule",
         [](BlazonDocument& d) { d.partition(12, 2).line(1, 12).tincture(1, 6).tincture(2, 1); },
         "Tranché nébulé 1) de sable et 2) d'or.", ""},
        {"TailleCrenele",
         [](BlazonDocument& d) { d.partition(13, 2).line(1, 13).tincture(1, 5).tincture(2, 2); },
         "Taillé crênelé 1) de sinople et 2) d'argent.", ""},
        {"EcarteleHasNoLineWord",
         [](BlazonDocument& d) {
             d.partition(14, 4).line(1, 11).tincture(1, 4).tincture(2, 1).tincture(3, 3).tincture(
                 4, 2);
         },
         "Écartelé 1) d'azur,  2) d'or,  3) de gueules et 4) d'argent.", ""},
        {"EcarteleEnSautoir",
         [](BlazonDocument& d) {
             d.partition(15, 4).tincture(1, 1).tincture(2, 4).tincture(3, 2).tincture(4, 6);
         },
         "Écartelé en sautoir 1) d'or,  2) d'azur,  3) d'argent et 4) de sable.", ""},
        {"TierceEnPalEngrele",
         [](BlazonDocument& d) {
             d.partition(16, 3).line(1, 14).tincture(1, 4).tincture(2, 1).tincture(3, 3);
         },
         "Tiercé en pal engrelé 1) d'azur,  2) d'or et 3) de gueules.", ""},
        {"TierceEnFasceBretesse",
         [](BlazonDocument& d) {
             d.partition(17, 3).line(1, 15).tincture(1, 7).tincture(2, 2).tincture(3, 8);
         },
         "Tiercé en fasce bretessé 1) d'orangé,  2) d'argent et 3) de sanguine.", ""},
        {"TierceEnBandeContreBretesse",
         [](BlazonDocument& d) {
             d.partition(18, 3).line(1, 16).tincture(1, 9).tincture(2, 1).tincture(3, 11);
         },
         "Tiercé en bande contre-bretessé 1) de brun,  2) d'or et 3) de bis.", ""},
        {"TierceEnBarreBastille",
         [](BlazonDocument& d) {
             d.partition(19, 3).line(1, 17).tincture(1, 10).tincture(2, 2).tincture(3, 5);
         },
         "Tiercé en barre bastillé 1) de pourpre,  2) d'argent et 3) de sinople.", ""},
        {"TierceEnPairleHasNoLineWord",
         [](BlazonDocument& d) {
             d.partition(21, 3).line(1, 12).tincture(1, 1).tincture(2, 3).tincture(3, 4);
         },
         "Tiercé en pairle 1) d'or,  2) de gueules et 3) d'azur.", ""},
        {"PartiMiCoupeEnSenestre",
         [](BlazonDocument& d) {
             d.partition(22, 3).line(1, 11).tincture(1, 4).tincture(2, 1).tincture(3, 3);
         },
         "Parti 1) d'azur,  mi-coupé en sénestre  2) d'or et 3) de gueules.", ""},
        {"SecondHalfFollowsTheChargesOfPartOne",
         [](BlazonDocument& d) {
             d.partition(22, 3).tincture(1, 4).tincture(2, 1).tincture(3, 3).charge(1, kEtoile, 1,
                                                                                    1);
         },
         "Parti 1) d'azur chargé de étoile d'or,  mi-coupé en sénestre  2) d'or et 3) de gueules.",
         ""},
        {"PartiMiCoupeEnDextreWithInsertedArms",
         [](BlazonDocument& d) {
             d.partition(23, 3).tincture(1, 4).tincture(3, 3).inserted(2, "C:\\Blasons\\Lyon.bls");
         },
         "Parti 1) d'azur,  mi-coupé en dextre  2) de Lyon et 3) de gueules.", ""},
        {"CoupeMiPartiEnChefRefusesArmsInPartOne",
         [](BlazonDocument& d) {
             d.partition(24, 3)
                 .tincture(1, 4)
                 .inserted(1, "/home/u/Lyon.bls")
                 .tincture(2, 1)
                 .tincture(3, 3);
         },
         "Coupé 1) d'azur,  mi-parti en chef  2) d'or et 3) de gueules.", ""},
        {"CoupeMiPartiEnPointe",
         [](BlazonDocument& d) {
             d.partition(25, 3).tincture(1, 2).tincture(2, 6).inserted(3, "/home/u/Évian.bls");
         },
         "Coupé 1) d'argent,  mi-parti en pointe  2) de sable et 3) de Évian.", ""},
        {"EcarteleWithInsertedArms",
         [](BlazonDocument& d) {
             d.partition(14, 4).tincture(1, 4).tincture(2, 1).tincture(3, 1).inserted(
                 4, "/home/u/MesVarodez/Paris.bls");
         },
         "Écartelé 1) d'azur,  2) d'or,  3) d'or et 4) de Paris.", ""},
        {"PlainFieldNeverNamesInsertedArms",
         [](BlazonDocument& d) { d.tincture(1, 3).inserted(1, "C:\\Lyon.bls"); }, "De Gueules.",
         ""},

        // Furs.
        {"PlainFur", [](BlazonDocument& d) { d.fur(1, 111); }, "D'hermine.", ""},
        {"PartiOfFurs", [](BlazonDocument& d) { d.partition(10, 2).fur(1, 110).fur(2, 112); },
         "Parti 1) de vair et 2) contre-herminé d'or et de sable.", ""},
        {"TierceOfFurs",
         [](BlazonDocument& d) { d.partition(17, 3).fur(1, 108).fur(2, 113).fur(3, 115); },
         "Tiercé en fasce 1) contre-herminé d'argent et d'azur,  2) de contre-vair et 3) de vair "
         "en pal.",
         ""},
        {"CoupeOfFurs", [](BlazonDocument& d) { d.partition(11, 2).fur(1, 109).fur(2, 114); },
         "Coupé 1) contre-herminé d'or et de sinople et 2) de contre-hermine.", ""},
        {"UserFurOnPlainField",
         [](BlazonDocument& d) { d.userFur(1, 1, "C:\\Fourrures\\Hermine.fmp", 1); },
         "D'Or semé de hermine.", ""},
        {"UserFursOnParti",
         [](BlazonDocument& d) {
             d.partition(10, 2)
                 .userFur(1, 0, "/home/u/Ondes.fmp", 4)
                 .userFur(2, 3, "C:\\f\\Étoiles.fmp", 2);
         },
         "Parti 1) d'azur semé d'ondes et 2) d'argent semé de étoiles.", ""},

        {"UserFurOnBothPieces",
         [](BlazonDocument& d) {
             d.secondOrder(13)
                 .userFur(5, 2, "C:\\f\\Hermine.fmp", 2)
                 .firstOrder(3)
                 .userFur(7, 0, "/home/u/Ondes.fmp", 1);
         },
         "D'Azur;  à canton d'argent semé de hermine;  à fasce d'or semé d'ondes", ""},

        // Second-order pieces.
        {"AdextreDentele",
         [](BlazonDocument& d) { d.tincture(1, 1).secondOrder(10).line(5, 11).tincture(5, 5); },
         "D'Or;  à adextre dentelé de sinople.", ""},
        {"Senestre", [](BlazonDocument& d) { d.secondOrder(11).line(5, 17).tincture(5, 2); },
         "D'Azur;  à sénestre bastillé d'argent.", ""},
        {"Champagne", [](BlazonDocument& d) { d.secondOrder(12).fur(5, 111); },
         "D'Azur;  à champagne d'hermine.", ""},
        {"CantonHasNoLineWordAndNoFilet",
         [](BlazonDocument& d) { d.secondOrder(13, -1).line(5, 11).tincture(5, 1); },
         "D'Azur;  à canton d'or.", ""},
        {"FrancQuartier", [](BlazonDocument& d) { d.secondOrder(14).tincture(5, 2); },
         "D'Azur;  à franc-quartier d'argent.", ""},
        {"Corniere", [](BlazonDocument& d) { d.secondOrder(15); },
         "D'Azur;  à cornière de gueules.", ""},
        {"Esquarre", [](BlazonDocument& d) { d.secondOrder(16).tincture(5, 1); },
         "D'Azur;  à esquarre d'or.", ""},
        {"Giron", [](BlazonDocument& d) { d.secondOrder(17).tincture(5, 2); },
         "D'Azur;  à giron d'argent.", ""},
        {"Pile", [](BlazonDocument& d) { d.tincture(1, 2).secondOrder(18).tincture(5, 6); },
         "D'Argent;  à pile de sable.", ""},
        {"Pointe", [](BlazonDocument& d) { d.secondOrder(19).tincture(5, 1); },
         "D'Azur;  à pointe d'or.", ""},
        {"PairleEnFilet", [](BlazonDocument& d) { d.secondOrder(20, -1).tincture(5, 1); },
         "D'Azur;  à filet en pairle d'or.", ""},
        {"Sautoir", [](BlazonDocument& d) { d.tincture(1, 1).secondOrder(21, 34); },
         "D'Or;  à sautoir de gueules.", ""},
        {"CroixEnFilet", [](BlazonDocument& d) { d.tincture(1, 2).secondOrder(22, -1); },
         "D'Argent;  à filet en croix de gueules.", ""},

        // First-order pieces.
        {"ChefDentele", [](BlazonDocument& d) { d.firstOrder(1).line(7, 11); },
         "D'Azur;  à chef dentelé d'or", ""},
        {"ChefIsNeverEnFiletNorShifted", [](BlazonDocument& d) { d.firstOrder(1, -1, 0, 1); },
         "D'Azur;  à chef d'or", ""},
        {"Comble", [](BlazonDocument& d) { d.firstOrder(1, 1).tincture(7, 2); },
         "D'Azur;  à comble d'argent", ""},
        {"ChefWithInsertedArms",
         [](BlazonDocument& d) { d.firstOrder(1).inserted(7, "C:\\Blasons\\Lyon.bls"); },
         "D'Azur;  à chef de Lyon", ""},
        {"PalShiftedDextre",
         [](BlazonDocument& d) { d.tincture(1, 1).firstOrder(2, 0, 0, -1).tincture(7, 3); },
         "D'Or;  à pal de gueules déporté en dextre", ""},
        {"ThreePalsNebules",
         [](BlazonDocument& d) { d.tincture(1, 1).firstOrder(2, 0, 2).line(7, 12).tincture(7, 3); },
         "D'Or;  à trois pals nébulés de gueules", ""},
        {"Vergette", [](BlazonDocument& d) { d.firstOrder(2, 1); }, "D'Azur;  à vergette d'or", ""},
        {"FasceShiftedTowardsThePoint", [](BlazonDocument& d) { d.firstOrder(3, 0, 0, 1); },
         "D'Azur;  à fasce d'or déporté en pointe", ""},
        {"TwoFascesEnFilet",
         [](BlazonDocument& d) { d.firstOrder(3, -1, 1).line(7, 13).tincture(7, 2); },
         "D'Azur;  à deux filets en fasces crênelés d'argent", ""},
        {"RepeatedPieceIsNeverShifted", [](BlazonDocument& d) { d.firstOrder(3, 0, 1, 1); },
         "D'Azur;  à deux fasces d'or", ""},
        {"Trangle", [](BlazonDocument& d) { d.firstOrder(3, 1); }, "D'Azur;  à trangle d'or", ""},
        {"BandeShiftedSenestre", [](BlazonDocument& d) { d.firstOrder(4, 0, 0, 1).line(7, 14); },
         "D'Azur;  à bande engrelé d'or déporté en sénestre", ""},
        {"Cotice", [](BlazonDocument& d) { d.firstOrder(4, 1); }, "D'Azur;  à cotice d'or", ""},
        {"BarreEnFilet", [](BlazonDocument& d) { d.firstOrder(5, -1); },
         "D'Azur;  à filet en barre d'or", ""},
        {"Traverse", [](BlazonDocument& d) { d.firstOrder(5, 1, 0, -1); },
         "D'Azur;  à traverse d'or déporté en dextre", ""},
        {"ChevronHasNoLineWord",
         [](BlazonDocument& d) { d.firstOrder(6, 0, 0, -1).line(7, 11).tincture(7, 2); },
         "D'Azur;  à chevron d'argent déporté en chef", ""},
        {"Etai", [](BlazonDocument& d) { d.firstOrder(6, 1); }, "D'Azur;  à étai d'or", ""},
        {"OrleHasNoDiminishedFormNorShift",
         [](BlazonDocument& d) { d.firstOrder(7, 1, 0, 1).line(7, 11); }, "D'Azur;  à orle d'or",
         ""},
        {"BordureEnFilet", [](BlazonDocument& d) { d.firstOrder(8, -1).fur(7, 111); },
         "D'Azur;  à filet en bordure d'hermine", ""},
        {"Filiere", [](BlazonDocument& d) { d.firstOrder(8, 1); }, "D'Azur;  à filière d'or", ""},
        {"EcussonWithInsertedArms",
         [](BlazonDocument& d) {
             d.tincture(1, 3).firstOrder(9, 1, 0, 1).inserted(7, "/home/u/Paris.bls");
         },
         "De Gueules;  à écusson de Paris", ""},
        {"InsertedArmsOnAPalAreNotNamed",
         [](BlazonDocument& d) { d.firstOrder(2).inserted(7, "C:\\Lyon.bls").tincture(7, 1); },
         "D'Azur;  à pal d'or", ""},
        {"BothPiecesOnAPartition",
         [](BlazonDocument& d) {
             d.partition(10, 2)
                 .tincture(1, 4)
                 .tincture(2, 3)
                 .secondOrder(13)
                 .tincture(5, 2)
                 .firstOrder(4)
                 .tincture(7, 1);
         },
         "Parti 1) d'azur et 2) de gueules; à canton d'argent;  à bande d'or", ""},

        // Charges lying on a zone.
        {"GroupsInListOrder",
         [](BlazonDocument& d) {
             d.charge(1, kEtoile, 1, 1).charge(2, kLion, 2, 1).charge(3, kEtoile, 1, 1);
         },
         "D'Azur chargé de deux étoile d'or,  chargé de lion d'argent.", ""},
        {"SamePictureInTwoTinctures",
         [](BlazonDocument& d) {
             d.charge(4, kEtoile, 3, 1).charge(7, kEtoile, 1, 1).charge(9, kEtoile, 3, 1);
         },
         "D'Azur chargé de deux étoile de gueules,  chargé de étoile d'or.",
         "Le meuble [4] étoile est de même émail que la partie sur laquelle il repose; "
         "Le meuble [9] étoile est de même émail que la partie sur laquelle il repose."},
        {"MetalOnMetal",
         [](BlazonDocument& d) { d.partition(10, 2).tincture(2, 2).charge(3, kEtoile, 1, 2); },
         "Parti 1) d'azur et 2) d'argent chargé de étoile d'or.",
         "Le meuble [3] étoile est de même émail que la partie sur laquelle il repose."},
        {"PourpreIsExempt",
         [](BlazonDocument& d) {
             d.partition(10, 2)
                 .tincture(1, 10)
                 .charge(1, kLion, 3, 1)
                 .charge(2, kLion, 10, 2)
                 .tincture(2, 4);
         },
         "Parti 1) de pourpre chargé de lion de gueules et 2) d'azur chargé de lion de pourpre.",
         ""},
        {"PourprePartOfAnOlderFile",
         [](BlazonDocument& d) {
             d.tincture(1, 10).charge(1, kLion, 3, 1);
             d.doc().Parts[1].Kind = kClassColour;
         },
         "De Pourpre chargé de lion de gueules.", ""},
        {"ChargeWithoutTincture", [](BlazonDocument& d) { d.charge(5, kLion, -1, 1); },
         "D'Azur chargé de lion .", ""},
        {"FurPartTakesAnyCharge", [](BlazonDocument& d) { d.fur(1, 110).charge(1, kLion, 1, 1); },
         "De vair chargé de lion d'or.", ""},
        {"ChargesOnEveryQuarter",
         [](BlazonDocument& d) {
             d.partition(14, 4)
                 .tincture(1, 4)
                 .tincture(2, 1)
                 .tincture(3, 3)
                 .tincture(4, 2)
                 .charge(1, kEtoile, 2, 1)
                 .charge(2, kLion, 3, 2)
                 .charge(3, kBesant, 1, 3)
                 .charge(4, kLion, 2, 4);
         },
         "Écartelé 1) d'azur chargé de étoile d'argent,  2) d'or chargé de lion de gueules,  3) de "
         "gueules chargé de besant d'or et 4) d'argent chargé de lion d'argent.",
         "Le meuble [4] lion est de même émail que la partie sur laquelle il repose."},
        {"ChargePartlyUnderEachPiece",
         [](BlazonDocument& d) {
             d.partition(11, 2)
                 .tincture(1, 1)
                 .tincture(2, 4)
                 .secondOrder(12)
                 .tincture(5, 2)
                 .firstOrder(3)
                 .tincture(7, 3)
                 .charge(1, kLion, 2, 11)
                 .charge(2, kBesant, 5, 22);
         },
         "Coupé 1) d'or chargé de lion d'argent et 2) d'azur chargé de besant de sinople; à "
         "champagne d'argent;  à fasce de gueules",
         "Le meuble [1] lion est de même émail que la partie sur laquelle il repose; "
         "Le meuble [2] besant est de même émail que la partie sur laquelle il repose."},
        {"ChargesOnTheSecondOrderPiece",
         [](BlazonDocument& d) {
             d.secondOrder(13).tincture(5, 1).charge(6, kEtoile, 3, 5).charge(8, kEtoile, 2, 15);
         },
         "D'Azur;  à canton d'or chargé de étoile de gueules,  chargé de étoile d'argent.",
         "Le meuble [8] étoile est de même émail que la partie sur laquelle il repose."},
        {"ChargesOnTheFirstOrderPiece",
         [](BlazonDocument& d) {
             d.firstOrder(3)
                 .charge(1, kBesant, 3, 7)
                 .charge(2, kBesant, 3, 7)
                 .charge(3, kBesant, 3, 7);
         },
         "D'Azur;  à fasce d'or chargé de trois besant de gueules.", ""},
        {"MetalChargeOnMetalPiece",
         [](BlazonDocument& d) { d.firstOrder(6).charge(12, kBesant, 2, 7); },
         "D'Azur;  à chevron d'or chargé de besant d'argent.",
         "Le meuble [12] besant est de même émail que la partie sur laquelle il repose."},
        {"TwentyOneCharges",
         [](BlazonDocument& d) {
             for (int n = 1; n <= 21; ++n) d.charge(n, kEtoile, 1, 1);
         },
         "D'Azur chargé de  21 étoile d'or.", ""},

        // Charges set over everything.
        {"OneChargeOverAll", [](BlazonDocument& d) { d.tincture(1, 1).charge(1, kLion, 1, 9); },
         "D'Or;  à lion d'or broché sur le tout", ""},
        {"TwoChargesOverAll",
         [](BlazonDocument& d) { d.charge(2, kLion, 1, 9).charge(5, kEtoile, 2, 9); },
         "D'Azur;  à lion d'or et à étoile d'argent brochés sur le tout", ""},
        {"ThreeChargesOverAllAfterAChargedPiece",
         [](BlazonDocument& d) {
             d.firstOrder(3)
                 .charge(1, kBesant, 3, 7)
                 .charge(2, kLion, 1, 9)
                 .charge(3, kLion, 1, 9)
                 .charge(4, kEtoile, -1, 9);
         },
         "D'Azur;  à fasce d'or chargé de besant de gueules,  à lion d'or, à lion d'or et à étoile "
         " brochés sur le tout",
         ""},
        {"OverAllAfterAPartition",
         [](BlazonDocument& d) {
             d.partition(11, 2).tincture(1, 4).tincture(2, 3).charge(1, kLion, 2, 9);
         },
         "Coupé 1) d'azur et 2) de gueules; à lion d'argent broché sur le tout", ""},

        // Charges whose bank picture was taken away.
        {"FreedPictureOnAPart",
         [](BlazonDocument& d) {
             d.tincture(1, 1).charge(1, kFreedPicture, 2, 1).charge(2, kEtoile, 4, 1);
         },
         "D'Or chargé de étoile d'azur.", ""},
        {"FreedPictureOverAll",
         [](BlazonDocument& d) { d.charge(1, kLion, 1, 9).charge(2, kFreedPicture, 2, 9); },
         "D'Azur;  à lion d'or broché sur le tout", ""},
        {"OnlyFreedPicturesOverAll", [](BlazonDocument& d) { d.charge(1, kFreedPicture, 2, 9); },
         "D'Azur.", ""},
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
    EXPECT_EQ(ShowTinctureWarnings(d.ws), c.warnings);
}

INSTANTIATE_TEST_SUITE_P(Blazon, WholeDocument, ::testing::ValuesIn(documentCases()),
                         [](const ::testing::TestParamInfo<DocumentCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tess
