#pragma once
// One output line of norvane-stats.
#include <string>
#include <string_view>

#include "core/stats/folder_count.h"

namespace norvane {

// A tab, newline or backslash written as "\t", "\n", "\\"; every other byte as it is.
std::string escapeField(std::string_view text);

// PATH, FOLDERS, FILES, BYTES and the size column, tab-separated, ending in a newline.
std::string statsLine(const FolderFigures& figures);

}  // namespace norvane
