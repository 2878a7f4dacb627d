#pragma once
// The bundle of platform services handed to everything that needs the OS.
#include <memory>

#include "platform/file_ops.h"
#include "platform/power.h"
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
};

// The services of the machine the program runs on.
Platform makeHostPlatform();

}  // namespace norvane
