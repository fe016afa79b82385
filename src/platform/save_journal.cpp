#include "platform/save_journal.h"

#include <algorithm>
#include <iterator>

#include "platform/record_file.h"

namespace tess {

namespace {

constexpr char kMagic[4] = {'T', 'S', 'J', '1'};
// A file name is at most 255 bytes on every file system the program meets.
constexpr std::uint64_t kMaxNameBytes = 255;
// A document's save renames or removes about 520 files: each entry then takes
// at most 535 bytes, so a real journal stays far below this.
constexpr std::size_t kMaxJournalBytes = 1u << 20;

std::uint32_t checksum(const std::uint8_t* data, std::size_t size) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

void putNumber(std::vector<std::uint8_t>& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

void putText(std::vector<std::uint8_t>& out, const std::string& text) {
    putNumber(out, text.size(), 4);
    out.insert(out.end(), text.begin(), text.end());
}

class JournalReader {
  public:
    JournalReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool number(std::uint64_t& v, int bytes) {
        if (size_ - pos_ < std::size_t(bytes)) return false;
        v = 0;
        for (int i = 0; i < bytes; ++i) v |= std::uint64_t(data_[pos_ + i]) << (8 * i);
        pos_ += std::size_t(bytes);
        return true;
    }
    // A name of one file in the folder: never empty, never a path, and no
    // byte that the system would cut the name at.
    bool name(std::string& text) {
        std::uint64_t n = 0;
        if (!number(n, 4) || n == 0 || n > kMaxNameBytes || size_ - pos_ < n) return false;
        text.assign(reinterpret_cast<const char*>(data_ + pos_), std::size_t(n));
        pos_ += std::size_t(n);
        return text.find_first_of(std::string_view("/\0", 2)) == std::string::npos && text != "." &&
               text != "..";
    }
    std::size_t pos() const { return pos_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::uint8_t> encodeSaveJournal(const std::vector<SaveJournalEntry>& entries) {
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    putNumber(out, entries.size(), 4);
    for (const SaveJournalEntry& e : entries) {
        out.push_back(std::uint8_t(e.kind));
        putText(out, e.name);
        if (e.kind != SaveJournalEntry::Kind::Rename) continue;
        putText(out, e.temporary);
        putNumber(out, e.device, 8);
        putNumber(out, e.inode, 8);
    }
    putNumber(out, checksum(out.data(), out.size()), 4);
    return out;
}

std::optional<std::vector<SaveJournalEntry>> decodeSaveJournal(const std::uint8_t* data,
                                                               std::size_t size) {
    if (size < 12 || !std::equal(std::begin(kMagic), std::end(kMagic), data)) return {};
    std::uint64_t stored = 0;
    for (int i = 0; i < 4; ++i) stored |= std::uint64_t(data[size - 4 + i]) << (8 * i);
    if (checksum(data, size - 4) != stored) return {};

    JournalReader in(data, size - 4);
    std::uint64_t magic = 0, count = 0;
    in.number(magic, 4);
    // Every entry takes at least six bytes: a count beyond that is a lie.
    if (!in.number(count, 4) || count > (size - 12) / 6) return {};
    std::vector<SaveJournalEntry> entries;
    entries.reserve(std::size_t(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        SaveJournalEntry e;
        std::uint64_t kind = 0;
        if (!in.number(kind, 1) || (kind != std::uint64_t(SaveJournalEntry::Kind::Rename) &&
                                    kind != std::uint64_t(SaveJournalEntry::Kind::Remove)))
            return {};
        e.kind = SaveJournalEntry::Kind(kind);
        if (!in.name(e.name)) return {};
        if (e.kind == SaveJournalEntry::Kind::Rename &&
            (!in.name(e.temporary) || !in.number(e.device, 8) || !in.number(e.inode, 8)))
            return {};
        entries.push_back(std::move(e));
    }
    if (in.pos() + 4 != size) return {};
    return entries;
}

std::optional<std::vector<std::uint8_t>> readSaveJournal(const std::string& path) {
    return readFileBytes(path, kMaxJournalBytes);
}

}  // namespace tess
