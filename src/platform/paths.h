#pragma once

#include <string>
#include <string_view>

namespace tess {

// Folder part of a path with its trailing separator ("/" or "\": documents from
// older machines carry "\" paths), and the file-name part.
std::string FolderOfPath(std::string_view path);
std::string FileNameOfPath(std::string_view path);

// The program folder: $TESSALINE_HOME when set, else $XDG_DATA_HOME/tessaline
// (~/.local/share/tessaline), created when missing unless it is left alone.
// No trailing separator.
std::string programFolder();
// The same folder's path, without creating it (for checks that must write nothing).
std::string programFolderPath();
// A run that leaves the program folder as it found it (the probe, which opens
// a document as the program does): the folder is not made, and the settings
// and colour files are not written. Set once, before anything is read.
void leaveProgramFolderAlone();
bool programFolderLeftAlone();
// A file named as the documents name it in the program folder ("QRX.inf",
// "\Pic12.tmp", "MesVarodez"): "\" becomes "/".
std::string programFile(std::string_view name);

// A path as bytes made absolute against the current folder, without going
// through any text conversion (a Latin-1 name stays the same bytes).
std::string absolutePath(const std::string& path);
// A path read from a document, where it is Windows-1252 text held as UTF-8:
// itself when something is there, else its Windows-1252 bytes when those name
// a file (an older disk's Latin-1 names), else itself.
std::string pathOnDisk(const std::string& path);

bool fileExists(const std::string& path);
bool removeFile(const std::string& path);
bool makeFolder(const std::string& path);

}  // namespace tess
