#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tess {

// What stands at a path, as a reader sees it.
enum class FileKind {
    Missing,     // nothing there (or a folder on the way is missing)
    Regular,     // a plain file
    NotAFile,    // a folder, a named pipe, a socket, a device
    Unreadable,  // there, but the program may not open it
    LinkLoop     // a symbolic link that leads round to itself: no file at its end
};

// A file opened for reading the one way every reader of the program opens
// one: without waiting (a named pipe with no writer, a device, a socket would
// otherwise hold the window for good), then kept only when it is a plain file.
// Reads never wait on anything but the disk.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Regular once open; else why not.
    FileKind kind() const { return kind_; }
    // The size when it was opened.
    std::uint64_t size() const { return size_; }
    // Up to `count` bytes from `offset`: fewer at the end of the file, -1 when
    // the disk fails.
    std::int64_t readAt(std::uint64_t offset, void* into, std::size_t count) const;

  private:
    int fd_ = -1;
    FileKind kind_ = FileKind::Missing;
    std::uint64_t size_ = 0;
};

// What stands at `path`, told without opening it.
FileKind fileKind(const std::string& path);

// A whole file, when it is a plain file of at most `maxBytes`; else nothing,
// with the reason in `kind` (Regular for a file too large or failing to read,
// `tooLarge` telling the two apart).
struct FileBytes {
    std::optional<std::vector<std::uint8_t>> bytes;
    FileKind kind = FileKind::Missing;
    bool tooLarge = false;
};
FileBytes readWholeFile(const std::string& path, std::size_t maxBytes);

// The same, giving the bytes alone.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path,
                                                       std::size_t maxBytes = 64u << 20);
// The first `count` bytes of a plain file (fewer when it is shorter).
std::optional<std::vector<std::uint8_t>> readFileHead(const std::string& path, std::size_t count);

// Whether `path` is a symbolic link whose target is gone: a reader finds no
// file there, yet the name is not free, so it is named rather than taken for
// a missing file.
bool isBrokenLink(const std::string& path);

// The user's words for a path that holds no plain file: what it is and what
// to choose instead.
std::string notAFileText(const std::string& fileName);
// What it is alone, for one or several names already quoted ("« a », « b »").
std::string notAFileWords(const std::string& quotedNames, bool several);
// The words for a link whose file is gone, and with what to choose instead.
std::string brokenLinkWords(const std::string& fileName);
std::string brokenLinkText(const std::string& fileName);
// The words for a link that leads round to itself, alone and with what to
// choose instead.
std::string linkLoopWords(const std::string& quotedNames, bool several);
std::string linkLoopText(const std::string& fileName);
// What a file one may not read is told with.
std::string permissionDeniedText(const std::string& fileName);

}  // namespace tess
