#include "blazon/tincture_warnings.h"

#include <algorithm>

#include "blazon/bank_phrase.h"

namespace tess {

namespace {

void appendChargeName(std::string& w, const Workspace& ws, Long charge) {
    w += "Le meuble [";
    w += std::to_string(charge);
    w += "] ";
    if (const std::string* phrase = chargeBankPhrase(ws, charge)) w += *phrase;
}

}  // namespace

std::string TinctureWarningsText(const Workspace& ws) {
    const WarningList& list = ws.Warnings;
    const Long count = std::min<Long>(list.count(), kMaxWarnings);
    std::string w;
    for (Long i = 1; i <= count; ++i) {
        const WarningEntry& entry = list.Entries[i];
        switch (entry.Kind) {
            case kWarnChargeOnItsTincture:
                appendChargeName(w, ws, entry.Item);
                w += " est de même émail que la partie sur laquelle il repose; ";
                break;
            case kWarnNeighbourPartsAlike: {
                const std::string parts = std::to_string(entry.Item);
                w += "La partie ";
                w += parts.front();
                w += " est de même émail que la partie ";
                w += parts.back();
                w += "; ";
                break;
            }
            case kWarnChargeOffShield:
                appendChargeName(w, ws, entry.Item);
                // A run of charges off the shield reads as one sentence.
                w += list.Entries[i - 1].Kind == kWarnChargeOffShield
                         ? " également! "
                         : " semble avoir peur de poser pour le blason; ";
                break;
            default:
                break;
        }
    }
    if (w.size() >= 2 && w.compare(w.size() - 2, 2, "; ") == 0) w.replace(w.size() - 2, 2, ".");
    return w;
}

}  // namespace tess
