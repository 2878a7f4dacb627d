#include "platform/posix/linux_volumes.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <set>
#include <utility>

namespace norvane {

namespace {

constexpr std::uint32_t kCaseSensitiveSearch = 0x00000001;
constexpr std::uint32_t kCasePreservedNames = 0x00000002;
constexpr std::uint32_t kUnicodeOnDisk = 0x00000004;
constexpr std::uint32_t kReadOnlyVolume = 0x00080000;

// File systems that compare names without regard to case, as Windows does.
bool isCaseInsensitiveFs(const std::string& t) {
  return t == "vfat" || t == "msdos" || t == "exfat" || t == "ntfs" || t == "ntfs3" ||
         t == "fuseblk" || t == "hfsplus";
}

// "/a//b/" -> "/a/b"; "" stays "".
std::string collapseSlashes(const std::string& path) {
  std::string out;
  for (char c : path)
    if (!(c == '/' && !out.empty() && out.back() == '/')) out.push_back(c);
  if (out.size() > 1 && out.back() == '/') out.pop_back();
  return out;
}

bool isUnder(const std::string& path, const std::string& mountPoint) {
  if (mountPoint == "/") return !path.empty() && path.front() == '/';
  return path.compare(0, mountPoint.size(), mountPoint) == 0 &&
         (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

}  // namespace

LinuxVolumes::LinuxVolumes(VolumeSources sources)
    : sources_(std::move(sources)), devices_(sources_.devices) {}

std::vector<FixedDrive> LinuxVolumes::assignLetters(const std::vector<MountEntry>& entries,
                                                    const BlockDevices& devices) {
  const std::vector<MountEntry> mounts = MountInfo::visible(entries);
  std::optional<MountEntry> root;
  std::vector<MountEntry> others;
  for (const MountEntry& m : mounts) {
    if (m.mountPoint == "/") {
      root = m;  // the system partition, whatever backs it
      continue;
    }
    if (!MountInfo::isLocalDiskMount(m) || devices.isRemovable(m)) continue;
    others.push_back(m);
  }

  // One letter per device: a device mounted again (or the root device mounted elsewhere)
  // keeps only its first mount.
  auto deviceKey = [](const MountEntry& m) {
    return m.major != 0 ? std::make_pair(std::to_string(m.major) + ":" + std::to_string(m.minor),
                                         std::string())
                        : std::make_pair(std::string(), m.source);
  };
  std::set<std::pair<std::string, std::string>> seen;
  if (root && (root->major != 0 || !root->source.empty())) seen.insert(deviceKey(*root));
  std::vector<MountEntry> unique;
  for (const MountEntry& m : others)
    if (seen.insert(deviceKey(m)).second) unique.push_back(m);
  std::sort(unique.begin(), unique.end(),
            [](const MountEntry& a, const MountEntry& b) { return a.mountPoint < b.mountPoint; });

  // Inside a chroot or some containers no mount covers "/" in the process's view; the root
  // folder is still the system partition.
  if (!root) {
    root.emplace();
    root->root = "/";
    root->mountPoint = "/";
  }
  std::vector<FixedDrive> drives;
  drives.push_back({'C', *root, "/"});
  char next = 'D';
  for (const MountEntry& m : unique) {
    if (next > 'Z') break;
    drives.push_back({next++, m, m.mountPoint + "/"});
  }
  return drives;
}

std::vector<FixedDrive> LinuxVolumes::fixedDrives() {
  std::optional<std::string> text = MountInfo::readFile(sources_.mountInfoPath);
  std::lock_guard lock(mutex_);
  if (!text) {
    cacheValid_ = false;
    cachedDrives_.clear();
    return {};
  }
  if (!cacheValid_ || *text != cachedText_) {
    cachedDrives_ = assignLetters(MountInfo::parse(*text), devices_);
    cachedText_ = std::move(*text);
    cacheValid_ = true;
  }
  return cachedDrives_;
}

bool LinuxVolumes::findDrive(char letter, FixedDrive& out) {
  for (FixedDrive& d : fixedDrives())
    if (d.letter == letter) {
      out = std::move(d);
      return true;
    }
  return false;
}

bool LinuxVolumes::isFixedDrive(char letter) {
  FixedDrive d;
  return findDrive(letter, d);
}

std::string LinuxVolumes::rootPath(char letter) {
  FixedDrive d;
  return findDrive(letter, d) ? d.rootPath : std::string();
}

bool LinuxVolumes::diskSpace(char letter, DiskSpace& out) {
  FixedDrive d;
  if (!findDrive(letter, d)) return false;
  struct statvfs st;
  if (::statvfs(d.mount.mountPoint.c_str(), &st) != 0) return false;
  const auto unit = static_cast<std::int64_t>(st.f_frsize ? st.f_frsize : st.f_bsize);
  out.total = static_cast<std::int64_t>(st.f_blocks) * unit;
  out.freeToCaller = static_cast<std::int64_t>(st.f_bavail) * unit;
  out.totalFree = static_cast<std::int64_t>(st.f_bfree) * unit;
  return true;
}

bool LinuxVolumes::volumeFacts(char letter, VolumeFacts& out) {
  FixedDrive d;
  if (!findDrive(letter, d)) return false;
  struct statvfs st;
  if (::statvfs(d.mount.mountPoint.c_str(), &st) != 0) return false;
  const DeviceIds ids = devices_.ids(d.mount);
  out.label = ids.label;
  out.serialNumber = BlockDevices::serialFromUuid(ids.uuid);
  out.maxComponentLength = static_cast<std::uint32_t>(st.f_namemax);
  out.fileSystemFlags = kCasePreservedNames | kUnicodeOnDisk;
  if (!isCaseInsensitiveFs(d.mount.fsType)) out.fileSystemFlags |= kCaseSensitiveSearch;
  if (st.f_flag & ST_RDONLY) out.fileSystemFlags |= kReadOnlyVolume;
  out.fileSystemName = d.mount.fsType;
  return true;
}

char LinuxVolumes::driveOfPath(const std::string& path) {
  const std::string p = collapseSlashes(path);
  char best = '\0';
  std::size_t bestLength = 0;
  for (const FixedDrive& d : fixedDrives()) {
    const std::string& mp = d.mount.mountPoint;
    if (isUnder(p, mp) && (best == '\0' || mp.size() > bestLength)) {
      best = d.letter;
      bestLength = mp.size();
    }
  }
  return best;
}

}  // namespace norvane
