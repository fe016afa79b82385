#pragma once

#include <string>

#include "storage/file_dialogs.h"

namespace tess {

// A side file that is not where a document expects it: asks "Le fichier ... est
// manquant. Désirez-vous tenter de le retrouver?", lets the user pick a file of
// that name elsewhere and copies it to `filePath` (moving it when
// `deleteFound`). Returns `filePath`, where the file now is, or the empty text
// when the user declines or anything fails; failures are not reported.
std::string LocateMissingFile(const std::string& filePath, bool deleteFound,
                              const FileDialogs& dialogs);

}  // namespace tess
