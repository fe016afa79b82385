#include "platform/picture_scan.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "platform/picture_limits.h"

namespace tess {

std::int64_t MemoryPictureSource::readAt(std::uint64_t offset, void* into, std::size_t count) {
    if (offset >= size_) return 0;
    const std::size_t n = std::min<std::uint64_t>(count, size_ - offset);
    std::memcpy(into, data_ + offset, n);
    return std::int64_t(n);
}

namespace {

// Reads ahead by as much as was read so far, from 4 KB to 1 MB at a time: a
// padded file is read no further than twice its picture and 4 KB, and a
// large picture in few reads.
constexpr std::uint64_t kFirstRead = 4 * 1024;
constexpr std::uint64_t kLargestRead = 1024 * 1024;

// The file's first bytes, pulled from the source as the walk needs them.
class Pull {
  public:
    Pull(PictureSource& source, std::uint64_t mostBytes, PictureScan& scan)
        : source_(source), scan_(scan), limit_(std::min(source.size(), mostBytes)) {}

    // Bytes [0, n) are at hand; false when the file (or what may be read of
    // it) ends first, the reason kept for `failure`.
    bool ensure(std::uint64_t n, bool exact = false) {
        if (n <= scan_.bytes.size()) return true;
        if (n > limit_) {
            shortOf_ = n;
            return false;
        }
        const std::uint64_t ahead = std::clamp(have(), kFirstRead, kLargestRead);
        const std::uint64_t want = exact ? n : std::min(limit_, std::max(n, have() + ahead));
        const std::size_t start = scan_.bytes.size();
        scan_.bytes.resize(std::size_t(want));
        const std::int64_t got = source_.readAt(start, scan_.bytes.data() + start, want - start);
        if (got < 0) {
            diskFailed_ = true;
            scan_.bytes.resize(start);
            return false;
        }
        scan_.bytes.resize(start + std::size_t(got));
        scan_.bytesRead += std::uint64_t(got);
        if (n > have()) {
            shortOf_ = n;  // the file shrank while being read
            return false;
        }
        return true;
    }
    std::uint64_t have() const { return scan_.bytes.size(); }
    std::uint8_t at(std::uint64_t i) const { return scan_.bytes[std::size_t(i)]; }
    std::uint32_t le16(std::uint64_t i) const { return at(i) | std::uint32_t(at(i + 1)) << 8; }
    std::uint32_t be16(std::uint64_t i) const { return std::uint32_t(at(i)) << 8 | at(i + 1); }
    std::uint32_t le32(std::uint64_t i) const { return le16(i) | le16(i + 2) << 16; }

    // Why the last ensure failed: the file ends before its picture does
    // (damaged), the caller's allowance ends first, or the disk failed.
    PictureScanResult failure() const {
        if (diskFailed_) return PictureScanResult::DiskFailed;
        if (shortOf_ > source_.size()) return PictureScanResult::Damaged;
        return PictureScanResult::OverBytes;
    }

