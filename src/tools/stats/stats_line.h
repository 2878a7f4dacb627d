#pragma once
// One output line of norvane-stats.
#include <string>

#include "core/stats/folder_count.h"

namespace norvane {

// PATH, FOLDERS, FILES, BYTES and the size column, tab-separated, ending in a newline.
std::string statsLine(const FolderFigures& figures);

}  // namespace norvane
