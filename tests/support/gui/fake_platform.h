#pragma once
// Platform services over plain data, for window tests.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/posix/dpkg_database.h"
#include "platform/posix/posix_desktop_files.h"
#include "support/fixture_programs.h"

namespace norvane::test {

struct FakeDrive {
  std::string root;  // ends in "/"
  std::int64_t total = 0;
  std::int64_t free = 0;
  std::string label;
  std::string fileSystem = "ext4";
  bool fixed = true;
  bool readable = true;  // false: space and volume facts can't be read
};

class FakeVolumes : public Volumes {
 public:
  std::map<char, FakeDrive> drives;
  int spaceQueries = 0;
  std::function<void()> onIsFixed;  // may throw, as an unreadable mount table does

  void add(char letter, FakeDrive drive) { drives[letter] = std::move(drive); }

  bool isFixedDrive(char letter) override;
  std::string rootPath(char letter) override;
  bool diskSpace(char letter, DiskSpace& out) override;
  bool volumeFacts(char letter, VolumeFacts& out) override;
  char driveOfPath(const std::string& path) override;
};

class FakeShellFolders : public ShellFolders {
 public:
  std::string windows = "/usr";
  std::string windowsFolder() override { return windows; }
  std::string systemFolder() override { return windows + "/lib"; }
  std::string tempFolder() override { return "/tmp"; }
  std::string specialFolder(int) override { return {}; }
  std::string programFilesDir() override { return "/opt"; }
};

class FakeTrash : public Trash {
 public:
  bool isAvailable = true;
  int queryResult = 0;
  TrashContents contents;
  int emptyResult = 0;
  int queries = 0;
  int emptied = 0;
  std::function<void()> onQuery;  // may throw

  bool available() override { return isAvailable; }
  int query(TrashContents& out) override;
  int empty() override;
};

class FakeSystemInfo : public SystemInfo {
 public:
  bool nt = true;
  int trims = 0;
  std::uint32_t tick = 0;  // what tickCount() gives
  bool isNtFamily() override { return nt; }
  std::uint32_t tickCount() override { return tick; }
  void trimWorkingSet() override { ++trims; }
};

// The folders of desktop entries all below `root`: the home folder "home" (entries in
// "home/.local/share/applications"), $XDG_DATA_DIRS "share" (entries in "share/applications"),
// the machine's Flatpak exports "flatpak" and the Snap folder "snap".
DesktopEnvironment desktopEnvironmentUnder(const std::string& root);

// One bundle of fakes, each reachable for set-up and checks. Software uninstall reads real
// files, but below a folder that does not exist until a test points it at fixtures: no desktop
// entries, no packages, and no program can be started.
struct FakePlatform {
  std::shared_ptr<FakeVolumes> volumes = std::make_shared<FakeVolumes>();
  std::shared_ptr<FakeShellFolders> shellFolders = std::make_shared<FakeShellFolders>();
  std::shared_ptr<FakeTrash> trash = std::make_shared<FakeTrash>();
  std::shared_ptr<FakeSystemInfo> system = std::make_shared<FakeSystemInfo>();
  std::shared_ptr<DesktopFiles> desktopFiles = std::make_shared<PosixDesktopFiles>();
  DesktopEnvironment desktopEnvironment = desktopEnvironmentUnder(kNoFixture);
  std::shared_ptr<PackageDatabase> packageDatabase =
      std::make_shared<DpkgDatabase>(std::string(kNoFixture) + "/dpkg");
  std::shared_ptr<FixtureProcessLauncher> processLauncher =
      std::make_shared<FixtureProcessLauncher>();

  static constexpr const char* kNoFixture = "/nonexistent/norvane-fixture";

  Platform platform() const {
    Platform p;
    p.volumes = volumes;
    p.shellFolders = shellFolders;
    p.trash = trash;
    p.system = system;
    p.desktopFiles = desktopFiles;
    p.desktopEnvironment = desktopEnvironment;
    p.packageDatabase = packageDatabase;
    p.processLauncher = processLauncher;
    return p;
  }
};

}  // namespace norvane::test
