#include "platform/posix/pending_delete_runner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/path_components.h"

namespace norvane {

namespace {

PendingDeleteReport report(const std::string& path, PendingDeleteResult result, int code = 0) {
  return PendingDeleteReport{path, result, code};
}

}  // namespace

PendingDeleteReport deleteWithoutFollowing(const std::string& path) {
  if (path.empty() || path[0] != '/') return report(path, PendingDeleteResult::Failed, EINVAL);
  std::vector<std::string> parts = pathComponents(path);
  if (parts.empty()) return report(path, PendingDeleteResult::SkippedFolder);
  for (const std::string& part : parts)
    if (part == "." || part == "..") return report(path, PendingDeleteResult::Failed, EINVAL);

  int dir = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return report(path, PendingDeleteResult::Failed, errno);
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    int next = ::openat(dir, parts[i].c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    int err = errno;
    ::close(dir);
    if (next < 0) {
      // A missing folder means a missing file; a link or a file where a folder was is refused.
      if (err == ENOENT) return report(path, PendingDeleteResult::Missing, err);
      return report(path, PendingDeleteResult::Failed, err);
    }
    dir = next;
  }
  const std::string& name = parts.back();
  struct stat st;
  PendingDeleteReport result = report(path, PendingDeleteResult::Deleted);
  if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    int err = errno;
    result = report(
        path, err == ENOENT ? PendingDeleteResult::Missing : PendingDeleteResult::Failed, err);
  } else if (S_ISDIR(st.st_mode)) {
    result = report(path, PendingDeleteResult::SkippedFolder);
  } else if (::unlinkat(dir, name.c_str(), 0) != 0) {
    int err = errno;
    result = report(
        path, err == ENOENT ? PendingDeleteResult::Missing : PendingDeleteResult::Failed, err);
  }
  ::close(dir);
  return result;
}

PendingDeleteSummary carryOutPendingDeletes(
    PendingDeleteList& list, const std::function<void(const PendingDeleteReport&)>& onEntry,
    const std::function<void()>& afterTake) {
  PendingDeleteSummary summary;
  auto runWorkList = [&] {
    for (const std::string& path : list.workEntries()) {
      PendingDeleteReport r = deleteWithoutFollowing(path);
      switch (r.result) {
        case PendingDeleteResult::Deleted:
          ++summary.deleted;
          break;
        case PendingDeleteResult::Missing:
          ++summary.missing;
          break;
        case PendingDeleteResult::SkippedFolder:
          ++summary.skipped;
          break;
        case PendingDeleteResult::Failed:
          ++summary.failed;
          break;
      }
      if (onEntry) onEntry(r);
    }
    if (int err = list.finishWork()) summary.listError = err;
  };

  struct stat st;
  const bool hasWork = ::lstat(list.workPath().c_str(), &st) == 0;
  if (!hasWork && ::lstat(list.path().c_str(), &st) != 0) return summary;  // nothing listed
  PendingDeleteList::RunLock running(list);
  if (!running.held()) {
    summary.busy = true;
    return summary;
  }
  if (::lstat(list.workPath().c_str(), &st) == 0) runWorkList();
  if (summary.listError) return summary;

  int err = 0;
  if (list.takeForWork(err)) {
    if (afterTake) afterTake();
    runWorkList();
  } else if (err) {
    summary.listError = err;
  }
  return summary;
}

}  // namespace norvane
