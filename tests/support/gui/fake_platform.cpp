#include "support/gui/fake_platform.h"

namespace norvane::test {

bool FakeVolumes::isFixedDrive(char letter) {
  if (onIsFixed) onIsFixed();
  const auto it = drives.find(letter);
  return it != drives.end() && it->second.fixed;
}

std::string FakeVolumes::rootPath(char letter) {
  const auto it = drives.find(letter);
  return it != drives.end() ? it->second.root : std::string();
}

bool FakeVolumes::diskSpace(char letter, DiskSpace& out) {
  ++spaceQueries;
  const auto it = drives.find(letter);
  if (it == drives.end() || !it->second.readable) return false;
  out.total = it->second.total;
  out.freeToCaller = it->second.free;
  out.totalFree = it->second.free;
  return true;
}

bool FakeVolumes::volumeFacts(char letter, VolumeFacts& out) {
  const auto it = drives.find(letter);
  if (it == drives.end() || !it->second.readable) return false;
  out.label = it->second.label;
  out.fileSystemName = it->second.fileSystem;
  return true;
}

char FakeVolumes::driveOfPath(const std::string& path) {
  char best = '\0';
  std::size_t bestLength = 0;
  for (const auto& [letter, drive] : drives) {
    if (!drive.fixed || path.compare(0, drive.root.size(), drive.root) != 0) continue;
    if (drive.root.size() > bestLength) {
      best = letter;
      bestLength = drive.root.size();
    }
  }
  // "/usr" lies on the drive whose root is "/usr/" as well.
  for (const auto& [letter, drive] : drives)
    if (drive.fixed && path + "/" == drive.root && drive.root.size() > bestLength) {
      best = letter;
      bestLength = drive.root.size();
    }
  return best;
}

DesktopEnvironment desktopEnvironmentUnder(const std::string& root) {
  DesktopEnvironment env;
  env.home = root + "/home";
  env.dataHome = "";
  env.dataDirs = root + "/share";
  env.systemFlatpakApplications = root + "/flatpak";
  env.snapApplications = root + "/snap";
  return env;
}

int FakeTrash::query(TrashContents& out) {
  ++queries;
  if (onQuery) onQuery();
  out = contents;
  return queryResult;
}

int FakeTrash::empty() {
  ++emptied;
  if (emptyResult == 0) contents = TrashContents{};
  return emptyResult;
}

}  // namespace norvane::test
