#include "platform/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>

#include "platform/file_reading.h"
#include "platform/picture_scan.h"
#include "platform/qimage_bridge.h"
#include "platform/record_file.h"

namespace tess {

namespace {

// Qt's own ceiling on one decoded picture, a last guard behind the header
// checks: the largest picture allowed, in 32-bit pixels, with room for the
// decoder's own rounding.
constexpr int kDecodeLimitMegabytes = int(kMaxPicturePixels * 4 / (1 << 20)) + 8;

class FileSource : public PictureSource {
  public:
    explicit FileSource(const ReadOnlyFile& file) : file_(file) {}
    std::uint64_t size() const override { return file_.size(); }
    std::int64_t readAt(std::uint64_t offset, void* into, std::size_t count) override {
        return file_.readAt(offset, into, count);
    }

  private:
    const ReadOnlyFile& file_;
};

PictureRefusal refusalOf(PictureScanResult result) {
    switch (result) {
        case PictureScanResult::Whole:
            return PictureRefusal::None;
        case PictureScanResult::NotAPicture:
            return PictureRefusal::NotAPicture;
        case PictureScanResult::Damaged:
            return PictureRefusal::Damaged;
        case PictureScanResult::TooLarge:
        case PictureScanResult::OverBytes:
            return PictureRefusal::TooLarge;
        case PictureScanResult::DiskFailed:
            return PictureRefusal::Unreadable;
    }
    return PictureRefusal::Damaged;
}

const char* qtFormat(PictureFormat format) {
    switch (format) {
        case PictureFormat::Bmp:
            return "bmp";
        case PictureFormat::Gif:
            return "gif";
        case PictureFormat::Jpeg:
            return "jpeg";
        case PictureFormat::None:
            break;
    }
    return "";
}

// The picture's bytes, walked whole, decoded by the format the walk found.
PictureRead decoded(const PictureScan& scan, std::int64_t mostPixels) {
    static const bool limited = (QImageReader::setAllocationLimit(kDecodeLimitMegabytes), true);
    (void)limited;
    PictureRead out;
    out.width = scan.width;
    out.height = scan.height;
    out.bytesRead = scan.bytesRead;
    out.pictureBytes = scan.bytes.size();
    out.refusal = refusalOf(scan.result);
    if (out.refusal != PictureRefusal::None) return out;
    const QByteArray data = QByteArray::fromRawData(
        reinterpret_cast<const char*>(scan.bytes.data()), qsizetype(scan.bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormat(scan.format));
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        out.refusal = PictureRefusal::Damaged;
        return out;
    }
    // A gif's first image may reach past the size its header gives.
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide ||
        std::int64_t(image.width()) * image.height() > mostPixels) {
        out.refusal = PictureRefusal::TooLarge;
        return out;
    }
    out.picture = fromQImage(image);
    return out;
}

}  // namespace

PictureRead readPicture(const std::string& path, std::int64_t mostPixels, std::uint64_t mostBytes) {
    const ReadOnlyFile file(path);
    if (!file.isOpen()) {
        PictureRead out;
        switch (file.kind()) {
            case FileKind::Missing:
                out.refusal = PictureRefusal::Missing;
                break;
            case FileKind::NotAFile:
                out.refusal = PictureRefusal::NotAFile;
                break;
            case FileKind::LinkLoop:
                out.refusal = PictureRefusal::LinkLoop;
                break;
            default:
                out.refusal = PictureRefusal::Unreadable;
        }
        return out;
    }
    FileSource source(file);
    return decoded(scanPicture(source, std::max<std::int64_t>(mostPixels, 0), mostBytes),
                   mostPixels);
}

std::optional<Surface> loadPicture(const std::string& path) {
    return readPicture(path).picture;
}

PictureRead decodePicture(const std::uint8_t* data, std::size_t size, std::int64_t mostPixels) {
    MemoryPictureSource source(data, size);
    return decoded(scanPicture(source, std::max<std::int64_t>(mostPixels, 0), kLargestPictureFile),
                   mostPixels);
}

std::optional<std::vector<std::uint8_t>> encodePictureBmp(const Surface& surface) {
    if (surface.empty()) return std::nullopt;
    const QImage image = toQImage(surface).convertToFormat(QImage::Format_RGB888);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image)) return std::nullopt;
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

std::string savePictureBmp(const Surface& surface, const std::string& path) {
    if (surface.empty()) return "Image vide : rien à enregistrer dans « " + path + " »";
    const auto bytes = encodePictureBmp(surface);
    if (!bytes) return "Impossible de préparer l'image « " + path + " »";
    return writeFileAtomically(path, *bytes);
}

}  // namespace tess
