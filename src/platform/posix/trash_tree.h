#pragma once
// Walks and removes folder trees through open descriptors only: every step opens the next
// entry relative to its parent with O_NOFOLLOW, so a symlink is never followed and a tree
// swapped for a link mid-way is not entered. Mount points below the start are not entered
// either.
#include <cstdint>

namespace norvane {

struct TreeTotals {
  std::int64_t entries = 0;  // direct entries of the folder measured
  std::int64_t bytes = 0;    // sizes of every non-folder below it (links as themselves)
};

class TrashTree {
 public:
  // Adds the folder's direct entry count and the bytes below it to `totals`.
  // 0, or the errno of the first entry that could not be read.
  static int measure(int dirFd, TreeTotals& totals);
  // Removes the entry `name` of the folder `dirFd` and, for a folder, everything below it.
  // Keeps going past failures; returns 0 or the first errno met.
  static int removeEntry(int dirFd, const char* name);
  // Removes every entry of the folder, leaving the folder itself.
  static int removeContents(int dirFd);
  // Opens `name` below `dirFd` as a folder without following a link; -1 with errno set.
  static int openFolder(int dirFd, const char* name);
};

}  // namespace norvane
