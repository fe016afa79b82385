#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tess {

// What a committed batch of files still has to do, as its journal lists it:
// renames of temporaries into place and removals. Names are of files in the
// journal's own folder (never a path), so a folder moved after a crash still
// finishes.
struct SaveJournalEntry {
    enum class Kind : std::uint8_t { Rename = 1, Remove = 2 };
    Kind kind = Kind::Rename;
    std::string name;                     // the final file
    std::string temporary;                // for a rename: the file put in its place
    std::uint64_t device = 0, inode = 0;  // of the temporary, so no other file is renamed

    bool operator==(const SaveJournalEntry&) const = default;
};

// The journal's bytes: "TSJ1", the entry count, then per entry a kind byte,
// the final name and, for a rename, the temporary's name with its device and
// inode; an FNV-1a checksum of all that closes it. The journal is put in place
// whole by a rename, so a journal that does not decode is none of ours.
std::vector<std::uint8_t> encodeSaveJournal(const std::vector<SaveJournalEntry>& entries);
// Nothing unless `bytes` is exactly one journal with its checksum.
std::optional<std::vector<SaveJournalEntry>> decodeSaveJournal(const std::uint8_t* data,
                                                               std::size_t size);

// The bytes of the journal file at `path`: nothing when it is missing, is not
// a plain file, cannot be read or is larger than any journal a batch writes.
std::optional<std::vector<std::uint8_t>> readSaveJournal(const std::string& path);

}  // namespace tess
