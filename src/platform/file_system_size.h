#pragma once
// The size of the file system that holds a path, for shares of a whole partition.
#include <cstdint>
#include <string>

namespace norvane {

// Total size in bytes of the file system holding `path` (the size a disk-space query gives for
// its drive); -1 when it can't be read.
std::int64_t fileSystemTotalSize(const std::string& path);

}  // namespace norvane
