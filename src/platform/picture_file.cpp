#include "platform/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>

#include "platform/qimage_bridge.h"
#include "platform/record_file.h"

namespace tess {

namespace {

// Pictures larger than this are refused before decoding: no charge, fur tile
// or page comes near it, and a forged header must not claim gigabytes.
constexpr qint64 kMostPixels = 40'000'000;
constexpr std::size_t kLargestFile = 256u << 20;

}  // namespace

std::optional<Surface> loadPicture(const std::string& path) {
    const auto bytes = readFileBytes(path, kLargestFile);
    if (!bytes || bytes->empty()) return std::nullopt;
    QByteArray data(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif" && format != "jpeg" && format != "jpg")
        return std::nullopt;
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMostPixels) return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull() || qint64(image.width()) * image.height() > kMostPixels) return std::nullopt;
    return fromQImage(image);
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
