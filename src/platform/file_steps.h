#pragma once

#include <functional>
#include <string>

namespace tess {

// The file operations a save is made of, each a system call whose failure
// or interruption must leave the user's documents whole. They go through
// here so that tests can stop or fail any one of them and see what is left.
enum class FileStep {
    Create,      // a new temporary file
    Write,       // its whole content
    DataSync,    // waiting until that content is on the disk
    Rename,      // a temporary put in place of its file
    Remove,      // a file deleted
    FolderSync,  // waiting until a folder's renames are on the disk
};

// Called before every step with the file it is about; a non-zero answer makes
// the step fail with that errno instead of running. No hook: every step runs.
using FileStepHook = std::function<int(FileStep, const std::string& path)>;
void setFileStepHook(FileStepHook hook);

// The steps themselves: true on success, else false with errno set.
// createExclusive gives the descriptor, or -1.
int stepCreateExclusive(const std::string& path, unsigned mode);
bool stepWriteAll(int fd, const std::string& path, const void* data, std::size_t size);
bool stepDataSync(int fd, const std::string& path);
bool stepRename(const std::string& from, const std::string& to);
bool stepRemove(const std::string& path);  // a file already gone counts as removed
bool stepFolderSync(const std::string& folder);

}  // namespace tess
