#pragma once
// Carries out the pending-delete list: removes every listed file, one name at a time, without
// following a link anywhere on the way, then clears the list.
#include <functional>
#include <string>

#include "platform/posix/pending_delete_list.h"

namespace norvane {

enum class PendingDeleteResult { Deleted, Missing, SkippedFolder, Failed };

struct PendingDeleteReport {
  std::string path;
  PendingDeleteResult result;
  int code;  // errno-style, for Failed
};

struct PendingDeleteSummary {
  int deleted = 0;
  int missing = 0;
  int skipped = 0;
  int failed = 0;
  int listError = 0;  // errno-style, when the list itself could not be taken or cleared
  bool busy = false;  // another run was carrying the list out; nothing was done
};

// Removes one file or link as itself. Every folder on the way is opened without following a
// link, so a folder swapped for a link since the registration leads nowhere.
PendingDeleteReport deleteWithoutFollowing(const std::string& path);

// Runs the list: an unfinished work list from an interrupted run first, then the current list.
// Paths registered while this runs land in a fresh list and stay for the next run.
// `onEntry` hears about every entry; `afterTake` runs once the list has been moved aside
// (it lets tests register a path "meanwhile").
PendingDeleteSummary carryOutPendingDeletes(
    PendingDeleteList& list, const std::function<void(const PendingDeleteReport&)>& onEntry = {},
    const std::function<void()>& afterTake = {});

}  // namespace norvane
