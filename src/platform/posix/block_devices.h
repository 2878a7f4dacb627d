#pragma once
// Facts about the block device behind a mount: removable or not (sysfs), label and UUID
// (udev's /dev/disk links, then libblkid).
#include <cstdint>
#include <string>

#include "platform/posix/mount_info.h"

namespace norvane {

struct BlockDeviceSources {
  std::string sysRoot = "/sys";
  std::string devDiskDir = "/dev/disk";  // holds by-label/ and by-uuid/
  bool probeWithBlkid = true;            // read the device itself when the links don't say
};

struct DeviceIds {
  std::string label;
  std::string uuid;
};

class BlockDevices {
 public:
  explicit BlockDevices(BlockDeviceSources sources);

  // True when the kernel marks the disk (or the disk a partition belongs to) removable.
  bool isRemovable(const MountEntry& mount) const;
  DeviceIds ids(const MountEntry& mount) const;

  // Reads label and UUID from the file system's own superblock (libblkid); empty when the
  // device can't be read or holds no known file system.
  static DeviceIds probe(const std::string& device);
  // Undoes udev's \xNN escapes in link names ("My\x20Disk").
  static std::string decodeLinkName(const std::string& name);
  // A 32-bit volume serial from a file-system UUID: FAT's "1234-ABCD" is the serial itself,
  // NTFS's 64-bit serial gives its low half, longer UUIDs their first eight hex digits.
  static std::uint32_t serialFromUuid(const std::string& uuid);

 private:
  std::string sysDeviceDir(const MountEntry& mount) const;
  std::string linkNameFor(const std::string& folder, const MountEntry& mount) const;

  BlockDeviceSources sources_;
};

}  // namespace norvane
