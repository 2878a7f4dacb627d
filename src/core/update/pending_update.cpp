#include "core/update/pending_update.h"

#include "core/update/update_files.h"

namespace norvane {

PendingOutcome finishPendingUpdate(const std::string& appDir, FileMoves& files,
                                   ProcessControl& processes) {
  if (!files.exists(appDir + kMarkerFileName) && !files.exists(appDir + kCommittedMarkerFileName)) {
    return PendingOutcome::Nothing;
  }
  if (processes.isRunning(appDir + kUpgraderFileName)) return PendingOutcome::Nothing;
  return UpdateApplier(files, appDir).finishPending();
}

}  // namespace norvane
