// libFuzzer target of the save journal's reader: any bytes are read as the
// journal found beside a document, as they stand and sealed with their right
// checksum (else nearly every input would stop at the checksum). The reader
// must neither crash nor hang; a journal it accepts names only files of its
// own folder, and writing what it read gives back the very bytes (the format
// has one spelling per journal).

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/save_journal.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool isFileName(const std::string& name) {
    return !name.empty() && name.size() <= 255 && name != "." && name != ".." &&
           name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

// The journal's checksum, FNV-1a over everything before it.
std::uint32_t fnv1a(const std::uint8_t* data, std::size_t size) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

void decode(const std::uint8_t* data, std::size_t size) {
    const auto entries = tess::decodeSaveJournal(data, size);
    if (!entries) return;
    for (const tess::SaveJournalEntry& e : *entries) {
        check(isFileName(e.name));
        check(e.kind == tess::SaveJournalEntry::Kind::Remove || isFileName(e.temporary));
    }
    const std::vector<std::uint8_t> again = tess::encodeSaveJournal(*entries);
    check(again.size() == size && std::equal(again.begin(), again.end(), data));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    decode(data, size);
    std::vector<std::uint8_t> sealed(data, data + size);
    const std::uint32_t sum = fnv1a(data, size);
    for (int i = 0; i < 4; ++i) sealed.push_back(std::uint8_t(sum >> (8 * i)));
    decode(sealed.data(), sealed.size());
    return 0;
}
