#include "platform/posix/block_devices.h"

#include <blkid.h>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <type_traits>

#include "platform/posix/text_file.h"

namespace norvane {

namespace {

std::string realPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
  return resolved ? std::string(resolved.get()) : std::string();
}

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

std::string readFirstLine(const std::string& path) {
  std::string line = readTextFile(path).value_or("");
  line = line.substr(0, line.find('\n'));
  while (!line.empty() && (line.back() == ' ' || line.back() == '\n' || line.back() == '\r'))
    line.pop_back();
  return line;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

struct BlkidProbeDeleter {
  void operator()(blkid_probe probe) const { blkid_free_probe(probe); }
};

}  // namespace

DeviceIds BlockDevices::probe(const std::string& device) {
  DeviceIds ids;
  std::unique_ptr<std::remove_pointer_t<blkid_probe>, BlkidProbeDeleter> handle(
      blkid_new_probe_from_filename(device.c_str()));
  if (!handle) return ids;  // typically no permission to read the device
  blkid_probe_enable_superblocks(handle.get(), 1);
  blkid_probe_set_superblocks_flags(handle.get(), BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID);
  if (blkid_do_safeprobe(handle.get()) != 0) return ids;
  const char* value = nullptr;
  std::size_t len = 0;
  if (blkid_probe_lookup_value(handle.get(), "LABEL", &value, &len) == 0 && value)
    ids.label = value;
  if (blkid_probe_lookup_value(handle.get(), "UUID", &value, &len) == 0 && value) ids.uuid = value;
  return ids;
}

BlockDevices::BlockDevices(BlockDeviceSources sources) : sources_(std::move(sources)) {}

std::string BlockDevices::sysDeviceDir(const MountEntry& m) const {
  if (m.major != 0)
    return realPath(sources_.sysRoot + "/dev/block/" + std::to_string(m.major) + ":" +
                    std::to_string(m.minor));
  if (m.source.rfind("/dev/", 0) == 0) {
    const std::string name = m.source.substr(m.source.rfind('/') + 1);
    if (!name.empty()) return realPath(sources_.sysRoot + "/class/block/" + name);
  }
  return {};
}

bool BlockDevices::isRemovable(const MountEntry& mount) const {
  const std::string dir = sysDeviceDir(mount);
  if (dir.empty()) return false;
  // A partition's own folder has no removable flag; its disk is the parent folder.
  const std::string disk = exists(dir + "/partition") ? dir.substr(0, dir.rfind('/')) : dir;
  return readFirstLine(disk + "/removable") == "1";
}

std::string BlockDevices::decodeLinkName(const std::string& name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && hexValue(name[i + 2]) >= 0 &&
        hexValue(name[i + 3]) >= 0) {
      out.push_back(static_cast<char>(hexValue(name[i + 2]) * 16 + hexValue(name[i + 3])));
      i += 3;
    } else {
      out.push_back(name[i]);
    }
  }
  return out;
}

std::uint32_t BlockDevices::serialFromUuid(const std::string& uuid) {
  std::string hex;
  for (char c : uuid)
    if (hexValue(c) >= 0) hex.push_back(c);
  if (hex.empty()) return 0;
  if (hex.size() <= 16) hex = hex.substr(hex.size() > 8 ? hex.size() - 8 : 0);
  else hex = hex.substr(0, 8);
  std::uint32_t value = 0;
  for (char c : hex) value = value * 16 + static_cast<std::uint32_t>(hexValue(c));
  return value;
}

// The name of the link in `folder` (by-label or by-uuid) that points at the mount's device.
std::string BlockDevices::linkNameFor(const std::string& folder, const MountEntry& m) const {
  std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
  if (!dir) return {};
  const std::string sourceReal = m.source.empty() ? std::string() : realPath(m.source);
  while (dirent* d = readdir(dir.get())) {
    const std::string name = d->d_name;
    if (name == "." || name == "..") continue;
    const std::string link = folder + "/" + name;
    struct stat st;
    if (m.major != 0 && ::stat(link.c_str(), &st) == 0 && S_ISBLK(st.st_mode) &&
        st.st_rdev == makedev(m.major, m.minor))
      return name;
    if (!sourceReal.empty() && realPath(link) == sourceReal) return name;
  }
  return {};
}

DeviceIds BlockDevices::ids(const MountEntry& mount) const {
  DeviceIds ids;
  const std::string label = linkNameFor(sources_.devDiskDir + "/by-label", mount);
  const std::string uuid = linkNameFor(sources_.devDiskDir + "/by-uuid", mount);
  ids.label = decodeLinkName(label);
  ids.uuid = decodeLinkName(uuid);
  if ((ids.label.empty() || ids.uuid.empty()) && sources_.probeWithBlkid &&
      mount.source.rfind("/dev/", 0) == 0) {
    DeviceIds probed = probe(mount.source);
    if (ids.label.empty()) ids.label = probed.label;
    if (ids.uuid.empty()) ids.uuid = probed.uuid;
  }
  return ids;
}

}  // namespace norvane
