#pragma once
// The mount table of /proc/<pid>/mountinfo, parsed, with the classification of file-system
// types that the drive list and the trash need.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

struct MountEntry {
  unsigned major = 0;
  unsigned minor = 0;
  std::string root;        // the folder of the file system that is mounted ("/" = all of it)
  std::string mountPoint;  // decoded
  std::string fsType;
  std::string source;  // decoded; "/dev/..." for block devices
};

class MountInfo {
 public:
  // Parses one line; nullopt for a malformed one.
  static std::optional<MountEntry> parseLine(std::string_view line);
  // Every well-formed line of `text`, in file order.
  static std::vector<MountEntry> parse(std::string_view text);
  // Reads the whole file; nullopt when it can't be read.
  static std::optional<std::string> readFile(const std::string& path);
  // Undoes the kernel's octal escapes (\040 space, \011 tab, \012 newline, \134 backslash).
  static std::string decodeField(std::string_view field);

  // Kernel and memory file systems: proc, sysfs, tmpfs, cgroup, overlay, ...
  static bool isPseudoFs(const std::string& fsType);
  // File systems served over a network: nfs, cifs, sshfs, ...
  static bool isNetworkFs(const std::string& fsType);
  // Read-only images and optical media: squashfs, iso9660, ...
  static bool isImageFs(const std::string& fsType);
  // A real local file system mounted whole (not a bind of a sub-folder), backed by a device.
  static bool isLocalDiskMount(const MountEntry& entry);

  // The visible mounts: when several lines share a mount point only the last (the one on
  // top) counts. Order is kept otherwise.
  static std::vector<MountEntry> visible(const std::vector<MountEntry>& entries);
};

}  // namespace norvane
