#include "storage/side_files.h"

#include <cctype>

#include "platform/text_encoding.h"

namespace tess {

namespace {

std::string withoutExtension(std::string_view path) {
    return dropLastCharacters(path, 4);
}

}  // namespace

std::string shieldPreviewFile(std::string_view documentPath) {
    return dropLastCharacters(documentPath, 1) + "z";
}

std::string bannerPreviewFile(std::string_view documentPath) {
    return dropLastCharacters(documentPath, 1) + "x";
}

std::string imagePictureFile(std::string_view documentPath, int number) {
    return withoutExtension(documentPath) + "Px" + std::to_string(number) + ".hpc";
}

std::string imageMaskFile(std::string_view documentPath, int number) {
    return withoutExtension(documentPath) + "Px" + std::to_string(number) + ".mpc";
}

std::string partArmsFile(std::string_view documentPath, int part) {
    return withoutExtension(documentPath) + "Bx" + std::to_string(part) + ".hpx";
}

std::string previewForPart(std::string_view documentPath, int part) {
    return part == 7 ? shieldPreviewFile(documentPath) : bannerPreviewFile(documentPath);
}

std::vector<std::string> everySideFile(std::string_view documentPath) {
    std::vector<std::string> files = {shieldPreviewFile(documentPath),
                                      bannerPreviewFile(documentPath)};
    for (int n = 1; n <= 255; ++n) {
        files.push_back(imagePictureFile(documentPath, n));
        files.push_back(imageMaskFile(documentPath, n));
    }
    for (int k = 1; k <= 7; ++k) files.push_back(partArmsFile(documentPath, k));
    return files;
}

std::string saveJournalFile(std::string_view documentPath) {
    return std::string(documentPath) + ".~journal";
}

std::string withDocumentExtension(std::string_view path) {
    const std::string_view ext = ".bls";
    if (path.size() >= ext.size()) {
        const std::string_view tail = path.substr(path.size() - ext.size());
        bool same = true;
        for (std::size_t i = 0; i < ext.size(); ++i)
            same = same && std::tolower(static_cast<unsigned char>(tail[i])) == ext[i];
        if (same) return std::string(path);
    }
    return std::string(path) + std::string(ext);
}

}  // namespace tess
