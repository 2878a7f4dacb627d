#pragma once
// Program start: an update that the companion left unfinished (it crashed, or the machine went
// down) is completed or undone, unless the companion is still at work.
#include <string>

#include "core/update/update_applier.h"
#include "platform/file_moves.h"
#include "platform/process_control.h"

namespace norvane {

// `appDir` is the program's folder ending in "/".
PendingOutcome finishPendingUpdate(const std::string& appDir, FileMoves& files,
                                   ProcessControl& processes);

}  // namespace norvane