  private:
    PictureSource& source_;
    PictureScan& scan_;
    std::uint64_t limit_;
    std::uint64_t shortOf_ = 0;
    bool diskFailed_ = false;
};

// The size is checked before a pixel is read.
bool sizeAllowed(std::int64_t width, std::int64_t height, std::int64_t mostPixels) {
    return width <= kMaxPictureSide && height <= kMaxPictureSide && width * height <= mostPixels;
}

PictureFormat formatOf(Pull& in) {
    in.ensure(6);  // a shorter file is none of them
    auto starts = [&](std::initializer_list<std::uint8_t> magic) {
        if (in.have() < magic.size()) return false;
        std::size_t i = 0;
        for (std::uint8_t b : magic)
            if (in.at(i++) != b) return false;
        return true;
    };
    if (starts({'B', 'M'})) return PictureFormat::Bmp;
    if (starts({'G', 'I', 'F', '8', '7', 'a'}) || starts({'G', 'I', 'F', '8', '9', 'a'}))
        return PictureFormat::Gif;
    if (starts({0xFF, 0xD8, 0xFF})) return PictureFormat::Jpeg;
    return PictureFormat::None;
}

// Ends the scan with the picture's bytes trimmed to its end.
PictureScanResult whole(PictureScan& scan, std::uint64_t end) {
    scan.bytes.resize(std::size_t(end));
    return PictureScanResult::Whole;
}

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

// Every row is given: the end-of-picture code that usually follows is taken
// along, anything after it is not read.
PictureScanResult pastLastRow(Pull& in, PictureScan& scan, std::uint64_t pos) {
    if (in.ensure(pos + 2) && in.at(pos) == 0 && in.at(pos + 1) == 1) pos += 2;
    return whole(scan, pos);
}

// The run codes of a run-length bitmap, from `pos`: they must reach the
// picture's last row before the end-of-picture code (or the file) ends them.
// A code list that stops early would be drawn with blank rows for the rest.
PictureScanResult walkRuns(Pull& in, PictureScan& scan, std::uint64_t pos, bool fourBits) {
    const std::int64_t rows = scan.height;
    std::int64_t y = 0;
    for (;;) {
        if (!in.ensure(pos + 2)) return in.failure();
        const std::uint8_t count = in.at(pos), code = in.at(pos + 1);
        pos += 2;
        if (count > 0) continue;  // a run: count pixels of one colour
        if (code == 0) {          // end of line
            if (++y >= rows) return pastLastRow(in, scan, pos);
        } else if (code == 1) {  // end of picture
            return y >= rows - 1 ? whole(scan, pos) : PictureScanResult::Damaged;
        } else if (code == 2) {  // move right and down
            if (!in.ensure(pos + 2)) return in.failure();
            y += in.at(pos + 1);
            pos += 2;
            if (y >= rows) return pastLastRow(in, scan, pos);
        } else {  // `code` pixels given one by one, padded to a 16-bit word
            std::uint64_t bytes = fourBits ? (code + 1u) / 2 : code;
            bytes += bytes & 1;
            if (!in.ensure(pos + bytes)) return in.failure();
            pos += bytes;
        }
    }
}

PictureScanResult scanBmp(Pull& in, PictureScan& scan, std::int64_t mostPixels) {
    constexpr std::uint64_t kFileHeader = 14;
    if (!in.ensure(kFileHeader + 4)) return in.failure();
    const std::uint32_t pixelsAt = in.le32(10);
    const std::uint32_t infoSize = in.le32(kFileHeader);
    std::int64_t width = 0, height = 0;
    std::uint32_t bits = 0, compression = kRgb, colours = 0;
    std::uint64_t tableEntry = 4;
    std::uint64_t headerEnd = kFileHeader + infoSize;
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes, 3-byte colours
        if (!in.ensure(headerEnd)) return in.failure();
        width = in.le16(18);
        height = in.le16(20);
        bits = in.le16(24);
        tableEntry = 3;
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
               infoSize == 108 || infoSize == 124) {
        if (!in.ensure(headerEnd)) return in.failure();
        width = std::int32_t(in.le32(18));
        height = std::int32_t(in.le32(22));
        bits = in.le16(28);
        compression = in.le32(30);
        colours = in.le32(46);
        // The colour masks follow the shortest header; the longer ones hold them.
        if (infoSize == 40 && compression == kBitFields) headerEnd += 12;
        if (infoSize == 40 && compression == kAlphaBitFields) headerEnd += 16;
    } else {
        return PictureScanResult::Damaged;
    }
    if (width <= 0 || height == 0) return PictureScanResult::Damaged;
    height = height < 0 ? -height : height;  // rows from the top
    scan.width = int(std::min<std::int64_t>(width, std::numeric_limits<int>::max()));
    scan.height = int(std::min<std::int64_t>(height, std::numeric_limits<int>::max()));
    if (!sizeAllowed(width, height, mostPixels)) return PictureScanResult::TooLarge;

