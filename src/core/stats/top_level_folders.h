#pragma once
// Which entries of a partition root get a row of the folder statistics.
#include <string>
#include <string_view>
#include <vector>

#include "platform/directory_reader.h"

namespace norvane {

struct TopLevelFolders {
  bool listed = false;               // false: the root could not be listed, nothing is counted
  std::vector<std::string> folders;  // full paths without a trailing separator, in listing order
};

// The folders directly in `root`, in the order the file system lists them. Left out: hidden
// entries (a "." name), system entries (sockets, pipes, devices, and folders on which another
// file system is mounted, such as /proc or a separate /home), files, and links, also links to
// folders (/bin -> usr/bin would count /usr/bin twice).
TopLevelFolders listTopLevelFolders(DirectoryReader& reader, const std::string& root);

// `root` + "/" + `name`, with one separator whether or not `root` ends in one ("/" + "usr" is
// "/usr").
std::string childPath(std::string_view root, std::string_view name);

}  // namespace norvane
