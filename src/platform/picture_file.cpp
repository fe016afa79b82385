#include "platform/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>

#include "platform/qimage_bridge.h"
#include "platform/record_file.h"

namespace tess {

namespace {

constexpr std::size_t kLargestFile = 256u << 20;

// Qt's own ceiling on one decoded picture, for the formats whose size cannot
// be told before decoding: the largest picture allowed, in 32-bit pixels,
// with room for the decoder's own rounding.
constexpr int kDecodeLimitMegabytes = int(kMaxPicturePixels * 4 / (1 << 20)) + 8;

bool tooLarge(const QSize& size, std::int64_t mostPixels) {
    return size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
           std::int64_t(size.width()) * size.height() > mostPixels;
}

}  // namespace

PictureRead readPicture(const std::string& path, std::int64_t mostPixels) {
    static const bool limited = (QImageReader::setAllocationLimit(kDecodeLimitMegabytes), true);
    (void)limited;
    PictureRead out;
    const auto bytes = readFileBytes(path, kLargestFile);
    if (!bytes || bytes->empty()) return out;
    QByteArray data(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif" && format != "jpeg" && format != "jpg") return out;
    // The header's size, read without decoding a pixel: what a forged file
    // claims is refused here, before a byte of it is allocated.
    if (const QSize size = reader.size(); size.isValid() && tooLarge(size, mostPixels)) {
        out.refusal = PictureRefusal::TooLarge;
        return out;
    }
    const QImage image = reader.read();
    if (image.isNull()) return out;
    if (tooLarge(image.size(), mostPixels)) {
        out.refusal = PictureRefusal::TooLarge;
        return out;
    }
    out.picture = fromQImage(image);
    out.refusal = PictureRefusal::None;
    return out;
}

std::optional<Surface> loadPicture(const std::string& path) {
    return readPicture(path).picture;
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
