#pragma once
// The bundle of platform services handed to everything that needs the OS.
#include <memory>

#include "platform/desktop_files.h"
#include "platform/file_ops.h"
#include "platform/package_files.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/restart_delete.h"
#include "platform/shell_folders.h"
#include "platform/system_info.h"
#include "platform/trash.h"
#include "platform/volumes.h"

namespace norvane {

struct Platform {
  std::shared_ptr<Volumes> volumes;
  std::shared_ptr<ShellFolders> shellFolders;
  std::shared_ptr<Trash> trash;
  std::shared_ptr<SystemInfo> system;
  std::shared_ptr<FileOps> fileOps;
  std::shared_ptr<RestartDelete> restartDelete;
  std::shared_ptr<Power> power;
  // Software uninstall: the desktop entries and where they lie, the installed packages'
  // files (the owners of entries; also the files a junk scan leaves alone as system files),
  // and the start of uninstallers.
  std::shared_ptr<DesktopFiles> desktopFiles;
  DesktopEnvironment desktopEnvironment;
  std::shared_ptr<PackageDatabase> packageDatabase;
  std::shared_ptr<ProcessLauncher> processLauncher;
};

// The services of the machine the program runs on.
Platform makeHostPlatform();

}  // namespace norvane
