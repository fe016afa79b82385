#include "storage/locate_missing_file.h"

#include <filesystem>
#include <system_error>

#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_limits.h"
#include "platform/record_file.h"
#include "platform/text_encoding.h"

namespace tess {

std::string LocateMissingFile(const std::string& filePath, bool deleteFound,
                              const FileDialogs& dialogs) {
    const std::string name = FileNameOfPath(filePath);
    // Shown readable; the dialog lists files by the name's own bytes.
    const std::string shown = displayedName(name);
    if (!dialogs.ask("Le fichier " + shown + " est manquant. Désirez-vous tenter de le retrouver?",
                     "Fichier manquant"))
        return {};
    if (!dialogs.pickFile) return {};
    const std::string chosen = dialogs.pickFile("Rechercher " + shown, name);
    if (chosen.empty()) return {};

    namespace fs = std::filesystem;
    std::error_code error;
    // Picking the expected file itself (it came back meanwhile) must neither
    // copy it onto itself nor delete it.
    if (fs::exists(filePath, error) && fs::equivalent(chosen, filePath, error)) return filePath;
    // Read as every reader reads: a pipe or a device picked here is refused
    // at once. The files looked for are pictures.
    const auto bytes = readFileBytes(chosen, kLargestPictureFile);
    if (!bytes || !writeFileAtomically(filePath, *bytes).empty()) return {};
    if (deleteFound) {
        fs::remove(chosen, error);
        if (error) return {};
    }
    return filePath;
}

}  // namespace tess
