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

bool sameIdentity(const struct stat& st, const FileIdentity& identity) {
  return identity.known() && st.st_dev == identity.device && st.st_ino == identity.inode;
}

// A name in one folder: a name with a separator would reach past the folder that is checked.
bool isPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// The scanned file's folder, opened and checked, and the file looked up in it.
class ScannedEntry {
 public:
  explicit ScannedEntry(const ScannedFile& file) {
    if (!isPlainName(file.name) || file.folder.empty()) {
      error_ = ENOENT;
      return;
    }
    // Links on the way are followed: a folder swapped for a link leads to another folder,
    // which the identity check turns away.
    folder_ = ::open(file.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) {
      error_ = errno;
      return;
    }
    struct stat st;
    if (::fstat(folder_, &st) != 0) {
      error_ = errno;
      return;
    }
    if (!sameIdentity(st, file.folderIdentity)) {
      error_ = ENOENT;
      return;
    }
    if (::fstatat(folder_, file.name.c_str(), &stat_, AT_SYMLINK_NOFOLLOW) != 0) {
      error_ = errno;
      return;
    }
    if (!sameIdentity(stat_, file.fileIdentity)) error_ = ENOENT;
  }
  ~ScannedEntry() {
    if (folder_ >= 0) ::close(folder_);
  }
  ScannedEntry(const ScannedEntry&) = delete;
  ScannedEntry& operator=(const ScannedEntry&) = delete;

  // 0 when the folder and the file are still the scanned ones; ENOENT when either changed.
  int error() const { return error_; }
  const struct stat& stat() const { return stat_; }
  int folder() const { return folder_; }

 private:
  int folder_ = -1;
  int error_ = 0;
  struct stat stat_ {};
};

// The checks before the unlink; Deleted when nothing stands in the way.
DeleteOutcome checkEntry(const struct stat& st, OpenFileTable& openFiles) {
  if (S_ISDIR(st.st_mode)) return outcome(DeleteStatus::IsDirectory, EISDIR);
  if (!S_ISLNK(st.st_mode)) {
    // A link's own mode bits mean nothing; for everything else a clear owner-write bit is
    // the read-only attribute, which Windows honours even for an administrator.
    if (!(st.st_mode & S_IWUSR)) return outcome(DeleteStatus::ReadOnly, EACCES);
    if (openFiles.isOpen(st.st_dev, st.st_ino)) return outcome(DeleteStatus::InUse, EBUSY);
  }
  return outcome(DeleteStatus::Deleted, 0);
}

}  // namespace

PosixFileOps::PosixFileOps(std::string procRoot, std::chrono::milliseconds openFilesMaxAge)
    : openFiles_(std::move(procRoot), openFilesMaxAge) {}

bool PosixFileOps::fileExists(const ScannedFile& file) {
  ScannedEntry entry(file);
  return entry.error() == 0 && !S_ISDIR(entry.stat().st_mode);
}

int PosixFileOps::fileSize(const ScannedFile& file, std::int64_t& size) {
  ScannedEntry entry(file);
  if (entry.error()) return entry.error();
  size = static_cast<std::int64_t>(entry.stat().st_size);
  return 0;
}

DeleteOutcome PosixFileOps::deleteFile(const ScannedFile& file) {
  ScannedEntry entry(file);
  if (int err = entry.error()) return outcome(statusOfUnlinkError(err), err);
  const DeleteOutcome checked = checkEntry(entry.stat(), openFiles_);
  if (!checked.deleted()) return checked;
  if (::unlinkat(entry.folder(), file.name.c_str(), 0) != 0) {
    int err = errno;
    return outcome(statusOfUnlinkError(err), err);
  }
  return outcome(DeleteStatus::Deleted, 0);
}

DeleteOutcome PosixFileOps::previewDelete(const ScannedFile& file) {
  ScannedEntry entry(file);
  if (int err = entry.error()) return outcome(statusOfUnlinkError(err), err);
  const DeleteOutcome checked = checkEntry(entry.stat(), openFiles_);
  if (!checked.deleted()) return checked;
  // Removing a name takes write and search rights on the folder (a read-only file system
  // answers EROFS); in a sticky folder also owning the file or the folder.
  if (::faccessat(entry.folder(), ".", W_OK | X_OK, AT_EACCESS) != 0) {
    int err = errno;
    return outcome(statusOfUnlinkError(err), err);
  }
  struct stat folder;
  const uid_t me = ::geteuid();
  if (::fstat(entry.folder(), &folder) == 0 && (folder.st_mode & S_ISVTX) && me != 0 &&
      me != folder.st_uid && me != entry.stat().st_uid)
    return outcome(DeleteStatus::AccessDenied, EPERM);
  return outcome(DeleteStatus::Deleted, 0);
}

}  // namespace norvane
