#include "blazon/bank_phrase.h"

namespace tess {

const std::string* chargeBankPhrase(const Workspace& ws, int charge) {
    if (charge < 1 || charge > kChargeCount) return nullptr;
    const int slot = ws.CurrentBlazon.Charges[charge].ImageIndex;
    if (slot < 1 || slot > kImageBankSize) return nullptr;
    const ImageBankEntry& entry = ws.Bank[slot];
    if (entry.InUse == 0) return nullptr;
    return &entry.Phrase;
}

}  // namespace tess
