#include "platform/posix/posix_file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace norvane {

namespace {

DeleteOutcome outcome(DeleteStatus status, int code) { return DeleteOutcome{status, code}; }

DeleteStatus statusOfUnlinkError(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return DeleteStatus::NotFound;
    case EISDIR:
      return DeleteStatus::IsDirectory;
    case EBUSY:
    case ETXTBSY:
      return DeleteStatus::InUse;
    case EACCES:
    case EPERM:
    case EROFS:
      return DeleteStatus::AccessDenied;
    default:
      return DeleteStatus::Failed;
  }
}

}  // namespace

PosixFileOps::PosixFileOps(std::string procRoot, std::chrono::milliseconds openFilesMaxAge)
    : openFiles_(std::move(procRoot), openFilesMaxAge) {}

bool PosixFileOps::exists(const std::string& path) {
  struct stat st;
  return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool PosixFileOps::fileExists(const std::string& path) {
  struct stat st;
  return !path.empty() && ::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int PosixFileOps::fileSize(const std::string& path, std::int64_t& size) {
  struct stat st;
  if (path.empty()) return ENOENT;
  if (::lstat(path.c_str(), &st) != 0) return errno;
  size = static_cast<std::int64_t>(st.st_size);
  return 0;
}

DeleteOutcome PosixFileOps::deleteFile(const std::string& path) {
  if (path.empty()) return outcome(DeleteStatus::NotFound, ENOENT);
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) {
    int err = errno;
    return outcome(statusOfUnlinkError(err), err);
  }
  if (S_ISDIR(st.st_mode)) return outcome(DeleteStatus::IsDirectory, EISDIR);
  if (!S_ISLNK(st.st_mode)) {
    // A link's own mode bits mean nothing; for everything else a clear owner-write bit is
    // the read-only attribute, which Windows honours even for an administrator.
    if (!(st.st_mode & S_IWUSR)) return outcome(DeleteStatus::ReadOnly, EACCES);
    if (openFiles_.isOpen(st.st_dev, st.st_ino)) return outcome(DeleteStatus::InUse, EBUSY);
  }
  if (::unlinkat(AT_FDCWD, path.c_str(), 0) != 0) {
    int err = errno;
    return outcome(statusOfUnlinkError(err), err);
  }
  return outcome(DeleteStatus::Deleted, 0);
}

}  // namespace norvane
