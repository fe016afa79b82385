#include "platform/staged_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tess {

namespace {

std::string failure(const char* step, const std::string& path) {
    return std::string(step) + " « " + path + " » : " + std::strerror(errno);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

// Waits until the temporary's data is on the disk. Opened again by name rather
// than kept open: a document with a full picture bank stages over 500 files.
bool flushToDisk(const std::string& temporary, std::uint64_t device, std::uint64_t inode) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && std::uint64_t(info.st_dev) == device &&
              std::uint64_t(info.st_ino) == inode;
    if (!ok && errno == 0) errno = ESTALE;  // someone else's file now stands there
    ok = ok && ::fdatasync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

}  // namespace

std::string StagedFiles::add(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    struct stat old {};
    const bool replacing = ::lstat(path.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) return "« " + path + " » est un dossier";

    // A temporary left by an interrupted save goes; a folder there makes the
    // exclusive creation below fail, a link is never followed.
    const std::string temporary = path + suffix_;
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return failure("Impossible de créer le fichier temporaire de", path);
    ::fchmod(fd, replacing && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : 0644);

    struct stat info {};
    bool ok = writeAll(fd, bytes) && ::fstat(fd, &info) == 0;
    // Start the transfer now, so that by commit time most of it is done while
    // the caller was preparing the next files. Only a hint: commit waits.
    if (ok) ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    std::string reason = ok ? std::string() : failure("Impossible d'écrire", path);
    if (::close(fd) != 0 && reason.empty()) reason = failure("Impossible d'écrire", path);
    if (!reason.empty()) {
        ::unlink(temporary.c_str());
        return reason;
    }
    files_.push_back({temporary, path, std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)});
    return {};
}

std::string StagedFiles::commit() {
    for (const Staged& file : files_) {
        errno = 0;
        if (!flushToDisk(file.temporary, file.device, file.inode)) {
            const std::string reason = failure("Impossible d'écrire", file.path);
            discard();
            return reason;
        }
    }

    std::vector<std::string> folders;
    for (Staged& file : files_) {
        if (::rename(file.temporary.c_str(), file.path.c_str()) != 0) {
            const std::string reason = failure("Impossible de remplacer", file.path);
            discard();
            return reason;
        }
        file.temporary.clear();
        std::string folder = folderOf(file.path);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(std::move(folder));
    }
    files_.clear();

    // The renames reach the disk with their folders. The files are in place
    // whatever this gives, so a failure here is not the save's.
    for (const std::string& folder : folders)
        if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    return {};
}

void StagedFiles::discard() {
    for (const Staged& file : files_)
        if (!file.temporary.empty()) ::unlink(file.temporary.c_str());
    files_.clear();
}

}  // namespace tess
