// libFuzzer target of the picture list's reader: any bytes are walked as a
// picture file, then read as the list reads a picture (the walk, then Qt's
// decoder on the bytes it kept). Neither may crash or hang; a picture is
// decoded only from a whole walk and within the size asked for; the walk
// keeps exactly the start of the file (a last row's missing padding made up
// as zeros), reads no further than a little past the picture, and finds the
// same picture behind padding.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/picture_budget.h"
#include "platform/picture_file.h"
#include "platform/picture_scan.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// What the list lets a blank document take: a picture with its first charge.
constexpr std::int64_t kMostPixels = tess::kDocumentPicturePixels / tess::newPictureCost(1, 1);
// The padding laid behind a whole picture.
constexpr std::size_t kPadding = 256 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::MemoryPictureSource source(data, size);
    const tess::PictureScan scan =
        tess::scanPicture(source, kMostPixels, tess::kLargestPictureFile);
    check(scan.bytesRead <= size);
    if (scan.result == tess::PictureScanResult::Whole) {
        // The start of the file, but for a last row's padding left out by its
        // writer (at most 3 bytes), which the walk makes up as zeros.
        const std::size_t kept = std::min(scan.bytes.size(), size);
        check(scan.bytes.size() <= size + 3 &&
              std::equal(scan.bytes.begin(), scan.bytes.begin() + kept, data) &&
              std::all_of(scan.bytes.begin() + kept, scan.bytes.end(),
                          [](std::uint8_t b) { return b == 0; }));
        check(scan.width > 0 && scan.height > 0 && scan.width <= tess::kMaxPictureSide &&
              scan.height <= tess::kMaxPictureSide &&
              std::int64_t(scan.width) * scan.height <= kMostPixels);
    } else {
        check(scan.bytes.empty());
    }

    // Read as the list reads it.
    const tess::PictureRead read = tess::decodePicture(data, size, kMostPixels);
    check(read.picture.has_value() == (read.refusal == tess::PictureRefusal::None));
    if (read.picture) {
        check(scan.result == tess::PictureScanResult::Whole);
        check(std::int64_t(read.picture->width()) * read.picture->height() <= kMostPixels);
    }

    // Behind padding the walk finds the same picture, reading no further
    // than a little past it.
    if (scan.result == tess::PictureScanResult::Whole) {
        std::vector<std::uint8_t> padded(data, data + size);
        padded.resize(size + kPadding, 0);
        tess::MemoryPictureSource paddedSource(padded.data(), padded.size());
        const tess::PictureScan again =
            tess::scanPicture(paddedSource, kMostPixels, tess::kLargestPictureFile);
        check(again.result == tess::PictureScanResult::Whole && again.bytes == scan.bytes);
        check(again.bytesRead <= 2 * scan.bytes.size() + 4096);
    }
    return 0;
}
