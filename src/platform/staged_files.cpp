#include "platform/staged_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/file_steps.h"
#include "platform/save_journal.h"
#include "platform/text_encoding.h"

namespace tess {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// Waits until the temporary's data is on the disk. Opened again by name rather
// than kept open: a document with a full picture bank stages over 500 files.
bool flushToDisk(const std::string& temporary, std::uint64_t device, std::uint64_t inode) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && std::uint64_t(info.st_dev) == device &&
              std::uint64_t(info.st_ino) == inode;
    if (!ok) errno = ESTALE;  // someone else's file now stands there
    ok = ok && stepDataSync(fd, temporary);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

bool sameFile(const std::string& path, std::uint64_t device, std::uint64_t inode) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && std::uint64_t(info.st_dev) == device &&
           std::uint64_t(info.st_ino) == inode;
}

// Renames and removals of a committed batch, from the first not yet done.
// False at the first step that fails (errno set); the journal then stays.
bool carryOut(const std::string& folder, const std::vector<SaveJournalEntry>& entries) {
    for (const SaveJournalEntry& e : entries) {
        const std::string path = inFolder(folder, e.name);
        if (e.kind == SaveJournalEntry::Kind::Remove) {
            if (!stepRemove(path)) return false;
        } else if (!sameFile(path, e.device, e.inode) &&
                   !stepRename(inFolder(folder, e.temporary), path)) {
            return false;
        }
    }
    return stepFolderSync(folder);
}

}  // namespace

std::string fileFailureText(int error, const std::string& path) {
    const std::string shown = "« " + displayedName(path) + " »";
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "Le disque est plein : " + shown + " n'a pu être écrit.";
        case EROFS:
        case EACCES:
        case EPERM:
            return "Le dossier « " + displayedName(folderOf(path)) +
                   " » est en lecture seule : " + shown + " n'a pu être écrit.";
        case ENOENT:
        case ENOTDIR:
            return "Le dossier « " + displayedName(folderOf(path)) + " » n'existe pas : " + shown +
                   " n'a pu être écrit.";
        case ENAMETOOLONG:
            return "Ce nom est trop long pour le système : " + shown + " n'a pu être écrit.";
        default:
            return "Impossible d'écrire " + shown + " : " + std::strerror(error);
    }
}

std::string StagedFiles::fail(const char* step, const std::string& path) {
    errno_ = errno;
    switch (errno_) {
        case ENOSPC:
        case EDQUOT:
        case EROFS:
        case EACCES:
        case EPERM:
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
            return fileFailureText(errno_, path);
        default:
            break;
    }
    return std::string(step) + " « " + displayedName(path) + " » : " + std::strerror(errno_);
}

std::string StagedFiles::add(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    struct stat old {};
    const bool replacing = ::lstat(path.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        errno_ = EISDIR;
        return "« " + displayedName(path) + " » est un dossier";
    }

    // A temporary left by an interrupted save goes; a folder there makes the
    // exclusive creation below fail, a link is never followed.
    const std::string temporary = path + suffix_;
    ::unlink(temporary.c_str());
    const int fd = stepCreateExclusive(temporary, 0600);
    if (fd < 0) return fail("Impossible de créer le fichier temporaire de", path);
    ::fchmod(fd, replacing && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : 0644);

    struct stat info {};
    bool ok = stepWriteAll(fd, path, bytes.data(), bytes.size()) && ::fstat(fd, &info) == 0;
    // Start the transfer now, so that by commit time most of it is done while
    // the caller was preparing the next files. Only a hint: commit waits.
    if (ok) ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    std::string reason = ok ? std::string() : fail("Impossible d'écrire", path);
    if (::close(fd) != 0 && reason.empty()) reason = fail("Impossible d'écrire", path);
    if (!reason.empty()) {
        ::unlink(temporary.c_str());
        return reason;
    }
    files_.push_back({temporary, path, std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)});
    return {};
}

void StagedFiles::removeAtCommit(const std::string& path) {
    removals_.push_back(path);
}

std::string StagedFiles::flushAll() {
    for (const Staged& file : files_) {
        errno = 0;
        if (!flushToDisk(file.temporary, file.device, file.inode)) {
            const std::string reason = fail("Impossible d'écrire", file.path);
            discard();
            return reason;
        }
    }
    return {};
}

std::string StagedFiles::commit() {
    if (std::string reason = flushAll(); !reason.empty()) return reason;

    std::vector<std::string> folders;
    for (Staged& file : files_) {
        if (!stepRename(file.temporary, file.path)) {
            const std::string reason = fail("Impossible de remplacer", file.path);
            discard();
            return reason;
        }
        file.temporary.clear();
        std::string folder = folderOf(file.path);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(std::move(folder));
    }
    files_.clear();
    for (const std::string& path : removals_) stepRemove(path);
    removals_.clear();

    // The renames reach the disk with their folders. The files are in place
    // whatever this gives, so a failure here is not the save's.
    for (const std::string& folder : folders) stepFolderSync(folder);
    return {};
}

