#pragma once

// Whole files read and written at a path, for tests that look at bytes.

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace tess::testing {

inline void writeFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    const std::string text = readFile(path);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Every entry of a folder with its content ("<dossier>" for a folder).
inline std::map<std::string, std::string> folderContents(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] =
            entry.is_regular_file() ? readFile(entry.path().string()) : "<dossier>";
    return files;
}

}  // namespace tess::testing
