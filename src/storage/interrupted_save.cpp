#include "storage/interrupted_save.h"

#include <unistd.h>

#include "storage/side_files.h"

namespace tess {

InterruptedSave settleDocumentFiles(const std::string& path) {
    if (path.empty()) return InterruptedSave::None;
    const InterruptedSave outcome = finishInterruptedSave(saveJournalFile(path), kStagedSuffix);
    // A journal that could not be finished still owns its temporaries.
    if (outcome == InterruptedSave::Unfinished) return outcome;
    // What is left under a temporary name belongs to a save that never reached
    // its journal (or to a journal just dropped): the old files stand, these go.
    // unlink and not a look-up first: one system call per name either way.
    ::unlink((path + kStagedSuffix).c_str());
    for (const std::string& file : everySideFile(path)) ::unlink((file + kStagedSuffix).c_str());
    return outcome;
}

}  // namespace tess
