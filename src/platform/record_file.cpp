#include "platform/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/text_encoding.h"

namespace tess {

namespace {

void appendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

// One record holding `value` in its first bytes, zero after.
void appendRecord(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    const std::size_t start = out.size();
    appendLittleEndian(out, value, bytes);
    out.resize(start + kRecordLength, 0);
}

}  // namespace

void RecordWriter::reserve(std::int32_t records) {
    if (records > 0) bytes_.reserve(std::size_t(records) * kRecordLength);
}

void RecordWriter::putByte(std::uint8_t v) {
    appendRecord(bytes_, v, 1);
}
void RecordWriter::putInteger(std::int16_t v) {
    appendRecord(bytes_, std::uint16_t(v), 2);
}
void RecordWriter::putLong(std::int32_t v) {
    appendRecord(bytes_, std::uint32_t(v), 4);
}

bool RecordWriter::putString(const std::string& utf8) {
    const std::optional<std::string> bytes = utf8ToWindows1252(utf8);
    if (!bytes || bytes->size() > std::size_t(kMaxRecordString)) return false;
    const std::size_t start = bytes_.size();
    appendLittleEndian(bytes_, std::uint32_t(bytes->size()), 2);
    bytes_.insert(bytes_.end(), bytes->begin(), bytes->end());
    bytes_.resize(start + kRecordLength, 0);
    return true;
}

bool RecordWriter::putPath(const std::string& path) {
    if (isWellFormedUtf8(path)) return putString(path);
    if (path.size() > std::size_t(kMaxRecordString)) return false;
    const std::size_t start = bytes_.size();
    appendLittleEndian(bytes_, std::uint32_t(path.size()), 2);
    bytes_.insert(bytes_.end(), path.begin(), path.end());
    bytes_.resize(start + kRecordLength, 0);
    return true;
}

std::int32_t RecordWriter::recordCount() const {
    return std::int32_t(bytes_.size() / kRecordLength);
}

std::uint32_t RecordReader::littleEndian(std::int32_t record, int offset, int bytes) const {
    if (record < 1) return 0;
    const std::size_t start = std::size_t(record - 1) * kRecordLength + std::size_t(offset);
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        if (start + i < bytes_.size()) v |= std::uint32_t(bytes_[start + i]) << (8 * i);
    return v;
}

std::uint8_t RecordReader::getByte(std::int32_t record) const {
    return std::uint8_t(littleEndian(record, 0, 1));
}

std::int16_t RecordReader::getInteger(std::int32_t record) const {
    return std::int16_t(std::uint16_t(littleEndian(record, 0, 2)));
}

std::int32_t RecordReader::getLong(std::int32_t record) const {
    return std::int32_t(littleEndian(record, 0, 4));
}

std::string RecordReader::getString(std::int32_t record) const {
    if (record < 1) return {};
    // A damaged length is cut to what a record and the file can hold.
    const int length = std::clamp<int>(getInteger(record), 0, kMaxRecordString);
    const std::size_t start = std::size_t(record - 1) * kRecordLength + 2;
    if (start >= bytes_.size()) return {};
    const std::size_t available = std::min<std::size_t>(length, bytes_.size() - start);
    return windows1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes_.data()) + start, available));
}

std::int32_t RecordReader::recordCount() const {
    return std::int32_t((bytes_.size() + kRecordLength - 1) / kRecordLength);
}

void ByteWriter::putByte(std::uint8_t v) {
    bytes_.push_back(v);
}
void ByteWriter::putInteger(std::int16_t v) {
    appendLittleEndian(bytes_, std::uint16_t(v), 2);
}
void ByteWriter::putLong(std::int32_t v) {
    appendLittleEndian(bytes_, std::uint32_t(v), 4);
}

std::optional<std::uint32_t> ByteReader::take(int bytes) {
    if (remaining() < std::size_t(bytes)) {
        pos_ = bytes_.size();
        return std::nullopt;
    }
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint32_t(bytes_[pos_ + i]) << (8 * i);
    pos_ += std::size_t(bytes);
    return v;
}

std::optional<std::uint8_t> ByteReader::getByte() {
    const auto v = take(1);
    return v ? std::optional<std::uint8_t>(std::uint8_t(*v)) : std::nullopt;
}

std::optional<std::int16_t> ByteReader::getInteger() {
    const auto v = take(2);
    return v ? std::optional<std::int16_t>(std::int16_t(std::uint16_t(*v))) : std::nullopt;
}

std::optional<std::int32_t> ByteReader::getLong() {
    const auto v = take(4);
    return v ? std::optional<std::int32_t>(std::int32_t(*v)) : std::nullopt;
}

std::string writeFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    auto failure = [&](const char* step) {
        return std::string(step) + " « " + path + " » : " + std::strerror(errno);
    };
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string temporary = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return failure("Impossible de créer le fichier temporaire de");

    // Keep the mode of the file being replaced; a new file gets the usual one.
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string reason = failure("Impossible d'écrire");
            ::close(fd);
            ::unlink(temporary.c_str());
            return reason;
        }
        done += std::size_t(n);
    }
    if (::fsync(fd) != 0) {
        const std::string reason = failure("Impossible d'écrire");
        ::close(fd);
        ::unlink(temporary.c_str());
        return reason;
    }
    if (::close(fd) != 0) {
        const std::string reason = failure("Impossible d'écrire");
        ::unlink(temporary.c_str());
        return reason;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = failure("Impossible de remplacer");
        ::unlink(temporary.c_str());
        return reason;
    }
    // The rename itself reaches the disk with the folder.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace tess
