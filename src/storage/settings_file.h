#pragma once

#include <array>
#include <string>

#include "model/settings.h"

namespace tess {

// "QRX.inf" in the program folder: eight String records, the four recent
// documents ("############" for a free entry) then the document, picture, fur
// and export folders.
inline constexpr const char* kSettingsFileName = "QRX.inf";
inline constexpr const char* kFreeRecentEntry = "############";

// Reads the settings when the file exists; otherwise empties the recent list
// and leaves the folders as they are (the start-up has set LastDocFolder).
// Records missing from a short file read as the empty text.
void LoadSettingsFile(Settings& settings);

// Rewrites the file in one piece (temporary file and rename), so a failure
// never leaves half a settings file. A value that does not fit a record
// (longer than 126 characters, or outside Windows-1252) is written as the empty
// text. Empty text on success, else the reason.
std::string SaveSettingsFile(const Settings& settings);

// The recent-file entries at the foot of the file menu, as the window shows
// them: entry i (1..4) shows the file name of recent document i and is visible
// exactly when that entry is taken; the separator above follows entry 1.
struct RecentMenu {
    std::array<std::string, 5> captions{};  // 1..4
    std::array<bool, 5> visible{};          // 1..4
    bool separatorVisible = false;
};
RecentMenu recentMenu(const Settings& settings);

}  // namespace tess
