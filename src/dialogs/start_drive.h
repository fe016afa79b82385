#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

class MessageLayer;

// What kind of drive a folder lies on, as far as starting the program goes:
// the program writes its settings, colours and temporary pictures into its
// folder while it runs, so it only runs from a local disk.
enum class DriveKind { LocalDisk, Removable, Optical, Network };

// The text and title of the refusal.
inline constexpr const char* kStartDriveRefusal =
    "Tessaline doit être démarré à partir de votre disque dur.";
inline constexpr const char* kStartDriveTitle = "Tessaline";

// The start-drive check: accepts a local disk; anything else shows the refusal
// (stop sign, OK only) and returns false, and the caller then ends the process
// without writing anything.
bool CheckStartDrive(DriveKind answer, MessageLayer& messages);

// Where the answer comes from: the system by default, anything in tests.
using DriveProbe = std::function<DriveKind(const std::string& folder)>;

// One line of /proc/self/mountinfo, the fields the check needs.
struct MountEntry {
    std::string device;      // "major:minor"
    std::string mountPoint;  // unescaped
    std::string fsType;
    std::string source;
};
std::vector<MountEntry> parseMountInfo(std::string_view text);

// The mount that holds `path` (an absolute path without symbolic links): the
// longest mount point that is a prefix of it, the last mounted among equals.
// Null when none does.
const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, const std::string& path);

// The kind of the drive behind one mount: network by file system or by a
// "host:" or "//host/" source, optical by file system or an "sr" device,
// removable by the block device's removable flag under `sysRoot`
// ("/sys/dev/block/<major:minor>", its disk's flag for a partition). Every
// other mount is a local disk, overlays and container file systems included.
DriveKind classifyMount(const MountEntry& mount, const std::string& sysRoot);

// The system's answer for `folder`: its nearest existing ancestor is resolved
// and looked up in the mount table. When the table cannot be read the folder
// counts as a local disk: the check must never keep the program from a
// machine it cannot read.
DriveKind probeDrive(const std::string& folder, const std::string& mountInfoPath,
                     const std::string& sysRoot);
DriveKind probeDrive(const std::string& folder);

}  // namespace tess
