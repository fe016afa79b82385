#include "storage/file_type_registration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/record_file.h"

extern char** environ;

namespace tess {

namespace {

constexpr const char* kMimePackageFile = "mime/packages/tessaline-bls.xml";
constexpr const char* kDesktopEntryFile = "applications/tessaline.desktop";
// Both files are a few hundred bytes; a larger one is rewritten.
constexpr std::size_t kLargestRegistrationFile = 64 * 1024;

// A desktop entry's Exec key: an argument holding a reserved character is
// quoted, and inside quotes '"', '`', '$' and '\' are escaped; a literal '%' is
// doubled; the key's own string escaping then doubles each backslash again.
std::string execArgument(const std::string& path) {
    std::string field;
    for (char c : path) {
        field += c;
        if (c == '%') field += '%';
    }
    if (!field.empty() && field.find_first_of(" \t\n\"'\\><~|&;$*?#()`") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string escaped;
    for (char c : quoted) {
        if (c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// What the file holds now; a pipe or a device in its place holds nothing.
std::string currentContent(const std::string& path) {
    const auto bytes = readFileBytes(path, kLargestRegistrationFile);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// Writes `content` unless the file already holds exactly that. True when written.
bool writeWhenChanged(const std::string& path, const std::string& content) {
    if (fileExists(path) && currentContent(path) == content) return false;
    if (!makeFolder(FolderOfPath(path))) return false;
    return writeFileAtomically(path, std::vector<std::uint8_t>(content.begin(), content.end()))
        .empty();
}

// Runs a desktop tool when it is installed, silently; its result is not looked at.
void runQuietly(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(child, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

std::string userDataHome() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/') return data;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share";
}

std::string mimePackageText() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           kDocumentMimeType +
           "\">\n"
           "    <comment>Varodez v.3</comment>\n"
           "    <comment xml:lang=\"fr\">Blason Varodez v.3</comment>\n"
           "    <glob pattern=\"*.bls\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string desktopEntryText(const std::string& programPath) {
    return std::string(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Tessaline\n"
               "Comment=Créer et blasonner des armoiries\n"
               "Exec=") +
           execArgument(programPath) +
           " %f\n"
           "MimeType=" +
           kDocumentMimeType +
           ";\n"
           "NoDisplay=true\n"
           "Terminal=false\n";
}

FileTypeRegistrationResult writeFileTypeRegistration(const FileTypeRegistration& where) {
    FileTypeRegistrationResult result;
    // A path with a line break cannot be written into a desktop entry.
    if (where.dataHome.empty() || where.programPath.empty() ||
        where.programPath.find_first_of("\r\n") != std::string::npos)
        return result;
    const std::string home = where.dataHome + "/";
    try {
        result.mimePackageWritten = writeWhenChanged(home + kMimePackageFile, mimePackageText());
        result.desktopEntryWritten =
            writeWhenChanged(home + kDesktopEntryFile, desktopEntryText(where.programPath));
        if (where.refreshDatabases) {
            if (result.mimePackageWritten) runQuietly({"update-mime-database", home + "mime"});
            if (result.desktopEntryWritten)
                runQuietly({"update-desktop-database", home + "applications"});
        }
    } catch (...) {
        // A refused registration never stops the program.
    }
    return result;
}

void RegisterFileType(const std::string& programPath) {
    writeFileTypeRegistration({programPath, userDataHome(), true});
}

}  // namespace tess
