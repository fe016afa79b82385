#pragma once

// Folders a test made, removed whatever it left in them.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace tess::testing {

// Removes `root` and everything under it by the system's bytes, so names in
// any encoding go (a Latin-1 name is no UTF-8 text, and a removal that decodes
// names as text cannot even name it). Folders a test made read-only are given
// their owner's rights back first, or nothing under them could go. Errors are
// ignored: a test's teardown has no one to tell, and what stays is caught by
// the suite's check of its temporary folder.
inline void removeTree(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    if (!fs::is_directory(fs::symlink_status(root, ignored))) {
        fs::remove(root, ignored);
        return;
    }
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(root, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(root, ignored);
}

// A fresh folder of the test's own under the temporary folder ($TMPDIR),
// named `prefix` and six random characters. The name stays short: documents
// keep the paths of their side files in fixed-size records, and a test's files
// must fit there wherever the temporary folder lies.
inline std::filesystem::path makeTemporaryFolder(const std::string& prefix = "tessaline-") {
    std::string name = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).native();
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    return name;
}

}  // namespace tess::testing
