#include "core/shared/drive_helpers.h"

#include <exception>

namespace norvane {

namespace {

// The volume query fills buffers of 260 characters: at most 259 and the terminating NUL.
constexpr std::size_t kMaxTextLength = 259;

std::string asBufferText(const std::string& text) {
  std::string out = text.substr(0, text.find('\0'));
  if (out.size() <= kMaxTextLength) return out;
  std::size_t cut = kMaxTextLength;
  // Don't leave half a UTF-8 character behind.
  while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
  out.resize(cut);
  return out;
}

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

bool IsDriveLetter(char c) {
  const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return upper >= 'A' && upper <= 'Z';
}

char NormalizeDriveLetter(char c) {
  if (!IsDriveLetter(c)) return 'C';
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int DriveNumber(char c) { return NormalizeDriveLetter(c) - 64; }

void GetFixedDrives(Volumes& volumes, std::vector<std::string>* list) {
  if (!list) return;
  list->clear();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!volumes.isFixedDrive(letter)) continue;
    std::string root = volumes.rootPath(letter);
    if (!root.empty()) list->push_back(std::move(root));  // empty: unmounted meanwhile
  }
}

char RootPathDriveLetter(Volumes& volumes, const std::string& rootPath) {
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (volumes.isFixedDrive(letter) && volumes.rootPath(letter) == rootPath) return letter;
  // A Windows-style root ("D:\") names its drive by its first character.
  if (rootPath.size() >= 2 && rootPath[1] == ':' && IsDriveLetter(rootPath[0]))
    return NormalizeDriveLetter(rootPath[0]);
  return 'C';
}

std::string DriveRootPath(Volumes& volumes, char drive) {
  return volumes.rootPath(NormalizeDriveLetter(drive));
}

std::int64_t DriveSize(Volumes& volumes, char drive) {
  DiskSpace space;
  try {
    if (volumes.diskSpace(NormalizeDriveLetter(drive), space)) return space.total;
  } catch (const std::exception&) {
  }
  return -1;
}

std::int64_t DriveFree(Volumes& volumes, char drive) {
  DiskSpace space;
  try {
    if (volumes.diskSpace(NormalizeDriveLetter(drive), space)) return space.freeToCaller;
  } catch (const std::exception&) {
  }
  return -1;
}

void GetDriveInformation(Volumes& volumes, char drive, DriveInformation& info) {
  info = DriveInformation{};
  VolumeFacts facts;
  try {
    if (!volumes.volumeFacts(NormalizeDriveLetter(drive), facts)) return;
  } catch (const std::exception&) {
    return;  // not reported: the caller shows zeros and empty texts
  }
  info.VolumeName = asBufferText(facts.label);
  info.SerialNumber = facts.serialNumber;
  info.MaxComponentLength = facts.maxComponentLength;
  info.FileSystemFlags = facts.fileSystemFlags;
  info.FileSystemName = asBufferText(facts.fileSystemName);
}

std::string DriveVolumeLabel(Volumes& volumes, char drive) {
  DriveInformation info;
  GetDriveInformation(volumes, drive, info);
  return info.VolumeName;
}

std::string DriveFileSystem(Volumes& volumes, char drive) {
  DriveInformation info;
  GetDriveInformation(volumes, drive, info);
  const std::string& s = info.FileSystemName;
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && isBlank(s[begin])) ++begin;
  while (end > begin && isBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

}  // namespace norvane
