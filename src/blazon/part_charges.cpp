#include <algorithm>
#include <array>
#include <utility>

#include "blazon/bank_phrase.h"
#include "blazon/blazon_text.h"
#include "blazon/vocabulary.h"
#include "model/placements.h"
#include "model/tincture_table.h"
#include "platform/text_encoding.h"

namespace tess {

namespace {

// The zone a listed charge rests on, from its placement code: 1..5 and 7 as
// they stand, 11..15 partly on the first-order piece, 21..25 partly on the
// second-order piece's zone; 0 for any code no zone list holds.
int restingPart(Byte placement) {
    if (placement >= kFirstFieldPart && placement <= kPartCount) return placement;
    if (placement > kPartlyOnFirstOrder && placement <= kPartlyOnFirstOrder + kSecondOrderZone)
        return placement - kPartlyOnFirstOrder;
    if (placement > kPartlyOnSecondOrder && placement <= kPartlyOnSecondOrder + kSecondOrderZone)
        return placement - kPartlyOnSecondOrder;
    return 0;
}

// Metal on metal or colour on colour. Pourpre is exempt on either side, and a
// charge without a tincture has no émail to compare.
void checkChargeEmail(Workspace& ws, int charge) {
    const BlazonRecord& blazon = ws.CurrentBlazon;
    const ChargeRecord& c = blazon.Charges[charge];
    const int part = restingPart(c.Placement);
    if (part == 0) return;
    if (c.Tincture < kOr || c.Tincture == kPourpre) return;
    const PartRecord& zone = blazon.Parts[part];
    if (c.Class == zone.Kind && zone.Tincture != kPourpre)
        AddWarning(ws.Warnings, kWarnChargeOnItsTincture, charge);
}

// The live group with a phrase that a charge names, or null.
const MotifRecord* arrangedIn(const Workspace& ws, int group) {
    if (group < 1 || group > kMotifCount) return nullptr;
    const MotifRecord& g = ws.Groups.Motifs[group];
    return (g.InUse != 0 && !g.Phrase.empty()) ? &g : nullptr;
}

}  // namespace

std::string BuildPartChargesPhrase(Workspace& ws, Byte part) {
    std::string s;
    if (part < 1 || part > kPartCount) return s;
    const BlazonRecord& blazon = ws.CurrentBlazon;
    const PartRecord& zone = blazon.Parts[part];
    const int listed = std::min<int>(zone.ChargeCount, kChargeCount);

    // (ImageIndex, Tincture) of the groups already written.
    std::array<std::pair<Integer, Long>, kChargeCount> described;
    int describedCount = 0;

    for (int m = 1; m <= listed; ++m) {
        const int c = zone.ChargeList[m];
        const std::string* phrase = chargeBankPhrase(ws, c);
        if (phrase == nullptr) continue;
        checkChargeEmail(ws, c);

        const ChargeRecord& charge = blazon.Charges[c];
        const std::pair<Integer, Long> key{charge.ImageIndex, charge.Tincture};
        const auto describedEnd = described.begin() + describedCount;
        if (std::find(described.begin(), describedEnd, key) != describedEnd) continue;
        described[describedCount++] = key;

        int n = 0;
        std::string arrangement;
        std::array<bool, kMotifCount + 1> named{};
        for (int j = 1; j <= listed; ++j) {
            const int other = zone.ChargeList[j];
            if (other < 1 || other > kChargeCount) continue;
            const ChargeRecord& o = blazon.Charges[other];
            if (o.ImageIndex != key.first || o.Tincture != key.second) continue;
            ++n;
            const MotifRecord* group = arrangedIn(ws, o.Motif);
            if (group == nullptr || named[o.Motif]) continue;
            named[o.Motif] = true;
            arrangement += arrangement.empty() ? " en forme " : " et ";
            arrangement += group->Phrase;
        }

        s += " chargé de ";
        if (n >= 2) {
            s += NumberWord(n);
            s += ' ';
        }
        s += *phrase;
        s += ' ';
        s += lowerCase(TinctureText(ws, charge.Tincture, charge.Class));
        s += arrangement;
        s += ", ";
    }
    return s;
}

}  // namespace tess
