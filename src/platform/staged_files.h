#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/save_journal.h"

namespace tess {

// Replaces several files together, all or nothing. Each file is written next
// to its final place, under its own name followed by `temporarySuffix`, and is
// not flushed then; commit flushes every temporary once, then puts them in
// place. Until commit no old file has changed: a failed add, discard() and
// dropping an uncommitted batch all remove every temporary written so far.
//
// Committed with a journal, the batch is all or nothing even across a crash: a
// small file beside the others lists the renames and removals; once it is on
// the disk under its own name (the commit point) the batch counts as done, and
// finishInterruptedSave carries out whatever a crash left of it. Before that
// point the old files stand and the temporaries are only litter.
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
    // `path` is deleted when the batch is committed (an old file the new set
    // no longer has). Nothing happens to it before.
    void removeAtCommit(const std::string& path);

    // Without a journal: empty text once every file is in place, else the
    // reason. Should a rename itself fail, the files renamed before it stay
    // replaced and the rest are dropped.
    [[nodiscard]] std::string commit();
    // With a journal at `journal` (in the same folder as every file of the
    // batch). Empty text when all is done. A failure before the commit point
    // leaves every old file as it was; after it (`committed()` true) the
    // journal stays for finishInterruptedSave to complete the batch. A failure
    // of the journal itself is told as one of `shownAs`, the file the batch is
    // for: the user never asked for the journal.
    [[nodiscard]] std::string commit(const std::string& journal, const std::string& shownAs);
    bool committed() const { return committed_; }
    // The errno of the last failure, to tell a full disk from a read-only one.
    int failedErrno() const { return errno_; }

    void discard();
    std::size_t size() const { return files_.size(); }

  private:
    struct Staged {
        std::string temporary;  // empty once renamed
        std::string path;
        std::uint64_t device = 0, inode = 0;  // of the temporary, to flush no other file
    };
    std::string fail(const char* step, const std::string& path);
    std::string flushAll();
    std::string suffix_;
    std::vector<Staged> files_;
    std::vector<std::string> removals_;
    bool committed_ = false;
    int errno_ = 0;
};

enum class InterruptedSave {
    None,        // no journal: nothing was interrupted after its commit point
    Finished,    // a committed batch was carried out to its end
    Abandoned,   // a journal that named files no longer there was dropped
    Unfinished,  // a rename or removal failed again; the journal stays
    Refused,     // something that is no journal of this batch: left as it is
};

// Whether decoded entries are a batch the caller could have committed under
// this journal's name: only then are they carried out.
using JournalCheck = std::function<bool(const std::vector<SaveJournalEntry>&)>;

// Completes the batch whose journal is `journal`, if any: every temporary it
// lists that is still there (the very file the save wrote, by its inode) is
// renamed into place, every removal is made, and the journal goes. A journal
// whose temporaries were lost is dropped with what is left of them. The
// journal's own temporary (a save that died before its commit point) goes too.
// A journal that is not a plain file, does not decode, or that `belongs`
// turns down, is left untouched and nothing at all is done: a journal is
// written whole and renamed into place, so such a file is not ours.
InterruptedSave finishInterruptedSave(const std::string& journal, const std::string& suffix,
                                      const JournalCheck& belongs);

// Why a file could not be written, as the user reads it: a full disk and a
// read-only folder in their own words, any other failure with the system's.
std::string fileFailureText(int error, const std::string& path);

}  // namespace tess
