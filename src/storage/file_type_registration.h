#pragma once

#include <string>

namespace tess {

// Makes double-clicking a ".bls" document open it with this program, the way
// this desktop does it: a shared-mime-info package for "*.bls" and a desktop
// entry whose command opens the document with `programPath`, both under the
// user's data folder ($XDG_DATA_HOME, else ~/.local/share). Files are rewritten
// only when their content changed, and only then are the desktop databases
// refreshed (when their tools are installed). Every failure is ignored: the
// program starts normally whatever happens here.
//
// Called by the program's start-up with its own executable; never by tests or
// tools, which would register themselves.
void RegisterFileType(const std::string& programPath);

// The same with every input explicit; tells what was rewritten, for tests.
struct FileTypeRegistration {
    std::string programPath;
    std::string dataHome;          // the folder that holds mime/ and applications/
    bool refreshDatabases = true;  // run update-mime-database / update-desktop-database
};
struct FileTypeRegistrationResult {
    bool mimePackageWritten = false;
    bool desktopEntryWritten = false;
};
FileTypeRegistrationResult writeFileTypeRegistration(const FileTypeRegistration& where);

// The contents written, exposed so that tests can compare them.
inline constexpr const char* kDocumentMimeType = "application/x-tessaline-bls";
std::string mimePackageText();
std::string desktopEntryText(const std::string& programPath);
// The user's data folder: $XDG_DATA_HOME when set and absolute, else ~/.local/share.
std::string userDataHome();

}  // namespace tess
