#include "platform/paths.h"

#include "platform/text_encoding.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace tess {

namespace {
std::size_t lastSeparator(std::string_view path) {
    return path.find_last_of("/\\");
}
bool leftAlone = false;
}  // namespace

std::string FolderOfPath(std::string_view path) {
    const std::size_t at = lastSeparator(path);
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string FileNameOfPath(std::string_view path) {
    const std::size_t at = lastSeparator(path);
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

void leaveProgramFolderAlone() {
    leftAlone = true;
}

bool programFolderLeftAlone() {
    return leftAlone;
}

std::string programFolder() {
    std::string folder = programFolderPath();
    if (!leftAlone) makeFolder(folder);
    return folder;
}

std::string programFolderPath() {
    std::string folder;
    if (const char* home = std::getenv("TESSALINE_HOME"); home && *home) {
        folder = home;
    } else if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        folder = std::string(data) + "/tessaline";
    } else {
        const char* user = std::getenv("HOME");
        folder = std::string(user ? user : ".") + "/.local/share/tessaline";
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string programFile(std::string_view name) {
    std::string file(name);
    for (char& c : file)
        if (c == '\\') c = '/';
    if (file.empty() || file.front() != '/') file.insert(file.begin(), '/');
    return programFolder() + file;
}

std::string absolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    if (error) return path;
    std::string folder = here.native();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + path;
}

std::string pathOnDisk(const std::string& path) {
    std::error_code error;
    if (path.empty() || std::filesystem::exists(path, error)) return path;
    const std::optional<std::string> bytes = utf8ToWindows1252(path);
    if (bytes && *bytes != path && std::filesystem::exists(*bytes, error)) return *bytes;
    return path;
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool removeFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::remove(path, error);
}

bool makeFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

}  // namespace tess
