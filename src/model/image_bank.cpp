#include "model/image_bank.h"

#include "platform/paths.h"
#include "platform/text_encoding.h"

namespace tess {

std::string bankTempCopyPath(int slot) {
    return programFile("\\Pic" + std::to_string(slot) + ".tmp");
}

std::string pictureDisplayName(const std::string& fileName) {
    if (characterCount(fileName) <= 4) return fileName;
    return dropLastCharacters(fileName, 4);
}

int findBankSlot(const ImageBank& bank, const std::string& fileName) {
    for (int s = 1; s <= kImageBankSize; ++s)
        if (bank[s].InUse != 0 && bank[s].FileName == fileName) return s;
    return 0;
}

}  // namespace tess
