#pragma once
// Questions about the machine's drives, asked by drive letter. Any non-letter means C.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/volumes.h"

namespace norvane {

struct DriveInformation {
  std::string VolumeName;
  std::uint32_t SerialNumber = 0;
  std::uint32_t MaxComponentLength = 0;
  std::uint32_t FileSystemFlags = 0;
  std::string FileSystemName;
};

// Clears `list` and fills it with the root path of every fixed drive, A to Z in letter order
// (on Linux the mount point ending in "/"). Does nothing when `list` is null.
void GetFixedDrives(Volumes& volumes, std::vector<std::string>* list);
// The letter of the fixed drive whose root path is `rootPath` (on Windows its first
// character); 'C' when no drive has that root.
char RootPathDriveLetter(Volumes& volumes, const std::string& rootPath);
// The root path of the drive, "" when there is none.
std::string DriveRootPath(Volumes& volumes, char drive);

bool IsDriveLetter(char c);
char NormalizeDriveLetter(char c);
int DriveNumber(char c);

std::int64_t DriveSize(Volumes& volumes, char drive);  // -1 when unreadable
std::int64_t DriveFree(Volumes& volumes, char drive);  // -1 when unreadable
void GetDriveInformation(Volumes& volumes, char drive, DriveInformation& info);
std::string DriveVolumeLabel(Volumes& volumes, char drive);
std::string DriveFileSystem(Volumes& volumes, char drive);

}  // namespace norvane
