#pragma once

#include <array>
#include <string>

namespace tess {

// What "QRX.inf" keeps between runs: recent documents and last folders.
// Filled in by the settings file code.
struct Settings {
    std::array<std::string, 5> RecentFiles{};
    std::string LastDocumentFolder;
    std::string LastPictureFolder;
};

}  // namespace tess
