#pragma once
// The queue of files to delete at the next system start: registering them, then offering to
// restart at once. Qt-free; the question goes through the caller.
#include <functional>
#include <string>
#include <vector>

#include "platform/power.h"
#include "platform/restart_delete.h"

namespace norvane {

// Registers each queued file for deletion at the next start as it stands, a repeated one
// again; a refused registration is not reported. With at least one file it then asks
// `confirmRestart`; a yes asks the system to restart. True when the user said yes: the program
// ends then, whatever the restart request came to. An empty queue does nothing.
bool deleteQueuedFilesAtRestart(const std::vector<std::string>& files, RestartDelete& restartDelete,
                                Power& power, const std::function<bool()>& confirmRestart);

}  // namespace norvane
