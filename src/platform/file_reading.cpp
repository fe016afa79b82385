#include "platform/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tess {

namespace {

FileKind kindOfError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
            return FileKind::Missing;
        case ENXIO:   // a socket, or a device with nothing behind it
        case ENODEV:  // a device the system cannot read
        case EISDIR:
            return FileKind::NotAFile;
        case ELOOP:
            return FileKind::LinkLoop;
        default:
            return FileKind::Unreadable;
    }
}

}  // namespace

ReadOnlyFile::ReadOnlyFile(const std::string& path) {
    // O_NONBLOCK makes the opening of a pipe or a device return at once; the
    // kind is then read from what was opened, not from the name, so nothing
    // can be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        kind_ = kindOfError(errno);
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        kind_ = FileKind::Unreadable;
        ::close(fd);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        kind_ = FileKind::NotAFile;
        ::close(fd);
        return;
    }
    fd_ = fd;
    kind_ = FileKind::Regular;
    size_ = std::uint64_t(info.st_size);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t ReadOnlyFile::readAt(std::uint64_t offset, void* into, std::size_t count) const {
    if (fd_ < 0) return -1;
    std::size_t done = 0;
    auto* out = static_cast<unsigned char*>(into);
    while (done < count) {
        const ssize_t n = ::pread(fd_, out + done, count - done, off_t(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += std::size_t(n);
    }
    return std::int64_t(done);
}

FileKind fileKind(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return kindOfError(errno);
    return S_ISREG(info.st_mode) ? FileKind::Regular : FileKind::NotAFile;
}

FileBytes readWholeFile(const std::string& path, std::size_t maxBytes) {
    FileBytes out;
    const ReadOnlyFile file(path);
    out.kind = file.kind();
    if (!file.isOpen()) return out;
    out.tooLarge = file.size() > maxBytes;
    if (out.tooLarge) return out;
    // Read to the end rather than trusting the size: the file may grow or
    // shrink meanwhile. One byte past the limit tells a file grown too large.
    std::vector<std::uint8_t> bytes(std::size_t(file.size()));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            out.tooLarge = bytes.size() > maxBytes;
            if (out.tooLarge) return out;
            bytes.resize(std::min<std::size_t>(maxBytes + 1, bytes.size() * 2 + 4096));
        }
        const std::int64_t n = file.readAt(done, bytes.data() + done, bytes.size() - done);
        if (n < 0) return out;
        if (n == 0) break;
        done += std::size_t(n);
    }
    out.tooLarge = done > maxBytes;
    if (out.tooLarge) return out;
    bytes.resize(done);
    out.bytes = std::move(bytes);
    return out;
}

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path,
                                                       std::size_t maxBytes) {
    return readWholeFile(path, maxBytes).bytes;
}

std::optional<std::vector<std::uint8_t>> readFileHead(const std::string& path, std::size_t count) {
    const ReadOnlyFile file(path);
    if (!file.isOpen()) return std::nullopt;
    std::vector<std::uint8_t> head(count);
    const std::int64_t n = file.readAt(0, head.data(), head.size());
    if (n < 0) return std::nullopt;
    head.resize(std::size_t(n));
    return head;
}

bool isBrokenLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
           fileKind(path) == FileKind::Missing;
}

namespace {

constexpr const char* kChooseAFile = " Choisissez un fichier enregistré sur le disque.";

}  // namespace

std::string notAFileWords(const std::string& quotedNames, bool several) {
    return quotedNames + (several ? " ne sont pas des fichiers : ce sont des dossiers, des tubes "
                                    "ou des périphériques."
                                  : " n'est pas un fichier : c'est un dossier, un tube ou un "
                                    "périphérique.");
}

std::string notAFileText(const std::string& fileName) {
    return notAFileWords("« " + fileName + " »", false) + kChooseAFile;
}

std::string brokenLinkWords(const std::string& fileName) {
    return "« " + fileName + " » est un lien vers un fichier qui n'existe plus.";
}

std::string brokenLinkText(const std::string& fileName) {
    return brokenLinkWords(fileName) + kChooseAFile;
}

std::string linkLoopWords(const std::string& quotedNames, bool several) {
    return quotedNames + (several ? " sont des liens qui ramènent à eux-mêmes : aucun fichier "
                                    "n'est au bout."
                                  : " est un lien qui ramène à lui-même : aucun fichier n'est "
                                    "au bout.");
}

std::string linkLoopText(const std::string& fileName) {
    return linkLoopWords("« " + fileName + " »", false) + kChooseAFile;
}

std::string permissionDeniedText(const std::string& fileName) {
    return "Permission refusée : vous n'avez pas le droit de lire « " + fileName + " ».";
}

}  // namespace tess
