#pragma once
// The two commands of the page "软件卸载" over the list and the process runner: run the
// selected program's uninstaller, delete its registration; the uninstaller's end (whatever
// its exit code) refreshes the list.
#include "core/uninstall/process_runner.h"
#include "core/uninstall/uninstall_list.h"

namespace norvane {

class SoftwareUninstall {
 public:
  // Both must outlive this; takes over the runner's onTerminate.
  SoftwareUninstall(UninstallList& list, ProcessRunner& runner);

  // "卸载": starts the selected entry's uninstall command, asking nothing. Throws as
  // ProcessRunner::start() does, also for no selection or no command.
  void uninstallSelected();
  // "删除卸载信息".
  void deleteSelectedRegistration();

 private:
  UninstallList& list_;
  ProcessRunner& runner_;
};

}  // namespace norvane
