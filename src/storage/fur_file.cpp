#include "storage/fur_file.h"

#include "model/tincture_table.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "platform/staged_files.h"
#include "platform/text_encoding.h"
#include "storage/error_numbers.h"

namespace tess {

namespace {

// Only the header is read when the editor opens a fur: a file with an old
// tail behind its table, or a large file that is no fur, costs no more.
constexpr std::size_t kHeaderBytes = 8;

bool isEditorTileSide(int side) {
    return side >= kSmallestFurTile && side <= kLargestFurTile;
}

}  // namespace

std::optional<FurFileHeader> readFurFileHeader(const std::vector<std::uint8_t>& furFile) {
    ByteReader in(furFile);
    const auto format = in.getInteger();
    const auto height = in.getInteger();
    const auto width = in.getInteger();
    const auto shift = in.getInteger();
    if (!shift) return std::nullopt;
    return FurFileHeader{*format, *height, *width, *shift};
}

FurFileOpening OpenFurFileHeader(const std::string& path) {
    FurFileOpening out;
    const std::string fileName = FileNameOfPath(path);
    const std::string name = "« " + fileName + " »";
    const ReadOnlyFile file(path);
    switch (file.kind()) {
        case FileKind::Missing:
            out.error = "Le fichier " + name + " est introuvable.";
            out.errorNumber = kFileNotFoundError;
            return out;
        case FileKind::NotAFile:
            out.error = notAFileText(fileName);
            out.errorNumber = kFileAccessError;
            return out;
        case FileKind::LinkLoop:
            out.error = linkLoopText(fileName);
            out.errorNumber = kFileAccessError;
            return out;
        case FileKind::Unreadable:
            out.error = permissionDeniedText(fileName);
            out.errorNumber = kPermissionDeniedError;
            return out;
        case FileKind::Regular:
            break;
    }
    std::vector<std::uint8_t> head(kHeaderBytes);
    const std::int64_t n = file.readAt(0, head.data(), head.size());
    if (n < 0) {
        out.error = "Erreur d'accès au fichier : " + name + " n'a pas pu être lu.";
        out.errorNumber = kFileAccessError;
        return out;
    }
    head.resize(std::size_t(n));
    const auto header = readFurFileHeader(head);
    if (!header) {
        out.error = "Le fichier " + name + " est trop court pour être une fourrure.";
        out.errorNumber = kInputPastEndError;
        return out;
    }
    if (!isEditorTileSide(header->TileHeight) || !isEditorTileSide(header->TileWidth) ||
        header->RowShift < 0 || header->RowShift > kLargestRowShift) {
        out.error = "Le fichier " + name +
                    " n'est pas une fourrure : ses carreaux doivent mesurer de 5 à 32 "
                    "cases et son décalage aller de 0 à 99.";
        out.errorNumber = kInvalidPropertyValueError;
        return out;
    }
    out.header = header;
    return out;
}

std::vector<std::uint8_t> encodeFurFile(const Surface& tile, int width, int height, int rowShift,
                                        const TinctureTable& tinctures) {
    ByteWriter out;
    out.putInteger(kFurFileFormat);
    out.putInteger(Integer(height));
    out.putInteger(Integer(width));
    out.putInteger(Integer(rowShift));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            out.putLong(
                FindTinctureByColour(tinctures, tile.pixel(x, y), ColourMatch::FactoryFirst));
    return out.bytes();
}

std::string furBitmapFile(std::string_view furPath) {
    return dropLastCharacters(furPath, 1) + "x";
}

std::string withFurExtension(std::string_view path) {
    constexpr std::string_view ext = ".fmp";
    if (path.size() >= ext.size() && path.substr(path.size() - ext.size()) == ext)
        return std::string(path);
    return std::string(path) + std::string(ext);
}

std::string SaveFurFiles(const std::string& furPath, const Surface& tileSurface, int width,
                         int height, int rowShift, const TinctureTable& tinctures,
                         int* errorNumber) {
    const auto bitmap = encodePictureBmp(tileSurface);
    if (!bitmap) {
        if (errorNumber) *errorNumber = kFileAccessError;
        return "Impossible de préparer l'image « " + furBitmapFile(furPath) + " »";
    }
    StagedFiles files(".tmp-fourrure");
    // The bitmap first: the fur file names it, so until the fur file is
    // renamed into place the old pair stands.
    std::string error = files.add(furBitmapFile(furPath), *bitmap);
    if (error.empty())
        error = files.add(furPath, encodeFurFile(tileSurface, width, height, rowShift, tinctures));
    if (error.empty()) error = files.commit();
    if (errorNumber) *errorNumber = error.empty() ? 0 : errorNumberOf(files.failedErrno());
    return error;
}

}  // namespace tess
