#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace tess::testing {

// A fresh program folder (TESSALINE_HOME) for one test, removed afterwards.
class TempHome {
  public:
    explicit TempHome(const std::string& name) {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tessaline-" + name + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        setenv("TESSALINE_HOME", folder_.c_str(), 1);
    }
    ~TempHome() {
        unsetenv("TESSALINE_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string path(const std::string& name = "") const {
        return name.empty() ? folder_.string() : (folder_ / name).string();
    }

  private:
    std::filesystem::path folder_;
};

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