std::string StagedFiles::commit(const std::string& journal, const std::string& shownAs) {
    const std::string folder = folderOf(journal);
    std::vector<SaveJournalEntry> entries;
    for (const Staged& file : files_) {
        if (folderOf(file.path) != folder) {
            errno_ = EXDEV;
            discard();
            return "« " + displayedName(file.path) + " » n'est pas dans le dossier du journal";
        }
        entries.push_back({SaveJournalEntry::Kind::Rename, nameOf(file.path),
                           nameOf(file.temporary), file.device, file.inode});
    }
    for (const std::string& path : removals_) {
        struct stat info {};
        // Only what is there now: the journal then lists no removal of a file
        // a later save of another document might have put there.
        if (folderOf(path) == folder && ::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            entries.push_back({SaveJournalEntry::Kind::Remove, nameOf(path)});
    }

    // Every file's content must be on the disk before the journal that makes
    // it count: else a power cut could leave the journal naming empty files.
    if (std::string reason = flushAll(); !reason.empty()) return reason;

    const std::vector<std::uint8_t> bytes = encodeSaveJournal(entries);
    const std::string staging = journal + suffix_;
    ::unlink(staging.c_str());
    const int fd = stepCreateExclusive(staging, 0600);
    bool ok = fd >= 0;
    ok = ok && stepWriteAll(fd, journal, bytes.data(), bytes.size());
    ok = ok && stepDataSync(fd, journal);
    // The journal is the batch's own business: its failures are told under the
    // name the caller gave, the file the user asked for.
    std::string reason = ok ? std::string() : fail("Impossible d'écrire", shownAs);
    if (fd >= 0 && ::close(fd) != 0 && reason.empty())
        reason = fail("Impossible d'écrire", shownAs);
    // The commit point: once the journal stands under its name (and the folder
    // says so), the batch is done whatever happens next.
    if (reason.empty() && !stepRename(staging, journal))
        reason = fail("Impossible de remplacer", shownAs);
    if (!reason.empty()) {
        ::unlink(staging.c_str());
        discard();
        return reason;
    }
    committed_ = true;
    const bool done = stepFolderSync(folder) && carryOut(folder, entries);
    const int error = errno;
    for (Staged& file : files_) file.temporary.clear();  // the journal owns them now
    files_.clear();
    removals_.clear();
    if (!done) {
        errno = error;
        return fail("Impossible de remplacer", shownAs);
    }
    // The journal goes last; should that be lost, finishing it again finds
    // every file already in place.
    stepRemove(journal);
    return {};
}

void StagedFiles::discard() {
    for (const Staged& file : files_)
        if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    files_.clear();
    removals_.clear();
}

InterruptedSave finishInterruptedSave(const std::string& journal, const std::string& suffix,
                                      const JournalCheck& belongs) {
    struct stat info {};
    if (::lstat(journal.c_str(), &info) != 0) {
        // A save that died before its commit point may have left the
        // journal's own temporary.
        ::unlink((journal + suffix).c_str());
        return InterruptedSave::None;
    }
    // Whatever stands under the journal's name and is not a journal of this
    // batch's kind stays as it is: it names nothing we may touch.
    if (!S_ISREG(info.st_mode)) return InterruptedSave::Refused;
    const auto bytes = readSaveJournal(journal);
    if (!bytes) return InterruptedSave::Refused;
    const auto entries = decodeSaveJournal(bytes->data(), bytes->size());
    if (!entries || !belongs(*entries)) return InterruptedSave::Refused;

    // Each file is either still waiting under its temporary name or already in
    // place; a file in neither state was lost, and the batch cannot be whole.
    const std::string folder = folderOf(journal);
    const auto waiting = [&](const SaveJournalEntry& e) {
        return e.kind == SaveJournalEntry::Kind::Rename &&
               sameFile(inFolder(folder, e.temporary), e.device, e.inode);
    };
    const auto inPlace = [&](const SaveJournalEntry& e) {
        return sameFile(inFolder(folder, e.name), e.device, e.inode);
    };
    const bool whole = std::all_of(entries->begin(), entries->end(), [&](const auto& e) {
        return e.kind != SaveJournalEntry::Kind::Rename || waiting(e) || inPlace(e);
    });
    ::unlink((journal + suffix).c_str());
    if (!whole) {
        for (const SaveJournalEntry& e : *entries)
            if (waiting(e)) stepRemove(inFolder(folder, e.temporary));
        stepRemove(journal);
        return InterruptedSave::Abandoned;
    }
    if (!carryOut(folder, *entries)) return InterruptedSave::Unfinished;
    stepRemove(journal);
    return InterruptedSave::Finished;
}

}  // namespace tess