    const bool known = (compression == kRgb && (bits == 1 || bits == 4 || bits == 8 || bits == 16 ||
                                                bits == 24 || bits == 32)) ||
                       (compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4) ||
                       ((compression == kBitFields || compression == kAlphaBitFields) &&
                        (bits == 16 || bits == 32));
    if (!known) return PictureScanResult::Damaged;
    if (bits <= 8) {
        if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
    } else {
        colours = 0;  // a table beside true colours is skipped by the pixel offset
    }
    const std::uint64_t tableEnd = headerEnd + colours * tableEntry;
    const std::uint64_t pixels = std::max<std::uint64_t>(pixelsAt, tableEnd);
    if (compression == kRle8 || compression == kRle4)
        return walkRuns(in, scan, pixels, compression == kRle4);
    const std::uint64_t stride = (std::uint64_t(width) * bits + 31) / 32 * 4;
    const std::uint64_t end = pixels + stride * std::uint64_t(height);
    if (in.ensure(end, true)) return whole(scan, end);
    // Some writers leave out the padding of the last row: every pixel is
    // there, so the picture is taken with that padding made up.
    const std::uint64_t lastPadding = stride - (std::uint64_t(width) * bits + 7) / 8;
    if (lastPadding == 0 || !in.ensure(end - lastPadding, true)) return in.failure();
    return whole(scan, end);
}

// Sub-blocks of a gif from `pos`: each a length byte and that many bytes, to
// an empty one. Gives the position after it, 0 when the file ends first.
std::uint64_t skipSubBlocks(Pull& in, std::uint64_t pos) {
    for (;;) {
        if (!in.ensure(pos + 1)) return 0;
        const std::uint8_t length = in.at(pos);
        pos += 1 + length;
        if (length == 0) return pos;
    }
}

PictureScanResult scanGif(Pull& in, PictureScan& scan, std::int64_t mostPixels) {
    constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kTrailer = 0x3B;
    if (!in.ensure(13)) return in.failure();
    const std::int64_t width = in.le16(6), height = in.le16(8);
    if (width == 0 || height == 0) return PictureScanResult::Damaged;
    scan.width = int(width);
    scan.height = int(height);
    if (!sizeAllowed(width, height, mostPixels)) return PictureScanResult::TooLarge;
    auto tableSize = [](std::uint8_t flags) {
        return (flags & 0x80) ? std::uint64_t(3) << ((flags & 7) + 1) : 0;
    };
    std::uint64_t pos = 13 + tableSize(in.at(10));
    for (;;) {
        if (!in.ensure(pos + 1)) return in.failure();
        const std::uint8_t block = in.at(pos++);
        if (block == kExtension) {
            pos = skipSubBlocks(in, pos + 1);
            if (pos == 0) return in.failure();
        } else if (block == kImage) {
            // The first image is the picture; what follows it is not read.
            if (!in.ensure(pos + 9)) return in.failure();
            pos += 9 + tableSize(in.at(pos + 8)) + 1;  // the code size byte too
            pos = skipSubBlocks(in, pos);
            if (pos == 0) return in.failure();
            if (in.ensure(pos + 1) && in.at(pos) == kTrailer) ++pos;
            return whole(scan, pos);
        } else {
            return PictureScanResult::Damaged;  // a trailer before any image, or no block
        }
    }
}

PictureScanResult scanJpeg(Pull& in, PictureScan& scan, std::int64_t mostPixels) {
    constexpr std::uint8_t kStartOfScan = 0xDA, kEndOfImage = 0xD9;
    auto isFrame = [](std::uint8_t m) {
        return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
    };
    auto standsAlone = [](std::uint8_t m) { return m == 0x01 || (m >= 0xD0 && m <= 0xD7); };
    std::uint64_t pos = 2;
    bool framed = false;
    for (;;) {
        if (!in.ensure(pos + 2)) return in.failure();
        if (in.at(pos) != 0xFF) return PictureScanResult::Damaged;
        while (in.at(pos + 1) == 0xFF) {  // fill bytes before a marker
            ++pos;
            if (!in.ensure(pos + 2)) return in.failure();
        }
        const std::uint8_t marker = in.at(pos + 1);
        pos += 2;
        if (marker == kEndOfImage) return framed ? whole(scan, pos) : PictureScanResult::Damaged;
        if (standsAlone(marker)) continue;
        if (marker == 0x00 || marker == 0xD8) return PictureScanResult::Damaged;
        if (!in.ensure(pos + 2)) return in.failure();
        const std::uint32_t length = in.be16(pos);
        if (length < 2) return PictureScanResult::Damaged;
        if (isFrame(marker)) {
            if (!in.ensure(pos + 7)) return in.failure();
            const std::int64_t height = in.be16(pos + 3), width = in.be16(pos + 5);
            if (width == 0 || height == 0) return PictureScanResult::Damaged;
            scan.width = int(width);
            scan.height = int(height);
            if (!sizeAllowed(width, height, mostPixels)) return PictureScanResult::TooLarge;
            framed = true;
        }
        pos += length;
        if (marker != kStartOfScan) continue;
        if (!framed) return PictureScanResult::Damaged;
        // The coded data runs to the next marker: a 0xFF not followed by a
        // stuffed 0x00 or a restart marker.
        for (;;) {
            if (!in.ensure(pos + 2)) return in.failure();
            const std::uint8_t* data = scan.bytes.data() + pos;
            const void* ff = std::memchr(data, 0xFF, std::size_t(in.have() - pos - 1));
            if (ff == nullptr) {
                pos = in.have() - 1;
                continue;
            }
            pos += std::uint64_t(static_cast<const std::uint8_t*>(ff) - data);
            const std::uint8_t next = in.at(pos + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                pos += 2;
                continue;
            }
            if (next == 0xFF) {
                ++pos;
                continue;
            }
            break;  // a marker at pos
        }
    }
}

}  // namespace

PictureScan scanPicture(PictureSource& source, std::int64_t mostPixels, std::uint64_t mostBytes) {
    PictureScan scan;
    Pull in(source, mostBytes, scan);
    scan.format = formatOf(in);
    switch (scan.format) {
        case PictureFormat::Bmp:
            scan.result = scanBmp(in, scan, mostPixels);
            break;
        case PictureFormat::Gif:
            scan.result = scanGif(in, scan, mostPixels);
            break;
        case PictureFormat::Jpeg:
            scan.result = scanJpeg(in, scan, mostPixels);
            break;
        case PictureFormat::None:
            scan.result = PictureScanResult::NotAPicture;
            break;
    }
    if (scan.result != PictureScanResult::Whole) scan.bytes.clear();
    return scan;
}

}  // namespace tess
