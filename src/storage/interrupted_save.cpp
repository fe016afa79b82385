#include "storage/interrupted_save.h"

#include <unistd.h>

#include <set>

#include "platform/text_encoding.h"
#include "storage/side_files.h"

namespace tess {

namespace {

// `file` as a name in the folder of `document`, or the empty text when it
// lies elsewhere (a name too short for its extension reaches into the folder).
std::string nameBeside(const std::string& document, const std::string& file) {
    const std::size_t slash = document.find_last_of('/');
    const std::size_t folder = slash == std::string::npos ? 0 : slash + 1;
    if (file.size() <= folder || file.compare(0, folder, document, 0, folder) != 0 ||
        file.find('/', folder) != std::string::npos)
        return {};
    return file.substr(folder);
}

// True when `entries` are what a save of the document at `path` commits: the
// document, its previews, pictures, masks and arms renamed from their own
// temporaries, the document among them, and removals of pictures, masks and
// arms only. Built only when a journal is there: about 520 names.
bool isOwnSaveJournal(const std::string& path, const std::vector<SaveJournalEntry>& entries) {
    const std::string document = nameBeside(path, path);
    std::set<std::string> written = {document};
    for (const std::string& file : everySideFile(path)) written.insert(nameBeside(path, file));
    written.erase(std::string());
    // A save removes side pictures and arms the new document no longer has;
    // it always writes the document and both previews.
    std::set<std::string> removable = written;
    for (const std::string& file : {path, shieldPreviewFile(path), bannerPreviewFile(path)})
        removable.erase(nameBeside(path, file));

    bool renamesDocument = false;
    for (const SaveJournalEntry& e : entries) {
        if (e.kind == SaveJournalEntry::Kind::Remove) {
            if (!removable.count(e.name)) return false;
            continue;
        }
        if (!written.count(e.name) || e.temporary != e.name + kStagedSuffix) return false;
        renamesDocument = renamesDocument || e.name == document;
    }
    return renamesDocument;
}

}  // namespace

InterruptedSave settleDocumentFiles(const std::string& path) {
    // A save always writes a name ending in ".bls": beside any other name no
    // save of ours left anything.
    if (path.empty() || withDocumentExtension(path) != path) return InterruptedSave::None;
    const InterruptedSave outcome = finishInterruptedSave(
        saveJournalFile(path), kStagedSuffix, [&](const std::vector<SaveJournalEntry>& entries) {
            return isOwnSaveJournal(path, entries);
        });
    // A journal that could not be finished still owns its temporaries; one
    // that is not ours leaves the folder as it is, temporaries included.
    if (outcome == InterruptedSave::Unfinished || outcome == InterruptedSave::Refused)
        return outcome;
    // What is left under a temporary name belongs to a save that never reached
    // its journal (or to a journal just dropped): the old files stand, these
    // go. unlink and not a look-up first: one system call per name either way.
    ::unlink((path + kStagedSuffix).c_str());
    for (const std::string& file : everySideFile(path)) ::unlink((file + kStagedSuffix).c_str());
    return outcome;
}

FileMessage refusedJournalMessage(const std::string& path) {
    return FileMessage::exclamation(
        "Tessaline", "Le fichier « " + displayedName(saveJournalFile(path)) +
                         " » n'est pas le journal d'une sauvegarde de ce blason : il est laissé "
                         "tel quel, et aucun fichier n'a été renommé ni supprimé. Le blason reste "
                         "tel qu'il est sur le disque.");
}

}  // namespace tess
