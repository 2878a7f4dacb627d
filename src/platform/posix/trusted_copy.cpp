#include "platform/posix/trusted_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/descriptor_io.h"
#include "platform/posix/path_components.h"

namespace norvane {

namespace {

constexpr std::size_t kMaxProgramBytes = std::size_t{256} << 20;
constexpr mode_t kProgramMode = 0755;

bool ownerIsTrusted(const struct stat& st, uid_t owner) {
  return st.st_uid == 0 || st.st_uid == owner;
}

// Nobody but the owner can add, remove or rename entries: not writable by group or others,
// or (where `stickyWill` allows) sticky, so that others can't touch entries they don't own.
bool folderIsTrusted(const struct stat& st, uid_t owner, bool stickyWill) {
  if (!S_ISDIR(st.st_mode) || !ownerIsTrusted(st, owner)) return false;
  if (!(st.st_mode & (S_IWGRP | S_IWOTH))) return true;
  return stickyWill && (st.st_mode & S_ISVTX);
}

// The sub-folder `name` of `parent`, made with mode 0755 when missing; never through a link.
int openOrMakeFolder(int parent, const std::string& name) {
  const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::openat(parent, name.c_str(), flags);
  if (fd >= 0 || errno != ENOENT) return fd;
  if (::mkdirat(parent, name.c_str(), kProgramMode) != 0 && errno != EEXIST) return -1;
  fd = ::openat(parent, name.c_str(), flags);
  // The process's umask may have taken bits away.
  if (fd >= 0) ::fchmod(fd, kProgramMode);
  return fd;
}

int readSource(const std::string& source, std::string& content) {
  UniqueFd fd(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return errno;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return EINVAL;
  return readAll(fd.get(), content, kMaxProgramBytes);
}

// The installed copy is already what it should be, and only its owner can change it.
bool alreadyInstalled(int folder, const std::string& name, const std::string& content,
                      uid_t owner) {
  UniqueFd fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return false;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || !ownerIsTrusted(st, owner) ||
      (st.st_mode & 07777) != kProgramMode || st.st_nlink != 1 ||
      static_cast<std::size_t>(st.st_size) != content.size())
    return false;
  std::string current;
  return readAll(fd.get(), current, content.size()) == 0 && current == content;
}

}  // namespace

int installTrustedCopy(const std::string& source, const std::string& target, uid_t owner) {
  if (target.empty() || target[0] != '/') return EINVAL;
  std::vector<std::string> parts = pathComponents(target);
  if (parts.empty()) return EINVAL;
  for (const std::string& part : parts)
    if (part == "." || part == "..") return EINVAL;
  const std::string name = parts.back();
  parts.pop_back();

  UniqueFd folder(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return errno;
  struct stat st;
  if (::fstat(folder.get(), &st) != 0) return errno;
  if (!folderIsTrusted(st, owner, !parts.empty())) return EPERM;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    UniqueFd next(openOrMakeFolder(folder.get(), parts[i]));
    if (next.get() < 0) return errno == ELOOP || errno == ENOTDIR ? EPERM : errno;
    if (::fstat(next.get(), &st) != 0) return errno;
    // The helper's own folder must be closed to others even when sticky.
    if (!folderIsTrusted(st, owner, i + 1 < parts.size())) return EPERM;
    folder.reset(next.release());
  }

  std::string content;
  if (int err = readSource(source, content)) return err;
  if (alreadyInstalled(folder.get(), name, content, owner)) return 0;

  // Written aside and renamed over the old copy: the boot never finds half a program.
  const std::string temporary = "." + name + ".new";
  if (::unlinkat(folder.get(), temporary.c_str(), 0) != 0 && errno != ENOENT) return errno;
  UniqueFd out(::openat(folder.get(), temporary.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0700));
  if (out.get() < 0) return errno;
  int err = writeAll(out.get(), content);
  if (!err && ::fchmod(out.get(), kProgramMode) != 0) err = errno;
  if (!err && ::fsync(out.get()) != 0) err = errno;
  out.reset();
  if (!err && ::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0)
    err = errno;
  if (err) {
    ::unlinkat(folder.get(), temporary.c_str(), 0);
    return err;
  }
  ::fsync(folder.get());
  return 0;
}

}  // namespace norvane
