// Pictures walked by their own structure: cut short they are damaged, padded
// they are read no further than their picture, forged sizes are refused
// before their pixels are read.
#include "platform/picture_scan.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include "platform/file_reading.h"
#include "platform/picture_file.h"
#include "platform/qimage_bridge.h"
#include "support/charge_pictures.h"

namespace tess {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Bands of a few colours (a gif holds 256 at most).
Surface sample(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.setPixel(x, y, rgb(x / 8 * 30, y / 8 * 50, (x + y) % 2 * 255));
    return s;
}

Bytes encoded(const Surface& s, const char* format, QImage::Format pixels = QImage::Format_RGB888) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(toQImage(s).convertToFormat(pixels))) return {};
    return Bytes(data.begin(), data.end());
}

void le(Bytes& out, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out.push_back(std::uint8_t(v >> (8 * i)));
}

// A bitmap header (14 + 40 bytes, then `colours` table entries).
Bytes bitmapHeader(int w, int h, int bits, int compression, std::uint32_t dataSize, int colours) {
    Bytes out = {'B', 'M'};
    const std::uint32_t offset = 54 + 4 * colours;
    le(out, offset + dataSize, 4);
    le(out, 0, 4);
    le(out, offset, 4);
    le(out, 40, 4);
    le(out, std::uint32_t(w), 4);
    le(out, std::uint32_t(h), 4);
    le(out, 1, 2);
    le(out, bits, 2);
    le(out, compression, 4);
    le(out, dataSize, 4);
    le(out, 2835, 4);
    le(out, 2835, 4);
    le(out, colours, 4);
    le(out, 0, 4);
    for (int i = 0; i < colours; ++i) le(out, i == 0 ? 0x000000 : 0xFF0000 + i, 4);
    return out;
}

// An 8-bit run-length bitmap: each row two runs and its end, then the end of
// the picture, which some writers let stand for the last row's end.
Bytes runLengthBitmap(int w, int h, bool endClosesLastRow = false) {
    Bytes data;
    for (int y = 0; y < h; ++y) {
        data.insert(data.end(), {std::uint8_t(w / 2), 1, std::uint8_t(w - w / 2), 2});
        if (y < h - 1 || !endClosesLastRow) data.insert(data.end(), {0, 0});
    }
    data.insert(data.end(), {0, 1});
    Bytes out = bitmapHeader(w, h, 8, 1, std::uint32_t(data.size()), 3);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

Bytes gif(const Surface& s) {
    testing::PictureFolder folder;
    return *readFileBytes(folder.writeGif("picture.gif", s));
}

PictureScan scan(const Bytes& bytes, std::int64_t mostPixels = kMaxPicturePixels,
                 std::uint64_t mostBytes = kLargestPictureFile) {
    MemoryPictureSource source(bytes.data(), bytes.size());
    return scanPicture(source, mostPixels, mostBytes);
}

struct Sample {
    const char* name;
    Bytes bytes;
    PictureFormat format;
    // The bytes that pad the last row of a bitmap to 4 bytes: the file may
    // end without them, every pixel being there.
    std::size_t lastRowPadding = 0;
};

std::vector<Sample> samples() {
    const Surface s = sample(61, 37);
    return {
        {"bmp 24 bits", encoded(s, "bmp"), PictureFormat::Bmp, 1},
        {"bmp 32 bits", encoded(s, "bmp", QImage::Format_RGB32), PictureFormat::Bmp},
        {"bmp 8 bits", encoded(s, "bmp", QImage::Format_Indexed8), PictureFormat::Bmp, 3},
        {"bmp run-length", runLengthBitmap(61, 37), PictureFormat::Bmp},
        {"bmp run-length, the end code closing the last row", runLengthBitmap(61, 37, true),
         PictureFormat::Bmp},
        {"gif", gif(sample(30, 20)), PictureFormat::Gif},
        {"jpeg", encoded(s, "jpeg"), PictureFormat::Jpeg},
    };
}

TEST(PictureScan, WholePicturesDecodeAndPaddingIsNeitherReadNorDecoded) {
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        ASSERT_FALSE(sample.bytes.empty());
        const PictureScan whole = scan(sample.bytes);
        ASSERT_EQ(whole.result, PictureScanResult::Whole);
        EXPECT_EQ(whole.format, sample.format);
        EXPECT_EQ(whole.bytes, sample.bytes) << "the picture is its whole file";
        const PictureRead read = decodePicture(sample.bytes.data(), sample.bytes.size());
        ASSERT_TRUE(read.picture.has_value());
        EXPECT_EQ(read.picture->width(), whole.width);
        EXPECT_EQ(read.picture->height(), whole.height);

        Bytes padded = sample.bytes;
        padded.resize(padded.size() + (8u << 20), 0x5A);
        const PictureScan walked = scan(padded);
        ASSERT_EQ(walked.result, PictureScanResult::Whole);
        EXPECT_EQ(walked.bytes, sample.bytes);
        EXPECT_LE(walked.bytesRead, 2 * sample.bytes.size() + 4096);
        const PictureRead paddedRead = decodePicture(padded.data(), padded.size());
        ASSERT_TRUE(paddedRead.picture.has_value());
        EXPECT_TRUE(*paddedRead.picture == *read.picture);
    }
}

