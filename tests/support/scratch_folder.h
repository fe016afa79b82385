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

#include "tests/support/remove_tree.h"

namespace tess::testing {

using Bytes = std::vector<std::uint8_t>;

// A fixture with a fresh folder of its own, removed afterwards whatever the
// test left in it (read-only folders and names that are not UTF-8 included).
// With `asProgramFolder` it is also TESSALINE_HOME for the test's length.
class ScratchFolder : public ::testing::Test {
  protected:
    explicit ScratchFolder(bool asProgramFolder = false)
        : folder_(makeTemporaryFolder()), home_(asProgramFolder) {
        if (home_) ::setenv("TESSALINE_HOME", folder_.c_str(), 1);
    }
    ~ScratchFolder() override {
        if (home_) ::unsetenv("TESSALINE_HOME");
        removeTree(folder_);
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
