#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tess {

// Replaces several files together while waiting for the disk once instead of
// once per file. Each file is written next to its final place, under its own
// name followed by `temporarySuffix`, and is not flushed then; commit() flushes
// every temporary, renames them into place in the order they were added and
// flushes their folders. Until the first rename no old file has changed: a
// failed add or flush, discard() and dropping an uncommitted batch all remove
// every temporary written so far. So add last the file that names the others
// (a document after its side files): until it is renamed, the old one stands.
class StagedFiles {
  public:
    explicit StagedFiles(std::string temporarySuffix) : suffix_(std::move(temporarySuffix)) {}
    ~StagedFiles() { discard(); }
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Writes `bytes` as the new content of `path`; a file already there keeps
    // its mode. Refuses a folder standing at `path` now, since renaming over
    // it would fail only after the files added before had replaced theirs.
    // Empty text on success, else the reason (French, for the user).
    [[nodiscard]] std::string add(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // Empty text once every file is in place, else the reason. Should a rename
    // itself fail, the files renamed before it stay replaced and the rest are
    // dropped.
    [[nodiscard]] std::string commit();
    void discard();
    std::size_t size() const { return files_.size(); }

  private:
    struct Staged {
        std::string temporary;  // empty once renamed
        std::string path;
        std::uint64_t device = 0, inode = 0;  // of the temporary, to flush no other file
    };
    std::string suffix_;
    std::vector<Staged> files_;
};

}  // namespace tess
