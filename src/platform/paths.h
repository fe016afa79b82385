#pragma once

#include <string>
#include <string_view>

namespace tess {

// Folder part of a path with its trailing separator ("/" or "\": documents from
// older machines carry "\" paths), and the file-name part.
std::string FolderOfPath(std::string_view path);
std::string FileNameOfPath(std::string_view path);

// The program folder: $TESSALINE_HOME when set, else $XDG_DATA_HOME/tessaline
// (~/.local/share/tessaline), created when missing. No trailing separator.
std::string programFolder();
// The same folder's path, without creating it (for checks that must write nothing).
std::string programFolderPath();
// A file named as the documents name it in the program folder ("QRX.inf",
// "\Pic12.tmp", "MesVarodez"): "\" becomes "/".
std::string programFile(std::string_view name);

bool fileExists(const std::string& path);
bool removeFile(const std::string& path);
bool makeFolder(const std::string& path);

}  // namespace tess
