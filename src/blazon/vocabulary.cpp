#include "blazon/vocabulary.h"

#include <array>
#include <string_view>

#include "model/line_kinds.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"

namespace tess {

namespace {

constexpr std::array<std::string_view, kTinctureCount + 1> kTincturePrefixes = {
    "", "D'", "D'", "De ", "D'", "De ", "De ", "D'", "De ", "De ", "De ", "De "};

constexpr std::array<std::string_view, kLastBuiltInFur - kFirstBuiltInFur + 1> kBuiltInFurPhrases =
    {"Contre-herminé d'argent et d'azur",
     "Contre-herminé d'or et de sinople",
     "De vair",
     "D'hermine",
     "Contre-herminé d'or et de sable",
     "De contre-vair",
     "De contre-hermine",
     "De vair en pal"};

constexpr std::array<std::string_view, 21> kNumberWords = {
    "",         "un",     "deux",  "trois",    "quatre",   "cinq",     "six",
    "sept",     "huit",   "neuf",  "dix",      "onze",     "douze",    "treize",
    "quatorze", "quinze", "seize", "dix-sept", "dix-huit", "dix-neuf", "vingt"};

bool isPlainVowel(std::string_view firstLetter) {
    return firstLetter == "a" || firstLetter == "e" || firstLetter == "i" || firstLetter == "o" ||
           firstLetter == "u" || firstLetter == "y";
}

// " semé d'" or " semé de " and the fur file's name without its extension.
std::string userFurStrewing(const UserFurRecord& fur) {
    const std::string name = FileNameOfPath(fur.Path);
    const std::string first = lowerCase(leftCharacters(name, 1));
    std::string text = isPlainVowel(first) ? " semé d'" : " semé de ";
    text += lowerCase(dropLastCharacters(name, 4));
    return text;
}

}  // namespace

std::string TinctureText(const Workspace& ws, Long code, Long strewn) {
    std::string text;
    if (code >= 1 && code <= kTinctureCount) {
        text = kTincturePrefixes[code];
        text += ws.Tinctures[code].Name;
    } else if (code >= kFirstBuiltInFur && code <= kLastBuiltInFur) {
        text = kBuiltInFurPhrases[code - kFirstBuiltInFur];
    } else if (code >= 131) {
        text = "de [couleur non-reconnue]";
    }
    if (strewn >= kFirstUserFur && strewn <= kLastUserFur)
        text += userFurStrewing(ws.CurrentBlazon.UserFurs[strewn - kFirstUserFur]);
    return text;
}

std::string NumberWord(int n) {
    if (n >= 1 && n <= 20) return std::string(kNumberWords[n]);
    // Appended rather than " " + std::to_string(n), on which GCC 12 warns of
    // an overlap that cannot happen (-Wrestrict) at -O2.
    std::string word = " ";
    word += std::to_string(n);
    return word;
}

std::string PartitionName(const BlazonRecord& blazon, std::string& secondHalf) {
    switch (blazon.Partition) {
        case kParti:
            return "Parti";
        case kCoupe:
            return "Coupé";
        case kTranche:
            return "Tranché";
        case kTaille:
            return "Taillé";
        case kEcartele:
            return "Écartelé";
        case kEcarteleEnSautoir:
            return "Écartelé en sautoir";
        case kTierceEnPal:
            return "Tiercé en pal";
        case kTierceEnFasce:
            return "Tiercé en fasce";
        case kTierceEnBande:
            return "Tiercé en bande";
        case kTierceEnBarre:
            return "Tiercé en barre";
        case kTierceEnPairle:
            return "Tiercé en pairle";
        case kPartiMiCoupeSenestre:
            secondHalf = "mi-coupé en sénestre ";
            return "Parti";
        case kPartiMiCoupeDextre:
            secondHalf = "mi-coupé en dextre ";
            return "Parti";
        case kCoupeMiPartiChef:
            secondHalf = "mi-parti en chef ";
            return "Coupé";
        case kCoupeMiPartiPointe:
            secondHalf = "mi-parti en pointe ";
            return "Coupé";
        default:
            return {};
    }
}

std::string PartitionLineName(Long lineKind) {
    switch (lineKind) {
        case kLineDentele:
            return " dentelé";
        case kLineNebule:
            return " nébulé";
        case kLineCrenele:
            return " crênelé";
        case kLineEngrele:
            return " engrelé";
        case kLineBretesse:
            return " bretessé";
        case kLineContreBretesse:
            return " contre-bretessé";
        case kLineBastille:
            return " bastillé";
        default:
            return {};
    }
}

std::string OrdinaryName(const BlazonRecord& blazon, Long code) {
    if (code >= kAdextre) return blazon.Ordinary2.Name;
    if (blazon.Ordinary1.Size < 1) return blazon.Ordinary1.Name;
    switch (code) {
        case kChef:
            return "Comble";
        case kPal:
            return "Vergette";
        case kFasce:
            return "Trangle";
        case kBande:
            return "Cotice";
        case kBarre:
            return "Traverse";
        case kChevron:
            return "Étai";
        case kBordure:
            return "filière";
        default:
            return blazon.Ordinary1.Name;
    }
}

std::string DeportPhrase(const BlazonRecord& blazon, Integer shift, Long pieceType) {
    if (shift != -1 && shift != 1) return {};
    std::string text = " déporté";
    if (blazon.Ordinary1.Repeat != 0) text += "s";
    const bool shiftsVertically = pieceType == kFasce || pieceType == kChevron;
    if (shift == -1)
        text += shiftsVertically ? " en chef" : " en dextre";
    else
        text += shiftsVertically ? " en pointe" : " en sénestre";
    return text;
}

}  // namespace tess
