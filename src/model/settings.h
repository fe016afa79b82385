#pragma once

#include <array>
#include <string>

namespace tess {

inline constexpr int kRecentFileCount = 4;

// What "QRX.inf" keeps between runs: the four most recent documents (newest
// first, the empty text for a free entry) and the last folder of each kind of
// file dialog, each with its trailing separator.
struct Settings {
    std::array<std::string, kRecentFileCount + 1> RecentFiles{};  // 1..4
    std::string LastDocFolder;     // documents; the start-up sets "MesVarodez"
    std::string LastImageFolder;   // pictures added to the image bank
    std::string LastFurFolder;     // fur files
    std::string LastExportFolder;  // exported bitmaps
};

}  // namespace tess
