#include "platform/staged_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/file_steps.h"
#include "platform/record_file.h"
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

// ---- the journal: what a committed batch still has to do ----
//
// "TSJ1", the entry count, then per entry a kind byte, the final file's name
// and, for a rename, the temporary's name with its device and inode; names
// are relative to the journal's folder, so a folder moved after a crash still
// finishes. A checksum closes it: the journal is put in place whole by a
// rename, so a bad sum means a file that is not ours.

constexpr char kMagic[4] = {'T', 'S', 'J', '1'};
enum : std::uint8_t { kRenameEntry = 1, kRemoveEntry = 2 };

struct JournalEntry {
    std::uint8_t kind = kRenameEntry;
    std::string name, temporary;
    std::uint64_t device = 0, inode = 0;
};

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

std::vector<std::uint8_t> encodeJournal(const std::vector<JournalEntry>& entries) {
    std::vector<std::uint8_t> out(std::begin(kMagic), std::end(kMagic));
    putNumber(out, entries.size(), 4);
    for (const JournalEntry& e : entries) {
        out.push_back(e.kind);
        putText(out, e.name);
        if (e.kind != kRenameEntry) continue;
        putText(out, e.temporary);
        putNumber(out, e.device, 8);
        putNumber(out, e.inode, 8);
    }
    putNumber(out, checksum(out.data(), out.size()), 4);
    return out;
}

class JournalReader {
  public:
    explicit JournalReader(const std::vector<std::uint8_t>& bytes) : b_(bytes) {}
    bool number(std::uint64_t& v, int bytes) {
        if (b_.size() - pos_ < std::size_t(bytes)) return false;
        v = 0;
        for (int i = 0; i < bytes; ++i) v |= std::uint64_t(b_[pos_ + i]) << (8 * i);
        pos_ += std::size_t(bytes);
        return true;
    }
    // A name of one file in the folder: never empty, never a path.
    bool name(std::string& text) {
        std::uint64_t n = 0;
        if (!number(n, 4) || n == 0 || n > 4096 || b_.size() - pos_ < n) return false;
        text.assign(b_.begin() + std::ptrdiff_t(pos_), b_.begin() + std::ptrdiff_t(pos_ + n));
        pos_ += n;
        return text.find('/') == std::string::npos && text != "." && text != "..";
    }
    std::size_t pos() const { return pos_; }

  private:
    const std::vector<std::uint8_t>& b_;
    std::size_t pos_ = 0;
};

bool decodeJournal(const std::vector<std::uint8_t>& bytes, std::vector<JournalEntry>& entries) {
    if (bytes.size() < 12 || !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin()))
        return false;
    std::uint64_t stored = 0;
    for (int i = 0; i < 4; ++i) stored |= std::uint64_t(bytes[bytes.size() - 4 + i]) << (8 * i);
    if (checksum(bytes.data(), bytes.size() - 4) != stored) return false;
    JournalReader in(bytes);
    std::uint64_t skip = 0, count = 0;
    in.number(skip, 4);
    if (!in.number(count, 4) || count > 100000) return false;
    for (std::uint64_t i = 0; i < count; ++i) {
        JournalEntry e;
        std::uint64_t kind = 0;
        if (!in.number(kind, 1) || (kind != kRenameEntry && kind != kRemoveEntry) ||
            !in.name(e.name))
            return false;
        e.kind = std::uint8_t(kind);
        if (e.kind == kRenameEntry &&
            (!in.name(e.temporary) || !in.number(e.device, 8) || !in.number(e.inode, 8)))
            return false;
        entries.push_back(std::move(e));
    }
    return in.pos() + 4 == bytes.size();
}

// Renames and removals of a committed batch, from the first not yet done.
// False at the first step that fails (errno set); the journal then stays.
bool carryOut(const std::string& folder, const std::vector<JournalEntry>& entries) {
    for (const JournalEntry& e : entries) {
        const std::string path = inFolder(folder, e.name);
        if (e.kind == kRemoveEntry) {
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
        default:
            return "Impossible d'écrire " + shown + " : " + std::strerror(error);
    }
}

std::string StagedFiles::fail(const char* step, const std::string& path) {
    errno_ = errno;
    if (errno_ == ENOSPC || errno_ == EDQUOT || errno_ == EROFS || errno_ == EACCES ||
        errno_ == EPERM)
        return fileFailureText(errno_, path);
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

std::string StagedFiles::commit(const std::string& journal) {
    const std::string folder = folderOf(journal);
    std::vector<JournalEntry> entries;
    for (const Staged& file : files_) {
        if (folderOf(file.path) != folder) {
            errno_ = EXDEV;
            discard();
            return "« " + displayedName(file.path) + " » n'est pas dans le dossier du journal";
        }
        entries.push_back(
            {kRenameEntry, nameOf(file.path), nameOf(file.temporary), file.device, file.inode});
    }
    for (const std::string& path : removals_) {
        struct stat info {};
        // Only what is there now: the journal then lists no removal of a file
        // a later save of another document might have put there.
        if (folderOf(path) == folder && ::lstat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            entries.push_back({kRemoveEntry, nameOf(path)});
    }

    // Every file's content must be on the disk before the journal that makes
    // it count: else a power cut could leave the journal naming empty files.
    if (std::string reason = flushAll(); !reason.empty()) return reason;

    const std::vector<std::uint8_t> bytes = encodeJournal(entries);
    const std::string staging = journal + suffix_;
    ::unlink(staging.c_str());
    const int fd = stepCreateExclusive(staging, 0600);
    bool ok = fd >= 0;
    ok = ok && stepWriteAll(fd, journal, bytes.data(), bytes.size());
    ok = ok && stepDataSync(fd, journal);
    std::string reason = ok ? std::string() : fail("Impossible d'écrire", journal);
    if (fd >= 0 && ::close(fd) != 0 && reason.empty())
        reason = fail("Impossible d'écrire", journal);
    // The commit point: once the journal stands under its name (and the folder
    // says so), the batch is done whatever happens next.
    if (reason.empty() && !stepRename(staging, journal))
        reason = fail("Impossible de remplacer", journal);
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
        return fail("Impossible de remplacer", journal);
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

InterruptedSave finishInterruptedSave(const std::string& journal, const std::string& suffix) {
    ::unlink((journal + suffix).c_str());
    struct stat info {};
    if (::lstat(journal.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return InterruptedSave::None;
    const std::string folder = folderOf(journal);
    const auto bytes = readFileBytes(journal, 16u << 20);
    std::vector<JournalEntry> entries;
    if (!bytes || !decodeJournal(*bytes, entries)) {
        stepRemove(journal);
        return InterruptedSave::Abandoned;
    }
    // Each file is either still waiting under its temporary name or already in
    // place; a file in neither state was lost, and the batch cannot be whole.
    bool whole = true;
    for (const JournalEntry& e : entries)
        if (e.kind == kRenameEntry && !sameFile(inFolder(folder, e.temporary), e.device, e.inode) &&
            !sameFile(inFolder(folder, e.name), e.device, e.inode))
            whole = false;
    if (!whole) {
        for (const JournalEntry& e : entries)
            if (e.kind == kRenameEntry &&
                sameFile(inFolder(folder, e.temporary), e.device, e.inode))
                stepRemove(inFolder(folder, e.temporary));
        stepRemove(journal);
        return InterruptedSave::Abandoned;
    }
    if (!carryOut(folder, entries)) return InterruptedSave::Unfinished;
    stepRemove(journal);
    return InterruptedSave::Finished;
}

}  // namespace tess
