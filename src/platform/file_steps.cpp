#include "platform/file_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tess {

namespace {

FileStepHook& hook() {
    static FileStepHook installed;
    return installed;
}

// False (errno set) when the hook refuses the step.
bool allowed(FileStep step, const std::string& path) {
    if (!hook()) return true;
    const int refusal = hook()(step, path);
    if (refusal == 0) return true;
    errno = refusal;
    return false;
}

}  // namespace

void setFileStepHook(FileStepHook h) {
    hook() = std::move(h);
}

int stepCreateExclusive(const std::string& path, unsigned mode) {
    if (!allowed(FileStep::Create, path)) return -1;
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_t(mode));
}

bool stepWriteAll(int fd, const std::string& path, const void* data, std::size_t size) {
    if (!allowed(FileStep::Write, path)) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

bool stepDataSync(int fd, const std::string& path) {
    if (!allowed(FileStep::DataSync, path)) return false;
    return ::fdatasync(fd) == 0;
}

bool stepRename(const std::string& from, const std::string& to) {
    if (!allowed(FileStep::Rename, to)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool stepRemove(const std::string& path) {
    if (!allowed(FileStep::Remove, path)) return false;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool stepFolderSync(const std::string& folder) {
    if (!allowed(FileStep::FolderSync, folder)) return false;
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    const bool ok = ::fsync(dir) == 0;
    const int saved = errno;
    ::close(dir);
    errno = saved;
    return ok;
}

}  // namespace tess
