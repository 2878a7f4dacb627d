#include <unistd.h>

#include <memory>

#include "platform/platform.h"
#include "platform/posix/freedesktop_trash.h"
#include "platform/posix/linux_system_info.h"
#include "platform/posix/linux_volumes.h"
#include "platform/posix/logind_power.h"
#include "platform/posix/posix_file_ops.h"
#include "platform/posix/posix_restart_delete.h"
#include "platform/posix/xdg_shell_folders.h"

namespace norvane {

Platform makeHostPlatform() {
  const ShellEnvironment env = ShellEnvironment::fromProcess();
  auto shellFolders = std::make_shared<XdgShellFolders>(env);

  const std::string mountInfo = "/proc/self/mountinfo";
  TrashLocations trash;
  const bool knowDataHome =
      !env.home.empty() || (!env.xdgDataHome.empty() && env.xdgDataHome.front() == '/');
  trash.homeTrash = knowDataHome ? shellFolders->dataHome() + "/Trash" : std::string();
  trash.uid = static_cast<unsigned>(getuid());
  trash.topDirs = [mountInfo] {
    const auto text = MountInfo::readFile(mountInfo);
    return text ? FreedesktopTrash::topDirsOf(MountInfo::parse(*text)) : std::vector<std::string>();
  };

  Platform p;
  p.volumes = std::make_shared<LinuxVolumes>(VolumeSources{mountInfo, BlockDeviceSources{}});
  p.shellFolders = shellFolders;
  p.trash = std::make_shared<FreedesktopTrash>(std::move(trash));
  p.system = std::make_shared<LinuxSystemInfo>();
  p.fileOps = std::make_shared<PosixFileOps>();
  p.restartDelete = std::make_shared<PosixRestartDelete>();
  p.power = std::make_shared<LogindPower>();
  p.desktopFiles = makeHostDesktopFiles();
  p.desktopEnvironment = hostDesktopEnvironment();
  p.packageDatabase = makeHostPackageDatabase();
  p.processLauncher = makeHostProcessLauncher();
  return p;
}

}  // namespace norvane
