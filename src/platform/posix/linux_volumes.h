#pragma once
// Drive letters on Linux: the local file systems on non-removable block devices. "/" is C;
// the others take D, E, ... in mount-point order.
#include <mutex>
#include <string>
#include <vector>

#include "platform/posix/block_devices.h"
#include "platform/posix/mount_info.h"
#include "platform/volumes.h"

namespace norvane {

struct VolumeSources {
  std::string mountInfoPath = "/proc/self/mountinfo";
  BlockDeviceSources devices;
};

struct FixedDrive {
  char letter = 0;
  MountEntry mount;
  std::string rootPath;  // mount point ending in "/"
};

class LinuxVolumes : public Volumes {
 public:
  explicit LinuxVolumes(VolumeSources sources = {});

  bool isFixedDrive(char letter) override;
  std::string rootPath(char letter) override;
  bool diskSpace(char letter, DiskSpace& out) override;
  bool volumeFacts(char letter, VolumeFacts& out) override;
  char driveOfPath(const std::string& path) override;

  // The fixed drives in letter order, from a fresh look at the mount table.
  std::vector<FixedDrive> fixedDrives();
  // Letters for the given mount table; `devices` answers the removable question.
  static std::vector<FixedDrive> assignLetters(const std::vector<MountEntry>& entries,
                                               const BlockDevices& devices);

 private:
  bool findDrive(char letter, FixedDrive& out);

  VolumeSources sources_;
  BlockDevices devices_;
  std::mutex mutex_;
  // The last mount table read and the drives made from it; the table is re-read on every
  // question but parsed again only when it changed.
  std::string cachedText_;
  bool cacheValid_ = false;
  std::vector<FixedDrive> cachedDrives_;
};

}  // namespace norvane
