#include "blazon/vocabulary.h"

#include <array>
#include <string_view>

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
    return " " + std::to_string(n);
}

std::string PartitionName(const BlazonRecord& blazon, std::string& secondHalf) {
    switch (blazon.Partition) {
        case 10:
            return "Parti";
        case 11:
            return "Coupé";
        case 12:
            return "Tranché";
        case 13:
            return "Taillé";
        case 14:
            return "Écartelé";
        case 15:
            return "Écartelé en sautoir";
        case 16:
            return "Tiercé en pal";
        case 17:
            return "Tiercé en fasce";
        case 18:
            return "Tiercé en bande";
        case 19:
            return "Tiercé en barre";
        case 21:
            return "Tiercé en pairle";
        case 22:
            secondHalf = "mi-coupé en sénestre ";
            return "Parti";
        case 23:
            secondHalf = "mi-coupé en dextre ";
            return "Parti";
        case 24:
            secondHalf = "mi-parti en chef ";
            return "Coupé";
        case 25:
            secondHalf = "mi-parti en pointe ";
            return "Coupé";
        default:
            return {};
    }
}

std::string PartitionLineName(Long lineKind) {
    switch (lineKind) {
        case 11:
            return " dentelé";
        case 12:
            return " nébulé";
        case 13:
            return " crênelé";
        case 14:
            return " engrelé";
        case 15:
            return " bretessé";
        case 16:
            return " contre-bretessé";
        case 17:
            return " bastillé";
        default:
            return {};
    }
}

std::string OrdinaryName(const BlazonRecord& blazon, Long code) {
    if (code >= 10) return blazon.Ordinary2.Name;
    if (blazon.Ordinary1.Size < 1) return blazon.Ordinary1.Name;
    switch (code) {
        case 1:
            return "Comble";
        case 2:
            return "Vergette";
        case 3:
            return "Trangle";
        case 4:
            return "Cotice";
        case 5:
            return "Traverse";
        case 6:
            return "Étai";
        case 8:
            return "filière";
        default:
            return blazon.Ordinary1.Name;
    }
}

std::string DeportPhrase(const BlazonRecord& blazon, Integer shift, Long pieceType) {
    if (shift != -1 && shift != 1) return {};
    std::string text = " déporté";
    if (blazon.Ordinary1.Repeat != 0) text += "s";
    const bool shiftsVertically = pieceType == 3 || pieceType == 6;  // Fasce, Chevron
    if (shift == -1)
        text += shiftsVertically ? " en chef" : " en dextre";
    else
        text += shiftsVertically ? " en pointe" : " en sénestre";
    return text;
}

}  // namespace tess
