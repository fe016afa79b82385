#include "storage/recent_files.h"

#include "platform/paths.h"
#include "platform/record_file.h"
#include "platform/text_encoding.h"
#include "storage/settings_file.h"

namespace tess {

bool AddRecentFile(Settings& settings, const std::string& path) {
    if (!fileExists(path)) return false;
    if (!fitsWindows1252(path) || characterCount(path) > std::size_t(kMaxRecordString))
        return false;
    std::array<std::string, kRecentFileCount + 1> list{};
    list[1] = path;
    int filled = 1;
    for (int i = 1; i <= kRecentFileCount && filled < kRecentFileCount; ++i) {
        if (settings.RecentFiles[i] == path) continue;
        list[++filled] = settings.RecentFiles[i];
    }
    settings.RecentFiles = list;
    (void)SaveSettingsFile(settings);
    return true;
}

}  // namespace tess
