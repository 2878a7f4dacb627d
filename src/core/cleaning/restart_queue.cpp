#include "core/cleaning/restart_queue.h"

namespace norvane {

bool deleteQueuedFilesAtRestart(const std::vector<std::string>& files, RestartDelete& restartDelete,
                                Power& power, const std::function<bool()>& confirmRestart) {
  if (files.empty()) return false;
  for (const std::string& file : files) restartDelete.DeleteOnRestart(file);
  if (!confirmRestart()) return false;
  power.RestartComputer();
  return true;
}

}  // namespace norvane
