#include "platform/posix/posix_file_moves.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/posix/descriptor_io.h"

namespace norvane {

namespace {

int errorOf(int result) { return result == 0 ? 0 : (errno != 0 ? errno : EIO); }

int syncPath(const std::string& path, int flags) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags));
  if (fd.get() < 0) return errno;
  return ::fsync(fd.get()) == 0 ? 0 : errno;
}

}  // namespace

bool PosixFileMoves::exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

bool PosixFileMoves::isFolder(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int PosixFileMoves::makeFolder(const std::string& path, unsigned mode) {
  return errorOf(::mkdir(path.c_str(), mode & 07777));
}

int PosixFileMoves::removeEmptyFolder(const std::string& path) {
  return errorOf(::rmdir(path.c_str()));
}

int PosixFileMoves::removeFile(const std::string& path) { return errorOf(::unlink(path.c_str())); }

int PosixFileMoves::renameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without RENAME_NOREPLACE: a hard link fails when the target exists, which
  // gives the same never-replacing move for files.
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EINVAL;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  if (::unlink(from.c_str()) != 0) {
    const int rc = errno;
    ::unlink(to.c_str());
    return rc;
  }
  return 0;
}

int PosixFileMoves::renameReplace(const std::string& from, const std::string& to) {
  return errorOf(::rename(from.c_str(), to.c_str()));
}

int PosixFileMoves::syncFile(const std::string& path) { return syncPath(path, O_NOFOLLOW); }

int PosixFileMoves::syncFolder(const std::string& path) { return syncPath(path, O_DIRECTORY); }

int PosixFileMoves::createFile(const std::string& path, std::string_view content, unsigned mode) {
  UniqueFd fd(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 07777));
  if (fd.get() < 0) return errno;
  int rc = writeAll(fd.get(), content);
  // The umask must not take the execute bit of the companion program away.
  if (rc == 0 && ::fchmod(fd.get(), mode & 07777) != 0) rc = errno;
  if (rc == 0 && ::fsync(fd.get()) != 0) rc = errno;
  if (const int closeError = fd.close(); closeError != 0 && rc == 0) rc = closeError;
  if (rc != 0) ::unlink(path.c_str());
  return rc;
}

int PosixFileMoves::permissions(const std::string& path, unsigned& mode) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0) return errno;
  mode = st.st_mode & 07777;
  return 0;
}

int PosixFileMoves::setPermissions(const std::string& path, unsigned mode) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (fd.get() < 0) return errno;
  return ::fchmod(fd.get(), mode & 07777) == 0 ? 0 : errno;
}

int PosixFileMoves::readFile(const std::string& path, std::string& content, std::size_t maxBytes) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return errno;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return EISDIR;
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return EFBIG;
  // `content` changes only when the whole file was read.
  std::string data;
  if (const int rc = readAll(fd.get(), data, maxBytes)) return rc;
  content = std::move(data);
  return 0;
}

std::string PosixFileMoves::uniqueFileName(const std::string& folder) {
  std::string pattern = folder;
  if (pattern.empty() || pattern.back() != '/') pattern += '/';
  pattern += "nvXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return {};
  ::close(fd);
  ::unlink(name.data());
  return std::string(name.data());
}

}  // namespace norvane
