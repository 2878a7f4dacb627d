#pragma once
// The list of found files that `norvane-clean scan` writes and `norvane-clean delete` reads:
// one line per file, fields separated by tabs, no header:
//   folder device:inode, file device:inode, size in bytes, modification time (seconds since
//   1970-01-01 UTC), full path
// A tab, a line feed and a backslash in the path are written "\t", "\n" and "\\", so every
// path fits on its line and reads back byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_ops.h"

namespace norvane {

struct ListedFile {
  ScannedFile file;
  std::int64_t size = 0;
  std::int64_t modified = 0;
};

// The line of one file, with its line feed.
std::string formatListLine(const ListedFile& listed);

// Reads one line (without its line feed). False, with the reason in `error`, for a line that
// is not such a line; a path must be absolute and name a file in a folder.
bool parseListLine(std::string_view line, ListedFile& out, std::string& error);

}  // namespace norvane
