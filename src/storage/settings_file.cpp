#include "storage/settings_file.h"

#include "platform/paths.h"
#include "platform/record_file.h"

namespace tess {

namespace {

// The record writer refuses what does not fit; the settings then keep an empty
// record rather than failing the whole file.
void putStringOrEmpty(RecordWriter& writer, const std::string& text) {
    if (!writer.putString(text)) (void)writer.putString(std::string());
}

}  // namespace

void LoadSettingsFile(Settings& settings) {
    const std::string path = programFile(kSettingsFileName);
    const auto bytes = fileExists(path) ? readFileBytes(path) : std::nullopt;
    if (!bytes) {
        for (int i = 1; i <= kRecentFileCount; ++i) settings.RecentFiles[i].clear();
        return;
    }
    const RecordReader reader(*bytes);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        std::string entry = reader.getString(i);
        settings.RecentFiles[i] = entry == kFreeRecentEntry ? std::string() : std::move(entry);
    }
    settings.LastDocFolder = reader.getString(5);
    settings.LastImageFolder = reader.getString(6);
    settings.LastFurFolder = reader.getString(7);
    settings.LastExportFolder = reader.getString(8);
}

std::string SaveSettingsFile(const Settings& settings) {
    if (programFolderLeftAlone()) return {};
    RecordWriter writer;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const std::string& entry = settings.RecentFiles[i];
        putStringOrEmpty(writer, entry.empty() ? std::string(kFreeRecentEntry) : entry);
    }
    putStringOrEmpty(writer, settings.LastDocFolder);
    putStringOrEmpty(writer, settings.LastImageFolder);
    putStringOrEmpty(writer, settings.LastFurFolder);
    putStringOrEmpty(writer, settings.LastExportFolder);
    return writeFileAtomically(programFile(kSettingsFileName), writer.bytes());
}

RecentMenu recentMenu(const Settings& settings) {
    RecentMenu menu;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        menu.captions[i] = FileNameOfPath(settings.RecentFiles[i]);
        menu.visible[i] = !settings.RecentFiles[i].empty();
    }
    menu.separatorVisible = menu.visible[1];
    return menu;
}

}  // namespace tess