TEST(PictureScan, APictureCutShortAnywhereIsDamagedNeverPadded) {
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        const std::size_t size = sample.bytes.size();
        const std::size_t pixelsEnd = size - sample.lastRowPadding;
        std::vector<std::size_t> cuts = {std::min(size - 3, pixelsEnd - 1), size / 2, 60};
        for (std::size_t cut = 6; cut < std::min(size - 2, pixelsEnd); cut += 1 + cut / 3)
            cuts.push_back(cut);
        for (std::size_t cut : cuts) {
            const Bytes shorter(sample.bytes.begin(), sample.bytes.begin() + cut);
            EXPECT_EQ(scan(shorter).result, PictureScanResult::Damaged) << "cut at " << cut;
            EXPECT_FALSE(decodePicture(shorter.data(), shorter.size()).picture.has_value());
        }
        // The last two bytes close the picture (a jpeg's end marker, a gif's
        // trailer, a run-length bitmap's end code): without them it is either
        // damaged or the very same picture, never another.
        const auto whole = decodePicture(sample.bytes.data(), size).picture;
        // Short only by the last row's padding, it is the very same picture.
        if (sample.lastRowPadding > 0) {
            const auto read = decodePicture(sample.bytes.data(), pixelsEnd);
            ASSERT_TRUE(read.picture) << "short of its padding only";
            EXPECT_TRUE(*read.picture == *whole);
        }
        for (std::size_t cut : {size - 2, size - 1}) {
            const auto read = decodePicture(sample.bytes.data(), cut);
            EXPECT_TRUE(read.refusal == PictureRefusal::Damaged ||
                        (read.picture && *read.picture == *whole))
                << "cut at " << cut;
        }
    }
}

TEST(PictureScan, ForgedSizesAreRefusedBeforeTheirPixelsAreRead) {
    // A 1 KB bitmap claiming 4096 x 4096 true-colour pixels.
    Bytes claiming = bitmapHeader(4096, 4096, 24, 0, 4096u * 4096 * 3, 0);
    claiming.resize(1024, 0);
    PictureScan walked = scan(claiming);
    EXPECT_EQ(walked.result, PictureScanResult::Damaged);
    EXPECT_LE(walked.bytesRead, 1024u);
    const PictureRead read = decodePicture(claiming.data(), claiming.size());
    EXPECT_EQ(read.refusal, PictureRefusal::Damaged);
    EXPECT_EQ(read.width, 4096);

    // A run-length bitmap whose runs end at once: every row would be blank.
    Bytes ending = bitmapHeader(4000, 4000, 8, 1, 2, 2);
    ending.insert(ending.end(), {0, 1});
    EXPECT_EQ(scan(ending).result, PictureScanResult::Damaged);

    // Beyond the side allowed, or the pixels the caller allows: the header alone.
    Bytes wide = bitmapHeader(5000, 2, 24, 0, 15000 * 2, 0);
    wide.resize(wide.size() + 15000 * 2);
    walked = scan(wide);
    EXPECT_EQ(walked.result, PictureScanResult::TooLarge);
    EXPECT_EQ(walked.width, 5000);
    const Bytes jpeg = encoded(sample(300, 200), "jpeg");
    walked = scan(jpeg, 300 * 200 - 1);
    EXPECT_EQ(walked.result, PictureScanResult::TooLarge);
    EXPECT_LT(walked.bytes.size(), jpeg.size());
    // Whole, but past the bytes the caller may still read.
    const Bytes bmp = encoded(sample(300, 200), "bmp");
    EXPECT_EQ(scan(bmp, kMaxPicturePixels, bmp.size() - 1).result, PictureScanResult::OverBytes);
    EXPECT_EQ(scan(bmp, kMaxPicturePixels, bmp.size()).result, PictureScanResult::Whole);
}

TEST(PictureScan, WhatIsNoPictureOrNoSuchPictureIsTold) {
    EXPECT_EQ(scan({}).result, PictureScanResult::NotAPicture);
    EXPECT_EQ(scan({'B', 'o', 'n', 'j', 'o', 'u', 'r'}).result, PictureScanResult::NotAPicture);
    // A bitmap of an unknown header, of no width, of 7 bits a pixel.
    Bytes odd = bitmapHeader(10, 10, 24, 0, 400, 0);
    odd[14] = 33;
    EXPECT_EQ(scan(odd).result, PictureScanResult::Damaged);
    Bytes flat = bitmapHeader(0, 10, 24, 0, 0, 0);
    EXPECT_EQ(scan(flat).result, PictureScanResult::Damaged);
    Bytes sevenBits = bitmapHeader(10, 10, 7, 0, 400, 0);
    sevenBits.resize(sevenBits.size() + 400);
    EXPECT_EQ(scan(sevenBits).result, PictureScanResult::Damaged);
    // A gif that ends without an image, a jpeg whose scan comes before its frame.
    EXPECT_EQ(scan({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}).result,
              PictureScanResult::Damaged);
    EXPECT_EQ(scan({0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 1, 2, 0xFF, 0xD9}).result,
              PictureScanResult::Damaged);
}

}  // namespace
}  // namespace tess
