#pragma once
// Drives by letter: which are fixed disks, their space and their volume facts.
#include <cstdint>
#include <string>

namespace norvane {

struct VolumeFacts {
  std::string label;
  std::uint32_t serialNumber = 0;
  std::uint32_t maxComponentLength = 0;
  std::uint32_t fileSystemFlags = 0;
  std::string fileSystemName;
};

struct DiskSpace {
  std::int64_t freeToCaller = 0;
  std::int64_t total = 0;
  std::int64_t totalFree = 0;
};

class Volumes {
 public:
  virtual ~Volumes() = default;
  // `letter` is always an upper-case 'A'..'Z'.
  virtual bool isFixedDrive(char letter) = 0;
  // The folder the drive's root path stands for, ending in the separator; "" for no drive.
  virtual std::string rootPath(char letter) = 0;
  virtual bool diskSpace(char letter, DiskSpace& out) = 0;
  virtual bool volumeFacts(char letter, VolumeFacts& out) = 0;
  // The letter of the fixed drive that holds `path` ('\0' when none does).
  virtual char driveOfPath(const std::string& path) = 0;
};

}  // namespace norvane
