#include "platform/posix/mount_info.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "platform/posix/text_file.h"

namespace norvane {

namespace {

std::vector<std::string_view> splitSpaces(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos >= line.size()) break;
    std::size_t end = line.find(' ', pos);
    if (end == std::string_view::npos) end = line.size();
    fields.push_back(line.substr(pos, end - pos));
    pos = end;
  }
  return fields;
}

bool parseUnsigned(std::string_view text, unsigned& out) {
  if (text.empty()) return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && ptr == text.data() + text.size();
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

bool inList(const std::string& value, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

std::string MountInfo::decodeField(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
        isOctal(field[i + 2]) && isOctal(field[i + 3])) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      out.push_back(static_cast<char>(value & 0xFF));
      i += 3;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

std::optional<MountEntry> MountInfo::parseLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::vector<std::string_view> f = splitSpaces(line);
  // id parent major:minor root mount-point options [optional...] - type source super-options
  if (f.size() < 9) return std::nullopt;
  std::size_t sep = 6;
  while (sep < f.size() && f[sep] != "-") ++sep;
  if (sep + 2 >= f.size()) return std::nullopt;

  MountEntry e;
  const std::string_view dev = f[2];
  const std::size_t colon = dev.find(':');
  if (colon == std::string_view::npos || !parseUnsigned(dev.substr(0, colon), e.major) ||
      !parseUnsigned(dev.substr(colon + 1), e.minor))
    return std::nullopt;
  e.root = decodeField(f[3]);
  e.mountPoint = decodeField(f[4]);
  e.fsType = decodeField(f[sep + 1]);
  e.source = decodeField(f[sep + 2]);
  if (e.mountPoint.empty() || e.mountPoint.front() != '/') return std::nullopt;
  return e;
}

std::vector<MountEntry> MountInfo::parse(std::string_view text) {
  std::vector<MountEntry> entries;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    if (auto e = parseLine(text.substr(pos, end - pos))) entries.push_back(std::move(*e));
    pos = end + 1;
  }
  return entries;
}

std::optional<std::string> MountInfo::readFile(const std::string& path) {
  return readTextFile(path);
}

bool MountInfo::isPseudoFs(const std::string& t) {
  if (t.rfind("cgroup", 0) == 0) return true;
  return inList(t, {"proc",       "sysfs",      "tmpfs",       "devtmpfs",   "devpts",
                    "ramfs",      "rootfs",     "overlay",     "aufs",       "securityfs",
                    "debugfs",    "tracefs",    "configfs",    "fusectl",    "mqueue",
                    "hugetlbfs",  "pstore",     "bpf",         "autofs",     "binfmt_misc",
                    "efivarfs",   "rpc_pipefs", "nsfs",        "selinuxfs",  "nfsd",
                    "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "fuse.snapfuse", "zonefs",
                    "devfs"});
}

bool MountInfo::isNetworkFs(const std::string& t) {
  return inList(t, {"nfs",        "nfs4",       "cifs",        "smb3",       "smbfs",
                    "fuse.sshfs", "sshfs",      "9p",          "ncpfs",      "afs",
                    "ceph",       "fuse.ceph",  "glusterfs",   "fuse.glusterfs", "davfs",
                    "fuse.davfs2", "fuse.rclone", "lustre",    "coda",       "virtiofs",
                    "fuse.s3fs",  "fuse.gcsfuse", "orangefs",  "beegfs"});
}

bool MountInfo::isImageFs(const std::string& t) {
  return inList(t, {"squashfs", "iso9660", "erofs", "cramfs", "fuse.squashfuse",
                    "fuse.fuseiso", "fuse.archivemount"});
}

bool MountInfo::isLocalDiskMount(const MountEntry& e) {
  if (e.root != "/") return false;  // a bind of a sub-folder (or another subvolume)
  if (isPseudoFs(e.fsType) || isNetworkFs(e.fsType) || isImageFs(e.fsType)) return false;
  // UDF on a loop device is a disc image; on an optical drive the drive is removable.
  constexpr unsigned kLoopMajor = 7;
  if (e.fsType == "udf" && (e.major == kLoopMajor || e.source.rfind("/dev/loop", 0) == 0))
    return false;
  // Block-device file systems carry a real device number; btrfs shows an anonymous one, so
  // a device path as the source counts too.
  return e.major != 0 || e.source.rfind("/dev/", 0) == 0;
}

std::vector<MountEntry> MountInfo::visible(const std::vector<MountEntry>& entries) {
  std::unordered_map<std::string, std::size_t> lastIndex;
  for (std::size_t i = 0; i < entries.size(); ++i) lastIndex[entries[i].mountPoint] = i;
  std::vector<MountEntry> out;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (lastIndex[entries[i].mountPoint] == i) out.push_back(entries[i]);
  return out;
}

}  // namespace norvane
