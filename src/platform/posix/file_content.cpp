#include "platform/file_content.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/posix/descriptor_io.h"

namespace norvane {

namespace {

std::string folderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a write should land in: a link is followed to its target so the link survives.
std::string writeTarget(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    if (real) return real.get();
  }
  return path;
}

int rewriteInPlace(const std::string& path, std::string_view content) {
  UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.get() < 0) return errno;
  if (int err = writeAll(fd.get(), content)) return err;
  if (::ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0) return errno;
  if (::fsync(fd.get()) != 0) return errno;
  return 0;
}

}  // namespace

ReadFileStatus readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes) {
  out.clear();
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return errno == ENOENT ? ReadFileStatus::NotFound : ReadFileStatus::Failed;
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) return ReadFileStatus::Failed;
  if (S_ISDIR(st.st_mode)) return ReadFileStatus::Failed;
  if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > maxBytes)
    return ReadFileStatus::TooLarge;
  const int err = readAll(fd.get(), out, maxBytes);
  if (err == 0) return ReadFileStatus::Ok;
  out.clear();
  return err == EFBIG ? ReadFileStatus::TooLarge : ReadFileStatus::Failed;
}

int writeWholeFile(const std::string& path, std::string_view content) {
  const std::string target = writeTarget(path);
  struct stat old;
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return EISDIR;
  // The read-only attribute protects the file even from a caller who could replace it.
  if (existed && !(old.st_mode & S_IWUSR)) return EACCES;

  std::string temp = target + ".XXXXXX";
  int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    int err = errno;
    // A folder that refuses new files may still hold a writable file.
    if (existed && (err == EACCES || err == EPERM)) return rewriteInPlace(target, content);
    return err;
  }
  UniqueFd owned(fd);
  mode_t mode;
  if (existed) {
    mode = old.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int err = ::fchmod(fd, mode) != 0 ? errno : 0;
  if (!err) err = writeAll(fd, content);
  if (!err && ::fsync(fd) != 0) err = errno;
  if (!err && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    ::unlink(temp.c_str());
    return err;
  }
  // Make the rename itself durable.
  UniqueFd folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());
  return 0;
}

}  // namespace norvane
