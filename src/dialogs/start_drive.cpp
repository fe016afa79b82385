#include "dialogs/start_drive.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogs/message_layer.h"

namespace tess {

namespace fs = std::filesystem;

bool CheckStartDrive(DriveKind answer, MessageLayer& messages) {
    if (answer == DriveKind::LocalDisk) return true;
    messages.messageBox(QString::fromUtf8(kStartDriveRefusal), kStyleCritical,
                        QString::fromUtf8(kStartDriveTitle));
    return false;
}

namespace {

// Mount points in mountinfo escape blanks, tabs, new lines and backslashes
// as three octal digits.
std::string unescapeMountField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out += char((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::vector<std::string> splitBlanks(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string f;
    while (in >> f) fields.push_back(f);
    return fields;
}

bool isNetworkFileSystem(const std::string& type) {
    static constexpr std::array<std::string_view, 22> kNetwork = {
        "nfs",          "nfs4",         "cifs",        "smb3",           "smbfs",
        "ncpfs",        "afs",          "coda",        "ceph",           "glusterfs",
        "lustre",       "9p.network",   "davfs",       "sshfs",          "fuse.sshfs",
        "fuse.rclone",  "fuse.s3fs",    "fuse.davfs2", "fuse.curlftpfs", "fuse.glusterfs",
        "fuse.gcsfuse", "fuse.smbnetfs"};
    return std::find(kNetwork.begin(), kNetwork.end(), type) != kNetwork.end();
}

// "server:/export", "user@host:path" or "//server/share"; a drive letter
// ("C:\", a Windows disk seen from a Linux system on the same machine) is local.
bool isNetworkSource(const std::string& source) {
    if (source.rfind("//", 0) == 0) return true;
    if (source.empty() || source.front() == '/') return false;
    const std::size_t colon = source.find(':');
    return colon != std::string::npos && colon > 1 && colon + 1 < source.size() &&
           source.find(' ') == std::string::npos;
}

std::string readFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

bool removableFlag(const std::string& sysRoot, const std::string& device) {
    std::error_code error;
    const fs::path link = fs::path(sysRoot) / "dev/block" / device;
    fs::path dir = fs::canonical(link, error);
    if (error) return false;
    // A partition's flag belongs to its disk, the folder above it.
    if (fs::exists(dir / "partition", error)) dir = dir.parent_path();
    return readFirstLine(dir / "removable") == "1";
}

std::string deviceName(const std::string& sysRoot, const std::string& device) {
    std::error_code error;
    const fs::path dir = fs::canonical(fs::path(sysRoot) / "dev/block" / device, error);
    return error ? std::string() : dir.filename().string();
}

}  // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> mounts;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        // id parent major:minor root mount-point options [optional...] - type source super-options
        const std::vector<std::string> f = splitBlanks(line);
        if (f.size() < 9) continue;
        const auto dash = std::find(f.begin() + 6, f.end(), "-");
        if (std::distance(dash, f.end()) < 3) continue;
        MountEntry m;
        m.device = f[2];
        m.mountPoint = unescapeMountField(f[4]);
        m.fsType = *(dash + 1);
        m.source = unescapeMountField(*(dash + 2));
        mounts.push_back(std::move(m));
    }
    return mounts;
}

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, const std::string& path) {
    const MountEntry* best = nullptr;
    for (const MountEntry& m : mounts) {
        const std::string& mp = m.mountPoint;
        const bool holds = mp == "/" || path == mp ||
                           (path.size() > mp.size() && path.compare(0, mp.size(), mp) == 0 &&
                            path[mp.size()] == '/');
        if (holds && (!best || mp.size() >= best->mountPoint.size())) best = &m;
    }
    return best;
}

DriveKind classifyMount(const MountEntry& mount, const std::string& sysRoot) {
    if (isNetworkFileSystem(mount.fsType) || isNetworkSource(mount.source))
        return DriveKind::Network;
    if (mount.fsType == "iso9660" || mount.fsType == "udf") return DriveKind::Optical;
    const std::string name = deviceName(sysRoot, mount.device);
    if (name.rfind("sr", 0) == 0) return DriveKind::Optical;
    if (removableFlag(sysRoot, mount.device)) return DriveKind::Removable;
    return DriveKind::LocalDisk;
}

DriveKind probeDrive(const std::string& folder, const std::string& mountInfoPath,
                     const std::string& sysRoot) {
    std::error_code error;
    // The folder may not exist yet (first run): what counts is where it would be made.
    fs::path at = fs::absolute(folder, error);
    while (!at.empty() && !fs::exists(at, error) && at != at.root_path()) at = at.parent_path();
    const fs::path resolved = fs::canonical(at, error);
    if (error) return DriveKind::LocalDisk;

    std::ifstream in(mountInfoPath);
    if (!in) return DriveKind::LocalDisk;
    std::stringstream text;
    text << in.rdbuf();
    const std::vector<MountEntry> mounts = parseMountInfo(text.str());
    const MountEntry* mount = mountHolding(mounts, resolved.string());
    return mount ? classifyMount(*mount, sysRoot) : DriveKind::LocalDisk;
}

DriveKind probeDrive(const std::string& folder) {
    return probeDrive(folder, "/proc/self/mountinfo", "/sys");
}

}  // namespace tess
