#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace tess::testing {

using Bytes = std::vector<std::uint8_t>;

// A fixture with a fresh folder of its own, named after the test and removed
// afterwards (with its write permission given back, for tests that take it).
// With `asProgramFolder` it is also TESSALINE_HOME for the test's length.
class ScratchFolder : public ::testing::Test {
  protected:
    explicit ScratchFolder(bool asProgramFolder = false) : home_(asProgramFolder) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("tessaline-" + std::string(info->test_suite_name()) + "-" +
                   std::to_string(::getpid()) + "-" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        if (home_) ::setenv("TESSALINE_HOME", folder_.c_str(), 1);
    }
    ~ScratchFolder() override {
        if (home_) ::unsetenv("TESSALINE_HOME");
        std::error_code ignored;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string file(const std::string& name) const { return (folder_ / name).string(); }
    // Writes `bytes` as file `name`; gives its path.
    std::string put(const std::string& name, const Bytes& bytes) const {
        std::ofstream(file(name), std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file(name);
    }
    Bytes read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    // Every entry of the folder with its content; folders read as "dir".
    std::map<std::string, Bytes> contents() const {
        std::map<std::string, Bytes> all;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            all[name] = entry.is_directory() ? Bytes{'d', 'i', 'r'} : read(name);
        }
        return all;
    }

    std::filesystem::path folder_;

  private:
    bool home_;
};

}  // namespace tess::testing
