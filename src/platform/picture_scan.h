#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tess {

// A picture file walked by its own structure before anything is decoded: its
// size comes from its header, and its end from the header (a bitmap's pixel
// rows), the run codes (a run-length bitmap), the blocks (a gif's first
// image) or the markers (a jpeg's end of image). Only the bytes up to that end
// are read, so a file padded with gigabytes costs no more than its picture,
// and a file that ends before its picture does is refused as damaged instead
// of being decoded as a picture padded with blank rows.

enum class PictureFormat { None, Bmp, Gif, Jpeg };

enum class PictureScanResult {
    Whole,        // the picture's bytes are all there
    NotAPicture,  // neither a bmp, a gif nor a jpeg
    Damaged,      // cut short, or a header no such picture has
    TooLarge,     // a side beyond kMaxPictureSide, or more pixels than allowed
    OverBytes,    // its bytes go past what the caller may still read
    DiskFailed,   // the disk failed while reading
};

// Where the bytes come from: a file, or memory (tests, the fuzzer).
class PictureSource {
  public:
    virtual ~PictureSource() = default;
    virtual std::uint64_t size() const = 0;
    // Up to `count` bytes from `offset`; fewer at the end, -1 on failure.
    virtual std::int64_t readAt(std::uint64_t offset, void* into, std::size_t count) = 0;
};

class MemoryPictureSource : public PictureSource {
  public:
    MemoryPictureSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t size() const override { return size_; }
    std::int64_t readAt(std::uint64_t offset, void* into, std::size_t count) override;

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

struct PictureScan {
    PictureScanResult result = PictureScanResult::NotAPicture;
    PictureFormat format = PictureFormat::None;
    // As the header tells them, once it has been read (0 before).
    int width = 0;
    int height = 0;
    // The file's bytes from its start: exactly the picture's when Whole.
    std::vector<std::uint8_t> bytes;
    // What was taken from the source, the little read past the end included:
    // at most twice the picture's bytes and 4 KB.
    std::uint64_t bytesRead = 0;
};

// Walks the picture in `source`, refusing one wider or higher than
// kMaxPictureSide or of more than `mostPixels` pixels before its pixels are
// read, and reading no more than `mostBytes` bytes.
PictureScan scanPicture(PictureSource& source, std::int64_t mostPixels, std::uint64_t mostBytes);

}  // namespace tess
